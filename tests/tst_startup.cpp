#include "app/ConfigSettings.h"
#include "app/StartUp.h"
#include "tests/support/ClientProcess.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

namespace
{
const QString EN_FILE = QStringLiteral(":/Lang/Translation/Language_en_US.qm");
const QString ZH_FILE = QStringLiteral(":/Lang/Translation/Language_zh_CN.qm");
const QString QT_ZH_FILE = QStringLiteral(":/Lang/Translation/qtbase_zh_CN.qm");

QApplication& App()
{
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/SystemConfig.ini");
}

// Each file written gets a time stamp of its own: QSettings takes an unchanged size and time
// (a rewrite within the file system's clock tick) for an unchanged file and reuses what it read.
void WriteFile(const QString& strPath, const QByteArray& baContent)
{
    static int s_nWrites = 0;
    QFile file(strPath);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(strPath));
    file.write(baContent);
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++s_nWrites), QFileDevice::FileModificationTime));
}

// Warnings Qt gives about a style sheet it cannot parse.
QStringList s_listStyleWarnings;
QtMessageHandler s_previousHandler = nullptr;
void CatchStyleWarnings(QtMsgType type, const QMessageLogContext& context, const QString& strMsg)
{
    if (type == QtWarningMsg && strMsg.contains(QLatin1String("style sheet"), Qt::CaseInsensitive))
        s_listStyleWarnings.append(strMsg);
    s_previousHandler(type, context, strMsg);
}
}

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(ConfigPath()); }
    void cleanup()
    {
        QFile::remove(ConfigPath());
        for (QTranslator* pTranslator : App().findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(pTranslator);
            delete pTranslator;
        }
        App().setStyleSheet(QString());
    }

    void translationFiles_data()
    {
        QTest::addColumn<int>("languageType");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("1 is English") << 1 << QStringList{EN_FILE};
        QTest::newRow("0 is Chinese") << 0 << QStringList{ZH_FILE, QT_ZH_FILE};
        QTest::newRow("2 is Chinese") << 2 << QStringList{ZH_FILE, QT_ZH_FILE};
        QTest::newRow("-1 is Chinese") << -1 << QStringList{ZH_FILE, QT_ZH_FILE};
    }
    void translationFiles()
    {
        QFETCH(int, languageType);
        QFETCH(QStringList, expected);
        QCOMPARE(GetTranslationFiles(languageType), expected);
        for (const QString& strFile : expected)
            QVERIFY2(QFile::exists(strFile), qPrintable(strFile));
    }

    void installTranslators_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("okText");
        QTest::newRow("no settings file") << QByteArray() << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
        QTest::newRow("English") << QByteArray("1") << QStringList{EN_FILE} << QStringLiteral("OK");
        QTest::newRow("Chinese") << QByteArray("0") << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
        QTest::newRow("2") << QByteArray("2") << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
        QTest::newRow("-1") << QByteArray("-1") << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
        QTest::newRow("1 plus 2^32") << QByteArray("4294967297") << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
        QTest::newRow("text") << QByteArray("English") << QStringList{ZH_FILE, QT_ZH_FILE} << QStringLiteral("确定");
    }
    void installTranslators()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, expected);
        QFETCH(QString, okText);
        if (!stored.isNull())
            WriteFile(ConfigPath(), "[LANGUAGE]\nLANGUAGE_TYPE=" + stored + "\n");

        InstallTranslators(App());

        QStringList listLoaded;
        for (QTranslator* pTranslator : App().findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly))
            listLoaded.append(pTranslator->filePath());
        QCOMPARE(listLoaded, expected);
        // Installed, not only loaded: Qt's own button texts follow the language.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), okText);
        QCOMPARE(QFile::exists(ConfigPath()), !stored.isNull());
    }

    void styleSheetsConcatenateQssFilesOnly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteFile(dir.filePath(QStringLiteral("b.qss")), "QLabel { color: red; }\n");
        WriteFile(dir.filePath(QStringLiteral("a.qss")), "QPushButton { color: blue; }");
        WriteFile(dir.filePath(QStringLiteral("c.qss")), "/* 简体中文 */\n");
        WriteFile(dir.filePath(QStringLiteral("notes.txt")), "QWidget { color: green; }");
        WriteFile(dir.filePath(QStringLiteral("upper.QSS")), "QSlider { color: green; }");
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder.qss")));
        WriteFile(dir.filePath(QStringLiteral("folder.qss/inner.qss")), "QSpinBox { color: green; }");

        const QHash<QString, QString> hashContent = {
            {QStringLiteral("a.qss"), QStringLiteral("QPushButton { color: blue; }")},
            {QStringLiteral("b.qss"), QStringLiteral("QLabel { color: red; }\n")},
            {QStringLiteral("c.qss"), QStringLiteral("/* 简体中文 */\n")},
        };
        // The folder's own listing order, whatever the file system gives.
        QString strExpected;
        for (const QString& strName : QDir(dir.path()).entryList(QDir::Files, QDir::Unsorted))
            strExpected += hashContent.value(strName);

        const QString strStyle = ReadStyleSheets(dir.path());
        QCOMPARE(strStyle, strExpected);
        QCOMPARE(strStyle.size(), 28 + 23 + 11);
        QVERIFY(!strStyle.contains(QLatin1String("green")));
    }

    void loadStyleSheetsTouchesTheApplicationOnlyWithFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty folder keeps the style sheet") << QStringList() << "QWidget { margin: 1px; }";
        QTest::newRow("no .qss file clears it") << QStringList{"readme.txt"} << "";
        QTest::newRow("one .qss file") << QStringList{"one.qss", "readme.txt"} << "one.qss;";
    }
    void loadStyleSheetsTouchesTheApplicationOnlyWithFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& strName : files)
            WriteFile(dir.filePath(strName), strName.toUtf8() + ';');
        App().setStyleSheet(QStringLiteral("QWidget { margin: 1px; }"));
        LoadStyleSheets(App(), dir.path());
        QCOMPARE(App().styleSheet(), expected);
    }

    void compiledInStyleSheetsApplyCleanly()
    {
        const QStringList listNames = QDir(STYLE_SHEET_FOLDER).entryList(QDir::Files);
        for (const char* szName : {"ProfessionalGraphicsWidget.qss", "StandardModeWidget.qss", "Common.qss",
                                   "AutoColorCalibWidget.qss", "ProfessionalGameWidget.qss", "MainWindow.qss",
                                   "SystemSettingWidget.qss", "AboutMachineWidget.qss"})
            QVERIFY2(listNames.contains(QLatin1String(szName)), szName);

        LoadStyleSheets(App());
        const QString strStyle = App().styleSheet();
        QCOMPARE(strStyle, ReadStyleSheets(STYLE_SHEET_FOLDER));
        QFile common(STYLE_SHEET_FOLDER + QStringLiteral("/Common.qss"));
        QVERIFY(common.open(QIODevice::ReadOnly));
        QVERIFY(strStyle.contains(QString::fromUtf8(common.readAll())));

        s_listStyleWarnings.clear();
        s_previousHandler = qInstallMessageHandler(CatchStyleWarnings);
        QWidget widget;
        widget.ensurePolished();
        qInstallMessageHandler(s_previousHandler);
        QVERIFY2(s_listStyleWarnings.isEmpty(), qPrintable(s_listStyleWarnings.join(QLatin1Char('\n'))));
    }

    void missingPluginLogsAndExitsWithZero_data()
    {
        // The loader's error text shows that the language was installed before the plug-in
        // was loaded.
        QTranslator qtChinese;
        QVERIFY(qtChinese.load(QT_ZH_FILE));
        const char* const szNotFound = "The shared library was not found.";
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("error");
        QTest::newRow("Chinese by default") << QByteArray() << qtChinese.translate("QLibrary", szNotFound);
        QTest::newRow("English") << QByteArray("[LANGUAGE]\nLANGUAGE_TYPE=1\n") << QString::fromLatin1(szNotFound);
    }
    void missingPluginLogsAndExitsWithZero()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, error);
        QVERIFY(!error.isEmpty());
        const QDate dateStart = QDate::currentDate();
        TestSupport::CClientCopy copy(false);
        QVERIFY(copy.IsValid());
        if (!settings.isNull())
            WriteFile(copy.Dir() + QStringLiteral("/SystemConfig.ini"), settings);
        QTemporaryDir runtimeDir;
        QVERIFY(runtimeDir.isValid());
        TestSupport::CClientRun run(copy, TestSupport::ClientEnvironment(runtimeDir.path() + QStringLiteral("/xdg"), QString()));
        QVERIFY2(run.FinishedWithZero(60000), qPrintable(run.Output()));

        const QStringList listFiles = copy.LogFiles();
        QCOMPARE(listFiles.size(), 1);
        const QString strDate = QFileInfo(listFiles.first()).completeBaseName().mid(4);
        const QDate date = QDate::fromString(strDate, QStringLiteral("yyyy-MM-dd"));
        QVERIFY2(date >= dateStart && date <= QDate::currentDate(), qPrintable(listFiles.first()));

        const QStringList listLines = copy.LogLines();
        QCOMPARE(listLines.size(), 5);
        QCOMPARE(listLines.at(0), QString(78, QLatin1Char('*')));
        QCOMPARE(listLines.at(1), QStringLiteral("********************* Zavo Monitor Client Running Log **********************"));
        QVERIFY(listLines.at(2).startsWith(QLatin1String("*                               StartTime: ") + strDate + QLatin1Char(' ')));
        QCOMPARE(listLines.at(3), QString(78, QLatin1Char('*')));
        const QRegularExpression reLine(
            QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] \\[Info    \\] CDDCUtil::CDDCUtil\\(\\): "
                           "DDC插件加载失败:%1,%2$")
                .arg(QRegularExpression::escape(copy.Dir() + QStringLiteral("/plugins/Monitor.dll")),
                     QRegularExpression::escape(error)));
        QVERIFY2(reLine.match(listLines.at(4)).hasMatch(), qPrintable(listLines.at(4)));
        // Reading the language made no settings file.
        QCOMPARE(QFile::exists(copy.Dir() + QStringLiteral("/SystemConfig.ini")), !settings.isNull());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
