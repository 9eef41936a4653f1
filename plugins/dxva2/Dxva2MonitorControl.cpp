#include "plugins/dxva2/Dxva2MonitorControl.h"

#include "plugins/common/DdcLog.h"
#include "plugins/common/DdcMonitorWorker.h"
#include "plugins/common/WorkerCalls.h"
#include "plugins/dxva2/Dxva2Transport.h"
#include "plugins/dxva2/PhysicalMonitorApi.h"

#include <QCoreApplication>

namespace
{
constexpr int QUIT_FLUSH_MS = 2000;
}

CDxva2MonitorControl::CDxva2MonitorControl(std::shared_ptr<CPhysicalMonitorApi> pApi, const DdcTimings& timings,
                                           QObject* parent)
    : CMonitorCtrlInterface(parent)
    , m_pApi(std::move(pApi))
    , m_timings(timings)
{
    // Let the user's last change reach the monitor, and end the threads while the process still
    // runs them: Qt deletes a plug-in's root object only while the DLLs are being unloaded.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            WaitIdle(QUIT_FLUSH_MS);
            std::lock_guard<std::mutex> lock(m_mutex);
            ReleaseLocked(true);
        });
    }
}

CDxva2MonitorControl::~CDxva2MonitorControl()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ReleaseLocked(true);
}

void CDxva2MonitorControl::ReleaseLocked(bool bWait)
{
    m_bEnumerated = false;
    auto pDone = std::make_shared<std::atomic<bool>>(false);
    auto pReleased = std::make_shared<std::promise<void>>();
    m_futReleased = pReleased->get_future().share();
    // A worker may still be sending: the handles go with the last of them.
    auto release = [hashWorkers = std::move(m_hashWorkers), pHandles = std::move(m_pHandles), pDone,
                    pReleased]() mutable {
        hashWorkers.clear();
        pHandles.reset();
        pReleased->set_value();
        *pDone = true;
    };
    m_hashWorkers.clear();
    m_pHandles.reset();
    for (auto it = m_vecReleasers.begin(); it != m_vecReleasers.end();) {
        if (bWait || *it->pDone) {
            it->thread.join();
            it = m_vecReleasers.erase(it);
        } else {
            ++it;
        }
    }
    if (bWait)
        release();
    else
        m_vecReleasers.push_back(Releaser{std::thread(std::move(release)), pDone});
}

void CDxva2MonitorControl::EnumerateLocked()
{
    m_bEnumerated = true;
    std::shared_ptr<CPhysicalMonitorApi> pApi = m_pApi;
    m_pHandles = std::shared_ptr<QVector<HANDLE>>(new QVector<HANDLE>, [pApi](QVector<HANDLE>* pHandles) {
        pApi->DestroyPhysicalMonitors(*pHandles);
        delete pHandles;
    });
    for (const CPhysicalMonitorApi::Display& display : m_pApi->Displays()) {
        QVector<HANDLE> vecHandles;
        const DWORD nError = m_pApi->PhysicalMonitors(display.hMonitor, vecHandles);
        if (nError != ERROR_SUCCESS) {
            qCDebug(lcDdcci, "%s: no physical monitors, error 0x%08lx", qPrintable(display.strDeviceName),
                    static_cast<unsigned long>(nError));
            continue;
        }
        *m_pHandles += vecHandles;
        // The display's active monitors, in order, are its physical monitors, as detection pairs them.
        int nNext = 0;
        for (const CPhysicalMonitorApi::MonitorDevice& device : m_pApi->MonitorDevices(display.strDeviceName)) {
            if (!(device.nStateFlags & DISPLAY_DEVICE_ACTIVE) || (device.nStateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
                continue;
            if (nNext >= vecHandles.size())
                break;
            const HANDLE hMonitor = vecHandles.at(nNext++);
            const QString strKey = device.strInterfaceName.toUpper();
            if (strKey.isEmpty() || m_hashWorkers.contains(strKey))
                continue;
            m_hashWorkers.insert(strKey, std::make_shared<CDdcMonitorWorker>(
                                             std::make_unique<CDxva2Transport>(m_pApi, m_pHandles, hMonitor,
                                                                               device.strDeviceName, m_timings,
                                                                               m_futReleased),
                                             m_timings));
        }
    }
}

void CDxva2MonitorControl::Reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ReleaseLocked(false);
    EnumerateLocked();
}

int CDxva2MonitorControl::GetMonitorIndex(QString strDeviceId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bEnumerated)
        EnumerateLocked();
    const QString strKey = strDeviceId.toUpper();
    if (!m_hashWorkers.contains(strKey)) {
        qCDebug(lcDdcci, "no physical monitor for %s", qPrintable(strDeviceId));
        return -1;
    }
    auto it = m_hashIds.constFind(strKey);
    if (it != m_hashIds.constEnd())
        return it.value();
    const int nId = m_listNameOfId.size();
    m_listNameOfId.append(strKey);
    m_hashIds.insert(strKey, nId);
    return nId;
}

std::shared_ptr<CDdcMonitorWorker> CDxva2MonitorControl::Worker(int nMonitorId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (nMonitorId < 0 || nMonitorId >= m_listNameOfId.size())
        return nullptr;
    return m_hashWorkers.value(m_listNameOfId.at(nMonitorId));
}

void CDxva2MonitorControl::SetVcp(int nMonitorId, const QString& strCode, int nValue)
{
    WorkerCalls::SetVcp(Worker(nMonitorId), nMonitorId, strCode, nValue);
}

QString CDxva2MonitorControl::GetVcp(int nMonitorId, const QString& strCode)
{
    return WorkerCalls::GetVcp(Worker(nMonitorId), strCode);
}

bool CDxva2MonitorControl::WaitIdle(int nTimeoutMs)
{
    std::vector<std::shared_ptr<CDdcMonitorWorker>> vecWorkers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& pWorker : qAsConst(m_hashWorkers))
            vecWorkers.push_back(pWorker);
    }
    return WorkerCalls::WaitAllIdle(vecWorkers, nTimeoutMs);
}
