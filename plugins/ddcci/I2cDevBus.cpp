#include "plugins/ddcci/I2cDevBus.h"

#include "plugins/common/DdcCodec.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <linux/i2c-dev.h>
#include <sys/ioctl.h>
#include <unistd.h>

CI2cDevBus::CI2cDevBus(int nBus, const QString& strDevDir)
    : m_strPath(QStringLiteral("%1/i2c-%2").arg(strDevDir).arg(nBus))
{
}

CI2cDevBus::~CI2cDevBus()
{
    Close();
}

int CI2cDevBus::Open()
{
    if (m_nFd >= 0)
        return 0;
    const QByteArray baPath = QFile::encodeName(m_strPath);
    int nFd = -1;
    do {
        nFd = ::open(baPath.constData(), O_RDWR | O_CLOEXEC);
    } while (nFd < 0 && errno == EINTR);
    if (nFd < 0)
        return errno;
    // Not I2C_SLAVE_FORCE: EBUSY means a kernel driver owns the address, and we leave it alone.
    if (::ioctl(nFd, I2C_SLAVE, CDdcCodec::DISPLAY_I2C_ADDRESS) < 0) {
        const int nError = errno;
        ::close(nFd);
        return nError;
    }
    m_nFd = nFd;
    return 0;
}

void CI2cDevBus::Close()
{
    if (m_nFd >= 0) {
        ::close(m_nFd);
        m_nFd = -1;
    }
}

bool CI2cDevBus::IsOpen() const
{
    return m_nFd >= 0;
}

int CI2cDevBus::Write(const QByteArray& baBytes, int /*nTimeoutMs*/)
{
    if (m_nFd < 0)
        return EBADF;
    ssize_t nDone = -1;
    do {
        nDone = ::write(m_nFd, baBytes.constData(), static_cast<size_t>(baBytes.size()));
    } while (nDone < 0 && errno == EINTR);
    if (nDone < 0)
        return errno;
    return nDone == baBytes.size() ? 0 : EIO;
}

int CI2cDevBus::Read(QByteArray& baBytes, int nSize, int /*nTimeoutMs*/)
{
    if (m_nFd < 0)
        return EBADF;
    baBytes.resize(nSize);
    ssize_t nDone = -1;
    do {
        nDone = ::read(m_nFd, baBytes.data(), static_cast<size_t>(nSize));
    } while (nDone < 0 && errno == EINTR);
    if (nDone < 0)
        return errno;
    return nDone == nSize ? 0 : EIO;
}

QString CI2cDevBus::Name() const
{
    return m_strPath;
}
