#include "plugins/dxva2/Dxva2MonitorPlugin.h"

#include "plugins/dxva2/WinPhysicalMonitorApi.h"

CDxva2MonitorPlugin::CDxva2MonitorPlugin(QObject* parent)
    : CDxva2MonitorControl(std::make_shared<CWinPhysicalMonitorApi>(), DdcTimings(), parent)
{
}
