#pragma once

#include <QString>

#include <memory>
#include <vector>

class CDdcMonitorWorker;

// The plug-in interface's calls as both real plug-ins answer them once they have looked up the
// monitor's worker (null for an unknown id).
namespace WorkerCalls
{
// Queues the write; an unknown monitor, a code that does not parse or a value outside 0-65535 is
// ignored rather than wrapped.
void SetVcp(const std::shared_ptr<CDdcMonitorWorker>& pWorker, int nMonitorId, const QString& strCode, int nValue);
// The value read, "-1" when the monitor or the code is unknown or the read failed.
QString GetVcp(const std::shared_ptr<CDdcMonitorWorker>& pWorker, const QString& strCode);
// Waits until every worker has sent its queue, all within one time-out.
bool WaitAllIdle(const std::vector<std::shared_ptr<CDdcMonitorWorker>>& vecWorkers, int nTimeoutMs);
}
