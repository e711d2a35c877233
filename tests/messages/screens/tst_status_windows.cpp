// The status windows over a simulated controller: the refresh timer and when it must not send,
// the values and their colours, the flow-computer exchange and the way to the table states.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "messages/screens/TFormPrz.h"
#include "messages/screens/TFormVichInf.h"
#include "messages/screens/status_windows.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/cut_texts.h"
#include "tests/support/recording_operator.h"
#include "tests/support/scripted_channel.h"
#include "zor06-sim/controller.h"

namespace zor06::screens {
namespace {

// The link ends in a simulated controller in this process; every read is on record.
struct SimLink {
    explicit SimLink(sim::StatusState status) {
        sim::ControllerConfig config;
        config.status = std::move(status);
        controller = std::make_unique<sim::Controller>(config);
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        link.AttachChannel(std::make_unique<test::ScriptedChannel>(
            clock, [this](const test::Bytes& frame) -> std::vector<test::Chunk> {
                if (!controller->Accepts(frame)) {
                    return {};
                }
                if (frame[3] == 1) {
                    reads.push_back(frame[5]);
                }
                return {{platform::Millis(2), controller->Answer(frame)}};
            }));
        tables::ReadFields(ctx, {6, 0, 12});
        reads.clear();
    }
    int ReadsOf(int table) const {
        return static_cast<int>(std::count(reads.begin(), reads.end(), table));
    }

