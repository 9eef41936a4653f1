#pragma once

#include "plugins/common/DdcTimings.h"
#include "plugins/ddcci/I2cBus.h"

#include <map>
#include <memory>

class CFakeDdcMonitor;

// Simulated displays on buses 5 and 6 with the same features (0x10 at 80, 0x12 at 50, 0xE7, and
// sub-codes behind 0xEE and 0xF0: 0xF0/3 at 77, 0xF0/9 at 50), for the suites of the plug-in.
class CFakeDdcRig
{
public:
    explicit CFakeDdcRig(int nTransferMs = 0);
    ~CFakeDdcRig();

    // The display rules of DdcTimings in a fraction of the time.
    static DdcTimings FastTimings();

    CFakeDdcMonitor& Monitor(int nBus = 5) const;
    std::unique_ptr<CI2cBus> Bus(int nBus = 5) const;
    // Ends every hanging read, so that threads blocked in one can finish.
    void ReleaseAll();

private:
    std::map<int, std::shared_ptr<CFakeDdcMonitor>> m_mapMonitors;
};
