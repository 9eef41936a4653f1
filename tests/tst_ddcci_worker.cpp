#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeDdcRig.h"

#include <QElapsedTimer>
#include <QPluginLoader>
#include <QRandomGenerator>
#include <QtTest>

#include <cerrno>
#include <future>
#include <thread>

namespace
{
QString DeviceId(int nBus)
{
    return QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-%1&UID%1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}").arg(nBus);
}

DdcTimings Timings(int DdcTimings::*pField, int nMs)
{
    DdcTimings timings = CFakeDdcRig::FastTimings();
    timings.*pField = nMs;
    return timings;
}

// The plug-in over the rig's displays; nId is the display on bus 5.
struct Rig : CFakeDdcRig
{
    std::unique_ptr<CDdcciMonitorControl> pControl;
    int nId = -1;

    explicit Rig(int nTransferMs = 0, const DdcTimings& timings = FastTimings())
        : CFakeDdcRig(nTransferMs)
        , pControl(std::make_unique<CDdcciMonitorControl>([this](int nBus) { return Bus(nBus); }, timings))
        , nId(pControl->GetMonitorIndex(DeviceId(5)))
    {
    }
    ~Rig()
    {
        ReleaseAll();
        pControl.reset();
    }
    void Set(const QString& strCode, int nValue) { pControl->SetVcp(nId, strCode, nValue); }
    QString Get(const QString& strCode) { return pControl->GetVcp(nId, strCode); }
};
}

// The plug-in's queueing: what reaches a simulated display, in which order, and who waits.
class TestDdcciWorker : public QObject
{
    Q_OBJECT
private slots:
    void writesMergeOnlyWithinARun()
    {
        // Runs of writes to three features, each value its call number; the bus needs 20 ms a
        // write (6 s for all), so the caller must not wait for it.
        Rig rig(20);
        QRandomGenerator random(1234);
        const QStringList listCodes{"0x10", "0x12", "0xE7"};
        QList<int> listCallCode{-1};
        QElapsedTimer timer;
        timer.start();
        for (int nCall = 1, nCode = 0; nCall <= 300;) {
            nCode = (nCode + 1 + random.bounded(2)) % 3;
            for (int nRun = random.bounded(1, 9); nRun > 0 && nCall <= 300; --nRun, ++nCall) {
                rig.Set(listCodes.at(nCode), nCall);
                listCallCode.append(nCode);
            }
            if (random.bounded(4) == 0)
                QThread::msleep(5);
        }
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(rig.pControl->WaitIdle(10000));

        // In call order, the last call of every run sent, most others merged.
        QList<int> listSent;
        for (const QString& strLine : rig.Monitor().Sets())
            listSent.append(strLine.section(' ', 2).toInt());
        for (int i = 1; i < listSent.size(); ++i)
            QVERIFY(listSent.at(i - 1) < listSent.at(i));
        for (int nCall = 1; nCall <= 300; ++nCall) {
            if (nCall == 300 || listCallCode.at(nCall) != listCallCode.at(nCall + 1))
                QVERIFY2(listSent.contains(nCall), qPrintable(QString::number(nCall)));
        }
        QVERIFY2(listSent.size() < 200, qPrintable(QString::number(listSent.size())));
    }

