#pragma once

#include <QByteArray>
#include <QString>

// The Windows shape of a monitor's device interface name and the parts of it that come from the
// EDID. Detection and every display platform agree on it through this class.
class CDisplayDeviceId
{
public:
    // Device interface class of monitors.
    static QString InterfaceGuid();

    // "\\?\DISPLAY#ZVO27A1#1&UID1#{guid}" -> "DISPLAY\ZVO27A1\1&UID1", the key of the device
    // instance below HKLM\SYSTEM\CurrentControlSet\Enum.
    static QString InstancePath(const QString& strDeviceId);
    // "\\?\DISPLAY#<model>#<instance>#{guid}"
    static QString Compose(const QString& strModel, const QString& strInstance);

    // Three-letter maker code of EDID bytes 8-9; empty when the EDID is too short or a letter
    // is out of range.
    static QString MakerCode(const QByteArray& baEdid);
    // Four upper-case hex digits of the little-endian product code, bytes 10-11; empty when short.
    static QString ProductCode(const QByteArray& baEdid);
    // Maker and product code ("ZVO27A1"); a monitor without a usable EDID gets the name Windows
    // gives it, "Default_Monitor".
    static QString ModelKey(const QByteArray& baEdid);
};
