// The object list screen edits the program's list in place: closing without "Принять" must put it
// back, and "Принять" writes objects.ini only when something changed.
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "settings/screens/TFormObjects_List.h"
#include "settings/settings_store.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

using settings::ObjectEntry;

// Notes whether the hourglass was up at any time.
class HourglassOperator : public test::RecordingOperator {
public:
    void SetBusy(bool busy) override {
        RecordingOperator::SetBusy(busy);
        hourglassShown = hourglassShown || busy;
    }
    bool hourglassShown = false;
};

settings::ProgramSettings WithObjects(std::initializer_list<ObjectEntry> entries) {
    settings::ProgramSettings s;
    s.objects.entries = entries;
    return s;
}

}  // namespace

class TstObjectList : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        op_ = HourglassOperator{};
    }
    void rowsAndSortButtons();
    void closeBoxBringsADeletedObjectBack();
    void acceptWritesTheFileOnlyWhenChanged();

private:
    std::filesystem::path IniDir() const { return dir_->path().toStdString(); }
    std::filesystem::path ObjectsFile() const { return IniDir() / "objects.ini"; }

    std::unique_ptr<QTemporaryDir> dir_;
    HourglassOperator op_;
};

void TstObjectList::rowsAndSortButtons() {
    auto s = WithObjects({{"Мирная", 12}});
    TFormObjects_List form(s, IniDir(), op_);
    const QStringList row{"  1", " Мирная", "  12"};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(form.grid()->item(0, column)->text(), row[column]);
    }
    // One object cannot be sorted; with two, only the other key can be chosen.
    QVERIFY(!form.sortButton(0)->isEnabled());
    QVERIFY(!form.sortButton(1)->isEnabled());
    form.objectScreen = [](ObjectEntry& entry, int, QWidget*) {
        entry = {"Лесная", 3};
        return true;
    };
    form.addButton()->click();
    QVERIFY(!form.sortButton(0)->isEnabled());
    QVERIFY(form.sortButton(1)->isEnabled());
    form.sortButton(1)->click();  // by address: 3 before 12
    QCOMPARE(form.grid()->item(0, 1)->text(), QStringLiteral(" Лесная"));
    QCOMPARE(s.objects.sorting, 1);
}

void TstObjectList::closeBoxBringsADeletedObjectBack() {
    auto s = WithObjects({{"Лесная", 3}, {"Мирная", 12}});
    const settings::ObjectList original = s.objects;
    TFormObjects_List form(s, IniDir(), op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    op_.answers = {true};
    form.deleteButton()->click();
    QCOMPARE(op_.messages.back().text2, std::string("удалить этот объект?"));
    QCOMPARE(s.objects.entries.size(), std::size_t{1});  // in place at once
    form.close();
    QVERIFY(s.objects == original);
    QVERIFY(!std::filesystem::exists(ObjectsFile()));
}

void TstObjectList::acceptWritesTheFileOnlyWhenChanged() {
    auto s = WithObjects({{"Лесная", 3}, {"Мирная", 12}});
    {
        TFormObjects_List form(s, IniDir(), op_);
        form.acceptButton()->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
    QVERIFY(!std::filesystem::exists(ObjectsFile()));
    QVERIFY(!op_.hourglassShown);

    TFormObjects_List form(s, IniDir(), op_);
    form.objectScreen = [](ObjectEntry& entry, int, QWidget*) {
        entry = {"Ясная", 40};
        return true;
    };
    form.addButton()->click();
    form.acceptButton()->click();
    QVERIFY(op_.hourglassShown);
    QCOMPARE(op_.busyDepth, 0);
    QCOMPARE(s.objects.entries.size(), std::size_t{3});

    settings::ProgramSettings reread;
    settings::LoadSettings(reread, IniDir(), {1280, 1024}, 0);
    QVERIFY(reread.objects == s.objects);
    QCOMPARE(reread.objects.current, 2);
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstObjectList)
#include "tst_TFormObjects_List.moc"
