#include "plugins/ddcci/fake/FakeI2cBus.h"

#include "plugins/ddcci/fake/FakeDdcMonitor.h"

#include <cerrno>

CFakeI2cBus::CFakeI2cBus(std::shared_ptr<CFakeDdcMonitor> pMonitor, int nBus)
    : m_pMonitor(std::move(pMonitor))
    , m_nBus(nBus)
{
}

int CFakeI2cBus::Open()
{
    const int nError = m_pMonitor->Open();
    m_bOpen = nError == 0;
    return nError;
}

void CFakeI2cBus::Close()
{
    m_bOpen = false;
}

bool CFakeI2cBus::IsOpen() const
{
    return m_bOpen;
}

int CFakeI2cBus::Write(const QByteArray& baBytes, int nTimeoutMs)
{
    return m_bOpen ? m_pMonitor->Write(baBytes, nTimeoutMs) : EBADF;
}

int CFakeI2cBus::Read(QByteArray& baBytes, int nSize, int nTimeoutMs)
{
    return m_bOpen ? m_pMonitor->Read(baBytes, nSize, nTimeoutMs) : EBADF;
}

QString CFakeI2cBus::Name() const
{
    return QStringLiteral("fake-i2c-%1").arg(m_nBus);
}
