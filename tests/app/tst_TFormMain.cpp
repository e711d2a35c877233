// The main window against the simulated controller: the start-up, its refusals and the menus.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <filesystem>

#include "app/TFormMain.h"
#include "app/message_menu.h"
#include "app/parameter_menu.h"
#include "app/restore_wiring.h"
#include "config/screens/TFormTablState.h"
#include "link/screens/TFormExchangeMonitor.h"
#include "link/tcp_connect.h"
#include "messages/screens/TFormAud.h"
#include "messages/screens/TFormFunInfo.h"
#include "messages/screens/TFormIndex.h"
#include "messages/screens/TFormPrz.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tables/table_service.h"
#include "tests/app/main_harness.h"
#include "tests/support/sim_process.h"

using zor06::screens::TFormMain;

using zor06::test::Harness;
using zor06::test::kDescription;
using zor06::test::ModalCloser;
using zor06::test::Shown;
using zor06::test::StartUp;

class TestTFormMain : public QObject {
    Q_OBJECT
private slots:
    void acceptsTheControllerAndOpensItsMenus() {
        Harness h({"--runs", "1"});
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("NIdentPar"));
        QVERIFY(!h.window->Offered("NProgr_Wr"));
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Connection),
                 QString::fromUtf8(kDescription));
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Controller),
                 QStringLiteral("ЗОР_06 ГРС Лесная"));
        QCOMPARE(h.credentialsAsked, 1);
        QVERIFY(h.shown.empty());
    }

    void theExchangeMonitorIsOneWindowRecordingWhileOpen() {
        using zor06::screens::TFormExchangeMonitor;
        Harness h({"--runs", "1"});
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("NExchangeMonitor"));
        h.window->MenuItem("NExchangeMonitor")->trigger();
        h.window->MenuItem("NExchangeMonitor")->trigger();
        const auto monitors = h.window->findChildren<TFormExchangeMonitor*>();
        QCOMPARE(monitors.size(), 1);
        QVERIFY(monitors[0]->isVisible());
        QCOMPARE(h.window->Link().Observer(), &monitors[0]->Ring());
        h.window->ShowWait(zor06::dialogue::WaitMode::Reading);
        QVERIFY(monitors[0]->isEnabled());
        h.window->HideWait();
        monitors[0]->closeButton()->click();
        QTRY_VERIFY(h.window->findChildren<TFormExchangeMonitor*>().isEmpty());
        QCOMPARE(h.window->Link().Observer(), nullptr);
    }

    void refusesAnotherTypeWithOnlyTheUnconnectedMenus() {
        Harness h({"--type", "72"});
        QVERIFY(StartUp(h, false));
        QVERIFY(h.Has(QStringLiteral("Код типа подключенного контроллера  72")));
        QVERIFY(h.Has(QStringLiteral("Программа обслуживает контроллеры ЗОР_06")));
        QVERIFY(!h.window->Offered("NIdentPar"));
        QVERIFY(h.window->Offered("NShortUsPass"));
        QVERIFY(!h.window->Link().SocketOpen());
    }

    void refusesAnotherVersion() {
        Harness h({"--version", "5"});
        QVERIFY(StartUp(h, false));
        QVERIFY(h.Has(QStringLiteral("Версия ПО подключенного контроллера 5")));
        QVERIFY(h.Has(
            QStringLiteral("Программа обслуживает контроллеры ЗОР_06 только с версией ПО 06")));
    }

    void refusesAnotherChromatograph() {
        Harness h({"--chromatograph-type", "4"});
        QVERIFY(StartUp(h, false));
        QVERIFY(h.Has(QStringLiteral("Код подключенного равен 4.")));
        QVERIFY(h.Has(QStringLiteral("Не прочитаны данные, для организации")));
        QVERIFY(!h.window->Offered("NIdentPar"));
    }

    void storesTheAnsweringAddressForAddress255() {
        Harness h({"--address", "17"}, 255);
        QVERIFY(StartUp(h, true));
        QCOMPARE(int(h.window->Settings().link.ethernet.record.address), 17);
        QCOMPARE(int(h.window->Link().address), 17);
        h.window->close();
        zor06::settings::ProgramSettings reread;
        zor06::settings::LoadSettings(reread, h.window->IniDir(), {1280, 1024}, 0);
        QCOMPARE(int(reread.link.ethernet.record.address), 17);
    }

    void aDestroyedTableGoesOnToThePostIdentificationReads() {
        Harness h({"--destroyed", "5"});
        QVERIFY(StartUp(h, true));
        // Table 5 is unreadable: the names fall back to their defaults.
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Controller),
                 QStringLiteral("Контроллер ЗОР_06"));
    }

    void destroyedTablesOpenTheTableStateScreen() {
        Harness h({"--destroyed", "2", "--destroyed", "6"});
        zor06::app::WireRestoration(*h.window, {});
        int screens = 0;
        bool writable = true;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* form =
                qobject_cast<zor06::screens::TFormTablState*>(QApplication::activeModalWidget());
            if (form != nullptr) {
                ++screens;
                // Over Ethernet "Выход" is the only way out.
                writable =
                    form->writeChosenButton()->isEnabled() || form->writeAllButton()->isEnabled();
                form->exitButton()->click();
            }
        });
        closer.start(20);
        QVERIFY(StartUp(h, false));  // table 6 stays unreadable
        QCOMPARE(screens, 1);
        QVERIFY(!writable);
    }

    void theClockCommandHandsADestroyedClockTableToTheRestoration() {
        Harness h({"--destroyed", "2"});
        zor06::app::WireRestoration(*h.window, {});
        zor06::app::AddParameterMenus(h.window->Context(), *h.window);
        int screens = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* form = qobject_cast<zor06::screens::TFormTablState*>(
                    QApplication::activeModalWidget())) {
                ++screens;
                form->exitButton()->click();
            }
        });
        closer.start(20);
        QVERIFY(StartUp(h, true));
        QCOMPARE(screens, 1);
        bool asked = false;
        h.window->Operator().messageWindow = [&asked](zor06::dialogue::MessageKind, const QString&,
                                                      const QString& b) {
            asked = asked || b == QStringLiteral("Воcстановить сейчас?");
            return true;
        };
        h.window->MenuItem("NContrDt")->trigger();
        QVERIFY(asked);
        QCOMPARE(screens, 2);
        QVERIFY(h.window->Identified());
    }

    void statusCommandsOpenTheirWindowsOnceIdentified() {
        Harness h({});
        zor06::app::AddMessageMenus(h.window->Context(), *h.window);
        QVERIFY(!h.window->Offered("NFun"));
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("NSit"));
        QString shown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* form = qobject_cast<zor06::screens::TFormFunInfo*>(
                    QApplication::activeModalWidget())) {
                shown = form->grid()->item(0, 1)->text();
                form->exitButton()->click();
            }
        });
        closer.start(20);
        h.window->MenuItem("NFun")->trigger();
        QVERIFY(shown == QStringLiteral("Возможно") || shown == QStringLiteral("Невозможно"));
    }

    void aReadingByIndexEndsInTheArchivesView() {
        Harness h({"--interventions", "30"});
        zor06::app::AddMessageMenus(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("NAudInd"));
        int rows = -1;
        QString caption;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<zor06::screens::TFormIndex*>(modal)) {
                QMetaObject::invokeMethod(dialog->acceptButton(), "click", Qt::QueuedConnection);
            } else if (auto* view = qobject_cast<zor06::screens::TFormAud*>(modal)) {
                rows = view->grid()->rowCount();
                caption = view->windowTitle();
                view->exitButton()->click();
            }
        });
        answerer.start(20);
        h.window->MenuItem("NAudInd")->trigger();
        // The remembered preset is the last 100 records, of which the archive holds 30.
        QCOMPARE(rows, 30);
        QCOMPARE(caption,
                 QStringLiteral("Сообщения о вмешательствах оператора с индексами от 1 до 30"));
        QVERIFY(h.window->isEnabled());
    }

    void leavingTheTableStatesComesBackToTheCurrentState() {
        Harness h({});
        zor06::app::WireRestoration(*h.window, {});
        zor06::app::AddMessageMenus(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        int states = 0;
        int tableScreens = 0;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* state = qobject_cast<zor06::screens::TFormPrz*>(modal)) {
                // The first time to the table states, the second time out.
                QPushButton* button = ++states == 1 ? state->tablesButton() : state->exitButton();
                QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
            } else if (auto* tables = qobject_cast<zor06::screens::TFormTablState*>(modal)) {
                ++tableScreens;
                tables->exitButton()->click();
            }
        });
        answerer.start(50);
        h.window->MenuItem("NSit")->trigger();
        QCOMPARE(tableScreens, 1);
        QCOMPARE(states, 2);
    }

    void anUnreadableTableStateGoesOnToThePostIdentificationReads() {
        // A destroyed table 7 cannot be read: no table-state screen, the start-up goes on.
        Harness h({"--destroyed", "7"});
        QVERIFY(StartUp(h, true));
        QVERIFY(h.Has(QStringLiteral("Не выполнено чтение из таблицы 7.")));
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Controller),
                 QStringLiteral("ЗОР_06 ГРС Лесная"));
    }

    void menusFollowTheSystemParameters() {
        Harness h({});
        QVERIFY(StartUp(h, true));
        auto& image = h.window->Image();
        image.SetByte(6, 8, 0);
        image.SetByte(6, 9, 0);
        image.SetByte(14, 7, 2);
        // Run items of the data menus carry their run; one stands in for them here.
        QAction* run1 = h.window->menuBar()->addAction(QStringLiteral("Нитка 1"));
        run1->setProperty("run", 1);
        QAction* run2 = h.window->menuBar()->addAction(QStringLiteral("Нитка 2"));
        run2->setProperty("run", 2);
        h.window->UpdateMenus();
        QVERIFY(!run1->isVisible());
        QVERIFY(run2->isVisible());
        QCOMPARE(run2->text(), QStringLiteral("Нитка 2"));
    }

    void parameterMenusFollowTheConnectionAndTheSystemParameters() {
        Harness h({});
        zor06::app::AddParameterMenus(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("NContrName"));
        QVERIFY(h.window->Offered("NVrgConn"));   // in the submenu of the links
        QVERIFY(!h.window->Offered("NConnWMT"));  // no moisture meter in table 6
        QVERIFY(h.window->Offered("NLimits4"));
        QVERIFY(h.window->Offered("NContrDt"));
        h.window->Image().SetByte(6, 9, 0);
        h.window->UpdateMenus();
        QVERIFY(!h.window->Offered("NVrgConn"));
        QVERIFY(!h.window->Offered("NCurrVich"));
        QVERIFY(h.window->Offered("NConVU"));

        Harness unconnected({});
        zor06::app::AddParameterMenus(unconnected.window->Context(), *unconnected.window);
        unconnected.window->screens.connect = [](TFormMain&) { return false; };
        QVERIFY(StartUp(unconnected, false));
        QVERIFY(!unconnected.window->Offered("NContrName"));
        QVERIFY(!unconnected.window->Offered("NContrDt"));
        QVERIFY(unconnected.window->Offered("Nconnect"));
    }

    void cancellingTheConnectionLeavesTheUnconnectedMenus() {
        Harness h({});
        h.window->screens.connect = [](TFormMain&) { return false; };
        QVERIFY(StartUp(h, false));
        QVERIFY(h.window->Offered("Nexit"));
        QVERIFY(!h.window->Offered("NIdentPar"));
        QVERIFY(!h.window->Offered("NProgr_Wr"));
        // Unconnected, neither the connection nor a controller is described.
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Connection), QString());
        QCOMPARE(h.window->StatusPanel(zor06::dialogue::Panel::Controller), QString());
    }

    void offersAFirmwareWriterInTheWorkDirectory() {
        Harness h({});
        h.window->screens.connect = [](TFormMain&) { return false; };
        const QString writer = h.dir.filePath(QStringLiteral("hex_write"));
        QFile file(writer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(StartUp(h, false));
        QVERIFY(h.window->Offered("NProgr_Wr"));
        h.window->NProgr_WrClick();
        QVERIFY(h.shown.empty());

        file.remove();
        h.window->NProgr_WrClick();
        QVERIFY(h.Has(QStringLiteral("программы hex_write.exe")));
        QVERIFY(!h.window->Offered("NProgr_Wr"));
    }

    void anEmptyDirectoryGetsItsWorkingDirectoriesBeforeTheConnectionDialog() {
        QTemporaryDir dir;
        const std::filesystem::path root = std::filesystem::path(dir.path().toStdString()) / "new";
        TFormMain window(root);
        bool dialogSawDirectories = false;
        window.screens.connect = [&](TFormMain&) {
            dialogSawDirectories = true;
            for (const char* sub : {"CONFIG", "ALAFILES", "AUDFILES", "MOMDATA", "HOURDATA",
                                    "DAYDATA", "REPORT", "INI"}) {
                dialogSawDirectories =
                    dialogSawDirectories && std::filesystem::is_directory(root / sub);
            }
            return false;
        };
        QVERIFY(QTest::qWaitFor([&] { return window.Offered("Nconnect"); }, 5000));
        QVERIFY(dialogSawDirectories);
    }

    void aMenuCommandDuringARequestStartsNothing() {
        // A slow controller: the identification screen's reads wait in the link while the event
        // loop turns, and the operator picks "Связь с другим устройством" meanwhile.
        Harness h({"--reply-delay", "300"});
        QVERIFY(StartUp(h, true));
        const int dialogs = h.connectionDialogs;
        QTimer::singleShot(50, h.window.get(), [&] { h.window->MenuItem("Nconnect")->trigger(); });
        ModalCloser closer;
        h.window->MenuItem("NIdentPar")->trigger();
        QTest::qWait(300);  // room for a start-up that should not come
        QCOMPARE(h.connectionDialogs, dialogs);
        QVERIFY(h.window->Identified());
        QVERIFY(h.window->Link().SocketOpen());
        QVERIFY(!h.window->RequestOnLine());
    }

    void theStartTimerWaitsForTheRunningCommand() {
        Harness h({"--reply-delay", "300"});
        QVERIFY(StartUp(h, true));
        const int dialogs = h.connectionDialogs;
        h.window->NconnectClick();  // the start timer falls due while the command below reads
        {
            ModalCloser closer;
            h.window->MenuItem("NIdentPar")->trigger();
        }
        QCOMPARE(h.connectionDialogs, dialogs);
        QVERIFY2(h.shown.empty(), qPrintable(h.shown.empty() ? QString() : h.shown[0].text1));
        QVERIFY(QTest::qWaitFor([&] { return h.connectionDialogs == dialogs + 1; }, 5000));
    }

    void closingDuringACommandWaitsForItsEnd() {
        Harness h({"--reply-delay", "300"});
        QVERIFY(StartUp(h, true));
        h.window->show();
        // The operator's close while the command reads, then "Нет" and "Да" once it has ended.
        for (const bool answer : {false, true}) {
            bool visibleAfterClose = false;
            QTimer::singleShot(50, h.window.get(), [&] {
                h.window->close();
                visibleAfterClose = h.window->isVisible();
            });
            h.shown.clear();
            h.window->Operator().messageWindow = [&](zor06::dialogue::MessageKind kind,
                                                     const QString& a, const QString& b) {
                h.shown.push_back({kind, a, b});
                return answer;
            };
            {
                ModalCloser closer;
                h.window->MenuItem("NIdentPar")->trigger();
            }
            QVERIFY(visibleAfterClose);
            // Only the question: no read failed for a line closed under it.
            QCOMPARE(h.shown.size(), std::size_t{1});
            QCOMPARE(h.shown[0].kind, zor06::dialogue::MessageKind::Question);
            QCOMPARE(h.shown[0].text1,
                     QStringLiteral("Выход из программы был отложен до окончания команды."));
            QCOMPARE(h.shown[0].text2, QStringLiteral("Завершить работу программы?"));
            QCOMPARE(h.window->isVisible(), !answer);
            QCOMPARE(h.window->Link().SocketOpen(), !answer);
        }
    }

    void exitFromTheMenuClosesWithoutAQuestion() {
        Harness h({});
        QVERIFY(StartUp(h, true));
        h.window->show();
        h.window->MenuItem("Nexit")->trigger();
        QVERIFY(!h.window->isVisible());
        QVERIFY(h.shown.empty());
    }

    void aWorkDirectoryThatCannotBeMadeIsShownAndEndsTheProgram_data() {
        QTest::addColumn<bool>("blockWorkDir");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("names");
        QTest::newRow("work directory")
            << true << QStringLiteral("Не удалось создать каталог") << QStringLiteral("/f/zor06");
        QTest::newRow("work folder under TMPDIR")
            << false << QStringLiteral("Не удалось создать папку для рабочих файлов: ")
            << QString();
    }
    void aWorkDirectoryThatCannotBeMadeIsShownAndEndsTheProgram() {
        QFETCH(bool, blockWorkDir);
        QFETCH(QString, start);
        QFETCH(QString, names);
        QTemporaryDir dir;
        const std::filesystem::path blocker = std::filesystem::path(dir.path().toStdString()) / "f";
        QFile file(QString::fromStdString(blocker.string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QByteArray tmpDir = qgetenv("TMPDIR");
        if (!blockWorkDir) {
            qputenv("TMPDIR", QByteArray::fromStdString(blocker.string()));  // a file, no folder
        }
        TFormMain window(blockWorkDir ? blocker / "zor06" : blocker.parent_path() / "zor06");
        if (tmpDir.isNull()) {
            qunsetenv("TMPDIR");
        } else {
            qputenv("TMPDIR", tmpDir);
        }
        std::vector<Shown> shown;
        window.Operator().messageWindow = [&](zor06::dialogue::MessageKind kind, const QString& a,
                                              const QString& b) {
            shown.push_back({kind, a, b});
            return false;
        };
        bool dialogOpened = false;
        window.screens.connect = [&](TFormMain&) { return dialogOpened = true; };
        window.show();
        QTRY_COMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].kind, zor06::dialogue::MessageKind::Error);
        QVERIFY2(shown[0].text1.startsWith(start) && shown[0].text1.contains(names) &&
                     shown[0].text1.size() > start.size(),
                 qPrintable(shown[0].text1));
        QVERIFY(!shown[0].text2.isEmpty());
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!dialogOpened);
        QVERIFY(!window.WorkDirUsable());
        QCOMPARE(shown.size(), std::size_t{1});  // closing tries no saves that would fail again
    }

    void anUnreadableSettingsFileIsShownAtStartAndWhenItCannotBeSaved() {
        QTemporaryDir dir;
        const std::filesystem::path root(dir.path().toStdString());
        std::filesystem::create_directories(root / "INI" / "conn.ini");  // unreadable as a file
        TFormMain window(root);
        std::vector<Shown> shown;
        window.Operator().messageWindow = [&](zor06::dialogue::MessageKind kind, const QString& a,
                                              const QString& b) {
            shown.push_back({kind, a, b});
            return false;
        };
        window.screens.connect = [](TFormMain&) { return false; };
        QVERIFY(QTest::qWaitFor([&] { return window.Offered("Nconnect"); }, 5000));
        const auto reported = [&](const QString& start) {
            return std::count_if(shown.begin(), shown.end(), [&](const Shown& s) {
                return s.kind == zor06::dialogue::MessageKind::Error && s.text1.startsWith(start) &&
                       s.text1.endsWith(QStringLiteral("conn.ini")) && !s.text2.isEmpty();
            });
        };
        QVERIFY(reported(QStringLiteral("Не удалось прочитать файл настроек")) == 1);
        window.setGeometry(60, 70, 800, 600);  // something for conn.ini to keep
        window.close();
        QVERIFY(reported(QStringLiteral("Не удалось записать файл настроек")) >= 1);
    }

    void aStoredGeometryOffTheScreenOpensOnIt() {
        QTemporaryDir dir;
        const std::filesystem::path root(dir.path().toStdString());
        std::filesystem::create_directories(root / "INI");
        QFile conn(QString::fromStdString((root / "INI" / "conn.ini").string()));
        QVERIFY(conn.open(QIODevice::WriteOnly));
        conn.write(
            "[CURR_PAR]\r\nForm_Width=-100\r\nForm_Height=500\r\nForm_Left=-5000\r\n"
            "Form_Top=-5000\r\n");
        conn.close();
        TFormMain window(root);
        window.Operator().messageWindow = [](zor06::dialogue::MessageKind, const QString&,
                                             const QString&) { return false; };
        window.screens.connect = [](TFormMain&) { return false; };
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(window.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                    .arg(window.x())
                                                                    .arg(window.y())
                                                                    .arg(window.width())
                                                                    .arg(window.height())));
        // The broken width gave the default: 80 points smaller than the screen, centred.
        QCOMPARE(window.width(), screen.width() - 80);
        QCOMPARE(window.geometry().center().x(), screen.center().x());
    }

    void closingSavesAndDeletesTheWorkFiles() {
        Harness h({});
        h.window->screens.connect = [](TFormMain&) { return false; };
        QVERIFY(StartUp(h, false));
        // The readings' folder is the window's own, outside the work directory others share.
        const std::filesystem::path folder = h.window->WorkFolder();
        QVERIFY(!folder.empty());
        QVERIFY(!folder.string().starts_with(h.window->WorkDir().string()));
        QCOMPARE(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
        QFile work(QString::fromStdString((folder / "datafile.hdm").string()));
        QVERIFY(work.open(QIODevice::WriteOnly));
        work.close();
        h.window->setGeometry(40, 50, 900, 700);
        h.window->close();
        QVERIFY(!work.exists());
        zor06::settings::ProgramSettings reread;
        zor06::settings::LoadSettings(reread, h.window->IniDir(), {1280, 1024}, 0);
        QCOMPARE(reread.link.window.width, 900);
        QCOMPARE(reread.link.window.height, 700);
        h.window.reset();
        QVERIFY(!std::filesystem::exists(folder));
    }
};

QTEST_MAIN(TestTFormMain)
#include "tst_TFormMain.moc"
