#include "ui/pages/StandardModeWidget.h"

#include "ddc/VcpCodes.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ValueTable.h"

#include "ui_StandardModeWidget.h"

#include <QDebug>
#include <QStyle>
#include <QThread>

namespace
{
const int PAGE_INDEX = 0;
// The first load waits for the main window to settle; reloads and refreshes give the monitor
// a moment after a reset or a switch of monitor.
const int FIRST_LOAD_DELAY_MS = 1000;
const int RELOAD_PAUSE_MS = 100;
// The black homogenizer answers only a while after its sub-code is selected.
const int BLACK_HOMOGENIZER_READ_DELAY_MS = 100;
// The monitor is busy for a second after switching back to the standard game preset.
const int GAME_STANDARD_PAUSE_MS = 1000;
// Brightness the monitor takes with either Standard preset.
const int STANDARD_PRESET_BRIGHTNESS = 80;

const int OFFICE_STANDARD = 1;
const int OFFICE_LAST_SHOWN = 4;
const int GAME_STANDARD = 1;
const int GAME_LAST_MANAGED = 6;
const int CROSS_OFF = 1;
const int USER_COLOR_TEMPERATURE_INDEX = 3;

const char* const CROSS_TYPE = "cross_type";

// Value of the preview's cross_type property for crosshair 1 to 4.
QString CrossTypeName(int nCross)
{
    return QStringLiteral("cross%1").arg(nCross);
}

const CValueTable COLOR_TEMPERATURE_TABLE({{6, 0}, {8, 1}, {5, 2}, {11, 3}}, {"0x06", "0x08", "0x05", "0x0B"});
const CValueTable LOW_BLUE_LIGHT_TABLE = CValueTable::Sequential(1, 5);
const CValueTable MPRT_TABLE = CValueTable::Sequential(0, 3);
const CValueTable OVER_DRIVE_TABLE = CValueTable::Sequential(1, 5);
const CValueTable LIGHT_EFFECT_TABLE = CValueTable::Sequential(1, 5);
}

CStandardModeWidget::CStandardModeWidget(QWidget* parent)
    : CSettingsPage(PAGE_INDEX, true, parent)
    , ui(std::make_unique<Ui::CStandardModeWidget>())
{
    ui->setupUi(this);
    // Lets the page's own style sheet paint its background.
    setAttribute(Qt::WA_StyledBackground);

    // Features this product does not offer: built, connected and loaded, but not shown.
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->lblSaturation, ui->hsliderSaturation, ui->lblSaturationValue, ui->lblMPRT, ui->cmbMPRT,
             ui->btnWinOffice, ui->btnMacOffice, ui->btnPSPicture, ui->btnEditVideo, ui->btnProgram,
             ui->btnGMStrategy, ui->btnGMXbox, ui->btnGMCustom1, ui->btnGMCustom2, ui->lblAccuracyIcon,
             ui->lblHorizontal, ui->hsliderHorizontalPos, ui->lblHorizontalValue, ui->lblVertical,
             ui->hsliderVerticalPos, ui->lblVerticalValue, ui->lblRange, ui->hsliderRangeSize, ui->lblRangeValue,
             ui->lblColor, ui->widgetColor, ui->widgetColorfulLights})
        pWidget->setVisible(false);

    ConnectControls();
    connect(this, &CStandardModeWidget::Sig_AccuracyPropertyUpdate, this,
            &CStandardModeWidget::Slot_UpdateAccuracyProperty);
    ConnectGlobalSignals();
    EnableColorfulLightCtrls(false);
    ScheduleLoadAll(FIRST_LOAD_DELAY_MS);
    RegisterSharedControls();
}

CStandardModeWidget::~CStandardModeWidget() = default;

