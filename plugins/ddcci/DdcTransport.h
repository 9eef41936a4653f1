#pragma once

#include "plugins/common/DdcTimings.h"
#include "plugins/common/VcpTransport.h"
#include "plugins/ddcci/I2cBus.h"

#include <memory>

// Get and Set VCP Feature on one display: the messages, the pauses between them, and the retry
// of transient failures. Displays differ in how long they need before a reply can be read: the
// wait starts at nReplyDelayMs, grows while replies are not ready and keeps the length that gave
// the last answer. Not thread-safe: one worker thread owns it.
// Result::nError is an errno value.
class CDdcTransport : public CVcpTransport
{
public:
    CDdcTransport(std::unique_ptr<CI2cBus> pBus, const DdcTimings& timings);
    ~CDdcTransport() override;

    Result GetVcp(quint8 nCode) override;
    Result SetVcp(quint8 nCode, quint16 nValue) override;
    // Drops the open device; the next transfer opens it again.
    void Close() override;
    std::chrono::steady_clock::time_point NextMessageTime() const override { return m_tpNextMessage; }
    QString Name() const override { return m_pBus->Name(); }

    CI2cBus* Bus() const { return m_pBus.get(); }
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
