// Grabs the client's window on the offscreen platform, one picture per page and language.
//
// usage: ZavoScreenshots <outdir> [--lang 0|1] [--size WxH] [--calibration] [--dialogs]
//   --lang         0 Simplified Chinese, 1 English; without it both, each in a process of its own
//   --size         window size, default 1248x702 (65 % of a 1920x1080 screen)
//   --calibration  show the colour-calibration menu button, as SystemConfig.ini can
//   --dialogs      also grab the About dialog, the tray menu and the wait dialog
// Writes <outdir>/window_<lang>.png and <outdir>/<page>_<lang>.png with <lang> zh or en.

#include "app/ConfigSettings.h"
#include "app/StartUp.h"
#include "ddc/DDCUtil.h"
#include "ui/frame/AboutDlg.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WaitDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace
{
struct Page
{
    const char* szName;
    const char* szButton;
};
const Page PAGES[] = {{"standard", "btnStandardMode"},       {"graphics", "btnProfessionalGraphics"},
                      {"game", "btnProfessionalGame"},        {"system", "btnSystemSetting"},
                      {"calibration", "btnColorCalibration"}, {"machine", "btnAboutThisMachine"}};

QTextStream& Err()
{
    static QTextStream s_err(stderr);
    return s_err;
}

bool Busy()
{
    if (QApplication::activeModalWidget())
        return true;
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CWaitDlg*>(pWidget) && pWidget->isVisible())
            return true;
    }
    return false;
}

// Runs the event loop until no load has been running for nQuietMs (or nTimeoutMs passed).
// A message box is answered, since nobody is there to read it.
void Settle(int nQuietMs, int nTimeoutMs = 60000)
{
    QEventLoop loop;
    QElapsedTimer total;
    QElapsedTimer quiet;
    total.start();
    quiet.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Err() << "message box: " << pBox->text() << "\n";
            Err().flush();
            pBox->done(QMessageBox::Ok);
        }
        if (Busy())
            quiet.restart();
        if (quiet.elapsed() >= nQuietMs || total.elapsed() >= nTimeoutMs) {
            if (total.elapsed() >= nTimeoutMs)
                Err() << "still busy after " << nTimeoutMs << " ms, grabbing anyway\n";
            poll.stop();
            loop.quit();
        }
    });
    poll.start(50);
    loop.exec();
}

bool Save(QWidget* pWidget, const QString& strPath)
{
    if (!pWidget->grab().save(strPath)) {
        Err() << "cannot write " << strPath << "\n";
        return false;
    }
    Err() << strPath << "\n";
    Err().flush();
    return true;
}

int RunLanguage(QApplication& app, const QString& strOutDir, int nLang, const QSize& size, bool bCalibration,
                bool bDialogs)
{
    const QString strLang = nLang == 1 ? QStringLiteral("en") : QStringLiteral("zh");
    SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), nLang);
    SetConfigValue(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), bCalibration ? 1 : 0);
    InstallTranslators(app);
    LoadStyleSheets(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Image/Resource/favicon.ico")));

    CDDCUtil::GetInstance()->Init();
    MainWindow window;
    window.show();
    CtrlWidgetMana::GetInstance()->InitConnect();
    window.resize(size);
    // The first page loads on its own a moment after start.
    Settle(1500);

    bool bOk = Save(&window, QStringLiteral("%1/window_%2.png").arg(strOutDir, strLang));
    auto* pStack = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    for (int i = 0; i < 6; ++i) {
        auto* pButton = window.findChild<QPushButton*>(QLatin1String(PAGES[i].szButton));
        if (pButton)
            pButton->click();
        if (!pStack || pStack->currentIndex() != i) {
            Err() << "page " << PAGES[i].szName << " did not come up\n";
            bOk = false;
            continue;
        }
        Settle(700);
        bOk = Save(&window, QStringLiteral("%1/%2_%3.png").arg(strOutDir, QLatin1String(PAGES[i].szName), strLang))
            && bOk;
    }

    if (bDialogs) {
        CAboutDlg about(nullptr);
        about.show();
        Settle(200);
        bOk = Save(&about, QStringLiteral("%1/aboutdlg_%2.png").arg(strOutDir, strLang)) && bOk;
        about.close();

        if (auto* pMenu = window.findChild<QMenu*>()) {
            pMenu->ensurePolished();
            pMenu->adjustSize();
            bOk = Save(pMenu, QStringLiteral("%1/traymenu_%2.png").arg(strOutDir, strLang)) && bOk;
        }

        CWaitDlg wait(&window);
        // The standard page's first waiting text, in the language installed above.
        wait.SetText(QCoreApplication::translate("CStandardModeWidget", "Load Fast Set Data..."));
        wait.show();
        QEventLoop loop;
        QTimer::singleShot(1200, &loop, &QEventLoop::quit);
        loop.exec();
        bOk = Save(&wait, QStringLiteral("%1/waitdlg_%2.png").arg(strOutDir, strLang)) && bOk;
        wait.close();
    }
    return bOk ? 0 : 1;
}
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList listArgs = QApplication::arguments();
    listArgs.removeFirst();
    QString strOutDir;
    int nLang = -1;
    QSize size(1248, 702);
    bool bCalibration = false;
    bool bDialogs = false;
    for (int i = 0; i < listArgs.size(); ++i) {
        const QString& strArg = listArgs.at(i);
        if (strArg == QLatin1String("--lang") && i + 1 < listArgs.size()) {
            nLang = listArgs.at(++i).toInt() == 1 ? 1 : 0;
        } else if (strArg == QLatin1String("--size") && i + 1 < listArgs.size()) {
            const QStringList listSize = listArgs.at(++i).split(QLatin1Char('x'));
            if (listSize.size() == 2)
                size = QSize(listSize.at(0).toInt(), listSize.at(1).toInt());
        } else if (strArg == QLatin1String("--calibration")) {
            bCalibration = true;
        } else if (strArg == QLatin1String("--dialogs")) {
            bDialogs = true;
        } else if (!strArg.startsWith(QLatin1String("--")) && strOutDir.isEmpty()) {
            strOutDir = strArg;
        } else {
            strOutDir.clear();
            break;
        }
    }
    if (strOutDir.isEmpty() || size.isEmpty()) {
        Err() << "usage: ZavoScreenshots <outdir> [--lang 0|1] [--size WxH] [--calibration] [--dialogs]\n";
        return 2;
    }
    strOutDir = QDir(strOutDir).absolutePath();
    if (!QDir().mkpath(strOutDir)) {
        Err() << "cannot create " << strOutDir << "\n";
        return 1;
    }

    if (nLang >= 0)
        return RunLanguage(app, strOutDir, nLang, size, bCalibration, bDialogs);

    // Translations and the title bar's language choice are fixed at start-up: one process each.
    int nResult = 0;
    for (int nEach : {0, 1}) {
        QStringList listChildArgs = listArgs;
        listChildArgs << QStringLiteral("--lang") << QString::number(nEach);
        if (QProcess::execute(QApplication::applicationFilePath(), listChildArgs) != 0)
            nResult = 1;
    }
    return nResult;
}
