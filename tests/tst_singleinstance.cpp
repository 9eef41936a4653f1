#include "app/QSingleApplication.h"
#include "tests/support/ClientProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const int START_TIMEOUT_MS = 60000;
const uid_t OTHER_UID = 65534;
const char* const FOREIGN_SERVER_ARG = "--foreign-server";

// The client is past the guard (and so listening) once it writes its first log line.
bool PastTheGuard(const TestSupport::CClientCopy& copy)
{
    return copy.LogLines().size() > 4;
}

// ServerName() as a client started with that environment computes it.
QString ServerNameWith(const QString& strRuntimeDir, const QString& strTempDir)
{
    const QByteArray baOldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray baOldTemp = qgetenv("TMPDIR");
    const bool bHadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const bool bHadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const auto apply = [](const char* szName, const QString& strValue) {
        if (strValue.isEmpty())
            qunsetenv(szName);
        else
            qputenv(szName, QFile::encodeName(strValue));
    };
    apply("XDG_RUNTIME_DIR", strRuntimeDir);
    apply("TMPDIR", strTempDir);
    const QString strName = QSingleApplication::ServerName();
    bHadRuntime ? qputenv("XDG_RUNTIME_DIR", baOldRuntime) : qunsetenv("XDG_RUNTIME_DIR");
    bHadTemp ? qputenv("TMPDIR", baOldTemp) : qunsetenv("TMPDIR");
    return strName;
}

bool PrivateToThisUser(const QString& strPath, bool bSocket)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(strPath).constData(), &info) != 0)
        return false;
    if (bSocket ? !S_ISSOCK(info.st_mode) : !S_ISDIR(info.st_mode))
        return false;
    return info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString UserName()
{
    const passwd* pEntry = ::getpwuid(::geteuid());
    return pEntry ? QString::fromLocal8Bit(pEntry->pw_name) : QString();
}

// Run as another user: listens on the given socket path, open to everybody, until killed.
int RunForeignServer(int argc, char** argv)
{
    if (::setgroups(0, nullptr) != 0 || ::setgid(OTHER_UID) != 0 || ::setuid(OTHER_UID) != 0)
        return 2;
    QCoreApplication app(argc, argv);
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!server.listen(QString::fromLocal8Bit(argv[2])))
        return 3;
    printf("listening\n");
    fflush(stdout);
    return QCoreApplication::exec();
}
}

