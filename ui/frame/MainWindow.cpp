#include "ui/frame/MainWindow.h"

#include "ui_MainWindow.h"

#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "ui/frame/AboutDlg.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/AutoColorCalibrateWidget.h"
#include "ui/pages/LoadGate.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtDebug>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{
const double WINDOW_RATIO = 0.65;
const int MONITOR_CHECK_DELAY_MS = 1000;
const int RECENTRE_DELAY_MS = 1500;

MainWindow::TrayCheck& TrayAvailable()
{
    static MainWindow::TrayCheck s_fnCheck = &QSystemTrayIcon::isSystemTrayAvailable;
    return s_fnCheck;
}
}

MainWindow::MainWindow(QWidget* parent)
    : CFramelessWidget(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    setWindowTitle(tr("ZAVO Client"));
    setTitleBar(ui->widgetTopBar);
    setResizeEnable(false);
    ResizeToScreenRatio(this, WINDOW_RATIO, WINDOW_RATIO);

    InitTrayIcon();
    InitSubWidgets();
    ui->btnColorCalibration->setVisible(
        GetConfigInt(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), 0) == 1);

    m_pRecentreTimer = new QTimer(this);
    m_pRecentreTimer->setSingleShot(true);
    m_pRecentreTimer->setInterval(RECENTRE_DELAY_MS);
    connect(m_pRecentreTimer, &QTimer::timeout, this, [this] { ResizeToScreenRatio(this, WINDOW_RATIO, WINDOW_RATIO); });

    auto* pGuiApp = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    connect(pGuiApp, &QGuiApplication::primaryScreenChanged, this, &MainWindow::Slot_PrimaryScreenChanged);
    if (QWindow* pWindow = windowHandle())
        connect(pWindow, &QWindow::screenChanged, this, &MainWindow::Slot_CurrScreenChanged);
    connect(pGuiApp, &QGuiApplication::screenAdded, this, &MainWindow::Slot_OnScreenAdded);
    connect(pGuiApp, &QGuiApplication::screenRemoved, this, &MainWindow::Slot_OnScreenRemoved);
    connect(ui->widgetTopBar, &CTopTitleBarWidget::Sig_MinimumClicked, this, &MainWindow::Slot_Minimum);
    connect(ui->widgetTopBar, &CTopTitleBarWidget::Sig_CloseClicked, this, &MainWindow::Slot_Quit);
    connect(ui->widgetTopBar, &CTopTitleBarWidget::Sig_MonitorChanged, this, &MainWindow::Slot_DeviceTypeChanged);
    connect(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished, this, &MainWindow::CheckMonitorDevice);
#ifndef Q_OS_WIN
    // Windows announces display changes with WM_DISPLAYCHANGE; elsewhere the screens tell.
    connect(pGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* pScreen) {
        WatchScreen(pScreen);
        OnDisplayChanged();
    });
    connect(pGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen*) { OnDisplayChanged(); });
    for (QScreen* pScreen : QGuiApplication::screens())
        WatchScreen(pScreen);
#endif

    QTimer::singleShot(MONITOR_CHECK_DELAY_MS, this, &MainWindow::CheckMonitorDevice);
}

MainWindow::~MainWindow() = default;

void MainWindow::SetTrayAvailableCheck(TrayCheck fnCheck)
{
    TrayAvailable() = fnCheck ? std::move(fnCheck) : TrayCheck(&QSystemTrayIcon::isSystemTrayAvailable);
}

void MainWindow::InitTrayIcon()
{
    m_pTrayIcon = new QSystemTrayIcon(this);
    m_pTrayMenu = new QMenu(this);
    m_pActionAbout = m_pTrayMenu->addAction(QIcon(QStringLiteral(":/Image/Resource/SystemTray/about.png")), tr("About"));
    m_pTrayMenu->addSeparator();
    m_pActionQuit = m_pTrayMenu->addAction(QIcon(QStringLiteral(":/Image/Resource/SystemTray/quit.png")), tr("Quit"));
    m_pTrayIcon->setContextMenu(m_pTrayMenu);
    // Start-up gives the application this same icon; sharing it spares decoding the file twice.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/Image/Resource/favicon.ico"));
    m_pTrayIcon->setIcon(icon);
    m_pTrayIcon->setVisible(true);

    connect(m_pTrayIcon, &QSystemTrayIcon::activated, this, &MainWindow::Slot_TrayIconActived);
    connect(m_pActionAbout, &QAction::triggered, this, &MainWindow::Slot_About);
    connect(m_pActionQuit, &QAction::triggered, this, &MainWindow::Slot_Quit);
}

