#include "ui/pages/ProfessionalGraphicsWidget.h"

#include "ui_ProfessionalGraphicsWidget.h"

#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ValueTable.h"

#include <QSignalBlocker>
#include <QTimer>

namespace
{
const int PAGE_INDEX = 1;
const int MONITOR_CHANGE_DELAY_MS = 100;
// The energy-saving value needs a moment after its selector is written.
const int ENERGY_SAVING_READ_DELAY_MS = 100;

// Value read -> index, and index -> value text written, per combo box.
const CValueTable SCENARIO_MODE_TABLE({{1, 0}, {3, 1}, {4, 2}, {2, 3}}, {"0x01", "0x03", "0x04", "0x02"});
const CValueTable RGB_RANGE_TABLE({{1, 0}, {3, 1}, {2, 2}}, {"0x01", "0x03", "0x02"});
const CValueTable COLOR_TYPE_TABLE({{1, 0}, {2, 1}, {3, 2}}, {"0x01", "0x02", "0x03"});
const CValueTable GAMMA_TABLE = CValueTable::Sequential(1, 5);
const CValueTable HDR_TABLE({{0, 0}, {6, 1}, {5, 2}}, {"0x00", "0x06", "0x05"});
const CValueTable OFF_ON_TABLE = CValueTable::Sequential(0, 2);
const CValueTable DYNAMIC_BACKLIGHT_TABLE = CValueTable::Sequential(0, 4);
const CValueTable PROPORTIONAL_MODE_TABLE({{1, 0}, {3, 1}, {4, 2}}, {"0x01", "0x03", "0x04"});
const CValueTable GAMUT_MODE_TABLE({{2, 0}, {3, 1}, {4, 2}, {1, 3}}, {"0x02", "0x03", "0x04", "0x01"});
const CValueTable LOW_BLUE_LIGHT_TABLE = CValueTable::Sequential(1, 5);

// The office value a scenario index writes (the number behind the value text).
int ScenarioValueForIndex(int nIndex)
{
    return SCENARIO_MODE_TABLE.ValueForIndex(nIndex).toInt(nullptr, 16);
}
}

CProfessionalGraphicsWidget::CProfessionalGraphicsWidget(QWidget* parent)
    : CSettingsPage(PAGE_INDEX, false, parent)
    , ui(std::make_unique<Ui::CProfessionalGraphicsWidget>())
{
    ui->setupUi(this);

    // Features this product does not offer: still read, filled and connected.
    ui->lblICE->setVisible(false);
    ui->cmbICE->setVisible(false);
    ui->lblEnergySaveMode->setVisible(false);
    ui->cmbEnergySavingMode->setVisible(false);
    ui->lblHDR->setVisible(false);
    ui->cmbHDR->setVisible(false);

    ConnectControls();
    ConnectGlobalSignals();
    RegisterSharedControls();
}

CProfessionalGraphicsWidget::~CProfessionalGraphicsWidget() = default;

