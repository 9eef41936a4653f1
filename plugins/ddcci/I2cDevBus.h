#pragma once

#include "plugins/ddcci/I2cBus.h"

// The kernel's i2c-dev interface: /dev/i2c-<n>, addressed to the DDC/CI slave.
//
// A transfer on it cannot be interrupted from user space; the adapter driver ends a stuck one
// with its own time-out (ETIMEDOUT/EAGAIN), and callers waiting for a result have their own
// deadline above this layer. A call that overran the budget is still reported as it ended.
class CI2cDevBus : public CI2cBus
{
public:
    explicit CI2cDevBus(int nBus, const QString& strDevDir = QStringLiteral("/dev"));
    ~CI2cDevBus() override;

    int Open() override;
    void Close() override;
    bool IsOpen() const override;
    int Write(const QByteArray& baBytes, int nTimeoutMs) override;
    int Read(QByteArray& baBytes, int nSize, int nTimeoutMs) override;
    QString Name() const override;

private:
    QString m_strPath;
    int m_nFd = -1;
};
