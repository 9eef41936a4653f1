#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

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

    // Each page hands over its shared controls at the end of its constructor. Registering again
    // replaces the page's controls and drops the connections of the ones replaced; call
    // InitConnect() again to wire the new ones.
    void RegisterStandardMode(const StandardModeCtrls& ctrls);
    void RegisterProfessionalGraphics(const GraphicsCtrls& ctrls);
    void RegisterProfessionalGame(const GameCtrls& ctrls);
    void RegisterSystemSetting(QComboBox* pReadingLamp);

    // Called by start-up after the main window (and so every page) exists. Controls not
    // registered are skipped; calling it again adds no second connection.
    void InitConnect();

    int GetCurrGameMode() const { return m_nCurrGameMode; }
    // Stores a game preset just shown; emits gameModeChanged() only when it differs. -1 is the
    // "no preset yet" state, for which the rules do nothing.
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

    void EnableAll(bool bEnabled);
    void ApplyGamePreset(int nGameMode);

    // Control groups the rules act on together.
    std::vector<QSlider*> BothBrightness() const;
    std::vector<QSlider*> BothContrast() const;
    std::vector<QSlider*> BothSharpness() const;
    std::vector<QSlider*> UserModeSliders() const;
    std::vector<QSlider*> HueAndSaturation() const;
    std::vector<QComboBox*> BothLowBlueLight() const;
    std::vector<QComboBox*> BothMPRT() const;
    std::vector<QComboBox*> BothGamut() const;
    std::vector<QWidget*> RGBRangeToReadingLamp() const;

    // Guarded: the pages may go before this process-wide object does.
    QPointer<QSlider> m_pStdBrightness;
    QPointer<QSlider> m_pGameBrightness;
    QPointer<QSlider> m_pStdContrast;
    QPointer<QSlider> m_pGameContrast;
    QPointer<QSlider> m_pStdSharpness;
    QPointer<QSlider> m_pGameSharpness;
    QPointer<QComboBox> m_pScenarioMode;
    QPointer<QSlider> m_pDarkEnhancement;
    QPointer<QSlider> m_pBlackHomogenizer;
    QPointer<QComboBox> m_pColorTemperature;
    QPointer<QSlider> m_pUMRed;
    QPointer<QSlider> m_pUMGreen;
    QPointer<QSlider> m_pUMBlue;
    QPointer<QSlider> m_pHueRed;
    QPointer<QSlider> m_pHueGreen;
    QPointer<QSlider> m_pHueBlue;
    QPointer<QSlider> m_pHueYellow;
    QPointer<QSlider> m_pHueMagenta;
    QPointer<QSlider> m_pHueCyan;
    QPointer<QSlider> m_pSaturationRed;
    QPointer<QSlider> m_pSaturationGreen;
    QPointer<QSlider> m_pSaturationBlue;
    QPointer<QSlider> m_pSaturationYellow;
    QPointer<QSlider> m_pSaturationMagenta;
    QPointer<QSlider> m_pSaturationCyan;
    QPointer<QComboBox> m_pStdLowBlueLight;
    QPointer<QComboBox> m_pGraphicsLowBlueLight;
    QPointer<QComboBox> m_pDynamicBacklight;
    QPointer<QComboBox> m_pGamma;
    QPointer<QComboBox> m_pRGBRange;
    QPointer<QComboBox> m_pColorType;
    QPointer<QAbstractButton> m_pEnableGameCross;
    QPointer<QComboBox> m_pDisplayRefreshRate;
    QPointer<QComboBox> m_pOwl;
    QPointer<QComboBox> m_pHDR;
    QPointer<QComboBox> m_pGameMPRT;
    QPointer<QComboBox> m_pStdMPRT;
    QPointer<QComboBox> m_pDynamicContrast;
    QPointer<QComboBox> m_pReadingLamp;
    QPointer<QComboBox> m_pGraphicsGamutMode;
    QPointer<QComboBox> m_pGameGamutMode;
    QPointer<QComboBox> m_pProportionalMode;
    QPointer<QComboBox> m_pAdaptiveSync;
    int m_nCurrGameMode = -1;
    QPointer<QWidget> m_pOfficeMode;
};