void CProfessionalGraphicsWidget::ConnectControls()
{
    connect(ui->btnRefreshGraphics, &QPushButton::clicked, this, &CProfessionalGraphicsWidget::Slot_RefreshGraphics);

    const auto indexChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(ui->cmbScenarioMode, indexChanged, this, &CProfessionalGraphicsWidget::Slot_ScenarioModeChanged);
    connect(ui->cmbRGBRange, indexChanged, this, &CProfessionalGraphicsWidget::Slot_RGBRangeChanged);
    connect(ui->cmbColorType, indexChanged, this, &CProfessionalGraphicsWidget::Slot_ColorTypeChanged);
    connect(ui->cmbGamma, indexChanged, this, &CProfessionalGraphicsWidget::Slot_GammaChanged);
    connect(ui->cmbHDR, indexChanged, this, &CProfessionalGraphicsWidget::Slot_HDRChanged);
    connect(ui->cmbDynamicContrast, indexChanged, this, &CProfessionalGraphicsWidget::Slot_DynamicContrastChanged);
    connect(ui->cmbICE, indexChanged, this, &CProfessionalGraphicsWidget::Slot_ICEChanged);
    connect(ui->cmbDynamicBacklight, indexChanged, this, &CProfessionalGraphicsWidget::Slot_DynamicBacklightChanged);
    connect(ui->cmbEnergySavingMode, indexChanged, this, &CProfessionalGraphicsWidget::Slot_EnergySavingModeChanged);
    connect(ui->cmbProportionalMode, indexChanged, this, &CProfessionalGraphicsWidget::Slot_ProportionalModeChanged);
    connect(ui->cmbGamutMode, indexChanged, this, &CProfessionalGraphicsWidget::Slot_GamutModeChanged);
    connect(ui->cmbLowBlueLight, indexChanged, this, &CProfessionalGraphicsWidget::Slot_LowBlueLightChanged);

    connect(ui->vsliderHueRed, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueRedChanged);
    connect(ui->vsliderHueGreen, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueGreenChanged);
    connect(ui->vsliderHueBlue, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueBlueChanged);
    connect(ui->vsliderHueYellow, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueYellowChanged);
    connect(ui->vsliderHueMagenta, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueMagentaChanged);
    connect(ui->vsliderHueCyan, &QSlider::valueChanged, this, &CProfessionalGraphicsWidget::Slot_HueCyanChanged);
    connect(ui->vsliderSaturationRed, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationRedChanged);
    connect(ui->vsliderSaturationGreen, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationGreenChanged);
    connect(ui->vsliderSaturationBlue, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationBlueChanged);
    connect(ui->vsliderSaturationYellow, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationYellowChanged);
    connect(ui->vsliderSaturationMagenta, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationMagentaChanged);
    connect(ui->vsliderSaturationCyan, &QSlider::valueChanged, this,
            &CProfessionalGraphicsWidget::Slot_SaturationCyanChanged);
}

void CProfessionalGraphicsWidget::ConnectGlobalSignals()
{
    CGlobalSignal* pHub = CGlobalSignal::GetInstance();
    connect(pHub, &CGlobalSignal::Sig_OfficeModeChanged, this,
            [this](int nValue) { FillCombo(ui->cmbScenarioMode, SCENARIO_MODE_TABLE, nValue); });
    // A game preset overrides the scenario; only the standard game mode leaves it selectable.
    connect(pHub, &CGlobalSignal::Sig_GameModeChanged, this, [this](int nValue) {
        FillComboIndex(ui->cmbScenarioMode, -1);
        ui->cmbScenarioMode->setEnabled(nValue == 1);
    });
    connect(pHub, &CGlobalSignal::Sig_GammaChanged, this,
            [this](int nIndex) { FillComboIndex(ui->cmbGamma, nIndex); });
    connect(pHub, &CGlobalSignal::Sig_GamutModeChanged, this,
            [this](int nIndex) { FillComboIndex(ui->cmbGamutMode, nIndex); });
}

void CProfessionalGraphicsWidget::RegisterSharedControls()
{
    CtrlWidgetMana::GraphicsCtrls ctrls;
    ctrls.pScenarioMode = ui->cmbScenarioMode;
    ctrls.pHDR = ui->cmbHDR;
    ctrls.pRGBRange = ui->cmbRGBRange;
    ctrls.pColorType = ui->cmbColorType;
    ctrls.pDynamicContrast = ui->cmbDynamicContrast;
    ctrls.pLowBlueLight = ui->cmbLowBlueLight;
    ctrls.pHueRed = ui->vsliderHueRed;
    ctrls.pHueGreen = ui->vsliderHueGreen;
    ctrls.pHueBlue = ui->vsliderHueBlue;
    ctrls.pHueYellow = ui->vsliderHueYellow;
    ctrls.pHueMagenta = ui->vsliderHueMagenta;
    ctrls.pHueCyan = ui->vsliderHueCyan;
    ctrls.pSaturationRed = ui->vsliderSaturationRed;
    ctrls.pSaturationGreen = ui->vsliderSaturationGreen;
    ctrls.pSaturationBlue = ui->vsliderSaturationBlue;
    ctrls.pSaturationYellow = ui->vsliderSaturationYellow;
    ctrls.pSaturationMagenta = ui->vsliderSaturationMagenta;
    ctrls.pSaturationCyan = ui->vsliderSaturationCyan;
    ctrls.pProportionalMode = ui->cmbProportionalMode;
    ctrls.pGamutMode = ui->cmbGamutMode;
    ctrls.pDynamicBacklight = ui->cmbDynamicBacklight;
    ctrls.pGamma = ui->cmbGamma;
    CtrlWidgetMana::GetInstance()->RegisterProfessionalGraphics(ctrls);
}

