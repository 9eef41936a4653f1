#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <memory>

using PageRecorders::Row;

namespace
{
const QByteArray GAME_VALUES = R"({"monitors":[{"values":{"0xE7":3,"0x10":33,"0x8A":44,"0x90":55,"0x12":66,
    "0x87":7,"0xF0/0x11":77,"0xE9":2,"0xEE/0x02":1,"0xF0/0x13":2,"0xEB":0,"0xF0/0x0D":1,"0xEC":1,"0xD9":2,
    "0xEE/0x00":1,"0xEA":1,"0x72":5,"0xE2":3}}]})";
const QByteArray FAILED_READS = R"({"monitors":[{"failing":["0xE7","0x10","0x8A","0x90","0x12","0x87","0xF0/0x11",
    "0xE9","0xEE/0x02","0xF0/0x13","0xEB","0xF0/0x0D","0xEC","0xD9","0xEE/0x00","0xEA","0x72","0xE2"]}]})";
}

// The professional game page: its load, the mode bar with its pauses, and what each control
// writes and announces.
class TestGamePage : public QObject
{
    Q_OBJECT
private:
    // The graphics page exists too, as in the main window: the two share gamma and gamut.
    std::unique_ptr<CProfessionalGraphicsWidget> m_pGraphics;
    std::unique_ptr<CProfessionalGameWidget> m_pPage;

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseSimConfig(GAME_VALUES));
        m_pGraphics = std::make_unique<CProfessionalGraphicsWidget>();
        m_pPage = std::make_unique<CProfessionalGameWidget>();
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        TestSupport::Sim()->ClearTranscript();
    }
    void cleanup()
    {
        m_pPage.reset();
        m_pGraphics.reset();
    }

    // Failed reads give 0; the bar keeps the preset it showed (G1 here). Only the selectors of
    // the sub-coded reads are written.
    void load_data()
    {
        PageRecorders::LoadColumns();
        PageRecorders::LoadRow(
            "values read", GAME_VALUES,
            "GET 0 0xE7 3, GET 0 0x10 33, GET 0 0x8A 44, GET 0 0x90 55, GET 0 0x12 66, GET 0 0x87 7, SET 0 0xF0 17, "
            "GET 0 0xF2 77, GET 0 0xE9 2, SET 0 0xEE 2, GET 0 0xEF 1, SET 0 0xF0 19, GET 0 0xF2 2, GET 0 0xEB 0, "
            "SET 0 0xF0 13, GET 0 0xF2 1, GET 0 0xEC 1, GET 0 0xD9 2, SET 0 0xEE 0, GET 0 0xEF 1, GET 0 0xEA 1, "
            "GET 0 0x72 5, GET 0 0xE2 3, GET 0 0xEB 0",
            "hsliderBrightness=33 lblGSBrightnessValue=33 hsliderSaturation=44 lblGSSaturationValue=44 "
            "hsliderHue=55 lblGSHueValue=55 hsliderContrast=66 lblGSContrastValue=66 hsliderSharpness=7 "
            "lblGSSharpnessValue=7 hsliderDarkEnhancement=77 lblGSDarkEhmValue=77 cmbOverDrive=1 cmbMPRT=1 "
            "cmbHawkeye=2 cmbAdaptiveSync=0 cmbALLM=1 cmbDisplayRefreshRate=1 cmbOwl=1 cmbOneClickBattle=1 "
            "cmbDynamicResponseTime=1 cmbGamma=4 cmbGamutMode=1 cmbVRRProjection=0 btnG2=1 btnG1=0 -cmbGamma");
        PageRecorders::LoadRow("failed reads", FAILED_READS, QString(),
                               "hsliderBrightness=0 lblGSBrightnessValue=0 cmbOverDrive=-1 cmbMPRT=0 cmbGamma=-1 "
                               "cmbGamutMode=-1 btnG1=1");
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
        Row("btnStandard", "RESET, SET 0 0xE7 1, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard");
        Row("btnG1", "SET 0 0xE7 2, Sig_GameModeChanged 2, Sig_ModeTypeChanged G1, RESET", "", 1800);
        Row("btnShootingType", "RESET, SET 0 0xE7 5, Sig_GameModeChanged 5, Sig_ModeTypeChanged FPS");
        Row("btnStrategyType", "RESET, SET 0 0xE7 7, Sig_GameModeChanged 7, Sig_ModeTypeChanged Strategy Type");
        Row("btnCustom1", "SET 0 0xE7 2");
        // Adaptive sync on pauses two seconds (and resets a second later).
        Row("cmbAdaptiveSync=1", "SET 0 0xEB 1", "", 1800);
        Row("cmbOverDrive=4", "SET 0 0xE9 5, Sig_OverDriveChanged 4");
        Row("cmbGamma=4", "SET 0 0x72 5, Sig_GammaChanged 4");
        Row("cmbALLM=1", "SET 0 0xF0 13, SET 0 0xF2 1");
        Row("cmbOneClickBattle=1", "SET 0 0xEE 0, SET 0 0xEF 1");
        Row("cmbHawkeye=2", "SET 0 0xF0 19, SET 0 0xF2 2");
        Row("cmbDisplayRefreshRate=1", "SET 0 0xEC 1");
        Row("cmbDynamicResponseTime=1", "SET 0 0xEA 1");
        Row("cmbVRRProjection=1", "SET 0 0xEB 1");
        Row("hsliderBrightness=42", "SET 0 0x10 42, Sig_BrightnessChanged 42", "lblGSBrightnessValue=42");
        Row("hsliderContrast=43", "SET 0 0x12 43, Sig_ContrastChanged 43", "lblGSContrastValue=43");
        Row("hsliderSharpness=9", "SET 0 0x87 9, Sig_SharpnessChanged 9", "lblGSSharpnessValue=9");
        Row("hsliderDarkEnhancement=61", "SET 0 0xF0 17, SET 0 0xF2 61, Sig_BlackLevelChanged 61", "lblGSDarkEhmValue=61");
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
            "RESET, SET 0 0xE7 1, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard", "btnStandard=1 btnG3=0");
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
