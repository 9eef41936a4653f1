#include "ddc/DDCUtil.h"
#include "ddc/MonitorCtrlInterface.h"
#include "ddc/VcpCodes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

// Transfers through CDDCUtil, checked on the simulated monitor's transcript and the log.
class TestVcpService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(TestSupport::Sim()); }
    void init() { QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{},{"failing":["0x62","0xF0/0x13"]}]})")); }

    // One call ("0x10=0x0A" writes, "0xF0/0x11?100" reads a sub-code 100 ms after its selector),
    // then a read of brightness: what was read, the transcript, the least pauses (ms) between its
    // lines and the call's log line, which keeps the texts as the page gave them. A read the
    // monitor does not answer gives "0" and an error line.
    void transfers_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("transcript");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<QString>("debug");
        QTest::newRow("hex") << 0 << "0x10=0x0A" << "" << "SET 0 0x10 10,GET 0 0x10 10" << QList<int>{5} << "0 0x10 0x0A";
        QTest::newRow("hex upper X") << 0 << "0x10=0X0A" << "" << "SET 0 0x10 10,GET 0 0x10 10" << QList<int>{5} << "0 0x10 0X0A";
        QTest::newRow("decimal") << 0 << "0x10=50" << "" << "SET 0 0x10 50,GET 0 0x10 50" << QList<int>{5} << "0 0x10 50";
        QTest::newRow("garbage") << 0 << "0x10=abc" << "" << "SET 0 0x10 0,GET 0 0x10 0" << QList<int>{5} << "0 0x10 abc";
        QTest::newRow("sub-coded") << 0 << "0xF0/0x08=0x03" << "" << "SET 0 0xF0 8,SET 0 0xF2 3,GET 0 0x10 80" << QList<int>{10, 10}
                                   << "0 0xF2 0x03";
        QTest::newRow("read") << 0 << "0x10?" << "80" << "GET 0 0x10 80,GET 0 0x10 80" << QList<int>() << "0 Code:0x10 Value:80";
        QTest::newRow("sub-coded read") << 0 << "0xF0/0x11?100" << "50" << "SET 0 0xF0 17,GET 0 0xF2 50,GET 0 0x10 80" << QList<int>{100}
                                        << "0 0xF0 0x11 0xF2 50";
        QTest::newRow("failed read") << 1 << "0x62?" << "0" << "GET 1 0x62 -1,GET 1 0x10 80" << QList<int>() << "1 Code:0x62 Value:-1";
        QTest::newRow("failed sub-coded read") << 1 << "0xF0/0x13?" << "0" << "SET 1 0xF0 19,GET 1 0xF2 -1,GET 1 0x10 80" << QList<int>()
                                               << "1 0xF0 0x13 0xF2 -1";
    }
    void transfers()
    {
        QFETCH(int, monitor);
        QFETCH(QString, call);
        QFETCH(QList<int>, pauses);
        QFETCH(QString, debug);
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        ddc.SetCurrentMonitor(monitor);
        CLogCapture log;
        const bool bWrite = call.contains('=');
        const QString strCode = call.section(bWrite ? '=' : '?', 0, 0);
        const QString strArg = call.section(bWrite ? '=' : '?', 1);
        const QString strSub = strCode.section('/', 1);
        QString strRead;
        if (bWrite && strSub.isEmpty())
            ddc.SetVcp(strCode, strArg);
        else if (bWrite)
            ddc.SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, strSub, strArg);
        else
            strRead = strSub.isEmpty() ? ddc.GetVcp(strCode) : ddc.GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, strSub, strArg.toInt());
        ddc.GetVcp(VCP_BRIGHTNESS);
        QTEST(strRead, "value");
        QTEST(TestSupport::Transcript().join(','), "transcript");
        const QList<qint64> listTimes = TestSupport::Sim()->TranscriptTimes();
        for (int i = 0; i < pauses.size(); ++i) {
            const qint64 nGapUs = listTimes.at(i + 1) - listTimes.at(i);
            QVERIFY2(nGapUs >= pauses.at(i) * 900, qPrintable(QStringLiteral("after line %1: %2 us").arg(i).arg(nGapUs)));
        }
        const QString strFunction = QStringLiteral("CDDCUtil::%1%2Vcp").arg(bWrite ? "Set" : "Get", strSub.isEmpty() ? "" : "Sub");
        QVERIFY(log.Has(LOG_DEBUG, strFunction, debug));
        QCOMPARE(log.CountLevel(LOG_ERROR), log.Count(LOG_ERROR, strFunction, "Get vcp code value failed!"));
        QCOMPARE(log.CountLevel(LOG_ERROR), strRead == "0" ? 1 : 0);
    }

    void selectingMonitorRoutesTransfers()
    {
        // An unknown id keeps the monitor selected before.
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        QStringList listNames;
        for (int nSelect : {1, 7, 0, -1}) {
            ddc.SetCurrentMonitor(nSelect);
            ddc.SetVcp(VCP_BRIGHTNESS, QString::number(nSelect));
            listNames.append(ddc.GetCurrentMonitor().strMonitorName);
        }
        QCOMPARE(listNames, (QStringList{"ZVO SIM2", "ZVO SIM2", "ZVO SIM1", "ZVO SIM1"}));
        QCOMPARE(TestSupport::Writes(), (QStringList{"SET 1 0x10 1", "SET 1 0x10 7", "SET 0 0x10 0", "SET 0 0x10 -1"}));
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
        const QString strRead = ddc.GetVcp(VCP_BRIGHTNESS) + ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, 0);
        ddc.SetVcp(VCP_BRIGHTNESS, QStringLiteral("20"));
        ddc.SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT, QStringLiteral("0x01"));
        ddc.SetMonitorCtrl(pOriginal);
        const MonitorInfo first = listMonitors.value(0);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(listMonitors.size()).arg(first.nMonitorId).arg(first.strMonitorName),
                 QStringLiteral("2 -1 ZVO SIM1"));
        QCOMPARE(strRead, QStringLiteral("00"));
        QCOMPARE(log.CountLevel(LOG_ERROR), 2);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("-1 0x10 20")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("-1 0xEF 0x01")));
        QCOMPARE(TestSupport::Transcript(), QStringList());
    }
};

QTEST_MAIN(TestVcpService)
#include "tst_vcpservice.moc"
