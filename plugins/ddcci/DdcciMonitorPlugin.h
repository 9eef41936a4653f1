#pragma once

#include "plugins/ddcci/DdcciMonitorControl.h"

// Monitor.dll for Linux: DDC/CI over /dev/i2c-<n> with the timings displays need.
class CDdcciMonitorPlugin : public CDdcciMonitorControl
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CMonitorCtrlInterface_iid)
    Q_INTERFACES(CMonitorCtrlInterface)

public:
    explicit CDdcciMonitorPlugin(QObject* parent = nullptr);
};
