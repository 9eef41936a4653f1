#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeDdcRig.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cerrno>

using EReplyFault = CFakeDdcMonitor::EReplyFault;
using EUnsupportedStyle = CFakeDdcMonitor::EUnsupportedStyle;
Q_DECLARE_METATYPE(CFakeDdcMonitor::EReplyFault)
Q_DECLARE_METATYPE(CFakeDdcMonitor::EUnsupportedStyle)

namespace
{
// A transport over the rig's first display.
struct Rig : CFakeDdcRig
{
    std::unique_ptr<CDdcTransport> pTransport;

    explicit Rig(const DdcTimings& timings = FastTimings())
        : pTransport(std::make_unique<CDdcTransport>(Bus(), timings))
    {
    }
};

QStringList s_listWarnings;
void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& strMessage)
{
    if (type == QtWarningMsg)
        s_listWarnings.append(strMessage);
}
}

// One display's transfers on a simulated display: messages, pauses, retries and failures.
class TestDdcciTransport : public QObject
{
    Q_OBJECT
private slots:
    void readsAndWrites()
    {
        Rig rig;
        const CDdcTransport::Result read = rig.pTransport->GetVcp(0x10);
        QVERIFY(read.eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(read.nValue, 80);
        QCOMPARE(read.nMax, 100);
        QVERIFY(rig.pTransport->SetVcp(0x10, 70).eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(rig.Monitor().Value(0x10), 70);
        QCOMPARE(rig.Monitor().Log(), (QStringList{"OPEN", "GET 0x10", "SET 0x10 70"}));
    }

    void unsupported_data()
    {
        QTest::addColumn<EUnsupportedStyle>("style");
        QTest::addColumn<int>("requests");
        // A Null reply may only mean "not ready yet"; the others are answers.
        QTest::newRow("result code") << EUnsupportedStyle::ResultCode << 1;
        QTest::newRow("null message") << EUnsupportedStyle::NullMessage << 1 + DdcTimings().nRetries;
        QTest::newRow("all value bytes zero") << EUnsupportedStyle::ZeroValues << 1;
    }
    void unsupported()
    {
        QFETCH(EUnsupportedStyle, style);
        QFETCH(int, requests);
        Rig rig;
        rig.Monitor().SetUnsupported(0x62, style);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x62);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Unsupported);
        QCOMPARE(rig.Monitor().Count("GET 0x62"), requests);
        // Nothing worked better, so nothing was learnt.
        QCOMPARE(rig.pTransport->ReplyDelayMs(), CFakeDdcRig::FastTimings().nReplyDelayMs);
    }

    void transientFailureRecovers_data()
    {
        QTest::addColumn<int>("fault");   // an EReplyFault, or an errno on the request or reply
        QTest::addColumn<bool>("onRead");
        QTest::newRow("bad checksum") << int(EReplyFault::BadChecksum) << true;
        QTest::newRow("all-zero reply") << int(EReplyFault::AllZero) << true;
        QTest::newRow("null message") << int(EReplyFault::NullMessage) << true;
        QTest::newRow("EIO on the request") << EIO << false;
        QTest::newRow("EIO on the reply") << EIO << true;
        QTest::newRow("EREMOTEIO on the reply") << EREMOTEIO << true;
        QTest::newRow("ENXIO on the request") << ENXIO << false;
        QTest::newRow("ENXIO on the reply") << ENXIO << true;
    }
    void transientFailureRecovers()
    {
        QFETCH(int, fault);
        QFETCH(bool, onRead);
        Rig rig;
        if (fault <= int(EReplyFault::NullMessage))
            rig.Monitor().CorruptNextReplies(EReplyFault(fault), 1);
        else if (onRead)
            rig.Monitor().FailNextReads(fault, 1);
        else
            rig.Monitor().FailNextWrites(fault, 1);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY2(result.eStatus == CDdcTransport::EStatus::Ok, qPrintable(result.strWhy));
        QCOMPARE(result.nValue, 80);
        QCOMPARE(result.nAttempts, 2);
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

    void slowDisplayIsLearnt_data()
    {
        // Reply times the waits of 40, 60, 90, 135 ms hit exactly, so a sleep can't come short.
        QTest::addColumn<int>("replyMs");
        QTest::addColumn<int>("attempts");
        QTest::newRow("60 ms") << 60 << 2;
        QTest::newRow("135 ms") << 135 << 4;
    }
    void slowDisplayIsLearnt()
    {
        QFETCH(int, replyMs);
        QFETCH(int, attempts);
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nReplyDelayMs = 40;
        Rig rig(timings);
        rig.Monitor().SetRequiredDelays(replyMs, 0);
        const CDdcTransport::Result first = rig.pTransport->GetVcp(0x10);
        QVERIFY2(first.eStatus == CDdcTransport::EStatus::Ok, qPrintable(first.strWhy));
        QCOMPARE(first.nValue, 80);
        if (first.nAttempts < attempts)
            QSKIP("a shorter wait overslept into the display's time");
        QCOMPARE(rig.pTransport->ReplyDelayMs(), replyMs);

        // The next read waits long enough at once.
        const CDdcTransport::Result next = rig.pTransport->GetVcp(0x12);
        QCOMPARE(next.nValue, 50);
        QCOMPARE(next.nAttempts, 1);
        QCOMPARE(rig.pTransport->ReplyDelayMs(), replyMs);
    }

    void givesUpAfterLimit_data()
    {
        QTest::addColumn<bool>("checksum");
        QTest::newRow("bad checksum every time") << true;
        QTest::newRow("EIO every time") << false;
    }
    void givesUpAfterLimit()
    {
        QFETCH(bool, checksum);
        DdcTimings timings = CFakeDdcRig::FastTimings();
        timings.nRetryPauseMs = 30;
        Rig rig(timings);
        if (checksum)
            rig.Monitor().CorruptNextReplies(EReplyFault::BadChecksum, 1000);
        else
            rig.Monitor().FailNextReads(EIO, 1000);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nAttempts, 1 + timings.nRetries);
        QCOMPARE(rig.Monitor().Count("GET 0x10"), 1 + timings.nRetries);
        // Pauses of 30, 60, 90 and 120 ms between the attempts.
        QVERIFY(timer.elapsed() >= 300);
    }

