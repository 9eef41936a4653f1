#include "app/ConfigSettings.h"
#include "app/SettingsLocation.h"
#include "app/StartUp.h"
#include "tests/support/ClientProcess.h"
#include "tests/support/LogCapture.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

using TestSupport::ReadAll;
using TestSupport::WriteFile;

namespace
{
const QString EN_FILE = QStringLiteral(":/Lang/Translation/Language_en_US.qm");
const QString ZH_FILES = QStringLiteral(":/Lang/Translation/Language_zh_CN.qm :/Lang/Translation/qtbase_zh_CN.qm");
const QString BANNER = QStringLiteral("********************* Zavo Monitor Client Running Log **********************");

// A new day's file begins with these lines, the time as T.
const QString HEAD = QString(78, '*') + '\n' + BANNER + "\n*" + QString(31, ' ') + "StartTime: T" + QString(30, ' ') + "*\n" + QString(78, '*');

QString ConfigPath() { return QCoreApplication::applicationDirPath() + "/SystemConfig.ini"; }
QStringList ReadLog(const QString& strFolder) { return TestSupport::ReadLines(strFolder + QDate::currentDate().toString("'Log_'yyyy-MM-dd'.txt'")); }
// The lines as one text, each time stamp as T.
QString Timeless(const QStringList& listLines)
{
    return listLines.join('\n').replace(QRegularExpression("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"), "T");
}

// The source tree: this file lives in its tests folder.
const QString SOURCE_DIR = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("..");

QString TsPath(const QString& strLang) { return SOURCE_DIR + "/resources/Lang/Translation/Language_" + strLang + ".ts"; }

// "context | source" -> "type|translation" of the texts in use (neither obsolete nor vanished).
QMap<QString, QString> ReadTs(const QString& strPath)
{
    QMap<QString, QString> mapTexts;
    QFile file(strPath);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    QString strContext, strSource;
    while (!xml.atEnd()) {
        const QString strType = xml.readNext() == QXmlStreamReader::StartElement ? xml.attributes().value("type").toString() : "-";
        if (xml.name() == QLatin1String("name") && strType.isEmpty())
            strContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source") && strType.isEmpty())
            strSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && strType != "-" && strType != "obsolete" && strType != "vanished")
            mapTexts.insert(strContext + " | " + strSource, strType + '|' + xml.readElementText());
    }
    return xml.hasError() ? QMap<QString, QString>() : mapTexts;
}
}

