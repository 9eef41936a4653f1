#include "tests/support/ClientProcess.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/TopTitleBarWidget.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::ReadAll;

namespace
{
const QString MANUAL = QString::fromUtf8(ZAVO_MANUAL_PDF);
}

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CTopTitleBarWidget::SetOpenUrlHandler(nullptr);
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        QDir(QCoreApplication::applicationDirPath() + "/doc").removeRecursively();
    }

    // A whole PDF with its pages, every picture of the source, Chinese in the CJK face; the build
    // tree's client finds it.
    void builtManual()
    {
        const QByteArray baPdf = ReadAll(MANUAL);
        QVERIFY2(baPdf.startsWith("%PDF-1.") && baPdf.trimmed().endsWith("%%EOF"), qPrintable(MANUAL));
        const QString strPdf = QString::fromLatin1(baPdf.constData(), baPdf.size());
        const int nPages = QRegularExpression("/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)", QRegularExpression::DotMatchesEverythingOption)
                               .match(strPdf).captured(1).toInt();
        QVERIFY2(nPages >= 8 && strPdf.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")) == nPages, qPrintable(QString::number(nPages)));
        QVERIFY(baPdf.contains("/BaseFont /NotoSansCJKsc-Regular"));
        const QString strSource = QString::fromUtf8(ReadAll(QString::fromUtf8(ZAVO_MANUAL_SOURCE)));
        QVERIFY(strSource.count("![") >= 8 && baPdf.count("/Subtype /Image") >= strSource.count("!["));
        const QString strGuide = CTopTitleBarWidget::OperationGuidePath(QFileInfo(QString::fromUtf8(ZAVO_CLIENT_PATH)).absolutePath());
        QCOMPARE(QFileInfo(strGuide).canonicalFilePath(), QFileInfo(MANUAL).canonicalFilePath());
    }

    // The settings button opens the guide beside the executable, and says so when no viewer takes
    // it (tst_mainwindow: when it is missing).
    void settingsButtonOpensTheManual()
    {
        const QString strGuide = QCoreApplication::applicationDirPath() + QStringLiteral("/doc/用户手册.pdf");
        QVERIFY(QDir().mkpath(QFileInfo(strGuide).absolutePath()) && QFile::copy(MANUAL, strGuide));
        for (const bool bOpens : {true, false}) {
            QList<QUrl> listOpened;
            CTopTitleBarWidget::SetOpenUrlHandler([&listOpened, bOpens](const QUrl& url) {
                listOpened.append(url);
                return bOpens;
            });
            CTopTitleBarWidget bar;
            const int nShown = CMessageBox::ShownCount();
            CMessageBox::SetNextAnswer(QMessageBox::Ok);
            bar.findChild<QPushButton*>("btnSetting")->click();
            QCOMPARE(listOpened, QList<QUrl>{QUrl::fromLocalFile(strGuide)});
            QCOMPARE(CMessageBox::ShownCount(), nShown + (bOpens ? 0 : 1));
            QVERIFY(bOpens || CMessageBox::LastText() == "Open operation guide file fail!");
        }
    }

    // Everything the client reads relative to its own folder sits beside it (the package test
    // checks the menu entry and icons where the .deb puts them).
    void installLaysOutASelfContainedClient()
    {
        QTemporaryDir dir;
        const QString strPrefix = dir.filePath("my zavo");
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QString::fromUtf8(ZAVO_CMAKE_COMMAND), {"--install", QString::fromUtf8(ZAVO_BUILD_DIR), "--prefix", strPrefix});
        QVERIFY2(install.waitForFinished(120000) && install.exitCode() == 0, install.readAll().constData());
        const QFileInfo client(strPrefix + "/ZavoClient");
        const QString strGuide = CTopTitleBarWidget::OperationGuidePath(client.absolutePath());
        QVERIFY(client.isFile() && client.isExecutable() && strGuide.endsWith(QStringLiteral("/doc/用户手册.pdf")));
        QCOMPARE(ReadAll(strGuide), ReadAll(MANUAL));
#ifdef ZAVO_DDCCI_PLUGIN
        // The real plug-in, not the simulated monitor the build tree runs with.
        QCOMPARE(ReadAll(strPrefix + "/plugins/Monitor.dll"), ReadAll(QString::fromUtf8(ZAVO_DDCCI_PLUGIN)));
#endif
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