void CProfessionalGraphicsWidget::LoadAll()
{
    LoadAllData();
}

void CProfessionalGraphicsWidget::ReloadOnMonitorChange()
{
    QTimer::singleShot(MONITOR_CHANGE_DELAY_MS, this, [this] { LoadAllData(); });
}

void CProfessionalGraphicsWidget::LoadAllData()
{
    if (!HasMonitor())
        return;
    RunBothLoads();
}

void CProfessionalGraphicsWidget::Slot_RefreshGraphics()
{
    CDDCUtil::GetInstance()->Reset();
    RunBothLoads();
}

void CProfessionalGraphicsWidget::RunBothLoads()
{
    RunLoad<CProfessionalGraphicsWidget>(&CProfessionalGraphicsWidget::LoadGraphicsModeData,
                                         tr("Load Graphics Mode Data..."));
    RunLoad<CProfessionalGraphicsWidget>(&CProfessionalGraphicsWidget::Load3DLutData, tr("Load 3D Lut Data..."));
}

void CProfessionalGraphicsWidget::LoadGraphicsModeData()
{
    GraphicsModeValues values;
    values.nScenarioMode = ReadVcp(VCP_SCENARIO_MODE);
    values.nRGBRange = ReadVcp(VCP_RGB_RANGE);
    values.nColorType = ReadVcp(VCP_COLOR_TYPE);
    values.nGamma = ReadVcp(VCP_GAMMA);
    values.nHDR = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_HDR);
    values.nDynamicContrast = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_DYNAMIC_CONTRAST);
    values.nICE = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ICE);
    values.nDynamicBacklight = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_DYNAMIC_BACKLIGHT);
    values.nEnergySavingMode = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_ENERGY_SAVING, ENERGY_SAVING_READ_DELAY_MS);
    values.nProportionalMode = ReadVcp(VCP_PROPORTIONAL_MODE);
    values.nGamutMode = ReadVcp(VCP_GAMUT_MODE);
    values.nLowBlueLight = ReadVcp(VCP_LOW_BLUE_LIGHT);
    PostToPage([this, values] { FillGraphicsMode(values); });
}

void CProfessionalGraphicsWidget::Load3DLutData()
{
    LutValues values;
    values.nHueRed = ReadVcp(VCP_HUE_RED);
    values.nHueGreen = ReadVcp(VCP_HUE_GREEN);
    values.nHueBlue = ReadVcp(VCP_HUE_BLUE);
    values.nHueYellow = ReadVcp(VCP_HUE_YELLOW);
    values.nHueMagenta = ReadVcp(VCP_HUE_MAGENTA);
    values.nHueCyan = ReadVcp(VCP_HUE_CYAN);
    values.nSaturationRed = ReadVcp(VCP_SATURATION_RED);
    values.nSaturationGreen = ReadVcp(VCP_SATURATION_GREEN);
    values.nSaturationBlue = ReadVcp(VCP_SATURATION_BLUE);
    values.nSaturationYellow = ReadVcp(VCP_SATURATION_YELLOW);
    values.nSaturationMagenta = ReadVcp(VCP_SATURATION_MAGENTA);
    values.nSaturationCyan = ReadVcp(VCP_SATURATION_CYAN);
    PostToPage([this, values] { Fill3DLut(values); });
}