    void permanentFailureNotRetried_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("onRead");
        QTest::newRow("EBUSY") << EBUSY << false;
        QTest::newRow("EBUSY on the reply") << EBUSY << true;
        QTest::newRow("EBADF") << EBADF << false;
    }
    void permanentFailureNotRetried()
    {
        QFETCH(int, error);
        QFETCH(bool, onRead);
        Rig rig;
        if (onRead)
            rig.Monitor().FailNextReads(error, 1000);
        else
            rig.Monitor().FailNextWrites(error, 1000);
        const CDdcTransport::Result read = rig.pTransport->GetVcp(0x10);
        QVERIFY(read.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(read.nAttempts, 1);
        QCOMPARE(read.nError, error);
        if (!onRead) {
            const CDdcTransport::Result write = rig.pTransport->SetVcp(0x10, 1);
            QCOMPARE(write.nAttempts, 1);
            QCOMPARE(write.nError, error);
        }
    }

    void replyForAnotherCodeFails()
    {
        Rig rig;
        rig.Monitor().CorruptNextReplies(EReplyFault::WrongCode, 1);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nValue, -1);
    }

    void hungBusTimesOut()
    {
        Rig rig;
        rig.Monitor().SetHang(CFakeDdcMonitor::EHang::UntilTimeout);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nError, ETIMEDOUT);
        QCOMPARE(result.nAttempts, 1);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

        // The wedged device is dropped: the next transfer opens it again and works.
        rig.Monitor().Release();
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.Monitor().Opens(), 2);
    }

    void keepsDisplayTimings()
    {
        Rig rig{DdcTimings()};
        rig.Monitor().SetRequiredDelays(40, 50);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 80);
        QCOMPARE(rig.pTransport->ReplyDelayMs(), 40);
        QVERIFY(rig.pTransport->SetVcp(0x10, 60).eStatus == CDdcTransport::EStatus::Ok);
        QVERIFY(rig.pTransport->SetVcp(0x10, 61).eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 61);
        QCOMPARE(rig.Monitor().Violations(), 0);
        QVERIFY(timer.elapsed() >= 2 * 40 + 3 * 50);

        // The simulated display does notice a host in a hurry.
        DdcTimings hurried = CFakeDdcRig::FastTimings();
        hurried.nReplyDelayMs = 0;
        hurried.nMessageGapMs = 0;
        hurried.nRetries = 0;
        Rig rush(hurried);
        rush.Monitor().SetRequiredDelays(40, 50);
        rush.pTransport->SetVcp(0x10, 1);
        QVERIFY(rush.pTransport->GetVcp(0x10).eStatus == CDdcTransport::EStatus::Failed);
        QVERIFY(rush.Monitor().Violations() > 0);
    }

    void missingAccessSaidOnce()
    {
        s_listWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
        for (int i = 0; i < 2; ++i) {
            Rig rig;
            rig.Monitor().FailOpen(EACCES);
            const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
            QCOMPARE(result.nError, EACCES);
            QCOMPARE(result.nAttempts, 1);
            QCOMPARE(rig.pTransport->SetVcp(0x10, 1).nAttempts, 1);
        }
        for (int nError : {ENOENT, ENOENT, EBUSY, EBUSY}) {
            Rig rig;
            rig.Monitor().FailOpen(nError);
            QCOMPARE(rig.pTransport->GetVcp(0x10).nAttempts, 1);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(s_listWarnings.size(), 3);
        QVERIFY(s_listWarnings.at(0).contains("no permission to open fake-i2c-5"));
        QVERIFY(s_listWarnings.at(0).contains("udev rule"));
        QVERIFY(s_listWarnings.at(0).contains("i2c group"));
        QVERIFY(s_listWarnings.at(1).contains("modprobe i2c-dev"));
        QVERIFY(s_listWarnings.at(2).contains("kernel driver has claimed"));
    }
};

QTEST_GUILESS_MAIN(TestDdcciTransport)
#include "tst_ddcci_transport.moc"
