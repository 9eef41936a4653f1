#include "plugins/common/DdcCodec.h"
#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeDdcRig.h"

#include <QtTest>

#include <cerrno>

using EReplyFault = CFakeDdcMonitor::EReplyFault;
using EStatus = CDdcTransport::EStatus;
using EUnsupportedStyle = CFakeDdcMonitor::EUnsupportedStyle;
Q_DECLARE_METATYPE(CDdcTransport::EStatus)

namespace
{
QByteArray Bytes(const char* szHex) { return QByteArray::fromHex(szHex); }

QString DeviceId(int nBus)
{
    return QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-%1&UID%1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}").arg(nBus);
}

// The rig's fast timings with some changed.
DdcTimings Fast(std::initializer_list<std::pair<int DdcTimings::*, int>> listChanges)
{
    DdcTimings timings = CFakeDdcRig::FastTimings();
    for (const auto& change : listChanges)
        timings.*change.first = change.second;
    return timings;
}

// The rig's display on bus 5 through a transport of its own, and through the monitor control
// (id nId) with a worker per bus. Neither opens a bus before its first transfer.
struct Rig : CFakeDdcRig
{
    CDdcTransport transport;
    std::unique_ptr<CDdcciMonitorControl> pControl;
    int nId;

    explicit Rig(const DdcTimings& timings = FastTimings())
        : transport(Bus(), timings)
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
    bool Idle() { return pControl->WaitIdle(10000); }
};

// The retry rows' arg: an EReplyFault, an errno on the reply or on the request, an EUnsupportedStyle.
enum EFault { Corrupt, FailReads, FailWrites, Unsupported };
QStringList s_listWarnings;
}

// The DDC/CI plug-in on simulated displays: message bytes, one display's transfers (pauses,
// retries, failures), and the queueing in front of them: what arrives, in which order, who waits.
class TestDdcciPlugin : public QObject
{
    Q_OBJECT
private slots:
    void codec()
    {
        const QList<QByteArray> listRequests{CDdcCodec::GetVcpRequest(0x10), CDdcCodec::SetVcpRequest(0x10, 50),
                                             CDdcCodec::SetVcpRequest(0x60, 0x1234)};
        QCOMPARE(listRequests, (QList<QByteArray>{Bytes("51 82 01 10 AC"), Bytes("51 84 03 10 00 32 9A"), Bytes("51 84 03 60 12 34 FE")}));
        // Replies to a read of the code, as "<value>/<maximum>" or what is wrong with them.
        const QByteArray baOk = Bytes("6E 88 02 00 10 00 00 64 00 32 F2");
        const QList<QPair<QByteArray, int>> listReplies{
            {Bytes("6E 88 02 00 60 00 00 64 01 2C 9D"), 0x60}, {baOk + "\xFF\xFF", 0x10},   // trailing bytes ignored
            {Bytes("6E 88 02 01 00 00 00 00 00 00 B5"), 0x10}, {Bytes("6E 80 BE 00 00 00 00 00 00 00 00"), 0x10},
            {Bytes("6E 88 02 00 10 00 00 00 00 00 A4"), 0x10}, {Bytes("6E 88 02 00 10 00 00 64 00 32 F3"), 0x10},
            {baOk, 0x12}, {Bytes("6E 88"), 0x10}, {Bytes("6E 08 02 00 10 00 00 64 00 32 72"), 0x10}, {QByteArray(11, '\0'), 0x10},
            {Bytes("6F 88 02 00 10 00 00 64 00 32 F3"), 0x10}, {Bytes("6E 88 03 00 10 00 00 64 00 32 F3"), 0x10}};
        QStringList listParsed;
        for (const auto& reply : listReplies) {
            const CDdcCodec::VcpReply parsed = CDdcCodec::ParseGetVcpReply(reply.first, quint8(reply.second));
            listParsed.append(parsed.eStatus == CDdcCodec::EReplyStatus::Ok ? QStringLiteral("%1/%2").arg(parsed.nValue).arg(parsed.nMax)
                                                                            : CDdcCodec::StatusText(parsed.eStatus));
        }
        QCOMPARE(listParsed, (QStringList{"300/100", "50/100", "unsupported", "null message", "unsupported", "bad checksum",
                                          "reply for another code", "bad length", "bad length", "all-zero reply",
                                          "bad source address", "bad type or result code"}));
        QList<int> listCodes;
        for (const char* szCode : {"0x10", "0Xef", "0x4", "0x100", "10", "0x", "0x-1", "0xZZ", ""})
            listCodes.append(CDdcCodec::CodeFromText(szCode));
        QCOMPARE(listCodes, (QList<int>{0x10, 0xEF, 0x04, -1, -1, -1, -1, -1, -1}));
    }

