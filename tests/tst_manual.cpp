#include "ui/frame/MessageBox.h"
#include "ui/frame/TopTitleBarWidget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

namespace
{
QString BuiltManual()
{
    return QString::fromUtf8(ZAVO_MANUAL_PDF);
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page count as the page tree states it, or -1 when the tree and the page objects disagree.
int PdfPageCount(const QByteArray& baPdf)
{
    // All bytes: the one-argument conversion would stop at the first NUL of a binary stream.
    const QString strPdf = QString::fromLatin1(baPdf.constData(), baPdf.size());
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)"),
                                                             QRegularExpression::DotMatchesEverythingOption)
                                              .match(strPdf);
    if (!count.hasMatch())
        return -1;
    const int nObjects = strPdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)")));
    const int nCount = count.captured(1).toInt();
    return nObjects == nCount ? nCount : -1;
}

int RunManualTool(const QString& strSource, const QString& strOutput)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromUtf8(ZAVO_MANUAL_TOOL), {strSource, strOutput});
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool WriteText(const QString& strPath, const QString& strText)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(strText.toUtf8()) >= 0;
}

// The command of a desktop entry's Exec value, undone as a launcher does: string escapes
// first, then the quoting of the argument, then the doubled %.
QString ExecCommand(QString strValue)
{
    strValue.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (strValue.startsWith(QLatin1Char('"')) && strValue.endsWith(QLatin1Char('"'))) {
        strValue = strValue.mid(1, strValue.size() - 2);
        strValue.replace(QRegularExpression(QStringLiteral("\\\\([\"`$\\\\])")), QStringLiteral("\\1"));
    }
    return strValue.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QString DesktopValue(const QByteArray& baEntry, const QString& strKey)
{
    for (const QByteArray& baLine : baEntry.split('\n')) {
        const QString strLine = QString::fromUtf8(baLine);
        if (strLine.startsWith(strKey + QLatin1Char('=')))
            return strLine.mid(strKey.size() + 1);
    }
    return QString();
}
}

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CTopTitleBarWidget::SetOpenUrlHandler(nullptr);
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/doc")).removeRecursively();
    }

    void builtManualIsACompletePdf()
    {
        const QByteArray baPdf = ReadAll(BuiltManual());
        QVERIFY2(!baPdf.isEmpty(), qPrintable(BuiltManual()));
        QVERIFY(baPdf.startsWith("%PDF-1."));
        QVERIFY(baPdf.trimmed().endsWith("%%EOF"));
        QVERIFY2(PdfPageCount(baPdf) >= 8, qPrintable(QString::number(PdfPageCount(baPdf))));
        // Chinese in the CJK face: a fallback face would print other glyph forms or none.
        QVERIFY(baPdf.contains("/BaseFont /NotoSansCJKsc-Regular"));
        // Every picture of the source made it into the file (alpha masks add more).
        const QString strSource = QString::fromUtf8(ReadAll(QString::fromUtf8(ZAVO_MANUAL_SOURCE)));
        const int nPictures = strSource.count(QStringLiteral("!["));
        QVERIFY(nPictures >= 8);
        QVERIFY(baPdf.count("/Subtype /Image") >= nPictures);
        QVERIFY(baPdf.size() > 300 * 1024);
    }

    // The client of the build tree finds the manual where the build puts it.
    void buildTreeClientFindsTheManual()
    {
        const QString strClientDir = QFileInfo(QString::fromUtf8(ZAVO_CLIENT_FILE)).absolutePath();
        QCOMPARE(QFileInfo(CTopTitleBarWidget::OperationGuidePath(strClientDir)).absoluteFilePath(),
                 QFileInfo(BuiltManual()).absoluteFilePath());
        QVERIFY(QFile::exists(CTopTitleBarWidget::OperationGuidePath(strClientDir)));
    }

    // The manual names the pages as the Chinese interface does.
    void manualHasAChapterPerPage_data()
    {
        QTest::addColumn<QString>("strMenuText");
        QTest::newRow("standard") << QStringLiteral("Standard Mode");
        QTest::newRow("graphics") << QStringLiteral("Professional Graphics");
        QTest::newRow("game") << QStringLiteral("Professional Game");
        QTest::newRow("system") << QStringLiteral("System Settting");
        QTest::newRow("calibration") << QStringLiteral("Color Calibration");
        QTest::newRow("machine") << QStringLiteral("About This Machine");
    }
    void manualHasAChapterPerPage()
    {
        QFETCH(QString, strMenuText);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/Lang/Translation/Language_zh_CN.qm")));
        const QString strChinese = translator.translate("MainWindow", strMenuText.toUtf8().constData());
        QVERIFY(!strChinese.isEmpty());
        const QString strSource = QString::fromUtf8(ReadAll(QString::fromUtf8(ZAVO_MANUAL_SOURCE)));
        const QRegularExpression heading(QStringLiteral("^## \\d+ %1$").arg(QRegularExpression::escape(strChinese)),
                                         QRegularExpression::MultilineOption);
        QVERIFY2(heading.match(strSource).hasMatch(), qPrintable(strChinese));
    }

    void settingsButtonOpensTheManual_data()
    {
        QTest::addColumn<bool>("bPresent");
        QTest::addColumn<bool>("bOpens");
        QTest::addColumn<int>("nOpenCalls");
        QTest::addColumn<QString>("strBox");
        QTest::newRow("opens") << true << true << 1 << QString();
        QTest::newRow("no viewer") << true << false << 1 << QStringLiteral("Open operation guide file fail!");
        QTest::newRow("missing") << false << true << 0 << QStringLiteral("The operation guide file was not found!");
    }
    void settingsButtonOpensTheManual()
    {
        QFETCH(bool, bPresent);
        QFETCH(bool, bOpens);
        QFETCH(int, nOpenCalls);
        QFETCH(QString, strBox);

        const QString strGuide = QCoreApplication::applicationDirPath() + QStringLiteral("/doc/用户手册.pdf");
        if (bPresent) {
            QVERIFY(QDir().mkpath(QFileInfo(strGuide).absolutePath()));
            QVERIFY(QFile::copy(BuiltManual(), strGuide));
        }
        QList<QUrl> listOpened;
        CTopTitleBarWidget::SetOpenUrlHandler([&listOpened, bOpens](const QUrl& url) {
            listOpened.append(url);
            return bOpens;
        });

        CTopTitleBarWidget bar;
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        bar.findChild<QPushButton*>(QStringLiteral("btnSetting"))->click();

        QCOMPARE(listOpened.size(), nOpenCalls);
        if (nOpenCalls > 0)
            QCOMPARE(listOpened.first(), QUrl::fromLocalFile(strGuide));
        QCOMPARE(CMessageBox::ShownCount(), nShown + (strBox.isEmpty() ? 0 : 1));
        if (!strBox.isEmpty())
            QCOMPARE(CMessageBox::LastText(), strBox);
    }

    void toolRejectsAMissingPicture()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString strSource = dir.filePath(QStringLiteral("manual.md"));
        QVERIFY(WriteText(strSource, QStringLiteral("# 手册\n\n## 第一章\n\n![页面](nowhere.png)\n")));
        const QString strOutput = dir.filePath(QStringLiteral("out.pdf"));
        QVERIFY(RunManualTool(strSource, strOutput) != 0);
        // No half-written file that make would take as up to date.
        QVERIFY(!QFile::exists(strOutput));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).size() == 1);
    }

    // The cover, the contents and each chapter after a break take pages of their own.
    void toolBreaksPagesAtRules()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString strSource = dir.filePath(QStringLiteral("manual.md"));
        QVERIFY(WriteText(strSource, QStringLiteral("# 手册\n\n封面\n\n---\n\n## 目录\n\n[TOC]\n\n---\n\n"
                                                    "## 1 第一章\n\n正文。\n\n### 小节\n\n正文。\n\n---\n\n"
                                                    "## 2 第二章\n\n正文。\n")));
        const QString strOutput = dir.filePath(QStringLiteral("out.pdf"));
        QCOMPARE(RunManualTool(strSource, strOutput), 0);
        QCOMPARE(PdfPageCount(ReadAll(strOutput)), 4);
    }

    void installLaysOutASelfContainedClient_data()
    {
        QTest::addColumn<QString>("strFolder");
        QTest::newRow("plain") << QStringLiteral("zavo");
        QTest::newRow("reserved characters") << QStringLiteral("my zavo $HOME 100% \"q\" `x`");
    }
    void installLaysOutASelfContainedClient()
    {
        QFETCH(QString, strFolder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString strPrefix = dir.filePath(strFolder);

        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QString::fromUtf8(ZAVO_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QString::fromUtf8(ZAVO_BUILD_DIR), QStringLiteral("--prefix"),
                       strPrefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());

        // Everything the client reads relative to its own folder sits beside it.
        const QFileInfo client(strPrefix + QStringLiteral("/ZavoClient"));
        QVERIFY(client.isFile() && client.isExecutable());
        QCOMPARE(ReadAll(strPrefix + QStringLiteral("/doc/用户手册.pdf")), ReadAll(BuiltManual()));
        QCOMPARE(QFileInfo(CTopTitleBarWidget::OperationGuidePath(client.absolutePath())).size(),
                 QFileInfo(BuiltManual()).size());
#ifdef ZAVO_DDCCI_PLUGIN
        // The real plug-in, not the simulated monitor the build tree runs with.
        QCOMPARE(ReadAll(strPrefix + QStringLiteral("/plugins/Monitor.dll")),
                 ReadAll(QString::fromUtf8(ZAVO_DDCCI_PLUGIN)));

        const QByteArray baEntry = ReadAll(strPrefix + QStringLiteral("/share/applications/zavo-client.desktop"));
        QVERIFY(baEntry.startsWith("[Desktop Entry]\n"));
        QCOMPARE(ExecCommand(DesktopValue(baEntry, QStringLiteral("Exec"))), client.absoluteFilePath());
        QCOMPARE(DesktopValue(baEntry, QStringLiteral("TryExec")), client.absoluteFilePath());
        const QString strIcon = DesktopValue(baEntry, QStringLiteral("Icon"));
        QVERIFY(strIcon.startsWith(strPrefix + QStringLiteral("/share/icons/hicolor/")));
        QVERIFY(!QImage(strIcon).isNull());
#endif
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
