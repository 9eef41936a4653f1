#include "ui/pages/ProfessionalGameWidget.h"

#include "ui_ProfessionalGameWidget.h"

#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ValueTable.h"

#include <QSignalBlocker>
#include <QThread>
#include <QTimer>

namespace
{
const int PAGE_INDEX = 2;
// The dark-enhancement value needs a moment after its selector is written.
const int DARK_ENHANCEMENT_READ_DELAY_MS = 100;
// The monitor is busy applying a G preset or an adaptive-sync switch for this long.
const unsigned long SLOW_SWITCH_PAUSE_MS = 2000;
const int FREE_SYNC_RESET_DELAY_MS = 1000;

// Game-mode values 1 (Standard) to 8 (PS/XBOX), in the bar's button order.
const CValueTable GAME_MODE_TABLE = CValueTable::Sequential(1, 8);
// The hidden custom buttons write the values of G1 and G2.
const QString CUSTOM1_GAME_MODE = QStringLiteral("0x02");
const QString CUSTOM2_GAME_MODE = QStringLiteral("0x03");

// Value read -> index, and index -> value text written, per combo box.
const CValueTable OVER_DRIVE_TABLE = CValueTable::Sequential(1, 5);
const CValueTable MPRT_TABLE = CValueTable::Sequential(0, 3);
const CValueTable HAWKEYE_TABLE = CValueTable::Sequential(0, 3);
const CValueTable OFF_ON_TABLE = CValueTable::Sequential(0, 2);
const CValueTable OWL_TABLE({{0, 0}, {2, 1}, {1, 2}}, {"0x00", "0x02", "0x01"});
const CValueTable GAMMA_TABLE = CValueTable::Sequential(1, 5);
const CValueTable GAMUT_MODE_TABLE({{2, 0}, {3, 1}, {4, 2}, {1, 3}}, {"0x02", "0x03", "0x04", "0x01"});

QString GameModeText(int nGameMode)
{
    return GAME_MODE_TABLE.ValueForIndex(nGameMode - 1);
}
}

CProfessionalGameWidget::CProfessionalGameWidget(QWidget* parent)
    : CSettingsPage(PAGE_INDEX, false, parent)
    , ui(std::make_unique<Ui::CProfessionalGameWidget>())
{
    ui->setupUi(this);

    // Features this product does not offer: still read, filled and connected.
    const QList<QWidget*> listHidden = {ui->label_3,           ui->hsliderHue,        ui->lblGSHueValue,
                                        ui->btnStrategyType,   ui->btnPsXbox,         ui->btnCustom1,
                                        ui->btnCustom2,        ui->lblHawkey,         ui->cmbHawkeye,
                                        ui->lblMPRT,           ui->cmbMPRT,           ui->lblOneClickBattle,
                                        ui->cmbOneClickBattle, ui->lblGSSaturation,   ui->hsliderSaturation,
                                        ui->lblGSSaturationValue, ui->lblVRR,         ui->cmbVRRProjection};
    for (QWidget* pWidget : listHidden)
        pWidget->setVisible(false);

    ConnectControls();
    ConnectGlobalSignals();
    RegisterSharedControls();
}

CProfessionalGameWidget::~CProfessionalGameWidget() = default;

