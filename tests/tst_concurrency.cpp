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
// What a page load does: reads only, from a pool thread, while the GUI thread goes on. Returns
// the wrong answers.
QStringList ReadUntilStopped(const QAtomicInt* pStop)
{
    CDDCUtil& ddc = *CDDCUtil::GetInstance();
    QStringList listWrong;
    while (!pStop->loadAcquire()) {
        const QString strValues = ddc.GetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_KVM, 0) + QLatin1Char(' ')
            + ddc.GetSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ICE, 0) + QLatin1Char(' ') + ddc.GetVcp(VCP_CONTRAST);
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        if (strValues != QLatin1String("2 1 40") || listMonitors.size() != 2 || ddc.GetCurrentMonitor().strMonitorName.isEmpty())
            listWrong.append(strValues);
    }
    return listWrong;
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
        QList<QFuture<QStringList>> listWorkers{QtConcurrent::run(ReadUntilStopped, &stop), QtConcurrent::run(ReadUntilStopped, &stop)};
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
        for (QFuture<QStringList>& worker : listWorkers)
            QVERIFY2(worker.result().isEmpty(), qPrintable(worker.result().join(QLatin1String("; "))));
        QCOMPARE(log.CountLevel(LOG_ERROR), 0);

        const QStringList listLines = TestSupport::Transcript();
        const QList<qint64> listTimes = TestSupport::Sim()->TranscriptTimes();
        QVERIFY(listLines.contains(QStringLiteral("RESET")));
        const QHash<QString, QString> hashDataOf{{VCP_EE_SELECT, VCP_EE_DATA}, {VCP_F0_SELECT, VCP_F0_DATA}};
        int nPairs = 0;
        for (int i = 0; i + 1 < listLines.size(); ++i) {
            // "SET 1 0xF0 14": what, monitor, code; RESET has none.
            const QStringList listThis = (listLines.at(i) + "  ").split(' ');
            const QStringList listNext = (listLines.at(i + 1) + "  ").split(' ');
            const QString strWhere = QStringLiteral("line %1: %2, then %3").arg(i).arg(listLines.at(i), listLines.at(i + 1));
            const QString strData = hashDataOf.value(listThis.at(2));
            if (!strData.isEmpty()) {
                // The very next transfer is this selector's data, on the same monitor.
                QVERIFY2(listNext.at(1) == listThis.at(1) && listNext.at(2) == strData, qPrintable(strWhere));
                ++nPairs;
                continue;
            }
            const bool bData = hashDataOf.values().contains(listThis.at(2));
            QVERIFY2(!hashDataOf.values().contains(listNext.at(2)), qPrintable(strWhere));
            // Pauses after writes belong to the writer: nobody else reaches the monitor meanwhile.
            const qint64 nGap = listTimes.at(i + 1) - listTimes.at(i);
            if (listThis.at(0) == QLatin1String("SET"))
                QVERIFY2(nGap >= (bData ? 9900 : 4900), qPrintable(strWhere + QStringLiteral(" after %1 us").arg(nGap)));
        }
        QVERIFY(nPairs > 80);   // the writes' own 80 and some reads
    }
};

QTEST_MAIN(TestConcurrency)
#include "tst_concurrency.moc"
