#include "plugins/ddcci/DdcciMonitorPlugin.h"

#include "plugins/ddcci/I2cDevBus.h"

CDdcciMonitorPlugin::CDdcciMonitorPlugin(QObject* parent)
    : CDdcciMonitorControl([](int nBus) { return std::unique_ptr<CI2cBus>(new CI2cDevBus(nBus)); }, DdcTimings(),
                           parent)
{
}
