#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CProfessionalGameWidget;
}
class QPushButton;

// The game-mode bar, the picture sliders a gamer tunes and the game features.
class CProfessionalGameWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CProfessionalGameWidget(QWidget* parent = nullptr);
    ~CProfessionalGameWidget() override;

protected:
    void LoadAll() override;

private slots:
    void Slot_StandardClicked();
    void Slot_G1Clicked();
    void Slot_G2Clicked();
    void Slot_G3Clicked();
    void Slot_ShootingClicked();
    void Slot_RacingClicked();
    void Slot_StrategyClicked();
    void Slot_XBoxPSClicked();
    void Slot_Custom1Clicked();
    void Slot_Custom2Clicked();
    void Slot_BrightnessChanged(int nValue);
    void Slot_SaturationChanged(int nValue);
    void Slot_HueChanged(int nValue);
    void Slot_ContrastChanged(int nValue);
    void Slot_SharpnessChanged(int nValue);
    void Slot_DarkEnhancementChanged(int nValue);
    void Slot_OverDriveChanged(int nIndex);
    void Slot_AdaptiveSyncChanged(int nIndex);
    void Slot_OwlChanged(int nIndex);
    void Slot_GammaChanged(int nIndex);
    void Slot_MPRTChanged(int nIndex);
    void Slot_ALLMChanged(int nIndex);
    void Slot_OneClickBattleChanged(int nIndex);
    void Slot_GamutModeChanged(int nIndex);
    void Slot_HawkeyeChanged(int nIndex);
    void Slot_DisplayRefreshRateChanged(int nIndex);
    void Slot_DynamicResponseTimeChanged(int nIndex);
    void Slot_VRRProjectionChanged(int nIndex);
    void Slot_RefreshGameSet();

private:
    struct GraphicsSetValues
    {
        qint32 nGameMode;
        qint32 nBrightness;
        qint32 nSaturation;
        qint32 nHue;
        qint32 nContrast;
        qint32 nSharpness;
        qint32 nDarkEnhancement;
    };

    struct GameSetValues
    {
        qint32 nOverDrive;
        qint32 nMPRT;
        qint32 nHawkeye;
        qint32 nAdaptiveSync;
        qint32 nALLM;
        qint32 nDisplayRefreshRate;
        qint32 nOwl;
        qint32 nOneClickBattle;
        qint32 nDynamicResponseTime;
        qint32 nGamma;
        qint32 nGamutMode;
        qint32 nVRRProjection;
    };

    void ConnectControls();
    void ConnectGlobalSignals();
    void RegisterSharedControls();

    void LoadGameData();
    void FillGraphicsSet(const GraphicsSetValues& values);
    void FillGameSet(const GameSetValues& values);

    // The shown button of a game-mode value 1..6, null for any other value.
    QPushButton* ModeButton(int nGameMode) const;
    // Presets that reset the plug-in before writing and take effect at once.
    void WriteResetPreset(QPushButton* pButton, int nGameMode);
    // Presets the monitor needs time to apply: write, announce, wait, then reset the plug-in.
    void WriteSlowPreset(QPushButton* pButton, int nGameMode);
    // Hub listeners of the two presets: show them on the bar without writing.
    void FollowOfficeMode(int nValue);
    void FollowGameMode(int nValue);

    std::unique_ptr<Ui::CProfessionalGameWidget> ui;
};
