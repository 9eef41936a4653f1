#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeI2cBus.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cerrno>

using EReplyFault = CFakeDdcMonitor::EReplyFault;
using EUnsupportedStyle = CFakeDdcMonitor::EUnsupportedStyle;
Q_DECLARE_METATYPE(CFakeDdcMonitor::EReplyFault)
Q_DECLARE_METATYPE(CFakeDdcMonitor::EUnsupportedStyle)

namespace
{
DdcTimings FastTimings()
{
    DdcTimings timings;
    timings.nReplyDelayMs = 1;
    timings.nMessageGapMs = 1;
    timings.nCallTimeoutMs = 300;
    timings.nRetries = 3;
    timings.nRetryPauseMs = 5;
    return timings;
}

struct Rig
{
    std::shared_ptr<CFakeDdcMonitor> pMonitor = std::make_shared<CFakeDdcMonitor>();
    std::unique_ptr<CDdcTransport> pTransport;

    explicit Rig(const DdcTimings& timings = FastTimings())
    {
        pMonitor->SetFeature(0x10, 50, 100);
        pTransport = std::make_unique<CDdcTransport>(std::make_unique<CFakeI2cBus>(pMonitor, 4), timings);
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
        QCOMPARE(read.nValue, 50);
        QCOMPARE(read.nMax, 100);
        QVERIFY(rig.pTransport->SetVcp(0x10, 70).eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(rig.pMonitor->Value(0x10), 70);
        QCOMPARE(rig.pMonitor->Log(), (QStringList{"OPEN", "GET 0x10", "SET 0x10 70"}));
    }

    void unsupported_data()
    {
        QTest::addColumn<EUnsupportedStyle>("style");
        QTest::newRow("result code") << EUnsupportedStyle::ResultCode;
        QTest::newRow("null message") << EUnsupportedStyle::NullMessage;
        QTest::newRow("all value bytes zero") << EUnsupportedStyle::ZeroValues;
    }
    void unsupported()
    {
        QFETCH(EUnsupportedStyle, style);
        Rig rig;
        rig.pMonitor->SetUnsupported(0x62, style);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x62);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Unsupported);
        QCOMPARE(rig.pMonitor->Count("GET 0x62"), 1);
    }

    void transientFailureRecovers_data()
    {
        QTest::addColumn<int>("fault");   // 0..2 a reply fault, otherwise an errno on the request or reply
        QTest::addColumn<bool>("onRead");
        QTest::newRow("bad checksum") << int(EReplyFault::BadChecksum) << true;
        QTest::newRow("all-zero reply") << int(EReplyFault::AllZero) << true;
        QTest::newRow("EIO on the request") << EIO << false;
        QTest::newRow("EIO on the reply") << EIO << true;
        QTest::newRow("EREMOTEIO on the reply") << EREMOTEIO << true;
    }
    void transientFailureRecovers()
    {
        QFETCH(int, fault);
        QFETCH(bool, onRead);
        Rig rig;
        if (fault <= int(EReplyFault::WrongCode))
            rig.pMonitor->CorruptNextReplies(EReplyFault(fault), 1);
        else if (onRead)
            rig.pMonitor->FailNextReads(fault, 1);
        else
            rig.pMonitor->FailNextWrites(fault, 1);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY2(result.eStatus == CDdcTransport::EStatus::Ok, qPrintable(result.strWhy));
        QCOMPARE(result.nValue, 50);
        QCOMPARE(result.nAttempts, 2);
    }

