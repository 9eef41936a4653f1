#pragma once

#include "tests/support/TestSupport.h"

#include <QtTest>

namespace TestSupport
{
// The built client copied into a folder of its own (so that its SystemConfig.ini, logs/ and
// plug-in are the test's alone) and run as a real process, killed when this object goes.
class CClient
{
public:
    explicit CClient(bool bWithPlugin = true) : m_strDir(QFileInfo(m_tempDir.path()).canonicalFilePath())
    {
        const QFileInfo built(QStringLiteral(ZAVO_CLIENT_PATH));
        m_strExecutable = m_strDir + '/' + built.fileName();
        m_bCopied = m_tempDir.isValid() && QFile::copy(built.filePath(), m_strExecutable)
                    && (!bWithPlugin || (QDir(m_strDir).mkpath("plugins")
                                         && QFile::copy(built.path() + "/plugins/Monitor.dll", m_strDir + "/plugins/Monitor.dll")));
    }
    ~CClient() { Kill(); }

    // The folder as the client sees it (QCoreApplication::applicationDirPath()).
    QString Dir() const { return m_strDir; }
    // Lines of the single log file (logs/Log_*.txt), read as UTF-8; empty unless there is exactly one.
    QStringList LogLines() const
    {
        const QStringList listFiles = QDir(m_strDir + "/logs").entryList({"Log_*.txt"}, QDir::Files);
        return listFiles.size() == 1 ? ReadLines(m_strDir + "/logs/" + listFiles.first()) : QStringList();
    }

    // Starts the copy on the offscreen platform with XDG_RUNTIME_DIR and TMPDIR as given (an empty
    // text removes the variable); false when it could not be copied or started.
    bool Start(const QString& strRuntimeDir, const QString& strTempDir)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // A window program without a console would send its messages to the debugger only.
        for (const auto& [szName, strValue] : {std::pair<const char*, QString>("XDG_RUNTIME_DIR", strRuntimeDir), {"TMPDIR", strTempDir},
                                               {"QT_QPA_PLATFORM", "offscreen"}, {"QT_FORCE_STDERR_LOGGING", "1"}})
            strValue.isEmpty() ? env.remove(szName) : env.insert(szName, strValue);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(m_strDir);
        m_process.start(m_strExecutable, QStringList());
        return m_bCopied && m_process.waitForStarted(30000);
    }
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Waits for the end; true when it ended on its own with exit code 0.
    bool FinishedWithZero(int nTimeoutMs)
    {
        return (!IsRunning() || m_process.waitForFinished(nTimeoutMs)) && m_process.exitStatus() == QProcess::NormalExit
               && m_process.exitCode() == 0;
    }
    // Everything the process printed so far (stdout and stderr merged).
    QString Output() { return QString::fromUtf8(m_baOutput += m_process.readAll()); }
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(30000);
    }

private:
    QTemporaryDir m_tempDir;
    QString m_strDir, m_strExecutable;
    bool m_bCopied = false;
    QProcess m_process;
    QByteArray m_baOutput;
};

// Whether a further copy ends with 0 at once, saying it found the running one, before making a log.
inline bool SecondCopyEnds(const QString& strRuntimeDir, const QString& strTempDir)
{
    CClient client;
    if (client.Start(strRuntimeDir, strTempDir) && client.FinishedWithZero(60000)
        && client.Output().contains("ZVOZavoClient already running.") && !QFileInfo::exists(client.Dir() + "/logs"))
        return true;
    qWarning("%s", qPrintable(client.Output()));
    return false;
}
}
