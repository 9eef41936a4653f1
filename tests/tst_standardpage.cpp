#include "ddc/DDCUtil.h"
#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/pages/StandardModeWidget.h"

#include <memory>

using TestSupport::Transcript;

namespace
{
// Every value the page reads, none of them the factory state.
const QVariantMap BASE_VALUES{{"0x10", 70},       {"0x12", 45},      {"0xF0/0x11", 30}, {"0x87", 4},
                              {"0x8A", 55},       {"0x62", 20},      {"0x14", 6},       {"0xE4", 2},
                              {"0xEE/0x02", 1},   {"0xE9", 3},       {"0x16", 40},      {"0x18", 41},
                              {"0x1A", 42},       {"0x22", 1},       {"0xE7", 1},       {"0xE8", 3},
                              {"0xF0/0x08", 2},   {"0xF0/0x09", 33}, {"0xF0/0x0A", 34}, {"0xF0/0x0B", 35},
                              {"0xEE/0x0A", 1},   {"0xEE/0x0C", 3},  {"0xEE/0x0D", 60}, {"0xEE/0x0B", 2}};

// Ten fast-setting values, the three gains, eleven game-set values; only the selectors are written.
const QString FAST_LOAD = "GET 0 0x10 70, GET 0 0x12 45, SET 0 0xF0 17, GET 0 0xF2 30, GET 0 0x87 4, "
                          "GET 0 0x8A 55, GET 0 0x62 20, GET 0 0x14 6, GET 0 0xE4 2, SET 0 0xEE 2, GET 0 0xEF 1, "
                          "GET 0 0xE9 3, GET 0 0x16 40, GET 0 0x18 41, GET 0 0x1A 42";
const QString GAME_LOAD = "GET 0 0x22 1, GET 0 0xE7 1, GET 0 0xE8 3, SET 0 0xF0 8, GET 0 0xF2 2, SET 0 0xF0 9, "
                          "GET 0 0xF2 33, SET 0 0xF0 10, GET 0 0xF2 34, SET 0 0xF0 11, GET 0 0xF2 35, "
                          "SET 0 0xEE 10, GET 0 0xEF 1, SET 0 0xEE 12, GET 0 0xEF 3, SET 0 0xEE 13, GET 0 0xEF 60, "
                          "SET 0 0xEE 11, GET 0 0xEF 2";
}

