#pragma once

#include "plugins/dxva2/PhysicalMonitorApi.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <mutex>

// Displays and monitors for the tests: each display has one physical monitor per interface name,
// handles are new on every walk, values live per monitor, and errors can be queued for the next
// transfers. Thread-safe: workers call it while a test looks.
class CFakePhysicalMonitorApi : public CPhysicalMonitorApi
{
public:
    // The display gets the next HMONITOR; "" stands for a monitor that is not active.
    void SetDisplays(const QList<QStringList>& listMonitorsPerDisplay);
    // The next transfers fail with these errors, one each; nAlways fails every transfer from then on.
    void QueueErrors(const QList<DWORD>& listErrors, DWORD nAlways = ERROR_SUCCESS);

    int Walks() const;
    QList<HANDLE> Open() const;
    QList<HANDLE> Destroyed() const;
    // "GET <interface name> <code>" and "SET <interface name> <code> <value>", codes in decimal.
    QStringList Transfers() const;

    QVector<Display> Displays() override;
    DWORD PhysicalMonitors(HMONITOR hMonitor, QVector<HANDLE>& vecHandles) override;
    QVector<MonitorDevice> MonitorDevices(const QString& strDisplayName) override;
    DWORD GetVcp(HANDLE hMonitor, BYTE nCode, DWORD& nCurrent, DWORD& nMax) override;
    DWORD SetVcp(HANDLE hMonitor, BYTE nCode, DWORD nValue) override;
    void DestroyPhysicalMonitors(const QVector<HANDLE>& vecHandles) override;

private:
    DWORD NextErrorLocked();

    mutable std::mutex m_mutex;
    QList<QStringList> m_listDisplays;
    QList<DWORD> m_listErrors;
    DWORD m_nAlways = ERROR_SUCCESS;
    int m_nWalks = 0;
    quintptr m_nNextHandle = 0x100;
    QHash<HANDLE, QString> m_hashOpen;          // handle -> interface name
    QList<HANDLE> m_listDestroyed;
    QHash<QString, int> m_hashValues;           // "<interface name> <code>" -> value
    QStringList m_listTransfers;
};
