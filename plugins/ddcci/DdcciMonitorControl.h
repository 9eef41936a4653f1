#pragma once

#include "ddc/MonitorCtrlInterface.h"
#include "plugins/common/DdcTimings.h"

#include <QHash>
#include <QVector>

#include <functional>
#include <map>
#include <memory>
#include <mutex>

class CDdcMonitorWorker;
class CI2cBus;

// The monitor-control interface over DDC/CI on Linux I2C buses. A monitor is known by the bus
// number its device ID carries ("...&UID<bus>#{...}"); each bus gets one worker thread.
// Writes return at once; reads wait for the bus.
class CDdcciMonitorControl : public CMonitorCtrlInterface
{
    Q_OBJECT

public:
    using BusFactory = std::function<std::unique_ptr<CI2cBus>(int nBus)>;

    CDdcciMonitorControl(BusFactory busFactory, const DdcTimings& timings, QObject* parent = nullptr);
    ~CDdcciMonitorControl() override;

    void Reset() override;
    int GetMonitorIndex(QString strDeviceId) override;
    void SetVcp(int nMonitorId, const QString& strCode, int nValue) override;
    QString GetVcp(int nMonitorId, const QString& strCode) override;

    // Waits until every write made so far has been sent (or failed); false on time-out.
    bool WaitIdle(int nTimeoutMs);

    // The I2C bus number of a device ID of the Linux shape, or -1.
    static int BusFromDeviceId(const QString& strDeviceId);

private:
    std::shared_ptr<CDdcMonitorWorker> Worker(int nMonitorId) const;

    const BusFactory m_busFactory;
    const DdcTimings m_timings;

    mutable std::mutex m_mutex;
    QHash<QString, int> m_hashIds;      // device ID, upper case -> id
    QVector<int> m_vecBusOfId;          // id -> bus
    std::map<int, std::shared_ptr<CDdcMonitorWorker>> m_mapWorkers;    // bus -> worker
};
