// The users screens as a person uses them: one user of the controller, one user's secrets, the
// whole table of a configuration.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "config/screens/TFormAccess.h"
#include "config/screens/TFormChangeAccess.h"
#include "config/screens/TFormUsPass.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {
namespace {

config::UserRecord User(const char* name, int level, const char* password, const char* code) {
    config::UserRecord u = config::UserRecord::Free();
    u.name = config::BlankPadded<config::kUserNameSize>(name);
    u.level = static_cast<std::uint8_t>(level);
    u.password = config::BlankPadded<config::kUserPasswordSize>(password);
    u.code = config::BlankPadded<config::kUserCodeSize>(code);
    return u;
}

std::array<std::uint8_t, config::kUsersBytes> Table() {
    config::UsersTable t;
    t.fill(config::UserRecord::Free());
    t[0] = User("NAL", 1, "", "1");
    t[1] = User("ADM", 2, "22", "2");
    std::array<std::uint8_t, config::kUsersBytes> bytes{};
    config::EncodeUsers(t, bytes);
    return bytes;
}

}  // namespace

class TstUsersScreens : public QObject {
    Q_OBJECT
private slots:
    void init() { op_ = test::RecordingOperator{}; }
    void oneUserIsTypedAnewAndStored();
    void secretsStepWithEnterAndStartFromTheCurrentValue();
    void theWholeTableRefusesRepeatedCodes();

private:
    test::RecordingOperator op_;
};

void TstUsersScreens::oneUserIsTypedAnewAndStored() {
    auto table = Table();
    TFormChangeAccess form(table, op_);
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QCOMPARE(form.slotBox()->itemText(2), QStringLiteral("   --   "));
    form.slotBox()->setCurrentIndex(1);
    QCOMPARE(form.nameEdit()->text(), QStringLiteral("ADM"));
    QVERIFY(form.codeEdit(0)->text().isEmpty());  // always typed anew

    form.slotBox()->setCurrentIndex(3);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClicks(form.nameEdit(), QStringLiteral("OP"));
    form.levelBox()->setCurrentIndex(4);
    QTest::keyClicks(form.codeEdit(0), QStringLiteral("4a4"));  // digits only
    QCOMPARE(form.codeEdit(0)->text(), QStringLiteral("44"));
    QTest::keyClicks(form.codeEdit(1), QStringLiteral("44"));
    QTest::keyClicks(form.passwordEdit(0), QStringLiteral("pw"));
    QTest::keyClicks(form.passwordEdit(1), QStringLiteral("px"));
    QTest::mouseClick(form.writeButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string("Несовпадение введенных паролей|Повторите процесс сначала"));
    QVERIFY(form.passwordEdit(0)->text().isEmpty());
    QCOMPARE(form.codeEdit(0)->text(), QStringLiteral("44"));
    QCOMPARE(table, Table());

    QTest::keyClicks(form.passwordEdit(0), QStringLiteral("pw"));
    QTest::keyClicks(form.passwordEdit(1), QStringLiteral("pw"));
    QTest::mouseClick(form.writeButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Slot(), 3);
    QCOMPARE(config::DecodeUsers(table)[3], User("OP", 4, "pw", "44"));
}

void TstUsersScreens::secretsStepWithEnterAndStartFromTheCurrentValue() {
    config::UserSecret secret{};
    const auto current = config::BlankPadded<16>("pass        12");
    std::ranges::copy(current, secret.begin());
    TFormUsPass form(secret, true, op_);
    QCOMPARE(form.codeEdit(1)->text(), QStringLiteral("12"));
    QCOMPARE(form.passwordEdit(0)->text(), QStringLiteral("pass"));
    QCOMPARE(form.codeEdit(0)->displayText(), QStringLiteral("**"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.codeEdit(0)->setFocus();
    for (QWidget* next :
         {static_cast<QWidget*>(form.codeEdit(1)), static_cast<QWidget*>(form.passwordEdit(0)),
          static_cast<QWidget*>(form.passwordEdit(1)),
          static_cast<QWidget*>(form.acceptButton())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    form.passwordEdit(0)->setText(QStringLiteral("new"));
    form.passwordEdit(1)->setText(QStringLiteral("new"));
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(std::string(secret.begin(), secret.end()), std::string("new         12  "));
}

void TstUsersScreens::theWholeTableRefusesRepeatedCodes() {
    auto table = Table();
    TFormAccess form(table, false, op_);
    QVERIFY(test::UnnamedControls(form).isEmpty());
    QCOMPARE(form.acceptButton()->text(), QStringLiteral("Принять"));
    QVERIFY(!form.secretButton(2)->isEnabled());
    form.levelBox(2)->setCurrentIndex(3);
    QVERIFY(form.secretButton(2)->isEnabled());
    form.nameEdit(2)->setText(QStringLiteral("ENG"));
    form.editSecret = [](config::UserSecret& s) {
        s = {};
        std::ranges::copy(config::BlankPadded<16>("            2   "), s.begin());
        return true;
    };
    QTest::mouseClick(form.secretButton(2), Qt::LeftButton);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(test::LastMessage(op_, zor06::dialogue::MessageKind::InputError),
             std::string("Пользователи   2 и 3.|Совпадение кодов идентификации пользователя"));
    QCOMPARE(table, Table());

    form.editSecret = [](config::UserSecret& s) {
        std::ranges::copy(config::BlankPadded<16>("            3   "), s.begin());
        return true;
    };
    QTest::mouseClick(form.secretButton(2), Qt::LeftButton);
    QTest::mouseClick(form.acceptButton(), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(config::DecodeUsers(table)[2], User("ENG", 3, "", "3"));
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstUsersScreens)
#include "tst_users_screens.moc"