void CStandardModeWidget::ConnectControls()
{
    connect(ui->btnRefreshFastSet, &QPushButton::clicked, this, &CStandardModeWidget::Slot_RefreshFastSet);
    connect(ui->hsliderBrightness, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_BrightnessChanged);
    connect(ui->hslideBlackHomogenizer, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_BlackHomogenizerChanged);
    connect(ui->hsliderContrast, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_ContrastChanged);
    connect(ui->hsliderSPKVolume, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_SPKVolumeChanged);
    connect(ui->hsliderSaturation, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_SaturationChanged);
    connect(ui->hsliderSharpness, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_SharpnessChanged);
    connect(ui->cmbColorTemperature, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CStandardModeWidget::Slot_ColorTemperatureChanged);
    connect(ui->cmbLowBlueLight, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CStandardModeWidget::Slot_LowBlueLightChanged);
    connect(ui->cmbMPRT, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CStandardModeWidget::Slot_MPRTChanged);
    connect(ui->cmbOverDrive, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CStandardModeWidget::Slot_OverDriveChanged);
    connect(ui->hsliderUMRed, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_UserModeRedChanged);
    connect(ui->hsliderUMGreen, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_UserModeGreenChanged);
    connect(ui->hsliderUMBlue, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_UserModeBlueChanged);

    connect(ui->btnOMStandard, &QPushButton::clicked, this, &CStandardModeWidget::Slot_StandardClicked);
    connect(ui->btnMovie, &QPushButton::clicked, this, &CStandardModeWidget::Slot_MovieClicked);
    connect(ui->btnPicture, &QPushButton::clicked, this, &CStandardModeWidget::Slot_PictureClicked);
    connect(ui->btnEbook, &QPushButton::clicked, this, &CStandardModeWidget::Slot_EbookClicked);
    connect(ui->btnWinOffice, &QPushButton::clicked, this, &CStandardModeWidget::Slot_WinOfficeClicked);
    connect(ui->btnMacOffice, &QPushButton::clicked, this, &CStandardModeWidget::Slot_MacOfficeClicked);
    connect(ui->btnPSPicture, &QPushButton::clicked, this, &CStandardModeWidget::Slot_PSPictureClicked);
    connect(ui->btnEditVideo, &QPushButton::clicked, this, &CStandardModeWidget::Slot_EditVideoClicked);
    connect(ui->btnProgram, &QPushButton::clicked, this, &CStandardModeWidget::Slot_ProgramClicked);
    connect(ui->btnGMStandard, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GMStandardClicked);
    connect(ui->btnGMG1, &QPushButton::clicked, this, &CStandardModeWidget::Slot_G1Clicked);
    connect(ui->btnGMG2, &QPushButton::clicked, this, &CStandardModeWidget::Slot_G2Clicked);
    connect(ui->btnGMG3, &QPushButton::clicked, this, &CStandardModeWidget::Slot_G3Clicked);
    connect(ui->btnGMShooting, &QPushButton::clicked, this, &CStandardModeWidget::Slot_ShootingClicked);
    connect(ui->btnGMRacing, &QPushButton::clicked, this, &CStandardModeWidget::Slot_RacingClicked);
    connect(ui->btnGMStrategy, &QPushButton::clicked, this, &CStandardModeWidget::Slot_StrategyClicked);
    connect(ui->btnGMXbox, &QPushButton::clicked, this, &CStandardModeWidget::Slot_XBoxPSClicked);
    connect(ui->btnGMCustom1, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Custom1Clicked);
    connect(ui->btnGMCustom2, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Custom2Clicked);

    connect(ui->btnEnableGameCross, &QPushButton::clicked, this, &CStandardModeWidget::Slot_EnableGameCross);
    connect(ui->btnRefreshGameSet, &QPushButton::clicked, this, &CStandardModeWidget::Slot_RefreshGameSet);
    connect(ui->btnCross1, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Cross1Clicked);
    connect(ui->btnCross2, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Cross2Clicked);
    connect(ui->btnCross3, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Cross3Clicked);
    connect(ui->btnCross4, &QPushButton::clicked, this, &CStandardModeWidget::Slot_Cross4Clicked);
    connect(ui->btnGaRed, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GaRedClicked);
    connect(ui->btnGaGreen, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GaGreenClicked);
    connect(ui->btnGaBlue, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GaBlueClicked);
    connect(ui->btnGaPurple, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GaPurpleClicked);
    connect(ui->btnGaYellow, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GaYellowClicked);
    connect(ui->hsliderHorizontalPos, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_GAHorizontalChanged);
    connect(ui->hsliderVerticalPos, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_GAVerticalChanged);
    connect(ui->hsliderRangeSize, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_GARangeChanged);

    connect(ui->btnEnableColorfulLight, &QPushButton::clicked, this, &CStandardModeWidget::Slot_EnableColorfulLight);
    connect(ui->btnClMulticolor, &QPushButton::clicked, this, &CStandardModeWidget::Slot_MultiColorLight);
    connect(ui->btnClRed, &QPushButton::clicked, this, &CStandardModeWidget::Slot_RedColorLight);
    connect(ui->btnClGreen, &QPushButton::clicked, this, &CStandardModeWidget::Slot_GreenColorLight);
    connect(ui->btnClBlue, &QPushButton::clicked, this, &CStandardModeWidget::Slot_BlueColorLight);
    connect(ui->btnClPurple, &QPushButton::clicked, this, &CStandardModeWidget::Slot_PurpleColorLight);
    connect(ui->btnClYellow, &QPushButton::clicked, this, &CStandardModeWidget::Slot_YellowColorLight);
    connect(ui->cmbClEffects, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CStandardModeWidget::Slot_ClEffectsChanged);
    connect(ui->hsliderClBrightness, &QSlider::valueChanged, this, &CStandardModeWidget::Slot_ClBrightnessChanged);
}

