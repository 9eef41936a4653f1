#include "app/QSingleApplication.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtDebug>

namespace
{
const int CONNECT_WAIT_MS = 500;
const int READ_WAIT_MS = 1000;
}

QSingleApplication::QSingleApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("ZVO"));
    setApplicationName(QStringLiteral("ZavoClient"));

    const QString strServerName = ServerName();
    {
        QLocalSocket socket;
        socket.connectToServer(strServerName, QIODevice::ReadWrite);
        if (socket.waitForConnected(CONNECT_WAIT_MS)) {
            qInfo().noquote() << QStringLiteral("%1 already running.").arg(organizationName() + applicationName());
            m_bRunning = true;
            return;
        }
    }

    m_pLocalServer = new QLocalServer(this);
    m_pLocalServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_pLocalServer, &QLocalServer::newConnection, this, &QSingleApplication::newLocalConnection);
    if (!m_pLocalServer->listen(strServerName)
        && m_pLocalServer->serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by a copy that ended abnormally.
        QLocalServer::removeServer(strServerName);
        m_pLocalServer->listen(strServerName);
    }
}

QSingleApplication::~QSingleApplication() = default;

QString QSingleApplication::ServerName()
{
    const QString strName = organizationName() + applicationName();
#ifdef Q_OS_UNIX
    // QStandardPaths gives a runtime folder that only this user can reach (it fixes the mode).
    const QString strRuntimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!strRuntimeDir.isEmpty() && QDir().mkpath(strRuntimeDir))
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
    pSocket->waitForReadyRead(READ_WAIT_MS);
    delete pSocket;
}
