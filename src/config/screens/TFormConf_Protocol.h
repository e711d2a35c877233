// The protocol screen: which protocol it is, and its printed document previewed or printed.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "config/protocol_record.h"
#include "dialogue/operator.h"
#include "report/pages.h"

class QLabel;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConf_Protocol : public QDialog {
    Q_OBJECT
public:
    // `fileName` without its directory.
    TFormConf_Protocol(const config::ProtocolRecord& record, const std::string& fileName,
                       dialogue::Operator& op, QWidget* parent = nullptr);

    // Where the document goes; the standard preview and print dialogs unless replaced (tests).
    // False when the output failed.
    using Output = std::function<bool(const report::Pages&, QWidget*)>;
    Output preview;
    Output print;

    QLabel* compiledByLine() const { return compiledBy_; }
    QLabel* controllerLine() const { return controller_; }
    QPushButton* previewButton() const { return preview_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* exitButton() const { return exit_; }

private:
    void SendTo(const Output& output, const char* failure);

    config::ProtocolRecord record_;
    dialogue::Operator& op_;
    QLabel* compiledBy_ = nullptr;
    QLabel* controller_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
