// The program user's identification: the limited, filtered fields, Enter stepping through them,
// the refusal of an empty code and the blank-padded credentials the link object receives.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "config/screens/TFormShortUsPass.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

std::string Bytes(const auto& field) {
    return std::string(field.begin(), field.end());
}

}  // namespace

class TstIdentification : public QObject {
    Q_OBJECT
private slots:
    void init() { op_ = test::RecordingOperator{}; }
    void keyboardPathToAccept();
    void emptyCodeIsRefusedAndExitKeepsTheCredentials();
    void credentialsArePadded();
    void fieldsShowAsterisksAndFollowTheirLabels();

private:
    test::RecordingOperator op_;
};

void TstIdentification::keyboardPathToAccept() {
    link::hgcbox box;
    TFormShortUsPass form(box, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.focusWidget(), form.codeEdit());

    QTest::keyClicks(form.codeEdit(), "7a7-12");
    QCOMPARE(form.codeEdit()->text(), QStringLiteral("7712"));  // digits, four at most
    QTest::keyClick(form.codeEdit(), Qt::Key_Return);
    QCOMPARE(form.focusWidget(), form.passwordEdit());
    QTest::keyClicks(form.passwordEdit(), "pass-word 1 long");
    QTest::keyClick(form.passwordEdit(), Qt::Key_Enter);
    QCOMPARE(form.focusWidget(), form.acceptButton());
    QVERIFY(form.isVisible());  // Enter in a field never accepts by itself
    QCOMPARE(Bytes(box.idCode), std::string(4, ' '));

    QTest::keyClick(form.acceptButton(), Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(Bytes(box.idCode), std::string("7712"));
    QCOMPARE(Bytes(box.writePassword), std::string("pass-word 1 "));
}

void TstIdentification::emptyCodeIsRefusedAndExitKeepsTheCredentials() {
    link::hgcbox box;
    box.SetCredentials("pass", "42");
    TFormShortUsPass form(box, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.passwordEdit()->setText("secret");
    form.acceptButton()->click();

    QCOMPARE(op_.messages.size(), std::size_t{1});
    QCOMPARE(op_.messages[0].kind, zor06::dialogue::MessageKind::InputError);
    QCOMPARE(op_.messages[0].text1, std::string("Не задан код идентификации пользователя"));
    QVERIFY(form.isVisible());
    form.codeEdit()->setText("1");
    form.exitButton()->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(Bytes(box.idCode), std::string("42  "));
    QCOMPARE(Bytes(box.writePassword), std::string("pass        "));
}

void TstIdentification::credentialsArePadded() {
    link::hgcbox box;
    box.SetCredentials("old", "9");
    TFormShortUsPass form(box, op_);
    form.codeEdit()->setText("12");
    form.acceptButton()->click();
    QCOMPARE(Bytes(box.idCode), std::string("12  "));
    QCOMPARE(Bytes(box.writePassword), std::string(12, ' '));  // an empty password is all blanks

    TFormShortUsPass cyrillic(box, op_);
    cyrillic.codeEdit()->setText("5");
    cyrillic.passwordEdit()->setText("Шлюз");
    cyrillic.acceptButton()->click();
    // One Windows-1251 byte per letter, as the controller compares them.
    QCOMPARE(Bytes(box.writePassword), std::string("\xD8\xEB\xFE\xE7        "));
}

void TstIdentification::fieldsShowAsterisksAndFollowTheirLabels() {
    link::hgcbox box;
    TFormShortUsPass form(box, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClicks(form.codeEdit(), "77");
    QTest::keyClicks(form.passwordEdit(), "pa s");
    QCOMPARE(form.codeEdit()->displayText(), QStringLiteral("**"));
    QCOMPARE(form.passwordEdit()->displayText(), QStringLiteral("****"));

    // Each label names its field for a screen reader and for its shortcut.
    QList<QWidget*> buddies;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        buddies << label->buddy();
    }
    QCOMPARE(buddies, (QList<QWidget*>{form.codeEdit(), form.passwordEdit()}));

    // Tab walks the fields and buttons top to bottom, left to right.
    form.codeEdit()->setFocus();
    for (QWidget* next :
         {static_cast<QWidget*>(form.passwordEdit()), static_cast<QWidget*>(form.acceptButton()),
          static_cast<QWidget*>(form.exitButton())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QVERIFY(form.acceptButton()->x() < form.exitButton()->x());
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstIdentification)
#include "tst_TFormShortUsPass.moc"
