#include "ui/frame/CtrlWidgetMana.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>

#include <initializer_list>
#include <optional>

namespace
{
// Per-value settings of the rules: key (index or preset value) → slider value.
struct ValueFor
{
    int nKey;
    int nValue;
};

template <std::size_t N>
std::optional<int> Lookup(const ValueFor (&table)[N], int nKey)
{
    for (const ValueFor& row : table)
        if (row.nKey == nKey)
            return row.nValue;
    return std::nullopt;
}

// Office preset → brightness of both pages.
constexpr ValueFor kScenarioBrightness[] = {{2, 100}, {3, 65}, {4, 30}};

// Graphics low-blue-light index → brightness of both pages ("Off" has no row).
constexpr ValueFor kLowBlueLightBrightness[] = {{1, 80}, {2, 75}, {3, 65}, {4, 60}};

// Gamut index → brightness; the contrast is set only for the indices that have a row.
constexpr ValueFor kGamutBrightness[] = {{0, 60}, {1, 80}, {2, 80}};
constexpr ValueFor kGamutContrast[] = {{1, 50}, {2, 50}};

// Game presets that lock the picture controls. G1 to G3 leave the brightness to the user and
// lock the MPRT boxes; FPS and RTS lock the brightness and leave the proportional mode open.
struct GamePreset
{
    int nMode;
    int nBrightness;
    bool bBrightnessEnabled;
    int nContrast;
    bool bProportionalEnabled;
    bool bDisableMPRT;
};
constexpr GamePreset kGamePresets[] = {
    {2, 80, true, 50, false, true},   // G1
    {3, 85, true, 50, false, true},   // G2
    {4, 90, true, 50, false, true},   // G3
    {5, 80, false, 70, true, false},  // FPS
    {6, 80, false, 50, true, false},  // RTS
};

constexpr int kUserColorTemperature = 3;
constexpr int kNeutral = 50;  // dark enhancement, contrast, hue and saturation centre

// The helpers skip controls that were never registered (or are gone). Values go through the
// controls' own setters with signals live, so each page's slot writes as on a user change.
template <typename TList>
void SetEnabledOf(const TList& list, bool bEnabled)
{
    for (QWidget* p : list)
        if (p)
            p->setEnabled(bEnabled);
}
void SetEnabled(std::initializer_list<QWidget*> list, bool bEnabled)
{
    SetEnabledOf(list, bEnabled);
}
template <typename T>
void SetEnabled(const std::vector<T*>& list, bool bEnabled) { SetEnabledOf(list, bEnabled); }

template <typename TList>
void SetValueOf(const TList& list, int nValue)
{
    for (QSlider* p : list)
        if (p)
            p->setValue(nValue);
}
void SetValue(std::initializer_list<QSlider*> list, int nValue) { SetValueOf(list, nValue); }
void SetValue(const std::vector<QSlider*>& list, int nValue) { SetValueOf(list, nValue); }

template <typename TList>
void SetIndexOf(const TList& list, int nIndex)
{
    for (QComboBox* p : list)
        if (p)
            p->setCurrentIndex(nIndex);
}
void SetIndex(std::initializer_list<QComboBox*> list, int nIndex) { SetIndexOf(list, nIndex); }
void SetIndex(const std::vector<QComboBox*>& list, int nIndex) { SetIndexOf(list, nIndex); }

// Takes over a registered control; the one it replaces no longer drives any rule.
template <typename T>
void Replace(QPointer<T>& rpMember, T* pNew, QObject* pReceiver)
{
    if (rpMember && rpMember != pNew)
        rpMember->disconnect(pReceiver);
    rpMember = pNew;
}

template <typename T>
void ConnectIndex(QComboBox* pBox, T* pReceiver, void (T::*pSlot)(int))
{
    if (pBox)
        QObject::connect(pBox, qOverload<int>(&QComboBox::currentIndexChanged), pReceiver, pSlot,
                         Qt::UniqueConnection);
}
}  // namespace

CtrlWidgetMana* CtrlWidgetMana::GetInstance()
{
    static CtrlWidgetMana s_instance;
    return &s_instance;
}

void CtrlWidgetMana::RegisterStandardMode(const StandardModeCtrls& ctrls)
{
    Replace(m_pStdBrightness, ctrls.pBrightness, this);
    Replace(m_pStdContrast, ctrls.pContrast, this);
    Replace(m_pStdSharpness, ctrls.pSharpness, this);
    Replace(m_pBlackHomogenizer, ctrls.pBlackHomogenizer, this);
    Replace(m_pColorTemperature, ctrls.pColorTemperature, this);
    Replace(m_pUMRed, ctrls.pUMRed, this);
    Replace(m_pUMGreen, ctrls.pUMGreen, this);
    Replace(m_pUMBlue, ctrls.pUMBlue, this);
    Replace(m_pStdLowBlueLight, ctrls.pLowBlueLight, this);
    Replace(m_pEnableGameCross, ctrls.pEnableGameCross, this);
    Replace(m_pStdMPRT, ctrls.pMPRT, this);
    Replace(m_pOfficeMode, ctrls.pOfficeMode, this);
}

