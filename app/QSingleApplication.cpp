#include "app/QSingleApplication.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtDebug>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
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

#ifdef Q_OS_UNIX
// Whether a socket path fits into sockaddr_un; a longer one makes listen and connect fail.
bool FitsSocketAddress(const QString& strPath)
{
    return size_t(QFile::encodeName(strPath).size()) < sizeof(sockaddr_un::sun_path);
}

// A folder of this user's alone (made with mode 0700 if missing), or false: a folder that is a
// link, belongs to someone else or is open to others cannot be made safe.
bool MakeUserOnlyFolder(const QString& strPath)
{
    const QByteArray baPath = QFile::encodeName(strPath);
    if (::mkdir(baPath.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return false;
    struct stat info = {};
    if (::lstat(baPath.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    return (info.st_mode & (S_IRWXG | S_IRWXO)) == 0 || ::chmod(baPath.constData(), S_IRWXU) == 0;
}
#endif
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
    if (strRuntimeDir.isEmpty())
        return strName;
    const QString strPath = strRuntimeDir + QLatin1Char('/') + strName;
    if (FitsSocketAddress(strPath))
        return strPath;
    // A runtime folder too deep for a socket path: a short folder of our own in the temporary
    // folder, or in /tmp when that one is deep as well.
    const QString strUserFolder = QStringLiteral("/zavo-%1").arg(::geteuid());
    for (const QString& strBase : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QString strFolder = strBase + strUserFolder;
        if (FitsSocketAddress(strFolder + QLatin1Char('/') + strName) && MakeUserOnlyFolder(strFolder))
            return strFolder + QLatin1Char('/') + strName;
    }
    qWarning().noquote() << QStringLiteral("No private folder with a path short enough for %1.").arg(strName);
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
