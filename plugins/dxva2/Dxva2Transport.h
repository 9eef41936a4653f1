#pragma once

#include "plugins/common/DdcTimings.h"
#include "plugins/common/VcpTransport.h"

#include <windows.h>

#include <future>
#include <memory>

class CPhysicalMonitorApi;

// Get and Set VCP Feature on one physical-monitor handle through dxva2, which does the DDC/CI
// messages itself. Failures that say the display did not answer in time or answered garbled are
// tried again, with a longer pause each time; a display that never answers gets one attempt per
// call until it does. Result::nError is the Win32 error code.
class CDxva2Transport : public CVcpTransport
{
public:
    // pHandleOwner keeps hMonitor valid while this transport lives; nothing is sent before
    // futPrevious is ready, so that what the last walk's workers still send cannot come after it.
    CDxva2Transport(std::shared_ptr<CPhysicalMonitorApi> pApi, std::shared_ptr<const void> pHandleOwner,
                    HANDLE hMonitor, const QString& strName, const DdcTimings& timings,
                    std::shared_future<void> futPrevious);

    Result GetVcp(quint8 nCode) override;
    Result SetVcp(quint8 nCode, quint16 nValue) override;
    // The handle belongs to the plug-in, which replaces the whole transport when it re-enumerates.
    void Close() override {}
    std::chrono::steady_clock::time_point NextMessageTime() const override { return m_tpNextMessage; }
    QString Name() const override { return m_strName; }

    static bool IsTransientError(DWORD nError);
    static bool IsUnsupportedError(DWORD nError);

private:
    template <typename Call>
    Result Transfer(Call call);

    const std::shared_ptr<CPhysicalMonitorApi> m_pApi;
    const std::shared_ptr<const void> m_pHandleOwner;
    const HANDLE m_hMonitor;
    const QString m_strName;
    const DdcTimings m_timings;
    std::chrono::steady_clock::time_point m_tpNextMessage;
    std::shared_future<void> m_futPrevious;
    bool m_bSilent = false;
};
