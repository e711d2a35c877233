// The protocol screen: its caption and lines, the document it hands to the preview and the
// printer, and the messages of a failed output.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "config/screens/TFormConf_Protocol.h"
#include "tables/controller_date.h"
#include "tests/support/recording_operator.h"
#include "text/codepage.h"

namespace zor06::screens {

class TstConfProtocol : public QObject {
    Q_OBJECT
private slots:
    void showsWhichProtocolItIs();
    void outputsTheDocumentAndSaysWhenItFails_data();
    void outputsTheDocumentAndSaysWhenItFails();
};

namespace {

config::ProtocolRecord Record() {
    tables::ControllerImage image;
    image.SetText(5, 0, text::Utf8ToCp1251("ГРС Лесная"));
    image.SetByte(3, 0, 12);
    image.SetByte(6, 7, 1);  // flow computers, for a second page
    image.SetByte(9, 0, 2);
    return config::BuildProtocolRecord(image, 5, tables::DecodeToPc({26, 12, 9, 14, 5, 7}));
}

}  // namespace

void TstConfProtocol::showsWhichProtocolItIs() {
    test::RecordingOperator op;
    TFormConf_Protocol form(Record(), "zor_06-a012-2612091405.prc", op);
    QCOMPARE(form.windowTitle(), QStringLiteral(" Файл: \"zor_06-a012-2612091405.prc\""));
    QCOMPARE(form.compiledByLine()->text(),
             QStringLiteral("Составлен программой zor_06   09.12.26 14:05:07"));
    QCOMPARE(form.controllerLine()->text(),
             QStringLiteral("Контроллер: \"ГРС Лесная\".  Адрес: 12"));
    const auto labels = form.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
        return l->text() ==
               QStringLiteral("Протокол конфигурирования контроллера  ГРАНИТОЛ (ksv73-gt)");
    }));
    QCOMPARE(form.previewButton()->text(), QStringLiteral("Просмотр"));
    QCOMPARE(form.printButton()->text(), QStringLiteral("Печать"));
    QCOMPARE(form.exitButton()->text(), QStringLiteral("Выход"));
}

void TstConfProtocol::outputsTheDocumentAndSaysWhenItFails_data() {
    QTest::addColumn<bool>("printing");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("message");
    QTest::newRow("preview") << false << true << QString();
    QTest::newRow("preview fails") << false << false << QStringLiteral("Ошибка вывода данных");
    QTest::newRow("print") << true << true << QString();
    QTest::newRow("print fails") << true << false << QStringLiteral("Ошибка печати данных");
}

void TstConfProtocol::outputsTheDocumentAndSaysWhenItFails() {
    QFETCH(bool, printing);
    QFETCH(bool, succeeds);
    QFETCH(QString, message);
    test::RecordingOperator op;
    TFormConf_Protocol form(Record(), "a.prc", op);
    int calls = 0;
    std::size_t pages = 0;
    bool enabledMeanwhile = true;
    const auto output = [&](const report::Pages& p, QWidget*) {
        ++calls;
        pages = p.pages.size();
        enabledMeanwhile = form.isEnabled();
        return succeeds;
    };
    (printing ? form.print : form.preview) = output;
    (printing ? form.preview : form.print) = [](const report::Pages&, QWidget*) { return false; };
    QTest::mouseClick(printing ? form.printButton() : form.previewButton(), Qt::LeftButton);
    QCOMPARE(calls, 1);
    QCOMPARE(pages, std::size_t{2});
    QVERIFY(!enabledMeanwhile);
    QVERIFY(form.isEnabled());
    if (message.isEmpty()) {
        QVERIFY(op.messages.empty());
    } else {
        QCOMPARE(op.messages.size(), std::size_t{1});
        QCOMPARE(op.messages[0].kind, zor06::dialogue::MessageKind::Error);
        QCOMPARE(QString::fromStdString(op.messages[0].text1), message);
    }
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstConfProtocol)
#include "tst_TFormConf_Protocol.moc"
