#pragma once

#include <QString>

#include <chrono>

// Get and Set VCP Feature on one display, as the worker calls them: what differs between the
// systems (the messages on an I2C bus, or the system's monitor-configuration calls) sits behind
// this. Not thread-safe: one worker thread owns it.
class CVcpTransport
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
        int nError = 0;     // the system's error code of the last failure, 0 when the channel itself worked
        int nAttempts = 0;
        QString strWhy;
    };

    virtual ~CVcpTransport() = default;

    virtual Result GetVcp(quint8 nCode) = 0;
    virtual Result SetVcp(quint8 nCode, quint16 nValue) = 0;
    // Drops what is open; the next transfer opens it again.
    virtual void Close() = 0;
    // The display's pause after the last message ends then.
    virtual std::chrono::steady_clock::time_point NextMessageTime() const = 0;
    // For messages: "/dev/i2c-5".
    virtual QString Name() const = 0;
};