void CProfessionalGameWidget::ConnectControls()
{
    connect(ui->btnStandard, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_StandardClicked);
    connect(ui->btnG1, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_G1Clicked);
    connect(ui->btnG2, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_G2Clicked);
    connect(ui->btnG3, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_G3Clicked);
    connect(ui->btnShootingType, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_ShootingClicked);
    connect(ui->btnRacingType, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_RacingClicked);
    connect(ui->btnStrategyType, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_StrategyClicked);
    connect(ui->btnPsXbox, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_XBoxPSClicked);
    connect(ui->btnCustom1, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_Custom1Clicked);
    connect(ui->btnCustom2, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_Custom2Clicked);

    connect(ui->hsliderBrightness, &QSlider::valueChanged, this, &CProfessionalGameWidget::Slot_BrightnessChanged);
    connect(ui->hsliderSaturation, &QSlider::valueChanged, this, &CProfessionalGameWidget::Slot_SaturationChanged);
    connect(ui->hsliderHue, &QSlider::valueChanged, this, &CProfessionalGameWidget::Slot_HueChanged);
    connect(ui->hsliderContrast, &QSlider::valueChanged, this, &CProfessionalGameWidget::Slot_ContrastChanged);
    connect(ui->hsliderSharpness, &QSlider::valueChanged, this, &CProfessionalGameWidget::Slot_SharpnessChanged);
    connect(ui->hsliderDarkEnhancement, &QSlider::valueChanged, this,
            &CProfessionalGameWidget::Slot_DarkEnhancementChanged);

    const auto indexChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(ui->cmbOverDrive, indexChanged, this, &CProfessionalGameWidget::Slot_OverDriveChanged);
    connect(ui->cmbAdaptiveSync, indexChanged, this, &CProfessionalGameWidget::Slot_AdaptiveSyncChanged);
    connect(ui->cmbOwl, indexChanged, this, &CProfessionalGameWidget::Slot_OwlChanged);
    connect(ui->cmbGamma, indexChanged, this, &CProfessionalGameWidget::Slot_GammaChanged);
    connect(ui->cmbMPRT, indexChanged, this, &CProfessionalGameWidget::Slot_MPRTChanged);
    connect(ui->cmbALLM, indexChanged, this, &CProfessionalGameWidget::Slot_ALLMChanged);
    connect(ui->cmbOneClickBattle, indexChanged, this, &CProfessionalGameWidget::Slot_OneClickBattleChanged);
    connect(ui->cmbGamutMode, indexChanged, this, &CProfessionalGameWidget::Slot_GamutModeChanged);
    connect(ui->cmbHawkeye, indexChanged, this, &CProfessionalGameWidget::Slot_HawkeyeChanged);
    connect(ui->cmbDisplayRefreshRate, indexChanged, this, &CProfessionalGameWidget::Slot_DisplayRefreshRateChanged);
    connect(ui->cmbDynamicResponseTime, indexChanged, this,
            &CProfessionalGameWidget::Slot_DynamicResponseTimeChanged);
    connect(ui->cmbVRRProjection, indexChanged, this, &CProfessionalGameWidget::Slot_VRRProjectionChanged);

    connect(ui->btnRefreshGameSet, &QPushButton::clicked, this, &CProfessionalGameWidget::Slot_RefreshGameSet);
}

