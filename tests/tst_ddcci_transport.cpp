#include "plugins/common/DdcCodec.h"
#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeDdcRig.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cerrno>

using EReplyFault = CFakeDdcMonitor::EReplyFault;
using EReplyStatus = CDdcCodec::EReplyStatus;
using EStatus = CDdcTransport::EStatus;
using EUnsupportedStyle = CFakeDdcMonitor::EUnsupportedStyle;
Q_DECLARE_METATYPE(CDdcCodec::EReplyStatus)
Q_DECLARE_METATYPE(CDdcTransport::EStatus)

namespace
{
QByteArray Bytes(const char* szHex) { return QByteArray::fromHex(szHex); }

// A transport over the rig's first display.
struct Rig : CFakeDdcRig
{
    std::unique_ptr<CDdcTransport> pTransport;

    explicit Rig(const DdcTimings& timings = FastTimings()) : pTransport(std::make_unique<CDdcTransport>(Bus(), timings)) {}
};

// The retry rows' arg: an EReplyFault, an errno on the reply or on the request, an EUnsupportedStyle.
enum EFault { Corrupt, FailReads, FailWrites, Unsupported };
QStringList s_listWarnings;
}

// DDC/CI message bytes, and one display's transfers on a simulated display: pauses, retries and
// failures.
class TestDdcciTransport : public QObject
{
    Q_OBJECT
private slots:
    void requests()
    {
        const QList<QByteArray> listRequests{CDdcCodec::GetVcpRequest(0x10), CDdcCodec::SetVcpRequest(0x10, 50),
                                             CDdcCodec::SetVcpRequest(0x60, 0x1234)};
        QCOMPARE(listRequests, (QList<QByteArray>{Bytes("51 82 01 10 AC"), Bytes("51 84 03 10 00 32 9A"), Bytes("51 84 03 60 12 34 FE")}));
    }

