#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QAtomicInt>
#include <QFuture>
#include <QtConcurrent>
#include <QtTest>

#include <memory>

namespace
{
struct WorkerResult
{
    int nReads = 0;
    QStringList listWrong;
};

// What a page load does: reads only, from a pool thread, while the GUI thread goes on.
WorkerResult ReadUntilStopped(const QAtomicInt* pStop)
{
    WorkerResult result;
    CDDCUtil& ddc = *CDDCUtil::GetInstance();
    auto expect = [&result](const QString& strWhat, const QString& strValue, const QString& strExpected) {
        ++result.nReads;
        if (strValue != strExpected)
            result.listWrong.append(QStringLiteral("%1: %2").arg(strWhat, strValue));
    };
    while (!pStop->loadAcquire()) {
        expect(QStringLiteral("KVM"), ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_KVM, 0), QStringLiteral("2"));
        expect(QStringLiteral("ICE"), ddc.GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ICE, 0), QStringLiteral("1"));
        expect(QStringLiteral("contrast"), ddc.GetVcp(VCP_CONTRAST), QStringLiteral("40"));
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        if (listMonitors.size() != 2 || ddc.GetCurrentMonitor().strMonitorName.isEmpty())
            result.listWrong.append(QStringLiteral("monitor list"));
    }
    return result;
}

bool IsSelector(const QString& strCode)
{
    return strCode == VCP_EE_SELECT || strCode == VCP_F0_SELECT;
}
bool IsData(const QString& strCode)
{
    return strCode == VCP_EE_DATA || strCode == VCP_F0_DATA;
}
QString DataOf(const QString& strSelector)
{
    return strSelector == VCP_EE_SELECT ? VCP_EE_DATA : VCP_F0_DATA;
}

// The echo of the line "first" dawdles; a line "second" echoed meanwhile is an overlap.
QAtomicInt g_nInFirst(0);
QAtomicInt g_nOverlaps(0);
void DawdlingHandler(QtMsgType, const QMessageLogContext&, const QString& strMessage)
{
    if (strMessage.endsWith(QLatin1String("first"))) {
        g_nInFirst.storeRelease(1);
        QThread::msleep(300);
        g_nInFirst.storeRelease(0);
    } else if (strMessage.endsWith(QLatin1String("second"))) {
        g_nOverlaps.fetchAndAddOrdered(g_nInFirst.loadAcquire());
    }
}
}

// Reads from pool threads, writes, monitor switches and re-detection from the GUI thread, all at
// once: every selector/data pair stays together and every pause keeps others off the monitor.
class TestConcurrency : public QObject
{
    Q_OBJECT
private slots:
    void logLinesOfTwoThreadsNeverOverlap()
    {
        const QtMessageHandler previous = qInstallMessageHandler(DawdlingHandler);
        std::unique_ptr<QThread> pFirst(QThread::create([] { LOG_WRITE(LOG_INFO, QStringLiteral("first")); }));
        std::unique_ptr<QThread> pSecond(QThread::create([] { LOG_WRITE(LOG_INFO, QStringLiteral("second")); }));
        pFirst->start();
        QVERIFY(QTest::qWaitFor([] { return g_nInFirst.loadAcquire() == 1; }, 5000));
        pSecond->start();
        pFirst->wait();
        pSecond->wait();
        qInstallMessageHandler(previous);
        QCOMPARE(g_nOverlaps.loadAcquire(), 0);
    }