// One page for the whole suite, loaded once (it loads itself a second after it is made); the
// later cases refresh its groups or act on it, in order.
class TestStandardPage : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<CStandardModeWidget> m_pPage;

    // Clicks a group's refresh button and returns the hub signals the reload sent.
    QString Reload(const char* szButton)
    {
        TestSupport::Sim()->ClearTranscript();
        PageRecorders::CEventLog log;
        TestSupport::Child<QAbstractButton>(m_pPage.get(), szButton)->click();
        return log.Lines().filter(QRegularExpression("^Sig_")).join(", ");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(BASE_VALUES)));
        CDDCUtil::GetInstance()->Reset(); // marks the moment the page is made
        m_pPage = std::make_unique<CStandardModeWidget>();
        QVERIFY(PageRecorders::WaitForLoad(24));
    }
    void cleanupTestCase() { m_pPage.reset(); }

    void firstLoadReadsInOrderAfterOneSecondAndWritesNothing()
    {
        QCOMPARE(Transcript().join(", "), "RESET, " + FAST_LOAD + ", " + GAME_LOAD);
        const qint64 nWaitedMs = TestSupport::MsBetween("RESET", "GET 0 0x10 70");
        QVERIFY2(nWaitedMs >= 950, qPrintable(QString::number(nWaitedMs)));
        const qint64 nSelectedMs = TestSupport::MsBetween("SET 0 0xF0 17", "GET 0 0xF2 30");
        QVERIFY2(nSelectedMs >= 90, qPrintable(QString::number(nSelectedMs)));
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

    // Each refresh button resets, pauses, then reloads its group; failed reads show 0 or an empty box, and
    // a failed preset read changes no preset and names no mode.
    void failedReadsShowZeroAndEmptyBoxes()
    {
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(
            BASE_VALUES, {"0x10", "0x12", "0xF0/0x11", "0x87", "0x8A", "0x62", "0x14", "0xE4", "0xEE/0x02", "0xE9",
                          "0x22", "0xE7"})));
        Reload("btnRefreshFastSet");
        QCOMPARE(Transcript().join(", "),
                 "RESET, GET 0 0x10 -1, GET 0 0x12 -1, SET 0 0xF0 17, GET 0 0xF2 -1, GET 0 0x87 -1, GET 0 0x8A -1, "
                 "GET 0 0x62 -1, GET 0 0x14 -1, GET 0 0xE4 -1, SET 0 0xEE 2, GET 0 0xEF -1, GET 0 0xE9 -1, "
                 "GET 0 0x16 40, GET 0 0x18 41, GET 0 0x1A 42");
        QVERIFY(TestSupport::MsBetween("RESET", "GET 0 0x10 -1") >= 90);
        QVERIFY_CONTROLS(m_pPage.get(), "hsliderBrightness=0 lblBrightnessValue=0 hsliderContrast=0 lblContrastValue=0 "
                                        "hslideBlackHomogenizer=0 lblBlackHmgValue=0 hsliderSharpness=0 "
                                        "lblSharpnessValue=0 hsliderSPKVolume=0 lblSPKVolumeValue=0 cmbMPRT=0 "
                                        "cmbColorTemperature=-1 cmbLowBlueLight=-1 cmbOverDrive=-1 -hsliderUMRed");
        QCOMPARE(Reload("btnRefreshGameSet"), "Sig_ModeTypeChanged ");
        QVERIFY_CONTROLS(m_pPage.get(), "btnOMStandard=1 btnGMStandard=1");
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(BASE_VALUES)));
    }

    // Presets, crosshair and light colour read: the buttons shown, the groups locked, the mode named;
    // a hidden game preset is shown but not handed to the control manager. Rows run in order on
    // the same page, so each also clears what the row before checked.
    void gameSetFill_data()
    {
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("modeNames");
        QTest::addColumn<QString>("controls");
        QTest::addColumn<int>("managerGameMode");
        QTest::newRow("ebook, G1, crosshair 4, yellow")
            << QVariantMap{{"0x22", 2}, {"0xE7", 2}, {"0xE8", 5}, {"0xEE/0x0C", 6}}
            << "Sig_ModeTypeChanged Ebook, Sig_ModeTypeChanged G1"
            << "btnEbook=1 btnOMStandard=0 btnGMG1=1 btnGMStandard=0 -widgetOfficeMode -widgetGameMode btnCross4=1 "
               "btnCross2=0 +btnCross1 +hsliderHorizontalPos lblAccuracyIcon.cross_type=cross4 btnClYellow=1 btnClBlue=0"
            << 2;
        QTest::newRow("hidden game preset")
            << QVariantMap{{"0x22", 3}, {"0xE7", 8}, {"0xE8", 2}, {"0xEE/0x0C", 5}}
            << "Sig_ModeTypeChanged Movie, Sig_ModeTypeChanged Xbox/PS"
            << "btnMovie=1 btnEbook=0 btnGMXbox=1 btnGMG1=0 -widgetOfficeMode -widgetGameMode btnCross1=1 "
               "lblAccuracyIcon.cross_type=cross1 btnClPurple=1 btnClYellow=0"
            << -1;
        QTest::newRow("office preset 7, RTS, crosshair type 0, colour 4")
            << QVariantMap{{"0x22", 7}, {"0xE7", 6}, {"0xE8", 0}, {"0xEE/0x0C", 4}} << "Sig_ModeTypeChanged RTS"
            << "btnGMRacing=1 btnGMXbox=0 -widgetOfficeMode btnEnableGameCross=0 -btnCross1 -hsliderHorizontalPos "
               "lblAccuracyIcon.cross_type=none btnClPurple=0"
            << 6;
    }
    void gameSetFill()
    {
        QFETCH(QVariantMap, values);
        QFETCH(QString, modeNames);
        QFETCH(QString, controls);
        QFETCH(int, managerGameMode);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            TestSupport::Sim()->SetValue(0, it.key(), it.value().toInt());
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        QCOMPARE(Reload("btnRefreshGameSet"), modeNames);
        QVERIFY_CONTROLS(m_pPage.get(), controls);
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), managerGameMode);
        QCOMPARE(TestSupport::Writes().filter(QRegularExpression(" 0x(22|E7|E8) ")), QStringList());
    }

    // In order, on the page the last fill left (no light colour checked, crosshair off).
    void actions_data()
    {
        using PageRecorders::Row;
        PageRecorders::ActionColumns();
        Row("btnClGreen; btnClBlue", "SET 0 0xEE 12, SET 0 0xEF 3", "btnClBlue=1 btnClGreen=0");
        Row("btnEnableColorfulLight", "SET 0 0xEE 10, SET 0 0xEF 0", "-btnClMulticolor -cmbClEffects");
        Row("btnEnableColorfulLight", "SET 0 0xEE 10, SET 0 0xEF 1", "+btnClRed +hsliderClBrightness");
        Row("btnClYellow", "SET 0 0xEE 12, SET 0 0xEF 6");
        Row("btnEnableGameCross", "", "+btnCross1 btnEnableGameCross=1");
        Row("btnEnableGameCross", "SET 0 0xE8 1", "-btnCross1 -btnGaRed -hsliderVerticalPos lblAccuracyIcon.cross_type=none");
        Row("btnEnableGameCross; btnCross3", "SET 0 0xE8 4", "lblAccuracyIcon.cross_type=cross3");
        Row("btnGaPurple", "SET 0 0xF0 8, SET 0 0xF2 4");
        Row("hsliderBrightness=23", "SET 0 0x10 23, Sig_BrightnessChanged 23", "lblBrightnessValue=23");
        Row("hslideBlackHomogenizer=23", "SET 0 0xF0 17, SET 0 0xF2 23, Sig_BlackLevelChanged 23", "lblBlackHmgValue=23");
        Row("hsliderUMBlue=23", "SET 0 0x1A 23", "lblUMBlueValue=23");
        Row("hsliderClBrightness=23", "SET 0 0xEE 13, SET 0 0xEF 23", "lblCLBrightnessValue=23");
        Row("cmbColorTemperature=3", "RESET, SET 0 0x14 11, GET 0 0x16 40, GET 0 0x18 41, GET 0 0x1A 23",
            "+hsliderUMRed lblUMGreenValue=41");
        Row("cmbLowBlueLight=3", "SET 0 0xE4 4");
        Row("cmbOverDrive=4", "SET 0 0xE9 5, Sig_OverDriveChanged 4");
        Row("cmbClEffects=4", "SET 0 0xEE 11, SET 0 0xEF 5");
        Row("Sig_BrightnessChanged=7", "Sig_BrightnessChanged 7", "hsliderBrightness=7 lblBrightnessValue=7");
        Row("Sig_MPRTChanged=1", "Sig_MPRTChanged 1", "cmbMPRT=1");
        Row("Sig_OverDriveChanged=1", "Sig_OverDriveChanged 1", "cmbOverDrive=1");
        Row("Sig_OfficeModeChanged=4; Sig_OfficeModeChanged=8", "Sig_OfficeModeChanged 8", "btnPicture=1 -widgetGameMode");
        Row("Sig_OfficeModeChanged=1", "Sig_OfficeModeChanged 1", "btnOMStandard=1 +widgetGameMode");
        Row("Sig_GameModeChanged=6; Sig_GameModeChanged=9", "Sig_GameModeChanged 9", "btnGMRacing=1 -widgetOfficeMode");
        // The standard game preset waits a second, then restores the brightness it stands for.
        Row("Sig_GameModeChanged=3; btnGMStandard",
            "RESET, SET 0 0xE7 1, Sig_BrightnessChanged 80, Sig_GameModeChanged 1, Sig_ModeTypeChanged Standard",
            "hsliderBrightness=80 lblBrightnessValue=80 btnGMStandard=1 +widgetOfficeMode", 950);
        Row("btnEbook",
        "RESET, SET 0 0x22 2, SET 0 0x10 100, Sig_BrightnessChanged 100, Sig_OfficeModeChanged 2, Sig_ModeTypeChanged Ebook",
        "btnEbook=1 -widgetGameMode");
    }
    void actions() { PageRecorders::RunActionRow(m_pPage.get()); }
};

QTEST_MAIN(TestStandardPage)
#include "tst_standardpage.moc"
