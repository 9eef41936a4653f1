#include "tests/support/ClientProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestSupport
{
CClientCopy::CClientCopy(bool bWithPlugin)
{
#ifdef ZAVO_CLIENT_PATH
    const QString strClient = QStringLiteral(ZAVO_CLIENT_PATH);
#else
    const QString strClient;
#endif
    if (!m_tempDir.isValid() || strClient.isEmpty())
        return;
    m_strDir = QFileInfo(m_tempDir.path()).canonicalFilePath();
    if (!QFile::copy(strClient, Executable()))
        return;
    if (bWithPlugin) {
        const QString strPlugin = QFileInfo(strClient).absolutePath() + QStringLiteral("/plugins/Monitor.dll");
        if (!QDir(m_strDir).mkpath(QStringLiteral("plugins"))
            || !QFile::copy(strPlugin, m_strDir + QStringLiteral("/plugins/Monitor.dll")))
            return;
    }
    m_bValid = true;
}

QStringList CClientCopy::LogFiles() const
{
    QStringList listFiles;
    const QDir dir(m_strDir + QStringLiteral("/logs"));
    for (const QString& strName : dir.entryList({QStringLiteral("Log_*.txt")}, QDir::Files, QDir::Name))
        listFiles.append(dir.filePath(strName));
    return listFiles;
}

QStringList CClientCopy::LogLines() const
{
    const QStringList listFiles = LogFiles();
    if (listFiles.size() != 1)
        return QStringList();
    QFile file(listFiles.first());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    QStringList listLines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!listLines.isEmpty() && listLines.last().isEmpty())
        listLines.removeLast();
    return listLines;
}

CClientRun::CClientRun(const CClientCopy& copy, const QProcessEnvironment& env)
    : m_pProcess(std::make_unique<QProcess>())
{
    m_pProcess->setProcessChannelMode(QProcess::MergedChannels);
    m_pProcess->setProcessEnvironment(env);
    m_pProcess->setWorkingDirectory(copy.Dir());
    m_pProcess->start(copy.Executable(), QStringList());
    m_pProcess->waitForStarted(30000);
}

CClientRun::~CClientRun()
{
    Kill();
}

bool CClientRun::FinishedWithZero(int nTimeoutMs)
{
    if (IsRunning() && !m_pProcess->waitForFinished(nTimeoutMs))
        return false;
    return m_pProcess->exitStatus() == QProcess::NormalExit && m_pProcess->exitCode() == 0;
}

QString CClientRun::Output()
{
    m_baOutput += m_pProcess->readAll();
    return QString::fromUtf8(m_baOutput);
}

void CClientRun::Kill()
{
    if (IsRunning()) {
        m_pProcess->kill();
        m_pProcess->waitForFinished(30000);
    }
}

QProcessEnvironment ClientEnvironment(const QString& strRuntimeDir, const QString& strTempDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
#ifdef Q_OS_WIN
    // A window program without a console would send its messages to the debugger only.
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
#endif
    const auto setOrRemove = [&env](const QString& strName, const QString& strValue) {
        if (strValue.isEmpty())
            env.remove(strName);
        else
            env.insert(strName, strValue);
    };
    setOrRemove(QStringLiteral("XDG_RUNTIME_DIR"), strRuntimeDir);
    setOrRemove(QStringLiteral("TMPDIR"), strTempDir);
    return env;
}
}
