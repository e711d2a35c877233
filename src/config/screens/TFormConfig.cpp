#include "config/screens/TFormConfig.h"

#include <array>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/config_groups.h"
#include "config/limits_editor.h"
#include "config/screens/TFormAccess.h"
#include "config/screens/TFormConHGC.h"
#include "config/screens/TFormConVU.h"
#include "config/screens/TFormConVich.h"
#include "config/screens/TFormConWMT.h"
#include "config/screens/TFormContrName.h"
#include "config/screens/TFormDistr.h"
#include "config/screens/TFormFlouList.h"
#include "config/screens/TFormLimits.h"
#include "config/screens/TFormPrzDistr.h"
#include "config/screens/TFormSys.h"
#include "config/screens/TFormTime_Sinhr.h"
#include "widgets/RunModal.h"

namespace zor06::screens {
namespace {

using widgets::RunModal;
namespace part = config::part;
constexpr auto kFile = config::EditorMode::File;

template <std::size_t N>
std::span<std::uint8_t, N> Fixed(std::span<std::uint8_t> bytes) {
    return bytes.first<N>();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The rows of the limits group, kinds 0..4.
constexpr const char* kLimitRows[config::kLimitKinds] = {
    "Зона нечувствительности изменений", "Нижняя предупредительная\nуставка параметра газа",
    "Верхняя предупредительная\nуставка параметра газа",
    "Нижний предел значений параметра\nгаза, допускаемого к записи в  ВРГ",
    "Верхний предел значений параметра\nгаза, допускаемого к записи в  ВРГ"};

}  // namespace

TFormConfig::TFormConfig(config::ConfigBuffer& buffer, config::EditorMode mode,
                         dialogue::Operator& op, ShowIdentification showIdentification,
                         QWidget* parent)
    : EditorDialog(mode, op, FromUtf8(config::ConfigCaption(buffer)), parent),
      buffer_(buffer),
      original_(buffer),
      showIdentification_(std::move(showIdentification)) {
    setObjectName(QStringLiteral("TFormConfig"));
    // Two columns keep the screen within a small display's height.
    auto* columns = new QHBoxLayout;
    std::array<QVBoxLayout*, 2> column{new QVBoxLayout, new QVBoxLayout};
    for (QVBoxLayout* c : column) {
        columns->addLayout(c);
    }
    Content()->addLayout(columns);
    int groups = 0;
    const auto group = [this, &column, &groups](const QString& title) {
        auto* box = new QGroupBox(title, this);
        auto* rows = new QVBoxLayout(box);
        column[groups++ < 3 ? 0 : 1]->addWidget(box);
        return std::pair{box, rows};
    };
    const auto names = group(QStringLiteral(" Наименования "));
    AddRow(names.second, QStringLiteral("Наименования"), [this] {
        if (EditPart<TFormContrName, part::kNames>()) {
            Rebuild();
        }
    });
    AddRow(names.second, QStringLiteral("Параметры идентификации"), [this] {
        if (showIdentification_) {
            showIdentification_(buffer_, this);
        }
    });

    const auto settings = group(QStringLiteral(" Параметры настроек "));
    AddRow(settings.second, QStringLiteral("Системные параметры"), [this] {
        if (EditPart<TFormSys, part::kSystem>()) {
            EnableGroups();
        }
    });
    AddRow(settings.second, QStringLiteral("Синхронизация времени"), [this] {
        config::SyncSwitches switches = config::SyncSwitchesOf(buffer_);
        if (RunModal<TFormTime_Sinhr>(switches, kFile, Op(), this)) {
            config::StoreSyncSwitches(switches, buffer_);
        }
    });

    const auto links = group(QStringLiteral(" Параметры связи "));
    AddRow(links.second, QStringLiteral("С верхним уровнем"),
           [this] { EditPart<TFormConVU, part::kUpperLink>(true); });
    flowLine_ = AddRow(links.second, QStringLiteral("С  вычислителями расхода газа"),
                       [this] { EditPart<TFormConVich, part::kFlowLine>(); });
    AddRow(links.second, QStringLiteral("С хроматографом"), [this] {
        EditPart<TFormConHGC, part::kChromatograph>(config::FlowAddressesOf(buffer_),
                                                    config::RunNames(buffer_));
    });
    moisture_ = AddRow(links.second, QStringLiteral("С влагомером"),
                       [this] { EditPart<TFormConWMT, part::kMoisture>(); });

    const auto flow = group(QStringLiteral(" Параметры работы с вычислителями расхода газа "));
    flowGroup_ = flow.first;
    AddRow(flow.second, QStringLiteral("Параметры вычислителей"), [this] {
        const std::uint8_t runs = buffer_.Part(part::kChromatograph)[7];
        TFormFlouList list(config::FlowRecordsOf(buffer_), config::FlowComputerCount(buffer_), runs,
                           kFile, Op(), this);
        if (list.exec() == QDialog::Accepted) {
            config::StoreFlowList(list.Result(), buffer_);
        }
    });
    AddRow(flow.second, QStringLiteral("Необходимость записи\nзначений параметров газа в ВРГ"),
           [this] { EditPart<TFormPrzDistr, part::kWriteChoices>(); });
    AddRow(flow.second,
           QStringLiteral("Период записи средних за час\nзначений параметров газа в ВРГ"),
           [this] { EditPart<TFormDistr, part::kPeriod>(); });

    const auto limits = group(QStringLiteral(" Уставки параметров газа "));
    for (int kind = 0; kind < config::kLimitKinds; ++kind) {
        AddRow(limits.second, QString::fromUtf8(kLimitRows[kind]), [this, kind] {
            RunModal<TFormLimits>(Fixed<config::kLimitBytes>(buffer_.LimitBlock(kind)), kind, kFile,
                                  Op(), this);
        });
    }

    const auto users = group(QStringLiteral(" Доступ пользователей  к записи в контроллер "));
    AddRow(users.second, QStringLiteral("Зарегистрированные пользователи"), [this] {
        RunModal<TFormAccess>(Fixed<config::kUsersBytes>(buffer_.Part(part::kUsers)), false, Op(),
                              this);
    });
    for (QVBoxLayout* c : column) {
        c->addStretch();
    }
    EnableGroups();
}

QPushButton* TFormConfig::AddRow(QVBoxLayout* group, const QString& text,
                                 std::function<void()> open) {
    auto* button = new QPushButton(text, this);
    button->setAccessibleName(QString(text).simplified());
    group->addWidget(button);
    rows_[QString(text).simplified()] = button;
    connect(button, &QPushButton::clicked, this,
            [this, open = std::move(open)] { OpenDarkened(open); });
    return button;
}

template <class Screen, config::ConfigPart Part, class... Extra>
bool TFormConfig::EditPart(const Extra&... extra) {
    return RunModal<Screen>(buffer_.Part(Part).template first<Part.size>(), kFile, extra..., Op(),
                            this);
}

QPushButton* TFormConfig::RowButton(const QString& text) const {
    const auto found = rows_.find(text);
    return found == rows_.end() ? nullptr : found->second;
}

void TFormConfig::OpenDarkened(const std::function<void()>& open) {
    const QPalette normal = palette();
    QPalette dark = normal;
    dark.setColor(QPalette::Window, normal.color(QPalette::Window).darker(130));
    setPalette(dark);
    open();
    setPalette(normal);
}

void TFormConfig::EnableGroups() {
    const config::ConfigGroups groups = config::EnabledGroups(buffer_);
    flowLine_->setEnabled(groups.flowComputers);
    flowGroup_->setEnabled(groups.flowComputers);
    moisture_->setEnabled(groups.moistureMeter);
}

void TFormConfig::Rebuild() {
    setWindowTitle(FromUtf8(config::ConfigCaption(buffer_)));
}

config::Refusal TFormConfig::Store() {
    changed_ = buffer_.bytes != original_.bytes;
    return std::nullopt;
}

}  // namespace zor06::screens
