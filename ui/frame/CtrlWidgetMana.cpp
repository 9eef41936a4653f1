#include "ui/frame/CtrlWidgetMana.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>

CtrlWidgetMana* CtrlWidgetMana::GetInstance()
{
    static CtrlWidgetMana s_instance;
    return &s_instance;
}

void CtrlWidgetMana::RegisterStandardMode(const StandardModeCtrls& ctrls)
{
    m_pStdBrightness = ctrls.pBrightness;
    m_pStdContrast = ctrls.pContrast;
    m_pStdSharpness = ctrls.pSharpness;
    m_pBlackHomogenizer = ctrls.pBlackHomogenizer;
    m_pColorTemperature = ctrls.pColorTemperature;
    m_pUMRed = ctrls.pUMRed;
    m_pUMGreen = ctrls.pUMGreen;
    m_pUMBlue = ctrls.pUMBlue;
    m_pStdLowBlueLight = ctrls.pLowBlueLight;
    m_pEnableGameCross = ctrls.pEnableGameCross;
    m_pStdMPRT = ctrls.pMPRT;
    m_pOfficeMode = ctrls.pOfficeMode;
}

void CtrlWidgetMana::RegisterProfessionalGraphics(const GraphicsCtrls& ctrls)
{
    m_pScenarioMode = ctrls.pScenarioMode;
    m_pHueRed = ctrls.pHueRed;
    m_pHueGreen = ctrls.pHueGreen;
    m_pHueBlue = ctrls.pHueBlue;
    m_pHueYellow = ctrls.pHueYellow;
    m_pHueMagenta = ctrls.pHueMagenta;
    m_pHueCyan = ctrls.pHueCyan;
    m_pSaturationRed = ctrls.pSaturationRed;
    m_pSaturationGreen = ctrls.pSaturationGreen;
    m_pSaturationBlue = ctrls.pSaturationBlue;
    m_pSaturationYellow = ctrls.pSaturationYellow;
    m_pSaturationMagenta = ctrls.pSaturationMagenta;
    m_pSaturationCyan = ctrls.pSaturationCyan;
    m_pGraphicsLowBlueLight = ctrls.pLowBlueLight;
    m_pDynamicBacklight = ctrls.pDynamicBacklight;
    m_pGamma = ctrls.pGamma;
    m_pRGBRange = ctrls.pRGBRange;
    m_pColorType = ctrls.pColorType;
    m_pHDR = ctrls.pHDR;
    m_pDynamicContrast = ctrls.pDynamicContrast;
    m_pGraphicsGamutMode = ctrls.pGamutMode;
    m_pProportionalMode = ctrls.pProportionalMode;
}

void CtrlWidgetMana::RegisterProfessionalGame(const GameCtrls& ctrls)
{
    m_pGameBrightness = ctrls.pBrightness;
    m_pGameContrast = ctrls.pContrast;
    m_pGameSharpness = ctrls.pSharpness;
    m_pDarkEnhancement = ctrls.pDarkEnhancement;
    m_pDisplayRefreshRate = ctrls.pDisplayRefreshRate;
    m_pOwl = ctrls.pOwl;
    m_pGameMPRT = ctrls.pMPRT;
    m_pGameGamutMode = ctrls.pGamutMode;
    m_pAdaptiveSync = ctrls.pAdaptiveSync;
}

void CtrlWidgetMana::RegisterSystemSetting(QComboBox* pReadingLamp)
{
    m_pReadingLamp = pReadingLamp;
}

void CtrlWidgetMana::SetCurrGameMode(int nGameMode)
{
    if (nGameMode == m_nCurrGameMode)
        return;
    m_nCurrGameMode = nGameMode;
    emit gameModeChanged();
}

void CtrlWidgetMana::InitConnect()
{
    // The rules and their connections come with the rule tables.
}

void CtrlWidgetMana::slt_scenarioChanged(int) {}
void CtrlWidgetMana::slt_gamutModeChanged(int) {}
void CtrlWidgetMana::slt_gameModeChanged() {}
void CtrlWidgetMana::slt_lowBlueLightChanged(int) {}
void CtrlWidgetMana::slt_dynamicBacklightChanged(int) {}
void CtrlWidgetMana::slt_gammaChanged(int) {}
void CtrlWidgetMana::slt_owlChanged(int) {}
void CtrlWidgetMana::slt_HDRChanged(int) {}
void CtrlWidgetMana::slt_dynamicContrastChanged(int) {}
void CtrlWidgetMana::slt_MPRTChanged(int) {}
void CtrlWidgetMana::slt_freeSyncChanged(int) {}
