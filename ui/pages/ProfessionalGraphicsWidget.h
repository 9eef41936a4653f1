#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CProfessionalGraphicsWidget;
}

// Picture-mode settings as combo boxes and the six-axis hue and saturation sliders (3D LUT).
class CProfessionalGraphicsWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CProfessionalGraphicsWidget(QWidget* parent = nullptr);
    ~CProfessionalGraphicsWidget() override;

protected:
    void LoadAll() override;
    void ReloadOnMonitorChange() override;

private slots:
    void Slot_RefreshGraphics();
    void Slot_ScenarioModeChanged(int nIndex);
    void Slot_RGBRangeChanged(int nIndex);
    void Slot_ColorTypeChanged(int nIndex);
    void Slot_GammaChanged(int nIndex);
    void Slot_HDRChanged(int nIndex);
    void Slot_DynamicContrastChanged(int nIndex);
    void Slot_ICEChanged(int nIndex);
    void Slot_DynamicBacklightChanged(int nIndex);
    void Slot_EnergySavingModeChanged(int nIndex);
    void Slot_ProportionalModeChanged(int nIndex);
    void Slot_GamutModeChanged(int nIndex);
    void Slot_LowBlueLightChanged(int nIndex);
    void Slot_HueRedChanged(int nValue);
    void Slot_HueGreenChanged(int nValue);
    void Slot_HueBlueChanged(int nValue);
    void Slot_HueYellowChanged(int nValue);
    void Slot_HueMagentaChanged(int nValue);
    void Slot_HueCyanChanged(int nValue);
    void Slot_SaturationRedChanged(int nValue);
    void Slot_SaturationGreenChanged(int nValue);
    void Slot_SaturationBlueChanged(int nValue);
    void Slot_SaturationYellowChanged(int nValue);
    void Slot_SaturationMagentaChanged(int nValue);
    void Slot_SaturationCyanChanged(int nValue);

private:
    struct GraphicsModeValues
    {
        qint32 nScenarioMode;
        qint32 nRGBRange;
        qint32 nColorType;
        qint32 nGamma;
        qint32 nHDR;
        qint32 nDynamicContrast;
        qint32 nICE;
        qint32 nDynamicBacklight;
        qint32 nEnergySavingMode;
        qint32 nProportionalMode;
        qint32 nGamutMode;
        qint32 nLowBlueLight;
    };

    struct LutValues
    {
        qint32 nHueRed;
        qint32 nHueGreen;
        qint32 nHueBlue;
        qint32 nHueYellow;
        qint32 nHueMagenta;
        qint32 nHueCyan;
        qint32 nSaturationRed;
        qint32 nSaturationGreen;
        qint32 nSaturationBlue;
        qint32 nSaturationYellow;
        qint32 nSaturationMagenta;
        qint32 nSaturationCyan;
    };

    void ConnectControls();
    void ConnectGlobalSignals();
    void RegisterSharedControls();

    // Both groups one after the other, each behind its own wait dialog.
    void LoadAllData();
    void RunBothLoads();
    void LoadGraphicsModeData();
    void Load3DLutData();
    void FillGraphicsMode(const GraphicsModeValues& values);
    void Fill3DLut(const LutValues& values);

    std::unique_ptr<Ui::CProfessionalGraphicsWidget> ui;
};
