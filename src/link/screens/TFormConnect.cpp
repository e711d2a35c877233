#include "link/screens/TFormConnect.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "link/hgcbox.h"
#include "settings/link_choice.h"
#include "settings/list_edit.h"
#include "settings/list_sort.h"
#include "settings/settings_store.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 266;
constexpr int kMaxAddress = 255;

template <typename List>
struct SubscriberKind {
    using Entry = typename List::EntryType;
    using SaveList = bool (*)(settings::ProgramSettings&, const std::filesystem::path&,
                              dialogue::Operator&);
    List& list;
    SaveList save;
};

}  // namespace

TFormConnect::TFormConnect(settings::ProgramSettings& settings, std::filesystem::path iniDir,
                           link::hgcbox& link, dialogue::Operator& op, ConnectScreens& screens,
                           QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      iniDir_(std::move(iniDir)),
      link_(link),
      op_(op),
      screens_(screens) {
    setWindowTitle(QStringLiteral("Установка связи с устройством"));
    BuildControls();
    resize(kWidth, kHeight);

    const auto kind = settings::CurrentLinkKind(settings_.link);
    kind_->setCurrentIndex(kind ? static_cast<int>(*kind) : -1);
    ComboBox1Change(kind_->currentIndex());
    (kind ? static_cast<QWidget*>(connect_) : kind_)->setFocus();
    connect(kind_, &QComboBox::currentIndexChanged, this, &TFormConnect::ComboBox1Change);
    connect(subscriber_, &QComboBox::currentIndexChanged, this, &TFormConnect::ComboBox3Change);
}

void TFormConnect::BuildControls() {
    body_ = new QWidget(this);
    kind_ = new QComboBox(body_);
    kind_->addItems({QStringLiteral("Непосредственная связь"), QStringLiteral("Связь по телефону"),
                     QStringLiteral("Ethernet-интерфейс")});
    address_ = new QComboBox(body_);
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    for (int a = 1; a <= kMaxAddress; ++a) {
        address_->addItem(QString::number(a));
    }
    widgets::IntegerEntryFilter::Install(address_);

    subscriberPanel_ = new QWidget(body_);
    auto* panelRow = new QHBoxLayout(subscriberPanel_);
    panelRow->setContentsMargins(0, 0, 0, 0);
    subscriber_ = new QComboBox(subscriberPanel_);
    // Never narrower than the longest subscriber's name.
    subscriber_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    subscriber_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    list_ = new QPushButton(QStringLiteral("..."), subscriberPanel_);
    list_->setToolTip(QStringLiteral("Список абонентов"));
    list_->setAccessibleName(QStringLiteral("Список абонентов"));
    list_->setMaximumWidth(list_->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    auto* subscriberLabel = new QLabel(QStringLiteral("Абонент"), subscriberPanel_);
    subscriberLabel->setBuddy(subscriber_);
    panelRow->addWidget(subscriberLabel);
    panelRow->addWidget(subscriber_, 1);
    panelRow->addWidget(list_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Тип связи"), kind_);
    form->addRow(QStringLiteral("Адрес устройства"), address_);

    connect_ = new QPushButton(QStringLiteral("Связаться"), body_);
    parameters_ = new QPushButton(QStringLiteral("Изменить параметры связи"), body_);
    search_ = new QPushButton(QStringLiteral("Поиск параметров связи"), body_);
    exit_ = new QPushButton(QStringLiteral("Выход"), body_);
    connect_->setDefault(true);
    connect(connect_, &QPushButton::clicked, this, &TFormConnect::BitBtn1Click);
    connect(parameters_, &QPushButton::clicked, this, &TFormConnect::BitBtn2Click);
    connect(search_, &QPushButton::clicked, this, &TFormConnect::BitBtn3Click);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QPushButton::clicked, this, &TFormConnect::SpeedButton1Click);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {connect_, parameters_, search_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(exit_);

    auto* fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addWidget(subscriberPanel_);
    fields->addStretch();
    auto* row = new QHBoxLayout(body_);
    row->addLayout(fields, 1);
    row->addLayout(buttons);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(body_);
}

void TFormConnect::FocusConnect() {
    // Enter goes to the focused button: after a sub-screen it must be "Связаться" again.
    if (connect_->isEnabled()) {
        connect_->setFocus();
    }
}

std::optional<link::LinkKind> TFormConnect::SelectedKind() const {
    const int index = kind_->currentIndex();
    return index < 0 ? std::nullopt : std::optional(static_cast<link::LinkKind>(index));
}

void TFormConnect::ShowAddress(int address) {
    address_->setEditText(QString::number(address));
}

void TFormConnect::RefreshDescription() {
    op_.SetStatusText(dialogue::Panel::Connection, settings::DescribeConnection(settings_));
}

template <typename F>
void TFormConnect::WithSubscribers(F&& f) {
    if (SelectedKind() == link::LinkKind::Telephone) {
        f(SubscriberKind<settings::PhoneList>{settings_.phones, &settings::SavePhoneList});
    } else {
        f(SubscriberKind<settings::EthernetList>{settings_.ethernet, &settings::SaveEthernetList});
    }
}

void TFormConnect::ComboBox1Change(int index) {
    const auto kind = SelectedKind();
    if (!kind) {
        subscriberPanel_->hide();
        return;
    }
    settings_.link.linkKind = index;
    const bool direct = *kind == link::LinkKind::Direct;
    subscriberPanel_->setVisible(!direct);
    search_->setEnabled(direct);
    if (direct) {
        ShowAddress(settings_.link.direct.address);
        EnableSubscriberActions(true);
    } else {
        FillSubscribers();
    }
    RefreshDescription();
}

void TFormConnect::EnableSubscriberActions(bool on) {
    connect_->setEnabled(on);
    parameters_->setEnabled(on);
}

void TFormConnect::FillSubscribers() {
    WithSubscribers([this](auto kind) {
        const QSignalBlocker quiet(subscriber_);
        subscriber_->clear();
        for (const auto& entry : kind.list.entries) {
            subscriber_->addItem(QString::fromStdString(entry.name));
        }
        if (settings::CanAdd(kind.list)) {
            subscriber_->addItem(QStringLiteral("Новый абонент"));
        }
        const auto* current = CurrentEntry(kind.list);
        shownSubscriber_ = current != nullptr ? kind.list.current : -1;
        subscriber_->setCurrentIndex(shownSubscriber_);
        if (current != nullptr) {
            ShowAddress(current->address);
        }
        EnableSubscriberActions(current != nullptr);
    });
}

void TFormConnect::ComboBox3Change(int index) {
    WithSubscribers([this, index](auto kind) {
        if (index < 0) {
            shownSubscriber_ = -1;
            EnableSubscriberActions(false);
        } else if (const auto* entry = settings::EntryAt(kind.list, index)) {
            kind.list.current = static_cast<std::uint8_t>(index);
            // The pick is kept for the next run, as the list files keep their current entry.
            kind.save(settings_, iniDir_, op_);
            shownSubscriber_ = index;
            ShowAddress(entry->address);
            EnableSubscriberActions(true);
            RefreshDescription();
        } else {
            // "Новый абонент": a new entry at the end of the list, which then takes its place.
            typename decltype(kind)::Entry added;
            if (screens_.NewEntry(this, added)) {
                kind.list.entries.push_back(std::move(added));
                kind.list.current = static_cast<std::uint8_t>(kind.list.entries.size() - 1);
                settings::SortList(kind.list);
                kind.save(settings_, iniDir_, op_);
                FillSubscribers();
                RefreshDescription();
            } else {
                const QSignalBlocker quiet(subscriber_);
                subscriber_->setCurrentIndex(shownSubscriber_);
            }
        }
    });
}

void TFormConnect::SpeedButton1Click() {
    WithSubscribers([this](auto kind) {
        if (screens_.EditList(this, kind.list)) {
            kind.save(settings_, iniDir_, op_);
            FillSubscribers();
            RefreshDescription();
        }
    });
    FocusConnect();
}

void TFormConnect::BitBtn2Click() {
    const auto kind = SelectedKind();
    if (kind && screens_.EditParameters(this, *kind)) {
        settings::SaveLinkSettings(settings_, iniDir_, op_);
        RefreshDescription();
    }
    FocusConnect();
}

void TFormConnect::BitBtn3Click() {
    screens_.SearchDevice(this);
    ShowAddress(settings_.link.direct.address);
    settings::SaveLinkSettings(settings_, iniDir_, op_);
    RefreshDescription();
    FocusConnect();
}

void TFormConnect::BitBtn1Click() {
    const auto kind = SelectedKind();
    settings::ConnectChoice choice{kind, address_->currentText().toStdString(), -1};
    if (kind && *kind != link::LinkKind::Direct) {
        choice.subscriber = subscriber_->currentIndex();
    }
    settings::ConnectEnvironment environment = connection;
    environment.settingsChanged = [this] {
        settings::SaveLinkSettings(settings_, iniDir_, op_);
        RefreshDescription();
    };
    if (RunConnect(choice, environment)) {
        accept();
    }
}

bool TFormConnect::RunConnect(const settings::ConnectChoice& choice,
                              const settings::ConnectEnvironment& environment) {
    // The interface runs while the connection is made: no second "Связаться" meanwhile, and
    // Esc stops the connect instead of closing the dialog.
    QWidget* focused = focusWidget();
    connecting_ = true;
    body_->setEnabled(false);
    const bool connected = settings::Connect(link_, settings_, choice, op_, environment);
    body_->setEnabled(true);
    connecting_ = false;
    if (focused != nullptr) {
        focused->setFocus();
    }
    return connected;
}

void TFormConnect::reject() {
    if (connecting_) {
        op_.RequestInterrupt();
        return;
    }
    QDialog::reject();
}

}  // namespace zor06::screens
