#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <memory>

using PageRecorders::Row;

namespace
{
const QString LOAD = "RE7=3, R10=33, R8A=44, R90=55, R12=66, R87=7, RF0/11=77, RE9=2, REE/02=1, RF0/13=2, REB=0, "
                     "RF0/0D=1, REC=1, RD9=2, REE/00=1, REA=1, R72=5, RE2=3, REB=0";
}

// The professional game page: its load, the mode bar with its pauses, and what each control
// writes and announces.
class TestGamePage : public QObject
{
    Q_OBJECT
    // The graphics page exists too, as in the main window: the two share gamma and gamut.
    std::unique_ptr<CProfessionalGraphicsWidget> m_pGraphics;
    std::unique_ptr<CProfessionalGameWidget> m_pPage;

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(LOAD)));
        m_pGraphics = std::make_unique<CProfessionalGraphicsWidget>();
        m_pPage = std::make_unique<CProfessionalGameWidget>();
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
    }
    void cleanup()
    {
        m_pPage.reset();
        m_pGraphics.reset();
    }

    // Failed reads give 0; the bar keeps the preset it showed (G1 here).
    void load_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values read")
            << LOAD << "hsliderBrightness=33 lblGSBrightnessValue=33 hsliderSaturation=44 lblGSSaturationValue=44 "
                       "hsliderHue=55 lblGSHueValue=55 hsliderContrast=66 lblGSContrastValue=66 hsliderSharpness=7 "
                       "lblGSSharpnessValue=7 hsliderDarkEnhancement=77 lblGSDarkEhmValue=77 cmbOverDrive=1 cmbMPRT=1 "
                       "cmbHawkeye=2 cmbAdaptiveSync=0 cmbALLM=1 cmbDisplayRefreshRate=1 cmbOwl=1 cmbOneClickBattle=1 "
                       "cmbDynamicResponseTime=1 cmbGamma=4 cmbGamutMode=1 cmbVRRProjection=0 btnG2=1 btnG1=0 -cmbGamma";
        QTest::newRow("failed reads") << QString(LOAD).replace(QRegularExpression("=\\d+"), "=-1")
                                      << "hsliderBrightness=0 lblGSBrightnessValue=0 cmbOverDrive=-1 cmbMPRT=0 "
                                         "cmbGamma=-1 cmbGamutMode=-1 btnG1=1";
    }
    void load()
    {
        PageRecorders::Act(m_pPage.get(), "Sig_GameModeChanged=2");
        PageRecorders::RunLoadRow(m_pPage.get(), 19, {"Load Data..."});
    }

    // Each row on a fresh page, not loaded.
    void actions_data()
    {
        PageRecorders::ActionColumns();
        // The slow presets announce, pause two seconds, then reset; the others reset first. The
        // hidden custom buttons only write.
        Row("btnStandard", "RESET, WE7=1, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard");
        Row("btnG1", "WE7=2, Sig_GameModeChanged 2, Sig_ModeTypeChanged G1, RESET", "", 1800);
        Row("btnShootingType", "RESET, WE7=5, Sig_GameModeChanged 5, Sig_ModeTypeChanged FPS");
        Row("btnStrategyType", "RESET, WE7=7, Sig_GameModeChanged 7, Sig_ModeTypeChanged Strategy Type");
        Row("btnCustom1", "WE7=2");
        // Adaptive sync on pauses two seconds (and resets a second later).
        Row("cmbAdaptiveSync=1", "WEB=1", "", 1800);
        for (const char* szRow : {"cmbALLM=1 WF0/0D=1", "cmbOneClickBattle=1 WEE/00=1", "cmbHawkeye=2 WF0/13=2",
                                  "cmbDisplayRefreshRate=1 WEC=1", "cmbDynamicResponseTime=1 WEA=1",
                                  "cmbVRRProjection=1 WEB=1"})
            Row(QString(szRow).section(' ', 0, 0), QString(szRow).section(' ', 1));
        Row("cmbOverDrive=4", "WE9=5, Sig_OverDriveChanged 4");
        Row("cmbGamma=4", "W72=5, Sig_GammaChanged 4");
        Row("hsliderBrightness=42", "W10=42, Sig_BrightnessChanged 42", "lblGSBrightnessValue=42");
        Row("hsliderContrast=43", "W12=43, Sig_ContrastChanged 43", "lblGSContrastValue=43");
        Row("hsliderSharpness=9", "W87=9, Sig_SharpnessChanged 9", "lblGSSharpnessValue=9");
        Row("hsliderDarkEnhancement=61", "WF0/11=61, Sig_BlackLevelChanged 61", "lblGSDarkEhmValue=61");
        Row("Sig_BlackLevelChanged=25", "Sig_BlackLevelChanged 25", "hsliderDarkEnhancement=25 lblGSDarkEhmValue=25");
        Row("Sig_OverDriveChanged=3", "Sig_OverDriveChanged 3", "cmbOverDrive=3");
        Row("Sig_GammaChanged=2", "Sig_GammaChanged 2", "cmbGamma=2");
        // An office preset elsewhere empties the bar and locks it unless it is the standard one;
        // a game mode elsewhere shows its button, if shown, and unlocks the bar.
        Row("Sig_GameModeChanged=3; Sig_OfficeModeChanged=3", "Sig_OfficeModeChanged 3", "btnG2=0 -widgetTopMenuBar");
        Row("Sig_OfficeModeChanged=7", "Sig_OfficeModeChanged 7", "-widgetTopMenuBar");
        Row("Sig_OfficeModeChanged=3; Sig_OfficeModeChanged=1", "Sig_OfficeModeChanged 1", "+widgetTopMenuBar");
        Row("Sig_OfficeModeChanged=3; Sig_OfficeModeChanged=0", "Sig_OfficeModeChanged 0", "-widgetTopMenuBar");
        Row("Sig_OfficeModeChanged=3; Sig_GameModeChanged=4", "Sig_GameModeChanged 4", "btnG3=1 +widgetTopMenuBar");
        Row("Sig_GameModeChanged=2; Sig_GameModeChanged=7", "Sig_GameModeChanged 7", "btnG1=1");
        Row("Sig_GameModeChanged=0", "Sig_GameModeChanged 0", "-widgetTopMenuBar");
        // The buttons are exclusive again after being emptied.
        Row("Sig_OfficeModeChanged=3; Sig_OfficeModeChanged=1; Sig_GameModeChanged=4; btnStandard",
            "RESET, WE7=1, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard", "btnStandard=1 btnG3=0");
    }
    void actions() { PageRecorders::RunActionRow(m_pPage.get()); }

    void gammaChosenOnGraphicsPageMovesGammaHere()
    {
        PageRecorders::Act(m_pGraphics.get(), "cmbGamma=4");
        QVERIFY_CONTROLS(m_pPage.get(), "cmbGamma=4 -cmbGamma");
        QCOMPARE(TestSupport::Transcript(), QStringList{"SET 0 0x72 5"});
    }
};

QTEST_MAIN(TestGamePage)
#include "tst_gamepage.moc"
