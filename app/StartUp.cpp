#include "app/StartUp.h"

#include "app/ConfigSettings.h"
#include "app/QSingleApplication.h"
#include "ddc/DDCUtil.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/MainWindow.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTranslator>

#include <memory>

QStringList GetTranslationFiles(int nLanguageType)
{
    if (nLanguageType == 1)
        return {QStringLiteral(":/Lang/Translation/Language_en_US.qm")};
    return {QStringLiteral(":/Lang/Translation/Language_zh_CN.qm"),
            QStringLiteral(":/Lang/Translation/qtbase_zh_CN.qm")};
}

void InstallTranslators(QApplication& app)
{
    const int nLanguageType = GetConfigInt(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), 0);
    for (const QString& strFile : GetTranslationFiles(nLanguageType)) {
        auto* pTranslator = new QTranslator(&app);
        if (pTranslator->load(strFile))
            QApplication::installTranslator(pTranslator);
        else
            delete pTranslator;
    }
}

namespace
{
QString ConcatenateStyleSheets(const QString& strFolder, const QStringList& listNames)
{
    QString strStyle;
    for (const QString& strName : listNames) {
        if (!strName.endsWith(QLatin1String(".qss")))
            continue;
        QFile file(strFolder + QLatin1Char('/') + strName);
        if (file.open(QIODevice::ReadOnly))
            strStyle += QString::fromUtf8(file.readAll());
    }
    return strStyle;
}

QStringList ListFiles(const QString& strFolder)
{
    return QDir(strFolder).entryList(QDir::Files, QDir::Unsorted);
}
}

QString ReadStyleSheets(const QString& strFolder)
{
    return ConcatenateStyleSheets(strFolder, ListFiles(strFolder));
}

void LoadStyleSheets(QApplication& app, const QString& strFolder)
{
    const QStringList listNames = ListFiles(strFolder);
    if (listNames.isEmpty())
        return;
    app.setStyleSheet(ConcatenateStyleSheets(strFolder, listNames));
    // The windows' font from the sheets becomes the application's, which every widget starts with.
    QDialog window;
    window.ensurePolished();
    QApplication::setFont(window.font());
}

int RunClient(int argc, char* argv[])
{
    // Nothing here draws with OpenGL: plain raster windows keep the GL stack from being loaded.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    auto pApp = std::make_unique<QSingleApplication>(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Image/Resource/favicon.ico")));
    QApplication::setQuitOnLastWindowClosed(false);
    if (pApp->isRunning())
        return 0;

    InstallTranslators(*pApp);
    LoadStyleSheets(*pApp);

    CDDCUtil::GetInstance()->Init();

    auto pMainWindow = std::make_unique<MainWindow>(nullptr);
    pMainWindow->show();
    CtrlWidgetMana::GetInstance()->InitConnect();

    const int nResult = QApplication::exec();
    pMainWindow.reset();
    pApp.reset();
    return nResult;
}