void CStandardModeWidget::ConnectGlobalSignals()
{
    // Another page (or this one) has written the value already: show it, write nothing.
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();
    connect(pHub, &CGlobalSignal::Sig_BrightnessChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderBrightness, ui->lblBrightnessValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_ContrastChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderContrast, ui->lblContrastValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_SaturationChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderSaturation, ui->lblSaturationValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_SharpnessChanged, this,
            [this](int nValue) { FillSlider(ui->hsliderSharpness, ui->lblSharpnessValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_BlackLevelChanged, this,
            [this](int nValue) { FillSlider(ui->hslideBlackHomogenizer, ui->lblBlackHmgValue, nValue); });
    connect(pHub, &CGlobalSignal::Sig_MPRTChanged, this, [this](int nIndex) { FillComboIndex(ui->cmbMPRT, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_OverDriveChanged, this,
            [this](int nIndex) { FillComboIndex(ui->cmbOverDrive, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_OfficeModeChanged, this, &CStandardModeWidget::Slot_OfficeModeFollowed);
    connect(pHub, &CGlobalSignal::Sig_GameModeChanged, this, &CStandardModeWidget::Slot_GameModeFollowed);
}

void CStandardModeWidget::RegisterSharedControls()
{
    CtrlWidgetMana::StandardModeCtrls ctrls;
    ctrls.pBrightness = ui->hsliderBrightness;
    ctrls.pContrast = ui->hsliderContrast;
    ctrls.pSharpness = ui->hsliderSharpness;
    ctrls.pBlackHomogenizer = ui->hslideBlackHomogenizer;
    ctrls.pColorTemperature = ui->cmbColorTemperature;
    ctrls.pUMRed = ui->hsliderUMRed;
    ctrls.pUMGreen = ui->hsliderUMGreen;
    ctrls.pUMBlue = ui->hsliderUMBlue;
    ctrls.pLowBlueLight = ui->cmbLowBlueLight;
    ctrls.pEnableGameCross = ui->btnEnableGameCross;
    ctrls.pMPRT = ui->cmbMPRT;
    ctrls.pOfficeMode = ui->widgetOfficeMode;
    CtrlWidgetMana::GetInstance()->RegisterStandardMode(ctrls);
}

// ---- Loading

void CStandardModeWidget::LoadAll()
{
    LoadAllData();
}

void CStandardModeWidget::ReloadOnMonitorChange()
{
    QThread::msleep(RELOAD_PAUSE_MS);
    LoadAllData();
}

void CStandardModeWidget::LoadAllData()
{
    // Without a monitor there is nothing to read and no dialog to show.
    if (!HasMonitor())
        return;
    RunLoad(&CStandardModeWidget::LoadFastSetData, tr("Load Fast Set Data..."));
    RunLoad(&CStandardModeWidget::LoadGameSetData, tr("Load Game Set Data..."));
}

void CStandardModeWidget::Slot_RefreshFastSet()
{
    RefreshLoad(&CStandardModeWidget::LoadFastSetData, tr("Load Fast Set Data..."), RELOAD_PAUSE_MS);
}

void CStandardModeWidget::Slot_RefreshGameSet()
{
    RefreshLoad(&CStandardModeWidget::LoadGameSetData, tr("Load Game Set Data..."), RELOAD_PAUSE_MS);
}

void CStandardModeWidget::LoadFastSetData()
{
    FastSetValues values;
    values.nBrightness = ReadVcp(VCP_BRIGHTNESS);
    values.nContrast = ReadVcp(VCP_CONTRAST);
    values.nBlackHomogenizer = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_DARK_ENHANCEMENT, BLACK_HOMOGENIZER_READ_DELAY_MS);
    values.nSharpness = ReadVcp(VCP_SHARPNESS);
    values.nSaturation = ReadVcp(VCP_SATURATION);
    values.nSPKVolume = ReadVcp(VCP_SPEAKER_VOLUME);
    values.nColorTemperature = ReadVcp(VCP_COLOR_TEMPERATURE);
    values.nLowBlueLight = ReadVcp(VCP_LOW_BLUE_LIGHT);
    values.nMPRT = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT);
    values.nOverDrive = ReadVcp(VCP_OVERDRIVE);
    PostToPage([this, values] { FillFastSet(values); });
    LoadUserModeData();
}

void CStandardModeWidget::LoadUserModeData()
{
    UserModeValues values;
    values.nRed = ReadVcp(VCP_USER_RED);
    values.nGreen = ReadVcp(VCP_USER_GREEN);
    values.nBlue = ReadVcp(VCP_USER_BLUE);
    PostToPage([this, values] { FillUserMode(values); });
}

void CStandardModeWidget::LoadGameSetData()
{
    GameSetValues values;
    values.nOfficeMode = ReadVcp(VCP_SCENARIO_MODE);
    values.nGameMode = ReadVcp(VCP_GAME_MODE);
    qDebug().noquote() << QStringLiteral("预设办公模式：") + QString::number(values.nOfficeMode)
                       << QStringLiteral("预设游戏模式：") + QString::number(values.nGameMode);
    values.nCrossType = ReadVcp(VCP_GAME_CROSS);
    values.nCrossColor = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR);
    values.nHorizontalPos = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_HORIZONTAL);
    values.nVerticalPos = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_VERTICAL);
    values.nRangeSize = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_RANGE);
    values.nLightSwitch = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_SWITCH);
    values.nLightColor = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR);
    values.nLightBrightness = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_BRIGHTNESS);
    values.nLightEffect = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_EFFECT);
    PostToPage([this, values] { FillGameSet(values); });
    const bool bCrossOn = values.nCrossType > CROSS_OFF;
    PostToPage([this, bCrossOn] { ApplyGameCrossState(bCrossOn); });
}

