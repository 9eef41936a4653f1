#include "app/ConfigSettings.h"
#include "app/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
QString FilePath()
{
    return QCoreApplication::applicationDirPath() + "/SystemConfig.ini";
}

// Each file gets a time stamp of its own: QSettings takes an unchanged size and time (a rewrite
// within the file system's clock tick) for an unchanged file and reuses what it read.
void WriteFile(const QByteArray& baContent, const QString& strPath = FilePath())
{
    static int s_nWrites = 0;
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(baContent) == baContent.size());
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++s_nWrites), QFileDevice::FileModificationTime));
}

QByteArray ReadFile(const QString& strPath = FilePath())
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

// SystemConfig.ini beside the executable (this suite's own folder), or per user.
class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(FilePath()); }
    void cleanup() { SettingsLocation::SetCurrent(SettingsLocation(QCoreApplication::applicationDirPath(), true)); }
    void cleanupTestCase() { QFile::remove(FilePath()); }

    // Reading makes no file; each write is on disk at once, in UTF-8, and keeps the other keys.
    void writesReachTheFile()
    {
        QCOMPARE(GetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 3).toInt(), 3);
        QVERIFY(!QFile::exists(FilePath()));
        SetConfigValue("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", 1);
        SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 1);
        SetConfigValue("LANGUAGE", "NOTE", QStringLiteral("简体中文"));
        SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 0);
        QCOMPARE(QString::fromUtf8(ReadFile()).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts),
                 (QStringList{"[LANGUAGE]", "LANGUAGE_TYPE=0", QStringLiteral("NOTE=简体中文"), "[SUB_PAGE_ENABLE]",
                              "AUTO_COLOR_CALIB_PAGE=1"}));
        QCOMPARE(GetConfigValue("LANGUAGE", "NOTE", QString()).toString(), QStringLiteral("简体中文"));
    }

    void integerKeysReadInRange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("-1") << QByteArray("-1") << -1;
        QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("1 plus 2^32") << QByteArray("4294967297") << 7;
        QTest::newRow("below int min") << QByteArray("-2147483649") << 7;
        QTest::newRow("beyond 64 bits") << QByteArray("18446744073709551617") << 7;
        QTest::newRow("number with text") << QByteArray("1abc") << 7;
        QTest::newRow("fraction") << QByteArray("1.5") << 7;
        QTest::newRow("empty") << QByteArray("") << 7;
    }
    void integerKeysReadInRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        WriteFile("[LANGUAGE]\nLANGUAGE_TYPE=" + stored + "\n");
        QCOMPARE(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 7), expected);
    }

    // A program folder that cannot be written (told so: root may write anywhere): its file is read
    // until the first write, which goes to a per-user copy that starts with the folder's settings;
    // that copy then wins, and the folder's file stays as it was.
    void unwritableFolderWritesPerUserCopy_data()
    {
        QTest::addColumn<QByteArray>("folderFile");
        QTest::addColumn<int>("folderValue");
        QTest::newRow("folder holds a file") << QByteArray("[SUB_PAGE_ENABLE]\nAUTO_COLOR_CALIB_PAGE=1\n[LANGUAGE]\nLANGUAGE_TYPE=1\n") << 1;
        QTest::newRow("folder holds none") << QByteArray() << 0;
    }
    void unwritableFolderWritesPerUserCopy()
    {
        QFETCH(QByteArray, folderFile);
        QFETCH(int, folderValue);
        QTemporaryDir program;
        const QString strUserFile = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/SystemConfig.ini";
        QFile::remove(strUserFile);
        if (!folderFile.isNull()) {
            WriteFile(folderFile, program.filePath("SystemConfig.ini"));
            QVERIFY(QFile::setPermissions(program.filePath("SystemConfig.ini"), QFile::ReadOwner));
        }
        SettingsLocation::SetCurrent(SettingsLocation(program.path(), false));
        QCOMPARE(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 0), folderValue);
        QVERIFY(!QFile::exists(strUserFile));
        SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 1 - folderValue);
        QCOMPARE(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 0), 1 - folderValue);
        QCOMPARE(GetConfigInt("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", 0), folderValue);
        QVERIFY(QFileInfo(strUserFile).permission(QFile::WriteOwner));
        QCOMPARE(ReadFile(program.filePath("SystemConfig.ini")), folderFile);
        // The log follows the settings into the user's folders.
        QVERIFY(!SettingsLocation::Current().LogDir().startsWith(program.path()));
    }

    // It tries a file instead of trusting permission bits, which root ignores, and leaves none.
    void writeProbeLeavesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(SettingsLocation::CanCreateFilesIn(dir.path()));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
#ifdef Q_OS_LINUX
        QVERIFY(!SettingsLocation::CanCreateFilesIn("/proc"));
#endif
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