    void reply_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<EReplyStatus>("status");
        QTest::addColumn<int>("value");   // of a reply with the maximum 100
        const QByteArray baOk = Bytes("6E 88 02 00 10 00 00 64 00 32 F2");
        QTest::newRow("16-bit current") << Bytes("6E 88 02 00 60 00 00 64 01 2C 9D") << 0x60 << EReplyStatus::Ok << 300;
        QTest::newRow("trailing bytes ignored") << baOk + "\xFF\xFF" << 0x10 << EReplyStatus::Ok << 50;
        QTest::newRow("unsupported result code") << Bytes("6E 88 02 01 00 00 00 00 00 00 B5") << 0x10 << EReplyStatus::Unsupported << 0;
        QTest::newRow("null message") << Bytes("6E 80 BE 00 00 00 00 00 00 00 00") << 0x10 << EReplyStatus::NullMessage << 0;
        QTest::newRow("all value bytes zero") << Bytes("6E 88 02 00 10 00 00 00 00 00 A4") << 0x10 << EReplyStatus::Unsupported << 0;
        QTest::newRow("wrong checksum") << Bytes("6E 88 02 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadChecksum << 0;
        QTest::newRow("wrong code") << baOk << 0x12 << EReplyStatus::WrongCode << 0;
        QTest::newRow("cut short") << Bytes("6E 88") << 0x10 << EReplyStatus::BadLength << 0;
        QTest::newRow("length flag missing") << Bytes("6E 08 02 00 10 00 00 64 00 32 72") << 0x10 << EReplyStatus::BadLength << 0;
        QTest::newRow("all zero") << QByteArray(11, '\0') << 0x10 << EReplyStatus::AllZero << 0;
        QTest::newRow("wrong first byte") << Bytes("6F 88 02 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadAddress << 0;
        QTest::newRow("not a VCP reply") << Bytes("6E 88 03 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadType << 0;
    }
    void reply()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(EReplyStatus, status);
        QFETCH(int, value);
        const CDdcCodec::VcpReply reply = CDdcCodec::ParseGetVcpReply(bytes, quint8(code));
        QCOMPARE(CDdcCodec::StatusText(reply.eStatus), CDdcCodec::StatusText(status));
        if (status == EReplyStatus::Ok)
            QCOMPARE(QList<int>({reply.nMax, reply.nValue}), (QList<int>{100, value}));
    }

    void codeAndBusFromText()
    {
        QList<int> listParsed;
        for (const char* szCode : {"0x10", "0Xef", "0x4", "0x100", "10", "0x", "0x-1", "0xZZ", ""})
            listParsed.append(CDdcCodec::CodeFromText(szCode));
        // The bus is the UID of a connector's id with the display interface's class.
        const QString strId = QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
        for (const QString strEdit :
             {"UID5 UID5", "UID5 uid12", "e6f07b5f-ee97 E6F07B5F-EE97", "UID5 UID", "UID5 UID99999999", "e6f07b5f 00000000", "} }x"})
            listParsed.append(CDdcciMonitorControl::BusFromDeviceId(QString(strId).replace(strEdit.section(' ', 0, 0), strEdit.section(' ', 1))));
        QCOMPARE(listParsed, (QList<int>{0x10, 0xEF, 0x04, -1, -1, -1, -1, -1, -1, 5, 12, 5, -1, -1, -1, -1}));
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
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nRetryPauseMs = 30;
        Rig rig(timings);
        CFakeDdcMonitor& monitor = rig.Monitor();
        fault == Corrupt ? monitor.CorruptNextReplies(EReplyFault(arg), times)
            : fault == FailReads ? monitor.FailNextReads(arg, times)
            : fault == FailWrites ? monitor.FailNextWrites(arg, times) : monitor.SetUnsupported(0x10, EUnsupportedStyle(arg));
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY2(result.eStatus == status, qPrintable(result.strWhy));
        QCOMPARE(result.nAttempts, attempts);
        QVERIFY(timer.elapsed() >= 30 * attempts * (attempts - 1) / 2);
        if (fault != FailWrites)
            QCOMPARE(monitor.Count("GET 0x10"), attempts);
        QCOMPARE(result.nValue, status == EStatus::Ok ? 80 : -1);
        if (status == EStatus::Ok)
            return;
        // Nothing worked better, so nothing was learnt.
        QCOMPARE(rig.pTransport->ReplyDelayMs(), timings.nReplyDelayMs);
        if (fault == FailWrites || fault == FailReads)
            QCOMPARE(result.nError, arg);
        if (fault == FailWrites) {
            const CDdcTransport::Result write = rig.pTransport->SetVcp(0x10, 1);
            QCOMPARE(QList<int>({write.nAttempts, write.nError}), (QList<int>{1, arg}));
        }
    }

    void silentDisplayIsAskedOnce()
    {
        // DDC/CI switched off in the display's menu: every message is NAKed.
        Rig rig;
        rig.Monitor().FailNextWrites(ENXIO, 1000);
        QCOMPARE(rig.pTransport->SetVcp(0x10, 5).nAttempts, 1 + DdcTimings().nRetries);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nAttempts, 1);
        // Once it answers, a NAK is retried again.
        rig.Monitor().FailNextWrites(ENXIO, 0);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 80);
        rig.Monitor().FailNextWrites(ENXIO, 1);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nAttempts, 2);
    }

    void slowDisplayIsLearnt()
    {
        // A reply time the waits of 40, 60, 90, 135 ms hit exactly, so a sleep can't come short.
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nReplyDelayMs = 40;
        Rig rig(timings);
        rig.Monitor().SetRequiredDelays(135, 0);
        const CDdcTransport::Result first = rig.pTransport->GetVcp(0x10);
        QVERIFY2(first.nValue == 80, qPrintable(first.strWhy));
        if (first.nAttempts < 4)
            QSKIP("a shorter wait overslept into the display's time");
        // The next read waits long enough at once.
        const CDdcTransport::Result next = rig.pTransport->GetVcp(0x12);
        QCOMPARE(QList<int>({next.nValue, next.nAttempts, rig.pTransport->ReplyDelayMs()}), (QList<int>{50, 1, 135}));
    }

    void hungBusTimesOut()
    {
        Rig rig;
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilTimeout);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QCOMPARE(QList<int>({result.nError, result.nAttempts}), (QList<int>{ETIMEDOUT, 1}));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        // The wedged device is dropped: the next transfer opens it again and works.
        rig.Monitor().Release();
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.Monitor().Opens(), 2);
    }

    void keepsDisplayTimings()
    {
        // The display counts messages that come too close; a reply read too early is garbage.
        Rig rig{DdcTimings()};
        rig.Monitor().SetRequiredDelays(40, 50);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.pTransport->SetVcp(0x10, 60).nAttempts, 1);
        QCOMPARE(rig.pTransport->SetVcp(0x10, 61).nAttempts, 1);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 61);
        QCOMPARE(rig.Monitor().Violations(), 0);
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
            const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
            QCOMPARE(QList<int>({result.nError, result.nAttempts, rig.pTransport->SetVcp(0x10, 1).nAttempts}), (QList<int>{nError, 1, 1}));
        }
        qInstallMessageHandler(previous);
        QCOMPARE(s_listWarnings.size(), 3);
        for (const char* szPart : {"no permission to open fake-i2c-5", "udev rule", "i2c group"})
            QVERIFY(s_listWarnings.at(0).contains(szPart));
        QVERIFY(s_listWarnings.at(1).contains("modprobe i2c-dev"));
        QVERIFY(s_listWarnings.at(2).contains("kernel driver has claimed"));
    }
};

QTEST_GUILESS_MAIN(TestDdcciTransport)
#include "tst_ddcci_transport.moc"
