#include "plugins/ddcci/fake/FakeDdcRig.h"

#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeI2cBus.h"

CFakeDdcRig::CFakeDdcRig(int nTransferMs)
{
    for (int nBus : {5, 6}) {
        auto pMonitor = std::make_shared<CFakeDdcMonitor>();
        pMonitor->SetFeature(0x10, 80, 100);
        pMonitor->SetFeature(0x12, 50, 100);
        pMonitor->SetFeature(0xE7, 1, 10);
        pMonitor->SetSubFeature(0xEE, 1, 0, 0xFFFF);
        pMonitor->SetSubFeature(0xEE, 2, 0, 0xFFFF);
        pMonitor->SetSubFeature(0xF0, 3, 77, 100);
        pMonitor->SetSubFeature(0xF0, 4, 0, 0xFFFF);
        pMonitor->SetSubFeature(0xF0, 9, 50, 100);
        pMonitor->SetTransferMs(nTransferMs);
        m_mapMonitors[nBus] = pMonitor;
    }
}

CFakeDdcRig::~CFakeDdcRig()
{
    ReleaseAll();
}

DdcTimings CFakeDdcRig::FastTimings()
{
    DdcTimings timings;
    timings.nReplyDelayMs = 1;
    timings.nMessageGapMs = 1;
    timings.nCallTimeoutMs = 300;
    timings.nRetryPauseMs = 5;
    timings.nReadWaitMs = 5000;
    return timings;
}

CFakeDdcMonitor& CFakeDdcRig::Monitor(int nBus) const
{
    return *m_mapMonitors.at(nBus);
}

std::unique_ptr<CI2cBus> CFakeDdcRig::Bus(int nBus) const
{
    return std::make_unique<CFakeI2cBus>(m_mapMonitors.at(nBus), nBus);
}

void CFakeDdcRig::ReleaseAll()
{
    for (auto& monitor : m_mapMonitors)
        monitor.second->Release();
}
