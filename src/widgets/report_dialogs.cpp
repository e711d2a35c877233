#include "widgets/report_dialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/render/page_renderer.h"

namespace zor06::widgets {

bool PreviewPages(const report::Pages& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { painted = report::PrintPages(pages, *p) && painted; });
    dialog.exec();
    return painted;
}

bool PrintPagesWithDialog(const report::Pages& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return true;
    }
    return report::PrintPages(pages, printer);
}

}  // namespace zor06::widgets
