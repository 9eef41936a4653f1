#pragma once

#include "ddc/MonitorCtrlInterface.h"
#include "plugins/common/DdcTimings.h"

#include <QHash>
#include <QStringList>
#include <QVector>

#include <windows.h>

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class CDdcMonitorWorker;
class CPhysicalMonitorApi;

// The monitor-control interface over dxva2's physical-monitor handles. A monitor is known by its
// device interface name, found by walking the displays and their monitors as detection does; its
// id stays the same across Reset. Each physical monitor gets one worker thread. Writes return at
// once; reads wait for the monitor.
class CDxva2MonitorControl : public CMonitorCtrlInterface
{
    Q_OBJECT

public:
    CDxva2MonitorControl(std::shared_ptr<CPhysicalMonitorApi> pApi, const DdcTimings& timings,
                         QObject* parent = nullptr);
    ~CDxva2MonitorControl() override;

    // Gives back the handles (once their workers are done, off this thread) and enumerates anew.
    void Reset() override;
    int GetMonitorIndex(QString strDeviceId) override;
    void SetVcp(int nMonitorId, const QString& strCode, int nValue) override;
    QString GetVcp(int nMonitorId, const QString& strCode) override;

    // Waits until every write made so far has been sent (or failed); false on time-out.
    bool WaitIdle(int nTimeoutMs);

private:
    using WorkerMap = QHash<QString, std::shared_ptr<CDdcMonitorWorker>>;

    struct Releaser
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> pDone;
    };

    void EnumerateLocked();
    // Ends the workers and destroys the handles, here or on a thread of its own.
    void ReleaseLocked(bool bWait);
    std::shared_ptr<CDdcMonitorWorker> Worker(int nMonitorId) const;

    const std::shared_ptr<CPhysicalMonitorApi> m_pApi;
    const DdcTimings m_timings;

    mutable std::mutex m_mutex;
    bool m_bEnumerated = false;
    QHash<QString, int> m_hashIds;      // interface name, upper case -> id
    QStringList m_listNameOfId;         // id -> interface name, upper case
    WorkerMap m_hashWorkers;            // interface name, upper case -> worker of the current walk
    // Every handle of the current walk; destroyed when this and the last transport using them are gone.
    std::shared_ptr<QVector<HANDLE>> m_pHandles;
    std::vector<Releaser> m_vecReleasers;
    std::shared_future<void> m_futReleased;     // the last walk's workers are done
};
