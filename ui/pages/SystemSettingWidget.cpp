#include "ui/pages/SystemSettingWidget.h"

#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ValueTable.h"

#include "ui_SystemSettingWidget.h"

#include <QThread>

namespace
{
const int PAGE_INDEX = 3;
// The monitor needs this long after a factory reset before it answers sensibly again.
const unsigned long FACTORY_RESET_SETTLE_MS = 1500;

const CValueTable OFF_ON_TABLE({{0, 0}, {1, 1}}, {"0x00", "0x01"});
const CValueTable HDMI_VERSION_TABLE({{0, 0}, {1, 1}}, {"0x00", "0x01"});
const CValueTable KVM_TABLE({{0, 0}, {1, 1}, {2, 2}}, {"0x00", "0x01", "0x02"});
// Combo order 中文, English, 한국어, РУССКИЙ, Español, 日本語, Français; the values are the
// standard OSD language codes.
const CValueTable OSD_LANGUAGE_TABLE({{13, 0}, {2, 1}, {7, 2}, {9, 3}, {10, 4}, {6, 5}, {3, 6}},
                                     {"0x0D", "0x02", "0x07", "0x09", "0x0A", "0x06", "0x03"});
const CValueTable PIP_SIZE_TABLE({{0, 0}, {1, 1}, {2, 2}}, {"0x00", "0x01", "0x02"});
const CValueTable PIP_POSITION_TABLE({{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {"0x00", "0x01", "0x02", "0x03"});
// The sub signal is never read; its values skip 0x01.
const CValueTable SUB_SIGNAL_TABLE({{0, 0}, {2, 1}, {3, 2}, {4, 3}}, {"0x00", "0x02", "0x03", "0x04"});

const char* const PIP_PBP_OFF = "0x00";
const char* const PIP_PBP_PBP = "0x01";
const char* const PIP_PBP_PIP = "0x02";
const char* const FACTORY_RESET_VALUE = "0x01";
}

CSystemSettingWidget::CSystemSettingWidget(QWidget* parent)
    : CSettingsPage(PAGE_INDEX, false, parent)
    , ui(std::make_unique<Ui::CSystemSettingWidget>())
{
    ui->setupUi(this);

    // Runs in the first pass of the event loop: the PIP/PBP controls start disabled.
    PostPipPbpState(false);

    connect(ui->btnRefreshSysSetting, &QPushButton::clicked, this, &CSystemSettingWidget::Slot_RefreshSysSetting);
    connect(ui->cmbHDMIVersion, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_HDMIVersionChanged);
    connect(ui->cmbKVM, qOverload<int>(&QComboBox::currentIndexChanged), this, &CSystemSettingWidget::Slot_KVMChanged);
    connect(ui->cmbTypeCDsc, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_TypeCDscChanged);
    connect(ui->cmbOSDLang, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_OSDLanguageChanged);
    connect(ui->cmbUSBUpgrade, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_USBUpgradeChanged);
    connect(ui->cmbReadingLamp, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_ReadingLampChanged);
    connect(ui->cmbUSBMains, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_USBMainsChanged);
    connect(ui->cmbLightEco, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_LightEcoChanged);
    connect(ui->cmbLightPerception, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_LightPerceptionChanged);
    connect(ui->btnPipPbp, &QPushButton::clicked, this, &CSystemSettingWidget::Slot_PipPbpClicked);
    connect(ui->btnPIP, &QPushButton::clicked, this, &CSystemSettingWidget::Slot_PipClicked);
    connect(ui->btnPBP, &QPushButton::clicked, this, &CSystemSettingWidget::Slot_PbpClicked);
    connect(ui->cmbPipSize, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_PipSizeChanged);
    connect(ui->cmbPipPosition, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_PipPositionChanged);
    connect(ui->cmbSubSignal, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSystemSettingWidget::Slot_SubSignalChanged);
    connect(ui->btnReset, &QPushButton::clicked, this, &CSystemSettingWidget::Slot_Reset);

    CtrlWidgetMana::GetInstance()->RegisterSystemSetting(ui->cmbReadingLamp);

    // Not offered by the current product; still built, connected and (light perception) loaded.
    const QList<QWidget*> listHidden{ui->lblLightPerception, ui->cmbLightPerception, ui->label, ui->btnPipPbp,
                                     ui->btnPIP, ui->lblPIPIcon, ui->btnPBP, ui->lblPBPIcon,
                                     ui->label_2, ui->cmbPipSize, ui->label_3, ui->cmbPipPosition,
                                     ui->label_5, ui->cmbSubSignal};
    for (QWidget* pWidget : listHidden)
        pWidget->setVisible(false);
}

CSystemSettingWidget::~CSystemSettingWidget() = default;

void CSystemSettingWidget::LoadAll()
{
    RunLoad<CSystemSettingWidget>(&CSystemSettingWidget::LoadSysSettingData, tr("Load Data..."));
}

void CSystemSettingWidget::Slot_RefreshSysSetting()
{
    CDDCUtil::GetInstance()->Reset();
    LoadAll();
}

void CSystemSettingWidget::LoadSysSettingData()
{
    // Checked here rather than before the dialog, so the dialog still shows without a monitor.
    if (!HasMonitor())
        return;

    SysSettingValues values;
    values.nHDMIVersion = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_HDMI_VERSION, 0);
    values.nKVM = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_KVM, 0);
    values.nTypeCDsc = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_TYPEC_DSC, 0);
    values.nOSDLanguage = ReadVcp(VCP_OSD_LANGUAGE);
    values.nUSBUpgrade = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_USB_UPGRADE, 0);
    values.nReadingLamp = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_READING_LAMP, 0);
    values.nUSBMains = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_USB_MAINS, 0);
    values.nLightEco = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_LIGHT_ECO, 0);
    values.nLightPerception = ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_LIGHT_PERCEPTION, 0);

    // Not shown on this page, but still read: the monitor keeps seeing the traffic it always
    // has, selector writes included.
    ReadVcp(VCP_INPUT_SOURCE);
    ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_SUB_01, 0);
    ReadSubVcp(VCP_F0_SELECT, VCP_F0_DATA, F0_SUB_00, 0);

    PostToPage([this, values] { FillSysSetting(values); });
}

