// What the screen-text walk gives the screens: a controller simulated in this process, the
// settings, and editor bytes, records and names as long and as wide as the screens can show.
#pragma once

#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>

#include "app/connect_screens.h"
#include "config/clock_view.h"
#include "config/config_buffer.h"
#include "config/device_links.h"
#include "config/distribution_editors.h"
#include "config/flow_computers.h"
#include "config/limits_editor.h"
#include "config/names_editor.h"
#include "config/sync_editor.h"
#include "config/system_editor.h"
#include "config/table_state.h"
#include "config/upper_link_editor.h"
#include "config/users_editors.h"
#include "gasdata/data_view_model.h"
#include "gasdata/screens/DataForm.h"
#include "messages/screens/MessageForm.h"
#include "settings/settings_types.h"
#include "tables/table_service.h"
#include "tests/gasdata/data_set_builders.h"
#include "tests/support/recording_operator.h"
#include "tests/support/scripted_channel.h"
#include "text/codepage.h"
#include "zor06-sim/controller.h"

namespace zor06::screens::test_content {
using config::EditorMode;
using gasdata::DataKind;

// The longest texts the screens take: names filling their fields, with wide letters.
inline const std::string kControllerName = "ГРС Журавлиная Ш-20";  // 20 characters
inline const std::string kRunName = "Нитка Шумихинская-2 ";
inline const std::string kSubscriber = "ГРС Шумихинская, узел учёта газа №2 (Мыс Южный)";  // 49
inline const std::string kPhone = "8 (01234) 567-89-01 доб. 2345";                         // 29

// What the screens are given: an operator, the settings, a work directory, a link that reaches
// a controller simulated in this process, and the bytes the editors work on.
struct Fixture {
    Fixture() {
        sim::ControllerConfig config;
        config.status.flowComputers = 16;
        config.status.flowComputersOffline = {2, 5};
        config.status.moistureMeter = true;
        config.status.chromatographError = 255;
        config.status.moistureError = 255;
        config.status.flowExchangeFault = true;
        config.status.selfDiagnosticsFault = true;
        config.status.abnormalRuns = 3;
        config.status.chromatographLink = false;
        config.status.moistureLink = false;
        controller = std::make_unique<sim::Controller>(config);
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        link.AttachChannel(std::make_unique<test::ScriptedChannel>(
            clock, [this](const test::Bytes& frame) -> std::vector<test::Chunk> {
                if (!controller->Accepts(frame)) {
                    return {};
                }
                return {{platform::Millis(2), controller->Answer(frame)}};
            }));
        for (const tables::TableHeader h : {tables::TableHeader{0, 0, 18},
                                            {5, 0, 3},
                                            {6, 0, 12},
                                            {7, 0, 43},
                                            {8, 0, 2},
                                            {9, 0, 6},
                                            {14, 0, 14}}) {
            tables::ReadFields(ctx, h, false);
        }
        image.SetText(5, 0, text::Utf8ToCp1251(kControllerName));
        image.SetText(5, 1, text::Utf8ToCp1251(kRunName));
        image.SetText(5, 2, text::Utf8ToCp1251(kRunName));
        for (int t : {4, 13, 18, 22}) {
            image.SetByte(7, t, 1);  // destroyed
        }
        FillSettings();
    }

    void FillSettings() {
        settings.phones.entries = {{kSubscriber, 255, 0, kPhone}};
        settings.ethernet.entries = {{kSubscriber, 255, 0xC0A80A64U, 65535}};
        settings.objects.entries = {{kSubscriber, 255}};
        settings.link.linkKind = 1;
    }

    std::filesystem::path Dir() const { return dir.path().toStdString(); }

    test::FakeClock clock;
    link::hgcbox link{1, clock,
                      [](const std::string&, const platform::LineSettings&, platform::OpenError*) {
                          return std::unique_ptr<platform::SerialPort>();
                      }};
    std::unique_ptr<sim::Controller> controller;
    tables::ControllerImage image;
    test::RecordingOperator op;
    tables::TableContext ctx{link, image, op, clock};
    settings::ProgramSettings settings;
    app::RealConnectScreens connectScreens{settings, link, op};
    QTemporaryDir dir;

    std::array<std::uint8_t, config::kUsersBytes> users{};
    std::array<std::uint8_t, config::kChromatographLinkBytes> chromatograph{
        1, 21, 1, 2, 255, 10, 3, 3, 1, 1, 15, 3, 15, 3};
    std::array<std::uint8_t, config::kUpperLinkBytes> upper{254, 21, 255, 0};
    std::array<std::uint8_t, config::kFlowLineBytes> flowLine{16, 21, 10, 255, 255, 2};
    std::array<std::uint8_t, config::kMoistureLinkBytes> moisture{247, 21, 1, 0, 255, 10, 1, 0};
    std::array<std::uint8_t, config::kNamesBytes> names{};
    std::array<std::uint8_t, 2> period{24, 0};
    std::array<std::uint8_t, config::kGasParameterCount> necessity{};
    std::array<std::uint8_t, config::kSystemBytes> system{
        3, 0x80 | 0x40 | 8 | 1, 22, 10, 0xC9, 23, 23, 1, 1, 1, 0, 1};
    std::array<std::uint8_t, config::kLimitBytes> limits{};
    config::SyncSwitches sync{1, 1, 1, 1};
    config::UserSecret secret{};
    config::ConfigBuffer buffer = config::NewConfiguration();
    config::FlowRecords flowRecords{};
    config::FlowRecord flowRecord{};
    bool split = true;
    std::optional<config::TableStates> states;
    std::optional<config::ClockView> clockView;
    settings::PhoneEntry phone{kSubscriber, 255, 0, kPhone};
    settings::EthernetEntry ethernetEntry{kSubscriber, 255, 0xC0A80A64U, 65535};
    settings::ObjectEntry object{kSubscriber, 255};
};

// Longest names, every byte set to its widest choice.
inline void FillNames(Fixture& f) {
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string name = text::Utf8ToCp1251(i == 0 ? kControllerName : kRunName);
        std::copy(name.begin(), name.end(), f.names.begin() + static_cast<long>(i * 20));
    }
}

