#pragma once

#include "plugins/ddcci/DdcTimings.h"
#include "plugins/ddcci/I2cBus.h"

#include <QString>

#include <chrono>
#include <memory>

// Get and Set VCP Feature on one display: the messages, the pauses between them, and the retry
// of transient failures. Displays differ in how long they need before a reply can be read: the
// wait starts at nReplyDelayMs, grows while replies are not ready and keeps the length that gave
// the last answer. Not thread-safe: one worker thread owns it.
class CDdcTransport
{
public:
    enum class EStatus
    {
        Ok,
        Unsupported,
        Failed,
    };

    struct Result
    {
        EStatus eStatus = EStatus::Failed;
        int nValue = -1;
        int nMax = -1;
        int nError = 0;     // errno of the last bus failure, 0 when the bus itself worked
        int nAttempts = 0;
        QString strWhy;
    };

    CDdcTransport(std::unique_ptr<CI2cBus> pBus, const DdcTimings& timings);
    ~CDdcTransport();

    Result GetVcp(quint8 nCode);
    Result SetVcp(quint8 nCode, quint16 nValue);
    // Drops the open device; the next transfer opens it again.
    void Close();

    CI2cBus* Bus() const { return m_pBus.get(); }
    // The display's pause after the last message ends then.
    std::chrono::steady_clock::time_point NextMessageTime() const { return m_tpNextMessage; }
    // How long the next read waits for its reply.
    int ReplyDelayMs() const { return m_nReplyDelayMs; }

    static bool IsTransientError(int nError);

private:
    using Clock = std::chrono::steady_clock;

    int EnsureOpen();
    void WaitForGap();
    bool SendRequest(const QByteArray& baRequest, const char* szStep, Result& result, bool& bRetry);
    void MessageDone();
    void PauseBeforeRetry(int nAttempt);
    void AfterBusError(int nError);
    bool MayRetry(int nError) const;
    void GaveUp(Result& result);
    int LongerReplyDelay(int nDelayMs) const;
    static void HintOnce(int nError, const QString& strDevice);

    std::unique_ptr<CI2cBus> m_pBus;
    DdcTimings m_timings;
    Clock::time_point m_tpNextMessage;
    int m_nReplyDelayMs;
    bool m_bSilent = false;     // the last transfer got no answer in any attempt: one attempt until one does
};
