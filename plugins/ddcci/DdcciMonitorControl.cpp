#include "plugins/ddcci/DdcciMonitorControl.h"

#include "plugins/common/DdcLog.h"
#include "plugins/common/DdcMonitorWorker.h"
#include "plugins/common/WorkerCalls.h"
#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/I2cBus.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace
{
constexpr int MAX_BUS = 1 << 16;
constexpr int QUIT_FLUSH_MS = 2000;
}

CDdcciMonitorControl::CDdcciMonitorControl(BusFactory busFactory, const DdcTimings& timings, QObject* parent)
    : CMonitorCtrlInterface(parent)
    , m_busFactory(std::move(busFactory))
    , m_timings(timings)
{
    // The client quits right after the user's last change: let that change reach the monitor.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { WaitIdle(QUIT_FLUSH_MS); });
    }
}

CDdcciMonitorControl::~CDdcciMonitorControl() = default;

int CDdcciMonitorControl::BusFromDeviceId(const QString& strDeviceId)
{
    // \\?\DISPLAY#<PNP><PRODUCT>#<connector>&UID<bus>#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}
    static const QRegularExpression re(
        QStringLiteral(R"(^\\\\\?\\DISPLAY#[^#&]+#[^#&]+&UID(\d{1,6})#\{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7\}$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = re.match(strDeviceId);
    if (!match.hasMatch())
        return -1;
    const int nBus = match.captured(1).toInt();
    return nBus < MAX_BUS ? nBus : -1;
}

void CDdcciMonitorControl::Reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& worker : m_mapWorkers)
        worker.second->Resync();
}

int CDdcciMonitorControl::GetMonitorIndex(QString strDeviceId)
{
    const int nBus = BusFromDeviceId(strDeviceId);
    if (nBus < 0) {
        qCDebug(lcDdcci, "not a DDC/CI device ID: %s", qPrintable(strDeviceId));
        return -1;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const QString strKey = strDeviceId.toUpper();
    auto it = m_hashIds.constFind(strKey);
    if (it != m_hashIds.constEnd())
        return it.value();

    const int nId = m_vecBusOfId.size();
    m_vecBusOfId.append(nBus);
    m_hashIds.insert(strKey, nId);
    if (m_mapWorkers.find(nBus) == m_mapWorkers.end())
        m_mapWorkers.emplace(nBus, std::make_shared<CDdcMonitorWorker>(
                                       std::make_unique<CDdcTransport>(m_busFactory(nBus), m_timings), m_timings));
    return nId;
}

std::shared_ptr<CDdcMonitorWorker> CDdcciMonitorControl::Worker(int nMonitorId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (nMonitorId < 0 || nMonitorId >= m_vecBusOfId.size())
        return nullptr;
    auto it = m_mapWorkers.find(m_vecBusOfId.at(nMonitorId));
    return it == m_mapWorkers.end() ? nullptr : it->second;
}

void CDdcciMonitorControl::SetVcp(int nMonitorId, const QString& strCode, int nValue)
{
    WorkerCalls::SetVcp(Worker(nMonitorId), nMonitorId, strCode, nValue);
}

QString CDdcciMonitorControl::GetVcp(int nMonitorId, const QString& strCode)
{
    return WorkerCalls::GetVcp(Worker(nMonitorId), strCode);
}

bool CDdcciMonitorControl::WaitIdle(int nTimeoutMs)
{
    std::vector<std::shared_ptr<CDdcMonitorWorker>> vecWorkers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& worker : m_mapWorkers)
            vecWorkers.push_back(worker.second);
    }
    return WorkerCalls::WaitAllIdle(vecWorkers, nTimeoutMs);
}