    void readsWritesAndDetectionTogether()
    {
        // Both monitors answer the workers' reads alike; the GUI thread writes other features of
        // the same groups, so a read under a foreign selector returns a wrong value.
        const QByteArray baValues = R"("values":{"0xEE/0x08":2,"0xF0/0x0E":1,"0x12":40})";
        QVERIFY(TestSupport::UseSimConfig("{\"monitors\":[{" + baValues + "},{" + baValues + "}]}"));

        CLogCapture log;
        QAtomicInt stop(0);
        QList<QFuture<WorkerResult>> listWorkers;
        for (int i = 0; i < 2; ++i)
            listWorkers.append(QtConcurrent::run(ReadUntilStopped, &stop));

        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        for (int i = 0; i < 40; ++i) {
            ddc.SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_BRIGHTNESS, QString::number(i));
            ddc.SetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_HORIZONTAL, QString::number(i));
            ddc.SetVcp(VCP_BRIGHTNESS, QString::number(i));
            if (i % 8 == 3)
                ddc.Init();
            ddc.SetCurrentMonitor(i % 2);
        }
        // Let the workers run against the last selection once more, then stop them.
        QTest::qWait(50);
        stop.storeRelease(1);

        int nReads = 0;
        for (QFuture<WorkerResult>& worker : listWorkers) {
            const WorkerResult result = worker.result();
            nReads += result.nReads;
            QVERIFY2(result.listWrong.isEmpty(), qPrintable(result.listWrong.join(QLatin1String("; "))));
        }
        QVERIFY(nReads > 0);
        // Every transfer left its Debug line, whichever thread made it.
        int nSubWrites = 0;
        int nReadLines = 0;
        for (const QString& strLine : log.Lines()) {
            nSubWrites += strLine.contains(QLatin1String("] [Debug   ] CDDCUtil::SetSubVcp(): ")) ? 1 : 0;
            nReadLines += strLine.contains(QLatin1String("] [Debug   ] CDDCUtil::GetSubVcp(): "))
                    || strLine.contains(QLatin1String("] [Debug   ] CDDCUtil::GetVcp(): "))
                ? 1
                : 0;
        }
        QCOMPARE(nSubWrites, 2 * 2 * 40);
        QCOMPARE(nReadLines, nReads);
        QCOMPARE(log.CountLevel(LOG_ERROR), 0);

        const QStringList listLines = TestSupport::Transcript();
        const QList<qint64> listTimes = TestSupport::Sim()->TranscriptTimes();
        QCOMPARE(listTimes.size(), listLines.size());
        int nPairs = 0;
        for (int i = 0; i < listLines.size(); ++i) {
            const QStringList listParts = listLines.at(i).split(QLatin1Char(' '));
            if (listParts.size() < 3)
                continue;   // RESET
            const QString& strCode = listParts.at(2);
            const QString strWhere = QStringLiteral("line %1: %2").arg(i).arg(listLines.at(i));
            if (IsSelector(strCode)) {
                // The very next transfer is this selector's data, on the same monitor.
                const QStringList listNext = listLines.value(i + 1).split(QLatin1Char(' '));
                QVERIFY2(listNext.size() >= 3 && listNext.at(1) == listParts.at(1) && listNext.at(2) == DataOf(strCode),
                         qPrintable(strWhere + QStringLiteral(" followed by ") + listLines.value(i + 1)));
                ++nPairs;
            } else if (IsData(strCode)) {
                const QStringList listPrevious = listLines.value(i - 1).split(QLatin1Char(' '));
                QVERIFY2(listPrevious.size() >= 3 && IsSelector(listPrevious.at(2)), qPrintable(strWhere));
            }
            // Pauses after writes belong to the writer: nobody else reaches the monitor meanwhile.
            if (i + 1 < listLines.size() && listParts.at(0) == QLatin1String("SET") && !IsSelector(strCode)) {
                const qint64 nMinimum = IsData(strCode) ? 9900 : 4900;
                QVERIFY2(listTimes.at(i + 1) - listTimes.at(i) >= nMinimum,
                         qPrintable(strWhere + QStringLiteral(", next after %1 us").arg(listTimes.at(i + 1) - listTimes.at(i))));
            }
        }
        QVERIFY(nPairs > 80);
        QVERIFY(listLines.contains(QStringLiteral("RESET")));
    }
};

QTEST_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