// ---- Filling (page thread, signals blocked)

void CStandardModeWidget::FillFastSet(const FastSetValues& values)
{
    FillSlider(ui->hsliderBrightness, ui->lblBrightnessValue, values.nBrightness);
    FillSlider(ui->hsliderContrast, ui->lblContrastValue, values.nContrast);
    FillSlider(ui->hslideBlackHomogenizer, ui->lblBlackHmgValue, values.nBlackHomogenizer);
    FillSlider(ui->hsliderSharpness, ui->lblSharpnessValue, values.nSharpness);
    FillSlider(ui->hsliderSaturation, ui->lblSaturationValue, values.nSaturation);
    FillSlider(ui->hsliderSPKVolume, ui->lblSPKVolumeValue, values.nSPKVolume);
    FillCombo(ui->cmbColorTemperature, COLOR_TEMPERATURE_TABLE, values.nColorTemperature);
    FillCombo(ui->cmbLowBlueLight, LOW_BLUE_LIGHT_TABLE, values.nLowBlueLight);
    FillCombo(ui->cmbMPRT, MPRT_TABLE, values.nMPRT);
    FillCombo(ui->cmbOverDrive, OVER_DRIVE_TABLE, values.nOverDrive);
}

void CStandardModeWidget::FillUserMode(const UserModeValues& values)
{
    FillSlider(ui->hsliderUMRed, ui->lblUMRedValue, values.nRed);
    FillSlider(ui->hsliderUMGreen, ui->lblUMGreenValue, values.nGreen);
    FillSlider(ui->hsliderUMBlue, ui->lblUMBlueValue, values.nBlue);
    // The gains apply only to the user colour temperature; the box is already filled when this runs.
    const bool bUser = ui->cmbColorTemperature->currentIndex() == USER_COLOR_TEMPERATURE_INDEX;
    ui->hsliderUMRed->setEnabled(bUser);
    ui->hsliderUMGreen->setEnabled(bUser);
    ui->hsliderUMBlue->setEnabled(bUser);
}

