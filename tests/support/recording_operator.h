// An operator that records what it is shown and answers questions from a script.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogue/operator.h"

namespace zor06::test {

struct ShownMessage {
    dialogue::MessageKind kind;
    std::string text1;
    std::string text2;
};

class RecordingOperator : public dialogue::Operator {
public:
    bool ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                     std::string_view text2) override {
        messages.push_back({kind, std::string(text1), std::string(text2)});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void MessageBox(std::string_view text, std::string_view) override { boxes.emplace_back(text); }
    void SetStatusText(dialogue::Panel panel, std::string_view text) override {
        status[static_cast<std::size_t>(panel)] = std::string(text);
    }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void ProcessEvents() override { ++eventPumps; }
    std::optional<std::filesystem::path> ChooseFile(const dialogue::FileChoice& choice,
                                                    dialogue::FileDialog dialog) override {
        dialogs.push_back(dialog);
        return chooseFile ? chooseFile(choice) : std::nullopt;
    }

    std::vector<ShownMessage> messages;
    std::vector<std::string> boxes;
    std::string status[4];
    std::deque<bool> answers;  // answers to questions, in order; "Нет" when empty
    int busyDepth = 0;
    int eventPumps = 0;
    // The file the operator picks in a dialog; none (cancelled) when unset.
    std::function<std::optional<std::filesystem::path>(const dialogue::FileChoice&)> chooseFile;
    std::vector<dialogue::FileDialog> dialogs;  // the dialogs shown, in order
};

}  // namespace zor06::test