void CProfessionalGraphicsWidget::FillGraphicsMode(const GraphicsModeValues& values)
{
    {
        // The manager gets the value read (not the index) while the box is still silent; the
        // controls it changes on other pages are not silenced and write as on a user change.
        const QSignalBlocker blocker(ui->cmbScenarioMode);
        ui->cmbScenarioMode->setCurrentIndex(SCENARIO_MODE_TABLE.IndexForValue(values.nScenarioMode));
        CtrlWidgetMana::GetInstance()->slt_scenarioChanged(values.nScenarioMode);
    }
    FillCombo(ui->cmbRGBRange, RGB_RANGE_TABLE, values.nRGBRange);
    FillCombo(ui->cmbColorType, COLOR_TYPE_TABLE, values.nColorType);
    FillCombo(ui->cmbGamma, GAMMA_TABLE, values.nGamma);
    FillCombo(ui->cmbHDR, HDR_TABLE, values.nHDR);
    FillCombo(ui->cmbDynamicContrast, OFF_ON_TABLE, values.nDynamicContrast);
    if (values.nDynamicContrast == 1)
        CtrlWidgetMana::GetInstance()->slt_dynamicContrastChanged(1);
    FillCombo(ui->cmbICE, OFF_ON_TABLE, values.nICE);
    FillCombo(ui->cmbDynamicBacklight, DYNAMIC_BACKLIGHT_TABLE, values.nDynamicBacklight);
    FillCombo(ui->cmbEnergySavingMode, OFF_ON_TABLE, values.nEnergySavingMode);
    FillCombo(ui->cmbProportionalMode, PROPORTIONAL_MODE_TABLE, values.nProportionalMode);
    FillCombo(ui->cmbGamutMode, GAMUT_MODE_TABLE, values.nGamutMode);
    FillCombo(ui->cmbLowBlueLight, LOW_BLUE_LIGHT_TABLE, values.nLowBlueLight);
}

void CProfessionalGraphicsWidget::Fill3DLut(const LutValues& values)
{
    FillSlider(ui->vsliderHueRed, ui->lblHMRedValue, values.nHueRed);
    FillSlider(ui->vsliderHueGreen, ui->lblHMGreenValue, values.nHueGreen);
    FillSlider(ui->vsliderHueBlue, ui->lblHMBlueValue, values.nHueBlue);
    FillSlider(ui->vsliderHueYellow, ui->lblHMYellowValue, values.nHueYellow);
    FillSlider(ui->vsliderHueMagenta, ui->lblHMMagentaValue, values.nHueMagenta);
    FillSlider(ui->vsliderHueCyan, ui->lblHMCyanValue, values.nHueCyan);
    FillSlider(ui->vsliderSaturationRed, ui->lblSMRedValue, values.nSaturationRed);
    FillSlider(ui->vsliderSaturationGreen, ui->lblSMGreenValue, values.nSaturationGreen);
    FillSlider(ui->vsliderSaturationBlue, ui->lblSMBlueValue, values.nSaturationBlue);
    FillSlider(ui->vsliderSaturationYellow, ui->lblSMYellowValue, values.nSaturationYellow);
    FillSlider(ui->vsliderSaturationMagenta, ui->lblSMMagentaValue, values.nSaturationMagenta);
    FillSlider(ui->vsliderSaturationCyan, ui->lblSMCyanValue, values.nSaturationCyan);
}

void CProfessionalGraphicsWidget::Slot_ScenarioModeChanged(int nIndex)
{
    // Nothing selected (the box emptied by the manager or a hub listener) is no scenario: no
    // reset, no write, no announcement.
    const int nValue = ScenarioValueForIndex(nIndex);
    if (nValue <= 0)
        return;
    CDDCUtil::GetInstance()->Reset();
    WriteCombo(SCENARIO_MODE_TABLE, nIndex, VCP_SCENARIO_MODE);
    emit CGlobalSignal::GetInstance()->Sig_OfficeModeChanged(nValue);
    emit CGlobalSignal::GetInstance()->Sig_ModeTypeChanged(ui->cmbScenarioMode->currentText());
}

void CProfessionalGraphicsWidget::Slot_RGBRangeChanged(int nIndex)
{
    WriteCombo(RGB_RANGE_TABLE, nIndex, VCP_RGB_RANGE);
}

