#include "plugins/common/DdcMonitorWorker.h"

#include "plugins/common/DdcLog.h"

namespace
{
constexpr int EE_SELECTOR = 0xEE;
constexpr int EE_DATA = 0xEF;
constexpr int F0_SELECTOR = 0xF0;
constexpr int F0_DATA = 0xF2;
}

CDdcMonitorWorker::CDdcMonitorWorker(std::unique_ptr<CVcpTransport> pTransport, const DdcTimings& timings)
    : m_pTransport(std::move(pTransport))
    , m_timings(timings)
{
    m_thread = std::thread(&CDdcMonitorWorker::Run, this);
}

CDdcMonitorWorker::~CDdcMonitorWorker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_cvWork.notify_all();
    m_thread.join();
}

bool CDdcMonitorWorker::IsSelector(int nCode)
{
    return nCode == EE_SELECTOR || nCode == F0_SELECTOR;
}

int CDdcMonitorWorker::DataCodeOf(int nSelector)
{
    if (nSelector == EE_SELECTOR)
        return EE_DATA;
    if (nSelector == F0_SELECTOR)
        return F0_DATA;
    return -1;
}

void CDdcMonitorWorker::Write(int nCode, int nValue)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::thread::id threadId = std::this_thread::get_id();
    if (IsSelector(nCode)) {
        // The data call that completes the pair comes from this thread a moment later.
        FlushHeldLocked(threadId);
        m_mapHeld[threadId] = HeldSelector{nCode, nValue, Clock::now()};
        m_cvWork.notify_one();
        return;
    }
    std::shared_ptr<Job> pJob = TakePairLocked(nCode);
    pJob->eKind = Job::EKind::Write;
    pJob->nValue = nValue;
    EnqueueLocked(pJob);
}

int CDdcMonitorWorker::Read(int nCode)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::shared_ptr<Job> pJob = TakePairLocked(nCode);
    pJob->eKind = Job::EKind::Read;
    EnqueueLocked(pJob);
    if (m_cvDone.wait_for(lock, std::chrono::milliseconds(m_timings.nReadWaitMs), [&pJob] { return pJob->bDone; }))
        return pJob->nResult;

    // Nobody wants the answer any more: take the read back if it has not started.
    for (auto it = m_queJobs.begin(); it != m_queJobs.end(); ++it) {
        if (*it == pJob) {
            m_queJobs.erase(it);
            break;
        }
    }
    m_cvDone.notify_all();
    qCDebug(lcDdcci, "%s: no answer for 0x%02X within %d ms", qPrintable(m_pTransport->Name()), nCode,
            m_timings.nReadWaitMs);
    return -1;
}

void CDdcMonitorWorker::Resync()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto pJob = std::make_shared<Job>();
    pJob->eKind = Job::EKind::Resync;
    EnqueueLocked(pJob);
}

bool CDdcMonitorWorker::WaitIdle(int nTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cvDone.wait_for(lock, std::chrono::milliseconds(nTimeoutMs),
                             [this] { return m_queJobs.empty() && !HasUnsentLocked() && !m_bRunning; });
}

std::shared_ptr<CDdcMonitorWorker::Job> CDdcMonitorWorker::TakePairLocked(int nCode)
{
    auto pJob = std::make_shared<Job>();
    pJob->nCode = nCode;
    const std::thread::id threadId = std::this_thread::get_id();
    auto it = m_mapHeld.find(threadId);
    if (it == m_mapHeld.end())
        return pJob;
    if (DataCodeOf(it->second.nSelector) == nCode) {
        pJob->nSelector = it->second.nSelector;
        pJob->nSubCode = it->second.nSubCode;
        m_mapHeld.erase(it);
    } else {
        FlushHeldLocked(threadId);
    }
    return pJob;
}

void CDdcMonitorWorker::FlushHeldLocked(std::thread::id threadId)
{
    auto it = m_mapHeld.find(threadId);
    if (it == m_mapHeld.end())
        return;
    if (!it->second.bSent) {
        auto pJob = std::make_shared<Job>();
        pJob->eKind = Job::EKind::Write;
        pJob->nCode = it->second.nSelector;
        pJob->nValue = it->second.nSubCode;
        EnqueueLocked(pJob);
    }
    m_mapHeld.erase(it);
}

bool CDdcMonitorWorker::HasUnsentLocked() const
{
    for (const auto& held : m_mapHeld) {
        if (!held.second.bSent)
            return true;
    }
    return false;
}