void CSystemSettingWidget::FillSysSetting(const SysSettingValues& values)
{
    FillCombo(ui->cmbHDMIVersion, HDMI_VERSION_TABLE, values.nHDMIVersion);
    FillCombo(ui->cmbKVM, KVM_TABLE, values.nKVM);
    FillCombo(ui->cmbTypeCDsc, OFF_ON_TABLE, values.nTypeCDsc);
    FillCombo(ui->cmbOSDLang, OSD_LANGUAGE_TABLE, values.nOSDLanguage);
    FillCombo(ui->cmbUSBUpgrade, OFF_ON_TABLE, values.nUSBUpgrade);
    FillCombo(ui->cmbReadingLamp, OFF_ON_TABLE, values.nReadingLamp);
    FillCombo(ui->cmbUSBMains, OFF_ON_TABLE, values.nUSBMains);
    FillCombo(ui->cmbLightEco, OFF_ON_TABLE, values.nLightEco);
    FillCombo(ui->cmbLightPerception, OFF_ON_TABLE, values.nLightPerception);
}

void CSystemSettingWidget::Slot_HDMIVersionChanged(int nIndex)
{
    WriteSubCombo(HDMI_VERSION_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_HDMI_VERSION);
}

void CSystemSettingWidget::Slot_KVMChanged(int nIndex)
{
    WriteSubCombo(KVM_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_KVM);
}

void CSystemSettingWidget::Slot_TypeCDscChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_TYPEC_DSC);
}

void CSystemSettingWidget::Slot_OSDLanguageChanged(int nIndex)
{
    // The monitor's on-screen menu only; this program's own language is set in the title bar.
    WriteCombo(OSD_LANGUAGE_TABLE, nIndex, VCP_OSD_LANGUAGE);
}