void CProfessionalGraphicsWidget::Slot_ColorTypeChanged(int nIndex)
{
    WriteCombo(COLOR_TYPE_TABLE, nIndex, VCP_COLOR_TYPE);
}

void CProfessionalGraphicsWidget::Slot_GammaChanged(int nIndex)
{
    if (WriteCombo(GAMMA_TABLE, nIndex, VCP_GAMMA))
        emit CGlobalSignal::GetInstance()->Sig_GammaChanged(nIndex);
}

void CProfessionalGraphicsWidget::Slot_HDRChanged(int nIndex)
{
    WriteSubCombo(HDR_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_HDR);
}

void CProfessionalGraphicsWidget::Slot_DynamicContrastChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_DYNAMIC_CONTRAST);
}

void CProfessionalGraphicsWidget::Slot_ICEChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_ICE);
}

void CProfessionalGraphicsWidget::Slot_DynamicBacklightChanged(int nIndex)
{
    WriteSubCombo(DYNAMIC_BACKLIGHT_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_DYNAMIC_BACKLIGHT);
}

void CProfessionalGraphicsWidget::Slot_EnergySavingModeChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_ENERGY_SAVING);
}

void CProfessionalGraphicsWidget::Slot_ProportionalModeChanged(int nIndex)
{
    WriteCombo(PROPORTIONAL_MODE_TABLE, nIndex, VCP_PROPORTIONAL_MODE);
}

void CProfessionalGraphicsWidget::Slot_GamutModeChanged(int nIndex)
{
    if (WriteCombo(GAMUT_MODE_TABLE, nIndex, VCP_GAMUT_MODE))
        emit CGlobalSignal::GetInstance()->Sig_GamutModeChanged(nIndex);
}

void CProfessionalGraphicsWidget::Slot_LowBlueLightChanged(int nIndex)
{
    // The control manager's rule for this box runs from its own connection.
    WriteCombo(LOW_BLUE_LIGHT_TABLE, nIndex, VCP_LOW_BLUE_LIGHT);
}

void CProfessionalGraphicsWidget::Slot_HueRedChanged(int nValue)
{
    WriteSlider(ui->lblHMRedValue, VCP_HUE_RED, nValue);
}

void CProfessionalGraphicsWidget::Slot_HueGreenChanged(int nValue)
{
    WriteSlider(ui->lblHMGreenValue, VCP_HUE_GREEN, nValue);
}

void CProfessionalGraphicsWidget::Slot_HueBlueChanged(int nValue)
{
    WriteSlider(ui->lblHMBlueValue, VCP_HUE_BLUE, nValue);
}

void CProfessionalGraphicsWidget::Slot_HueYellowChanged(int nValue)
{
    WriteSlider(ui->lblHMYellowValue, VCP_HUE_YELLOW, nValue);
}

void CProfessionalGraphicsWidget::Slot_HueMagentaChanged(int nValue)
{
    WriteSlider(ui->lblHMMagentaValue, VCP_HUE_MAGENTA, nValue);
}

void CProfessionalGraphicsWidget::Slot_HueCyanChanged(int nValue)
{
    WriteSlider(ui->lblHMCyanValue, VCP_HUE_CYAN, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationRedChanged(int nValue)
{
    WriteSlider(ui->lblSMRedValue, VCP_SATURATION_RED, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationGreenChanged(int nValue)
{
    WriteSlider(ui->lblSMGreenValue, VCP_SATURATION_GREEN, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationBlueChanged(int nValue)
{
    WriteSlider(ui->lblSMBlueValue, VCP_SATURATION_BLUE, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationYellowChanged(int nValue)
{
    WriteSlider(ui->lblSMYellowValue, VCP_SATURATION_YELLOW, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationMagentaChanged(int nValue)
{
    WriteSlider(ui->lblSMMagentaValue, VCP_SATURATION_MAGENTA, nValue);
}

void CProfessionalGraphicsWidget::Slot_SaturationCyanChanged(int nValue)
{
    WriteSlider(ui->lblSMCyanValue, VCP_SATURATION_CYAN, nValue);
}
