// The subscriber screen: what each mode shows, the number fields' filter, and that a refused entry
// keeps the screen open with the entry untouched.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "settings/screens/TFormAbonent.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/recording_operator.h"

namespace zor06::screens {

using settings::EthernetEntry;

class TstSubscriberScreen : public QObject {
    Q_OBJECT
private slots:
    void modesShowTheEntryOrStartEmpty();
    void ipPartsAreCheckedInOrder();
    void numberFieldsTakeOnlyDigits();
    void tabGoesThroughEveryFieldBeforeTheButtons();

private:
    test::RecordingOperator op_;
};

void TstSubscriberScreen::modesShowTheEntryOrStartEmpty() {
    EthernetEntry entry{"ГРС-2", 7, 0xC0A8000AU, 4001};
    TFormAbonent edit(entry, 1, op_);
    QCOMPARE(edit.nameEdit()->text(), QStringLiteral("ГРС-2"));
    QCOMPARE(edit.addressBox()->currentText(), QStringLiteral("7"));
    const QStringList parts{"192", "168", "0", "10"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(edit.ipEdit(i)->text(), parts[i]);
    }
    QCOMPARE(edit.portEdit()->text(), QStringLiteral("4001"));

    settings::PhoneEntry phone{"Котельная", 12, 3, "8 044 123"};
    TFormAbonent phoneEdit(phone, 1, op_);
    QCOMPARE(phoneEdit.phoneEdit()->text(), QStringLiteral("8 044 123"));

    TFormAbonent fresh(entry, 0, op_);
    QVERIFY(fresh.nameEdit()->text().isEmpty());
    QVERIFY(fresh.addressBox()->currentText().isEmpty());
    QVERIFY(fresh.ipEdit(0)->text().isEmpty());
    QCOMPARE(fresh.focusWidget(), fresh.nameEdit());
}

void TstSubscriberScreen::ipPartsAreCheckedInOrder() {
    EthernetEntry entry;
    TFormAbonent form(entry, 0, op_);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.nameEdit()->setText("Узел");
    form.addressBox()->setEditText("1");
    form.portEdit()->setText("502");
    auto tryParts = [&form](const QStringList& parts) {
        for (int i = 0; i < 4; ++i) {
            form.ipEdit(i)->setText(parts[i]);
        }
        form.acceptButton()->click();
    };

    tryParts({"10", "0", "256", ""});
    QCOMPARE(op_.messages.back().kind, zor06::dialogue::MessageKind::InputError);
    QCOMPARE(op_.messages.back().text1, std::string("Поле IP-адреса вне допустимого диапазона"));
    QCOMPARE(op_.messages.back().text2, std::string("(0...255)"));
    tryParts({"10", "", "256", "1"});
    QCOMPARE(op_.messages.back().text1, std::string("Введены не все параметры"));
    QCOMPARE(op_.messages.back().text2, std::string());
    QVERIFY(form.isVisible());
    QVERIFY(entry == EthernetEntry{});

    tryParts({"10", "0", "255", "1"});
    QCOMPARE(op_.messages.size(), std::size_t{2});
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY((entry == EthernetEntry{"Узел", 1, 0x0A00FF01U, 502}));
}

void TstSubscriberScreen::numberFieldsTakeOnlyDigits() {
    EthernetEntry entry;
    TFormAbonent form(entry, 0, op_);
    QTest::keyClicks(form.addressBox()->lineEdit(), "1a2-");
    QCOMPARE(form.addressBox()->currentText(), QStringLiteral("12"));
    QTest::keyClicks(form.addressBox(), "x3");  // into the list box, as a person types
    QCOMPARE(form.addressBox()->currentText(), QStringLiteral("123"));
    QTest::keyClicks(form.ipEdit(1), "2x5.56");
    QCOMPARE(form.ipEdit(1)->text(), QStringLiteral("255"));  // three digits at most
    QTest::keyClicks(form.portEdit(), "50 2");
    QTest::keyClick(form.portEdit(), Qt::Key_Backspace);
    QCOMPARE(form.portEdit()->text(), QStringLiteral("50"));
}

void TstSubscriberScreen::tabGoesThroughEveryFieldBeforeTheButtons() {
    settings::PhoneEntry phone;
    TFormAbonent phoneForm(phone, 0, op_);
    EthernetEntry ethernet;
    TFormAbonent ethernetForm(ethernet, 0, op_);
    const std::vector<std::pair<TFormAbonent*, std::vector<QWidget*>>> screens{
        {&phoneForm,
         {phoneForm.addressBox(), phoneForm.phoneEdit(), phoneForm.acceptButton(),
          phoneForm.cancelButton()}},
        {&ethernetForm,
         {ethernetForm.addressBox(), ethernetForm.ipEdit(0), ethernetForm.ipEdit(1),
          ethernetForm.ipEdit(2), ethernetForm.ipEdit(3), ethernetForm.portEdit(),
          ethernetForm.acceptButton(), ethernetForm.cancelButton()}},
    };
    for (const auto& [form, expected] : screens) {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->nameEdit()->setFocus();
        QCOMPARE(test::TabWalk(static_cast<int>(expected.size())), expected);
        QCOMPARE(test::UnnamedControls(*form), QStringList());
        form->hide();
    }
}

}  // namespace zor06::screens

QTEST_MAIN(zor06::screens::TstSubscriberScreen)
#include "tst_TFormAbonent.moc"
