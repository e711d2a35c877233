// The abnormal-signs window: one heading and list per status, the lists as high as their lines
// and the window following the last of them; "Выход" closes it.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gasdata/screens/TFormChromError.h"

namespace zor06::screens {

class TstChromError : public QObject {
    Q_OBJECT
private slots:
    void listsTheSignsOfEachStatus_data();
    void listsTheSignsOfEachStatus();
};

namespace {

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

}  // namespace

void TstChromError::listsTheSignsOfEachStatus_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("word");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("lastLines");
    QTest::newRow("switched off, no link")
        << 0 << 0x22 << 0xFFFF << QStringList{"  Статус контроллера: 0x22"}
        << QStringList{"Контроллер был выключен", "Не было связи с HMU"};
    QTest::newRow("all normal") << 0 << 0 << 0
                                << QStringList{"  Статус контроллера: 0x00",
                                               "  Статус хроматографа: 0x0000"}
                                << QStringList{"Норма"};
    QTest::newRow("seven controller signs")
        << 0 << 0xFB << 0x0101 << QStringList{"  Статус контроллера: 0xFB"}
        << QStringList{"Выполнялась ручная калибровка хроматографа",
                       "Контроллер был выключен",
                       "Нештатное состояние хроматографа",
                       "Значение вышло за допускаемые пределы",
                       "Не было связи с HMU",
                       "Хроматограф не обновил данные",
                       "Выполнялась калибровка автоматическая хроматографа"};
}

void TstChromError::listsTheSignsOfEachStatus() {
    QFETCH(int, mode);
    QFETCH(int, state);
    QFETCH(int, word);
    QFETCH(QStringList, headings);
    QFETCH(QStringList, lastLines);
    const gasdata::RowSigns signs{mode, static_cast<std::uint8_t>(state),
                                  static_cast<std::uint16_t>(word), " Мгновенные"};
    TFormChromError form(gasdata::AbnormalSigns(signs), signs.caption);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral(" Мгновенные"));
    QCOMPARE(form.width(), TFormChromError::kWidth);
    QCOMPARE(static_cast<int>(form.lists().size()), headings.size());
    QStringList shownHeadings;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        shownHeadings << label->text();
        QVERIFY(label->buddy() != nullptr);
    }
    QCOMPARE(shownHeadings, headings);
    const QListWidget* last = form.lists().back();
    QCOMPARE(Lines(last), lastLines);
    for (const QListWidget* list : form.lists()) {
        QCOMPARE(list->height(),
                 TFormChromError::kLineHeight * list->count() + TFormChromError::kListFrame);
    }
    QCOMPARE(form.height(), last->geometry().bottom() + 1 + TFormChromError::kBelowLists);
    QVERIFY(form.isModal());
    QTest::mouseClick(form.exitButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstChromError)
#include "tst_TFormChromError.moc"
