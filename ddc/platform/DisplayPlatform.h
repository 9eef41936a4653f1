#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

// The questions monitor detection asks the operating system, in Windows terms. Windows answers
// them with the real calls, Linux from DRM sysfs, and a plug-in may answer them itself (the
// simulated monitor does, so a machine without monitors still shows a complete client).
// Implementations only answer; every decision is taken above them.
class CDisplayPlatform
{
public:
    struct Display
    {
        QString strDeviceName;      // "\\.\DISPLAY1"; empty when it could not be had
        int nPhysicalMonitors = 0;
        bool bCountOk = true;       // false when the physical-monitor count could not be had
        bool bMonitorsOk = true;    // false when the physical monitors could not be fetched
    };

    struct MonitorDevice
    {
        QString strDeviceName;      // "\\.\DISPLAY1\Monitor0"
        QString strDeviceId;        // device interface name, "\\?\DISPLAY#ZVO27A1#...#{e6f07b5f-...}"
        quint32 nStateFlags = 0;    // DISPLAY_DEVICE_ACTIVE 0x1, mirroring 0x8
        QString strConnector;       // "DP-1" where the platform knows the connector; empty on Windows
    };

    struct Adapter
    {
        QString strDeviceName;      // "\\.\DISPLAY1"
        QList<MonitorDevice> listMonitors;
    };

    virtual ~CDisplayPlatform() = default;

    // The displays in the order the system reports them.
    virtual QList<Display> Displays() = 0;
    // The adapters in order, each with its monitors in order.
    virtual QList<Adapter> Adapters() = 0;

    // Registry-style reads below HKLM; paths use backslashes, e.g.
    // "SYSTEM\CurrentControlSet\Enum\DISPLAY\ZVO27A1\1&UID1\Device Parameters".
    virtual bool KeyExists(const QString& strKeyPath) = 0;
    virtual QStringList SubKeys(const QString& strKeyPath) = 0;
    // False unless the value exists and is binary.
    virtual bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) = 0;

    // Current refresh rate in Hz of the display with this device name ("\\.\DISPLAY1"), or -1.
    virtual int RefreshRate(const QString& strDisplayName) = 0;
};

#define CDisplayPlatform_iid "Zavo.DisplayPlatform"
Q_DECLARE_INTERFACE(CDisplayPlatform, CDisplayPlatform_iid)
