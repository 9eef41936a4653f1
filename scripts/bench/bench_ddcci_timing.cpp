// The standard page's first load (24 reads, 10 of them behind a selector write) through the queued
// plug-in against a simulated display that needs 40, 60, 100 or 150 ms before its reply (and 50 ms
// between messages). Prints, per run: values read, Get requests per read, the load's time and the
// messages the display got too early.
#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeI2cBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace
{
const QString DEVICE_ID = QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const int PLAIN_CODES[] = {0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x60, 0x62, 0x87, 0x8D, 0xDC, 0xE7, 0xE9, 0xEA};
constexpr int SUB_READS = 10;
constexpr int READS = int(sizeof(PLAIN_CODES) / sizeof(PLAIN_CODES[0])) + SUB_READS;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int nRuns = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;
    std::printf("%d reads (%d behind a selector write), display gap 50 ms, 1 ms per transfer\n", READS, SUB_READS);
    std::printf("reply ms  run  values read  requests/read  load ms  early messages\n");
    for (int nReplyMs : {40, 60, 100, 150}) {
        for (int nRun = 1; nRun <= nRuns; ++nRun) {
            auto pMonitor = std::make_shared<CFakeDdcMonitor>();
            for (int nCode : PLAIN_CODES)
                pMonitor->SetFeature(nCode, 50, 100);
            for (int nSub = 1; nSub <= SUB_READS; ++nSub)
                pMonitor->SetSubFeature(0xF0, nSub, 20, 100);
            pMonitor->SetTransferMs(1);
            pMonitor->SetRequiredDelays(nReplyMs, 50);
            CDdcciMonitorControl plugin([pMonitor](int nBus) { return std::make_unique<CFakeI2cBus>(pMonitor, nBus); },
                                        DdcTimings());
            const int nId = plugin.GetMonitorIndex(DEVICE_ID);

            QElapsedTimer timer;
            timer.start();
            int nValues = 0;
            for (int nCode : PLAIN_CODES)
                nValues += plugin.GetVcp(nId, QStringLiteral("0x") + QString::number(nCode, 16)) != QLatin1String("-1");
            for (int nSub = 1; nSub <= SUB_READS; ++nSub) {
                plugin.SetVcp(nId, QStringLiteral("0xF0"), nSub);
                nValues += plugin.GetVcp(nId, QStringLiteral("0xF2")) != QLatin1String("-1");
            }
            const qint64 nLoadMs = timer.elapsed();
            int nRequests = 0;
            for (const QString& strLine : pMonitor->Log())
                nRequests += strLine.startsWith(QLatin1String("GET "));
            std::printf("%8d  %3d  %8d/%d  %13.2f  %7lld  %14d\n", nReplyMs, nRun, nValues, READS,
                        double(nRequests) / READS, nLoadMs, pMonitor->Violations());
        }
    }
    return 0;
}
