#pragma once

#include <QObject>

class QAbstractButton;
class QComboBox;
class QSlider;
class QWidget;

// Enforces the rules by which some features restrict others across pages: it holds the pages'
// controls (not owned) and sets their values and enabled states without blocking their
// signals, so the owning page's slot writes exactly as on a user change.
class CtrlWidgetMana : public QObject
{
    Q_OBJECT
public:
    struct StandardModeCtrls
    {
        QSlider* pBrightness = nullptr;
        QSlider* pContrast = nullptr;
        QSlider* pSharpness = nullptr;
        QSlider* pBlackHomogenizer = nullptr;
        QComboBox* pColorTemperature = nullptr;
        QSlider* pUMRed = nullptr;
        QSlider* pUMGreen = nullptr;
        QSlider* pUMBlue = nullptr;
        QComboBox* pLowBlueLight = nullptr;
        QAbstractButton* pEnableGameCross = nullptr;
        QComboBox* pMPRT = nullptr;
        QWidget* pOfficeMode = nullptr;
    };

    struct GraphicsCtrls
    {
        QComboBox* pScenarioMode = nullptr;
        QSlider* pHueRed = nullptr;
        QSlider* pHueGreen = nullptr;
        QSlider* pHueBlue = nullptr;
        QSlider* pHueYellow = nullptr;
        QSlider* pHueMagenta = nullptr;
        QSlider* pHueCyan = nullptr;
        QSlider* pSaturationRed = nullptr;
        QSlider* pSaturationGreen = nullptr;
        QSlider* pSaturationBlue = nullptr;
        QSlider* pSaturationYellow = nullptr;
        QSlider* pSaturationMagenta = nullptr;
        QSlider* pSaturationCyan = nullptr;
        QComboBox* pLowBlueLight = nullptr;
        QComboBox* pDynamicBacklight = nullptr;
        QComboBox* pGamma = nullptr;
        QComboBox* pRGBRange = nullptr;
        QComboBox* pColorType = nullptr;
        QComboBox* pHDR = nullptr;
        QComboBox* pDynamicContrast = nullptr;
        QComboBox* pGamutMode = nullptr;
        QComboBox* pProportionalMode = nullptr;
    };

    struct GameCtrls
    {
        QSlider* pBrightness = nullptr;
        QSlider* pContrast = nullptr;
        QSlider* pSharpness = nullptr;
        QSlider* pDarkEnhancement = nullptr;
        QComboBox* pDisplayRefreshRate = nullptr;
        QComboBox* pOwl = nullptr;
        QComboBox* pMPRT = nullptr;
        QComboBox* pGamutMode = nullptr;
        QComboBox* pAdaptiveSync = nullptr;
    };

    static CtrlWidgetMana* GetInstance();

    // Each page hands over its shared controls at the end of its constructor.
    void RegisterStandardMode(const StandardModeCtrls& ctrls);
    void RegisterProfessionalGraphics(const GraphicsCtrls& ctrls);
    void RegisterProfessionalGame(const GameCtrls& ctrls);
    void RegisterSystemSetting(QComboBox* pReadingLamp);

    // Called once by start-up after the main window (and so every page) exists.
    void InitConnect();

    int GetCurrGameMode() const { return m_nCurrGameMode; }
    // Stores a game preset just shown; emits gameModeChanged() only when it differs.
    void SetCurrGameMode(int nGameMode);

signals:
    void gameModeChanged();

public slots:
    void slt_scenarioChanged(int index);
    void slt_gamutModeChanged(int index);
    void slt_gameModeChanged();
    void slt_lowBlueLightChanged(int index);
    void slt_dynamicBacklightChanged(int index);
    void slt_gammaChanged(int index);
    void slt_owlChanged(int index);
    void slt_HDRChanged(int index);
    void slt_dynamicContrastChanged(int index);
    void slt_MPRTChanged(int index);
    void slt_freeSyncChanged(int index);

private:
    CtrlWidgetMana() = default;

    // Rows 1..43 and 45 of the rule tables, in that order.
    QSlider* m_pStdBrightness = nullptr;
    QSlider* m_pGameBrightness = nullptr;
    QSlider* m_pStdContrast = nullptr;
    QSlider* m_pGameContrast = nullptr;
    QSlider* m_pStdSharpness = nullptr;
    QSlider* m_pGameSharpness = nullptr;
    QComboBox* m_pScenarioMode = nullptr;
    QSlider* m_pDarkEnhancement = nullptr;
    QSlider* m_pBlackHomogenizer = nullptr;
    QComboBox* m_pColorTemperature = nullptr;
    QSlider* m_pUMRed = nullptr;
    QSlider* m_pUMGreen = nullptr;
    QSlider* m_pUMBlue = nullptr;
    QSlider* m_pHueRed = nullptr;
    QSlider* m_pHueGreen = nullptr;
    QSlider* m_pHueBlue = nullptr;
    QSlider* m_pHueYellow = nullptr;
    QSlider* m_pHueMagenta = nullptr;
    QSlider* m_pHueCyan = nullptr;
    QSlider* m_pSaturationRed = nullptr;
    QSlider* m_pSaturationGreen = nullptr;
    QSlider* m_pSaturationBlue = nullptr;
    QSlider* m_pSaturationYellow = nullptr;
    QSlider* m_pSaturationMagenta = nullptr;
    QSlider* m_pSaturationCyan = nullptr;
    QComboBox* m_pStdLowBlueLight = nullptr;
    QComboBox* m_pGraphicsLowBlueLight = nullptr;
    QComboBox* m_pDynamicBacklight = nullptr;
    QComboBox* m_pGamma = nullptr;
    QComboBox* m_pRGBRange = nullptr;
    QComboBox* m_pColorType = nullptr;
    QAbstractButton* m_pEnableGameCross = nullptr;
    QComboBox* m_pDisplayRefreshRate = nullptr;
    QComboBox* m_pOwl = nullptr;
    QComboBox* m_pHDR = nullptr;
    QComboBox* m_pGameMPRT = nullptr;
    QComboBox* m_pStdMPRT = nullptr;
    QComboBox* m_pDynamicContrast = nullptr;
    QComboBox* m_pReadingLamp = nullptr;
    QComboBox* m_pGraphicsGamutMode = nullptr;
    QComboBox* m_pGameGamutMode = nullptr;
    QComboBox* m_pProportionalMode = nullptr;
    QComboBox* m_pAdaptiveSync = nullptr;
    int m_nCurrGameMode = -1;
    QWidget* m_pOfficeMode = nullptr;
};
