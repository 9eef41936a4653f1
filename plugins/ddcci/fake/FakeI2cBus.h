#pragma once

#include "plugins/ddcci/I2cBus.h"

#include <memory>

class CFakeDdcMonitor;

// The bus in front of a CFakeDdcMonitor; a new one per open device, the display stays.
class CFakeI2cBus : public CI2cBus
{
public:
    CFakeI2cBus(std::shared_ptr<CFakeDdcMonitor> pMonitor, int nBus);

    int Open() override;
    void Close() override;
    bool IsOpen() const override;
    int Write(const QByteArray& baBytes, int nTimeoutMs) override;
    int Read(QByteArray& baBytes, int nSize, int nTimeoutMs) override;
    QString Name() const override;

private:
    std::shared_ptr<CFakeDdcMonitor> m_pMonitor;
    int m_nBus;
    bool m_bOpen = false;
};
