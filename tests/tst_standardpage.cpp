#include "ddc/DDCUtil.h"
#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/pages/StandardModeWidget.h"

#include <memory>

using PageRecorders::Row;
using TestSupport::Transcript;

namespace
{
// Ten fast-setting values, the three gains, eleven game-set values, none of them the factory state.
const QString FAST_LOAD = "R10=70, R12=45, RF0/11=30, R87=4, R8A=55, R62=20, R14=6, RE4=2, REE/02=1, RE9=3, ";
const QString GAINS = "R16=40, R18=41, R1A=42, ";
const QString GAME_LOAD = "R22=1, RE7=1, RE8=3, RF0/08=2, RF0/09=33, RF0/0A=34, RF0/0B=35, REE/0A=1, REE/0C=3, "
                          "REE/0D=60, REE/0B=2";
}

// One page for the whole suite, loaded once (it loads itself a second after it is made); the
// later cases refresh its groups or act on it, in order.
class TestStandardPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<CStandardModeWidget> m_pPage;

private slots:
    void initTestCase()
    {
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(FAST_LOAD + GAINS + GAME_LOAD)));
        CDDCUtil::GetInstance()->Reset(); // marks the moment the page is made
        m_pPage = std::make_unique<CStandardModeWidget>();
        QVERIFY(PageRecorders::WaitForLoad(24));
        // The first load reads in order, a second after, and writes only selectors.
        QCOMPARE(Transcript().join(", "), PageRecorders::Expand("RESET, " + FAST_LOAD + GAINS + GAME_LOAD));
        QVERIFY(TestSupport::MsBetween("RESET", "GET 0 0x10 70") >= 950);
        QVERIFY(TestSupport::MsBetween("SET 0 0xF0 17", "GET 0 0xF2 30") >= 90);
        QVERIFY_CONTROLS(m_pPage.get(),
                         "hsliderBrightness=70 lblBrightnessValue=70 hsliderContrast=45 lblContrastValue=45 "
                         "hslideBlackHomogenizer=30 lblBlackHmgValue=30 hsliderSharpness=4 lblSharpnessValue=4 "
                         "hsliderSaturation=55 lblSaturationValue=55 hsliderSPKVolume=20 lblSPKVolumeValue=20 "
                         "cmbColorTemperature=0 cmbLowBlueLight=1 cmbMPRT=1 cmbOverDrive=2 hsliderUMRed=40 "
                         "lblUMRedValue=40 hsliderUMGreen=41 lblUMGreenValue=41 hsliderUMBlue=42 lblUMBlueValue=42 "
                         "-hsliderUMRed btnOMStandard=1 btnGMStandard=1 +widgetOfficeMode +widgetGameMode "
                         "btnEnableGameCross=1 btnCross2=1 btnGaGreen=1 hsliderHorizontalPos=33 lblHorizontalValue=33 "
                         "hsliderVerticalPos=34 lblVerticalValue=34 hsliderRangeSize=35 lblRangeValue=35 "
                         "btnEnableColorfulLight=1 btnClBlue=1 +btnClBlue hsliderClBrightness=60 "
                         "lblCLBrightnessValue=60 cmbClEffects=1 lblAccuracyIcon.cross_type=cross2");
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), 1);
    }
    void cleanupTestCase() { m_pPage.reset(); }

    // Each refresh resets, pauses and reloads its group, writing only selectors; failed reads show 0 or
    // nothing and keep the preset; a hidden game preset is not handed to the manager. In order.
    void refresh_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("hub");
        QTest::addColumn<QString>("controls");
        QTest::addColumn<int>("managerGameMode");
        QTest::newRow("fast set, failed reads")
            << PageRecorders::Failed(FAST_LOAD) << ""
            << "hsliderBrightness=0 lblBrightnessValue=0 hsliderContrast=0 lblContrastValue=0 hslideBlackHomogenizer=0 "
               "lblBlackHmgValue=0 hsliderSharpness=0 lblSharpnessValue=0 hsliderSPKVolume=0 lblSPKVolumeValue=0 "
               "cmbMPRT=0 cmbColorTemperature=-1 cmbLowBlueLight=-1 cmbOverDrive=-1 -hsliderUMRed" << -1;
        QTest::newRow("game set, failed presets") << "R22=-1, RE7=-1" << "Sig_ModeTypeChanged "
                                                  << "btnOMStandard=1 btnGMStandard=1" << -1;
        QTest::newRow("ebook, G1, crosshair 4, yellow")
            << "R22=2, RE7=2, RE8=5, REE/0C=6" << "Sig_ModeTypeChanged Ebook, Sig_ModeTypeChanged G1"
            << "btnEbook=1 btnOMStandard=0 btnGMG1=1 btnGMStandard=0 -widgetOfficeMode -widgetGameMode btnCross4=1 "
               "btnCross2=0 +btnCross1 +hsliderHorizontalPos lblAccuracyIcon.cross_type=cross4 btnClYellow=1 btnClBlue=0"
            << 2;
        QTest::newRow("hidden game preset")
            << "R22=3, RE7=8, RE8=2, REE/0C=5" << "Sig_ModeTypeChanged Movie, Sig_ModeTypeChanged Xbox/PS"
            << "btnMovie=1 btnEbook=0 btnGMXbox=1 btnGMG1=0 -widgetOfficeMode -widgetGameMode btnCross1=1 "
               "lblAccuracyIcon.cross_type=cross1 btnClPurple=1 btnClYellow=0" << -1;
        QTest::newRow("office preset 7, RTS, crosshair type 0, colour 4")
            << "R22=7, RE7=6, RE8=0, REE/0C=4" << "Sig_ModeTypeChanged RTS"
            << "btnGMRacing=1 btnGMXbox=0 -widgetOfficeMode btnEnableGameCross=0 -btnCross1 -hsliderHorizontalPos "
               "lblAccuracyIcon.cross_type=none btnClPurple=0" << 6;
    }
    void refresh()
    {
        QFETCH(QString, values);
        QFETCH(QString, hub);
        QFETCH(QString, controls);
        QFETCH(int, managerGameMode);
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(values)));
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        // The fast set's reads start with the brightness.
        const QString strButton = values.startsWith("R10") ? "btnRefreshFastSet" : "btnRefreshGameSet";
        const QString strEvents = PageRecorders::Events([&] { PageRecorders::Act(m_pPage.get(), strButton); });
        QCOMPARE(strEvents.split(", ").filter(QRegularExpression("^Sig_")).join(", "), hub);
        QVERIFY(TestSupport::MsBetween("RESET", Transcript().value(1)) >= 90);
        QCOMPARE(Transcript().filter(QRegularExpression("^SET 0 0x(?!EE|F0)|^RESET")), QStringList{"RESET"});
        QVERIFY_CONTROLS(m_pPage.get(), controls);
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), managerGameMode);
    }

    // In order, on the page the last refresh left (no light colour checked, crosshair off, factory gains).
    void actions_data()
    {
        PageRecorders::ActionColumns();
        Row("btnClGreen; btnClBlue", "WEE/0C=3", "btnClBlue=1 btnClGreen=0");
        Row("btnEnableColorfulLight", "WEE/0A=0", "-btnClMulticolor -cmbClEffects");
        Row("btnEnableColorfulLight", "WEE/0A=1", "+btnClRed +hsliderClBrightness");
        Row("btnClYellow", "WEE/0C=6");
        Row("btnEnableGameCross", "", "+btnCross1 btnEnableGameCross=1");
        Row("btnEnableGameCross", "WE8=1", "-btnCross1 -btnGaRed -hsliderVerticalPos lblAccuracyIcon.cross_type=none");
        Row("btnEnableGameCross; btnCross3", "WE8=4", "lblAccuracyIcon.cross_type=cross3");
        Row("btnGaPurple", "WF0/08=4");
        Row("hsliderBrightness=23", "W10=23, Sig_BrightnessChanged 23", "lblBrightnessValue=23");
        Row("hslideBlackHomogenizer=23", "WF0/11=23, Sig_BlackLevelChanged 23", "lblBlackHmgValue=23");
        Row("hsliderUMBlue=23", "W1A=23", "lblUMBlueValue=23");
        Row("hsliderClBrightness=23", "WEE/0D=23", "lblCLBrightnessValue=23");
        Row("cmbColorTemperature=3", "RESET, W14=11, R16=50, R18=50, R1A=23", "+hsliderUMRed lblUMGreenValue=50");
        Row("cmbLowBlueLight=3", "WE4=4");
        Row("cmbOverDrive=4", "WE9=5, Sig_OverDriveChanged 4");
        Row("cmbClEffects=4", "WEE/0B=5");
        Row("Sig_BrightnessChanged=7", "Sig_BrightnessChanged 7", "hsliderBrightness=7 lblBrightnessValue=7");
        Row("Sig_OverDriveChanged=1", "Sig_OverDriveChanged 1", "cmbOverDrive=1");
        Row("Sig_OfficeModeChanged=4; Sig_OfficeModeChanged=8", "Sig_OfficeModeChanged 8", "btnPicture=1 -widgetGameMode");
        Row("Sig_OfficeModeChanged=1", "Sig_OfficeModeChanged 1", "btnOMStandard=1 +widgetGameMode");
        Row("Sig_GameModeChanged=6; Sig_GameModeChanged=9", "Sig_GameModeChanged 9", "btnGMRacing=1 -widgetOfficeMode");
        // The standard game preset waits a second, then restores the brightness it stands for.
        Row("Sig_GameModeChanged=3; btnGMStandard",
            "RESET, WE7=1, Sig_BrightnessChanged 80, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard",
            "hsliderBrightness=80 lblBrightnessValue=80 btnGMStandard=1 +widgetOfficeMode", 950);
        Row("btnEbook", "RESET, W22=2, W10=100, Sig_BrightnessChanged 100, Sig_OfficeModeChanged 2, "
            "Sig_ModeTypeChanged Ebook", "btnEbook=1 -widgetGameMode");
    }
    void actions() { PageRecorders::RunActionRow(m_pPage.get()); }
};

QTEST_MAIN(TestStandardPage)
#include "tst_standardpage.moc"
