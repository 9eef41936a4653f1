#include "tests/support/ClientProcess.h"

#include <QDirIterator>
#include <QLocalServer>
#include <QLocalSocket>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const int START_TIMEOUT_MS = 60000;
const uid_t OTHER_UID = 65534;

// The client is past the guard (and so listening) once it writes its first log line.
bool PastTheGuard(const TestSupport::CClient& client) { return client.LogLines().size() > 4; }

bool PrivateToThisUser(const QString& strPath, bool bSocket)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(strPath).constData(), &info) == 0 && (bSocket ? S_ISSOCK(info.st_mode) : S_ISDIR(info.st_mode))
           && info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}
}

// The guard with real copies of the client, each test in runtime folders of its own, so that
// parallel runs and a client the developer has open do not meet.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_pTemp;

private slots:
    void init() { m_pTemp = std::make_unique<QTemporaryDir>(); }

    // Socket and folder are this user's alone; a second copy ends, also after a silent peer was
    // dropped; a killed copy's socket is taken over by the next.
    void guard_data()
    {
        QTest::addColumn<QString>("runtimeDir");
        QTest::addColumn<int>("runtimeMode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("runtime folder given") << "xdg" << 0700 << false;
        QTest::newRow("XDG_RUNTIME_DIR unset") << "" << 0 << false;
        QTest::newRow("runtime folder not made yet") << "xdg-new" << -1 << false;
        QTest::newRow("runtime folder open to others") << "xdg-open" << 0755 << false;
        QTest::newRow("runtime folder of another user") << "xdg-other" << 0700 << true;
        // 94 characters or more leave no room for "/ZVOZavoClient" in the 108 bytes.
        QTest::newRow("runtime folder too deep") << QString(100, 'd') << 0700 << false;
        QTest::newRow("runtime folder too deep, made by Qt") << "deep-" + QString(100, 'd') << -1 << false;
    }
    void guard()
    {
        QFETCH(QString, runtimeDir);
        QFETCH(int, runtimeMode);
        QFETCH(bool, otherOwner);
        if (otherOwner && ::geteuid() != 0)
            QSKIP("needs root to make a folder of another user");
        const QString strTemp = m_pTemp->path() + "/tmp";
        const QString strRuntime = runtimeDir.isEmpty() ? QString() : m_pTemp->path() + '/' + runtimeDir;
        const QByteArray baRuntime = QFile::encodeName(strRuntime);
        QVERIFY(QDir().mkpath(strTemp));
        if (runtimeMode >= 0 && !strRuntime.isEmpty())
            QVERIFY(QDir().mkpath(strRuntime) && ::chmod(baRuntime, mode_t(runtimeMode)) == 0 && (!otherOwner || ::chown(baRuntime, OTHER_UID, OTHER_UID) == 0));
        TestSupport::CClient first, next;
        QVERIFY(first.Start(strRuntime, strTemp));
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(first), START_TIMEOUT_MS);
        // Both the runtime folder and the fallback for a deep one lie below the test's folder.
        QDirIterator it(m_pTemp->path(), {"ZVOZavoClient"}, QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        const QString strServer = it.hasNext() ? it.next() : QString();
        QVERIFY2(PrivateToThisUser(strServer, true) && PrivateToThisUser(QFileInfo(strServer).absolutePath(), false), qPrintable(strServer));
        if (runtimeMode == 0700 && !otherOwner && runtimeDir.size() < 90)
            QCOMPARE(strServer, strRuntime + "/ZVOZavoClient");
        QVERIFY2(!(runtimeMode == 0755 || otherOwner || runtimeDir.size() > 90) || !strServer.startsWith(strRuntime + '/'),
                 qPrintable(strServer));
        QVERIFY(TestSupport::SecondCopyEnds(strRuntime, strTemp) && first.IsRunning());
        if (runtimeDir != "xdg" && !runtimeDir.startsWith("deep-"))
            return;  // the rest once in a runtime folder and once in the fallback
        QLocalSocket peer;
        peer.connectToServer(strServer);
        QVERIFY(peer.waitForConnected(10000));
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, 20000);
        QVERIFY(first.IsRunning());
        first.Kill();
        QVERIFY(QFileInfo::exists(strServer));
        QVERIFY(next.Start(strRuntime, strTemp));
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(next), START_TIMEOUT_MS);
        QVERIFY(TestSupport::SecondCopyEnds(strRuntime, strTemp) && next.IsRunning());
    }

    // Our runtime folder squatted by another user: the bare name in the shared folder, where that
    // user listens first, is not our copy.
    void socketOfAnotherUserIsNotThisUsersCopy()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to listen as another user");
        const QString strShared = m_pTemp->path() + "/shared";
        const QByteArray baSquatted = QFile::encodeName(strShared + "/runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        QVERIFY(QDir().mkpath(QFile::decodeName(baSquatted)));
        QVERIFY(::chmod(QFile::encodeName(strShared), 01777) == 0 && ::chmod(QFile::encodeName(m_pTemp->path()), 0755) == 0);
        QVERIFY(::chmod(baSquatted, 0700) == 0 && ::chown(baSquatted, OTHER_UID, OTHER_UID) == 0);

        // Listening with another user's id is what the client sees as that user's socket.
        QLocalServer foreign;
        QVERIFY(::seteuid(OTHER_UID) == 0);
        const bool bListening = foreign.listen(strShared + "/ZVOZavoClient");
        QVERIFY(::seteuid(0) == 0 && bListening);
        TestSupport::CClient client;
        QVERIFY(client.Start(QString(), strShared));
        QTRY_VERIFY_WITH_TIMEOUT(PastTheGuard(client) || !client.IsRunning(), START_TIMEOUT_MS);
        QVERIFY2(client.IsRunning() && client.Output().contains("ZVOZavoClient is held by another user; ignoring it."),
                 qPrintable(client.Output()));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
