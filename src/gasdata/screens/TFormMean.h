// The legend of the parameter names and abbreviations the program uses.
#pragma once

#include <QDialog>
#include <span>
#include <string>

class QListWidget;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormMean : public QDialog {
    Q_OBJECT
public:
    explicit TFormMean(std::span<const std::string> lines, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* exitButton() const { return exit_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