void CDdcMonitorWorker::EnqueueLocked(const std::shared_ptr<Job>& pJob)
{
    if (!m_queJobs.empty()) {
        Job& last = *m_queJobs.back();
        // Only the last job can absorb a write: merging past another job would reorder.
        const bool bSameFeature = last.eKind == pJob->eKind && last.nCode == pJob->nCode
            && last.nSelector == pJob->nSelector && last.nSubCode == pJob->nSubCode;
        if (bSameFeature && pJob->eKind == Job::EKind::Write) {
            last.nValue = pJob->nValue;
            return;
        }
        if (last.eKind == Job::EKind::Resync && pJob->eKind == Job::EKind::Resync)
            return;
    }
    m_queJobs.push_back(pJob);
    m_cvWork.notify_one();
}

void CDdcMonitorWorker::ReleaseExpiredLocked(Clock::time_point tpNow)
{
    const auto hold = std::chrono::milliseconds(m_timings.nSelectorHoldMs);
    // A thread that went away leaves its entry behind; forget it after a while.
    const auto forget = std::chrono::minutes(1);
    for (auto it = m_mapHeld.begin(); it != m_mapHeld.end();) {
        HeldSelector& held = it->second;
        if (held.bSent && held.tpSince + forget <= tpNow) {
            it = m_mapHeld.erase(it);
            continue;
        }
        if (!held.bSent && (m_bStop || held.tpSince + hold <= tpNow)) {
            auto pJob = std::make_shared<Job>();
            pJob->eKind = Job::EKind::Write;
            pJob->nCode = held.nSelector;
            pJob->nValue = held.nSubCode;
            EnqueueLocked(pJob);
            held.bSent = true;
        }
        ++it;
    }
}

void CDdcMonitorWorker::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    Clock::time_point tpGiveUp = Clock::time_point::max();
    for (;;) {
        if (m_bStop && tpGiveUp == Clock::time_point::max())
            tpGiveUp = Clock::now() + std::chrono::milliseconds(m_timings.nShutdownMs);
        ReleaseExpiredLocked(Clock::now());

        if (!m_queJobs.empty()) {
            // Take the job only when it can go out: until then a newer write can still merge
            // into it instead of waiting for the next turn.
            const Clock::time_point tpReady = m_pTransport->NextMessageTime();
            if (!m_bStop && Clock::now() < tpReady) {
                m_cvWork.wait_until(lock, tpReady);
                continue;
            }
            std::shared_ptr<Job> pJob = m_queJobs.front();
            m_queJobs.pop_front();
            m_bRunning = true;
            lock.unlock();
            if (Clock::now() < tpGiveUp)
                Execute(*pJob);
            else
                qCDebug(lcDdcci, "%s: closing, 0x%02X not sent", qPrintable(m_pTransport->Name()), pJob->nCode);
            lock.lock();
            pJob->bDone = true;
            m_bRunning = false;
            m_cvDone.notify_all();
            continue;
        }
        if (m_bStop)
            break;
        m_cvDone.notify_all();
        Clock::time_point tpFirst = Clock::time_point::max();
        for (const auto& held : m_mapHeld) {
            if (!held.second.bSent)
                tpFirst = std::min(tpFirst, held.second.tpSince);
        }
        if (tpFirst == Clock::time_point::max())
            m_cvWork.wait(lock);
        else
            m_cvWork.wait_until(lock, tpFirst + std::chrono::milliseconds(m_timings.nSelectorHoldMs));
    }
}

void CDdcMonitorWorker::Execute(Job& job)
{
    switch (job.eKind) {
    case Job::EKind::Resync:
        m_pTransport->Close();
        return;
    case Job::EKind::Write:
        // A failed selector leaves the display pointing at an unknown sub-feature: writing the
        // data then could change the wrong setting.
        if (job.nSelector >= 0 && !WriteOne(job.nSelector, job.nSubCode))
            return;
        WriteOne(job.nCode, job.nValue);
        return;
    case Job::EKind::Read:
        if (job.nSelector >= 0 && !WriteOne(job.nSelector, job.nSubCode)) {
            job.nResult = -1;
            return;
        }
        job.nResult = ReadOne(job.nCode);
        return;
    }
}

bool CDdcMonitorWorker::WriteOne(int nCode, int nValue)
{
    const CVcpTransport::Result result = m_pTransport->SetVcp(quint8(nCode), quint16(nValue));
    if (result.eStatus == CVcpTransport::EStatus::Ok)
        return true;
    qCDebug(lcDdcci, "%s: set 0x%02X to %d failed: %s", qPrintable(m_pTransport->Name()), nCode, nValue,
            qPrintable(result.strWhy));
    return false;
}

int CDdcMonitorWorker::ReadOne(int nCode)
{
    const CVcpTransport::Result result = m_pTransport->GetVcp(quint8(nCode));
    if (result.eStatus == CVcpTransport::EStatus::Ok)
        return result.nValue;
    qCDebug(lcDdcci, "%s: get 0x%02X: %s", qPrintable(m_pTransport->Name()), nCode, qPrintable(result.strWhy));
    return -1;
}
