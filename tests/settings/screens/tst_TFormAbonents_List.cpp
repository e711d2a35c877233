// The subscriber list screen over both kinds of list: the grid rows, the current entry through
// clicks, adding, deleting and sorting, the capacity, and the working copy that only "Принять"
// hands back.
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "settings/screens/TFormAbonents_List.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

using settings::EthernetEntry;
using settings::PhoneEntry;
using settings::PhoneList;

// Sorted by name, the first entry current.
PhoneList Phones(std::initializer_list<PhoneEntry> entries) {
    PhoneList list;
    list.entries = entries;
    return list;
}

QString Cell(const ListScreen& form, int row, int column) {
    const QTableWidgetItem* item = form.grid()->item(row, column);
    return item != nullptr ? item->text() : QString();
}

QStringList Row(const ListScreen& form, int row) {
    QStringList texts;
    for (int column = 0; column < form.grid()->columnCount(); ++column) {
        texts << Cell(form, row, column);
    }
    return texts;
}

QStringList Names(const ListScreen& form) {
    QStringList names;
    for (int row = 0; row < form.grid()->rowCount(); ++row) {
        names << Cell(form, row, 1);
    }
    return names;
}

}  // namespace

class TstSubscriberList : public QObject {
    Q_OBJECT
private slots:
    void rowsOfBothKinds();
    void capacityDisablesAddingUntilADeletion();
    void deletingTheCurrentFirstEntryKeepsIndexZero();
    void addedSubscriberStaysCurrentAfterSorting();
    void clickChoosesAndDoubleClickEdits();
    void onlyAcceptHandsTheWorkingCopyBack();

private:
    test::RecordingOperator op_;
};

void TstSubscriberList::rowsOfBothKinds() {
    PhoneList phones = Phones({{"Котельная", 12, 3, "8 044 123"}});
    TFormAbonents_List phoneForm(phones, op_);
    QCOMPARE(Row(phoneForm, 0), (QStringList{"  1", " Котельная", " 12", " 8 044 123"}));

    settings::EthernetList nodes;
    nodes.entries = {{"ГРС-2", 7, 0xC0A8000AU, 4001}, {"ГРС-1", 1, 0x0A000001U, 502}};
    TFormAbonents_List nodeForm(nodes, op_);
    // Sorted by name on showing; the first IP part is the address's high byte.
    QCOMPARE(Row(nodeForm, 1), (QStringList{"  2", " ГРС-2", " 7", "192.168.0.10:4001"}));
}

void TstSubscriberList::capacityDisablesAddingUntilADeletion() {
    PhoneList list;
    for (int i = 0; i < 199; ++i) {
        list.entries.push_back({"Абонент " + std::to_string(i), 1, 0, "1"});
    }
    TFormAbonents_List form(list, op_);
    std::vector<int> modes;
    form.phoneScreen = [&modes](PhoneEntry& entry, int mode, QWidget*) {
        modes.push_back(mode);
        if (!(entry == PhoneEntry{})) {
            return false;  // a new entry must start as zeros
        }
        entry = {"Последний", 5, 0, "2"};
        return true;
    };
    QVERIFY(form.addButton()->isEnabled());
    form.addButton()->click();
    QCOMPARE(modes, std::vector<int>{0});
    QCOMPARE(form.grid()->rowCount(), 200);
    QVERIFY(!form.addButton()->isEnabled());

    op_.answers = {true};
    form.deleteButton()->click();
    QCOMPARE(op_.messages.back().kind, zor06::dialogue::MessageKind::Question);
    QCOMPARE(op_.messages.back().text2, std::string("удалить этот абонент?"));
    QCOMPARE(form.grid()->rowCount(), 199);
    QVERIFY(form.addButton()->isEnabled());
}

void TstSubscriberList::deletingTheCurrentFirstEntryKeepsIndexZero() {
    PhoneList list = Phones({{"А", 1, 0, "1"}, {"Б", 2, 0, "2"}, {"В", 3, 0, "3"}});
    TFormAbonents_List form(list, op_);

    op_.answers = {false};
    form.deleteButton()->click();  // "Нет" keeps the entry
    QCOMPARE(form.grid()->rowCount(), 3);

    op_.answers = {true};
    form.deleteButton()->click();
    QCOMPARE(Names(form), (QStringList{" Б", " В"}));
    QCOMPARE(form.grid()->currentRow(), 0);
    form.acceptButton()->click();
    QCOMPARE(list.current, 0);
    QCOMPARE(list.entries.size(), std::size_t{2});
}

void TstSubscriberList::addedSubscriberStaysCurrentAfterSorting() {
    PhoneList list = Phones({{"Березки", 1, 0, "1"}, {"Гай", 1, 0, "2"}, {"Дубки", 1, 0, "3"}});
    TFormAbonents_List form(list, op_);
    form.phoneScreen = [](PhoneEntry& entry, int, QWidget*) {
        entry = {"Вишневое", 9, 0, "4"};
        return true;
    };
    form.addButton()->click();
    QCOMPARE(Names(form), (QStringList{" Березки", " Вишневое", " Гай", " Дубки"}));
    QCOMPARE(form.grid()->currentRow(), 1);
    form.acceptButton()->click();
    QCOMPARE(list.current, 1);
}

void TstSubscriberList::clickChoosesAndDoubleClickEdits() {
    PhoneList list = Phones({{"А", 1, 0, "1"}, {"Б", 2, 0, "2"}, {"В", 3, 0, "3"}});
    TFormAbonents_List form(list, op_);
    std::vector<std::pair<std::string, int>> opened;
    form.phoneScreen = [&opened](PhoneEntry& entry, int mode, QWidget*) {
        opened.emplace_back(entry.name, mode);
        entry.name = opened.size() == 1 ? "Ю" : "Я";  // each sorts last
        return true;
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTableWidget* grid = form.grid();
    auto center = [grid](int row) { return grid->visualItemRect(grid->item(row, 1)).center(); };

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, center(2));
    QCOMPARE(grid->currentRow(), 2);
    form.editButton()->click();
    QCOMPARE(opened.back(), std::make_pair(std::string("В"), 1));

    // A double click arrives as a press and release followed by the double click itself.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, center(0));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, center(0));
    QCOMPARE(opened.back(), std::make_pair(std::string("А"), 1));
    // The edited entry moved to its sorted place and stayed current.
    QCOMPARE(Names(form), (QStringList{" Б", " Ю", " Я"}));
    QCOMPARE(grid->currentRow(), 2);
}

void TstSubscriberList::onlyAcceptHandsTheWorkingCopyBack() {
    const PhoneList original = Phones({{"А", 1, 0, "1"}, {"Б", 2, 0, "2"}});
    PhoneList list = original;
    for (const bool take : {false, true}) {
        TFormAbonents_List form(list, op_);
        op_.answers = {true};
        form.deleteButton()->click();
        QVERIFY(list == original);  // untouched while the screen edits
        (take ? form.acceptButton() : form.cancelButton())->click();
        QCOMPARE(form.result(), int(take ? QDialog::Accepted : QDialog::Rejected));
    }
    QCOMPARE(list.entries.size(), std::size_t{1});
    QCOMPARE(list.entries[0].name, std::string("Б"));
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstSubscriberList)
#include "tst_TFormAbonents_List.moc"