void CStandardModeWidget::FillGameSet(const GameSetValues& values)
{
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();

    if (values.nOfficeMode >= OFFICE_STANDARD && values.nOfficeMode <= OFFICE_LAST_SHOWN) {
        QAbstractButton* pButton = ButtonForValue(OfficeButtons(), values.nOfficeMode);
        FillChecked(pButton, true);
        ui->widgetGameMode->setEnabled(values.nOfficeMode == OFFICE_STANDARD);
        emit pHub->Sig_ModeTypeChanged(pButton->text());
    }

    if (values.nGameMode == GAME_STANDARD) {
        FillChecked(ui->btnGMStandard, true);
        ui->widgetOfficeMode->setEnabled(true);
    } else if (QAbstractButton* pButton = ButtonForValue(GameButtons(), values.nGameMode)) {
        FillChecked(pButton, true);
        ui->widgetOfficeMode->setEnabled(false);
        emit pHub->Sig_ModeTypeChanged(pButton->text());
    } else {
        emit pHub->Sig_ModeTypeChanged(QString());
    }
    // The manager's game rules know the shown presets only.
    if (values.nGameMode >= GAME_STANDARD && values.nGameMode <= GAME_LAST_MANAGED)
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(values.nGameMode);

    if (QAbstractButton* pButton = ButtonForValue(CrossButtons(), values.nCrossType)) {
        emit Sig_AccuracyPropertyUpdate(QString::fromLatin1(CROSS_TYPE), CrossTypeName(values.nCrossType - CROSS_OFF));
        FillChecked(pButton, true);
    }
    if (QAbstractButton* pButton = ButtonForValue(CrossColorButtons(), values.nCrossColor))
        FillChecked(pButton, true);
    FillSlider(ui->hsliderHorizontalPos, ui->lblHorizontalValue, values.nHorizontalPos);
    FillSlider(ui->hsliderVerticalPos, ui->lblVerticalValue, values.nVerticalPos);
    FillSlider(ui->hsliderRangeSize, ui->lblRangeValue, values.nRangeSize);

    const bool bLightOn = values.nLightSwitch == 1;
    FillChecked(ui->btnEnableColorfulLight, bLightOn);
    EnableColorfulLightCtrls(bLightOn);
    // A colour the page does not offer leaves every swatch unchecked, not the one of an older load.
    for (const ValueButton& button : LightColorButtons()) {
        button.pButton->setAutoExclusive(false);
        FillChecked(button.pButton, button.nValue == values.nLightColor);
    }
    for (const ValueButton& button : LightColorButtons())
        button.pButton->setAutoExclusive(true);
    FillSlider(ui->hsliderClBrightness, ui->lblCLBrightnessValue, values.nLightBrightness);
    FillCombo(ui->cmbClEffects, LIGHT_EFFECT_TABLE, values.nLightEffect);
}

void CStandardModeWidget::ApplyGameCrossState(bool bOn)
{
    FillChecked(ui->btnEnableGameCross, bOn);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->btnCross1, ui->btnCross2, ui->btnCross3, ui->btnCross4, ui->btnGaRed, ui->btnGaGreen, ui->btnGaBlue,
             ui->btnGaPurple, ui->btnGaYellow, ui->hsliderHorizontalPos, ui->hsliderVerticalPos, ui->hsliderRangeSize})
        pWidget->setEnabled(bOn);
    if (!bOn)
        SetAccuracyProperty(CROSS_TYPE, QStringLiteral("none"));
}

// ---- Fast setting and user mode writes

void CStandardModeWidget::Slot_BrightnessChanged(int nValue)
{
    WriteSlider(ui->lblBrightnessValue, VCP_BRIGHTNESS, nValue);
    emit CGlobalSignal::GetInstance()->Sig_BrightnessChanged(nValue);
}

void CStandardModeWidget::Slot_BlackHomogenizerChanged(int nValue)
{
    WriteSubSlider(ui->lblBlackHmgValue, VCP_F0_SELECT, VCP_F0_DATA, F0_DARK_ENHANCEMENT, nValue);
    emit CGlobalSignal::GetInstance()->Sig_BlackLevelChanged(nValue);
}

void CStandardModeWidget::Slot_ContrastChanged(int nValue)
{
    WriteSlider(ui->lblContrastValue, VCP_CONTRAST, nValue);
    emit CGlobalSignal::GetInstance()->Sig_ContrastChanged(nValue);
}

void CStandardModeWidget::Slot_SPKVolumeChanged(int nValue)
{
    WriteSlider(ui->lblSPKVolumeValue, VCP_SPEAKER_VOLUME, nValue);
}

void CStandardModeWidget::Slot_SaturationChanged(int nValue)
{
    WriteSlider(ui->lblSaturationValue, VCP_SATURATION, nValue);
    emit CGlobalSignal::GetInstance()->Sig_SaturationChanged(nValue);
}

