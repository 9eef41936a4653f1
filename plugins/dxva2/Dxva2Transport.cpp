#include "plugins/dxva2/Dxva2Transport.h"

#include "plugins/dxva2/PhysicalMonitorApi.h"

#include <algorithm>
#include <iterator>
#include <thread>

namespace
{
// ERROR_GRAPHICS_* values from winerror.h, which mingw-w64 lacks in part.
constexpr DWORD I2C_ERROR_TRANSMITTING_DATA = 0xC0262582;
constexpr DWORD I2C_ERROR_RECEIVING_DATA = 0xC0262583;
constexpr DWORD DDCCI_VCP_NOT_SUPPORTED = 0xC0262584;
constexpr DWORD DDCCI_INVALID_DATA = 0xC0262585;
constexpr DWORD DDCCI_INVALID_TIMING_STATUS_BYTE = 0xC0262586;
constexpr DWORD DDCCI_INVALID_MESSAGE_COMMAND = 0xC0262589;
constexpr DWORD DDCCI_INVALID_MESSAGE_LENGTH = 0xC026258A;
constexpr DWORD DDCCI_INVALID_MESSAGE_CHECKSUM = 0xC026258B;

// A display busy with the last command, or a reply lost on the wire: asking again can help. An
// invalid or vanished handle, or a missing function, does not go away.
constexpr DWORD TRANSIENT_ERRORS[] = {
    I2C_ERROR_TRANSMITTING_DATA,    I2C_ERROR_RECEIVING_DATA,      DDCCI_INVALID_DATA,
    DDCCI_INVALID_TIMING_STATUS_BYTE, DDCCI_INVALID_MESSAGE_COMMAND, DDCCI_INVALID_MESSAGE_LENGTH,
    DDCCI_INVALID_MESSAGE_CHECKSUM, ERROR_TIMEOUT,                 ERROR_SEM_TIMEOUT,
};

using Clock = std::chrono::steady_clock;
}

CDxva2Transport::CDxva2Transport(std::shared_ptr<CPhysicalMonitorApi> pApi, std::shared_ptr<const void> pHandleOwner,
                                 HANDLE hMonitor, const QString& strName, const DdcTimings& timings,
                                 std::shared_future<void> futPrevious)
    : m_pApi(std::move(pApi))
    , m_pHandleOwner(std::move(pHandleOwner))
    , m_hMonitor(hMonitor)
    , m_strName(strName)
    , m_timings(timings)
    , m_tpNextMessage(Clock::now())
    , m_futPrevious(std::move(futPrevious))
{
}

bool CDxva2Transport::IsTransientError(DWORD nError)
{
    return std::find(std::begin(TRANSIENT_ERRORS), std::end(TRANSIENT_ERRORS), nError) != std::end(TRANSIENT_ERRORS);
}

bool CDxva2Transport::IsUnsupportedError(DWORD nError)
{
    return nError == DDCCI_VCP_NOT_SUPPORTED;
}

template <typename Call>
CVcpTransport::Result CDxva2Transport::Transfer(Call call)
{
    if (m_futPrevious.valid()) {
        m_futPrevious.wait();
        m_futPrevious = {};
    }
    Result result;
    for (int nAttempt = 0; nAttempt <= m_timings.nRetries; ++nAttempt) {
        if (nAttempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(m_timings.nRetryPauseMs * nAttempt));
        std::this_thread::sleep_until(m_tpNextMessage);
        result.nAttempts = nAttempt + 1;
        const DWORD nError = call(result);
        m_tpNextMessage = Clock::now() + std::chrono::milliseconds(m_timings.nMessageGapMs);
        result.nError = int(nError);
        if (nError == ERROR_SUCCESS) {
            m_bSilent = false;
            result.eStatus = EStatus::Ok;
            result.strWhy.clear();
            return result;
        }
        result.strWhy = QStringLiteral("error 0x%1").arg(qulonglong(nError), 8, 16, QLatin1Char('0'));
        if (IsUnsupportedError(nError)) {
            m_bSilent = false;
            result.eStatus = EStatus::Unsupported;
            return result;
        }
        if (!IsTransientError(nError) || m_bSilent)
            return result;
    }
    result.strWhy = QStringLiteral("gave up after %1 attempts, last: %2").arg(result.nAttempts).arg(result.strWhy);
    // A display with DDC/CI switched off fails everything: don't spend every retry on each call.
    m_bSilent = true;
    return result;
}

CVcpTransport::Result CDxva2Transport::GetVcp(quint8 nCode)
{
    return Transfer([this, nCode](Result& result) {
        DWORD nCurrent = 0;
        DWORD nMax = 0;
        const DWORD nError = m_pApi->GetVcp(m_hMonitor, BYTE(nCode), nCurrent, nMax);
        if (nError == ERROR_SUCCESS) {
            result.nValue = int(nCurrent);
            result.nMax = int(nMax);
        }
        return nError;
    });
}

CVcpTransport::Result CDxva2Transport::SetVcp(quint8 nCode, quint16 nValue)
{
    return Transfer([this, nCode, nValue](Result& result) {
        const DWORD nError = m_pApi->SetVcp(m_hMonitor, BYTE(nCode), DWORD(nValue));
        if (nError == ERROR_SUCCESS)
            result.nValue = nValue;
        return nError;
    });
}
