// Every screen, shown at its own size with the longest texts it can hold, shows each label,
// button, group title, entry, closed list and table heading whole.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "app/TFormAbout.h"
#include "app/TFormWait.h"
#include "config/protocol_record.h"
#include "config/screens/TFormAccess.h"
#include "config/screens/TFormChangeAccess.h"
#include "config/screens/TFormConHGC.h"
#include "config/screens/TFormConVU.h"
#include "config/screens/TFormConVich.h"
#include "config/screens/TFormConWMT.h"
#include "config/screens/TFormConf_Protocol.h"
#include "config/screens/TFormConfig.h"
#include "config/screens/TFormContrName.h"
#include "config/screens/TFormDistr.h"
#include "config/screens/TFormDt.h"
#include "config/screens/TFormFlouList.h"
#include "config/screens/TFormFlouPar.h"
#include "config/screens/TFormLimits.h"
#include "config/screens/TFormPrzDistr.h"
#include "config/screens/TFormShortUsPass.h"
#include "config/screens/TFormSys.h"
#include "config/screens/TFormTablState.h"
#include "config/screens/TFormTime_Sinhr.h"
#include "config/screens/TFormUsPass.h"
#include "gasdata/abnormal_signs.h"
#include "gasdata/chr_momentary.h"
#include "gasdata/screens/TFormChromError.h"
#include "gasdata/screens/TFormChrom_Dop_Par.h"
#include "gasdata/screens/TFormDataChart.h"
#include "gasdata/screens/TFormExcRep_Date.h"
#include "gasdata/screens/TFormMean.h"
#include "gasdata/screens/TFormMom.h"
#include "gasdata/screens/TFormMomWmt.h"
#include "gasdata/screens/TFormXls_Report.h"
#include "gasdata/wmt_momentary.h"
#include "link/screens/TFormCallTime.h"
#include "link/screens/TFormConnParam.h"
#include "link/screens/TFormConnect.h"
#include "link/screens/TFormExchangeMonitor.h"
#include "link/screens/TFormSearch.h"
#include "messages/flow_exchange.h"
#include "messages/function_info.h"
#include "messages/screens/TFormAla.h"
#include "messages/screens/TFormAud.h"
#include "messages/screens/TFormFunInfo.h"
#include "messages/screens/TFormIndex.h"
#include "messages/screens/TFormPeriod.h"
#include "messages/screens/TFormPrz.h"
#include "messages/screens/TFormShortDate.h"
#include "messages/screens/TFormVichInf.h"
#include "settings/screens/TFormAbonent.h"
#include "settings/screens/TFormAbonents_List.h"
#include "settings/screens/TFormObject.h"
#include "settings/screens/TFormObjects_List.h"
#include "tables/screens/TFormIdent.h"
#include "tables/screens/TFormMessage.h"
#include "tests/app/screen_content.h"
#include "tests/support/cut_texts.h"
#include "widgets/TFormQues_Prn.h"