void CStandardModeWidget::Slot_SharpnessChanged(int nValue)
{
    WriteSlider(ui->lblSharpnessValue, VCP_SHARPNESS, nValue);
    emit CGlobalSignal::GetInstance()->Sig_SharpnessChanged(nValue);
}

void CStandardModeWidget::Slot_ColorTemperatureChanged(int nIndex)
{
    // Nothing selected: nothing to write and no gains to re-read.
    if (COLOR_TEMPERATURE_TABLE.ValueForIndex(nIndex).isNull())
        return;
    ResetMonitor();
    WriteCombo(COLOR_TEMPERATURE_TABLE, nIndex, VCP_COLOR_TEMPERATURE);
    // The gains follow the colour temperature; read them here, in the page's thread.
    LoadUserModeData();
}

void CStandardModeWidget::Slot_LowBlueLightChanged(int nIndex)
{
    WriteCombo(LOW_BLUE_LIGHT_TABLE, nIndex, VCP_LOW_BLUE_LIGHT);
}

void CStandardModeWidget::Slot_MPRTChanged(int nIndex)
{
    if (WriteSubCombo(MPRT_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT))
        emit CGlobalSignal::GetInstance()->Sig_MPRTChanged(nIndex);
}

void CStandardModeWidget::Slot_OverDriveChanged(int nIndex)
{
    if (WriteCombo(OVER_DRIVE_TABLE, nIndex, VCP_OVERDRIVE))
        emit CGlobalSignal::GetInstance()->Sig_OverDriveChanged(nIndex);
}

void CStandardModeWidget::Slot_UserModeRedChanged(int nValue)
{
    WriteSlider(ui->lblUMRedValue, VCP_USER_RED, nValue);
}

void CStandardModeWidget::Slot_UserModeGreenChanged(int nValue)
{
    WriteSlider(ui->lblUMGreenValue, VCP_USER_GREEN, nValue);
}

void CStandardModeWidget::Slot_UserModeBlueChanged(int nValue)
{
    WriteSlider(ui->lblUMBlueValue, VCP_USER_BLUE, nValue);
}

// ---- Presets

QVector<CStandardModeWidget::ValueButton> CStandardModeWidget::OfficeButtons() const
{
    return {{ui->btnOMStandard, 1}, {ui->btnMovie, 3},      {ui->btnPicture, 4},
            {ui->btnEbook, 2},      {ui->btnWinOffice, 5},  {ui->btnMacOffice, 6},
            {ui->btnPSPicture, 8},  {ui->btnEditVideo, 7},  {ui->btnProgram, 9}};
}

QVector<CStandardModeWidget::ValueButton> CStandardModeWidget::GameButtons() const
{
    return {{ui->btnGMStandard, 1}, {ui->btnGMG1, 2},       {ui->btnGMG2, 3},       {ui->btnGMG3, 4},
            {ui->btnGMShooting, 5}, {ui->btnGMRacing, 6},   {ui->btnGMStrategy, 7}, {ui->btnGMXbox, 8},
            {ui->btnGMCustom1, 9},  {ui->btnGMCustom2, 10}};
}

QAbstractButton* CStandardModeWidget::ButtonForValue(const QVector<ValueButton>& vecButtons, int nValue)
{
    for (const ValueButton& button : vecButtons) {
        if (button.nValue == nValue)
            return button.pButton;
    }
    return nullptr;
}

void CStandardModeWidget::OfficePresetClicked(QAbstractButton* pButton, int nValue)
{
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();
    ResetMonitor();
    WriteValue(VCP_SCENARIO_MODE, CValueTable::HexText(nValue));
    if (nValue == OFFICE_STANDARD)
        emit pHub->Sig_BrightnessChanged(STANDARD_PRESET_BRIGHTNESS);
    emit pHub->Sig_OfficeModeChanged(nValue);
    emit pHub->Sig_ModeTypeChanged(pButton->text());
}

void CStandardModeWidget::GamePresetClicked(QAbstractButton* pButton, int nValue)
{
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();
    ResetMonitor();
    WriteValue(VCP_GAME_MODE, CValueTable::HexText(nValue));
    if (nValue == GAME_STANDARD)
        emit pHub->Sig_BrightnessChanged(STANDARD_PRESET_BRIGHTNESS);
    emit pHub->Sig_GameModeChanged(nValue);
    emit pHub->Sig_ModeTypeChanged(pButton->text());
    if (nValue == GAME_STANDARD)
        QThread::msleep(GAME_STANDARD_PAUSE_MS);
}

