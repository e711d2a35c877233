#include "config/screens/TFormFlouPar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "config/screens/EditorDialog.h"
#include "text/codepage.h"
#include "widgets/ButtonRow.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {
namespace {

// With "SOU" the last four bytes of the password are the identification code.
constexpr std::size_t kSplitPasswordBytes = 12;
constexpr std::size_t kCodeBytes = 4;

// A new flow computer's password is zero bytes until one is typed: the text ends there.
QString BytesText(const std::uint8_t* bytes, std::size_t n) {
    const std::size_t length = static_cast<std::size_t>(std::find(bytes, bytes + n, 0) - bytes);
    return QString::fromStdString(
        text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), length)));
}

// The typed text over blanks of the covered bytes.
void Overlay(const QString& typed, std::uint8_t* bytes, std::size_t n) {
    const std::string cp1251 = text::Utf8ToCp1251(typed.toStdString());
    std::fill_n(bytes, n, std::uint8_t{' '});
    std::copy_n(cp1251.begin(), std::min(n, cp1251.size()), bytes);
}

}  // namespace

TFormFlouPar::TFormFlouPar(config::FlowRecord& record, int position, std::uint8_t runs, bool& split,
                           dialogue::Operator& op, QWidget* parent)
    : QDialog(parent),
      record_(record),
      runs_(runs),
      split_(split),
      op_(op),
      typedPassword_(record.password) {
    setWindowTitle(QStringLiteral("Параметры вычислителя расхода газа № %1").arg(position + 1));
    address_ = new QComboBox(this);
    address_->setEditable(true);
    for (int a = 1; a <= 254; ++a) {
        address_->addItem(QString::number(a));
    }
    widgets::IntegerEntryFilter::Install(address_);
    address_->setEditText(record.address == 0 ? QString() : QString::number(record.address));
    type_ = new QComboBox(this);
    type_->addItems(
        {QStringLiteral(" ВЕРСАНТ"), QStringLiteral(" ТАРСЕЛ, ГЛ-7Н "), QStringLiteral(" ЛС-4")});
    type_->setCurrentIndex(record.type <= 2 ? record.type : -1);
    order_ = new QComboBox(this);
    order_->addItems(
        {QStringLiteral(" Мл. адрес - ст. байт"), QStringLiteral(" Мл. адрес - мл. байт")});
    order_->setCurrentIndex(record.byteOrder <= 1 ? record.byteOrder : -1);

    splitBox_ = new QCheckBox(QStringLiteral("SOU"), this);
    splitBox_->setChecked(split_);
    password_ = new QLineEdit(this);
    code_ = new QLineEdit(this);
    code_->setMaxLength(4);
    widgets::IntegerEntryFilter::Install(code_);

    auto* rows = new QFormLayout;
    rows->addRow(BuddyLabel(QStringLiteral("Адрес  (1...254)"), address_), address_);
    rows->addRow(BuddyLabel(QStringLiteral("Тип"), type_), type_);
    rows->addRow(BuddyLabel(QStringLiteral("Порядок байтов в\nмногобайтных переменных"), order_),
                 order_);
    rows->addRow(QString(), splitBox_);
    passwordLabel_ = BuddyLabel(QString(), password_);
    rows->addRow(passwordLabel_, password_);
    codeLabel_ = BuddyLabel(QStringLiteral("Код идентификации\n(до 4 символов)"), code_);
    rows->addRow(codeLabel_, code_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);

    static const char* const kTitles[] = {" т/п 1       ", " т/п 2       ", " т/п 3       "};
    auto* pipelines = new QHBoxLayout;
    for (std::size_t k = 0; k < pipes_.size(); ++k) {
        Pipe& p = pipes_[k];
        p.group = new QGroupBox(QString::fromUtf8(kTitles[k]), this);
        p.box = new QCheckBox(QStringLiteral("Записывать"), p.group);
        p.run1 = new QRadioButton(QStringLiteral("  Нитка 1 хром."), p.group);
        p.run2 = new QRadioButton(QStringLiteral("  Нитка 2 хром."), p.group);
        // Radio buttons of one group box exclude each other; unlike those of a button group,
        // both can be cleared when the pipeline is unticked.
        auto* inner = new QVBoxLayout(p.group);
        inner->addWidget(p.box);
        inner->addWidget(p.run1);
        inner->addWidget(p.run2);
        pipelines->addWidget(p.group);
        const bool on = (record.necessity >> k & 1U) != 0;
        const bool fromRun2 = (record.necessity >> (k + 4) & 1U) != 0;
        p.box->setChecked(on);
        p.run1->setChecked(on && !fromRun2 && (runs_ & 1U) != 0);
        p.run2->setChecked(on && fromRun2 && (runs_ & 2U) != 0);
        connect(p.box, &QCheckBox::toggled, this, [this, k] { ShowRuns(static_cast<int>(k)); });
    }
    column->addLayout(pipelines);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    QPushButton* exit = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    column->addWidget(buttons);

    connect(type_, &QComboBox::currentIndexChanged, this, &TFormFlouPar::ShowPipelines);
    connect(splitBox_, &QCheckBox::toggled, this, [this](bool on) {
        TakeTyped(password_);
        TakeTyped(code_);
        split_ = on;
        ShowPasswordFields();
    });
    password_->installEventFilter(this);
    code_->installEventFilter(this);
    connect(accept_, &QPushButton::clicked, this, &TFormFlouPar::AcceptClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    ShowPasswordFields();
    ShowPipelines();
}

bool TFormFlouPar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == password_ || watched == code_)) {
        TakeTyped(static_cast<QLineEdit*>(watched));  // leaving an edit
    } else if (watched == code_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            password_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormFlouPar::TakeTyped(QLineEdit* edit) {
    if (!edit->isModified()) {
        return;
    }
    edit->setModified(false);
    if (edit == code_) {
        Overlay(edit->text(), typedPassword_.data() + kSplitPasswordBytes, kCodeBytes);
    } else {
        Overlay(edit->text(), typedPassword_.data(), PasswordBytes());
    }
}

std::size_t TFormFlouPar::PasswordBytes() const {
    return split_ ? kSplitPasswordBytes : config::kFlowPasswordSize;
}

void TFormFlouPar::ShowPasswordFields() {
    // The edits show the bytes as they are, untrimmed.
    const std::size_t passwordBytes = PasswordBytes();
    passwordLabel_->setText(
        QStringLiteral("Пароль на запись\n(до %1 символов)").arg(passwordBytes));
    password_->setMaxLength(static_cast<int>(passwordBytes));
    password_->setText(BytesText(typedPassword_.data(), passwordBytes));
    code_->setText(split_ ? BytesText(typedPassword_.data() + kSplitPasswordBytes, kCodeBytes)
                          : QString());
    code_->setVisible(split_);
    codeLabel_->setVisible(split_);
}

void TFormFlouPar::ShowPipelines() {
    const int count = type_->currentIndex() < 0 ? 0 : config::Pipelines(type_->currentIndex());
    for (int k = 0; k < 3; ++k) {
        Pipe& p = pipes_[static_cast<std::size_t>(k)];
        const bool enabled = k < count;
        p.group->setEnabled(enabled);
        if (!enabled) {
            p.box->setChecked(false);
        }
        ShowRuns(k);
    }
}

void TFormFlouPar::ShowRuns(int k) {
    Pipe& p = pipes_[static_cast<std::size_t>(k)];
    const bool ticked = p.box->isChecked() && p.group->isEnabled();
    for (auto [button, bit] : {std::pair{p.run1, 1U}, std::pair{p.run2, 2U}}) {
        const bool usable = ticked && (runs_ & bit) != 0;
        button->setEnabled(usable);
        if (!usable && button->isChecked()) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
}

void TFormFlouPar::AcceptClicked() {
    config::FlowEntries e;
    e.address = address_->currentText().toStdString();
    if (type_->currentIndex() >= 0) {
        e.type = type_->currentIndex();
    }
    if (order_->currentIndex() >= 0) {
        e.byteOrder = order_->currentIndex();
    }
    // Accepting from the keyboard need not leave the edit last typed into.
    TakeTyped(password_);
    TakeTyped(code_);
    e.password = typedPassword_;
    for (std::size_t k = 0; k < pipes_.size(); ++k) {
        const Pipe& p = pipes_[k];
        e.pipelines[k] = {p.box->isChecked() && p.group->isEnabled(), p.run1->isChecked(),
                          p.run2->isChecked()};
    }
    config::FlowRecord edited = record_;
    if (const auto refusal = config::AcceptFlowComputer(e, edited, &passwordChanged_)) {
        config::Report(*refusal, op_);
        return;
    }
    record_ = edited;
    accept();
}

}  // namespace zor06::screens
