#include "app/ConfigSettings.h"
#include "app/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// SystemConfig.ini beside the executable: this suite's own folder.
class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { RemoveFile(); }
    void cleanup() { SettingsLocation::SetCurrent(SettingsLocation(QCoreApplication::applicationDirPath(), true)); }
    void cleanupTestCase() { RemoveFile(); }

    void missingFileReadsDefaultAndCreatesNothing_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::newRow("language type") << "LANGUAGE" << "LANGUAGE_TYPE" << QVariant(0);
        QTest::newRow("colour calibration page") << "SUB_PAGE_ENABLE" << "AUTO_COLOR_CALIB_PAGE" << QVariant(0);
    }
    void missingFileReadsDefaultAndCreatesNothing()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, defaultValue);
        QCOMPARE(GetConfigValue(group, key, defaultValue), defaultValue);
        QVERIFY(!QFile::exists(FilePath()));
    }

    void writeIsOnDiskAtOnce()
    {
        SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 1);
        QCOMPARE(GetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 0).toInt(), 1);

        // Another settings object on the file (as after a restart) sees it too.
        QSettings other(FilePath(), QSettings::IniFormat);
        other.setIniCodec("UTF-8");
        QCOMPARE(other.value(QStringLiteral("LANGUAGE/LANGUAGE_TYPE")).toInt(), 1);

        QCOMPARE(FileLines(), (QStringList{QStringLiteral("[LANGUAGE]"), QStringLiteral("LANGUAGE_TYPE=1")}));
    }

    void secondWriteKeepsOtherKeys()
    {
        SetConfigValue(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), 1);
        SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 1);
        SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 0);
        QCOMPARE(GetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 7).toInt(), 0);
        QCOMPARE(GetConfigValue(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), 7).toInt(), 1);
    }

    void integerKeysReadInRange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("2") << QByteArray("2") << 2;
        QTest::newRow("-1") << QByteArray("-1") << -1;
        QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("1 plus 2^32") << QByteArray("4294967297") << 7;
        QTest::newRow("below int min") << QByteArray("-2147483649") << 7;
        QTest::newRow("beyond 64 bits") << QByteArray("18446744073709551617") << 7;
        QTest::newRow("number with text") << QByteArray("1abc") << 7;
        QTest::newRow("fraction") << QByteArray("1.5") << 7;
        QTest::newRow("empty") << QByteArray("") << 7;
        QTest::newRow("missing") << QByteArray() << 7;
    }
    void integerKeysReadInRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        WriteFile(stored.isNull() ? QByteArray("[LANGUAGE]\n") : "[LANGUAGE]\nLANGUAGE_TYPE=" + stored + "\n");
        QCOMPARE(GetConfigInt(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 7), expected);
    }

    void handEditedFileIsRead()
    {
        WriteFile("[SUB_PAGE_ENABLE]\r\nAUTO_COLOR_CALIB_PAGE = 1\r\n\r\n[LANGUAGE]\r\nLANGUAGE_TYPE=1\r\n");
        QCOMPARE(GetConfigValue(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), 0).toInt(), 1);
        QCOMPARE(GetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 0).toInt(), 1);
    }

    // A program folder that cannot be written (told so: root may write anywhere): its file is read
    // until the first write, which goes to a per-user copy that starts with the folder's settings;
    // that copy then wins, and the folder's file stays as it was.
    void unwritableFolderWritesPerUserCopy_data()
    {
        QTest::addColumn<QByteArray>("folderFile");
        QTest::addColumn<int>("folderValue");
        QTest::newRow("folder holds a file")
            << QByteArray("[SUB_PAGE_ENABLE]\nAUTO_COLOR_CALIB_PAGE=1\n[LANGUAGE]\nLANGUAGE_TYPE=1\n") << 1;
        QTest::newRow("folder holds none") << QByteArray() << 0;
    }
    void unwritableFolderWritesPerUserCopy()
    {
        QFETCH(QByteArray, folderFile);
        QFETCH(int, folderValue);
        QTemporaryDir program;
        const QString strUserFile =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/SystemConfig.ini";
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
        QFile folder(program.filePath("SystemConfig.ini"));
        QCOMPARE(folder.open(QIODevice::ReadOnly) ? folder.readAll() : QByteArray(), folderFile);
    }

    // It tries a file instead of trusting permission bits, which root ignores.
    void writeProbeLeavesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(SettingsLocation::CanCreateFilesIn(dir.path()));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
#ifdef Q_OS_LINUX
        QVERIFY(!SettingsLocation::CanCreateFilesIn("/proc"));
#endif
    }

    void nonAsciiTextRoundTrips()
    {
        SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("NOTE"), QStringLiteral("简体中文"));
        QCOMPARE(GetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("NOTE"), QString()).toString(),
                 QStringLiteral("简体中文"));
    }

private:
    static QString FilePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/SystemConfig.ini"); }
    static void RemoveFile() { QFile::remove(FilePath()); }
    // Each file written gets a time stamp of its own: QSettings takes an unchanged size and time
    // (a rewrite within the file system's clock tick) for an unchanged file and reuses what it read.
    static void WriteFile(const QByteArray& baContent, const QString& strPath = FilePath())
    {
        static int s_nWrites = 0;
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baContent);
        file.flush();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++s_nWrites),
                                 QFileDevice::FileModificationTime));
    }
    static QStringList FileLines()
    {
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return QStringList();
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
