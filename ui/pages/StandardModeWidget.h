#pragma once

#include "ui/pages/SettingsPage.h"

#include <QVector>

#include <memory>

namespace Ui
{
class CStandardModeWidget;
}

// First page of the stack: the everyday picture settings, the user-mode gains, the office and
// game presets, the game crosshair and the decorative lights. Unlike the other pages it loads
// on its own a second after construction, shown or not.
class CStandardModeWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CStandardModeWidget(QWidget* parent = nullptr);
    ~CStandardModeWidget() override;

signals:
    void Sig_AccuracyPropertyUpdate(QString strPropertyKey, QString strPropertyValue);

protected:
    void LoadAll() override;
    void ReloadOnMonitorChange() override;

private slots:
    void Slot_RefreshFastSet();
    void Slot_BrightnessChanged(int nValue);
    void Slot_BlackHomogenizerChanged(int nValue);
    void Slot_ContrastChanged(int nValue);
    void Slot_SPKVolumeChanged(int nValue);
    void Slot_SaturationChanged(int nValue);
    void Slot_SharpnessChanged(int nValue);
    void Slot_ColorTemperatureChanged(int nIndex);
    void Slot_LowBlueLightChanged(int nIndex);
    void Slot_MPRTChanged(int nIndex);
    void Slot_OverDriveChanged(int nIndex);
    void Slot_UserModeRedChanged(int nValue);
    void Slot_UserModeGreenChanged(int nValue);
    void Slot_UserModeBlueChanged(int nValue);

    void Slot_StandardClicked();
    void Slot_MovieClicked();
    void Slot_PictureClicked();
    void Slot_EbookClicked();
    void Slot_WinOfficeClicked();
    void Slot_MacOfficeClicked();
    void Slot_PSPictureClicked();
    void Slot_EditVideoClicked();
    void Slot_ProgramClicked();
    void Slot_GMStandardClicked();
    void Slot_G1Clicked();
    void Slot_G2Clicked();
    void Slot_G3Clicked();
    void Slot_ShootingClicked();
    void Slot_RacingClicked();
    void Slot_StrategyClicked();
    void Slot_XBoxPSClicked();
    void Slot_Custom1Clicked();
    void Slot_Custom2Clicked();
    // Hub followers: show a preset announced by any page, write nothing.
    void Slot_OfficeModeFollowed(int nValue);
    void Slot_GameModeFollowed(int nValue);

    void Slot_EnableGameCross(bool bChecked);
    void Slot_RefreshGameSet();
    void Slot_Cross1Clicked();
    void Slot_Cross2Clicked();
    void Slot_Cross3Clicked();
    void Slot_Cross4Clicked();
    void Slot_GaRedClicked(bool bChecked);
    void Slot_GaGreenClicked(bool bChecked);
    void Slot_GaBlueClicked(bool bChecked);
    void Slot_GaPurpleClicked(bool bChecked);
    void Slot_GaYellowClicked(bool bChecked);
    void Slot_GAHorizontalChanged(int nValue);
    void Slot_GAVerticalChanged(int nValue);
    void Slot_GARangeChanged(int nValue);
    void Slot_UpdateAccuracyProperty(QString strPropertyKey, QString strPropertyValue);

    void Slot_EnableColorfulLight(bool bChecked);
    void Slot_MultiColorLight(bool bChecked);
    void Slot_RedColorLight(bool bChecked);
    void Slot_GreenColorLight(bool bChecked);
    void Slot_BlueColorLight(bool bChecked);
    void Slot_PurpleColorLight(bool bChecked);
    void Slot_YellowColorLight(bool bChecked);
    void Slot_ClEffectsChanged(int nIndex);
    void Slot_ClBrightnessChanged(int nValue);

private:
    // Value records of the three reads, in reading order; built by the worker, copied to the fill.
    struct FastSetValues
    {
        int nBrightness;
        int nContrast;
        int nBlackHomogenizer;
        int nSharpness;
        int nSaturation;
        int nSPKVolume;
        int nColorTemperature;
        int nLowBlueLight;
        int nMPRT;
        int nOverDrive;
    };
    struct UserModeValues
    {
        int nRed;
        int nGreen;
        int nBlue;
    };
    struct GameSetValues
    {
        int nOfficeMode;
        int nGameMode;
        int nCrossType;
        int nCrossColor;
        int nHorizontalPos;
        int nVerticalPos;
        int nRangeSize;
        int nLightSwitch;
        int nLightColor;
        int nLightBrightness;
        int nLightEffect;
    };
    // A checkable button and the value it stands for.
    struct ValueButton
    {
        QAbstractButton* pButton;
        int nValue;
    };

    void ConnectControls();
    void ConnectGlobalSignals();
    void RegisterSharedControls();

    void LoadAllData();
    void LoadFastSetData();
    void LoadUserModeData();
    void LoadGameSetData();
    void FillFastSet(const FastSetValues& values);
    void FillUserMode(const UserModeValues& values);
    void FillGameSet(const GameSetValues& values);
    // The crosshair switch and the controls it governs; the preview empties when off.
    void ApplyGameCrossState(bool bOn);

    void OfficePresetClicked(QAbstractButton* pButton, int nValue);
    void GamePresetClicked(QAbstractButton* pButton, int nValue);
    void CrossClicked(int nCross);
    void SetAccuracyProperty(const char* szKey, const QString& strValue);
    void EnableColorfulLightCtrls(bool bEnable);

    QVector<ValueButton> OfficeButtons() const;
    QVector<ValueButton> GameButtons() const;
    QVector<ValueButton> CrossButtons() const;
    QVector<ValueButton> CrossColorButtons() const;
    QVector<ValueButton> LightColorButtons() const;
    static QAbstractButton* ButtonForValue(const QVector<ValueButton>& vecButtons, int nValue);

    std::unique_ptr<Ui::CStandardModeWidget> ui;
};
