// The demonstration's temporary work directory: its caption, which files count as the operator's,
// and that a directory holding them is removed only after the operator said so.
#include <QDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/demo.h"
#include "app/work_dir_files.h"
#include "tests/support/recording_operator.h"

namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

}  // namespace

class TestDemo : public QObject {
    Q_OBJECT
private slots:
    void theCaptionSaysTheWorkDirectoryIsTemporary() {
        zor06::app::Demo demo;
        const QString caption = demo.Caption(QStringLiteral("Программа"));
        QVERIFY(caption.startsWith(QStringLiteral("Программа")));
        QVERIFY(caption.contains(QStringLiteral("временный рабочий каталог")));
        QVERIFY(caption.endsWith(QString::fromStdString(demo.WorkDir().string())));
    }

    void savedFilesAreAllButTheProgramsOwn_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("saved");
        QTest::newRow("configuration") << "CONFIG/zor_06-ГРС-2403011200.cnf" << true;
        QTest::newRow("passport") << "REPORT/OBJ_1_day_240301.xlsx" << true;
        QTest::newRow("picture beside") << "chart.png" << true;
        QTest::newRow("template name deeper") << "REPORT/day_report_title_v5.xlsx" << true;
        QTest::newRow("settings") << "INI/old/title.ini" << false;
        QTest::newRow("template") << "mon_report_title_v5.xlsx" << false;
        QTest::newRow("work file") << "datafile.ala" << false;
    }
    void savedFilesAreAllButTheProgramsOwn() {
        QFETCH(QString, file);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        Touch(root / file.toStdString());
        fs::create_directories(root / "MOMDATA");  // an empty folder is nothing saved
        const auto found = zor06::app::SavedFiles(root);
        QVERIFY(found.has_value());
        QCOMPARE(found->size(), std::size_t{saved ? 1U : 0U});
    }

    void theDirectoryGoesOnlyWhenNothingSavedIsInItOrTheOperatorSaysSo_data() {
        QTest::addColumn<bool>("withSaved");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing saved") << false << true << true << false;
        QTest::newRow("saved, Да") << true << true << true << true;
        QTest::newRow("saved, Нет") << true << true << false << false;
        QTest::newRow("saved, nobody to ask") << true << false << false << true;
        QTest::newRow("nothing saved, nobody to ask") << false << false << false << false;
    }
    void theDirectoryGoesOnlyWhenNothingSavedIsInItOrTheOperatorSaysSo() {
        QFETCH(bool, withSaved);
        QFETCH(bool, asked);
        QFETCH(bool, answer);
        QFETCH(bool, kept);
        zor06::test::RecordingOperator op;
        op.answers = {answer};
        fs::path workDir;
        {
            zor06::app::Demo demo;
            workDir = demo.WorkDir();
            Touch(workDir / "INI" / "conn.ini");
            if (withSaved) {
                Touch(workDir / "CONFIG" / "station.cnf");
                Touch(workDir / "REPORT" / "OBJ_1_day_240301.xlsx");
            }
            if (asked) {
                demo.AskAboutSavedFiles(op);
            }
        }
        QCOMPARE(fs::exists(workDir), kept);
        QCOMPARE(op.messages.size(), std::size_t(asked && withSaved ? 1 : 0));
        if (!op.messages.empty()) {
            QCOMPARE(op.messages[0].kind, 3);
            QCOMPARE(QString::fromStdString(op.messages[0].text1),
                     QStringLiteral("Во временном каталоге %1 сохранены файлы: 2.")
                         .arg(QString::fromStdString(workDir.string())));
            QCOMPARE(QString::fromStdString(op.messages[0].text2),
                     QStringLiteral("Оставить каталог? (\"Нет\" удалит его вместе с файлами)"));
        }
        if (kept) {
            fs::remove_all(workDir);
        }
    }
};

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
