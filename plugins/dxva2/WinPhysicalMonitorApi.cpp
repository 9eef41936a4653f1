#include "plugins/dxva2/WinPhysicalMonitorApi.h"

#include <physicalmonitorenumerationapi.h>

#include <vector>

// mingw-w64 has the import library but not this header (lowlevelmonitorconfigurationapi.h).
extern "C" {
typedef enum _MC_VCP_CODE_TYPE
{
    MC_MOMENTARY,
    MC_SET_PARAMETER
} MC_VCP_CODE_TYPE;
WINBOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE hMonitor, BYTE bVCPCode, MC_VCP_CODE_TYPE* pvct,
                                               LPDWORD pdwCurrentValue, LPDWORD pdwMaximumValue);
WINBOOL WINAPI SetVCPFeature(HANDLE hMonitor, BYTE bVCPCode, DWORD dwNewValue);
}

namespace
{
// A failure whose error code got lost still has to read as a failure.
DWORD LastErrorOf(BOOL bOk)
{
    if (bOk)
        return ERROR_SUCCESS;
    const DWORD nError = GetLastError();
    return nError ? nError : DWORD(ERROR_GEN_FAILURE);
}

BOOL CALLBACK CollectDisplay(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    CPhysicalMonitorApi::Display display;
    display.hMonitor = hMonitor;
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(hMonitor, reinterpret_cast<LPMONITORINFO>(&info)))
        display.strDeviceName = QString::fromWCharArray(info.szDevice);
    reinterpret_cast<QVector<CPhysicalMonitorApi::Display>*>(lParam)->append(display);
    return TRUE;
}
}

QVector<CPhysicalMonitorApi::Display> CWinPhysicalMonitorApi::Displays()
{
    QVector<Display> vecDisplays;
    EnumDisplayMonitors(nullptr, nullptr, &CollectDisplay, reinterpret_cast<LPARAM>(&vecDisplays));
    return vecDisplays;
}

DWORD CWinPhysicalMonitorApi::PhysicalMonitors(HMONITOR hMonitor, QVector<HANDLE>& vecHandles)
{
    vecHandles.clear();
    DWORD nCount = 0;
    if (!GetNumberOfPhysicalMonitorsFromHMONITOR(hMonitor, &nCount))
        return LastErrorOf(FALSE);
    if (nCount == 0)
        return ERROR_SUCCESS;
    std::vector<PHYSICAL_MONITOR> vecPhysical(nCount);
    if (!GetPhysicalMonitorsFromHMONITOR(hMonitor, nCount, vecPhysical.data()))
        return LastErrorOf(FALSE);
    for (const PHYSICAL_MONITOR& physical : vecPhysical)
        vecHandles.append(physical.hPhysicalMonitor);
    return ERROR_SUCCESS;
}

QVector<CPhysicalMonitorApi::MonitorDevice> CWinPhysicalMonitorApi::MonitorDevices(const QString& strDisplayName)
{
    QVector<MonitorDevice> vecDevices;
    const std::wstring strName = strDisplayName.toStdWString();
    for (DWORD i = 0;; ++i) {
        DISPLAY_DEVICEW device = {};
        device.cb = sizeof(device);
        if (!EnumDisplayDevicesW(strName.c_str(), i, &device, EDD_GET_DEVICE_INTERFACE_NAME))
            break;
        MonitorDevice monitor;
        monitor.strDeviceName = QString::fromWCharArray(device.DeviceName);
        monitor.strInterfaceName = QString::fromWCharArray(device.DeviceID);
        monitor.nStateFlags = device.StateFlags;
        vecDevices.append(monitor);
    }
    return vecDevices;
}

DWORD CWinPhysicalMonitorApi::GetVcp(HANDLE hMonitor, BYTE nCode, DWORD& nCurrent, DWORD& nMax)
{
    MC_VCP_CODE_TYPE eType = MC_SET_PARAMETER;
    return LastErrorOf(GetVCPFeatureAndVCPFeatureReply(hMonitor, nCode, &eType, &nCurrent, &nMax));
}

DWORD CWinPhysicalMonitorApi::SetVcp(HANDLE hMonitor, BYTE nCode, DWORD nValue)
{
    return LastErrorOf(SetVCPFeature(hMonitor, nCode, nValue));
}

void CWinPhysicalMonitorApi::DestroyPhysicalMonitors(const QVector<HANDLE>& vecHandles)
{
    if (vecHandles.isEmpty())
        return;
    std::vector<PHYSICAL_MONITOR> vecPhysical(size_t(vecHandles.size()));
    for (int i = 0; i < vecHandles.size(); ++i)
        vecPhysical[size_t(i)].hPhysicalMonitor = vecHandles.at(i);
    ::DestroyPhysicalMonitors(DWORD(vecPhysical.size()), vecPhysical.data());
}