namespace zor06::screens {
namespace {

using namespace test_content;

struct ScreenCase {
    const char* name;
    Make make;
    int settleMs = 50;  // for the first refresh of a window that reads as it shows
};

const ScreenCase kScreens[] = {
    // config
    {"TFormAccess", [](Fixture& f) { return std::make_unique<TFormAccess>(f.users, true, f.op); }},
    {"TFormChangeAccess",
     [](Fixture& f) { return std::make_unique<TFormChangeAccess>(f.users, f.op); }},
    {"TFormConHGC",
     [](Fixture& f) {
         std::vector<std::uint8_t> addresses(16, 254);
         return std::make_unique<TFormConHGC>(f.chromatograph, EditorMode::Device, addresses,
                                              std::array<std::string, 2>{kRunName, kRunName}, f.op);
     }},
    {"TFormConVU",
     [](Fixture& f) {
         return std::make_unique<TFormConVU>(f.upper, EditorMode::Device, true, f.op);
     }},
    {"TFormConVich",
     [](Fixture& f) { return std::make_unique<TFormConVich>(f.flowLine, EditorMode::File, f.op); }},
    {"TFormConWMT",
     [](Fixture& f) {
         return std::make_unique<TFormConWMT>(f.moisture, EditorMode::Device, f.op);
     }},
    {"TFormConf_Protocol",
     [](Fixture& f) {
         return std::make_unique<TFormConf_Protocol>(
             config::BuildProtocolRecord(f.image, 255, tables::DecodeToPc({26, 12, 9, 14, 5, 7})),
             "zor_06-a255-2612091405.prc", f.op);
     }},
    {"TFormConfig",
     [](Fixture& f) {
         return std::make_unique<TFormConfig>(f.buffer, EditorMode::File, f.op,
                                              [](const config::ConfigBuffer&, QWidget*) {});
     }},
    {"TFormContrName",
     [](Fixture& f) {
         FillNames(f);
         return std::make_unique<TFormContrName>(f.names, EditorMode::Device, f.op);
     }},
    {"TFormDistr",
     [](Fixture& f) { return std::make_unique<TFormDistr>(f.period, EditorMode::Device, f.op); }},
    {"TFormDt",
     [](Fixture& f) {
         const std::array<std::uint8_t, 8> clock{24, 3, 5, 10, 20, 0, 3, 128};
         const std::array<std::uint8_t, 6> chromatograph{24, 3, 5, 10, 21, 30};
         f.system[11] = 0;  // correcting forbidden: its line shows
         f.clockView = config::BuildClockView(clock, chromatograph,
                                              tables::DecodeToPc({24, 3, 5, 12, 21, 30}), f.system);
         return std::make_unique<TFormDt>(*f.clockView, f.op);
     }},
    {"TFormFlouList",
     [](Fixture& f) {
         FillFlowRecords(f);
         return std::make_unique<TFormFlouList>(f.flowRecords, 16, 3, EditorMode::Device, f.op);
     }},
    {"TFormFlouPar",
     [](Fixture& f) {
         FillFlowRecords(f);
         f.flowRecord.type = 0;
         return std::make_unique<TFormFlouPar>(f.flowRecord, 15, 3, f.split, f.op);
     }},
    {"TFormLimits",
     [](Fixture& f) {
         std::fill(f.limits.begin(), f.limits.end(), std::uint8_t{0xC6});  // -25443.4
         return std::make_unique<TFormLimits>(f.limits, 4, EditorMode::Device, f.op);
     }},
    {"TFormPrzDistr",
     [](Fixture& f) {
         f.necessity.fill(1);
         return std::make_unique<TFormPrzDistr>(f.necessity, EditorMode::Device, f.op);
     }},
    {"TFormShortUsPass",
     [](Fixture& f) { return std::make_unique<TFormShortUsPass>(f.link, f.op); }},
    {"TFormSys",
     [](Fixture& f) { return std::make_unique<TFormSys>(f.system, EditorMode::Device, f.op); }},
    {"TFormTablState",
     [](Fixture& f) {
         f.states = config::BuildTableStates(f.image);
         return std::make_unique<TFormTablState>(*f.states, link::LinkKind::Direct, f.op);
     }},
    {"TFormTime_Sinhr",
     [](Fixture& f) {
         return std::make_unique<TFormTime_Sinhr>(f.sync, EditorMode::Device, f.op);
     }},
    {"TFormUsPass",
     [](Fixture& f) {
         f.secret.fill('W');
         std::fill(f.secret.begin() + 12, f.secret.end(), '9');
         return std::make_unique<TFormUsPass>(f.secret, true, f.op);
     }},
    // gasdata
    {"TFormArhMin_Chr", DataViewOf(DataKind::ChrMinute)},
    {"TFormArhivHDM_Chr hourly", DataViewOf(DataKind::ChrHour)},
    {"TFormArhivHDM_Chr daily", DataViewOf(DataKind::ChrDay)},
    {"TFormArhMom_Wmt", DataViewOf(DataKind::WmtMinute)},
    {"TFormArhivHD_Wmt hourly", DataViewOf(DataKind::WmtHour)},
    {"TFormArhivHD_Wmt daily", DataViewOf(DataKind::WmtDay)},
    {"TFormChromError",
     [](Fixture&) {
         const gasdata::RowSigns signs{0, 0xFF, 0xFFFF, "01.03.24 10:03:00"};
         return std::make_unique<TFormChromError>(gasdata::AbnormalSigns(signs),
                                                  "Нештатные ситуации 01.03.24 10:03:00");
     }},
    {"TFormChrom_Dop_Par",
     [](Fixture&) { return std::make_unique<TFormChrom_Dop_Par>(4294967295U, 4294967295U); }},
    {"TFormDataChart",
     [](Fixture& f) {
         const gasdata::DataView view =
             gasdata::BuildDataView(ChrSet(DataKind::ChrHour), f.settings.report);
         gasdata::ColumnSetpoints setpoints(view.valueHeadings.size(),
                                            gasdata::SetpointLines{-20000.0, 20000.0});
         auto chart = std::make_unique<TFormDataChart>(view, setpoints);
         for (int i = 0; i < TFormDataChart::kMostChosen; ++i) {
             chart->parameterList()->item(i)->setCheckState(Qt::Checked);
         }
         return chart;
     }},
    {"TFormExcRep_Date day",
     [](Fixture& f) {
         return std::make_unique<TFormExcRep_Date>(
             gasdata::PassportMode::Day,
             gasdata::ArchiveBounds{{20, 1, 1, 10, 0}, {24, 12, 31, 10, 0}}, f.settings.objects,
             PassportObjectHooks{}, f.op);
     }},
    {"TFormExcRep_Date month",
     [](Fixture& f) {
         return std::make_unique<TFormExcRep_Date>(
             gasdata::PassportMode::Month,
             gasdata::ArchiveBounds{{20, 1, 1, 10, 0}, {24, 12, 31, 10, 0}}, f.settings.objects,
             PassportObjectHooks{}, f.op);
     }},
    {"TFormMean",
     [](Fixture& f) {
         const auto lines = gasdata::LegendLines(f.settings.report);
         return std::make_unique<TFormMean>(lines);
     }},
    {"TFormMom",
     [](Fixture& f) {
         f.settings.report.thermalUnit = 1;
         const gasdata::ChrMomentaryFrame frame =
             gasdata::ChrMomentaryFrameOf(4294967295U, kRunName, f.settings.report);
         TFormMom::Refresh refresh;
         refresh.values = [] {
             gasdata::ChrMomentaryValues values;
             values.time = "31.12.24 23:59:57";
             values.values.fill("-12345.6789");
             values.values[3] = "NAN";
             return std::optional(values);
         };
         refresh.zones = [] {
             gasdata::ChrZones zones;
             for (int i = 0; i < gasdata::kChrParameters; ++i) {
                 if (gasdata::HasZone(i)) {
                     zones[static_cast<std::size_t>(i)] = gasdata::ZoneOf(2);
                 }
             }
             return std::optional(zones);
         };
         return std::make_unique<TFormMom>(frame, refresh);
     }},
    {"TFormMomWmt",
     [](Fixture&) {
         return std::make_unique<TFormMomWmt>([] {
             std::array<std::uint8_t, gasdata::kWmtMomentaryBytes> fields{24, 12, 31, 0,
                                                                          23, 59, 57, 0};
             const float widest = -9999.9F;
             for (std::size_t at = 8; at < fields.size(); at += 4) {
                 std::memcpy(&fields[at], &widest, sizeof widest);
             }
             const gasdata::WmtMomentary content = gasdata::WmtMomentaryContent(fields);
             WmtMomentaryLines lines{content.dateTime, {}};
             for (const gasdata::LabelledValue& v : content.values) {
                 lines.values.emplace_back(v.label, v.text);
             }
             return std::optional(lines);
         });
     }},
    {"TFormXls_Report", [](Fixture&) { return std::make_unique<TFormXls_Report>([] {}); }},
    // link
    {"TFormCallTime", [](Fixture& f) { return std::make_unique<TFormCallTime>(nullptr, f.clock); }},
    {"TFormConnParam direct",
     [](Fixture& f) {
         f.settings.link.closePort = true;
         return std::make_unique<TFormConnParam>(f.settings.link, link::LinkKind::Direct, f.op);
     }},
    {"TFormConnParam telephone",
     [](Fixture& f) {
         f.settings.link.phone.command = "AT&F E0 V1 &C1 &D2 S0=0 +CBST=71,0,1 +IFC=0,0 +ICF=3";
         return std::make_unique<TFormConnParam>(f.settings.link, link::LinkKind::Telephone, f.op);
     }},
    {"TFormConnParam Ethernet",
     [](Fixture& f) {
         return std::make_unique<TFormConnParam>(f.settings.link, link::LinkKind::Ethernet, f.op);
     }},
    {"TFormConnect telephone",
     [](Fixture& f) {
         return std::make_unique<TFormConnect>(f.settings, f.Dir(), f.link, f.op, f.connectScreens);
     }},
    {"TFormConnect Ethernet",
     [](Fixture& f) {
         f.settings.link.linkKind = 2;
         return std::make_unique<TFormConnect>(f.settings, f.Dir(), f.link, f.op, f.connectScreens);
     }},
    {"TFormExchangeMonitor",
     [](Fixture& f) { return std::make_unique<TFormExchangeMonitor>(f.link, f.op); }},
    {"TFormSearch",
     [](Fixture& f) { return std::make_unique<TFormSearch>(f.settings.link, f.link, f.op); }},
    // messages
    {"TFormAud",
     [](Fixture& f) {
         messages::InterventionRecord r;
         r.when = {26, 12, 1, 10, 20, 0};
         r.table = 14;
         r.field = 13;
         r.oldValue = {255, 255, 255, 255};
         r.newValue = {0, 0, 0, 0};
         r.user = {'W', 'W', 'W', 'W'};
         const auto bytes = Records({r, r});
         return std::make_unique<TFormAud>(MessageHeader(), bytes, messages::ViewMode::ByIndex,
                                           4294967294U, MessageContext(f), f.op);
     }},
    {"TFormAla",
     [](Fixture& f) {
         messages::DiagnosticRecord r;
         r.event = 11;
         r.object = 33;
         const auto bytes = Records({r, r});
         return std::make_unique<TFormAla>(MessageHeader(), bytes, messages::ViewMode::ByPeriod, 0,
                                           MessageContext(f), f.op);
     }},
    {"TFormFunInfo",
     [](Fixture& f) { return std::make_unique<TFormFunInfo>(messages::FunctionRowsOf(f.image)); }},
    {"TFormIndex",
     [](Fixture& f) {
         return std::make_unique<TFormIndex>(messages::Archive::Interventions,
                                             messages::IndexBounds{4294967000U, 4294967295U},
                                             f.settings.archive, f.op);
     }},
    {"TFormPeriod",
     [](Fixture& f) {
         return std::make_unique<TFormPeriod>(f.settings.archive,
                                              tables::DecodeToPc({24, 12, 31, 23, 59, 59}), f.op);
     }},
    {"TFormPrz", [](Fixture& f) { return std::make_unique<TFormPrz>(f.ctx, CurrentStateHooks{}); },
     1500},
    {"TFormShortDate",
     [](Fixture& f) {
         return std::make_unique<TFormShortDate>(
             messages::DataArchive::ThreeMinute,
             messages::ArchiveBounds{{24, 10, 31, 23, 57}, {24, 12, 31, 23, 57}},
             bytes::ControllerDateTime{24, 12, 31, 23, 59, 59}, f.settings.archive, f.op);
     }},
    {"TFormVichInf",
     [](Fixture&) {
         messages::FlowExchange exchange;
         for (int i = 0; i < messages::kMaxFlowComputers; ++i) {
             exchange.addresses.push_back(static_cast<std::uint8_t>(240 + i));
             exchange.links.push_back(static_cast<std::uint8_t>(i % 2));
             exchange.writing.push_back(static_cast<std::uint8_t>(i % 3 == 0));
         }
         return std::make_unique<TFormVichInf>(messages::FlowRows(exchange));
     }},
    // settings
    {"TFormAbonent telephone",
     [](Fixture& f) { return std::make_unique<TFormAbonent>(f.phone, 1, f.op); }},
    {"TFormAbonent Ethernet",
     [](Fixture& f) { return std::make_unique<TFormAbonent>(f.ethernetEntry, 1, f.op); }},
    {"TFormAbonents_List telephone",
     [](Fixture& f) { return std::make_unique<TFormAbonents_List>(f.settings.phones, f.op); }},
    {"TFormAbonents_List Ethernet",
     [](Fixture& f) { return std::make_unique<TFormAbonents_List>(f.settings.ethernet, f.op); }},
    {"TFormObject", [](Fixture& f) { return std::make_unique<TFormObject>(f.object, 1, f.op); }},
    {"TFormObjects_List",
     [](Fixture& f) {
         return std::make_unique<TFormObjects_List>(f.settings, f.Dir() / "INI", f.op);
     }},
    // tables
    {"TFormIdent",
     [](Fixture& f) {
         static const std::uint32_t checksum = 4294967295U;
         return std::make_unique<TFormIdent>(f.image, &checksum);
     }},
    {"TFormMessage question",
     [](Fixture&) {
         return std::make_unique<TFormMessage>(
             zor06::dialogue::MessageKind::Question,
             QStringLiteral("Количество вычислителей не может быть увеличено"),
             QStringLiteral("без ввода их параметров. Выполнить ввод параметров сейчас?"));
     }},
    {"TFormMessage error",
     [](Fixture&) {
         return std::make_unique<TFormMessage>(
             zor06::dialogue::MessageKind::Error,
             QStringLiteral("Коммуникационный порт /dev/serial/by-id/usb-FTDI_FT232R_USB"),
             QStringLiteral("недоступен"));
     }},
    // widgets and the program's own
    {"TFormQues_Prn",
     [](Fixture&) {
         return std::make_unique<widgets::TFormQues_Prn>(
             std::array<std::string, 3>{"Печать данных", "Введите наименование организации",
                                        "(до 100 символов)"},
             std::string("ООО \"Газтранс Шумиха\", Шадринское ЛПУ МГ"));
     }},
    {"TFormAbout", [](Fixture&) { return std::make_unique<TFormAbout>(); }},
    {"TFormWait reading",
     [](Fixture&) { return std::make_unique<TFormWait>(zor06::dialogue::WaitMode::Reading); }},
    {"TFormWait restoring",
     [](Fixture&) { return std::make_unique<TFormWait>(zor06::dialogue::WaitMode::LinkRestored); }},
};

}  // namespace

class TstScreenTexts : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsWhole_data() {
        QTest::addColumn<int>("screen");
        for (std::size_t i = 0; i < std::size(kScreens); ++i) {
            QTest::newRow(kScreens[i].name) << static_cast<int>(i);
        }
    }
    void everyTextIsWhole() {
        QFETCH(int, screen);
        Fixture fixture;
        const std::unique_ptr<QWidget> window =
            kScreens[static_cast<std::size_t>(screen)].make(fixture);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(kScreens[static_cast<std::size_t>(screen)].settleMs);
        const QStringList cut = test::CutTexts(*window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstScreenTexts)
#include "tst_screen_texts.moc"
