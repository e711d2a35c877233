#include "gasdata/workbook_export.h"

#include <system_error>

#include "gasdata/data_file.h"
#include "gasdata/data_view_texts.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {}  // namespace

std::string DefaultWorkbookName(const dataset::HdmHeader& header,
                                const bytes::ControllerDateTime& today) {
    return text::Printf("zor_%02d_%s_%02d%02d%02d%s", dataset::kModel,
                        text::FileNamePart(RunName(header)).c_str(), today[0], today[1], today[2],
                        kWorkbookExtension);
}

bool ExportWorkbook(const DataView& view, const dataset::HdmHeader& header,
                    const WorkbookExport& how, dialogue::Operator& op) {
    const DataArchiveKind& k = KindOf(view.kind);
    const std::filesystem::path dir = how.programDir / k.directory;
    const dialogue::FileChoice choice{kDataFileSaveTitle, dir,
                                      std::string("*") + kWorkbookExtension,
                                      dir / DefaultWorkbookName(header, how.today)};
    const std::optional<std::filesystem::path> chosen =
        op.ChooseFile(choice, dialogue::FileDialog::Save);
    if (!chosen) {
        return false;
    }
    std::filesystem::path target = *chosen;
    if (!target.has_extension()) {
        target += kWorkbookExtension;
    }
    std::error_code ec;
    if (std::filesystem::exists(target, ec) &&
        !op.ShowMessage(dialogue::MessageKind::Question,
                        text::Printf("Файл %s уже есть.", target.filename().string().c_str()),
                        "Вы хотите заменить существующий файл?")) {
        return false;
    }
    std::string error;
    bool written = false;
    {
        dialogue::BusyScope busy(op);
        const dialogue::WaitScope wait(op, dialogue::WaitMode::Workbook);
        std::filesystem::create_directories(target.parent_path(), ec);
        written =
            WriteDataWorkbook(view, target, &error, [&op](std::size_t done, std::size_t total) {
                op.SetProgress(static_cast<int>(done), static_cast<int>(total));
            });
    }
    if (!written) {
        op.SetStatusText(dialogue::Panel::Message, error);
        // The operator needs to know which file and why: a full disk, a folder without the right.
        op.MessageBox("Ошибка работы с файлом!\n" + target.string() + ": " + error, "Ошибка");
        return false;
    }
    op.ShowMessage(dialogue::MessageKind::Info,
                   text::Printf("Данные сохранены в файле %s", target.filename().string().c_str()),
                   "");
    return true;
}

}  // namespace zor06::gasdata
