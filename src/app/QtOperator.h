// The desktop program's operator: message windows, the main window's status panels and the wait
// window's progress, the hourglass cursor and the event pump.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "dialogue/operator.h"

class QWidget;

namespace zor06::screens {

class QtOperator : public dialogue::Operator {
public:
    explicit QtOperator(QWidget* parent = nullptr) : parent_(parent) {}

    bool ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                     std::string_view text2) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    void SetStatusText(dialogue::Panel panel, std::string_view text) override;
    void SetBusy(bool busy) override;
    void ProcessEvents() override;
    void SetProgress(int position, int maximum) override;
    void ShowWait(dialogue::WaitMode mode) override;
    void HideWait() override;
    std::optional<std::filesystem::path> ChooseFile(const dialogue::FileChoice& choice,
                                                    dialogue::FileDialog dialog) override;

    // Replace the modal windows (tests record what would be shown and answer for the operator).
    std::function<bool(dialogue::MessageKind kind, const QString& text1, const QString& text2)>
        messageWindow;
    std::function<void(const QString& text, const QString& caption)> messageBox;
    // Where status texts and progress go; the main window connects them.
    std::function<void(dialogue::Panel panel, const QString& text)> onStatus;
    std::function<void(int position, int maximum)> onProgress;
    // The wait window of a mode, or none to close it.
    std::function<void(std::optional<dialogue::WaitMode> mode)> onWait;
    // The file dialogs; none chosen without them.
    std::function<std::optional<std::filesystem::path>(const dialogue::FileChoice& choice,
                                                       dialogue::FileDialog dialog)>
        onChooseFile;

private:
    QPointer<QWidget> parent_;
};

}  // namespace zor06::screens
