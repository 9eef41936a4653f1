#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeDdcRig.h"

#include <QElapsedTimer>
#include <QPluginLoader>
#include <QtTest>

#include <cerrno>

namespace
{
QString DeviceId(int nBus)
{
    return QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-%1&UID%1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}").arg(nBus);
}

DdcTimings Timings(int nGapMs, int nHoldMs = 2000, int nReadWaitMs = 5000)
{
    DdcTimings timings = CFakeDdcRig::FastTimings();
    timings.nMessageGapMs = nGapMs;
    timings.nSelectorHoldMs = nHoldMs;
    timings.nReadWaitMs = nReadWaitMs;
    return timings;
}

// The plug-in over the rig's displays; nId is the display on bus 5.
struct Rig : CFakeDdcRig
{
    std::unique_ptr<CDdcciMonitorControl> pControl;
    int nId = -1;

    explicit Rig(const DdcTimings& timings = FastTimings())
        : pControl(std::make_unique<CDdcciMonitorControl>([this](int nBus) { return Bus(nBus); }, timings))
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
    bool Idle() { return pControl->WaitIdle(10000); }
};
}

// The plug-in's queueing: what reaches a simulated display, in which order, and who waits.
class TestDdcciWorker : public QObject
{
    Q_OBJECT
private slots:
    // Calls: "0x10=1" writes, "0xF2?" reads, "idle" waits for the queue, "nap" sleeps long enough
    // for the worker to take a job it could take, "sent" waits for a write to arrive, "!0xF0"
    // fails that code's writes; "|" hands over between this thread and a second one, as a page
    // load reads from a pool thread. Then what reached the display and what was read.
    void calls_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("reads");
        QTest::newRow("writes in the pause merge") << 1000 << 2000 << "0x10=1 idle 0x10=2 nap 0x10=3" << "OPEN 0x10=1 0x10=3" << "";
        // A write merges into the last queued one only: merging past another would reorder.
        QTest::newRow("runs merge, and no further") << 250 << 2000 << "0x10=1 0x12=1 0x10=2 0x12=2 0x10=3 0x10=4 0xEE=1 0xEF=10 0xEE=2 0xEF=20"
                                                   << "OPEN 0x10=1 0x12=1 0x10=2 0x12=2 0x10=4 0xEE=1 0xEF=10 0xEE=2 0xEF=20" << "";
        // A selector waits for the data call of its own thread.
        QTest::newRow("pairs of two threads") << 1 << 2000 << "0xEE=1 | 0xEE=2 0xEF=20 | 0xEF=10 | 0xF0=3 | 0xF0=4 0xF2=5 | 0xF2?"
                                              << "OPEN 0xEE=2 0xEF=20 0xEE=1 0xEF=10 0xF0=4 0xF2=5 0xF0=3 0xF2?" << "77";
        QTest::newRow("reads see earlier writes") << 20 << 2000 << "0x12=1 0xE7=1 0x12=2 0x10=42 0xF0=9 0xF2=43 | 0x10? 0xF0=9 0xF2?"
                                                  << "OPEN 0x12=1 0xE7=1 0x12=2 0x10=42 0xF0=9 0xF2=43 0x10? 0xF0=9 0xF2?" << "42 43";
        // Nothing queued before a reset is lost or merged past it; the device is opened again.
        QTest::newRow("reset between a selector and its data") << 30 << 2000 << "0x12=7 0x10=2 | 0xF0=3 | reset 0xF0=9 0xF2=60 0x10=99 | 0xF2?"
                                                               << "OPEN 0x12=7 0x10=2 OPEN 0xF0=9 0xF2=60 0x10=99 0xF0=3 0xF2?" << "77";
        // Its data call, coming late, still addresses the sub-code it was meant for.
        QTest::newRow("lone selector goes alone") << 1 << 300 << "0xEE=5 sent 0xEF=1" << "OPEN 0xEE=5 0xEE=5 0xEF=1" << "";
        QTest::newRow("failed selector blocks its data") << 1 << 2000 << "!0xF0 0xF0=9 0xF2=5 0xF0=3 0xF2?" << "OPEN" << "-1";
        QTest::newRow("bad values and codes") << 1 << 2000 << "0x10=70000 0x10=-5 brightness=5 0xZZ? 0x10?" << "OPEN 0x10?" << "-1 80";
    }
    void calls()
    {
        QFETCH(int, gapMs);
        QFETCH(int, holdMs);
        QFETCH(QString, calls);
        Rig rig(Timings(gapMs, holdMs));
        QStringList listReads;
        auto run = [&rig, &listReads](const QString& strCalls) {
            for (const QString& strCall : strCalls.split(' ', Qt::SkipEmptyParts)) {
                if (strCall == "idle")
                    QVERIFY(rig.Idle());
                else if (strCall == "nap")
                    QThread::msleep(100);
                else if (strCall == "sent")
                    QTRY_VERIFY_WITH_TIMEOUT(!rig.Monitor().Sets().isEmpty(), 5000);
                else if (strCall == "reset")
                    rig.pControl->Reset();
                else if (strCall.startsWith('!'))
                    rig.Monitor().FailWritesOfCode(strCall.mid(3).toInt(nullptr, 16), ENXIO);
                else if (strCall.endsWith('?'))
                    listReads.append(rig.Get(strCall.chopped(1)));
                else
                    rig.Set(strCall.section('=', 0, 0), strCall.section('=', 1).toInt());
            }
        };
        QThread second;
        QObject inSecond;
        inSecond.moveToThread(&second);
        second.start();
        const QStringList listParts = calls.split('|');
        for (int i = 0; i < listParts.size(); ++i) {
            if (i % 2 == 0)
                run(listParts.at(i));
            else
                QMetaObject::invokeMethod(&inSecond, [&run, &listParts, i] { run(listParts.at(i)); }, Qt::BlockingQueuedConnection);
        }
        second.quit();
        second.wait();
        QVERIFY(rig.Idle());
        QStringList listDisplay;   // in the notation of the calls
        for (const QString& strLine : rig.Monitor().Log())
            listDisplay.append(strLine.startsWith("SET") ? strLine.section(' ', 1, 1) + '=' + strLine.section(' ', 2)
                               : strLine.startsWith("GET") ? strLine.section(' ', 1) + '?' : strLine);
        QTEST(listDisplay.join(' '), "display");
        QTEST(listReads.join(' '), "reads");
    }

    void hungBusDoesNotHoldCallers()
    {
        Rig rig(Timings(1, 2000, 300));
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
        QVERIFY(rig.Idle());
        QCOMPARE(rig.Get("0x10"), QStringLiteral("33"));
    }

    void monitorIds()
    {
        Rig rig;
        CDdcciMonitorControl& control = *rig.pControl;
        const QList<int> listIds{rig.nId, control.GetMonitorIndex(DeviceId(5).toLower()), control.GetMonitorIndex(DeviceId(6)),
                                 control.GetMonitorIndex(DeviceId(5).replace("card0-DP-5&UID5", "5&2b8d3e4&0&UID4353")),
                                 control.GetMonitorIndex(QString())};
        QCOMPARE(listIds, (QList<int>{0, 0, 1, -1, -1}));
        // Unknown ids reach no display.
        control.SetVcp(-1, "0x10", 1);
        QCOMPARE(control.GetVcp(-1, "0x10") + control.GetVcp(7, "0x10"), QStringLiteral("-1-1"));
        QVERIFY(rig.Idle());
        QCOMPARE(rig.Monitor().Log(), QStringList());
    }

    void pluginFileServesTheInterface()
    {
        // The built plug-in file, loaded as the client loads it; the bus does not exist.
        QPluginLoader loader(QStringLiteral(DDCCI_PLUGIN_FILE));
        auto* pPlugin = qobject_cast<CMonitorCtrlInterface*>(loader.instance());
        QVERIFY2(pPlugin, qPrintable(loader.errorString()));
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
