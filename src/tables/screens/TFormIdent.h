// "Параметры идентификации контроллера": table 0 and the software checksum, as read.
#pragma once

#include <QDialog>
#include <cstdint>

#include "tables/controller_image.h"

class QFormLayout;

namespace zor06::screens {

class TFormIdent : public QDialog {
    Q_OBJECT
public:
    // `checksum` is table 41 field 1 when it could be read; an incomplete identification shows
    // only the type and the software version.
    TFormIdent(const tables::ControllerImage& image, const std::uint32_t* checksum,
               QWidget* parent = nullptr, bool complete = true);
    // The value shown beside `label`; empty when there is no such line.
    QString Value(const QString& label) const;

private:
    QFormLayout* form_ = nullptr;
};

}  // namespace zor06::screens
