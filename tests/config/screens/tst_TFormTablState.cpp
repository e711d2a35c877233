// The table-state screen as the operator meets it: the rows, the ticks, the buttons and the size.
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "config/screens/TFormTablState.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

config::TableStates Destroyed(std::initializer_list<int> list) {
    tables::ControllerImage image;
    for (int t : list) {
        image.SetByte(7, t, 1);
    }
    return config::BuildTableStates(image);
}

int RowOf(const TFormTablState& form, int table) {
    for (int row = 0; row < form.list()->rowCount(); ++row) {
        if (form.TableOfRow(row) == table) {
            return row;
        }
    }
    return -1;
}

}  // namespace

class TstTFormTablState : public QObject {
    Q_OBJECT
private slots:
    void rowsShowStateAndTicks();
    void writeChosenTakesTheTicksOrSaysNoneAre();
    void writeAllAndExitGiveTheirResults();
};

void TstTFormTablState::rowsShowStateAndTicks() {
    auto states = Destroyed({4, 18});
    test::RecordingOperator op;
    TFormTablState form(states, link::LinkKind::Direct, op);
    QCOMPARE(form.windowTitle(), QStringLiteral("Состояние таблиц параметров конфигурации"));
    QCOMPARE(test::UnnamedControls(form), QStringList());
    QCOMPARE(form.list()->rowCount(), 20);
    QCOMPARE(form.list()->item(0, 0)->text(),
             QStringLiteral(" Табл.  2.   Текущие дата и время контроллера"));
    QCOMPARE(form.list()->horizontalHeaderItem(1)->text(), QStringLiteral("Разру-\nшена"));
    const int users = RowOf(form, 4);
    QCOMPARE(form.list()->item(users, 1)->text(), QStringLiteral("Да"));
    QCOMPARE(form.list()->item(users, 1)->foreground().color(), QColor(Qt::red));
    QCOMPARE(form.list()->item(users, 2)->checkState(), Qt::Checked);
    QCOMPARE(form.list()->item(RowOf(form, 3), 1)->text(), QStringLiteral("Нет"));
    QCOMPARE(form.list()->item(RowOf(form, 3), 2)->checkState(), Qt::Unchecked);
    QVERIFY(!(form.list()->item(0, 2)->flags() & Qt::ItemIsEnabled));  // intact clock
    // A short list: the window ends 113 points under it.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.width(), 600);
    QCOMPARE(form.height(), form.list()->geometry().top() + form.list()->height() + 113);
}

void TstTFormTablState::writeChosenTakesTheTicksOrSaysNoneAre() {
    auto states = Destroyed({6, 18});
    test::RecordingOperator op;
    TFormTablState form(states, link::LinkKind::Direct, op);
    form.list()->item(RowOf(form, 18), 2)->setCheckState(Qt::Unchecked);
    form.list()->item(RowOf(form, 14), 2)->setCheckState(Qt::Checked);
    QTest::mouseClick(form.writeChosenButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(config::TableStateResult::WriteChosen));
    QVERIFY(states.selected[6] && states.selected[14] && !states.selected[18]);

    auto none = Destroyed({6});
    TFormTablState empty(none, link::LinkKind::Direct, op);
    empty.list()->item(RowOf(empty, 6), 2)->setCheckState(Qt::Unchecked);
    empty.show();
    QTest::mouseClick(empty.writeChosenButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op, zor06::dialogue::MessageKind::Info),
             std::string("Не заданы таблицы для записи|"));
    QVERIFY(empty.isVisible());
}

void TstTFormTablState::writeAllAndExitGiveTheirResults() {
    auto states = Destroyed({2});
    test::RecordingOperator op;
    TFormTablState all(states, link::LinkKind::Ethernet, op);
    QVERIFY(!all.writeAllButton()->isEnabled());
    TFormTablState form(states, link::LinkKind::Direct, op);
    QTest::mouseClick(form.writeAllButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(config::TableStateResult::WriteAll));
    QVERIFY(states.selected[2] && states.selected[28] && !states.selected[4]);

    auto left = Destroyed({2});
    TFormTablState exit(left, link::LinkKind::Direct, op);
    QTest::mouseClick(exit.exitButton(), Qt::LeftButton);
    QCOMPARE(exit.result(), int(config::TableStateResult::Exit));
    QVERIFY(std::ranges::none_of(left.selected, [](bool b) { return b; }));
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstTFormTablState)
#include "tst_TFormTablState.moc"
