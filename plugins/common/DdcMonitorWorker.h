#pragma once

#include "plugins/common/DdcTimings.h"
#include "plugins/common/VcpTransport.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

// All bus traffic of one display, on a thread of its own, so that no caller waits for the bus
// except a reader waiting for its own answer.
//
// Jobs run in call order. A write to a selector (0xEE, 0xF0) is held, per calling thread, until
// the same thread writes or reads the matching data code (0xEF, 0xF2); both then form one job, so
// that no other thread's traffic can come between them. A write queued behind a busy bus takes
// over the value of the last queued job when that job writes the same feature. A read is queued
// like a write and so sees every write made before it. A selector whose data call has not come
// within nSelectorHoldMs is sent alone, so that it is not lost; should the data call still come,
// its job sends the selector again.
class CDdcMonitorWorker
{
public:
    CDdcMonitorWorker(std::unique_ptr<CVcpTransport> pTransport, const DdcTimings& timings);
    // Sends what is still queued (within nShutdownMs), then stops the thread.
    ~CDdcMonitorWorker();

    // Returns at once.
    void Write(int nCode, int nValue);
    // The value, or -1 when the display does not support the code, the transfer failed or the
    // answer did not come within nReadWaitMs.
    int Read(int nCode);
    // Closes the transport once the jobs queued so far are done.
    void Resync();
    // True when nothing is queued, held or running.
    bool WaitIdle(int nTimeoutMs);

    static bool IsSelector(int nCode);
    static int DataCodeOf(int nSelector);

private:
    using Clock = std::chrono::steady_clock;

    struct Job
    {
        enum class EKind
        {
            Write,
            Read,
            Resync,
        };
        EKind eKind = EKind::Write;
        int nSelector = -1;     // with a sub-code: a selector/data pair
        int nSubCode = 0;
        int nCode = 0;
        int nValue = 0;
        bool bDone = false;
        int nResult = -1;
    };

    struct HeldSelector
    {
        int nSelector = 0;
        int nSubCode = 0;
        Clock::time_point tpSince;
        bool bSent = false;
    };

    std::shared_ptr<Job> TakePairLocked(int nCode);
    void FlushHeldLocked(std::thread::id threadId);
    void EnqueueLocked(const std::shared_ptr<Job>& pJob);
    void ReleaseExpiredLocked(Clock::time_point tpNow);
    bool HasUnsentLocked() const;
    void Run();
    void Execute(Job& job);
    int ReadOne(int nCode);
    bool WriteOne(int nCode, int nValue);

    const std::unique_ptr<CVcpTransport> m_pTransport;
    const DdcTimings m_timings;

    std::mutex m_mutex;
    std::condition_variable m_cvWork;
    std::condition_variable m_cvDone;
    std::deque<std::shared_ptr<Job>> m_queJobs;
    std::map<std::thread::id, HeldSelector> m_mapHeld;
    bool m_bRunning = false;
    bool m_bStop = false;
    std::thread m_thread;
};