    void writeRetriesEio()
    {
        Rig rig;
        rig.pMonitor->FailNextWrites(EIO, 1);
        const CDdcTransport::Result result = rig.pTransport->SetVcp(0x10, 30);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(result.nAttempts, 2);
        QCOMPARE(rig.pMonitor->Value(0x10), 30);
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
        DdcTimings timings = FastTimings();
        timings.nRetryPauseMs = 30;
        Rig rig(timings);
        if (checksum)
            rig.pMonitor->CorruptNextReplies(EReplyFault::BadChecksum, 1000);
        else
            rig.pMonitor->FailNextReads(EIO, 1000);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nAttempts, 1 + timings.nRetries);
        QCOMPARE(rig.pMonitor->Count("GET 0x10"), 1 + timings.nRetries);
        // Pauses of 30, 60 and 90 ms between the attempts.
        QVERIFY(timer.elapsed() >= 180);
    }

    void permanentFailureNotRetried_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("onRead");
        QTest::newRow("EBUSY") << EBUSY << false;
        QTest::newRow("ENXIO on the request") << ENXIO << false;
        QTest::newRow("ENXIO on the reply") << ENXIO << true;
        QTest::newRow("EBADF") << EBADF << false;
    }
    void permanentFailureNotRetried()
    {
        QFETCH(int, error);
        QFETCH(bool, onRead);
        Rig rig;
        if (onRead)
            rig.pMonitor->FailNextReads(error, 1000);
        else
            rig.pMonitor->FailNextWrites(error, 1000);
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
        rig.pMonitor->CorruptNextReplies(EReplyFault::WrongCode, 1);
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nValue, -1);
    }

    void hungBusTimesOut()
    {
        Rig rig;
        rig.pMonitor->SetHang(CFakeDdcMonitor::EHang::UntilTimeout);
        QElapsedTimer timer;
        timer.start();
        const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
        QVERIFY(result.eStatus == CDdcTransport::EStatus::Failed);
        QCOMPARE(result.nError, ETIMEDOUT);
        QCOMPARE(result.nAttempts, 1);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

        // The wedged device is dropped: the next transfer opens it again and works.
        rig.pMonitor->Release();
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 50);
        QCOMPARE(rig.pMonitor->Opens(), 2);
    }

    void keepsDisplayTimings()
    {
        Rig rig{DdcTimings()};
        rig.pMonitor->SetRequiredDelays(40, 50);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 50);
        QVERIFY(rig.pTransport->SetVcp(0x10, 60).eStatus == CDdcTransport::EStatus::Ok);
        QVERIFY(rig.pTransport->SetVcp(0x10, 61).eStatus == CDdcTransport::EStatus::Ok);
        QCOMPARE(rig.pTransport->GetVcp(0x10).nValue, 61);
        QCOMPARE(rig.pMonitor->Violations(), 0);
        QVERIFY(timer.elapsed() >= 2 * 40 + 3 * 50);

        // The simulated display does notice a host in a hurry.
        DdcTimings hurried = FastTimings();
        hurried.nReplyDelayMs = 0;
        hurried.nMessageGapMs = 0;
        hurried.nRetries = 0;
        Rig rush(hurried);
        rush.pMonitor->SetRequiredDelays(40, 50);
        rush.pTransport->SetVcp(0x10, 1);
        QVERIFY(rush.pTransport->GetVcp(0x10).eStatus == CDdcTransport::EStatus::Failed);
        QVERIFY(rush.pMonitor->Violations() > 0);
    }

    void missingAccessSaidOnce()
    {
        s_listWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
        for (int i = 0; i < 2; ++i) {
            Rig rig;
            rig.pMonitor->FailOpen(EACCES);
            const CDdcTransport::Result result = rig.pTransport->GetVcp(0x10);
            QCOMPARE(result.nError, EACCES);
            QCOMPARE(result.nAttempts, 1);
            QCOMPARE(rig.pTransport->SetVcp(0x10, 1).nAttempts, 1);
        }
        for (int nError : {ENOENT, ENOENT, EBUSY, EBUSY}) {
            Rig rig;
            rig.pMonitor->FailOpen(nError);
            QCOMPARE(rig.pTransport->GetVcp(0x10).nAttempts, 1);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(s_listWarnings.size(), 3);
        QVERIFY(s_listWarnings.at(0).contains("no permission to open fake-i2c-4"));
        QVERIFY(s_listWarnings.at(0).contains("udev rule"));
        QVERIFY(s_listWarnings.at(0).contains("i2c group"));
        QVERIFY(s_listWarnings.at(1).contains("modprobe i2c-dev"));
        QVERIFY(s_listWarnings.at(2).contains("kernel driver has claimed"));
    }
};

QTEST_GUILESS_MAIN(TestDdcciTransport)
#include "tst_ddcci_transport.moc"
