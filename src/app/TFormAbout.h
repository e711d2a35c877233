// The About box.
#pragma once

#include <QDialog>

namespace zor06::screens {

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);
};

}  // namespace zor06::screens