void CStandardModeWidget::Slot_StandardClicked() { OfficePresetClicked(ui->btnOMStandard, 1); }
void CStandardModeWidget::Slot_EbookClicked() { OfficePresetClicked(ui->btnEbook, 2); }
void CStandardModeWidget::Slot_MovieClicked() { OfficePresetClicked(ui->btnMovie, 3); }
void CStandardModeWidget::Slot_PictureClicked() { OfficePresetClicked(ui->btnPicture, 4); }
void CStandardModeWidget::Slot_WinOfficeClicked() { OfficePresetClicked(ui->btnWinOffice, 5); }
void CStandardModeWidget::Slot_MacOfficeClicked() { OfficePresetClicked(ui->btnMacOffice, 6); }
void CStandardModeWidget::Slot_EditVideoClicked() { OfficePresetClicked(ui->btnEditVideo, 7); }
void CStandardModeWidget::Slot_PSPictureClicked() { OfficePresetClicked(ui->btnPSPicture, 8); }
void CStandardModeWidget::Slot_ProgramClicked() { OfficePresetClicked(ui->btnProgram, 9); }

void CStandardModeWidget::Slot_GMStandardClicked() { GamePresetClicked(ui->btnGMStandard, 1); }
void CStandardModeWidget::Slot_G1Clicked() { GamePresetClicked(ui->btnGMG1, 2); }
void CStandardModeWidget::Slot_G2Clicked() { GamePresetClicked(ui->btnGMG2, 3); }
void CStandardModeWidget::Slot_G3Clicked() { GamePresetClicked(ui->btnGMG3, 4); }
void CStandardModeWidget::Slot_ShootingClicked() { GamePresetClicked(ui->btnGMShooting, 5); }
void CStandardModeWidget::Slot_RacingClicked() { GamePresetClicked(ui->btnGMRacing, 6); }
void CStandardModeWidget::Slot_StrategyClicked() { GamePresetClicked(ui->btnGMStrategy, 7); }
void CStandardModeWidget::Slot_XBoxPSClicked() { GamePresetClicked(ui->btnGMXbox, 8); }
void CStandardModeWidget::Slot_Custom1Clicked() { GamePresetClicked(ui->btnGMCustom1, 9); }
void CStandardModeWidget::Slot_Custom2Clicked() { GamePresetClicked(ui->btnGMCustom2, 10); }

void CStandardModeWidget::Slot_OfficeModeFollowed(int nValue)
{
    if (nValue >= OFFICE_STANDARD && nValue <= OFFICE_LAST_SHOWN) {
        FillChecked(ButtonForValue(OfficeButtons(), nValue), true);
        ui->widgetGameMode->setEnabled(nValue == OFFICE_STANDARD);
    }
    CtrlWidgetMana::GetInstance()->slt_scenarioChanged(nValue);
}

void CStandardModeWidget::Slot_GameModeFollowed(int nValue)
{
    if (nValue >= GAME_STANDARD && nValue <= GAME_LAST_MANAGED)
        FillChecked(ButtonForValue(GameButtons(), nValue), true);
    ui->widgetOfficeMode->setEnabled(nValue == GAME_STANDARD);
}

// ---- Game accuracy

QVector<CStandardModeWidget::ValueButton> CStandardModeWidget::CrossButtons() const
{
    return {{ui->btnCross1, 2}, {ui->btnCross2, 3}, {ui->btnCross3, 4}, {ui->btnCross4, 5}};
}

QVector<CStandardModeWidget::ValueButton> CStandardModeWidget::CrossColorButtons() const
{
    return {{ui->btnGaRed, 1}, {ui->btnGaGreen, 2}, {ui->btnGaBlue, 3}, {ui->btnGaPurple, 4}, {ui->btnGaYellow, 5}};
}

void CStandardModeWidget::SetAccuracyProperty(const char* szKey, const QString& strValue)
{
    ui->lblAccuracyIcon->setProperty(szKey, strValue);
    // A style sheet reads dynamic properties only when the widget is polished again.
    QStyle* pStyle = ui->lblAccuracyIcon->style();
    pStyle->unpolish(ui->lblAccuracyIcon);
    pStyle->polish(ui->lblAccuracyIcon);
}

void CStandardModeWidget::Slot_UpdateAccuracyProperty(QString strPropertyKey, QString strPropertyValue)
{
    const QByteArray baKey = strPropertyKey.toLatin1();
    SetAccuracyProperty(baKey.constData(), QString::fromLatin1(strPropertyValue.toLatin1()));
}

