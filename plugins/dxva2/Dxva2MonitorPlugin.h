#pragma once

#include "plugins/dxva2/Dxva2MonitorControl.h"

// Monitor.dll for Windows: DDC/CI through dxva2 with the timings displays need.
class CDxva2MonitorPlugin : public CDxva2MonitorControl
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CMonitorCtrlInterface_iid)
    Q_INTERFACES(CMonitorCtrlInterface)

public:
    explicit CDxva2MonitorPlugin(QObject* parent = nullptr);
};
