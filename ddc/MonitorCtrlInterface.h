#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

// What the client calls on the monitor-control plug-in (plugins/Monitor.dll). The plug-in does
// the DDC/CI transfers; ids are its own, one per monitor.
class CMonitorCtrlInterface : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~CMonitorCtrlInterface() override = default;

    virtual void Reset() = 0;
    virtual int GetMonitorIndex(QString strDeviceId) = 0;
    virtual void SetVcp(int nMonitorId, const QString& strCode, int nValue) = 0;
    // Decimal text of the current value, or "-1" when the read failed.
    virtual QString GetVcp(int nMonitorId, const QString& strCode) = 0;
};

#define CMonitorCtrlInterface_iid "MonitorCtrl.Plugin.InterfacePlugin"
Q_DECLARE_INTERFACE(CMonitorCtrlInterface, CMonitorCtrlInterface_iid)
