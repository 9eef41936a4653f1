#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// The built client copied into a folder of its own (so that its SystemConfig.ini, logs/ and
// plug-in are the test's alone) and run as a real process.
namespace TestSupport
{
class CClientCopy
{
public:
    // Copies ZavoClient, and plugins/Monitor.dll when bWithPlugin, into a new temporary folder.
    explicit CClientCopy(bool bWithPlugin = true);

    bool IsValid() const { return m_bValid; }
    // The folder as the client sees it (QCoreApplication::applicationDirPath()).
    QString Dir() const { return m_strDir; }
#ifdef Q_OS_WIN
    QString Executable() const { return m_strDir + QStringLiteral("/ZavoClient.exe"); }
#else
    QString Executable() const { return m_strDir + QStringLiteral("/ZavoClient"); }
#endif
    // Lines of the single log file the client wrote (logs/Log_*.txt), read as UTF-8; empty
    // unless there is exactly one.
    QStringList LogLines() const;

private:
    QTemporaryDir m_tempDir;
    QString m_strDir;
    bool m_bValid = false;
};

// A started client, killed (if still running) when this object goes.
class CClientRun
{
public:
    CClientRun(const CClientCopy& copy, const QProcessEnvironment& env);
    ~CClientRun() { Kill(); }
    CClientRun(const CClientRun&) = delete;
    CClientRun& operator=(const CClientRun&) = delete;

    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Waits for the end; true when it ended on its own with exit code 0.
    bool FinishedWithZero(int nTimeoutMs);
    // Everything the process printed so far (stdout and stderr merged).
    QString Output();
    void Kill();

private:
    QProcess m_process;
    QByteArray m_baOutput;
};

// This process's environment on the offscreen platform, with XDG_RUNTIME_DIR and TMPDIR as
// given (an empty text removes the variable).
QProcessEnvironment ClientEnvironment(const QString& strRuntimeDir, const QString& strTempDir);
}
