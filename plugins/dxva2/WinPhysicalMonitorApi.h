#pragma once

#include "plugins/dxva2/PhysicalMonitorApi.h"

// The real calls, into user32 and dxva2.
class CWinPhysicalMonitorApi : public CPhysicalMonitorApi
{
public:
    QVector<Display> Displays() override;
    DWORD PhysicalMonitors(HMONITOR hMonitor, QVector<HANDLE>& vecHandles) override;
    QVector<MonitorDevice> MonitorDevices(const QString& strDisplayName) override;
    DWORD GetVcp(HANDLE hMonitor, BYTE nCode, DWORD& nCurrent, DWORD& nMax) override;
    DWORD SetVcp(HANDLE hMonitor, BYTE nCode, DWORD nValue) override;
    void DestroyPhysicalMonitors(const QVector<HANDLE>& vecHandles) override;
};
