// The message window: what each kind shows, its buttons and its starting size.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/TFormWait.h"
#include "tables/screens/TFormMessage.h"

using zor06::screens::TFormMessage;

namespace {

bool Shown(const QWidget* button, const QWidget* window) {
    return button != nullptr && button->isVisibleTo(window);
}

// Left edge and width of a button in window coordinates.
struct Span {
    int left;
    int width;
};

Span SpanIn(const QWidget* button, const QWidget* window) {
    return {button->mapTo(window, QPoint(0, 0)).x(), button->width()};
}

struct Gaps {
    int left;
    int middle;
    int right;
};

Gaps AnswerGaps(const TFormMessage& window) {
    const Span no = SpanIn(window.noButton(), &window);
    const Span yes = SpanIn(window.yesButton(), &window);
    return {no.left, yes.left - (no.left + no.width), window.width() - (yes.left + yes.width)};
}

bool EqualGaps(const Gaps& g) {
    return g.middle > 0 && std::abs(g.left - g.middle) <= 2 && std::abs(g.right - g.middle) <= 2;
}

QString Describe(const Gaps& g) {
    return QStringLiteral("gaps %1 %2 %3").arg(g.left).arg(g.middle).arg(g.right);
}

}  // namespace

class TestTFormMessage : public QObject {
    Q_OBJECT
private slots:
    void kindsChooseCaptionLinesAndButtons_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("question");
        const QString a = QStringLiteral("Первая строка");
        const QString b = QStringLiteral("Вторая строка");
        QTest::newRow("0") << 0 << QString()
                           << QStringList{"Нет связи с устройством.",
                                          "Попробуйте установить параметры связи", ""}
                           << false;
        QTest::newRow("1") << 1 << "Ошибка" << QStringList{a, b, ""} << false;
        QTest::newRow("2") << 2 << "Ошибка ввода параметров" << QStringList{a, b, ""} << false;
        QTest::newRow("3") << 3 << QString() << QStringList{a, b, ""} << true;
        QTest::newRow("4") << 4 << QString()
                           << QStringList{a, b, "(см. текущее состояние контроллера)"} << false;
        QTest::newRow("5") << 5 << "Результат обмена с устройством" << QStringList{a, b, ""}
                           << false;
        QTest::newRow("7") << 7 << QString() << QStringList{a, b, "Повторить попытку?"} << true;
        QTest::newRow("8") << 8 << QString() << QStringList{a, b, "Создавать суточный отчет?"}
                           << true;
        QTest::newRow("10") << 10 << QString()
                            << QStringList{"За время работы оператора изменились даты",
                                           "самой старой  и последней записей в архиве.", a}
                            << true;
        QTest::newRow("11") << 11 << QString()
                            << QStringList{a, b, "Суточный сертификат не может быть создан"}
                            << false;
    }

    void kindsChooseCaptionLinesAndButtons() {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QStringList, lines);
        QFETCH(bool, question);
        TFormMessage window(static_cast<zor06::dialogue::MessageKind>(kind),
                            QStringLiteral("Первая строка"), QStringLiteral("Вторая строка"));
        QCOMPARE(window.windowTitle(), caption);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(window.line(i)->text(), lines[i]);
        }
        QCOMPARE(Shown(window.yesButton(), &window), question);
        QCOMPARE(Shown(window.noButton(), &window), question);
        QCOMPARE(Shown(window.okButton(), &window), !question);
    }

    void sizeFollowsTheTexts() {
        // Height by the lines that have text; width by the longest text, at least the buttons'.
        QCOMPARE(TFormMessage::SizeFor("", {"Да?", "", ""}), QSize(210, 124));
        QCOMPARE(TFormMessage::SizeFor("", {"a", "b", ""}).height(), 150);
        QCOMPARE(TFormMessage::SizeFor("", {"a", "", "c"}).height(), 175);
        const QString longLine(40, QLatin1Char('x'));
        QCOMPARE(TFormMessage::SizeFor("", {longLine, "", ""}).width(), 420);
        QCOMPARE(TFormMessage::SizeFor(longLine + "xx", {"", "", ""}).width(), 440);
    }

    void acknowledgeButtonIsCentred() {
        TFormMessage window(zor06::dialogue::MessageKind::Info, QStringLiteral("Данные прочитаны"),
                            QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const Span ok = SpanIn(window.okButton(), &window);
        QVERIFY2(std::abs(2 * ok.left + ok.width - window.width()) <= 2,
                 qPrintable(QStringLiteral("OK at %1+%2 in %3")
                                .arg(ok.left)
                                .arg(ok.width)
                                .arg(window.width())));
        QCOMPARE(window.focusWidget(), window.okButton());
    }

    void answerButtonsStandWithEqualGaps_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("as sized") << 0;
        QTest::newRow("widened") << 640;
    }

    void answerButtonsStandWithEqualGaps() {
        QFETCH(int, width);
        TFormMessage window(zor06::dialogue::MessageKind::Retry,
                            QStringLiteral("Не выполнено чтение из таблицы 6."),
                            QStringLiteral("Устройство не отвечает"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (width > 0) {
            window.resize(width, window.height());
        }
        // "Нет" stands left of "Да"; the gaps before, between and after them are equal.
        QTRY_VERIFY2(EqualGaps(AnswerGaps(window)), qPrintable(Describe(AnswerGaps(window))));
        QCOMPARE(window.focusWidget(), window.yesButton());
    }

    void answersYesOnlyForDa() {
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<TFormMessage*>(QApplication::activeModalWidget());
            QVERIFY(w != nullptr);
            QVERIFY(w->yesButton()->isDefault());
            w->yesButton()->click();
        });
        QVERIFY(TFormMessage::Ask(zor06::dialogue::MessageKind::Retry,
                                  QStringLiteral("Не выполнено чтение из таблицы 6."),
                                  QStringLiteral("Устройство не отвечает"), nullptr));
        QTimer::singleShot(0, [] {
            qobject_cast<TFormMessage*>(QApplication::activeModalWidget())->noButton()->click();
        });
        QVERIFY(!TFormMessage::Ask(zor06::dialogue::MessageKind::Question, "a", "b", nullptr));
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!TFormMessage::Ask(zor06::dialogue::MessageKind::Question, "a", "b", nullptr));
    }

    void waitWindowLinesByMode() {
        zor06::screens::TFormWait reading(zor06::dialogue::WaitMode::Reading);
        QCOMPARE(reading.windowTitle(), QStringLiteral("..."));
        QCOMPARE(reading.Line(0), QStringLiteral("Ожидайте..."));
        QCOMPARE(reading.Line(2), QStringLiteral("Esc - прервать чтение"));
        zor06::screens::TFormWait restoring(zor06::dialogue::WaitMode::LinkRestored);
        QCOMPARE(restoring.Line(0), QStringLiteral("Команда передана. Выполняется проверка"));
        QCOMPARE(restoring.Line(2), QStringLiteral("Ожидайте..."));
        reading.SetProgress(3, 12);
        QCOMPARE(reading.ProgressBar()->maximum(), 12);
        QCOMPARE(reading.ProgressBar()->value(), 3);
    }
};

QTEST_MAIN(TestTFormMessage)
#include "tst_TFormMessage.moc"
