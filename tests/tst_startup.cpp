#include "app/ConfigSettings.h"
#include "app/SettingsLocation.h"
#include "app/StartUp.h"
#include "tests/support/ClientProcess.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>

using TestSupport::WriteFile;

namespace
{
const QString EN_FILE = QStringLiteral(":/Lang/Translation/Language_en_US.qm");
const QString ZH_FILES = QStringLiteral(":/Lang/Translation/Language_zh_CN.qm :/Lang/Translation/qtbase_zh_CN.qm");
const QString BANNER = QStringLiteral("********************* Zavo Monitor Client Running Log **********************");

QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + "/SystemConfig.ini";
}

QByteArray ReadFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

// What the client sets up before its window: SystemConfig.ini beside the executable (this
// suite's own folder) or per user, translators and style sheets; and the client run for real.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(ConfigPath()); }
    void cleanup()
    {
        QFile::remove(ConfigPath());
        SettingsLocation::SetCurrent(SettingsLocation(QCoreApplication::applicationDirPath(), true));
        for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(pTranslator);
            delete pTranslator;
        }
        qApp->setStyleSheet(QString());
    }

    // Reading makes no file; each write is on disk at once, in UTF-8, and keeps the other keys.
    void settingsWritesReachTheFile()
    {
        QCOMPARE(GetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 3).toInt(), 3);
        QVERIFY(!QFile::exists(ConfigPath()));
        SetConfigValue("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", 1);
        SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 1);
        SetConfigValue("LANGUAGE", "NOTE", QStringLiteral("简体中文"));
        SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 0);
        QCOMPARE(QString::fromUtf8(ReadFile(ConfigPath())).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts),
                 (QStringList{"[LANGUAGE]", "LANGUAGE_TYPE=0", QStringLiteral("NOTE=简体中文"), "[SUB_PAGE_ENABLE]", "AUTO_COLOR_CALIB_PAGE=1"}));
        QCOMPARE(GetConfigValue("LANGUAGE", "NOTE", QString()).toString(), QStringLiteral("简体中文"));
    }

    // Integers read back only when they fit an int; anything else is the default.
    void integerKeysReadInRange()
    {
        for (const auto& [szStored, nExpected] : {std::pair{"-1", -1}, {"2147483647", 2147483647}, {"4294967297", 7}, {"-2147483649", 7},
                                                  {"18446744073709551617", 7}, {"1abc", 7}, {"1.5", 7}, {"", 7}}) {
            WriteFile(ConfigPath(), QByteArray("[LANGUAGE]\nLANGUAGE_TYPE=") + szStored + "\n");
            QVERIFY2(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 7) == nExpected, szStored);
        }
    }

    // A program folder that cannot be written (told so: root may write anywhere): its file is read
    // until the first write, which goes to a per-user copy that starts with the folder's settings;
    // that copy then wins, and the folder's file stays as it was. The log follows the settings.
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
            WriteFile(program.filePath("SystemConfig.ini"), folderFile);
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

    // The stored language picks the translators, Qt's texts and the pages' with them; anything
    // but 1 is Chinese. Reading makes no file.
    void installTranslators_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("texts");
        QTest::newRow("no settings file") << QByteArray() << ZH_FILES << QStringLiteral("确定|显示器恢复出厂设置");
        QTest::newRow("English") << QByteArray("1") << EN_FILE << "OK|Monitor Factory Reset";
        QTest::newRow("2") << QByteArray("2") << ZH_FILES << QStringLiteral("确定|显示器恢复出厂设置");
        QTest::newRow("1 plus 2^32") << QByteArray("4294967297") << ZH_FILES << QStringLiteral("确定|显示器恢复出厂设置");
    }
    void installTranslators()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        QFETCH(QString, texts);
        if (!stored.isNull())
            WriteFile(ConfigPath(), "[LANGUAGE]\nLANGUAGE_TYPE=" + stored + "\n");
        InstallTranslators(*qApp);
        QStringList listLoaded;
        for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly))
            listLoaded.append(pTranslator->filePath());
        QCOMPARE(listLoaded.join(' '), expected);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK") + '|' + QCoreApplication::translate("CSystemSettingWidget", "Factory Reset"),
                 texts);
        QCOMPARE(QFile::exists(ConfigPath()), !stored.isNull());
    }

    // *.qss files only, in the folder's listing order; a folder without any clears the style
    // sheet, an empty one keeps it. The built-in ones all load and Qt can parse them.
    void styleSheets()
    {
        QTemporaryDir dir, empty;
        QVERIFY(QDir(dir.path()).mkpath("folder.qss"));
        for (const char* szName : {"b.qss", "a.qss", "notes.txt", "upper.QSS", "folder.qss/inner.qss"})
            WriteFile(dir.filePath(szName), QByteArray(szName) + QByteArray(" { color: red; }\n"));
        QString strExpected;
        for (const QString& strName : QDir(dir.path()).entryList({"?.qss"}, QDir::Files, QDir::Unsorted))
            strExpected += strName + " { color: red; }\n";
        QCOMPARE(ReadStyleSheets(dir.path()), strExpected);
        qApp->setStyleSheet("QWidget { margin: 1px; }");
        LoadStyleSheets(*qApp, empty.path());
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QWidget { margin: 1px; }"));
        QVERIFY(QFile::remove(dir.filePath("a.qss")) && QFile::remove(dir.filePath("b.qss")));
        LoadStyleSheets(*qApp, dir.path());
        QCOMPARE(qApp->styleSheet(), QString());

        LoadStyleSheets(*qApp);
        QFile common(STYLE_SHEET_FOLDER + "/Common.qss");
        QVERIFY(common.open(QIODevice::ReadOnly) && qApp->styleSheet().contains(QString::fromUtf8(common.readAll())));
        QCOMPARE(qApp->styleSheet(), ReadStyleSheets(STYLE_SHEET_FOLDER));
        static QStringList s_listWarnings;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& strMsg) {
            if (type == QtWarningMsg && strMsg.contains("style sheet", Qt::CaseInsensitive))
                s_listWarnings.append(strMsg);
        });
        QWidget().ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(s_listWarnings.isEmpty(), qPrintable(s_listWarnings.join('\n')));
    }

    // The real client, its log beginning with the banner. Without its plug-in it logs the loader's
    // error in the language installed before loading and ends with 0, making no settings file.
    // With the simulated monitors it logs their names and the first page reads the current
    // monitor (id 0); a second copy finds it (a named pipe on Windows, where tst_singleinstance
    // does not run) and ends with 0 before making a log.
    void clientRuns_data()
    {
        QTranslator qtChinese;
        QVERIFY(qtChinese.load(ZH_FILES.section(' ', 1)));
        const char* const szNotFound = "The shared library was not found.";
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("logged");
        const QString strLine = QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] \\[Info    \\] CDDCUtil::CDDCUtil\\(\\): "
                                               "DDC插件加载失败:%1/plugins/Monitor.dll,%2$");
        QTest::newRow("no plug-in, Chinese by default") << QByteArray() << strLine.arg("%1", QRegularExpression::escape(qtChinese.translate("QLibrary", szNotFound)));
        QTest::newRow("no plug-in, English") << QByteArray("[LANGUAGE]\nLANGUAGE_TYPE=1\n") << strLine.arg("%1", QRegularExpression::escape(szNotFound));
        QTest::newRow("simulated monitors") << QByteArray() << "Monitor Name: ZVO X27Q,[\\s\\S]*Monitor Name: ZVO G24F,";
    }
    void clientRuns()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, logged);
        const bool bPlugin = !logged.startsWith('^');
        QTemporaryDir runtimeDir;
        TestSupport::CClient first(bPlugin), second;
        QVERIFY(first.IsValid() && second.IsValid());
        if (!settings.isNull())
            WriteFile(first.Dir() + "/SystemConfig.ini", settings);
        first.Start(runtimeDir.path(), QString());
        const auto pageReads = [&first] {
            QFile transcript(first.Dir() + "/plugins/sim-transcript.log");
            return transcript.open(QIODevice::ReadOnly) ? transcript.readAll().count("GET 0 ") : 0;
        };
        if (bPlugin)
            QTRY_VERIFY_WITH_TIMEOUT(pageReads() >= 5, 60000);
        else
            QVERIFY2(first.FinishedWithZero(60000), qPrintable(first.Output()));
        const QStringList listLines = first.LogLines();
        QCOMPARE(listLines.value(1), BANNER);
        const QRegularExpression reLogged(logged.replace("%1", QRegularExpression::escape(first.Dir())), QRegularExpression::MultilineOption);
        QVERIFY2(reLogged.match(listLines.mid(4).join('\n')).hasMatch(), qPrintable(listLines.join('\n')));
        QCOMPARE(QFile::exists(first.Dir() + "/SystemConfig.ini"), !settings.isNull());
        QCOMPARE(listLines.size() == 5, !bPlugin);
        if (!bPlugin)
            return;
        second.Start(runtimeDir.path(), QString());
        QVERIFY2(second.FinishedWithZero(60000) && second.Output().contains("ZVOZavoClient already running."), qPrintable(second.Output()));
        QVERIFY(!QFileInfo::exists(second.Dir() + "/logs") && first.IsRunning());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
