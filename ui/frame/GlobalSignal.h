#pragma once

#include <QObject>
#include <QString>

// Keeps pages that show the same feature in step: a page that has just written a feature
// announces the value and the others show it without writing again.
class CGlobalSignal : public QObject
{
    Q_OBJECT
public:
    static CGlobalSignal* GetInstance();

signals:
    void Sig_MonitorChanged(int nCurrSubWinIndex);
    void Sig_BrightnessChanged(int nValue);
    void Sig_ContrastChanged(int nValue);
    void Sig_SaturationChanged(int nValue);
    void Sig_SharpnessChanged(int nValue);
    void Sig_BlackLevelChanged(int nValue);
    void Sig_OfficeModeChanged(int nValue);
    void Sig_GameModeChanged(int nValue);
    void Sig_ModeTypeChanged(QString strValue);
    void Sig_MPRTChanged(int nIndex);
    void Sig_OverDriveChanged(int nIndex);
    void Sig_GammaChanged(int nIndex);
    void Sig_GamutModeChanged(int nIndex);

private:
    CGlobalSignal() = default;
};