void CtrlWidgetMana::RegisterProfessionalGraphics(const GraphicsCtrls& ctrls)
{
    Replace(m_pScenarioMode, ctrls.pScenarioMode, this);
    Replace(m_pHueRed, ctrls.pHueRed, this);
    Replace(m_pHueGreen, ctrls.pHueGreen, this);
    Replace(m_pHueBlue, ctrls.pHueBlue, this);
    Replace(m_pHueYellow, ctrls.pHueYellow, this);
    Replace(m_pHueMagenta, ctrls.pHueMagenta, this);
    Replace(m_pHueCyan, ctrls.pHueCyan, this);
    Replace(m_pSaturationRed, ctrls.pSaturationRed, this);
    Replace(m_pSaturationGreen, ctrls.pSaturationGreen, this);
    Replace(m_pSaturationBlue, ctrls.pSaturationBlue, this);
    Replace(m_pSaturationYellow, ctrls.pSaturationYellow, this);
    Replace(m_pSaturationMagenta, ctrls.pSaturationMagenta, this);
    Replace(m_pSaturationCyan, ctrls.pSaturationCyan, this);
    Replace(m_pGraphicsLowBlueLight, ctrls.pLowBlueLight, this);
    Replace(m_pDynamicBacklight, ctrls.pDynamicBacklight, this);
    Replace(m_pGamma, ctrls.pGamma, this);
    Replace(m_pRGBRange, ctrls.pRGBRange, this);
    Replace(m_pColorType, ctrls.pColorType, this);
    Replace(m_pHDR, ctrls.pHDR, this);
    Replace(m_pDynamicContrast, ctrls.pDynamicContrast, this);
    Replace(m_pGraphicsGamutMode, ctrls.pGamutMode, this);
    Replace(m_pProportionalMode, ctrls.pProportionalMode, this);
}

void CtrlWidgetMana::RegisterProfessionalGame(const GameCtrls& ctrls)
{
    Replace(m_pGameBrightness, ctrls.pBrightness, this);
    Replace(m_pGameContrast, ctrls.pContrast, this);
    Replace(m_pGameSharpness, ctrls.pSharpness, this);
    Replace(m_pDarkEnhancement, ctrls.pDarkEnhancement, this);
    Replace(m_pDisplayRefreshRate, ctrls.pDisplayRefreshRate, this);
    Replace(m_pOwl, ctrls.pOwl, this);
    Replace(m_pGameMPRT, ctrls.pMPRT, this);
    Replace(m_pGameGamutMode, ctrls.pGamutMode, this);
    Replace(m_pAdaptiveSync, ctrls.pAdaptiveSync, this);
}

void CtrlWidgetMana::RegisterSystemSetting(QComboBox* pReadingLamp)
{
    Replace(m_pReadingLamp, pReadingLamp, this);
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
    ConnectIndex(m_pGraphicsGamutMode, this, &CtrlWidgetMana::slt_gamutModeChanged);
    ConnectIndex(m_pGameGamutMode, this, &CtrlWidgetMana::slt_gamutModeChanged);
    ConnectIndex(m_pGraphicsLowBlueLight, this, &CtrlWidgetMana::slt_lowBlueLightChanged);
    ConnectIndex(m_pDynamicBacklight, this, &CtrlWidgetMana::slt_dynamicBacklightChanged);
    ConnectIndex(m_pGamma, this, &CtrlWidgetMana::slt_gammaChanged);
    ConnectIndex(m_pAdaptiveSync, this, &CtrlWidgetMana::slt_freeSyncChanged);
    ConnectIndex(m_pOwl, this, &CtrlWidgetMana::slt_owlChanged);
    ConnectIndex(m_pHDR, this, &CtrlWidgetMana::slt_HDRChanged);
    ConnectIndex(m_pDynamicContrast, this, &CtrlWidgetMana::slt_dynamicContrastChanged);
    ConnectIndex(m_pGameMPRT, this, &CtrlWidgetMana::slt_MPRTChanged);
    ConnectIndex(m_pStdMPRT, this, &CtrlWidgetMana::slt_MPRTChanged);
    connect(this, &CtrlWidgetMana::gameModeChanged, this, &CtrlWidgetMana::slt_gameModeChanged,
            Qt::UniqueConnection);
}

std::vector<QSlider*> CtrlWidgetMana::BothBrightness() const
{
    return {m_pStdBrightness, m_pGameBrightness};
}

