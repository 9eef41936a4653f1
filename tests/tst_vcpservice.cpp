#include "ddc/DDCUtil.h"
#include "ddc/MonitorCtrlInterface.h"
#include "ddc/VcpCodes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

namespace
{
const char* const TWO_MONITORS = R"({"monitors":[{"refreshHz":144},{"refreshHz":75,"failing":["0x62","0xF0/0x13"]}]})";

// Microseconds between transcript lines nFirst and nSecond.
qint64 Gap(int nFirst, int nSecond)
{
    const QList<qint64> listTimes = TestSupport::Sim()->TranscriptTimes();
    return listTimes.value(nSecond) - listTimes.value(nFirst);
}
#define QVERIFY_GAP(first, second, minimumUs) QVERIFY2(Gap(first, second) >= (minimumUs), qPrintable(QString::number(Gap(first, second))))
}

// Transfers through CDDCUtil, checked on the simulated monitor's transcript and the log.
class TestVcpService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(TestSupport::Sim()); }
    void init() { QVERIFY(TestSupport::UseSimConfig(TWO_MONITORS)); }

    void writeConvertsValueTextAndPauses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sent");
        QTest::newRow("hex lower x") << "0x0A" << 10;
        QTest::newRow("hex upper X") << "0X0A" << 10;
        QTest::newRow("decimal") << "50" << 50;
        QTest::newRow("garbage") << "abc" << 0;
    }
    void writeConvertsValueTextAndPauses()
    {
        QFETCH(QString, text);
        QFETCH(int, sent);
        CLogCapture log;
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, text);
        CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS);
        QCOMPARE(TestSupport::Transcript(), (QStringList{QStringLiteral("SET 0 0x10 %1").arg(sent), QStringLiteral("GET 0 0x10 %1").arg(sent)}));
        QVERIFY_GAP(0, 1, 4900);
        // The log keeps the text as the page gave it.
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("0 0x10 %1").arg(text)));
    }

    void subCodedWriteSendsSelectorThenData()
    {
        CLogCapture log;
        CDDCUtil::GetInstance()->SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, QStringLiteral("0x03"));
        CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xF0 8", "SET 0 0xF2 3", "GET 0 0x10 80"}));
        QVERIFY_GAP(0, 1, 9900);
        QVERIFY_GAP(1, 2, 9900);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("0 0xF0 0x08")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("0 0xF2 0x03")));
    }

    // A read the monitor does not answer gives "0" and an error line.
    void reads_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<QString>("subCode");   // empty: a plain read of brightness or volume
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("transcript");
        QTest::addColumn<QString>("debug");
        QTest::newRow("plain") << 0 << "" << 0 << "80" << QStringList{"GET 0 0x10 80"} << "0 Code:0x10 Value:80";
        QTest::newRow("sub-coded, 100 ms") << 0 << "0x11" << 100 << "50" << QStringList{"SET 0 0xF0 17", "GET 0 0xF2 50"}
                                           << "0 0xF0 0x11 0xF2 50";
        QTest::newRow("plain failed") << 1 << "" << 0 << "0" << QStringList{"GET 1 0x62 -1"} << "1 Code:0x62 Value:-1";
        QTest::newRow("sub-coded failed") << 1 << "0x13" << 0 << "0" << QStringList{"SET 1 0xF0 19", "GET 1 0xF2 -1"}
                                          << "1 0xF0 0x13 0xF2 -1";
    }
    void reads()
    {
        QFETCH(int, monitor);
        QFETCH(QString, subCode);
        QFETCH(int, delay);
        QFETCH(QString, debug);
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        ddc.SetCurrentMonitor(monitor);
        CLogCapture log;
        const QString strPlain = monitor == 0 ? VCP_BRIGHTNESS : VCP_SPEAKER_VOLUME;
        QTEST(subCode.isEmpty() ? ddc.GetVcp(strPlain) : ddc.GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, subCode, delay), "value");
        QTEST(TestSupport::Transcript(), "transcript");
        if (delay > 0)
            QVERIFY_GAP(0, 1, delay * 900);
        const char* szFunction = subCode.isEmpty() ? "CDDCUtil::GetVcp" : "CDDCUtil::GetSubVcp";
        const bool bFailed = debug.endsWith(QLatin1String("-1"));
        QCOMPARE(log.Lines().size(), bFailed ? 2 : 1);
        QVERIFY(log.Has(LOG_DEBUG, szFunction, debug));
        QCOMPARE(log.Count(LOG_ERROR, szFunction, QStringLiteral("Get vcp code value failed!")), bFailed ? 1 : 0);
    }

    void selectingMonitorRoutesTransfers_data()
    {
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("expected");
        QTest::newRow("second") << 1 << 1;
        QTest::newRow("unknown id") << 7 << 0;
        QTest::newRow("minus one") << -1 << 0;
    }
    void selectingMonitorRoutesTransfers()
    {
        QFETCH(int, select);
        QFETCH(int, expected);
        CDDCUtil::GetInstance()->SetCurrentMonitor(select);
        const MonitorInfo after = CDDCUtil::GetInstance()->GetCurrentMonitor();
        QCOMPARE(after.nMonitorId, expected);
        QCOMPARE(after.strMonitorName, QStringLiteral("ZVO SIM%1").arg(expected + 1));
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("30"));
        QCOMPARE(TestSupport::Writes(), QStringList{QStringLiteral("SET %1 0x10 30").arg(expected)});
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(expected), expected ? 75 : 144);
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(5), -1);
    }

    void missingPluginInterface()
    {
        // A plug-in whose object lacks the interface: detection still names the monitors, reads
        // fail like unanswered ones, writes are logged and go nowhere.
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        ddc.Reset();
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"});
        CMonitorCtrlInterface* pOriginal = ddc.MonitorCtrl();
        ddc.SetMonitorCtrl(nullptr);
        CLogCapture log;
        ddc.Init();
        ddc.Reset();
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        const QString strRead = ddc.GetVcp(VCP_BRIGHTNESS) + ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, 0);
        ddc.SetVcp(VCP_BRIGHTNESS, QStringLiteral("20"));
        ddc.SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, QStringLiteral("0x01"));
        ddc.SetMonitorCtrl(pOriginal);

        QCOMPARE(listMonitors.size(), 2);
        QCOMPARE(listMonitors.at(0).nMonitorId, -1);
        QCOMPARE(listMonitors.at(0).strMonitorName, QStringLiteral("ZVO SIM1"));
        QCOMPARE(strRead, QStringLiteral("00"));
        QCOMPARE(log.CountLevel(LOG_ERROR), 2);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("-1 0x10 20")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("-1 0xEF 0x01")));
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"});
    }
};

QTEST_MAIN(TestVcpService)
#include "tst_vcpservice.moc"
