#include "config/screens/TFormConf_Protocol.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/protocol_content.h"
#include "config/protocol_document.h"
#include "report/layout.h"
#include "text/text_format.h"
#include "widgets/ButtonRow.h"
#include "widgets/report_dialogs.h"

namespace zor06::screens {
namespace {

QLabel* Line(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(label->text());
    return label;
}

}  // namespace

TFormConf_Protocol::TFormConf_Protocol(const config::ProtocolRecord& record,
                                       const std::string& fileName, dialogue::Operator& op,
                                       QWidget* parent)
    : QDialog(parent),
      preview(widgets::PreviewPages),
      print(widgets::PrintPagesWithDialog),
      record_(record),
      op_(op) {
    setWindowTitle(QString::fromStdString(text::Printf(" Файл: \"%s\"", fileName.c_str())));
    QLabel* fixed = Line(config::kProtocolScreenLine, this);
    QFont bold = fixed->font();
    bold.setBold(true);
    fixed->setFont(bold);
    compiledBy_ = Line(config::CompiledByLine(record), this);
    controller_ = Line(config::ControllerLine(record), this);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    preview_ = widgets::AddToRow(buttons, QStringLiteral("Просмотр"));
    print_ = widgets::AddToRow(buttons, QStringLiteral("Печать"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(fixed);
    column->addWidget(compiledBy_);
    column->addWidget(controller_);
    column->addSpacing(8);
    column->addWidget(buttons);
    connect(preview_, &QPushButton::clicked, this,
            [this] { SendTo(preview, "Ошибка вывода данных"); });
    connect(print_, &QPushButton::clicked, this, [this] { SendTo(print, "Ошибка печати данных"); });
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormConf_Protocol::SendTo(const Output& output, const char* failure) {
    setEnabled(false);
    const auto pages =
        report::Layout(config::ProtocolDocument(config::BuildProtocolContent(record_)));
    if (!output(pages, this)) {
        op_.ShowMessage(dialogue::MessageKind::Error, failure, "");
    }
    setEnabled(true);
}

}  // namespace zor06::screens
