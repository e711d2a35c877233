// The two message views: caption, grid and message line of a reading, saving through the file
// hook (as a saved file and as CSV), and the printed list handed to the preview.
#include <unistd.h>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "messages/message_csv.h"
#include "messages/message_file.h"
#include "messages/message_records.h"
#include "messages/screens/TFormAla.h"
#include "messages/screens/TFormAud.h"
#include "platform/file_io.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {

class TstMessageViews : public QObject {
    Q_OBJECT
private slots:
    void showsTheRowsOfAReading_data();
    void showsTheRowsOfAReading();
    void savesWhatItShowsToTheChosenFile();
    void savesItsHeadingsAndRowsAsCsv();
    void printsTheListOrSaysWhyNot_data();
    void printsTheListOrSaysWhyNot();
    void keepsEveryColumnInTheWindowWithCutTextsInTooltips_data();
    void keepsEveryColumnInTheWindowWithCutTextsInTooltips();
};

namespace {

namespace fs = std::filesystem;

dataset::HdmHeader Header(std::uint32_t count) {
    dataset::HdmHeader h;
    h.address = 3;
    h.recordCount = count;
    h.start = {26, 12, 1, 0, 0, 0};
    h.end = {26, 12, 2, 0, 0, 0};
    return h;
}

std::vector<std::uint8_t> Interventions(bool breakSecond) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 3; ++i) {
        messages::InterventionRecord r;
        r.when = {26, 12, 1, 10, 20, static_cast<std::uint8_t>(i)};
        r.table = 3;
        r.field = 0;
        r.oldValue = {static_cast<std::uint8_t>(i), 0, 0, 0};
        r.newValue = {static_cast<std::uint8_t>(i + 1), 0, 0, 0};
        r.user = {'O', 'p', 'e', 'r'};
        auto b = r.Encode();
        if (breakSecond && i == 1) {
            b[0] ^= 1;
        }
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

std::vector<std::uint8_t> Diagnostics() {
    messages::DiagnosticRecord r;
    r.event = 11;
    r.object = 33;
    const auto b = r.Encode();
    return {b.begin(), b.end()};
}

MessageFormContext Context(const fs::path& dir) {
    MessageFormContext c;
    c.programDir = dir;
    c.today = [] { return bytes::ControllerDateTime{26, 12, 9, 0, 0, 0}; };
    return c;
}

QString Cell(const MessageForm& form, int row, int column) {
    const QTableWidgetItem* item = form.grid()->item(row, column);
    return item != nullptr ? item->text() : QString();
}

}  // namespace

void TstMessageViews::showsTheRowsOfAReading_data() {
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("message");
    QTest::newRow("all valid") << false << QString();
    QTest::newRow("one invalid") << true
                                 << QStringLiteral(
                                        "  ***  Данные в записи недостоверны (не совпадает КС)");
}

void TstMessageViews::showsTheRowsOfAReading() {
    QFETCH(bool, broken);
    QFETCH(QString, message);
    test::RecordingOperator op;
    const auto bytes = Interventions(broken);
    TFormAud form(Header(3), bytes, messages::ViewMode::ByIndex, 40, Context("/nonexistent"), op);
    QCOMPARE(form.windowTitle(),
             QStringLiteral("Сообщения о вмешательствах оператора с индексами от 40 до 42"));
    QCOMPARE(form.messageLine()->text(), message);
    QCOMPARE(form.grid()->rowCount(), 3);
    QCOMPARE(form.grid()->columnCount(), 8);
    QCOMPARE(Cell(form, 1, 1), broken ? QStringLiteral("   ***") : QStringLiteral("    01.12.26"));
    QCOMPARE(Cell(form, 2, 3), QStringLiteral("Адрес контроллера"));
    QCOMPARE(Cell(form, 2, 5), QStringLiteral("3"));
    QCOMPARE(Cell(form, 2, 7), QStringLiteral("Oper"));
    QCOMPARE(form.grid()->currentRow(), 2);
    QCOMPARE(form.width(), 810);

    TFormAla ala(Header(1), Diagnostics(), messages::ViewMode::ByPeriod, 0, Context("/x"), op);
    QCOMPARE(ala.windowTitle(),
             QStringLiteral("Диагностические сообщения за период с 01.12.26 00:00:00 по "
                            "02.12.26 00:00:00"));
    QCOMPARE(Cell(ala, 0, 4), QStringLiteral("Хроматограф"));
    QCOMPARE(ala.width(), 812);
    QCOMPARE(ala.exitButton()->text(), QStringLiteral("Выход"));
    QCOMPARE(ala.saveButton()->text(), QStringLiteral("Сохранить в файле"));
    QCOMPARE(ala.printButton()->text(), QStringLiteral("Печать"));
}

void TstMessageViews::savesWhatItShowsToTheChosenFile() {
    const fs::path dir = fs::temp_directory_path() / ("zor06-msgview-" + std::to_string(getpid()));
    fs::create_directories(dir / "ALAFILES");
    test::RecordingOperator op;
    op.chooseFile = [&dir](const dialogue::FileChoice&) { return dir / "ALAFILES" / "out"; };
    TFormAla form(Header(1), Diagnostics(), messages::ViewMode::ByIndex, 5, Context(dir), op);
    QTest::mouseClick(form.saveButton(), Qt::LeftButton);
    QCOMPARE(op.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(op.messages[0].text1),
             QStringLiteral("Данные сохранены в файле out.ala."));
    const auto file =
        messages::ReadMessageFile(dir / "ALAFILES" / "out.ala", messages::Archive::Diagnostics, op);
    QVERIFY(file.has_value());
    const auto back = messages::OpenMessageView(messages::Archive::Diagnostics, file->header,
                                                file->lines, messages::ViewMode::FromFile, 0);
    QVERIFY(back.rows == form.view().rows);
    fs::remove_all(dir);
}