void CProfessionalGameWidget::ConnectGlobalSignals()
{
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();
    connect(pHub, &CGlobalSignal::Sig_BrightnessChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderBrightness, ui->lblGSBrightnessValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_ContrastChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderContrast, ui->lblGSContrastValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_SaturationChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderSaturation, ui->lblGSSaturationValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_SharpnessChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderSharpness, ui->lblGSSharpnessValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_BlackLevelChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderDarkEnhancement, ui->lblGSDarkEhmValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_MPRTChanged, this, [this](int nIndex) { FillComboIndex(ui->cmbMPRT, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_OverDriveChanged, this,
            [this](int nIndex) { FillComboIndex(ui->cmbOverDrive, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_GamutModeChanged, this,
            [this](int nIndex) { FillComboIndex(ui->cmbGamutMode, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_GammaChanged, this, [this](int nIndex) { FillComboIndex(ui->cmbGamma, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_OfficeModeChanged, this, [this](int nValue) { FollowOfficeMode(nValue); });
    connect(pHub, &CGlobalSignal::Sig_GameModeChanged, this, [this](int nValue) { FollowGameMode(nValue); });
}

void CProfessionalGameWidget::RegisterSharedControls()
{
    CtrlWidgetMana::GameCtrls ctrls;
    ctrls.pBrightness = ui->hsliderBrightness;
    ctrls.pContrast = ui->hsliderContrast;
    ctrls.pDarkEnhancement = ui->hsliderDarkEnhancement;
    ctrls.pSharpness = ui->hsliderSharpness;
    ctrls.pOwl = ui->cmbOwl;
    ctrls.pMPRT = ui->cmbMPRT;
    ctrls.pDisplayRefreshRate = ui->cmbDisplayRefreshRate;
    ctrls.pAdaptiveSync = ui->cmbAdaptiveSync;
    ctrls.pGamutMode = ui->cmbGamutMode;
    CtrlWidgetMana::GetInstance()->RegisterProfessionalGame(ctrls);
}

QPushButton* CProfessionalGameWidget::ModeButton(int nGameMode) const
{
    switch (nGameMode) {
    case 1:
        return ui->btnStandard;
    case 2:
        return ui->btnG1;
    case 3:
        return ui->btnG2;
    case 4:
        return ui->btnG3;
    case 5:
        return ui->btnShootingType;
    case 6:
        return ui->btnRacingType;
    default:
        return nullptr;
    }
}

void CProfessionalGameWidget::FollowOfficeMode(int nValue)
{
    // An office preset replaces any game preset: no mode button stays checked. Auto-exclusivity
    // would keep the last checked one, so it is lifted for the moment.
    for (int nGameMode = 1; nGameMode <= 6; ++nGameMode) {
        QPushButton* pButton = ModeButton(nGameMode);
        const QSignalBlocker blocker(pButton);
        pButton->setAutoExclusive(false);
        pButton->setChecked(false);
        pButton->setAutoExclusive(true);
    }
    if (nValue > 0)
        ui->widgetTopMenuBar->setEnabled(nValue == 1);
}

void CProfessionalGameWidget::FollowGameMode(int nValue)
{
    ui->widgetTopMenuBar->setEnabled(nValue > 0);
    if (QPushButton* pButton = ModeButton(nValue))
        FillChecked(pButton, true);
    // This is also how the control manager learns a preset chosen on this page.
    CtrlWidgetMana::GetInstance()->SetCurrGameMode(nValue);
}

void CProfessionalGameWidget::LoadAll()
{
    RunLoad<CProfessionalGameWidget>(&CProfessionalGameWidget::LoadGameData, tr("Load Data..."));
}

void CProfessionalGameWidget::Slot_RefreshGameSet()
{
    CDDCUtil::GetInstance()->Reset();
    LoadAll();
}

void CProfessionalGameWidget::LoadGameData()
{
    if (!HasMonitor())
        return;

    GraphicsSetValues graphics;
    graphics.nGameMode = ReadVcp(VCP_GAME_MODE);
    graphics.nBrightness = ReadVcp(VCP_BRIGHTNESS);
    graphics.nSaturation = ReadVcp(VCP_SATURATION);
    graphics.nHue = ReadVcp(VCP_HUE);
    graphics.nContrast = ReadVcp(VCP_CONTRAST);
    graphics.nSharpness = ReadVcp(VCP_SHARPNESS);
    graphics.nDarkEnhancement = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_DARK_ENHANCEMENT,
                                           DARK_ENHANCEMENT_READ_DELAY_MS);
    PostToPage([this, graphics] { FillGraphicsSet(graphics); });

    GameSetValues game;
    game.nOverDrive = ReadVcp(VCP_OVERDRIVE);
    game.nMPRT = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT);
    game.nHawkeye = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_HAWKEYE);
    game.nAdaptiveSync = ReadVcp(VCP_ADAPTIVE_SYNC);
    game.nALLM = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ALLM);
    game.nDisplayRefreshRate = ReadVcp(VCP_DISPLAY_REFRESH_RATE);
    game.nOwl = ReadVcp(VCP_OWL);
    game.nOneClickBattle = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_ONE_CLICK_BATTLE);
    game.nDynamicResponseTime = ReadVcp(VCP_DYNAMIC_RESPONSE_TIME);
    game.nGamma = ReadVcp(VCP_GAMMA);
    game.nGamutMode = ReadVcp(VCP_GAMUT_MODE);
    // VRR projection shares its code with adaptive sync.
    game.nVRRProjection = ReadVcp(VCP_ADAPTIVE_SYNC);
    PostToPage([this, game] { FillGameSet(game); });
}

void CProfessionalGameWidget::FillGraphicsSet(const GraphicsSetValues& values)
{
    // 7, 8 and anything unknown have no shown button: the bar keeps what it shows.
    if (QPushButton* pButton = ModeButton(values.nGameMode))
        FillChecked(pButton, true);
    FillSlider(ui->hsliderBrightness, ui->lblGSBrightnessValue, values.nBrightness);
    FillSlider(ui->hsliderSaturation, ui->lblGSSaturationValue, values.nSaturation);
    FillSlider(ui->hsliderHue, ui->lblGSHueValue, values.nHue);
    FillSlider(ui->hsliderContrast, ui->lblGSContrastValue, values.nContrast);
    FillSlider(ui->hsliderSharpness, ui->lblGSSharpnessValue, values.nSharpness);
    FillSlider(ui->hsliderDarkEnhancement, ui->lblGSDarkEhmValue, values.nDarkEnhancement);
}

void CProfessionalGameWidget::FillGameSet(const GameSetValues& values)
{
    FillCombo(ui->cmbOverDrive, OVER_DRIVE_TABLE, values.nOverDrive);
    FillCombo(ui->cmbMPRT, MPRT_TABLE, values.nMPRT);
    FillCombo(ui->cmbHawkeye, HAWKEYE_TABLE, values.nHawkeye);
    if (values.nAdaptiveSync == 1)
        CtrlWidgetMana::GetInstance()->slt_freeSyncChanged(1);
    FillCombo(ui->cmbAdaptiveSync, OFF_ON_TABLE, values.nAdaptiveSync);
    FillCombo(ui->cmbALLM, OFF_ON_TABLE, values.nALLM);
    FillCombo(ui->cmbDisplayRefreshRate, OFF_ON_TABLE, values.nDisplayRefreshRate);
    FillCombo(ui->cmbOwl, OWL_TABLE, values.nOwl);
    FillCombo(ui->cmbOneClickBattle, OFF_ON_TABLE, values.nOneClickBattle);
    FillCombo(ui->cmbDynamicResponseTime, OFF_ON_TABLE, values.nDynamicResponseTime);
    FillCombo(ui->cmbGamma, GAMMA_TABLE, values.nGamma);
    FillCombo(ui->cmbGamutMode, GAMUT_MODE_TABLE, values.nGamutMode);
    FillCombo(ui->cmbVRRProjection, OFF_ON_TABLE, values.nVRRProjection);
}

void CProfessionalGameWidget::WriteResetPreset(QPushButton* pButton, int nGameMode)
{
    CDDCUtil::GetInstance()->Reset();
    CDDCUtil::GetInstance()->SetVcp(VCP_GAME_MODE, GameModeText(nGameMode));
    emit CGlobalSignal::GetInstance()->Sig_GameModeChanged(nGameMode);
    emit CGlobalSignal::GetInstance()->Sig_ModeTypeChanged(pButton->text());
}

void CProfessionalGameWidget::WriteSlowPreset(QPushButton* pButton, int nGameMode)
{
    CDDCUtil::GetInstance()->SetVcp(VCP_GAME_MODE, GameModeText(nGameMode));
    emit CGlobalSignal::GetInstance()->Sig_GameModeChanged(nGameMode);
    emit CGlobalSignal::GetInstance()->Sig_ModeTypeChanged(pButton->text());
    QThread::msleep(SLOW_SWITCH_PAUSE_MS);
    CDDCUtil::GetInstance()->Reset();
}

void CProfessionalGameWidget::Slot_StandardClicked()
{
    WriteResetPreset(ui->btnStandard, 1);
}

void CProfessionalGameWidget::Slot_G1Clicked()
{
    WriteSlowPreset(ui->btnG1, 2);
}

void CProfessionalGameWidget::Slot_G2Clicked()
{
    WriteSlowPreset(ui->btnG2, 3);
}

void CProfessionalGameWidget::Slot_G3Clicked()
{
    WriteSlowPreset(ui->btnG3, 4);
}

void CProfessionalGameWidget::Slot_ShootingClicked()
{
    WriteResetPreset(ui->btnShootingType, 5);
}

void CProfessionalGameWidget::Slot_RacingClicked()
{
    WriteResetPreset(ui->btnRacingType, 6);
}

void CProfessionalGameWidget::Slot_StrategyClicked()
{
    WriteResetPreset(ui->btnStrategyType, 7);
}

void CProfessionalGameWidget::Slot_XBoxPSClicked()
{
    WriteResetPreset(ui->btnPsXbox, 8);
}

void CProfessionalGameWidget::Slot_Custom1Clicked()
{
    CDDCUtil::GetInstance()->SetVcp(VCP_GAME_MODE, CUSTOM1_GAME_MODE);
}

void CProfessionalGameWidget::Slot_Custom2Clicked()
{
    CDDCUtil::GetInstance()->SetVcp(VCP_GAME_MODE, CUSTOM2_GAME_MODE);
}

void CProfessionalGameWidget::Slot_BrightnessChanged(int nValue)
{
    WriteSlider(ui->lblGSBrightnessValue, VCP_BRIGHTNESS, nValue);
    emit CGlobalSignal::GetInstance()->Sig_BrightnessChanged(nValue);
}

void CProfessionalGameWidget::Slot_SaturationChanged(int nValue)
{
    WriteSlider(ui->lblGSSaturationValue, VCP_SATURATION, nValue);
    emit CGlobalSignal::GetInstance()->Sig_SaturationChanged(nValue);
}

void CProfessionalGameWidget::Slot_HueChanged(int nValue)
{
    WriteSlider(ui->lblGSHueValue, VCP_HUE, nValue);
}

void CProfessionalGameWidget::Slot_ContrastChanged(int nValue)
{
    WriteSlider(ui->lblGSContrastValue, VCP_CONTRAST, nValue);
    emit CGlobalSignal::GetInstance()->Sig_ContrastChanged(nValue);
}

void CProfessionalGameWidget::Slot_SharpnessChanged(int nValue)
{
    WriteSlider(ui->lblGSSharpnessValue, VCP_SHARPNESS, nValue);
    emit CGlobalSignal::GetInstance()->Sig_SharpnessChanged(nValue);
}

void CProfessionalGameWidget::Slot_DarkEnhancementChanged(int nValue)
{
    WriteSubSlider(ui->lblGSDarkEhmValue, VCP_F0_SELECT, VCP_F0_DATA, F0_DARK_ENHANCEMENT, nValue);
    emit CGlobalSignal::GetInstance()->Sig_BlackLevelChanged(nValue);
}

void CProfessionalGameWidget::Slot_OverDriveChanged(int nIndex)
{
    if (WriteCombo(OVER_DRIVE_TABLE, nIndex, VCP_OVERDRIVE))
        emit CGlobalSignal::GetInstance()->Sig_OverDriveChanged(nIndex);
}

void CProfessionalGameWidget::Slot_AdaptiveSyncChanged(int nIndex)
{
    if (!WriteCombo(OFF_ON_TABLE, nIndex, VCP_ADAPTIVE_SYNC))
        return;
    // The monitor re-syncs its signal; the plug-in's handle is renewed once it is back.
    QThread::msleep(SLOW_SWITCH_PAUSE_MS);
    QTimer::singleShot(FREE_SYNC_RESET_DELAY_MS, this, [] { CDDCUtil::GetInstance()->Reset(); });
}

void CProfessionalGameWidget::Slot_OwlChanged(int nIndex)
{
    WriteCombo(OWL_TABLE, nIndex, VCP_OWL);
}

void CProfessionalGameWidget::Slot_GammaChanged(int nIndex)
{
    if (WriteCombo(GAMMA_TABLE, nIndex, VCP_GAMMA))
        emit CGlobalSignal::GetInstance()->Sig_GammaChanged(nIndex);
}

void CProfessionalGameWidget::Slot_MPRTChanged(int nIndex)
{
    if (WriteSubCombo(MPRT_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT))
        emit CGlobalSignal::GetInstance()->Sig_MPRTChanged(nIndex);
}

void CProfessionalGameWidget::Slot_ALLMChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_ALLM);
}

void CProfessionalGameWidget::Slot_OneClickBattleChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_ONE_CLICK_BATTLE);
}

void CProfessionalGameWidget::Slot_GamutModeChanged(int nIndex)
{
    if (WriteCombo(GAMUT_MODE_TABLE, nIndex, VCP_GAMUT_MODE))
        emit CGlobalSignal::GetInstance()->Sig_GamutModeChanged(nIndex);
}

void CProfessionalGameWidget::Slot_HawkeyeChanged(int nIndex)
{
    WriteSubCombo(HAWKEYE_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_HAWKEYE);
}

void CProfessionalGameWidget::Slot_DisplayRefreshRateChanged(int nIndex)
{
    WriteCombo(OFF_ON_TABLE, nIndex, VCP_DISPLAY_REFRESH_RATE);
}

void CProfessionalGameWidget::Slot_DynamicResponseTimeChanged(int nIndex)
{
    WriteCombo(OFF_ON_TABLE, nIndex, VCP_DYNAMIC_RESPONSE_TIME);
}

void CProfessionalGameWidget::Slot_VRRProjectionChanged(int nIndex)
{
    WriteCombo(OFF_ON_TABLE, nIndex, VCP_ADAPTIVE_SYNC);
}