void CStandardModeWidget::Slot_EnableGameCross(bool bChecked)
{
    // Switching on writes nothing: the monitor draws a crosshair once one is picked.
    if (!bChecked)
        WriteValue(VCP_GAME_CROSS, CValueTable::HexText(CROSS_OFF));
    PostToPage([this, bChecked] { ApplyGameCrossState(bChecked); });
}

void CStandardModeWidget::CrossClicked(int nCross)
{
    SetAccuracyProperty(CROSS_TYPE, CrossTypeName(nCross));
    WriteValue(VCP_GAME_CROSS, CValueTable::HexText(CROSS_OFF + nCross));
}

void CStandardModeWidget::Slot_Cross1Clicked() { CrossClicked(1); }
void CStandardModeWidget::Slot_Cross2Clicked() { CrossClicked(2); }
void CStandardModeWidget::Slot_Cross3Clicked() { CrossClicked(3); }
void CStandardModeWidget::Slot_Cross4Clicked() { CrossClicked(4); }

void CStandardModeWidget::Slot_GaRedClicked(bool)
{
    WriteSubValue(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, CValueTable::HexText(1));
}

void CStandardModeWidget::Slot_GaGreenClicked(bool)
{
    WriteSubValue(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, CValueTable::HexText(2));
}

void CStandardModeWidget::Slot_GaBlueClicked(bool)
{
    WriteSubValue(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, CValueTable::HexText(3));
}

void CStandardModeWidget::Slot_GaPurpleClicked(bool)
{
    WriteSubValue(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, CValueTable::HexText(4));
}

void CStandardModeWidget::Slot_GaYellowClicked(bool)
{
    WriteSubValue(VCP_F0_SELECT, VCP_F0_DATA, F0_GA_COLOR, CValueTable::HexText(5));
}

void CStandardModeWidget::Slot_GAHorizontalChanged(int nValue)
{
    WriteSubSlider(ui->lblHorizontalValue, VCP_F0_SELECT, VCP_F0_DATA, F0_GA_HORIZONTAL, nValue);
}

void CStandardModeWidget::Slot_GAVerticalChanged(int nValue)
{
    WriteSubSlider(ui->lblVerticalValue, VCP_F0_SELECT, VCP_F0_DATA, F0_GA_VERTICAL, nValue);
}

void CStandardModeWidget::Slot_GARangeChanged(int nValue)
{
    WriteSubSlider(ui->lblRangeValue, VCP_F0_SELECT, VCP_F0_DATA, F0_GA_RANGE, nValue);
}

// ---- Colourful lights

QVector<CStandardModeWidget::ValueButton> CStandardModeWidget::LightColorButtons() const
{
    return {{ui->btnClMulticolor, 0}, {ui->btnClRed, 1},    {ui->btnClGreen, 2},
            {ui->btnClBlue, 3},       {ui->btnClPurple, 5}, {ui->btnClYellow, 6}};
}

void CStandardModeWidget::EnableColorfulLightCtrls(bool bEnable)
{
    for (const ValueButton& button : LightColorButtons())
        button.pButton->setEnabled(bEnable);
    ui->cmbClEffects->setEnabled(bEnable);
    ui->hsliderClBrightness->setEnabled(bEnable);
}

void CStandardModeWidget::Slot_EnableColorfulLight(bool bChecked)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_SWITCH, CValueTable::HexText(bChecked ? 1 : 0));
    EnableColorfulLightCtrls(bChecked);
}

void CStandardModeWidget::Slot_MultiColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(0));
}

void CStandardModeWidget::Slot_RedColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(1));
}

void CStandardModeWidget::Slot_GreenColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(2));
}

void CStandardModeWidget::Slot_BlueColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(3));
}

void CStandardModeWidget::Slot_PurpleColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(5));
}

void CStandardModeWidget::Slot_YellowColorLight(bool)
{
    WriteSubValue(VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_COLOR, CValueTable::HexText(6));
}

void CStandardModeWidget::Slot_ClEffectsChanged(int nIndex)
{
    WriteSubCombo(LIGHT_EFFECT_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_EFFECT);
}

void CStandardModeWidget::Slot_ClBrightnessChanged(int nValue)
{
    WriteSubSlider(ui->lblCLBrightnessValue, VCP_EE_SELECT, VCP_EE_DATA, EE_LIGHT_BRIGHTNESS, nValue);
}
