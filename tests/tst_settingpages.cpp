#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <memory>

using PageRecorders::Row;

namespace
{
// Every value read differs from the factory state, so that a fill from the wrong code shows.
const QString GAME_LOAD = "RE7=3, R10=33, R8A=44, R90=55, R12=66, R87=7, RF0/11=77, RE9=2, REE/02=1, RF0/13=2, "
                          "REB=0, RF0/0D=1, REC=1, RD9=2, REE/00=1, REA=1, R72=5, RE2=3, REB=0";
const QString GRAPHICS_LOAD = "R22=4, RE5=3, RD8=3, R72=5, REE/01=5, REE/03=1, RF0/0E=1, RF0/0C=3, RF0/12=1, R24=4, "
                              "RE2=1, RE4=5, R9B=101, R9D=12, R9F=13, R9C=14, RA0=15, R9E=16, R59=21, R5B=22, "
                              "R5D=23, R5A=24, R5E=25, R5C=26";
const QString SYSTEM_LOAD = "REE/07=1, REE/08=2, REE/09=1, RCC=3, RF0/07=1, REE/05=1, RF0/06=1, RF0/0F=1, RF0/10=1, "
                            "R60=17, RF0/01=3, RF0/00=4";
}

// The graphics, game and system pages, made afresh per row: what a load reads and shows, what each
// control writes and announces. Graphics and game exist together: they share gamma and gamut.
class TestSettingPages : public QObject
{
    Q_OBJECT
    std::unique_ptr<CProfessionalGraphicsWidget> m_pGraphics;
    std::unique_ptr<CProfessionalGameWidget> m_pGame;
    std::unique_ptr<CSystemSettingWidget> m_pSystem;

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(GAME_LOAD)));
        m_pGraphics = std::make_unique<CProfessionalGraphicsWidget>();
        m_pGame = std::make_unique<CProfessionalGameWidget>();
        m_pSystem = std::make_unique<CSystemSettingWidget>();
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
    }

    // Failed reads give 0; the bar keeps the preset it showed (G1 here).
    void gameLoad_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values read")
            << GAME_LOAD
            << "hsliderBrightness=33 lblGSBrightnessValue=33 hsliderSaturation=44 lblGSSaturationValue=44 "
               "hsliderHue=55 lblGSHueValue=55 hsliderContrast=66 lblGSContrastValue=66 hsliderSharpness=7 "
               "lblGSSharpnessValue=7 hsliderDarkEnhancement=77 lblGSDarkEhmValue=77 cmbOverDrive=1 cmbMPRT=1 "
               "cmbHawkeye=2 cmbAdaptiveSync=0 cmbALLM=1 cmbDisplayRefreshRate=1 cmbOwl=1 cmbOneClickBattle=1 "
               "cmbDynamicResponseTime=1 cmbGamma=4 cmbGamutMode=1 cmbVRRProjection=0 btnG2=1 btnG1=0 -cmbGamma";
        QTest::newRow("failed reads") << PageRecorders::Failed(GAME_LOAD)
                                      << "hsliderBrightness=0 lblGSBrightnessValue=0 cmbOverDrive=-1 cmbMPRT=0 "
                                         "cmbGamma=-1 cmbGamutMode=-1 btnG1=1";
    }
    void gameLoad()
    {
        PageRecorders::Act(m_pGame.get(), "Sig_GameModeChanged=2");
        PageRecorders::RunLoadRow(m_pGame.get(), 19, 1, "btnRefreshGameSet", "cmbOverDrive");
    }

    void gameActions_data()
    {
        PageRecorders::ActionColumns();
        // Slow presets announce, pause 2 s, then reset; the others reset first; hidden custom ones only write.
        Row("btnStandard", "RESET, WE7=1, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard");
        Row("btnG1", "WE7=2, Sig_GameModeChanged 2, Sig_ModeTypeChanged G1, RESET", "", 1800);
        Row("btnShootingType", "RESET, WE7=5, Sig_GameModeChanged 5, Sig_ModeTypeChanged FPS");
        Row("btnStrategyType", "RESET, WE7=7, Sig_GameModeChanged 7, Sig_ModeTypeChanged Strategy Type");
        Row("btnCustom1", "WE7=2");
        // Adaptive sync on pauses two seconds (and resets a second later).
        Row("cmbAdaptiveSync=1", "WEB=1", "", 1800);
        PageRecorders::WriteRows({"cmbALLM=1 WF0/0D=1", "cmbOneClickBattle=1 WEE/00=1", "cmbHawkeye=2 WF0/13=2",
                "cmbDisplayRefreshRate=1 WEC=1", "cmbDynamicResponseTime=1 WEA=1", "cmbVRRProjection=1 WEB=1"});
        Row("cmbOverDrive=4", "WE9=5, Sig_OverDriveChanged 4");
        Row("cmbGamma=4", "W72=5, Sig_GammaChanged 4");
        Row("hsliderBrightness=42", "W10=42, Sig_BrightnessChanged 42", "lblGSBrightnessValue=42");
        Row("hsliderContrast=43", "W12=43, Sig_ContrastChanged 43", "lblGSContrastValue=43");
        Row("hsliderSharpness=9", "W87=9, Sig_SharpnessChanged 9", "lblGSSharpnessValue=9");
        Row("hsliderDarkEnhancement=61", "WF0/11=61, Sig_BlackLevelChanged 61", "lblGSDarkEhmValue=61");
        Row("Sig_BlackLevelChanged=25", "Sig_BlackLevelChanged 25", "hsliderDarkEnhancement=25 lblGSDarkEhmValue=25");
        Row("Sig_OverDriveChanged=3", "Sig_OverDriveChanged 3", "cmbOverDrive=3");
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
    void gameActions() { PageRecorders::RunActionRow(m_pGame.get()); }

    // Boxes with a row for 0 show "Off" after a failed read, the others nothing (as for any value
    // without a row); a lookup-table slider clamps, its label shows the number read.
    void graphicsLoad_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values read")
            << GRAPHICS_LOAD
            << "cmbScenarioMode=2 cmbRGBRange=1 cmbColorType=2 cmbGamma=4 cmbHDR=2 cmbDynamicContrast=1 cmbICE=1 "
               "cmbDynamicBacklight=3 cmbEnergySavingMode=1 cmbProportionalMode=2 cmbGamutMode=3 cmbLowBlueLight=4 "
               "vsliderHueRed=100 lblHMRedValue=101 vsliderHueYellow=14 lblHMMagentaValue=15 "
               "vsliderSaturationCyan=26 lblSMYellowValue=24";
        QTest::newRow("failed reads")
            << PageRecorders::Failed(GRAPHICS_LOAD)
            << "cmbScenarioMode=-1 cmbRGBRange=-1 cmbColorType=-1 cmbGamma=-1 cmbHDR=0 cmbDynamicContrast=0 cmbICE=0 "
               "cmbDynamicBacklight=0 cmbEnergySavingMode=0 cmbProportionalMode=-1 cmbGamutMode=-1 "
               "cmbLowBlueLight=-1 vsliderHueRed=0 lblHMRedValue=0";
    }
    void graphicsLoad()
    {
        m_pGame.reset(); // its controls would follow the manager's rules, which write
        PageRecorders::RunLoadRow(m_pGraphics.get(), 24, 2, "btnRefreshGraphics", "cmbRGBRange");
    }

    // The boxes the manager's rules follow, and every slider's code, are checked by tst_ctrlintegration.
    void graphicsActions_data()
    {
        PageRecorders::ActionColumns();
        Row("cmbScenarioMode=3", "RESET, W22=2, Sig_OfficeModeChanged 2, Sig_ModeTypeChanged Ebook(Black/White)");
        PageRecorders::WriteRows({"cmbRGBRange=1 WE5=3", "cmbColorType=2 WD8=3", "cmbICE=1 WF0/0E=1",
                                  "cmbEnergySavingMode=1 WF0/12=1", "cmbProportionalMode=1 W24=3"});
        Row("vsliderHueRed=37", "W9B=37", "lblHMRedValue=37");
        Row("Sig_OfficeModeChanged=4", "Sig_OfficeModeChanged 4", "cmbScenarioMode=2");
        Row("Sig_OfficeModeChanged=7", "Sig_OfficeModeChanged 7", "cmbScenarioMode=-1");
        // A game mode elsewhere empties the scenario box; only the standard one leaves it open.
        Row("Sig_GameModeChanged=3; Sig_GameModeChanged=1", "Sig_GameModeChanged 1",
            "cmbScenarioMode=-1 +cmbScenarioMode");
        Row("Sig_GameModeChanged=3", "Sig_GameModeChanged 3", "cmbScenarioMode=-1 -cmbScenarioMode");
        Row("Sig_GammaChanged=3", "Sig_GammaChanged 3", "cmbGamma=3");
    }
    void graphicsActions() { PageRecorders::RunActionRow(m_pGraphics.get()); }

    // A failed read shows the first item, or nothing where 0 has no row.
    void systemLoad_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values") << SYSTEM_LOAD
                                << "cmbHDMIVersion=1 cmbKVM=2 cmbTypeCDsc=1 cmbOSDLang=6 cmbUSBUpgrade=1 "
                                   "cmbReadingLamp=1 cmbUSBMains=1 cmbLightEco=1 cmbLightPerception=1 -cmbHDMIVersion "
                                   "-cmbKVM -cmbLightEco +cmbReadingLamp +cmbLightPerception";
        QTest::newRow("failed reads") << "REE/08=-1, RCC=-1, ..." << "cmbKVM=0 cmbOSDLang=-1";
    }
    void systemLoad() { PageRecorders::RunLoadRow(m_pSystem.get(), 12, 1, "btnRefreshSysSetting", "cmbKVM"); }

    void systemActions_data()
    {
        PageRecorders::ActionColumns();
        PageRecorders::WriteRows({"cmbHDMIVersion=1 WEE/07=1", "cmbKVM=2 WEE/08=2", "cmbTypeCDsc=1 WEE/09=1",
                                  "cmbOSDLang=0 WCC=13", "cmbUSBUpgrade=1 WF0/07=1", "cmbReadingLamp=1 WEE/05=1",
                                  "cmbLightPerception=1 WF0/10=1", "cmbPipSize=2 WEE/11=2", "cmbPipPosition=3 WEE/10=3",
                                  "cmbSubSignal=3 WEE/0F=4"});
        Row("cmbSubSignal=1", "WEE/0F=2"); // no sub-signal 0x01
        // Switching PIP/PBP on writes nothing until a mode is chosen; off writes at once.
        Row("btnPipPbp", "", "+btnPIP +btnPBP +cmbSubSignal -cmbPipSize");
        Row("btnPipPbp; btnPBP", "WEE/0E=1", "-cmbPipSize");
        Row("btnPipPbp; btnPipPbp", "WEE/0E=0", "-btnPIP -btnPBP -cmbSubSignal");
        // PIP reads size and position back: a value outside its box's table stays as the monitor
        // has it, one inside is written back through the box.
        const QString strPip = "0xEE/0x11=%1; 0xEE/0x10=%2; btnPipPbp; btnPIP";
        const QString strRead = "WEE/0E=2, REE/11=%1, REE/10=%2";
        Row(strPip.arg(5).arg(2), strRead.arg(5).arg(2) + ", WEE/10=2", "+cmbPipSize +cmbPipPosition");
        Row(strPip.arg(1).arg(9), strRead.arg(1).arg(9) + ", WEE/11=1");
        Row(strPip.arg(7).arg(4), strRead.arg(7).arg(4));
        Row(strPip.arg(0).arg(0), strRead.arg(0).arg(0));
    }
    void systemActions() { PageRecorders::RunActionRow(m_pSystem.get()); }

    // The reset pauses 1.5 s, then reloads this page only; the others load when next shown.
    void systemFactoryResetReloadsThisPageOnly()
    {
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(SYSTEM_LOAD)));
        CAboutThisMachineWidget other;
        other.show();
        m_pSystem->show();
        QVERIFY(PageRecorders::WaitForLoad(12));
        PageRecorders::Act(m_pSystem.get(), "cmbOSDLang=1"); // English, 0x02: no longer the factory value
        QCOMPARE(TestSupport::Sim()->Value(0, "0xCC"), 2);
        TestSupport::Sim()->ClearTranscript();
        CWaitDialogProbe probe;
        PageRecorders::Act(m_pSystem.get(), "btnReset");
        QCOMPARE(TestSupport::Transcript().join(", "), PageRecorders::Expand("W04=1, RESET, " + SYSTEM_LOAD));
        QCOMPARE(probe.Opened(), 1);
        QVERIFY(TestSupport::MsBetween("SET 0 0x04 1", "RESET") >= 1400);
        QVERIFY_CONTROLS(m_pSystem.get(), "cmbOSDLang=6");
        QVERIFY(m_pSystem->IsLoaded() && !other.IsLoaded());
    }
};

QTEST_MAIN(TestSettingPages)
#include "tst_settingpages.moc"
