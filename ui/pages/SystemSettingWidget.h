#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CSystemSettingWidget;
}

// The monitor's system options, the OSD language, picture-in-picture / picture-by-picture and
// the factory reset. Loads everything in one group when first shown.
class CSystemSettingWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CSystemSettingWidget(QWidget* parent = nullptr);
    ~CSystemSettingWidget() override;

protected:
    void LoadAll() override;

private slots:
    void Slot_RefreshSysSetting();
    void Slot_HDMIVersionChanged(int nIndex);
    void Slot_KVMChanged(int nIndex);
    void Slot_TypeCDscChanged(int nIndex);
    void Slot_OSDLanguageChanged(int nIndex);
    void Slot_USBUpgradeChanged(int nIndex);
    void Slot_ReadingLampChanged(int nIndex);
    void Slot_USBMainsChanged(int nIndex);
    void Slot_LightEcoChanged(int nIndex);
    void Slot_LightPerceptionChanged(int nIndex);
    void Slot_PipPbpClicked(bool bChecked);
    void Slot_PipClicked(bool bChecked);
    void Slot_PbpClicked(bool bChecked);
    void Slot_PipSizeChanged(int nIndex);
    void Slot_PipPositionChanged(int nIndex);
    void Slot_SubSignalChanged(int nIndex);
    void Slot_Reset();

private:
    // One load's values, in reading order.
    struct SysSettingValues
    {
        int nHDMIVersion = 0;
        int nKVM = 0;
        int nTypeCDsc = 0;
        int nOSDLanguage = 0;
        int nUSBUpgrade = 0;
        int nReadingLamp = 0;
        int nUSBMains = 0;
        int nLightEco = 0;
        int nLightPerception = 0;
    };

    void LoadSysSettingData();
    void FillSysSetting(const SysSettingValues& values);
    // Queues the PIP/PBP state update to this page's thread.
    void PostPipPbpState(bool bOn);
    void ApplyPipPbpState(bool bOn);
    static void WritePipPbpMode(const QString& strMode);

    std::unique_ptr<Ui::CSystemSettingWidget> ui;
};
