#include "app/StartUp.h"
#include "tests/support/ClientProcess.h"
#include "ui/pages/SystemSettingWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace
{
const QString EN_FILE = QStringLiteral(":/Lang/Translation/Language_en_US.qm");
const QString ZH_FILES = QStringLiteral(":/Lang/Translation/Language_zh_CN.qm :/Lang/Translation/qtbase_zh_CN.qm");

QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + "/SystemConfig.ini";
}

// Each file gets a time stamp of its own: QSettings takes an unchanged size and time (a rewrite
// within the file system's clock tick) for an unchanged file and reuses what it read.
void WriteFile(const QString& strPath, const QByteArray& baContent)
{
    static int s_nWrites = 0;
    QFile file(strPath);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(baContent) == baContent.size(), qPrintable(strPath));
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++s_nWrites), QFileDevice::FileModificationTime));
}

QStringList s_listStyleWarnings;
QtMessageHandler s_previousHandler = nullptr;
void CatchStyleWarnings(QtMsgType type, const QMessageLogContext& context, const QString& strMsg)
{
    if (type == QtWarningMsg && strMsg.contains("style sheet", Qt::CaseInsensitive))
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
        for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(pTranslator);
            delete pTranslator;
        }
        qApp->setStyleSheet(QString());
    }

    // The stored language picks the translators; anything but 1 is Chinese. Reading makes no file.
    // Qt's texts and the pages' follow.
    void installTranslators_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("texts");
        const QStringList listChinese{QStringLiteral("确定"), QStringLiteral("显示器恢复出厂设置"), QStringLiteral("OSD语言")};
        QTest::newRow("no settings file") << QByteArray() << ZH_FILES << listChinese;
        QTest::newRow("English") << QByteArray("1") << EN_FILE << QStringList{"OK", "Monitor Factory Reset", "OSD Language"};
        QTest::newRow("2") << QByteArray("2") << ZH_FILES << listChinese;
        QTest::newRow("1 plus 2^32") << QByteArray("4294967297") << ZH_FILES << listChinese;
    }
    void installTranslators()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        QFETCH(QStringList, texts);
        if (!stored.isNull())
            WriteFile(ConfigPath(), "[LANGUAGE]\nLANGUAGE_TYPE=" + stored + "\n");
        InstallTranslators(*qApp);
        QStringList listLoaded;
        for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly))
            listLoaded.append(pTranslator->filePath());
        QCOMPARE(listLoaded.join(' '), expected);
        QStringList listShown{QCoreApplication::translate("QPlatformTheme", "OK")};
        const CSystemSettingWidget page;
        for (const QLabel* pLabel : page.findChildren<QLabel*>())
            listShown << pLabel->text();
        for (const QAbstractButton* pButton : page.findChildren<QAbstractButton*>())
            listShown << pButton->text();
        for (const QString& strText : qAsConst(texts))
            QVERIFY2(listShown.contains(strText), qPrintable(strText));
        QCOMPARE(QFile::exists(ConfigPath()), !stored.isNull());
    }

    // *.qss files only, in the folder's listing order; a folder without any clears the style
    // sheet, an empty one keeps it.
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
    }

    // The built-in style sheets all load and Qt can parse them.
    void compiledInStyleSheetsApplyCleanly()
    {
        LoadStyleSheets(*qApp);
        QFile common(STYLE_SHEET_FOLDER + "/Common.qss");
        QVERIFY(common.open(QIODevice::ReadOnly));
        QVERIFY(qApp->styleSheet().contains(QString::fromUtf8(common.readAll())));
        QCOMPARE(qApp->styleSheet(), ReadStyleSheets(STYLE_SHEET_FOLDER));
        s_listStyleWarnings.clear();
        s_previousHandler = qInstallMessageHandler(CatchStyleWarnings);
        QWidget().ensurePolished();
        qInstallMessageHandler(s_previousHandler);
        QVERIFY2(s_listStyleWarnings.isEmpty(), qPrintable(s_listStyleWarnings.join('\n')));
    }

    // The real client without its plug-in: banner, the loader's error in the language installed
    // before loading, exit code 0, no settings file made.
    void missingPluginLogsAndExitsWithZero_data()
    {
        QTranslator qtChinese;
        QVERIFY(qtChinese.load(ZH_FILES.section(' ', 1)));
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
        const QString strToday = QDate::currentDate().toString("yyyy-MM-dd");
        TestSupport::CClientCopy copy(false);
        QVERIFY(copy.IsValid());
        if (!settings.isNull())
            WriteFile(copy.Dir() + "/SystemConfig.ini", settings);
        QTemporaryDir runtimeDir;
        TestSupport::CClientRun run(copy, TestSupport::ClientEnvironment(runtimeDir.path() + "/xdg", QString()));
        QVERIFY2(run.FinishedWithZero(60000), qPrintable(run.Output()));
        if (QDate::currentDate().toString("yyyy-MM-dd") != strToday)
            QSKIP("the day changed during the test");

        QVERIFY(QFile::exists(copy.Dir() + "/logs/Log_" + strToday + ".txt"));
        const QStringList listLines = copy.LogLines();
        QCOMPARE(listLines.size(), 5);
        QCOMPARE(listLines.at(1), QStringLiteral("********************* Zavo Monitor Client Running Log **********************"));
        const QRegularExpression reLine(QStringLiteral("^\\[%1 \\d\\d:\\d\\d:\\d\\d\\] \\[Info    \\] CDDCUtil::CDDCUtil\\(\\): "
                                                       "DDC插件加载失败:%2,%3$")
                                            .arg(strToday, QRegularExpression::escape(copy.Dir() + "/plugins/Monitor.dll"),
                                                 QRegularExpression::escape(error)));
        QVERIFY2(reLine.match(listLines.at(4)).hasMatch(), qPrintable(listLines.at(4)));
        QCOMPARE(QFile::exists(copy.Dir() + "/SystemConfig.ini"), !settings.isNull());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
