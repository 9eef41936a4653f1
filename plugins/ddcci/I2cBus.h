#pragma once

#include <QByteArray>
#include <QString>

// One display's DDC/CI channel: an I2C bus with the display at the DDC/CI slave address.
// Everything above it is written against this interface so that a simulated display can stand in
// for the hardware. Calls return 0 or an errno value.
class CI2cBus
{
public:
    virtual ~CI2cBus() = default;

    virtual int Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // One bus transaction each; nTimeoutMs is the caller's budget for it (ETIMEDOUT past it).
    virtual int Write(const QByteArray& baBytes, int nTimeoutMs) = 0;
    virtual int Read(QByteArray& baBytes, int nSize, int nTimeoutMs) = 0;
    // For messages: "/dev/i2c-5".
    virtual QString Name() const = 0;
};
