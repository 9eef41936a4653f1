#include "ddc/DDCUtil.h"
#include "ddc/MonitorCtrlInterface.h"
#include "ddc/VcpCodes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QtConcurrent>
#include <QtTest>

#include <memory>

namespace
{
// Reads (nWrite < 0) or writes a feature ("0x10" or "0xEE/0x02") of a monitor on the plug-in.
QString Transfer(const QString& strFeature, int nWrite = -1, int nMonitor = 0)
{
    CMonitorCtrlInterface& plugin = *CDDCUtil::GetInstance()->MonitorCtrl();
    QString strCode = strFeature.left(4);
    if (strFeature.contains('/')) {
        plugin.SetVcp(nMonitor, strCode, strFeature.mid(7).toInt(nullptr, 16));
        strCode = strCode == "0xEE" ? "0xEF" : "0xF2";
    }
    if (nWrite >= 0)
        plugin.SetVcp(nMonitor, strCode, nWrite);
    return nWrite < 0 ? plugin.GetVcp(nMonitor, strCode) : QString();
}
}

// Transfers through CDDCUtil, alone and from threads; the code texts; the simulated monitor itself.
class TestVcpService : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The simulated monitor reads Monitor.sim.json when it is created, on the service's first use.
        const QString strDir = QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/");
        TestSupport::WriteFile(strDir + "Monitor.sim.json", R"({"transcript":"sim-test-transcript.log","monitors":[{"edid":")"
                   + TestSupport::ReadAll(QFINDTESTDATA("data/edid/hex/AAA8542_E27C769CDF53.hex")).trimmed() + R"("},{"edid":")"
                   + TestSupport::ReadAll(QFINDTESTDATA("data/edid/hex/ACB049B_E63B794062B0.hex")).trimmed() + R"("},{}]})");
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        ddc.Init();
        QFile::remove(strDir + "Monitor.sim.json");
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        QStringList listNames;
        for (const MonitorInfo& info : listMonitors)
            listNames.append(QStringLiteral("%1 %2").arg(info.nMonitorId).arg(info.strMonitorName));
        QCOMPARE(listNames, (QStringList{"0 CR340HDU", "1 QHD270", "2 ZVO SIM3"}));
        // The transcript file gets every line at once.
        ddc.SetCurrentMonitor(1);
        ddc.SetVcp(VCP_BRIGHTNESS, QStringLiteral("0x20"));
        QCOMPARE(ddc.GetVcp(VCP_BRIGHTNESS), QStringLiteral("32"));
        const QStringList listLines = QString::fromUtf8(TestSupport::ReadAll(strDir + "sim-test-transcript.log").trimmed()).split('\n');
        QCOMPARE(listLines, TestSupport::Transcript());
        QCOMPARE(listLines.mid(listLines.size() - 2), (QStringList{"SET 1 0x10 32", "GET 1 0x10 32"}));
    }

    void init() { QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"failing":["0x62","0xF0/0x13"]},{}]})")); }

    // One call ("0x10=0x0A" writes, "0xF0/0x11?100" reads a sub-code 100 ms after its selector), then a
    // brightness read: value, transcript, log line; unanswered reads give "0". Pauses: see threadsTogether.
    void transfers_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("transcript");
        QTest::addColumn<QString>("debug");
        QTest::newRow("hex") << "0x10=0x0A" << "" << "SET 0 0x10 10,GET 0 0x10 10" << "0 0x10 0x0A";
        QTest::newRow("sub-coded") << "0xF0/0x08=0x03" << "" << "SET 0 0xF0 8,SET 0 0xF2 3,GET 0 0x10 80" << "0 0xF2 0x03";
        QTest::newRow("read") << "0x10?" << "80" << "GET 0 0x10 80,GET 0 0x10 80" << "0 Code:0x10 Value:80";
        QTest::newRow("sub-coded read") << "0xF0/0x11?100" << "50" << "SET 0 0xF0 17,GET 0 0xF2 50,GET 0 0x10 80" << "0 0xF0 0x11 0xF2 50";
        QTest::newRow("failed read") << "0x62?" << "0" << "GET 0 0x62 -1,GET 0 0x10 80" << "0 Code:0x62 Value:-1";
        QTest::newRow("failed sub-coded read") << "0xF0/0x13?" << "0" << "SET 0 0xF0 19,GET 0 0xF2 -1,GET 0 0x10 80" << "0 0xF0 0x13 0xF2 -1";
    }
    void transfers()
    {
        QFETCH(QString, call);
        QFETCH(QString, debug);
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
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
        if (!bWrite && !strSub.isEmpty())   // the selector, then its data after the delay
            QVERIFY(listTimes.at(1) - listTimes.at(0) >= strArg.toInt() * 900);
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
        QCOMPARE(QString("%1 %2 %3").arg(listMonitors.size()).arg(first.nMonitorId).arg(first.strMonitorName), QStringLiteral("2 -1 ZVO SIM1"));
        QCOMPARE(strRead, QStringLiteral("00"));
        QCOMPARE(log.CountLevel(LOG_ERROR), 2);
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetVcp", QStringLiteral("-1 0x10 20")));
        QVERIFY(log.Has(LOG_DEBUG, "CDDCUtil::SetSubVcp", QStringLiteral("-1 0xEF 0x01")));
        QCOMPARE(TestSupport::Transcript(), QStringList());
    }

    void codeTextsAreCanonicalAndUnique()
    {
        static const QRegularExpression s_reEntry(QStringLiteral("inline const QString ((VCP|EE|F0)_\\w+) = QStringLiteral\\(\"([^\"]*)\"\\);"));
        // One spelling only, so that the same code compares and logs the same everywhere.
        static const QRegularExpression s_reCode(QStringLiteral("^0x[0-9A-F]{2}$"));
        QHash<QString, QString> hashSeen;   // "<group> <text>" to the name that has it
        for (auto it = s_reEntry.globalMatch(QString::fromUtf8(TestSupport::ReadAll(QFINDTESTDATA("../ddc/VcpCodes.h")))); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString strName = match.captured(1), strText = match.captured(3);
            QVERIFY2(s_reCode.match(strText).hasMatch(), qPrintable(strName + QLatin1Char(' ') + strText));
            // What the plug-in is handed for a code or sub-code text.
            QCOMPARE(CDDCUtil::ValueFromText(strText), strText.mid(2).toInt(nullptr, 16));
            // Codes share one space, sub-codes one per group.
            const QString strKey = match.captured(2) + QLatin1Char(' ') + strText;
            QVERIFY2(!hashSeen.contains(strKey), qPrintable(strName + QLatin1String(" repeats ") + hashSeen.value(strKey)));
            hashSeen.insert(strKey, strName);
        }
        QVERIFY2(hashSeen.size() > 80, qPrintable(QString::number(hashSeen.size())));
        // Values as the pages give them.
        QCOMPARE(QList<int>({CDDCUtil::ValueFromText("0X0A"), CDDCUtil::ValueFromText("50"), CDDCUtil::ValueFromText("abc")}),
                 (QList<int>{10, 50, 0}));
    }

    void logLinesOfTwoThreadsNeverOverlap()
    {
        // The echo of the line "first" dawdles; a line "second" echoed meanwhile is an overlap.
        static QAtomicInt s_nInFirst(0), s_nOverlaps(0);
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& strMessage) {
            if (strMessage.endsWith(QLatin1String("first"))) {
                s_nInFirst.storeRelease(1);
                QThread::msleep(300);
                s_nInFirst.storeRelease(0);
            } else if (strMessage.endsWith(QLatin1String("second"))) {
                s_nOverlaps.fetchAndAddOrdered(s_nInFirst.loadAcquire());
            }
        });
        std::unique_ptr<QThread> pFirst(QThread::create([] { LOG_WRITE(LOG_INFO, QStringLiteral("first")); }));
        pFirst->start();
        QVERIFY(QTest::qWaitFor([] { return s_nInFirst.loadAcquire() == 1; }, 5000));
        LOG_WRITE(LOG_INFO, QStringLiteral("second"));
        pFirst->wait();
        qInstallMessageHandler(previous);
        QCOMPARE(s_nOverlaps.loadAcquire(), 0);
    }

    // Pool-thread reads against GUI-thread writes, monitor switches and detections: selector/data
    // pairs stay together and every pause keeps others off the monitor.
    void threadsTogether()
    {
        // Both monitors answer the reads alike, so a read under a foreign selector is wrong.
        const QByteArray baValues = R"("values":{"0xEE/0x08":2,"0xF0/0x0E":1,"0x12":40})";
        QVERIFY(TestSupport::UseSimConfig("{\"monitors\":[{" + baValues + "},{" + baValues + "}]}"));
        CLogCapture log;
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        QAtomicInt stop(0);
        auto read = [&ddc, &stop] {
            QStringList listWrong;
            while (!stop.loadAcquire()) {
                const QString strValues = ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_KVM, 0) + QLatin1Char(' ')
                    + ddc.GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ICE, 0) + QLatin1Char(' ') + ddc.GetVcp(VCP_CONTRAST);
                QList<MonitorInfo> listMonitors;
                ddc.GetMonitorList(listMonitors);
                if (strValues != QLatin1String("2 1 40") || listMonitors.size() != 2 || ddc.GetCurrentMonitor().strMonitorName.isEmpty())
                    listWrong.append(strValues);
            }
            return listWrong;
        };
        QList<QFuture<QStringList>> listReaders{QtConcurrent::run(read), QtConcurrent::run(read)};
        for (int i = 0; i < 40; ++i) {
            ddc.SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_BRIGHTNESS, QString::number(i));
            ddc.SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_HORIZONTAL, QString::number(i));
            ddc.SetVcp(VCP_BRIGHTNESS, QString::number(i));
            if (i % 8 == 3)
                ddc.Init();
            ddc.SetCurrentMonitor(i % 2);
        }
        // Let the readers run against the last selection once more, then stop them.
        QTest::qWait(50);
        stop.storeRelease(1);
        for (QFuture<QStringList>& reader : listReaders)
            QVERIFY2(reader.result().isEmpty(), qPrintable(reader.result().mid(0, 5).join(QLatin1String("; "))));
        QCOMPARE(log.CountLevel(LOG_ERROR), 0);

        const QStringList listLines = TestSupport::Transcript();
        const QList<qint64> listTimes = TestSupport::Sim()->TranscriptTimes();
        QVERIFY(listLines.contains(QStringLiteral("RESET")));
        const QHash<QString, QString> hashDataOf{{VCP_EE_SELECT, VCP_EE_DATA}, {VCP_F0_SELECT, VCP_F0_DATA}};
        int nPairs = 0;
        for (int i = 0; i + 1 < listLines.size(); ++i) {
            // "SET 1 0xF0 14": what, monitor, code; RESET has none.
            const QStringList listThis = (listLines.at(i) + "  ").split(' '), listNext = (listLines.at(i + 1) + "  ").split(' ');
            const qint64 nGapUs = listTimes.at(i + 1) - listTimes.at(i);
            const QString strWhere = QStringLiteral("%1: %2, then %3 after %4 us").arg(i).arg(listLines.at(i), listLines.at(i + 1)).arg(nGapUs);
            // A selector's very next transfer is its data, on the same monitor; data follows nothing else.
            const bool bSelector = hashDataOf.contains(listThis.at(2));
            nPairs += bSelector;
            QVERIFY2(bSelector ? listNext.at(1) == listThis.at(1) && listNext.at(2) == hashDataOf.value(listThis.at(2))
                               : !hashDataOf.values().contains(listNext.at(2)), qPrintable(strWhere));
            // Pauses after writes (5 ms, 10 ms for both lines of a sub-code) belong to the writer:
            // nobody else reaches the monitor meanwhile. A read's selector has none.
            if (listThis.at(0) == QLatin1String("SET") && !(bSelector && listNext.at(0) == QLatin1String("GET")))
                QVERIFY2(nGapUs >= (bSelector || hashDataOf.values().contains(listThis.at(2)) ? 9900 : 4900), qPrintable(strWhere));
        }
        QVERIFY(nPairs > 80);   // the writes' own 80 and some reads
    }

    void simRangesFailuresAndFactoryReset()
    {
        // Writes outside a feature's range are ignored; unknown and failing features fail reads;
        // a factory reset restores the configured values on the monitor told only.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":75},"failing":["0x62","0xf0/0x13"]},{}]})"));
        const QStringList listFeatures{"0x10", "0x12", "0x87", "0xEE/0x02", "0xF0/0x08", "0x14", "0x77", "0xEE/0x1F", "0x62", "0xF0/0x13"};
        const QList<int> listWrites{101, 100, 11, 2, 0, 11, 1, 1, 20, 1};
        for (int i = 0; i < listFeatures.size(); ++i)
            Transfer(listFeatures.at(i), listWrites.at(i));
        Transfer("0x10", 33, 1);
        const QStringList listExpected{"75 100 5 2 1 11 -1 -1 -1 -1", "75 50 5 0 1 6 -1 -1 -1 -1"};
        for (int nReset : {0, 1}) {
            Transfer("0x04", nReset);
            QStringList listValues;
            for (const QString& strFeature : listFeatures)
                listValues.append(Transfer(strFeature));
            QCOMPARE(listValues.join(' '), listExpected.at(nReset));
        }
        QCOMPARE(Transfer("0x10", -1, 1), QStringLiteral("33"));
    }
};

QTEST_MAIN(TestVcpService)
#include "tst_vcpservice.moc"
