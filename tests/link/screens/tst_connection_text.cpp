// The connection description of status panel 0 and the port naming of the link records.
#include <QtTest>

#include "link/connection_text.h"
#include "settings/link_choice.h"

namespace zor06::test {

class TestConnectionText : public QObject {
    Q_OBJECT

private slots:
    void eachKindIsDescribedInItsOwnWords() {
        settings::ProgramSettings s;
        s.link.direct.comPort = 3;
        s.link.direct.baud = 19200;
        s.link.direct.address = 12;
        QCOMPARE(settings::DescribeConnection(s),
                 std::string("  /dev/ttyS2,   19200 бит/с   Адр. 12"));

        s.link.linkKind = 1;
        s.link.phone.record.portName = "/dev/ttyUSB0";
        QCOMPARE(settings::DescribeConnection(s), std::string());
        s.phones.entries = {{"ГРС-1", 7, 0, "0441234567"}, {"ГРС-2", 8, 0, "0447654321"}};
        s.phones.current = 1;
        QCOMPARE(settings::DescribeConnection(s),
                 std::string("  /dev/ttyUSB0,   9600 бит/с   Телефон: 0447654321,  Адр. 8"));

        s.link.linkKind = 2;
        QCOMPARE(settings::DescribeConnection(s), std::string());
        s.ethernet.entries = {{"Узел", 5, 0xC0A8010A, 4001}};
        QCOMPARE(settings::DescribeConnection(s),
                 std::string(" IP-адрес:порт  192.168.1.10:4001,  Адр. 5"));

        s.link.linkKind = 3;
        QCOMPARE(settings::DescribeConnection(s), std::string());
    }

    void aChosenDeviceKeepsTheComNumberWhereThereIsOne() {
        link::LinkParameters record;
        record.comPort = 4;
        link::SetRecordDevice(record, "/dev/ttyS11");
        QCOMPARE(record.portName, std::string("/dev/ttyS11"));
        QCOMPARE(int(record.comPort), 12);
        QCOMPARE(link::RecordDevice(record), std::string("/dev/ttyS11"));

        link::SetRecordDevice(record, "/dev/ttyUSB1");
        QCOMPARE(int(record.comPort), 12);
        QCOMPARE(link::RecordDevice(record), std::string("/dev/ttyUSB1"));

        record.portName.clear();
        QCOMPARE(link::RecordDevice(record), std::string("/dev/ttyS11"));
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestConnectionText)
#include "tst_connection_text.moc"