std::vector<QSlider*> CtrlWidgetMana::BothContrast() const
{
    return {m_pStdContrast, m_pGameContrast};
}

std::vector<QSlider*> CtrlWidgetMana::BothSharpness() const
{
    return {m_pStdSharpness, m_pGameSharpness};
}

std::vector<QSlider*> CtrlWidgetMana::UserModeSliders() const
{
    return {m_pUMRed, m_pUMGreen, m_pUMBlue};
}

std::vector<QSlider*> CtrlWidgetMana::HueAndSaturation() const
{
    return {m_pHueRed,         m_pHueGreen,         m_pHueBlue,           m_pHueYellow,
            m_pHueMagenta,     m_pHueCyan,          m_pSaturationRed,     m_pSaturationGreen,
            m_pSaturationBlue, m_pSaturationYellow, m_pSaturationMagenta, m_pSaturationCyan};
}

std::vector<QComboBox*> CtrlWidgetMana::BothLowBlueLight() const
{
    return {m_pStdLowBlueLight, m_pGraphicsLowBlueLight};
}

std::vector<QComboBox*> CtrlWidgetMana::BothMPRT() const
{
    return {m_pGameMPRT, m_pStdMPRT};
}

std::vector<QComboBox*> CtrlWidgetMana::BothGamut() const
{
    return {m_pGraphicsGamutMode, m_pGameGamutMode};
}

std::vector<QWidget*> CtrlWidgetMana::RGBRangeToReadingLamp() const
{
    return {m_pRGBRange, m_pColorType, m_pEnableGameCross, m_pDisplayRefreshRate, m_pOwl,
            m_pHDR,      m_pGameMPRT,  m_pStdMPRT,         m_pDynamicContrast,    m_pReadingLamp};
}

// Low blue light, dynamic backlight, gamma, proportional mode and adaptive sync keep the state
// the last rule gave them.
void CtrlWidgetMana::EnableAll(bool bEnabled)
{
    SetEnabled({m_pStdBrightness, m_pGameBrightness, m_pStdContrast, m_pGameContrast,
                m_pStdSharpness, m_pGameSharpness, m_pScenarioMode, m_pDarkEnhancement,
                m_pBlackHomogenizer, m_pColorTemperature},
               bEnabled);
    // The user-mode gains only mean something with the user colour temperature.
    SetEnabled(UserModeSliders(),
               m_pColorTemperature && m_pColorTemperature->currentIndex() == kUserColorTemperature);
    SetEnabled(HueAndSaturation(), bEnabled);
    SetEnabled(RGBRangeToReadingLamp(), bEnabled);
    SetEnabled(BothGamut(), bEnabled);
    SetEnabled({m_pOfficeMode}, bEnabled);
}

void CtrlWidgetMana::slt_scenarioChanged(int index)
{
    SetEnabled({m_pScenarioMode}, true);
    if (index == 1)
    {
        EnableAll(true);
        return;
    }
    const std::optional<int> nBrightness = Lookup(kScenarioBrightness, index);
    if (!nBrightness)
        return;

    SetValue(BothBrightness(), *nBrightness);
    SetEnabled(BothBrightness(), false);
    SetValue(BothContrast(), kNeutral);
    SetEnabled(BothContrast(), false);
    SetValue({m_pDarkEnhancement}, kNeutral);
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer}, true);
    SetEnabled(HueAndSaturation(), false);
    SetEnabled(BothGamut(), false);

    if (index == 4)
    {
        SetEnabled({m_pOwl}, false);
    }
    else
    {
        SetIndex({m_pOwl}, 0);
        SetEnabled({m_pOwl}, true);
    }

    SetIndex({m_pHDR}, 0);
    SetEnabled({m_pHDR}, true);
    SetIndex(BothMPRT(), 0);
    SetEnabled(BothMPRT(), false);
}

void CtrlWidgetMana::slt_gamutModeChanged(int index)
{
    if (index == 3)
    {
        EnableAll(true);
        return;
    }
    const std::optional<int> nBrightness = Lookup(kGamutBrightness, index);
    if (!nBrightness)
        return;

    SetValue(BothBrightness(), *nBrightness);
    SetEnabled(BothBrightness(), true);
    if (const std::optional<int> nContrast = Lookup(kGamutContrast, index))
        SetValue(BothContrast(), *nContrast);
    SetEnabled({m_pStdContrast}, false);

    SetEnabled({m_pGameContrast, m_pScenarioMode, m_pDarkEnhancement, m_pBlackHomogenizer,
                m_pColorTemperature},
               false);
    SetEnabled(HueAndSaturation(), false);
    SetEnabled(BothLowBlueLight(), false);
    SetEnabled({m_pRGBRange, m_pColorType}, false);
    SetIndex({m_pOwl, m_pHDR}, 0);
    SetEnabled({m_pOwl, m_pHDR}, true);
    SetIndex(BothMPRT(), 0);
    SetEnabled(BothMPRT(), false);
    SetEnabled({m_pOfficeMode}, false);
}

