// The object screen writes its entry only after the name and address checks pass.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "settings/screens/TFormObject.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {

class TstObjectScreen : public QObject {
    Q_OBJECT
private slots:
    void checksBeforeWriting();
    void typedAddressesAndTabFollowTheScreen();

private:
    test::RecordingOperator op_;
};

void TstObjectScreen::checksBeforeWriting() {
    settings::ObjectEntry entry{"Мирная", 12};
    TFormObject form(entry, 1, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.addressBox()->currentText(), QStringLiteral("12"));

    form.addressBox()->setEditText("0");
    form.acceptButton()->click();
    QCOMPARE(op_.messages.back().kind, zor06::dialogue::MessageKind::InputError);
    QCOMPARE(op_.messages.back().text1, std::string("Адрес вне допустимого диапазона"));
    QCOMPARE(op_.messages.back().text2, std::string("(1...255)"));
    form.nameEdit()->clear();
    form.addressBox()->setEditText("255");
    form.acceptButton()->click();
    QCOMPARE(op_.messages.back().text1, std::string("Введены не все параметры"));
    QVERIFY(form.isVisible());
    QVERIFY((entry == settings::ObjectEntry{"Мирная", 12}));

    form.nameEdit()->setText("Лесная");
    form.acceptButton()->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY((entry == settings::ObjectEntry{"Лесная", 255}));
}

void TstObjectScreen::typedAddressesAndTabFollowTheScreen() {
    settings::ObjectEntry entry;
    TFormObject form(entry, 0, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(form.addressBox(), "5x");
    QCOMPARE(form.addressBox()->currentText(), QStringLiteral("5"));
    form.nameEdit()->setFocus();
    const std::vector<QWidget*> expected{form.addressBox(), form.acceptButton(),
                                         form.cancelButton(), form.nameEdit()};
    QCOMPARE(test::TabWalk(4), expected);
    QCOMPARE(test::UnnamedControls(form), QStringList());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstObjectScreen)
#include "tst_TFormObject.moc"
