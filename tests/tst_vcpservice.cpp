#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

// Transfers through CDDCUtil, checked on the simulated monitor's transcript.
class TestVcpService : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(TestSupport::UseDefaultSim()); }

    void writeConvertsValueText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sent");
        QTest::newRow("hex lower x") << "0x0A" << 10;
        QTest::newRow("hex upper X") << "0X0A" << 10;
        QTest::newRow("decimal") << "50" << 50;
        QTest::newRow("garbage") << "abc" << 0;
    }
    void writeConvertsValueText()
    {
        QFETCH(QString, text);
        QFETCH(int, sent);
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, text);
        QCOMPARE(TestSupport::Transcript(), QStringList{QStringLiteral("SET 0 0x10 %1").arg(sent)});
    }

    void subCodedWriteSendsSelectorThenData()
    {
        CDDCUtil::GetInstance()->SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, QStringLiteral("0x03"));
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xF0 8", "SET 0 0xF2 3"}));
    }

    void failedReadReturnsZero()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{},{"failing":["0x62"]}]})"));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_SPEAKER_VOLUME), QStringLiteral("0"));
        QCOMPARE(TestSupport::Transcript(), QStringList{"GET 1 0x62 -1"});
    }
};

QTEST_MAIN(TestVcpService)
#include "tst_vcpservice.moc"
