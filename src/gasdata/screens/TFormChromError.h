// The abnormal signs of one chromatograph data row: the controller's status list and, for
// 3-minute rows, the chromatograph's, each as a heading and its lines.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "gasdata/abnormal_signs.h"

class QListWidget;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormChromError : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 450;
    static constexpr int kLineHeight = 15;
    static constexpr int kListFrame = 8;
    static constexpr int kBelowLists = 96;

    TFormChromError(const std::vector<gasdata::SignList>& lists, const std::string& caption,
                    QWidget* parent = nullptr);

    const std::vector<QListWidget*>& lists() const { return lists_; }
    QPushButton* exitButton() const { return exit_; }

private:
    std::vector<QListWidget*> lists_;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
