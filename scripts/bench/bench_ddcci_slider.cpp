// A 100-step brightness slider drag from the GUI thread against a simulated display at display
// timings (40 ms before a reply, 50 ms between messages), through the queued plug-in and through
// a plug-in that writes in the calling thread. Prints, per run: the longest time one SetVcp call
// blocked, the GUI time the drag took, the bus transfers, the time from the last call until the
// display held the final value, and the time from the first call until then.
#include "plugins/ddcci/DdcTransport.h"
#include "plugins/ddcci/DdcciMonitorControl.h"
#include "plugins/ddcci/fake/FakeDdcMonitor.h"
#include "plugins/ddcci/fake/FakeI2cBus.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <mutex>

namespace
{
const QString DEVICE_ID = QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
constexpr int STEPS = 100;
constexpr int SERVICE_PAUSE_MS = 5;     // the client's own pause after every write
constexpr int TRANSFER_MS = 1;          // a 7-byte message at 100 kHz, rounded up

// The plain design, for comparison: every write goes to the bus in the caller's thread.
class CSyncDdcPlugin : public CMonitorCtrlInterface
{
public:
    explicit CSyncDdcPlugin(std::unique_ptr<CI2cBus> pBus)
        : m_transport(std::move(pBus), DdcTimings())
    {
    }
    void Reset() override {}
    int GetMonitorIndex(QString) override { return 0; }
    void SetVcp(int, const QString& strCode, int nValue) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_transport.SetVcp(quint8(strCode.mid(2).toInt(nullptr, 16)), quint16(nValue));
    }
    QString GetVcp(int, const QString& strCode) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return QString::number(m_transport.GetVcp(quint8(strCode.mid(2).toInt(nullptr, 16))).nValue);
    }

private:
    std::mutex m_mutex;
    CDdcTransport m_transport;
};

struct Figures
{
    double dLongestCallMs = 0;
    double dDragMs = 0;
    int nTransfers = 0;
    double dSettleMs = 0;
    double dTotalMs = 0;
};

Figures Drag(CMonitorCtrlInterface& plugin, int nId, CFakeDdcMonitor& monitor)
{
    using Clock = std::chrono::steady_clock;
    const auto Ms = [](Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); };
    Figures figures;
    const Clock::time_point tpStart = Clock::now();
    Clock::time_point tpLastCall;
    for (int i = 1; i <= STEPS; ++i) {
        tpLastCall = Clock::now();
        plugin.SetVcp(nId, QStringLiteral("0x10"), i);
        figures.dLongestCallMs = qMax(figures.dLongestCallMs, Ms(Clock::now() - tpLastCall));
        QThread::msleep(SERVICE_PAUSE_MS);
    }
    figures.dDragMs = Ms(Clock::now() - tpStart);
    while (monitor.Value(0x10) != STEPS)
        QThread::usleep(200);
    // The display notes when it took the value; it may be before the drag's last pause ended.
    figures.dSettleMs = Ms(monitor.LastSetTime() - tpLastCall);
    figures.dTotalMs = Ms(monitor.LastSetTime() - tpStart);
    figures.nTransfers = monitor.Sets().size();
    return figures;
}

std::shared_ptr<CFakeDdcMonitor> NewMonitor()
{
    auto pMonitor = std::make_shared<CFakeDdcMonitor>();
    pMonitor->SetFeature(0x10, 0, 100);
    pMonitor->SetTransferMs(TRANSFER_MS);
    pMonitor->SetRequiredDelays(40, 50);
    return pMonitor;
}

void Print(const char* szName, int nRun, const Figures& figures, int nViolations)
{
    std::printf("%-7s %3d  %10.2f  %7.0f  %9d  %9.1f  %8.0f  %10d\n", szName, nRun, figures.dLongestCallMs,
                figures.dDragMs, figures.nTransfers, figures.dSettleMs, figures.dTotalMs, nViolations);
}
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int nRuns = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;
    std::printf("%d-step drag, %d ms client pause per step, display timings 40/50 ms\n", STEPS, SERVICE_PAUSE_MS);
    std::printf("plug-in run  longest ms  drag ms  transfers  settle ms  total ms  violations\n");
    for (int nRun = 1; nRun <= nRuns; ++nRun) {
        {
            auto pMonitor = NewMonitor();
            CDdcciMonitorControl plugin([pMonitor](int nBus) { return std::make_unique<CFakeI2cBus>(pMonitor, nBus); },
                                        DdcTimings());
            const int nId = plugin.GetMonitorIndex(DEVICE_ID);
            // Open the bus first, as the page load before any drag does.
            plugin.GetVcp(nId, QStringLiteral("0x10"));
            pMonitor->ClearLog();
            QThread::msleep(100);
            const Figures figures = Drag(plugin, nId, *pMonitor);
            plugin.WaitIdle(5000);
            Print("queued", nRun, figures, pMonitor->Violations());
        }
        {
            auto pMonitor = NewMonitor();
            CSyncDdcPlugin plugin(std::make_unique<CFakeI2cBus>(pMonitor, 5));
            plugin.GetVcp(0, QStringLiteral("0x10"));
            pMonitor->ClearLog();
            QThread::msleep(100);
            const Figures figures = Drag(plugin, 0, *pMonitor);
            Print("sync", nRun, figures, pMonitor->Violations());
        }
    }
    return 0;
}
