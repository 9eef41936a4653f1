#include "tests/support/ClientProcess.h"

#include <QDir>
#include <QFileInfo>

namespace TestSupport
{
CClientCopy::CClientCopy(bool bWithPlugin)
{
#ifdef ZAVO_CLIENT_PATH
    const QString strClient = QStringLiteral(ZAVO_CLIENT_PATH);
    const QString strPlugin = QFileInfo(strClient).absolutePath() + QStringLiteral("/plugins/Monitor.dll");
    m_strDir = QFileInfo(m_tempDir.path()).canonicalFilePath();
    m_bValid = m_tempDir.isValid() && QFile::copy(strClient, Executable())
               && (!bWithPlugin
                   || (QDir(m_strDir).mkpath(QStringLiteral("plugins"))
                       && QFile::copy(strPlugin, m_strDir + QStringLiteral("/plugins/Monitor.dll"))));
#else
    Q_UNUSED(bWithPlugin)
#endif
}

QStringList CClientCopy::LogLines() const
{
    const QDir dir(m_strDir + QStringLiteral("/logs"));
    const QStringList listFiles = dir.entryList({QStringLiteral("Log_*.txt")}, QDir::Files);
    QFile file(listFiles.size() == 1 ? dir.filePath(listFiles.first()) : QString());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

CClientRun::CClientRun(const CClientCopy& copy, const QProcessEnvironment& env)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(copy.Dir());
    m_process.start(copy.Executable(), QStringList());
    m_process.waitForStarted(30000);
}

bool CClientRun::FinishedWithZero(int nTimeoutMs)
{
    if (IsRunning() && !m_process.waitForFinished(nTimeoutMs))
        return false;
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString CClientRun::Output()
{
    m_baOutput += m_process.readAll();
    return QString::fromUtf8(m_baOutput);
}

void CClientRun::Kill()
{
    if (IsRunning()) {
        m_process.kill();
        m_process.waitForFinished(30000);
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
    for (const auto& [strName, strValue] : {std::pair(QStringLiteral("XDG_RUNTIME_DIR"), strRuntimeDir),
                                            std::pair(QStringLiteral("TMPDIR"), strTempDir)}) {
        if (strValue.isEmpty())
            env.remove(strName);
        else
            env.insert(strName, strValue);
    }
    return env;
}
}
