#pragma once

#include "ui/frame/FramelessWidget.h"

#include <QSystemTrayIcon>

#include <functional>
#include <memory>

namespace Ui
{
class MainWindow;
}
class CAboutThisMachineWidget;
class CAutoColorCalibrateWidget;
class CProfessionalGameWidget;
class CProfessionalGraphicsWidget;
class CStandardModeWidget;
class CSystemSettingWidget;
class QAction;
class QMenu;
class QScreen;
class QTimer;

// The one top-level window: the title bar, the left menu, the stack of settings pages and the
// tray icon. It asks before quitting, hides to the tray when closed otherwise, disables the pages
// while no supported monitor is present and turns a monitor change into the process-wide notice.
class MainWindow : public CFramelessWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Whether closing can hide the window to a tray it can come back from; tests replace it.
    using TrayCheck = std::function<bool()>;
    static void SetTrayAvailableCheck(TrayCheck fnCheck);

public slots:
    void Slot_TrayIconActived(QSystemTrayIcon::ActivationReason reason);
    void Slot_SubWidgetChanged();
    void Slot_CurrScreenChanged(QScreen* pScreen);
    void Slot_PrimaryScreenChanged(QScreen* pScreen);
    void Slot_OnScreenAdded(QScreen* pScreen);
    void Slot_OnScreenRemoved(QScreen* pSscreen);
    void Slot_DeviceTypeChanged(int nIndex);
    void Slot_Minimum();
    void Slot_About();
    void Slot_Quit();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    void InitTrayIcon();
    void InitSubWidgets();
    void CheckMonitorDevice();
    // A display was added, removed or changed: re-detect and re-centre once it has settled.
    void OnDisplayChanged();
    void WatchScreen(QScreen* pScreen);
    bool ConfirmQuit();

    std::unique_ptr<Ui::MainWindow> ui;
    QSystemTrayIcon* m_pTrayIcon = nullptr;
    QMenu* m_pTrayMenu = nullptr;
    QAction* m_pActionAbout = nullptr;
    QAction* m_pActionQuit = nullptr;
    CStandardModeWidget* m_pStandardModeWidget = nullptr;
    CProfessionalGraphicsWidget* m_pProfessionalGraphicsWidget = nullptr;
    CProfessionalGameWidget* m_pProfessionalGameWidget = nullptr;
    CSystemSettingWidget* m_pSystemSettingWidget = nullptr;
    CAutoColorCalibrateWidget* m_pAutoColorCalibrateWidget = nullptr;
    CAboutThisMachineWidget* m_pAboutThisMachineWidget = nullptr;
    QTimer* m_pRecentreTimer = nullptr;
    bool m_bNoMonitorTipShown = false;
};