inline void FillFlowRecords(Fixture& f) {
    for (std::size_t i = 0; i < f.flowRecords.size(); ++i) {
        config::FlowRecord& r = f.flowRecords[i];
        r.address = static_cast<std::uint8_t>(240 + i);
        r.type = 1;
        r.byteOrder = 1;
        r.necessity = 0x77;
        r.password.fill('W');
    }
    f.flowRecord = f.flowRecords[0];
}

// Values and status bytes that make each column's widest cell.
inline gasdata::DataSet ChrSet(DataKind kind) {
    gasdata::DataSet set = gasdata::testing::EmptySet(kind);
    for (int i = 0; i < 4; ++i) {
        if (gasdata::IsThreeMinute(kind)) {
            gasdata::ChrMinRecord r;
            r.date = {24, 3, 1, 10, static_cast<std::uint8_t>(3 * i), 0};
            r.state = i == 1 ? 0x22 : 0;
            r.statusWord = 0xFFFF;
            r.values.v.fill(i == 2 ? std::numeric_limits<float>::quiet_NaN() : -12345.6F);
            gasdata::testing::Add(set, r, i != 3);
        } else {
            gasdata::ChrHdRecord r;
            r.date = {24, 3, static_cast<std::uint8_t>(1 + i)};
            r.start = {10, 0, 0};
            r.end = {11, 0, 0};
            r.status = i == 1 ? 0x22 : 0xFF;
            r.values.v.fill(i == 2 ? std::numeric_limits<float>::quiet_NaN() : -12345.6F);
            gasdata::testing::Add(set, r, i != 3);
        }
    }
    return set;
}

inline gasdata::DataSet WmtSet(DataKind kind) {
    gasdata::DataSet set = gasdata::testing::EmptySet(kind);
    set.header.runName.fill(0);
    for (int i = 0; i < 4; ++i) {
        const float value = i == 2 ? std::numeric_limits<float>::quiet_NaN() : -9999.9F;
        if (gasdata::IsThreeMinute(kind)) {
            gasdata::WmtMinRecord r;
            r.date = {24, 3, 1, 10, static_cast<std::uint8_t>(3 * i), 0};
            r.state = i == 1 ? 0x04 : 0x80;
            r.statusWord = 0xFFFF;
            r.values.fill(value);
            gasdata::testing::Add(set, r, i != 3);
        } else {
            gasdata::WmtHdRecord r;
            r.date = {24, 3, static_cast<std::uint8_t>(1 + i)};
            r.start = {10, 0, 0};
            r.end = {11, 0, 0};
            r.status = i == 1 ? 0x04 : 0xF8;
            r.values.fill(value);
            gasdata::testing::Add(set, r, i != 3);
        }
    }
    return set;
}

// A screen made on a fixture.
using Make = std::function<std::unique_ptr<QWidget>(Fixture&)>;

inline Make DataViewOf(DataKind kind) {
    return [kind](Fixture& f) {
        const gasdata::DataSet set = gasdata::IsChromatograph(kind) ? ChrSet(kind) : WmtSet(kind);
        DataFormContext context;
        context.save = [](const gasdata::DataView&, QWidget*) {};
        context.print = context.save;
        context.saveCsv = context.save;
        if (gasdata::IsChromatograph(kind)) {
            context.exportWorkbook = context.save;
        }
        return std::make_unique<DataForm>(gasdata::BuildDataView(set, f.settings.report), context);
    };
}

inline MessageFormContext MessageContext(Fixture& f) {
    MessageFormContext c;
    c.programDir = f.Dir();
    c.today = [] { return bytes::ControllerDateTime{26, 12, 9, 0, 0, 0}; };
    return c;
}

template <typename Record>
inline std::vector<std::uint8_t> Records(std::initializer_list<Record> records) {
    std::vector<std::uint8_t> bytes;
    for (const Record& r : records) {
        const auto b = r.Encode();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

inline dataset::HdmHeader MessageHeader() {
    dataset::HdmHeader h;
    h.address = 255;
    h.recordCount = 2;
    h.start = {26, 12, 1, 0, 0, 0};
    h.end = {26, 12, 2, 0, 0, 0};
    return h;
}

}  // namespace zor06::screens::test_content