// The guard with real copies of the client: each test has its own runtime folder, so parallel
// runs and a client the developer has open do not meet.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_pTemp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pTemp->isValid());
        m_strRuntimeDir = m_pTemp->path() + QStringLiteral("/xdg");
        QVERIFY(QDir().mkpath(m_strRuntimeDir));
        QVERIFY(QFile::setPermissions(m_strRuntimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                           | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
        m_env = TestSupport::ClientEnvironment(m_strRuntimeDir, QString());
    }

    void secondCopyEndsAtOnce_data()
    {
        QTest::addColumn<bool>("deepRuntime");
        QTest::newRow("runtime folder") << false;
        QTest::newRow("runtime folder too deep for a socket path") << true;
    }
    void secondCopyEndsAtOnce()
    {
        QFETCH(bool, deepRuntime);
        if (deepRuntime) {
            // 94 characters or more leave no room for "/ZVOZavoClient" in the 108 bytes.
            const QString strDeep = m_pTemp->path() + QStringLiteral("/deep-") + QString(100, QLatin1Char('d'));
            m_env = TestSupport::ClientEnvironment(strDeep, m_pTemp->path());
        }
        TestSupport::CClientCopy first;
        QVERIFY(first.IsValid());
        TestSupport::CClientRun runFirst(first, m_env);
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(first), START_TIMEOUT_MS);

        TestSupport::CClientCopy second;
        QVERIFY(second.IsValid());
        TestSupport::CClientRun runSecond(second, m_env);
        QVERIFY2(runSecond.FinishedWithZero(START_TIMEOUT_MS), qPrintable(runSecond.Output()));
        QVERIFY(runSecond.Output().contains(QLatin1String("ZVOZavoClient already running.")));
        // It ended before monitor access: no log, no settings, no window.
        QVERIFY(!QFileInfo::exists(second.Dir() + QStringLiteral("/logs")));
        QVERIFY(runFirst.IsRunning());
    }

    void nameLeftByKilledCopyIsTakenOver()
    {
        const QString strServer = m_strRuntimeDir + QStringLiteral("/ZVOZavoClient");
        TestSupport::CClientCopy first;
        QVERIFY(first.IsValid());
        {
            TestSupport::CClientRun runFirst(first, m_env);
            QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(first), START_TIMEOUT_MS);
            runFirst.Kill();
        }
        QVERIFY2(QFileInfo::exists(strServer), "a killed copy leaves its socket behind");

        TestSupport::CClientCopy next;
        QVERIFY(next.IsValid());
        TestSupport::CClientRun runNext(next, m_env);
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(next), START_TIMEOUT_MS);
        QVERIFY(runNext.IsRunning());

        TestSupport::CClientCopy later;
        QVERIFY(later.IsValid());
        TestSupport::CClientRun runLater(later, m_env);
        QVERIFY2(runLater.FinishedWithZero(START_TIMEOUT_MS), qPrintable(runLater.Output()));
        QVERIFY(runLater.Output().contains(QLatin1String("ZVOZavoClient already running.")));
        QVERIFY(runNext.IsRunning());
    }

    void silentPeerLeavesRunningCopyWorking()
    {
        TestSupport::CClientCopy first;
        QVERIFY(first.IsValid());
        TestSupport::CClientRun runFirst(first, m_env);
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(first), START_TIMEOUT_MS);

        QLocalSocket peer;
        peer.connectToServer(ServerNameWith(m_strRuntimeDir, QString()));
        QVERIFY(peer.waitForConnected(10000));
        // Sends nothing; the running copy gives up on it and drops it.
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, 20000);
        QVERIFY(runFirst.IsRunning());

        TestSupport::CClientCopy second;
        QVERIFY(second.IsValid());
        TestSupport::CClientRun runSecond(second, m_env);
        QVERIFY2(runSecond.FinishedWithZero(START_TIMEOUT_MS), qPrintable(runSecond.Output()));
        QVERIFY(runSecond.Output().contains(QLatin1String("ZVOZavoClient already running.")));
        QVERIFY(runFirst.IsRunning());
    }

    void socketIsReachableByThisUserOnly_data()
    {
        QTest::addColumn<QString>("runtimeDir");
        QTest::addColumn<int>("runtimeMode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("runtime folder given") << "xdg" << 0700 << false;
        QTest::newRow("XDG_RUNTIME_DIR unset") << "" << 0 << false;
        QTest::newRow("runtime folder not made yet") << "xdg-new" << -1 << false;
        QTest::newRow("runtime folder open to others") << "xdg-open" << 0755 << false;
        QTest::newRow("runtime folder of another user") << "xdg-other" << 0700 << true;
        QTest::newRow("runtime folder too deep") << QString(100, QLatin1Char('d')) << 0700 << false;
    }
    void socketIsReachableByThisUserOnly()
    {
        QFETCH(QString, runtimeDir);
        QFETCH(int, runtimeMode);
        QFETCH(bool, otherOwner);
        if (otherOwner && ::geteuid() != 0)
            QSKIP("needs root to make a folder of another user");

        const QString strTempDir = m_pTemp->path() + QStringLiteral("/tmp");
        QVERIFY(QDir().mkpath(strTempDir));
        const QString strRuntime = runtimeDir.isEmpty() ? QString() : m_pTemp->path() + QLatin1Char('/') + runtimeDir;
        if (runtimeMode >= 0 && !strRuntime.isEmpty()) {
            QVERIFY(QDir().mkpath(strRuntime));
            QCOMPARE(::chmod(QFile::encodeName(strRuntime).constData(), mode_t(runtimeMode)), 0);
            if (otherOwner)
                QCOMPARE(::chown(QFile::encodeName(strRuntime).constData(), OTHER_UID, OTHER_UID), 0);
        }

        TestSupport::CClientCopy copy;
        QVERIFY(copy.IsValid());
        TestSupport::CClientRun run(copy, TestSupport::ClientEnvironment(strRuntime, strTempDir));
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(copy), START_TIMEOUT_MS);

        const QString strServer = ServerNameWith(strRuntime, strTempDir);
        QVERIFY2(strServer.startsWith(m_pTemp->path() + QLatin1Char('/')), qPrintable(strServer));
        QVERIFY2(PrivateToThisUser(strServer, true), qPrintable(strServer));
        QVERIFY2(PrivateToThisUser(QFileInfo(strServer).absolutePath(), false), qPrintable(strServer));
        if (runtimeMode == 0755 || otherOwner || runtimeDir.size() > 90)
            QVERIFY2(!strServer.startsWith(strRuntime + QLatin1Char('/')), qPrintable(strServer));
    }

    void socketOfAnotherUserIsNotThisUsersCopy()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to run a process as another user");
        // A shared temporary folder whose runtime folder for us was taken by another user:
        // the name falls back into the shared folder, where another user listens first.
        const QString strShared = m_pTemp->path() + QStringLiteral("/shared");
        const QString strSquatted = strShared + QStringLiteral("/runtime-") + UserName();
        QVERIFY(QDir().mkpath(strSquatted));
        QCOMPARE(::chmod(QFile::encodeName(strShared).constData(), 01777), 0);
        QCOMPARE(::chmod(QFile::encodeName(m_pTemp->path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(strSquatted).constData(), 0700), 0);
        QCOMPARE(::chown(QFile::encodeName(strSquatted).constData(), OTHER_UID, OTHER_UID), 0);
        const QString strServer = ServerNameWith(QString(), strShared);
        QCOMPARE(strServer, QStringLiteral("ZVOZavoClient"));

        QProcess foreign;
        foreign.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        foreign.start(QCoreApplication::applicationFilePath(),
                      {QLatin1String(FOREIGN_SERVER_ARG), strShared + QStringLiteral("/ZVOZavoClient")});
        QVERIFY(foreign.waitForStarted(10000));
        const auto killForeign = qScopeGuard([&foreign] {
            foreign.kill();
            foreign.waitForFinished(10000);
        });
        QTRY_VERIFY_WITH_TIMEOUT(foreign.canReadLine() || foreign.state() == QProcess::NotRunning, START_TIMEOUT_MS);
        QCOMPARE(foreign.readLine().trimmed(), QByteArray("listening"));

        TestSupport::CClientCopy copy;
        QVERIFY(copy.IsValid());
        TestSupport::CClientRun run(copy, TestSupport::ClientEnvironment(QString(), strShared));
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(copy) || !run.IsRunning(), START_TIMEOUT_MS);
        QVERIFY2(run.IsRunning(), qPrintable(run.Output()));
        QVERIFY(!run.Output().contains(QLatin1String("already running")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_pTemp;
    QString m_strRuntimeDir;
    QProcessEnvironment m_env;
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], FOREIGN_SERVER_ARG) == 0)
        return RunForeignServer(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