void CtrlWidgetMana::slt_gameModeChanged()
{
    if (m_nCurrGameMode == 1)
        EnableAll(true);
    else
        ApplyGamePreset(m_nCurrGameMode);
}

void CtrlWidgetMana::ApplyGamePreset(int nGameMode)
{
    const GamePreset* pPreset = nullptr;
    for (const GamePreset& preset : kGamePresets)
        if (preset.nMode == nGameMode)
            pPreset = &preset;
    if (!pPreset)
        return;

    SetEnabled({m_pScenarioMode}, false);
    SetValue(BothBrightness(), pPreset->nBrightness);
    SetEnabled(BothBrightness(), pPreset->bBrightnessEnabled);
    SetValue(BothContrast(), pPreset->nContrast);
    SetEnabled(BothContrast(), false);
    SetValue({m_pDarkEnhancement}, kNeutral);
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer}, false);
    SetIndex({m_pProportionalMode}, 1);
    SetEnabled({m_pProportionalMode}, pPreset->bProportionalEnabled);
    SetEnabled({m_pColorTemperature}, false);
    SetValue(HueAndSaturation(), kNeutral);
    SetEnabled(HueAndSaturation(), false);
    SetEnabled(BothLowBlueLight(), false);
    SetEnabled({m_pRGBRange, m_pColorType, m_pOwl, m_pHDR}, false);
    if (pPreset->bDisableMPRT)
        SetEnabled(BothMPRT(), false);
    SetEnabled(BothGamut(), false);
}

void CtrlWidgetMana::slt_lowBlueLightChanged(int index)
{
    const std::optional<int> nBrightness = Lookup(kLowBlueLightBrightness, index);
    if (!nBrightness)
        return;
    SetValue(BothBrightness(), *nBrightness);
    SetEnabled(BothBrightness(), true);
    SetValue(BothContrast(), kNeutral);
    SetEnabled(BothContrast(), true);
    SetEnabled({m_pColorTemperature}, true);
    SetEnabled({m_pOwl}, false);
}

void CtrlWidgetMana::slt_dynamicBacklightChanged(int index)
{
    if (index < 1)
    {
        SetEnabled({m_pGamma}, true);
        return;
    }
    SetEnabled(BothLowBlueLight(), false);
    SetEnabled({m_pGamma}, false);
}

void CtrlWidgetMana::slt_gammaChanged(int)
{
    SetEnabled(BothLowBlueLight(), false);
    SetEnabled({m_pDynamicBacklight}, false);
}

void CtrlWidgetMana::slt_owlChanged(int index)
{
    if (index != 1 && index != 2)
        return;
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer, m_pProportionalMode, m_pColorTemperature,
                m_pHDR},
               false);
    SetEnabled(BothGamut(), false);
}

void CtrlWidgetMana::slt_HDRChanged(int index)
{
    if (index < 1 || index > 3)
        return;
    SetValue(BothBrightness(), 100);
    SetEnabled(BothBrightness(), true);
    SetEnabled(BothContrast(), false);
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer, m_pColorTemperature}, false);
    SetValue(HueAndSaturation(), kNeutral);
    SetEnabled(HueAndSaturation(), false);
    SetEnabled({m_pRGBRange, m_pColorType, m_pOwl}, false);
    SetEnabled({m_pHDR}, true);
    SetEnabled(BothMPRT(), false);
}

void CtrlWidgetMana::slt_dynamicContrastChanged(int index)
{
    if (index != 1)
        return;
    SetEnabled({m_pScenarioMode}, true);
    SetEnabled(BothBrightness(), false);
    SetEnabled(BothContrast(), false);
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer}, true);
    SetEnabled(BothSharpness(), true);
    SetEnabled({m_pColorTemperature}, true);
    SetEnabled(UserModeSliders(), false);
    SetEnabled(HueAndSaturation(), true);
    SetEnabled(RGBRangeToReadingLamp(), true);
}

void CtrlWidgetMana::slt_MPRTChanged(int index)
{
    if (index != 1 && index != 2)
        return;
    SetValue(BothBrightness(), 100);
    SetEnabled(BothBrightness(), false);
    SetEnabled({m_pDarkEnhancement, m_pBlackHomogenizer, m_pHDR}, false);
    SetEnabled(BothMPRT(), true);
}

void CtrlWidgetMana::slt_freeSyncChanged(int index)
{
    if (index == 1)
        SetEnabled({m_pProportionalMode}, false);
}
