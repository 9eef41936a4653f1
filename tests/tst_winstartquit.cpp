#include "tests/support/ClientProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

// The real client on Windows (under Wine in CI): it starts with the simulated monitors, logs its
// banner and their names, loads the first page, and a second copy finds it through the named
// pipe and ends with 0. tst_startup and tst_singleinstance cover the same on other systems.
class TestWinStartQuit : public QObject
{
    Q_OBJECT
private slots:
    void startsLoadsFirstPageAndSecondCopyEnds()
    {
#ifndef Q_OS_WIN
        QSKIP("Windows named pipes; tst_singleinstance covers Unix sockets");
#else
        const int nTimeoutMs = 60000;
        TestSupport::CClientCopy first;
        QVERIFY(first.IsValid());
        QFile config(first.Dir() + QStringLiteral("/plugins/Monitor.sim.json"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("{\"transcript\":\"transcript.log\",\"monitors\":[{},{}]}");
        config.close();
        const QProcessEnvironment env = TestSupport::ClientEnvironment(QString(), QString());
        TestSupport::CClientRun runFirst(first, env);

        // The first page reads its codes from the current monitor (id 0).
        const auto pageReads = [&first] {
            QFile transcript(first.Dir() + QStringLiteral("/plugins/transcript.log"));
            return transcript.open(QIODevice::ReadOnly) ? transcript.readAll().count("GET 0 ") : 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(pageReads() >= 5, nTimeoutMs);
        const QStringList listLog = first.LogLines();
        QCOMPARE(listLog.value(1), QStringLiteral("********************* Zavo Monitor Client Running Log **********************"));
        QCOMPARE(listLog.filter(QRegularExpression(QStringLiteral("Monitor Name: ZVO SIM\\d,"))).size(), 2);
        QVERIFY(runFirst.IsRunning());

        TestSupport::CClientCopy second;
        TestSupport::CClientRun runSecond(second, env);
        QVERIFY2(runSecond.FinishedWithZero(nTimeoutMs), qPrintable(runSecond.Output()));
        QVERIFY2(runSecond.Output().contains(QLatin1String("ZVOZavoClient already running.")), qPrintable(runSecond.Output()));
        QVERIFY(!QFileInfo::exists(second.Dir() + QStringLiteral("/logs")));
        QVERIFY(runFirst.IsRunning());
#endif
    }
};

QTEST_MAIN(TestWinStartQuit)
#include "tst_winstartquit.moc"