void MainWindow::InitSubWidgets()
{
    // Built in the stack itself: moving a built page there would restyle all its controls again.
    m_pStandardModeWidget = new CStandardModeWidget(ui->stackedWidget);
    m_pProfessionalGraphicsWidget = new CProfessionalGraphicsWidget(ui->stackedWidget);
    m_pProfessionalGameWidget = new CProfessionalGameWidget(ui->stackedWidget);
    m_pSystemSettingWidget = new CSystemSettingWidget(ui->stackedWidget);
    m_pAutoColorCalibrateWidget = new CAutoColorCalibrateWidget(ui->stackedWidget);
    m_pAboutThisMachineWidget = new CAboutThisMachineWidget(ui->stackedWidget);
    ui->stackedWidget->addWidget(m_pStandardModeWidget);
    ui->stackedWidget->addWidget(m_pProfessionalGraphicsWidget);
    ui->stackedWidget->addWidget(m_pProfessionalGameWidget);
    ui->stackedWidget->addWidget(m_pSystemSettingWidget);
    ui->stackedWidget->addWidget(m_pAutoColorCalibrateWidget);
    ui->stackedWidget->addWidget(m_pAboutThisMachineWidget);

    for (QPushButton* pButton : {ui->btnStandardMode, ui->btnProfessionalGraphics, ui->btnProfessionalGame,
                                 ui->btnSystemSetting, ui->btnColorCalibration, ui->btnAboutThisMachine})
        connect(pButton, &QPushButton::clicked, this, &MainWindow::Slot_SubWidgetChanged);
}

void MainWindow::CheckMonitorDevice()
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    const bool bHasMonitor = !listMonitors.isEmpty();
    ui->stackedWidget->setEnabled(bHasMonitor);
    ui->widgetLeftMenuBar->setEnabled(bHasMonitor);
    // A detection that finishes while the box is open must not stack a second one.
    if (bHasMonitor || m_bNoMonitorTipShown)
        return;
    m_bNoMonitorTipShown = true;
    // A re-detection that found nothing waits here; no page starts a load behind the box.
    const CLoadGate::CHold hold;
    QPointer<MainWindow> pGuard(this);
    CMessageBox::Warning(this, tr("Kind Tips"), tr("No monitor device supported by the application was found!"));
    if (pGuard)
        m_bNoMonitorTipShown = false;
}

void MainWindow::Slot_TrayIconActived(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    showNormal();
    activateWindow();
}

void MainWindow::Slot_SubWidgetChanged()
{
    CDDCUtil::GetInstance()->Reset();
    const QObject* pSender = sender();
    const QPushButton* arrButtons[] = {ui->btnStandardMode, ui->btnProfessionalGraphics, ui->btnProfessionalGame,
                                       ui->btnSystemSetting, ui->btnColorCalibration, ui->btnAboutThisMachine};
    for (int i = 0; i < 6; ++i) {
        if (pSender == arrButtons[i]) {
            ui->stackedWidget->setCurrentIndex(i);
            return;
        }
    }
}

void MainWindow::Slot_CurrScreenChanged(QScreen* pScreen)
{
    Q_UNUSED(pScreen)
    qDebug() << "=== CurrScreenChanged ===";
}

void MainWindow::Slot_PrimaryScreenChanged(QScreen* pScreen)
{
    Q_UNUSED(pScreen)
    qDebug() << "=== PrimaryScreenChanged ===";
}

void MainWindow::Slot_OnScreenAdded(QScreen* pScreen)
{
    qDebug() << "=== ScreenAdded ===" << (pScreen ? pScreen->name() : QString());
}

void MainWindow::Slot_OnScreenRemoved(QScreen* pSscreen)
{
    qDebug() << "=== ScreenRemoved ===" << (pSscreen ? pSscreen->name() : QString());
}

void MainWindow::WatchScreen(QScreen* pScreen)
{
    if (pScreen)
        connect(pScreen, &QScreen::geometryChanged, this, &MainWindow::OnDisplayChanged, Qt::UniqueConnection);
}

void MainWindow::OnDisplayChanged()
{
    m_pRecentreTimer->start();
    ui->widgetTopBar->ScheduleRedetect();
}

void MainWindow::Slot_DeviceTypeChanged(int nIndex)
{
    Q_UNUSED(nIndex)
    CheckMonitorDevice();
    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(ui->stackedWidget->currentIndex());
}

void MainWindow::Slot_Minimum()
{
    showMinimized();
}

void MainWindow::Slot_About()
{
    CAboutDlg dlg(nullptr);
    dlg.exec();
}

bool MainWindow::ConfirmQuit()
{
    return CMessageBox::Question(this, tr("Kind Tips"), tr("Confirm to quit the application?")) == QMessageBox::Yes;
}

void MainWindow::Slot_Quit()
{
    if (!ConfirmQuit())
        return;
    m_pTrayIcon->hide();
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_pTrayIcon->isVisible()) {
        event->accept();
        return;
    }
    if (TrayAvailable()()) {
        hide();
        event->ignore();
        return;
    }
    // Without a system tray a hidden window could never come back: closing means quitting.
    if (!ConfirmQuit()) {
        event->ignore();
        return;
    }
    m_pTrayIcon->hide();
    event->accept();
    QCoreApplication::quit();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG" && static_cast<const MSG*>(message)->message == WM_DISPLAYCHANGE)
        OnDisplayChanged();
#endif
    return CFramelessWidget::nativeEvent(eventType, message, result);
}
