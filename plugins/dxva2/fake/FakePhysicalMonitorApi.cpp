#include "plugins/dxva2/fake/FakePhysicalMonitorApi.h"

namespace
{
constexpr DWORD VCP_NOT_SUPPORTED = 0xC0262584;

HMONITOR MonitorOf(int nDisplay)
{
    return reinterpret_cast<HMONITOR>(quintptr(nDisplay + 1));
}

QString DisplayName(int nDisplay)
{
    return QStringLiteral("\\\\.\\DISPLAY%1").arg(nDisplay + 1);
}
}

void CFakePhysicalMonitorApi::SetDisplays(const QList<QStringList>& listMonitorsPerDisplay)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listDisplays = listMonitorsPerDisplay;
}

void CFakePhysicalMonitorApi::QueueErrors(const QList<DWORD>& listErrors, DWORD nAlways)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listErrors = listErrors;
    m_nAlways = nAlways;
}

int CFakePhysicalMonitorApi::Walks() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nWalks;
}

QList<HANDLE> CFakePhysicalMonitorApi::Open() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hashOpen.keys();
}

QList<HANDLE> CFakePhysicalMonitorApi::Destroyed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listDestroyed;
}

QStringList CFakePhysicalMonitorApi::Transfers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listTransfers;
}

QVector<CPhysicalMonitorApi::Display> CFakePhysicalMonitorApi::Displays()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_nWalks;
    QVector<Display> vecDisplays;
    for (int i = 0; i < m_listDisplays.size(); ++i)
        vecDisplays.append(Display{MonitorOf(i), DisplayName(i)});
    return vecDisplays;
}

DWORD CFakePhysicalMonitorApi::PhysicalMonitors(HMONITOR hMonitor, QVector<HANDLE>& vecHandles)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    vecHandles.clear();
    const int nDisplay = int(reinterpret_cast<quintptr>(hMonitor)) - 1;
    if (nDisplay < 0 || nDisplay >= m_listDisplays.size())
        return ERROR_INVALID_HANDLE;
    for (const QString& strName : m_listDisplays.at(nDisplay)) {
        if (strName.isEmpty())
            continue;
        const HANDLE hHandle = reinterpret_cast<HANDLE>(m_nNextHandle++);
        m_hashOpen.insert(hHandle, strName);
        vecHandles.append(hHandle);
    }
    return ERROR_SUCCESS;
}

QVector<CPhysicalMonitorApi::MonitorDevice> CFakePhysicalMonitorApi::MonitorDevices(const QString& strDisplayName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<MonitorDevice> vecDevices;
    for (int i = 0; i < m_listDisplays.size(); ++i) {
        if (DisplayName(i) != strDisplayName)
            continue;
        const QStringList& listNames = m_listDisplays.at(i);
        for (int j = 0; j < listNames.size(); ++j) {
            const bool bActive = !listNames.at(j).isEmpty();
            vecDevices.append(MonitorDevice{strDisplayName + QStringLiteral("\\Monitor%1").arg(j),
                                            bActive ? listNames.at(j) : QStringLiteral("inactive"),
                                            bActive ? DWORD(DISPLAY_DEVICE_ACTIVE | DISPLAY_DEVICE_ATTACHED) : 0});
        }
    }
    return vecDevices;
}

DWORD CFakePhysicalMonitorApi::NextErrorLocked()
{
    return m_listErrors.isEmpty() ? m_nAlways : m_listErrors.takeFirst();
}

DWORD CFakePhysicalMonitorApi::GetVcp(HANDLE hMonitor, BYTE nCode, DWORD& nCurrent, DWORD& nMax)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_hashOpen.contains(hMonitor))
        return ERROR_INVALID_HANDLE;
    const QString strName = m_hashOpen.value(hMonitor);
    m_listTransfers.append(QStringLiteral("GET %1 %2").arg(strName).arg(nCode));
    if (const DWORD nError = NextErrorLocked())
        return nError;
    const QString strKey = strName + QLatin1Char(' ') + QString::number(nCode);
    if (!m_hashValues.contains(strKey))
        return VCP_NOT_SUPPORTED;
    nCurrent = DWORD(m_hashValues.value(strKey));
    nMax = 100;
    return ERROR_SUCCESS;
}

DWORD CFakePhysicalMonitorApi::SetVcp(HANDLE hMonitor, BYTE nCode, DWORD nValue)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_hashOpen.contains(hMonitor))
        return ERROR_INVALID_HANDLE;
    const QString strName = m_hashOpen.value(hMonitor);
    m_listTransfers.append(QStringLiteral("SET %1 %2 %3").arg(strName).arg(nCode).arg(nValue));
    if (const DWORD nError = NextErrorLocked())
        return nError;
    m_hashValues.insert(strName + QLatin1Char(' ') + QString::number(nCode), int(nValue));
    return ERROR_SUCCESS;
}

void CFakePhysicalMonitorApi::DestroyPhysicalMonitors(const QVector<HANDLE>& vecHandles)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (HANDLE hHandle : vecHandles) {
        m_hashOpen.remove(hHandle);
        m_listDestroyed.append(hHandle);
    }
}