void CSystemSettingWidget::Slot_USBUpgradeChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_USB_UPGRADE);
}

void CSystemSettingWidget::Slot_ReadingLampChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_READING_LAMP);
}

void CSystemSettingWidget::Slot_USBMainsChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_USB_MAINS);
}

void CSystemSettingWidget::Slot_LightEcoChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_LIGHT_ECO);
}

void CSystemSettingWidget::Slot_LightPerceptionChanged(int nIndex)
{
    WriteSubCombo(OFF_ON_TABLE, nIndex, VCP_F0_SELECT, VCP_F0_DATA, F0_LIGHT_PERCEPTION);
}

void CSystemSettingWidget::PostPipPbpState(bool bOn)
{
    QMetaObject::invokeMethod(this, [this, bOn] { ApplyPipPbpState(bOn); }, Qt::QueuedConnection);
}

void CSystemSettingWidget::ApplyPipPbpState(bool bOn)
{
    ui->btnPIP->setEnabled(bOn);
    ui->btnPBP->setEnabled(bOn);
    ui->cmbSubSignal->setEnabled(bOn);
    // Size and position only make sense once PIP itself is chosen.
    ui->cmbPipSize->setEnabled(false);
    ui->cmbPipPosition->setEnabled(false);
}

void CSystemSettingWidget::WritePipPbpMode(const QString& strMode)
{
    CDDCUtil::GetInstance()->SetSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_PIP_PBP, strMode);
}

void CSystemSettingWidget::Slot_PipPbpClicked(bool bChecked)
{
    PostPipPbpState(bChecked);
    // Switching on writes nothing: the mode is written when PIP or PBP is chosen.
    if (!bChecked)
        WritePipPbpMode(QString::fromLatin1(PIP_PBP_OFF));
}

void CSystemSettingWidget::Slot_PipClicked(bool bChecked)
{
    if (!bChecked)
        return;
    WritePipPbpMode(QString::fromLatin1(PIP_PBP_PIP));
    ui->cmbPipSize->setEnabled(true);
    ui->cmbPipPosition->setEnabled(true);

    const int nSize = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_PIP_SIZE, 0);
    const int nPosition = ReadSubVcp(VCP_EE_SELECT, VCP_EE_DATA, EE_PIP_POSITION, 0);
    // Signals stay live: a changed index writes the value back through the combo's slot,
    // and an index of -1 (a value outside the table) writes nothing.
    ui->cmbPipSize->setCurrentIndex(PIP_SIZE_TABLE.IndexForValue(nSize));
    ui->cmbPipPosition->setCurrentIndex(PIP_POSITION_TABLE.IndexForValue(nPosition));
}

void CSystemSettingWidget::Slot_PbpClicked(bool bChecked)
{
    if (!bChecked)
        return;
    WritePipPbpMode(QString::fromLatin1(PIP_PBP_PBP));
    ui->cmbPipSize->setEnabled(false);
    ui->cmbPipPosition->setEnabled(false);
}

void CSystemSettingWidget::Slot_PipSizeChanged(int nIndex)
{
    WriteSubCombo(PIP_SIZE_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_PIP_SIZE);
}

void CSystemSettingWidget::Slot_PipPositionChanged(int nIndex)
{
    WriteSubCombo(PIP_POSITION_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_PIP_POSITION);
}

void CSystemSettingWidget::Slot_SubSignalChanged(int nIndex)
{
    WriteSubCombo(SUB_SIGNAL_TABLE, nIndex, VCP_EE_SELECT, VCP_EE_DATA, EE_SUB_SIGNAL);
}

void CSystemSettingWidget::Slot_Reset()
{
    CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QString::fromLatin1(FACTORY_RESET_VALUE));
    QThread::msleep(FACTORY_RESET_SETTLE_MS);
    CDDCUtil::GetInstance()->Reset();
    // This page reloads at once (it is on show); every other page reloads when next shown.
    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(PAGE_INDEX);
}
