// The demonstration's temporary work directory: which files count as the operator's, and that a
// directory holding them goes only after the operator said so.
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/demo.h"
#include "app/work_dir_files.h"
#include "tests/support/recording_operator.h"

namespace fs = std::filesystem;

static void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

class TestDemo : public QObject {
    Q_OBJECT
private slots:
    void savedFilesAreAllButTheProgramsOwn_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("saved");
        QTest::newRow("configuration") << "CONFIG/zor_06-ГРС-2403011200.cnf" << true;
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
        Touch(fs::path(dir.path().toStdString()) / file.toStdString());
        const auto found = zor06::app::SavedFiles(dir.path().toStdString());
        QVERIFY(found.has_value());
        QCOMPARE(found->size(), std::size_t{saved ? 1U : 0U});
    }

    void theDirectoryGoesOnlyWhenNothingIsSavedOrTheOperatorSaysSo_data() {
        QTest::addColumn<bool>("withSaved");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answer");  // "Да" keeps the directory
        QTest::newRow("nothing saved") << false << true << true;
        QTest::newRow("saved, Да") << true << true << true;
        QTest::newRow("saved, Нет") << true << true << false;
        QTest::newRow("saved, nobody to ask") << true << false << false;
    }
    void theDirectoryGoesOnlyWhenNothingIsSavedOrTheOperatorSaysSo() {
        QFETCH(bool, withSaved);
        QFETCH(bool, asked);
        QFETCH(bool, answer);
        zor06::test::RecordingOperator op;
        op.answers = {answer};
        fs::path workDir;
        {
            zor06::app::Demo demo;
            workDir = demo.WorkDir();
            QVERIFY(demo.Caption(QStringLiteral("ЗОР_06"))
                        .endsWith(QStringLiteral(" — демонстрация, временный рабочий каталог ") +
                                  QString::fromStdString(workDir.string())));
            Touch(workDir / "INI" / "conn.ini");
            if (withSaved) {
                Touch(workDir / "REPORT" / "OBJ_1_day_240301.xlsx");
            }
            if (asked) {
                demo.AskAboutSavedFiles(op);
            }
        }
        QCOMPARE(op.messages.size(), std::size_t(asked && withSaved ? 1 : 0));
        if (!op.messages.empty()) {
            QCOMPARE(QString::fromStdString(op.messages[0].text1),
                     QStringLiteral("Во временном каталоге %1 сохранены файлы: 1.")
                         .arg(QString::fromStdString(workDir.string())));
        }
        const bool kept = withSaved && (answer || !asked);
        QCOMPARE(fs::exists(workDir), kept);
        fs::remove_all(workDir);
    }
};

QTEST_MAIN(TestDemo)
#include "tst_demo.moc"