    void monitorIds()
    {
        // The bus is the UID of a connector's id with the display interface's class.
        QList<int> listBuses;
        for (const QString strEdit :
             {"UID5 UID5", "UID5 uid12", "e6f07b5f-ee97 E6F07B5F-EE97", "UID5 UID", "UID5 UID99999999", "e6f07b5f 00000000", "} }x"})
            listBuses.append(CDdcciMonitorControl::BusFromDeviceId(DeviceId(5).replace(strEdit.section(' ', 0, 0), strEdit.section(' ', 1))));
        QCOMPARE(listBuses, (QList<int>{5, 12, 5, -1, -1, -1, -1}));
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

    // Which failures are asked again, how often, and after which pauses (30, 60, 90, 120 ms).
    void retryRules_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("arg");
        QTest::addColumn<int>("times");
        QTest::addColumn<EStatus>("status");
        QTest::addColumn<int>("attempts");
        QTest::newRow("bad checksum once") << int(Corrupt) << int(EReplyFault::BadChecksum) << 1 << EStatus::Ok << 2;
        QTest::newRow("all-zero reply once") << int(Corrupt) << int(EReplyFault::AllZero) << 1 << EStatus::Ok << 2;
        QTest::newRow("null message once") << int(Corrupt) << int(EReplyFault::NullMessage) << 1 << EStatus::Ok << 2;
        QTest::newRow("EIO on the request") << int(FailWrites) << EIO << 1 << EStatus::Ok << 2;
        QTest::newRow("EREMOTEIO on the reply") << int(FailReads) << EREMOTEIO << 1 << EStatus::Ok << 2;
        QTest::newRow("ENXIO on the reply") << int(FailReads) << ENXIO << 1 << EStatus::Ok << 2;
        QTest::newRow("bad checksum every time") << int(Corrupt) << int(EReplyFault::BadChecksum) << 1000 << EStatus::Failed << 5;
        QTest::newRow("EIO every time") << int(FailReads) << EIO << 1000 << EStatus::Failed << 5;
        QTest::newRow("EBUSY") << int(FailWrites) << EBUSY << 1000 << EStatus::Failed << 1;
        QTest::newRow("EBADF") << int(FailWrites) << EBADF << 1000 << EStatus::Failed << 1;
        QTest::newRow("reply for another code") << int(Corrupt) << int(EReplyFault::WrongCode) << 1 << EStatus::Failed << 1;
        // A Null reply may only mean "not ready yet"; the others are answers.
        QTest::newRow("unsupported: result code") << int(Unsupported) << int(EUnsupportedStyle::ResultCode) << 0 << EStatus::Unsupported << 1;
        QTest::newRow("unsupported: null message") << int(Unsupported) << int(EUnsupportedStyle::NullMessage) << 0 << EStatus::Unsupported << 5;
        QTest::newRow("unsupported: zero values") << int(Unsupported) << int(EUnsupportedStyle::ZeroValues) << 0 << EStatus::Unsupported << 1;
    }
    void retryRules()
    {
        QFETCH(int, fault);
        QFETCH(int, arg);
        QFETCH(int, times);
        QFETCH(EStatus, status);
        QFETCH(int, attempts);
        Rig rig(Fast({{&DdcTimings::nRetryPauseMs, 30}}));
        CFakeDdcMonitor& monitor = rig.Monitor();
        fault == Corrupt ? monitor.CorruptNextReplies(EReplyFault(arg), times)
            : fault == FailReads ? monitor.FailNextReads(arg, times)
            : fault == FailWrites ? monitor.FailNextWrites(arg, times) : monitor.SetUnsupported(0x10, EUnsupportedStyle(arg));
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.transport.GetVcp(0x10);
        QVERIFY2(result.eStatus == status, qPrintable(result.strWhy));
        QCOMPARE(QList<int>({result.nAttempts, result.nValue}), (QList<int>{attempts, status == EStatus::Ok ? 80 : -1}));
        QVERIFY(timer.elapsed() >= 30 * attempts * (attempts - 1) / 2);
        if (fault != FailWrites)
            QCOMPARE(monitor.Count("GET 0x10"), attempts);
        if (status == EStatus::Ok)
            return;
        // Nothing worked better, so nothing was learnt.
        QCOMPARE(rig.transport.ReplyDelayMs(), CFakeDdcRig::FastTimings().nReplyDelayMs);
        if (fault == FailWrites || fault == FailReads)
            QCOMPARE(result.nError, arg);
        if (fault == FailWrites) {
            const CDdcTransport::Result write = rig.transport.SetVcp(0x10, 1);
            QCOMPARE(QList<int>({write.nAttempts, write.nError}), (QList<int>{1, arg}));
        }
    }

