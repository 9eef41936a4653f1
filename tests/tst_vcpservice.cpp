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
}

// Transfers through CDDCUtil, checked on the simulated monitor's transcript and the log.
class TestVcpService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Without Monitor.sim.json the plug-in starts with its two built-in monitors.
        QVERIFY(TestSupport::Sim());
        CDDCUtil::GetInstance()->Init();
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QCOMPARE(listMonitors.size(), 2);
        QCOMPARE(listMonitors.at(0).strMonitorName, QStringLiteral("ZVO X27Q"));
        QCOMPARE(listMonitors.at(1).strMonitorName, QStringLiteral("ZVO G24F"));
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(0), 144);
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_SPEAKER_VOLUME), QStringLiteral("0"));
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("80"));
    }

    void init() { QVERIFY(TestSupport::UseSimConfig(TWO_MONITORS)); }

    void initSelectsFirstMonitor()
    {
        const MonitorInfo current = CDDCUtil::GetInstance()->GetCurrentMonitor();
        QCOMPARE(current.nMonitorId, 0);
        QCOMPARE(current.strMonitorName, QStringLiteral("ZVO SIM1"));
        QCOMPARE(TestSupport::Transcript(), QStringList());
    }

    void writeConvertsValueText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sent");
        QTest::newRow("hex lower x") << "0x0A" << 10;
        QTest::newRow("hex upper X") << "0X0A" << 10;
        QTest::newRow("decimal") << "50" << 50;
        QTest::newRow("garbage") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void writeConvertsValueText()
    {
        QFETCH(QString, text);
        QFETCH(int, sent);
        CLogCapture log;
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, text);
        QCOMPARE(TestSupport::Transcript(), QStringList{QStringLiteral("SET 0 0x10 %1").arg(sent)});
        // The log keeps the text as the page gave it.
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("0 0x10 %1").arg(text)));
    }

    void writeKeepsMonitorQuietAfterwards()
    {
        CDDCUtil::GetInstance()->SetVcp(VCP_CONTRAST, QStringLiteral("40"));
        CDDCUtil::GetInstance()->GetVcp(VCP_CONTRAST);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0x12 40", "GET 0 0x12 40"}));
        QVERIFY2(Gap(0, 1) >= 4900, qPrintable(QString::number(Gap(0, 1))));
    }

    void subCodedWriteSendsSelectorThenData()
    {
        CLogCapture log;
        CDDCUtil::GetInstance()->SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, QStringLiteral("0x03"));
        CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xF0 8", "SET 0 0xF2 3", "GET 0 0x10 80"}));
        QVERIFY2(Gap(0, 1) >= 9900, qPrintable(QString::number(Gap(0, 1))));
        QVERIFY2(Gap(1, 2) >= 9900, qPrintable(QString::number(Gap(1, 2))));
        QCOMPARE(TestSupport::Sim()->Value(0, QStringLiteral("0xF0/0x08")), 3);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("0 0xF0 0x08")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("0 0xF2 0x03")));
    }

    void readsAnswerAndLog()
    {
        CLogCapture log;
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("80"));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::GetVcp", QStringLiteral("0 Code:0x10 Value:80")));
        QCOMPARE(CDDCUtil::GetInstance()->GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_HDMI_VERSION, 0), QStringLiteral("1"));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::GetSubVcp", QStringLiteral("0 0xEE 0x07 0xEF 1")));
        QCOMPARE(log.CountLevel(LOG_ERROR), 0);
    }

    void subCodedReadWaitsBetweenSelectorAndData_data()
    {
        QTest::addColumn<int>("delay");
        QTest::newRow("no delay") << 0;
        QTest::newRow("100 ms") << 100;
    }
    void subCodedReadWaitsBetweenSelectorAndData()
    {
        QFETCH(int, delay);
        const QString strValue =
            CDDCUtil::GetInstance()->GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_DARK_ENHANCEMENT, delay);
        QCOMPARE(strValue, QStringLiteral("50"));
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xF0 17", "GET 0 0xF2 50"}));
        QVERIFY2(Gap(0, 1) >= delay * 900, qPrintable(QString::number(Gap(0, 1))));
    }

    void failedReadGivesZero_data()
    {
        QTest::addColumn<bool>("subCoded");
        QTest::addColumn<QStringList>("transcript");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("debugText");
        QTest::newRow("plain") << false << QStringList{"GET 1 0x62 -1"} << "CDDCUtil::GetVcp" << "1 Code:0x62 Value:-1";
        QTest::newRow("sub-coded") << true << QStringList{"SET 1 0xF0 19", "GET 1 0xF2 -1"} << "CDDCUtil::GetSubVcp"
                                   << "1 0xF0 0x13 0xF2 -1";
    }
    void failedReadGivesZero()
    {
        QFETCH(bool, subCoded);
        QFETCH(QStringList, transcript);
        QFETCH(QString, function);
        QFETCH(QString, debugText);
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        CLogCapture log;
        const QString strValue = subCoded
            ? CDDCUtil::GetInstance()->GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_HAWKEYE, 0)
            : CDDCUtil::GetInstance()->GetVcp(VCP_SPEAKER_VOLUME);
        QCOMPARE(strValue, QStringLiteral("0"));
        QCOMPARE(TestSupport::Transcript(), transcript);
        QCOMPARE(log.Lines().size(), 2);
        QVERIFY(log.Has(LOG_DEBUG, function, debugText));
        QVERIFY(log.Has(LOG_ERROR, function, QStringLiteral("Get vcp code value failed!")));
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
        const MonitorInfo before = CDDCUtil::GetInstance()->GetCurrentMonitor();
        CDDCUtil::GetInstance()->SetCurrentMonitor(select);
        const MonitorInfo after = CDDCUtil::GetInstance()->GetCurrentMonitor();
        QCOMPARE(after.nMonitorId, expected);
        if (expected == before.nMonitorId)
            QCOMPARE(after.strMonitorName, before.strMonitorName);
        else
            QCOMPARE(after.strMonitorName, QStringLiteral("ZVO SIM2"));
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("30"));
        QCOMPARE(TestSupport::Writes(), QStringList{QStringLiteral("SET %1 0x10 30").arg(expected)});
    }

    void refreshRateOfMonitor_data()
    {
        QTest::addColumn<int>("monitorId");
        QTest::addColumn<int>("hz");
        QTest::newRow("first") << 0 << 144;
        QTest::newRow("second") << 1 << 75;
        QTest::newRow("unknown") << 5 << -1;
    }
    void refreshRateOfMonitor()
    {
        QFETCH(int, monitorId);
        QFETCH(int, hz);
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(monitorId), hz);
    }

    void resetReachesPlugin()
    {
        CDDCUtil::GetInstance()->Reset();
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"});
    }

    void missingPluginInterface()
    {
        // A plug-in whose object lacks the interface: detection still names the monitors, reads
        // fail like unanswered ones, writes are logged and go nowhere.
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        CMonitorCtrlInterface* pOriginal = ddc.MonitorCtrl();
        ddc.SetMonitorCtrl(nullptr);
        CLogCapture log;
        ddc.Init();
        ddc.Reset();
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        const QString strRead = ddc.GetVcp(VCP_BRIGHTNESS);
        const QString strSubRead = ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, 0);
        ddc.SetVcp(VCP_BRIGHTNESS, QStringLiteral("20"));
        ddc.SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, QStringLiteral("0x01"));
        ddc.SetMonitorCtrl(pOriginal);

        QCOMPARE(listMonitors.size(), 2);
        QCOMPARE(listMonitors.at(0).nMonitorId, -1);
        QCOMPARE(listMonitors.at(0).strMonitorName, QStringLiteral("ZVO SIM1"));
        QCOMPARE(strRead, QStringLiteral("0"));
        QCOMPARE(strSubRead, QStringLiteral("0"));
        QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::GetVcp", QStringLiteral("Get vcp code value failed!")), 1);
        QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::GetSubVcp", QStringLiteral("Get vcp code value failed!")), 1);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("-1 0x10 20")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("-1 0xEF 0x01")));
        QCOMPARE(TestSupport::Transcript(), QStringList());
    }
};

QTEST_MAIN(TestVcpService)
#include "tst_vcpservice.moc"
