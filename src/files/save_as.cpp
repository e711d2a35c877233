#include "files/save_as.h"

#include <system_error>

#include "platform/file_io.h"
#include "text/text_format.h"

namespace zor06::files {

SaveTarget ResolveSaveName(const std::filesystem::path& chosen,
                           const std::filesystem::path& proposed, std::string_view extension) {
    if (chosen == proposed) {
        return {chosen, false};
    }
    std::filesystem::path path = chosen;
    if (!path.has_extension()) {
        path += extension;
    }
    std::error_code ec;
    return {path, std::filesystem::exists(path, ec)};
}

std::optional<std::filesystem::path> ChooseSaveTarget(const dialogue::FileChoice& choice,
                                                      std::string_view extension,
                                                      dialogue::Operator& op) {
    for (;;) {
        const std::optional<std::filesystem::path> chosen =
            op.ChooseFile(choice, dialogue::FileDialog::Save);
        if (!chosen) {
            return std::nullopt;
        }
        const SaveTarget target = ResolveSaveName(*chosen, choice.proposed, extension);
        if (!target.askOverwrite ||
            op.ShowMessage(dialogue::MessageKind::Question,
                           text::Printf("Файл %s уже есть.", target.path.filename().c_str()),
                           "Вы хотите заменить существующий файл?")) {
            return target.path;
        }
    }
}

bool WriteChosenFile(const std::filesystem::path& target, std::string_view bytes,
                     dialogue::Operator& op, std::string* reason) {
    dialogue::BusyScope busy(op);
    // The folders are made on first use; a failure to make one shows in the write.
    std::error_code ignored;
    std::filesystem::create_directories(target.parent_path(), ignored);
    return platform::WriteFileAtomically(target, bytes, reason);
}

bool SaveChosenData(const dialogue::FileChoice& choice, std::string_view extension,
                    std::string_view bytes, const SaveFailure& failure, dialogue::Operator& op) {
    const auto target = ChooseSaveTarget(choice, extension, op);
    if (!target) {
        return false;
    }
    const std::string name = target->filename().string();
    std::string reason;
    if (!WriteChosenFile(*target, bytes, op, &reason)) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       failure.withName ? failure.text + " " + name : failure.text,
                       failure.withReason ? reason : std::string());
        return false;
    }
    op.ShowMessage(dialogue::MessageKind::Info,
                   text::Printf("Данные сохранены в файле %s.", name.c_str()), "");
    return true;
}

}  // namespace zor06::files