    test::FakeClock clock;
    link::hgcbox link{1, clock,
                      [](const std::string&, const platform::LineSettings&, platform::OpenError*) {
                          return std::unique_ptr<platform::SerialPort>();
                      }};
    std::unique_ptr<sim::Controller> controller;
    tables::ControllerImage image;
    test::RecordingOperator op;
    tables::TableContext ctx{link, image, op, clock};
    std::vector<int> reads;
};

// Runs `check` on the modal window that opens next (looked for every 20 ms), then closes it.
template <typename Form>
void OnNextModal(std::function<void(Form&)> check, bool* seen, int tries = 200) {
    QTimer::singleShot(20, [check = std::move(check), seen, tries]() mutable {
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (form == nullptr) {
            if (tries > 0) {
                OnNextModal<Form>(std::move(check), seen, tries - 1);
            }
            return;
        }
        *seen = true;
        check(*form);
        form->reject();
    });
}

constexpr int kTicksMs = 2 * messages::kRefreshMs + 500;

}  // namespace

class TstStatusWindows : public QObject {
    Q_OBJECT
private slots:
    void noRequestFollowsTheWindowsClosing();
    void busyLineAndToggleHoldTheRefreshBack();
    void valuesAndColoursFollowTheSigns();
    void flowButtonShowsTheExchange();
    void tableStatesLeadToTheRestoration();
    void flowExchangeShowsEveryRowAndColumnWhole_data();
    void flowExchangeShowsEveryRowAndColumnWhole();
};

void TstStatusWindows::noRequestFollowsTheWindowsClosing() {
    for (const bool closeBox : {false, true}) {
        SimLink sim({});
        TFormPrz form(sim.ctx, {});
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(sim.ReadsOf(33) >= 1, kTicksMs);
        if (closeBox) {
            form.close();
        } else {
            QTest::mouseClick(form.exitButton(), Qt::LeftButton);
        }
        QVERIFY(!form.refreshTimer().isActive());
        const std::size_t sent = sim.reads.size();
        QTest::qWait(kTicksMs);
        QCOMPARE(sim.reads.size(), sent);
    }
}

void TstStatusWindows::busyLineAndToggleHoldTheRefreshBack() {
    SimLink sim({});
    bool busy = true;
    TFormPrz form(sim.ctx, {[&] { return busy; }, {}, {}});
    form.show();
    QTest::qWait(kTicksMs);
    QVERIFY(sim.reads.empty());
    QVERIFY(form.refreshTimer().isActive());  // it only waits
    busy = false;
    QTRY_VERIFY_WITH_TIMEOUT(sim.ReadsOf(16) >= 1 && sim.ReadsOf(33) >= 1, kTicksMs);

    // Switched off, the refresh sends nothing until it is switched on again.
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Обновлять данные"));
    const std::size_t sent = sim.reads.size();
    QTest::qWait(kTicksMs);
    QCOMPARE(sim.reads.size(), sent);
    QTest::mouseClick(form.refreshButton(), Qt::LeftButton);
    QCOMPARE(form.refreshButton()->text(), QStringLiteral("Не обновлять данные"));
    QTRY_VERIFY_WITH_TIMEOUT(sim.reads.size() > sent, kTicksMs);
}

void TstStatusWindows::valuesAndColoursFollowTheSigns() {
    sim::StatusState status;
    status.chromatographError = 12;
    status.moistureError = 5;  // no moisture meter: never shown
    status.moistureLink = false;
    status.flowComputers = 0;
    SimLink sim(status);
    TFormPrz form(sim.ctx, {});
    using messages::StateItem;
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QVERIFY(!form.valueLabel(StateItem::MoistureErrors)->isEnabled());
    QVERIFY(!form.flowButton()->isEnabled());
    QVERIFY(form.tablesButton()->isEnabled());
    form.show();
    QTRY_COMPARE_WITH_TIMEOUT(form.valueLabel(StateItem::ChromatographLink)->text(),
                              QStringLiteral("Норма"), kTicksMs);
    const QLabel* error = form.valueLabel(StateItem::ChromatographErrors);
    QCOMPARE(error->text(), QStringLiteral("Код ошибки 12"));
    QVERIFY(error->styleSheet().contains(QStringLiteral("red")));
    QVERIFY(!form.valueLabel(StateItem::ChromatographLink)->styleSheet().contains("red"));
    QCOMPARE(form.valueLabel(StateItem::MoistureErrors)->text(), QString());
    QCOMPARE(form.valueLabel(StateItem::FlowErrors)->text(), QString());
    QVERIFY(sim.op.messages.empty());
}

void TstStatusWindows::flowButtonShowsTheExchange() {
    sim::StatusState status;
    status.flowComputers = 3;
    status.flowComputersOffline = {2};
    SimLink sim(status);
    int messageTimers = 0;
    bool busy = true;
    TFormPrz form(sim.ctx, {[&] { return busy; }, [&] { ++messageTimers; }, {}});
    form.show();
    // Pressed while a request is on the line, the button waits for the line.
    QTest::mouseClick(form.flowButton(), Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(sim.ReadsOf(9), 0);
    busy = false;
    bool seen = false;
    OnNextModal<TFormVichInf>(
        [&](TFormVichInf& exchange) {
            QCOMPARE(exchange.windowTitle(), QStringLiteral("Состояние обмена с вычислителями РГ"));
            QCOMPARE(exchange.grid()->rowCount(), 3);
            QCOMPARE(exchange.grid()->item(1, 0)->text(), QStringLiteral("2"));
            QCOMPARE(exchange.grid()->item(1, 1)->text(), QStringLiteral("Нет"));
            QCOMPARE(exchange.grid()->item(1, 1)->foreground().color(), QColor(Qt::red));
            QCOMPARE(exchange.grid()->item(2, 2)->text(), QStringLiteral("Записываются"));
            QVERIFY(!form.exitButton()->isEnabled());
            QVERIFY(!form.refreshTimer().isActive());
        },
        &seen);
    QTRY_VERIFY_WITH_TIMEOUT(seen, kTicksMs);
    QCOMPARE(messageTimers, 1);
    QCOMPARE(sim.op.busyDepth, 0);
    QVERIFY(form.exitButton()->isEnabled());
    QVERIFY(form.refreshTimer().isActive());
}

void TstStatusWindows::tableStatesLeadToTheRestoration() {
    SimLink sim({});
    int restorations = 0;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* form = qobject_cast<TFormPrz*>(QApplication::activeModalWidget())) {
            seen = true;
            QTest::mouseClick(form->tablesButton(), Qt::LeftButton);
        }
    });
    NSitClick(sim.ctx, {{}, {}, [&] { return ++restorations > 0; }}, nullptr);
    QVERIFY(seen);
    QCOMPARE(restorations, 1);
    QCOMPARE(sim.ReadsOf(7), 1);

    // Left through "Выход", nothing follows.
    QTimer::singleShot(0, [&] {
        if (auto* form = qobject_cast<TFormPrz*>(QApplication::activeModalWidget())) {
            QTest::mouseClick(form->exitButton(), Qt::LeftButton);
        }
    });
    NSitClick(sim.ctx, {{}, {}, [&] { return ++restorations > 0; }}, nullptr);
    QCOMPARE(restorations, 1);
}

void TstStatusWindows::flowExchangeShowsEveryRowAndColumnWhole_data() {
    QTest::addColumn<int>("computers");
    QTest::newRow("two") << 2;
    QTest::newRow("sixteen") << 16;
}

void TstStatusWindows::flowExchangeShowsEveryRowAndColumnWhole() {
    QFETCH(int, computers);
    messages::FlowExchange exchange;
    for (int i = 0; i < computers; ++i) {
        exchange.addresses.push_back(static_cast<std::uint8_t>(250 + i % 5));
        exchange.links.push_back(static_cast<std::uint8_t>(i % 2));
        exchange.writing.push_back(0);
    }
    TFormVichInf form(messages::FlowRows(exchange));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTableWidget* grid = form.grid();
    const QRect seen = grid->viewport()->rect();
    for (int row = 0; row < computers; ++row) {
        for (int column = 0; column < 3; ++column) {
            QVERIFY(seen.contains(grid->visualRect(grid->model()->index(row, column))));
        }
    }
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    QVERIFY(!grid->verticalScrollBar()->isVisible());
    QCOMPARE(test::CutTexts(form), QStringList());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstStatusWindows)
#include "tst_status_windows.moc"
