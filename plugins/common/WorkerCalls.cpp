#include "plugins/common/WorkerCalls.h"

#include "plugins/common/DdcCodec.h"
#include "plugins/common/DdcLog.h"
#include "plugins/common/DdcMonitorWorker.h"

#include <QElapsedTimer>

#include <algorithm>

namespace WorkerCalls
{
void SetVcp(const std::shared_ptr<CDdcMonitorWorker>& pWorker, int nMonitorId, const QString& strCode, int nValue)
{
    const int nCode = CDdcCodec::CodeFromText(strCode);
    if (!pWorker || nCode < 0 || nValue < 0 || nValue > 0xFFFF) {
        qCDebug(lcDdcci, "write ignored: monitor %d, code %s, value %d", nMonitorId, qPrintable(strCode), nValue);
        return;
    }
    pWorker->Write(nCode, nValue);
}

QString GetVcp(const std::shared_ptr<CDdcMonitorWorker>& pWorker, const QString& strCode)
{
    const int nCode = CDdcCodec::CodeFromText(strCode);
    if (!pWorker || nCode < 0)
        return QStringLiteral("-1");
    return QString::number(pWorker->Read(nCode));
}

bool WaitAllIdle(const std::vector<std::shared_ptr<CDdcMonitorWorker>>& vecWorkers, int nTimeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    bool bIdle = true;
    for (const auto& pWorker : vecWorkers)
        bIdle = pWorker->WaitIdle(int(std::max<qint64>(0, nTimeoutMs - timer.elapsed()))) && bIdle;
    return bIdle;
}
}
