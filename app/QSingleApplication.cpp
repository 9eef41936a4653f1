#include "app/QSingleApplication.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtDebug>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace
{
const QString ORGANIZATION = QStringLiteral("ZVO");
const QString APPLICATION = QStringLiteral("ZavoClient");
const int CONNECT_WAIT_MS = 500;
const int READ_WAIT_MS = 1000;

// Whether the process at the other end of a connected local socket runs as this user. When
// the runtime folder could not be had the name lies in a shared folder, where a socket of
// another user must not count as "already running".
bool PeerIsThisUser(const QLocalSocket& socket)
{
#if defined(Q_OS_LINUX)
    struct ucred cred = {};
    socklen_t nLength = sizeof(cred);
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &nLength) != 0)
        return false;
    return cred.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t nUid = 0;
    gid_t nGid = 0;
    if (::getpeereid(int(socket.socketDescriptor()), &nUid, &nGid) != 0)
        return false;
    return nUid == ::geteuid();
#else
    // A named pipe made with user-only access cannot be opened by another user.
    Q_UNUSED(socket)
    return true;
#endif
}
}

QSingleApplication::QSingleApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(ORGANIZATION);
    setApplicationName(APPLICATION);

    m_strServerName = ServerName();
    {
        QLocalSocket socket;
        socket.connectToServer(m_strServerName, QIODevice::ReadWrite);
        if (socket.waitForConnected(CONNECT_WAIT_MS)) {
            if (PeerIsThisUser(socket)) {
                qInfo().noquote() << QStringLiteral("%1 already running.").arg(organizationName() + applicationName());
                m_bRunning = true;
                return;
            }
            qWarning().noquote() << QStringLiteral("%1 is held by another user; ignoring it.").arg(m_strServerName);
        }
    }

    m_pLocalServer = new QLocalServer(this);
    m_pLocalServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_pLocalServer, &QLocalServer::newConnection, this, &QSingleApplication::newLocalConnection);
    if (!m_pLocalServer->listen(m_strServerName)
        && m_pLocalServer->serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by a copy that ended abnormally.
        QLocalServer::removeServer(m_strServerName);
        m_pLocalServer->listen(m_strServerName);
    }
}

QSingleApplication::~QSingleApplication() = default;

QString QSingleApplication::ServerName()
{
    const QString strName = ORGANIZATION + APPLICATION;
#ifdef Q_OS_UNIX
    // Qt hands out the runtime folder only when it is owned by this user with mode 0700 (it
    // makes one below the temporary folder when XDG_RUNTIME_DIR is unset or unusable).
    const QString strRuntimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!strRuntimeDir.isEmpty())
        return strRuntimeDir + QLatin1Char('/') + strName;
#endif
    return strName;
}

void QSingleApplication::CloseServer()
{
    if (m_pLocalServer)
        m_pLocalServer->close();
}

void QSingleApplication::newLocalConnection()
{
    QLocalSocket* pSocket = m_pLocalServer->nextPendingConnection();
    if (!pSocket)
        return;
    // Later copies send nothing; the wait only bounds what a stray client can cost us.
    pSocket->waitForReadyRead(READ_WAIT_MS);
    delete pSocket;
}
