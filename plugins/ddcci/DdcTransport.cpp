#include "plugins/ddcci/DdcTransport.h"

#include "plugins/common/DdcCodec.h"

#include <QtGlobal>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

namespace
{
QString ErrorText(int nError)
{
    return QString::fromLocal8Bit(std::strerror(nError));
}

std::atomic<bool> s_bPermissionHinted{false};
std::atomic<bool> s_bModuleHinted{false};
std::atomic<bool> s_bClaimedHinted{false};
}

CDdcTransport::CDdcTransport(std::unique_ptr<CI2cBus> pBus, const DdcTimings& timings)
    : m_pBus(std::move(pBus))
    , m_timings(timings)
    , m_tpNextMessage(Clock::now())
    , m_nReplyDelayMs(timings.nReplyDelayMs)
{
}

CDdcTransport::~CDdcTransport() = default;

bool CDdcTransport::IsTransientError(int nError)
{
    // A display busy with the last command NAKs (EIO, ENXIO or EREMOTEIO, by adapter); EAGAIN is
    // lost arbitration. EBUSY (a driver owns the address), EBADF and permission errors do not go
    // away by asking again.
    return nError == EIO || nError == ENXIO || nError == EREMOTEIO || nError == EAGAIN;
}

void CDdcTransport::Close()
{
    m_pBus->Close();
}

int CDdcTransport::EnsureOpen()
{
    if (m_pBus->IsOpen())
        return 0;
    const int nError = m_pBus->Open();
    if (nError)
        HintOnce(nError, m_pBus->Name());
    return nError;
}

void CDdcTransport::HintOnce(int nError, const QString& strDevice)
{
    if ((nError == EACCES || nError == EPERM) && !s_bPermissionHinted.exchange(true)) {
        qWarning("DDC/CI: no permission to open %s, so monitor settings cannot be read or changed. "
                 "Give the desktop user access to the display I2C buses: install the udev rule "
                 "60-zavo-ddcci.rules into /etc/udev/rules.d (or <prefix>/lib/udev/rules.d) and run "
                 "'sudo udevadm control --reload && sudo udevadm trigger', or add the user to the i2c group "
                 "('sudo usermod -aG i2c $USER') and log in again. See docs/linux-ddcci.md.",
                 qPrintable(strDevice));
    } else if (nError == ENOENT && !s_bModuleHinted.exchange(true)) {
        qWarning("DDC/CI: %s does not exist, so monitor settings cannot be read or changed. "
                 "Load the i2c-dev kernel module ('sudo modprobe i2c-dev') and have it loaded at boot "
                 "('echo i2c-dev | sudo tee /etc/modules-load.d/i2c-dev.conf'). See docs/linux-ddcci.md.",
                 qPrintable(strDevice));
    } else if (nError == EBUSY && !s_bClaimedHinted.exchange(true)) {
        qWarning("DDC/CI: a kernel driver has claimed the monitor's DDC/CI address on %s, so monitor settings "
                 "cannot be read or changed while that driver is loaded. See docs/linux-ddcci.md.",
                 qPrintable(strDevice));
    }
}

void CDdcTransport::WaitForGap()
{
    std::this_thread::sleep_until(m_tpNextMessage);
}

void CDdcTransport::MessageDone()
{
    m_tpNextMessage = Clock::now() + std::chrono::milliseconds(m_timings.nMessageGapMs);
}

void CDdcTransport::PauseBeforeRetry(int nAttempt)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(m_timings.nRetryPauseMs * nAttempt));
}

bool CDdcTransport::MayRetry(int nError) const
{
    return IsTransientError(nError) && !m_bSilent;
}

void CDdcTransport::GaveUp(Result& result)
{
    result.strWhy = QStringLiteral("gave up after %1 attempts, last: %2").arg(result.nAttempts).arg(result.strWhy);
    // A display with DDC/CI switched off NAKs everything: don't spend every retry on each call.
    if (result.nError)
        m_bSilent = true;
}

int CDdcTransport::LongerReplyDelay(int nDelayMs) const
{
    return qMax(m_timings.nReplyDelayMs, qMin(m_timings.nReplyDelayMaxMs, qMax(nDelayMs + 1, nDelayMs * 3 / 2)));
}

