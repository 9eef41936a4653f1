#pragma once

#include <QString>
#include <QVector>

#include <windows.h>

// The Win32 and dxva2 calls the Windows plug-in makes, behind an interface so that tests can put
// a simulated set of displays in their place. Calls that can fail return ERROR_SUCCESS or the
// error code, never a failure without one.
class CPhysicalMonitorApi
{
public:
    struct Display
    {
        HMONITOR hMonitor = nullptr;
        QString strDeviceName;      // "\\.\DISPLAY1"
    };

    struct MonitorDevice
    {
        QString strDeviceName;      // "\\.\DISPLAY1\Monitor0"
        QString strInterfaceName;   // "\\?\DISPLAY#...#{e6f07b5f-...}", what detection knows a monitor by
        DWORD nStateFlags = 0;
    };

    virtual ~CPhysicalMonitorApi() = default;

    // EnumDisplayMonitors with GetMonitorInfoW's device name.
    virtual QVector<Display> Displays() = 0;
    // GetNumberOfPhysicalMonitorsFromHMONITOR, then GetPhysicalMonitorsFromHMONITOR.
    virtual DWORD PhysicalMonitors(HMONITOR hMonitor, QVector<HANDLE>& vecHandles) = 0;
    // EnumDisplayDevicesW(display, i, EDD_GET_DEVICE_INTERFACE_NAME) for i = 0, 1, ...
    virtual QVector<MonitorDevice> MonitorDevices(const QString& strDisplayName) = 0;
    virtual DWORD GetVcp(HANDLE hMonitor, BYTE nCode, DWORD& nCurrent, DWORD& nMax) = 0;
    virtual DWORD SetVcp(HANDLE hMonitor, BYTE nCode, DWORD nValue) = 0;
    virtual void DestroyPhysicalMonitors(const QVector<HANDLE>& vecHandles) = 0;
};