// What the client sets up before its window (settings, log, translators, style sheets), and the client run.
class TestStartUp : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_logDir;
    QString LogDir() const { return m_logDir.path() + "/logs/"; }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QFile::remove(ConfigPath());
        QDir(LogDir()).removeRecursively();
    }
    void cleanup()
    {
        QFile::remove(ConfigPath());
        SettingsLocation::SetCurrent(SettingsLocation(QCoreApplication::applicationDirPath(), true));
        qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));  // each one leaves the application
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
        QCOMPARE(QString::fromUtf8(ReadAll(ConfigPath())).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts),
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

    // An unwritable program folder (told so: root writes anywhere): its file is read until the first
    // write, which goes to a per-user copy that wins from then on; the log follows; the probe leaves no file.
    void unwritableFolderWritesPerUserCopy()
    {
        const QString strUserFile = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/SystemConfig.ini";
        for (const QByteArray& baFolderFile : {QByteArray("[SUB_PAGE_ENABLE]\nAUTO_COLOR_CALIB_PAGE=1\n[LANGUAGE]\nLANGUAGE_TYPE=1\n"), QByteArray()}) {
            const int nFolderValue = baFolderFile.isNull() ? 0 : 1;
            QTemporaryDir program;
            QVERIFY(SettingsLocation::CanCreateFilesIn(program.path()) && QDir(program.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
            QFile::remove(strUserFile);
            if (!baFolderFile.isNull()) {
                WriteFile(program.filePath("SystemConfig.ini"), baFolderFile);
                QVERIFY(QFile::setPermissions(program.filePath("SystemConfig.ini"), QFile::ReadOwner));
            }
            SettingsLocation::SetCurrent(SettingsLocation(program.path(), false));
            QCOMPARE(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 0), nFolderValue);
            QVERIFY(!QFile::exists(strUserFile));
            SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", 1 - nFolderValue);
            QCOMPARE(GetConfigInt("LANGUAGE", "LANGUAGE_TYPE", 0), 1 - nFolderValue);
            QCOMPARE(GetConfigInt("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", 0), nFolderValue);
            QVERIFY(QFileInfo(strUserFile).permission(QFile::WriteOwner));
            QCOMPARE(ReadAll(program.filePath("SystemConfig.ini")), baFolderFile);
            QVERIFY(!SettingsLocation::Current().LogDir().startsWith(program.path()));
        }
#ifdef Q_OS_LINUX
        QVERIFY(!SettingsLocation::CanCreateFilesIn("/proc"));
#endif
    }

    // A new day's file: the banner, then "[time] [level word] function(): message" in UTF-8,
    // for the levels the mask lets through; the same line goes to Qt's message output.
    void lineFormat()
    {
        QList<std::tuple<int, QString, QString, QByteArray>> listRows{{LOG_INFO, "Info    ", "50% of %1 and %4", "CX::Run"},
                                                                      {LOG_INFO, "Info    ", "text", QByteArray()},
                                                                      {LOG_INFO, "Info    ", QStringLiteral("DDC插件加载失败:x,y"), "CDDCUtil::GetVcp"}};
        for (const auto& [nLevel, szWord] : {std::pair{int(LOG_INFO), "Info    "}, {LOG_WARNING, "Warnning"}, {LOG_CRITICAL, "Critical"},
                                             {LOG_TIMER, "Timer   "}, {LOG_DEBUG, "Debug   "}, {3, "Unknown "}, {0, ""}, {512, ""}})
            listRows.append({nLevel, szWord, "0 Code:0x10 Value:50", "CDDCUtil::GetVcp"});
        for (const auto& [nLevel, strWord, strMessage, baFunction] : listRows) {
            QDir(LogDir()).removeRecursively();
            CLogCapture capture;
            Logger::CreateInFolder(LogDir())->WriteLog(nLevel, strMessage, baFunction.isNull() ? nullptr : baFunction.constData());
            const QStringList listLines = ReadLog(LogDir());
            QCOMPARE(capture.Lines(), listLines.mid(4));
            QCOMPARE(Timeless(listLines),
                     HEAD + (strWord.isEmpty() ? QString() : QStringLiteral("\n[T] [%1] %2(): %3").arg(strWord, QString::fromUtf8(baFunction), strMessage)));
        }
    }

    // A file of the day that is there already is continued, without another banner.
    void earlierContentIsContinued()
    {
        QVERIFY(QDir().mkpath(LogDir()));
        WriteFile(LogDir() + QDate::currentDate().toString("'Log_'yyyy-MM-dd'.txt'"), "written before\n");
        CLogCapture capture;
        Logger::CreateInFolder(LogDir())->WriteLog(LOG_ERROR, "after", "CX::C");
        Logger::CreateInFolder(LogDir())->WriteLog(LOG_DEBUG, "again", "CX::D");
        QCOMPARE(Timeless(ReadLog(LogDir())), QStringLiteral("written before\n[T] [Error   ] CX::C(): after\n[T] [Debug   ] CX::D(): again"));
    }

    // A log folder that cannot be made loses the file, not the lines.
    void folderThatCannotBeMadeStillReportsLines()
    {
        const QString strBlocker = m_logDir.filePath("blocker");
        WriteFile(strBlocker, "");
        QTest::ignoreMessage(QtDebugMsg, "Create Log folder fail...");
        QTest::ignoreMessage(QtDebugMsg, "Create Log Folder Fail...");
        CLogCapture capture;
        Logger::CreateInFolder(strBlocker + "/logs/")->WriteLog(LOG_ERROR, "still reported", "CX::D");
        QVERIFY(capture.Has(LOG_ERROR, "CX::D", "still reported") && QFileInfo(strBlocker).isFile());
    }

    // The class and function of __PRETTY_FUNCTION__ (gcc, clang) and __FUNCSIG__ (msvc).
    void qualifiedFunctionName()
    {
        for (const auto& [szPretty, szExpected] : {
                 std::pair{"void CDDCUtil::SetVcp(const QString&, const QString&)", "CDDCUtil::SetVcp"}, {"void CX::Apply(const std::map<int, QString>&) [with T = int]", "CX::Apply"},
                 {"auto CDDCUtil::Init()::(anonymous class)::operator()() const", "CDDCUtil::Init"},
                 {"void CX::operator()(int)", "CX::operator()"}, {"void (* CX::Handler(int))(int)", "CX::Handler"},
                 {"void __cdecl CDDCUtil::SetVcp(const class QString &,const class QString &)", "CDDCUtil::SetVcp"},
                 {"void (__cdecl *__cdecl CX::Handler(int))(int)", "CX::Handler"}})
            QCOMPARE(Logger::QualifiedFunctionName(szPretty), QByteArray(szExpected));
    }
    // The process-wide logger writes beside the executable, naming the calling member.
    void logWriteNamesClassAndFunction()
    {
        CLogCapture capture;
        LOG_WRITE(LOG_INFO, QStringLiteral("from a member"));
        QVERIFY(capture.Has(LOG_INFO, "TestStartUp::logWriteNamesClassAndFunction", "from a member"));
        const QStringList listLines = ReadLog(QCoreApplication::applicationDirPath() + "/logs/");
        QCOMPARE(listLines.value(listLines.size() - 1), capture.Lines().value(0));
    }
    // lupdate into copies of the .ts files must list exactly the committed texts; Chinese is finished
    // everywhere, English carries only the texts that differ from the source.
    void translations()
    {
#ifndef Q_OS_WIN  // lupdate is a tool of the build machine; the Linux run checks the .ts files
        QTemporaryDir dir;
        QVERIFY(QFile::copy(TsPath("zh_CN"), dir.filePath("zh_CN.ts")) && QFile::copy(TsPath("en_US"), dir.filePath("en_US.ts")));
        QProcess lupdate;
        lupdate.setWorkingDirectory(SOURCE_DIR);
        lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate",
                      {"-silent", "-locations", "none", "-I", QDir(SOURCE_DIR).absolutePath(), "app", "ddc", "ui", "-ts",
                       dir.filePath("zh_CN.ts"), dir.filePath("en_US.ts")});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        for (const QString strLang : {"zh_CN", "en_US"})
            QVERIFY2(!ReadTs(TsPath(strLang)).isEmpty() && ReadTs(TsPath(strLang)).keys() == ReadTs(dir.filePath(strLang + ".ts")).keys(),
                     qPrintable(strLang + ".ts is stale: run scripts/update-translations.sh"));
#endif
        QTranslator translator;
        QVERIFY(translator.load(":/Lang/Translation/Language_zh_CN.qm"));
        QStringList listMissing, listFinished;
        for (const auto& [strKey, strValue] : ReadTs(TsPath("zh_CN")).toStdMap()) {
            const QStringList listParts = strKey.split(" | ");
            if (strValue == "|" || translator.translate(listParts.at(0).toUtf8(), listParts.at(1).toUtf8()) != strValue.mid(1))
                listMissing << strKey;
        }
        QVERIFY2(listMissing.isEmpty(), qPrintable("no finished Chinese translation:\n" + listMissing.join('\n')));
        for (const auto& [strKey, strValue] : ReadTs(TsPath("en_US")).toStdMap())
            if (strValue != "unfinished|")
                listFinished << strKey + " -> " + strValue;
        QCOMPARE(listFinished, (QStringList{"CStandardModeWidget | High_O -> |High", "CStandardModeWidget | High_l -> |High",
                                            "CSystemSettingWidget | Factory Reset -> |Monitor Factory Reset"}));
    }
    // The stored language picks the translators, Qt's texts and the pages' with them; anything
    // but 1 is Chinese (integerKeysReadInRange: what reads as 1). Reading makes no file.
    void installTranslators()
    {
        for (const QByteArray& baStored : {QByteArray(), QByteArray("1"), QByteArray("2")}) {
            cleanup();
            if (!baStored.isNull())
                WriteFile(ConfigPath(), "[LANGUAGE]\nLANGUAGE_TYPE=" + baStored + "\n");
            InstallTranslators(*qApp);
            QStringList listLoaded;
            for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly))
                listLoaded.append(pTranslator->filePath());
            const bool bEnglish = baStored == "1";
            QCOMPARE(listLoaded.join(' '), bEnglish ? EN_FILE : ZH_FILES);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK") + '|' + QCoreApplication::translate("CSystemSettingWidget", "Factory Reset"),
                     bEnglish ? QStringLiteral("OK|Monitor Factory Reset") : QStringLiteral("确定|显示器恢复出厂设置"));
            QCOMPARE(QFile::exists(ConfigPath()), !baStored.isNull());
        }
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
        const QByteArray baCommon = ReadAll(STYLE_SHEET_FOLDER + "/Common.qss");
        QVERIFY(!baCommon.isEmpty() && qApp->styleSheet().contains(QString::fromUtf8(baCommon)) && qApp->styleSheet() == ReadStyleSheets(STYLE_SHEET_FOLDER));
        // The windows' font is the application's, so widgets are built with it.
        QCOMPARE(QApplication::font().families().value(0), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(QApplication::font().pointSize(), 10);
        static QStringList s_listWarnings;
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& strMsg) {
            if (type == QtWarningMsg && strMsg.contains("style sheet", Qt::CaseInsensitive))
                s_listWarnings.append(strMsg);
        });
        QWidget().ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(s_listWarnings.isEmpty(), qPrintable(s_listWarnings.join('\n')));
    }

    // The real client: banner, the loader's error without its plug-in (exit 0, no settings file), or the
    // monitors' names and a first read; a second copy ends with 0 before logging (named pipe on Windows).
    void clientRuns_data()
    {
        QTranslator qtChinese;
        QVERIFY(qtChinese.load(ZH_FILES.section(' ', 1)));
        const char* const szNotFound = "The shared library was not found.";
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("logged");
        const QString strLine = QStringLiteral("^\\[T\\] \\[Info    \\] CDDCUtil::CDDCUtil\\(\\): DDC插件加载失败:%1/plugins/Monitor.dll,%2$");
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
        TestSupport::CClient first(bPlugin);
        if (!settings.isNull())
            WriteFile(first.Dir() + "/SystemConfig.ini", settings);
        QVERIFY(first.Start(runtimeDir.path(), QString()));
        if (bPlugin)
            QTRY_VERIFY_WITH_TIMEOUT(ReadAll(first.Dir() + "/plugins/sim-transcript.log").count("GET 0 ") >= 5, 60000);
        else
            QVERIFY2(first.FinishedWithZero(60000), qPrintable(first.Output()));
        const QStringList listLines = first.LogLines();
        QCOMPARE(listLines.value(1), BANNER);
        const QRegularExpression reLogged(logged.replace("%1", QRegularExpression::escape(first.Dir())), QRegularExpression::MultilineOption);
        QVERIFY2(reLogged.match(Timeless(listLines.mid(4))).hasMatch(), qPrintable(listLines.join('\n')));
        QCOMPARE(QFile::exists(first.Dir() + "/SystemConfig.ini"), !settings.isNull());
        QVERIFY(bPlugin ? listLines.size() > 5 && TestSupport::SecondCopyEnds(runtimeDir.path(), QString()) && first.IsRunning() : listLines.size() == 5);
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