    void writesDuringThePauseGoOutTogether()
    {
        // While the display's pause after a message runs, the next write stays open to merging.
        Rig rig(0, Timings(&DdcTimings::nMessageGapMs, 1000));
        rig.Set("0x10", 1);
        QVERIFY(rig.pControl->WaitIdle(5000));
        rig.Set("0x10", 2);
        QThread::msleep(100);   // long enough for the worker to have taken a job it could take
        rig.Set("0x10", 3);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Sets(), (QStringList{"SET 0x10 1", "SET 0x10 3"}));
    }

    void pairsAreNeverSplit()
    {
        Rig rig(1);
        auto writer = [&rig](const char* szSelector, const char* szData, int nSubCode, int nBase) {
            for (int i = 0; i < 100; ++i) {
                rig.Set(QString::fromLatin1(szSelector), nSubCode);
                std::this_thread::yield();
                rig.Set(QString::fromLatin1(szData), nBase + i);
                if (nBase == 3000)
                    rig.Set("0x10", i);
            }
        };
        std::atomic<int> nBadReads{0};
        auto reader = [&rig, &nBadReads] {
            for (int i = 0; i < 30; ++i) {
                rig.Set("0xF0", 3);
                std::this_thread::yield();
                nBadReads += rig.Get("0xF2") != QLatin1String("77");
            }
        };
        std::thread threadA(writer, "0xEE", "0xEF", 1, 1000);
        std::thread threadB(writer, "0xEE", "0xEF", 2, 2000);
        std::thread threadD(writer, "0xF0", "0xF2", 4, 3000);
        std::thread threadC(reader);
        for (std::thread* pThread : {&threadA, &threadB, &threadC, &threadD})
            pThread->join();
        QVERIFY(rig.pControl->WaitIdle(10000));

        QCOMPARE(nBadReads.load(), 0);
        const QStringList listLog = rig.Monitor().Log();
        for (int i = 1; i < listLog.size(); ++i) {
            const QString& strLine = listLog.at(i);
            if (strLine.startsWith("SET 0xEF "))
                QCOMPARE(listLog.at(i - 1), QLatin1String(strLine.section(' ', 2).toInt() < 2000 ? "SET 0xEE 1" : "SET 0xEE 2"));
            else if (strLine.startsWith("SET 0xF2 "))
                QCOMPARE(listLog.at(i - 1), QStringLiteral("SET 0xF0 4"));
            else if (strLine == "GET 0xF2")
                QCOMPARE(listLog.at(i - 1), QStringLiteral("SET 0xF0 3"));
        }
        const QList<int> listLast{rig.Monitor().SubValue(0xEE, 1), rig.Monitor().SubValue(0xEE, 2),
                                  rig.Monitor().SubValue(0xF0, 4), rig.Monitor().Value(0x10)};
        QCOMPARE(listLast, (QList<int>{1099, 2099, 3099, 99}));
    }

    void readSeesEarlierWrites()
    {
        Rig rig(20);
        for (int i = 1; i <= 5; ++i) {
            rig.Set("0x12", i);
            rig.Set("0xE7", i);
        }
        rig.Set("0x10", 42);
        rig.Set("0xF0", 9);
        rig.Set("0xF2", 43);
        // A page load reads from a pool thread.
        std::future<QString> future = std::async(std::launch::async, [&rig] {
            const QString strPlain = rig.Get("0x10");
            rig.Set("0xF0", 9);
            return strPlain + QLatin1Char(' ') + rig.Get("0xF2");
        });
        QCOMPARE(future.get(), QStringLiteral("42 43"));
    }

    void resetKeepsPendingWritesAndPairs()
    {
        Rig rig(30);
        rig.Set("0x12", 7);
        for (int i = 1; i <= 20; ++i)
            rig.Set("0x10", i);
        // A reader between its selector and its data when another thread resets.
        std::promise<void> selected;
        std::promise<void> reset;
        std::future<QString> future = std::async(std::launch::async, [&] {
            rig.Set("0xF0", 3);
            selected.set_value();
            reset.get_future().wait();
            return rig.Get("0xF2");
        });
        selected.get_future().wait();
        rig.pControl->Reset();
        rig.Set("0xF0", 9);
        rig.Set("0xF2", 60);
        rig.Set("0x10", 99);
        reset.set_value();
        QCOMPARE(future.get(), QStringLiteral("77"));
        QVERIFY(rig.pControl->WaitIdle(5000));
        // Nothing queued before the reset was lost or merged past it; the device was opened again.
        const QList<int> listAfter{rig.Monitor().SubValue(0xF0, 9), rig.Monitor().SubValue(0xF0, 3), rig.Monitor().Value(0x12),
                                   rig.Monitor().Value(0x10), rig.Monitor().Count("SET 0x10 20"), rig.Monitor().Opens()};
        QCOMPARE(listAfter, (QList<int>{60, 77, 7, 99, 1, 2}));
    }

    void failedSelectorBlocksItsData()
    {
        Rig rig;
        rig.Monitor().FailWritesOfCode(0xF0, ENXIO);
        rig.Set("0xF0", 9);
        rig.Set("0xF2", 5);
        rig.Set("0xF0", 3);
        QCOMPARE(rig.Get("0xF2"), QStringLiteral("-1"));
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().SubValue(0xF0, 9), 50);
        QVERIFY(!rig.Monitor().Log().join(',').contains("0xF2"));
    }

    void hungBusDoesNotHoldCallers()
    {
        Rig rig(0, Timings(&DdcTimings::nReadWaitMs, 300));
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilReleased);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(rig.Get("0x10"), QStringLiteral("-1"));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        timer.restart();
        rig.Set("0x10", 33);
        QVERIFY(timer.elapsed() < 500);
        // The other monitor has its own bus and thread.
        QCOMPARE(rig.pControl->GetVcp(rig.pControl->GetMonitorIndex(DeviceId(6)), "0x10"), QStringLiteral("80"));

        rig.Monitor().Release();
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Get("0x10"), QStringLiteral("33"));
    }

    void loneSelectorIsSentLater()
    {
        Rig rig(0, Timings(&DdcTimings::nSelectorHoldMs, 300));
        rig.Set("0xEE", 5);
        QTRY_VERIFY_WITH_TIMEOUT(rig.Monitor().Sets().contains("SET 0xEE 5"), 5000);
        // Its data call, coming late, still addresses the sub-code it was meant for.
        rig.Set("0xEF", 1);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Sets(), (QStringList{"SET 0xEE 5", "SET 0xEE 5", "SET 0xEF 1"}));
    }

    void idsAndBadInput()
    {
        Rig rig;
        rig.Monitor().SetUnsupported(0x62, CFakeDdcMonitor::EUnsupportedStyle::NullMessage);
        const QList<int> listIds{rig.nId, rig.pControl->GetMonitorIndex(DeviceId(5).toLower()),
                                 rig.pControl->GetMonitorIndex(DeviceId(6)),
                                 rig.pControl->GetMonitorIndex("\\\\?\\DISPLAY#ZVO27A1#5&2b8d3e4&0&UID4353#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"),
                                 rig.pControl->GetMonitorIndex(QString())};
        QCOMPARE(listIds, (QList<int>{0, 0, 1, -1, -1}));
        const QStringList listReads{rig.pControl->GetVcp(-1, "0x10"), rig.pControl->GetVcp(7, "0x10"), rig.Get("0xZZ"),
                                    rig.Get("0x62"), rig.Get("0x10")};
        QCOMPARE(listReads, (QStringList{"-1", "-1", "-1", "-1", "80"}));
        rig.pControl->SetVcp(-1, "0x10", 1);
        rig.Set("0x10", 70000);
        rig.Set("0x10", -5);
        rig.Set("brightness", 5);
        rig.pControl->Reset();
        QVERIFY(rig.pControl->WaitIdle(5000));
        QVERIFY(rig.Monitor().Sets().isEmpty());
    }

    void pluginFileServesTheInterface()
    {
        // The built plug-in file, loaded as the client loads it; the bus does not exist.
        QPluginLoader loader(QStringLiteral(DDCCI_PLUGIN_FILE));
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto* pPlugin = qobject_cast<CMonitorCtrlInterface*>(loader.instance());
        QVERIFY(pPlugin);
        const int nId = pPlugin->GetMonitorIndex(DeviceId(65000));
        QCOMPARE(nId, 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("/dev/i2c-65000 does not exist.*modprobe i2c-dev"));
        QCOMPARE(pPlugin->GetVcp(nId, "0x10"), QStringLiteral("-1"));
        pPlugin->SetVcp(nId, "0x10", 50);
        pPlugin->Reset();
        QCOMPARE(pPlugin->GetVcp(nId, "0x10"), QStringLiteral("-1"));
        delete pPlugin;
    }
};

QTEST_GUILESS_MAIN(TestDdcciWorker)
#include "tst_ddcci_worker.moc"