void TstMessageViews::savesItsHeadingsAndRowsAsCsv() {
    const fs::path dir = fs::temp_directory_path() / ("zor06-msgcsv-" + std::to_string(getpid()));
    test::RecordingOperator op;
    op.chooseFile = [&dir](const dialogue::FileChoice&) { return dir / "AUDFILES" / "list"; };
    TFormAud form(Header(3), Interventions(false), messages::ViewMode::ByIndex, 40, Context(dir),
                  op);
    QCOMPARE(form.grid()->horizontalHeaderItem(3)->text(),
             QStringLiteral("Наименование\nизмененного параметра"));
    QCOMPARE(form.csvButton()->text(), QStringLiteral("Сохранить в CSV"));
    QTest::mouseClick(form.csvButton(), Qt::LeftButton);
    QCOMPARE(op.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(op.messages[0].text1),
             QStringLiteral("Данные сохранены в файле list.csv."));
    std::string written;
    std::string reason;
    QCOMPARE(platform::ReadWholeFile(dir / "AUDFILES" / "list.csv", &written, &reason),
             platform::ReadStatus::Read);
    QCOMPARE(written, messages::MessageViewCsv(form.view()));
    QVERIFY(written.starts_with("Дата,Время,Наименование измененного параметра,"));
    fs::remove_all(dir);
}

void TstMessageViews::keepsEveryColumnInTheWindowWithCutTextsInTooltips_data() {
    QTest::addColumn<bool>("diagnostics");
    QTest::addColumn<int>("valueColumn");
    QTest::newRow("interventions") << false << 4;
    QTest::newRow("diagnostics") << true << 5;
}

// Limits of 1e30 and -1.2345e30: an intervention changing one, a diagnostic crossing one.
void TstMessageViews::keepsEveryColumnInTheWindowWithCutTextsInTooltips() {
    QFETCH(bool, diagnostics);
    QFETCH(int, valueColumn);
    messages::InterventionRecord aud;
    messages::DiagnosticRecord ala;
    aud.when = ala.when = {26, 12, 1, 23, 59, 59};
    aud.table = 22;
    ala.event = 65;
    aud.field = ala.index = 11;
    aud.oldValue = ala.first = messages::BytesOf(1e30F);
    aud.newValue = ala.second = messages::BytesOf(-1.2345e30F);
    const auto a = aud.Encode();
    const auto d = ala.Encode();
    test::RecordingOperator op;
    std::unique_ptr<MessageForm> form;
    if (diagnostics) {
        form = std::make_unique<TFormAla>(Header(1), d, messages::ViewMode::ByPeriod, 0,
                                          Context("/x"), op);
    } else {
        form = std::make_unique<TFormAud>(Header(1), a, messages::ViewMode::ByPeriod, 0,
                                          Context("/x"), op);
    }
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QTableWidget* grid = form->grid();
    const int last = grid->columnCount() - 1;  // "Имя оператора" or "Единица измер."
    QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <=
            grid->viewport()->width());
    const QFontMetrics metrics(grid->font());
    for (int c = 1; c <= last; ++c) {
        const QTableWidgetItem* item = grid->item(0, c);
        if (metrics.horizontalAdvance(item->text()) > grid->columnWidth(c)) {
            QCOMPARE(item->toolTip(), item->text());
        }
    }
    const QTableWidgetItem* value = grid->item(0, valueColumn);
    QVERIFY(value->text().startsWith(QStringLiteral("1000000015047466219876688855040")));
    QCOMPARE(value->toolTip(), value->text());
    QVERIFY(grid->item(0, 2)->toolTip().isEmpty());  // "23:59:59" whole
}

void TstMessageViews::printsTheListOrSaysWhyNot_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("previews");
    QTest::addColumn<int>("messages");
    QTest::newRow("printed") << true << true << 1 << 0;
    QTest::newRow("print data not confirmed") << false << true << 0 << 0;
    QTest::newRow("report fails") << true << false << 1 << 1;
}

void TstMessageViews::printsTheListOrSaysWhyNot() {
    QFETCH(bool, confirmed);
    QFETCH(bool, succeeds);
    QFETCH(int, previews);
    QFETCH(int, messages);
    test::RecordingOperator op;
    MessageFormContext context = Context("/x");
    context.printData = [confirmed]() -> std::optional<std::string> {
        return confirmed ? std::optional<std::string>("ООО Газ") : std::nullopt;
    };
    TFormAud form(Header(3), Interventions(false), messages::ViewMode::ByIndex, 1, context, op);
    int shown = 0;
    bool hasOrganisation = false;
    form.preview = [&](const report::Pages& pages, QWidget*) {
        ++shown;
        for (const auto& t : pages.pages.at(0).texts) {
            hasOrganisation = hasOrganisation || t.text == "ООО Газ";
        }
        return succeeds;
    };
    QTest::mouseClick(form.printButton(), Qt::LeftButton);
    QCOMPARE(shown, previews);
    QCOMPARE(hasOrganisation, previews > 0);
    QCOMPARE(static_cast<int>(op.messages.size()), messages);
    if (messages > 0) {
        QCOMPARE(QString::fromStdString(op.messages[0].text1),
                 QStringLiteral("Ошибка печати данных"));
    }
    QCOMPARE(op.busyDepth, 0);
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstMessageViews)
#include "tst_message_views.moc"
