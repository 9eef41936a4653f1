#pragma once

#include <QList>
#include <QString>

// One detected monitor. Callers always hold copies.
struct MonitorInfo
{
    int nIndex = -1;
    QString strDeviceName;
    QString strMonitorName;     // the name shown
    QString strEdidName;        // null when the EDID gave no name
    QString strManufacturer;
    QString strProductCode;     // shown when strMonitorName is empty
    QString strReserved;
    int nMonitorId = -1;        // the plug-in's id
    QString strDeviceId;        // device interface name, kept for the refresh-rate lookup
};