    void silentDisplayIsAskedOnce()
    {
        // DDC/CI switched off in the display's menu: every message is NAKed.
        Rig rig;
        rig.Monitor().FailNextWrites(ENXIO, 1000);
        QCOMPARE(rig.transport.SetVcp(0x10, 5).nAttempts, 1 + DdcTimings().nRetries);
        QCOMPARE(rig.transport.GetVcp(0x10).nAttempts, 1);
        // Once it answers, a NAK is retried again.
        rig.Monitor().FailNextWrites(ENXIO, 0);
        QCOMPARE(rig.transport.GetVcp(0x10).nValue, 80);
        rig.Monitor().FailNextWrites(ENXIO, 1);
        QCOMPARE(rig.transport.GetVcp(0x10).nAttempts, 2);
    }

    void displayTimings()
    {
        // The display counts messages that come too close; a reply read too early is garbage.
        Rig rig{DdcTimings()};
        rig.Monitor().SetRequiredDelays(40, 50);
        QCOMPARE(rig.transport.GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.transport.SetVcp(0x10, 60).nAttempts + rig.transport.SetVcp(0x10, 61).nAttempts, 2);
        QCOMPARE(rig.transport.GetVcp(0x10).nValue, 61);
        QCOMPARE(rig.Monitor().Violations(), 0);
        // A slow display's reply time is learnt; the waits of 40, 60, 90, 135 ms hit it exactly, so
        // a sleep can't come short.
        Rig slow(Fast({{&DdcTimings::nReplyDelayMs, 40}}));
        slow.Monitor().SetRequiredDelays(135, 0);
        const CDdcTransport::Result first = slow.transport.GetVcp(0x10);
        QVERIFY2(first.nValue == 80, qPrintable(first.strWhy));
        if (first.nAttempts < 4)
            QSKIP("a shorter wait overslept into the display's time");
        const CDdcTransport::Result next = slow.transport.GetVcp(0x12);
        QCOMPARE(QList<int>({next.nValue, next.nAttempts, slow.transport.ReplyDelayMs()}), (QList<int>{50, 1, 135}));
    }

    void hungBus()
    {
        // An adapter time-out ends the transfer, and the wedged device is dropped: the next
        // transfer opens it again and works.
        Rig rig(Fast({{&DdcTimings::nReadWaitMs, 300}}));
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilTimeout);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.transport.GetVcp(0x10);
        QCOMPARE(QList<int>({result.nError, result.nAttempts}), (QList<int>{ETIMEDOUT, 1}));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        rig.Monitor().Release();
        QCOMPARE(rig.transport.GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.Monitor().Opens(), 2);
        // A bus that never answers holds no caller of the plug-in past its wait.
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilReleased);
        timer.restart();
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

    void missingAccessSaidOnce()
    {
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& strMessage) {
            if (type == QtWarningMsg)
                s_listWarnings.append(strMessage);
        });
        for (int nError : {EACCES, EACCES, ENOENT, ENOENT, EBUSY, EBUSY}) {
            Rig rig;
            rig.Monitor().FailOpen(nError);
            const CDdcTransport::Result result = rig.transport.GetVcp(0x10);
            QCOMPARE(QList<int>({result.nError, result.nAttempts, rig.transport.SetVcp(0x10, 1).nAttempts}), (QList<int>{nError, 1, 1}));
        }
        qInstallMessageHandler(previous);
        QCOMPARE(s_listWarnings.size(), 3);
        for (const char* szPart : {"no permission to open fake-i2c-5", "udev rule", "i2c group"})
            QVERIFY(s_listWarnings.at(0).contains(szPart));
        QVERIFY(s_listWarnings.at(1).contains("modprobe i2c-dev"));
        QVERIFY(s_listWarnings.at(2).contains("kernel driver has claimed"));
    }

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
        Rig rig(Fast({{&DdcTimings::nMessageGapMs, gapMs}, {&DdcTimings::nSelectorHoldMs, holdMs}}));
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

    void pluginFileServesTheInterface()
    {
        // The built plug-in file, loaded as the client loads it; the bus does not exist.
        QPluginLoader loader(QStringLiteral(DDCCI_PLUGIN_FILE));
        auto* pPlugin = qobject_cast<CMonitorCtrlInterface*>(loader.instance());
        QVERIFY2(pPlugin, qPrintable(loader.errorString()));
        QCOMPARE(pPlugin->GetMonitorIndex(DeviceId(65000)), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("/dev/i2c-65000 does not exist.*modprobe i2c-dev"));
        QCOMPARE(pPlugin->GetVcp(0, "0x10"), QStringLiteral("-1"));
        pPlugin->SetVcp(0, "0x10", 50);
        pPlugin->Reset();
        QCOMPARE(pPlugin->GetVcp(0, "0x10"), QStringLiteral("-1"));
        delete pPlugin;
    }
};

QTEST_GUILESS_MAIN(TestDdcciPlugin)
#include "tst_ddcci_plugin.moc"