void CDdcTransport::AfterBusError(int nError)
{
    MessageDone();
    // The descriptor is useless, or the bus may be wedged: start from a fresh open next time.
    if (nError == EBADF || nError == ENODEV || nError == ETIMEDOUT)
        m_pBus->Close();
}

// Opens the bus if needed and sends one request. False when this attempt is over: result says
// why, and bRetry whether another attempt may help.
bool CDdcTransport::SendRequest(const QByteArray& baRequest, const char* szStep, Result& result, bool& bRetry)
{
    bRetry = false;
    result.nError = EnsureOpen();
    if (result.nError) {
        result.strWhy = QStringLiteral("open %1: %2").arg(m_pBus->Name(), ErrorText(result.nError));
        return false;
    }

    WaitForGap();
    result.nError = m_pBus->Write(baRequest, m_timings.nCallTimeoutMs);
    if (result.nError) {
        AfterBusError(result.nError);
        result.strWhy = QStringLiteral("%1: %2").arg(QLatin1String(szStep), ErrorText(result.nError));
        bRetry = MayRetry(result.nError);
        return false;
    }
    m_bSilent = false;
    return true;
}

CDdcTransport::Result CDdcTransport::GetVcp(quint8 nCode)
{
    Result result;
    const QByteArray baRequest = CDdcCodec::GetVcpRequest(nCode);
    int nReplyDelayMs = m_nReplyDelayMs;
    for (int nAttempt = 0; nAttempt <= m_timings.nRetries; ++nAttempt) {
        if (nAttempt > 0)
            PauseBeforeRetry(nAttempt);
        result.nAttempts = nAttempt + 1;
        result.eStatus = EStatus::Failed;
        bool bRetry = false;
        if (!SendRequest(baRequest, "request", result, bRetry)) {
            if (bRetry)
                continue;
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(nReplyDelayMs));

        QByteArray baReply;
        result.nError = m_pBus->Read(baReply, CDdcCodec::GET_REPLY_SIZE, m_timings.nCallTimeoutMs);
        if (result.nError) {
            AfterBusError(result.nError);
            result.strWhy = QStringLiteral("reply: %1").arg(ErrorText(result.nError));
            if (!MayRetry(result.nError))
                return result;
            nReplyDelayMs = LongerReplyDelay(nReplyDelayMs);
            continue;
        }
        MessageDone();
        m_bSilent = false;

        const CDdcCodec::VcpReply reply = CDdcCodec::ParseGetVcpReply(baReply, nCode);
        result.strWhy = QString::fromLatin1(CDdcCodec::StatusText(reply.eStatus));
        switch (reply.eStatus) {
        case CDdcCodec::EReplyStatus::Ok:
            m_nReplyDelayMs = nReplyDelayMs;
            result.eStatus = EStatus::Ok;
            result.nValue = reply.nValue;
            result.nMax = reply.nMax;
            return result;
        case CDdcCodec::EReplyStatus::Unsupported:
            // A real answer: the display knows the code and lacks it.
            m_nReplyDelayMs = nReplyDelayMs;
            result.eStatus = EStatus::Unsupported;
            return result;
        case CDdcCodec::EReplyStatus::NullMessage:
            // Also what a display sends when its reply is not ready: only a lasting one means
            // "unsupported".
            result.eStatus = EStatus::Unsupported;
            nReplyDelayMs = LongerReplyDelay(nReplyDelayMs);
            continue;
        case CDdcCodec::EReplyStatus::AllZero:
        case CDdcCodec::EReplyStatus::BadChecksum:
            nReplyDelayMs = LongerReplyDelay(nReplyDelayMs);
            continue;
        default:
            return result;
        }
    }
    GaveUp(result);
    return result;
}

CDdcTransport::Result CDdcTransport::SetVcp(quint8 nCode, quint16 nValue)
{
    Result result;
    const QByteArray baRequest = CDdcCodec::SetVcpRequest(nCode, nValue);
    for (int nAttempt = 0; nAttempt <= m_timings.nRetries; ++nAttempt) {
        if (nAttempt > 0)
            PauseBeforeRetry(nAttempt);
        result.nAttempts = nAttempt + 1;
        bool bRetry = false;
        if (!SendRequest(baRequest, "write", result, bRetry)) {
            if (bRetry)
                continue;
            return result;
        }
        MessageDone();
        result.eStatus = EStatus::Ok;
        result.nValue = nValue;
        result.strWhy.clear();
        return result;
    }
    GaveUp(result);
    return result;
}
