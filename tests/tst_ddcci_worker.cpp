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

// The plug-in over the rig's displays.
struct Rig : CFakeDdcRig
{
    std::unique_ptr<CDdcciMonitorControl> pControl;
    int nId = -1;

    explicit Rig(const DdcTimings& timings = FastTimings(), int nTransferMs = 0)
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
};

// Index of each "SET <code> <value>" line when values are unique call numbers.
QList<int> SetValues(const QStringList& listSets)
{
    QList<int> list;
    for (const QString& strLine : listSets)
        list.append(strLine.section(' ', 2).toInt());
    return list;
}
}

// The plug-in's queueing: what reaches a simulated display, in which order, and who waits.
class TestDdcciWorker : public QObject
{
    Q_OBJECT
private slots:
    void sliderDragCoalesces()
    {
        Rig rig(CFakeDdcRig::FastTimings(), 20);
        QElapsedTimer timer;
        timer.start();
        qint64 nLongest = 0;
        for (int i = 1; i <= 100; ++i) {
            const qint64 nStart = timer.nsecsElapsed();
            rig.pControl->SetVcp(rig.nId, "0x10", i);
            nLongest = qMax(nLongest, timer.nsecsElapsed() - nStart);
        }
        // The bus needs over 2 s for 100 writes; the caller must not have waited for it.
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(nLongest < 500 * 1000 * 1000);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Value(0x10), 100);
        const QStringList listSets = rig.Monitor().Sets();
        QCOMPARE(listSets.last(), QStringLiteral("SET 0x10 100"));
        QVERIFY2(listSets.size() <= 30, qPrintable(listSets.join(", ")));
    }

    void writesDuringThePauseGoOutTogether()
    {
        // While the display's pause after a message runs, the next write stays open to merging.
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nMessageGapMs = 1000;
        Rig rig(timings);
        rig.pControl->SetVcp(rig.nId, "0x10", 1);
        QVERIFY(rig.pControl->WaitIdle(5000));
        rig.pControl->SetVcp(rig.nId, "0x10", 2);
        QThread::msleep(100);   // long enough for the worker to have taken a job it could take
        rig.pControl->SetVcp(rig.nId, "0x10", 3);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Sets(), (QStringList{"SET 0x10 1", "SET 0x10 3"}));
    }

    void mergesOnlyWithinARun()
    {
        // Runs of writes to three features; every value is its call number.
        Rig rig(CFakeDdcRig::FastTimings(), 3);
        QRandomGenerator random(1234);
        const QStringList listCodes{"0x10", "0x12", "0xE7"};
        QList<int> listCallCode;
        int nCode = 0;
        for (int nCall = 1; nCall <= 300;) {
            nCode = (nCode + 1 + random.bounded(2)) % 3;
            for (int nRun = random.bounded(1, 9); nRun > 0 && nCall <= 300; --nRun, ++nCall) {
                rig.pControl->SetVcp(rig.nId, listCodes.at(nCode), nCall);
                listCallCode.append(nCode);
            }
            if (random.bounded(4) == 0)
                QThread::msleep(5);
        }
        QVERIFY(rig.pControl->WaitIdle(10000));

        const QList<int> listSent = SetValues(rig.Monitor().Sets());
        // In call order, and the last call of every run is sent.
        for (int i = 1; i < listSent.size(); ++i)
            QVERIFY(listSent.at(i - 1) < listSent.at(i));
        for (int nCall = 1; nCall <= 300; ++nCall) {
            const bool bLastOfRun = nCall == 300 || listCallCode.at(nCall) != listCallCode.at(nCall - 1);
            if (bLastOfRun)
                QVERIFY2(listSent.contains(nCall), qPrintable(QString::number(nCall)));
        }
        QVERIFY(listSent.size() < 300);
    }

    void pairsAreNeverSplit()
    {
        Rig rig(CFakeDdcRig::FastTimings(), 1);
        CDdcciMonitorControl* pControl = rig.pControl.get();
        const int nId = rig.nId;
        auto writer = [pControl, nId](const char* szSelector, const char* szData, int nSubCode, int nBase) {
            for (int i = 0; i < 100; ++i) {
                pControl->SetVcp(nId, QString::fromLatin1(szSelector), nSubCode);
                std::this_thread::yield();
                pControl->SetVcp(nId, QString::fromLatin1(szData), nBase + i);
                if (nBase == 3000)
                    pControl->SetVcp(nId, "0x10", i);
            }
        };
        std::atomic<int> nBadReads{0};
        auto reader = [pControl, nId, &nBadReads] {
            for (int i = 0; i < 30; ++i) {
                pControl->SetVcp(nId, "0xF0", 3);
                std::this_thread::yield();
                if (pControl->GetVcp(nId, "0xF2") != QLatin1String("77"))
                    ++nBadReads;
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
        for (int i = 0; i < listLog.size(); ++i) {
            const QString& strLine = listLog.at(i);
            const QString strBefore = i > 0 ? listLog.at(i - 1) : QString();
            if (strLine.startsWith("SET 0xEF ")) {
                const int nValue = strLine.section(' ', 2).toInt();
                QCOMPARE(strBefore, nValue < 2000 ? QStringLiteral("SET 0xEE 1") : QStringLiteral("SET 0xEE 2"));
            } else if (strLine.startsWith("SET 0xF2 ")) {
                QCOMPARE(strBefore, QStringLiteral("SET 0xF0 4"));
            } else if (strLine == "GET 0xF2") {
                QCOMPARE(strBefore, QStringLiteral("SET 0xF0 3"));
            }
        }
        QCOMPARE(rig.Monitor().SubValue(0xEE, 1), 1099);
        QCOMPARE(rig.Monitor().SubValue(0xEE, 2), 2099);
        QCOMPARE(rig.Monitor().SubValue(0xF0, 4), 3099);
        QCOMPARE(rig.Monitor().Value(0x10), 99);
    }

    void readSeesEarlierWrites_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("subCode");
        QTest::addColumn<QString>("code");
        QTest::newRow("plain") << QString() << 0 << "0x10";
        QTest::newRow("sub-coded") << "0xF0" << 9 << "0xF2";
    }
    void readSeesEarlierWrites()
    {
        QFETCH(QString, selector);
        QFETCH(int, subCode);
        QFETCH(QString, code);
        Rig rig(CFakeDdcRig::FastTimings(), 20);
        CDdcciMonitorControl* pControl = rig.pControl.get();
        const int nId = rig.nId;
        for (int i = 1; i <= 5; ++i) {
            pControl->SetVcp(nId, "0x12", i);
            pControl->SetVcp(nId, "0xE7", i);
        }
        if (!selector.isEmpty())
            pControl->SetVcp(nId, selector, subCode);
        pControl->SetVcp(nId, code, 42);
        // A page load reads from a pool thread.
        std::future<QString> future = std::async(std::launch::async, [=] {
            if (!selector.isEmpty())
                pControl->SetVcp(nId, selector, subCode);
            return pControl->GetVcp(nId, code);
        });
        QCOMPARE(future.get(), QStringLiteral("42"));
    }

    void resetKeepsPendingWrites()
    {
        Rig rig(CFakeDdcRig::FastTimings(), 30);
        rig.pControl->SetVcp(rig.nId, "0x12", 7);
        for (int i = 1; i <= 20; ++i)
            rig.pControl->SetVcp(rig.nId, "0x10", i);
        rig.pControl->Reset();
        rig.pControl->SetVcp(rig.nId, "0x10", 99);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Value(0x12), 7);
        QCOMPARE(rig.Monitor().Value(0x10), 99);
        QVERIFY(rig.Monitor().Sets().contains("SET 0x10 20"));
        // The device was opened again after the reset.
        QCOMPARE(rig.Monitor().Opens(), 2);
    }

    void resetDoesNotSplitAPair()
    {
        Rig rig(CFakeDdcRig::FastTimings(), 5);
        CDdcciMonitorControl* pControl = rig.pControl.get();
        const int nId = rig.nId;
        std::promise<void> selected;
        std::promise<void> reset;
        std::future<QString> future = std::async(std::launch::async, [&, pControl, nId] {
            pControl->SetVcp(nId, "0xF0", 3);
            selected.set_value();
            reset.get_future().wait();
            return pControl->GetVcp(nId, "0xF2");
        });
        selected.get_future().wait();
        pControl->Reset();
        pControl->SetVcp(nId, "0xF0", 9);
        pControl->SetVcp(nId, "0xF2", 60);
        reset.set_value();
        QCOMPARE(future.get(), QStringLiteral("77"));
        QVERIFY(pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().SubValue(0xF0, 9), 60);
        QCOMPARE(rig.Monitor().SubValue(0xF0, 3), 77);
    }

    void unsupportedReadsGiveMinusOne()
    {
        Rig rig;
        rig.Monitor().SetUnsupported(0x62, CFakeDdcMonitor::EUnsupportedStyle::NullMessage);
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0x62"), QStringLiteral("-1"));
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0x10"), QStringLiteral("80"));
    }

    void failedSelectorBlocksItsData()
    {
        Rig rig;
        rig.Monitor().FailWritesOfCode(0xF0, ENXIO);
        rig.pControl->SetVcp(rig.nId, "0xF0", 9);
        rig.pControl->SetVcp(rig.nId, "0xF2", 5);
        rig.pControl->SetVcp(rig.nId, "0xF0", 3);
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0xF2"), QStringLiteral("-1"));
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().SubValue(0xF0, 9), 50);
        QVERIFY(!rig.Monitor().Log().join(',').contains("0xF2"));
    }

    void hungBusDoesNotHoldCallers()
    {
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nReadWaitMs = 300;
        Rig rig(timings);
        const int nOther = rig.pControl->GetMonitorIndex(DeviceId(6));
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilReleased);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0x10"), QStringLiteral("-1"));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        timer.restart();
        rig.pControl->SetVcp(rig.nId, "0x10", 33);
        QVERIFY(timer.elapsed() < 500);
        // The other monitor has its own bus and thread.
        QCOMPARE(rig.pControl->GetVcp(nOther, "0x10"), QStringLiteral("80"));

        rig.Monitor().Release();
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Value(0x10), 33);
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0x10"), QStringLiteral("33"));
    }

    void loneSelectorIsSentLater()
    {
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nSelectorHoldMs = 300;
        Rig rig(timings);
        rig.pControl->SetVcp(rig.nId, "0xEE", 5);
        QTRY_VERIFY_WITH_TIMEOUT(rig.Monitor().Sets().contains("SET 0xEE 5"), 5000);
        // Its data call, coming late, still addresses the sub-code it was meant for.
        rig.pControl->SetVcp(rig.nId, "0xEF", 1);
        QVERIFY(rig.pControl->WaitIdle(5000));
        QCOMPARE(rig.Monitor().Sets(), (QStringList{"SET 0xEE 5", "SET 0xEE 5", "SET 0xEF 1"}));
    }

    void pluginFileServesTheInterface()
    {
        // The built Monitor.dll, loaded as the client loads it; the bus does not exist.
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

    void idsAndBadInput()
    {
        Rig rig;
        QCOMPARE(rig.nId, 0);
        QCOMPARE(rig.pControl->GetMonitorIndex(DeviceId(5)), 0);
        QCOMPARE(rig.pControl->GetMonitorIndex(DeviceId(5).toLower()), 0);
        QCOMPARE(rig.pControl->GetMonitorIndex(DeviceId(6)), 1);
        QCOMPARE(rig.pControl->GetMonitorIndex("\\\\?\\DISPLAY#ZVO27A1#5&2b8d3e4&0&UID4353#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"), -1);
        QCOMPARE(rig.pControl->GetMonitorIndex(QString()), -1);

        QCOMPARE(rig.pControl->GetVcp(-1, "0x10"), QStringLiteral("-1"));
        QCOMPARE(rig.pControl->GetVcp(7, "0x10"), QStringLiteral("-1"));
        QCOMPARE(rig.pControl->GetVcp(rig.nId, "0xZZ"), QStringLiteral("-1"));
        rig.pControl->SetVcp(-1, "0x10", 1);
        rig.pControl->SetVcp(rig.nId, "0x10", 70000);
        rig.pControl->SetVcp(rig.nId, "0x10", -5);
        rig.pControl->SetVcp(rig.nId, "brightness", 5);
        rig.pControl->Reset();
        QVERIFY(rig.pControl->WaitIdle(5000));
        QVERIFY(rig.Monitor().Sets().isEmpty());
        QCOMPARE(rig.Monitor().Value(0x10), 80);
    }
};

QTEST_GUILESS_MAIN(TestDdcciWorker)
#include "tst_ddcci_worker.moc"
