#include "tests/support/PageRecorders.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <memory>

using PageRecorders::Row;

// The professional graphics page: its two loads, and what each control writes.
class TestGraphicsPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<CProfessionalGraphicsWidget> m_pPage;

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        m_pPage = std::make_unique<CProfessionalGraphicsWidget>();
    }
    void cleanup() { m_pPage.reset(); }

    // Boxes with a row for 0 show "Off" after a failed read, the others nothing; a lookup-table
    // slider clamps, its label shows the number read.
    void load_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values read")
            << "R22=4, RE5=3, RD8=3, R72=5, REE/01=5, REE/03=1, RF0/0E=1, RF0/0C=3, RF0/12=1, R24=4, RE2=1, RE4=5, "
               "R9B=101, R9D=12, R9F=13, R9C=14, RA0=15, R9E=16, R59=21, R5B=22, R5D=23, R5A=24, R5E=25, R5C=26"
            << "cmbScenarioMode=2 cmbRGBRange=1 cmbColorType=2 cmbGamma=4 cmbHDR=2 cmbDynamicContrast=1 cmbICE=1 "
               "cmbDynamicBacklight=3 cmbEnergySavingMode=1 cmbProportionalMode=2 cmbGamutMode=3 cmbLowBlueLight=4 "
               "vsliderHueRed=100 lblHMRedValue=101 vsliderHueYellow=14 lblHMMagentaValue=15 "
               "vsliderSaturationCyan=26 lblSMYellowValue=24";
        QTest::newRow("failed reads")
            << "R22=-1, RE5=-1, RD8=-1, R72=-1, REE/01=-1, REE/03=-1, RF0/0E=-1, RF0/0C=-1, RF0/12=-1, R24=-1, RE2=-1, "
               "RE4=-1, R9B=-1, ..."
            << "cmbScenarioMode=-1 cmbRGBRange=-1 cmbColorType=-1 cmbGamma=-1 cmbHDR=0 cmbDynamicContrast=0 cmbICE=0 "
               "cmbDynamicBacklight=0 cmbEnergySavingMode=0 cmbProportionalMode=-1 cmbGamutMode=-1 "
               "cmbLowBlueLight=-1 vsliderHueRed=0 lblHMRedValue=0";
        QTest::newRow("values without a row") << "R22=9, R72=0, RE2=0, RE4=0, R9B=50, ..."
                                              << "cmbScenarioMode=-1 cmbGamma=-1 cmbGamutMode=-1 cmbLowBlueLight=-1 "
                                                 "vsliderHueRed=50 lblHMRedValue=50";
    }
    void load()
    {
        PageRecorders::RunLoadRow(m_pPage.get(), 24, {"Load Graphics Mode Data...", "Load 3D Lut Data..."});
    }

    // The boxes the control manager's rules follow, and every slider's code, are checked by the
    // integration suite.
    void actions_data()
    {
        PageRecorders::ActionColumns();
        Row("cmbScenarioMode=3", "RESET, W22=2, Sig_OfficeModeChanged 2, Sig_ModeTypeChanged Ebook(Black/White)");
        for (const char* szRow : {"cmbRGBRange=1 WE5=3", "cmbColorType=2 WD8=3", "cmbICE=1 WF0/0E=1",
                                  "cmbEnergySavingMode=1 WF0/12=1", "cmbProportionalMode=1 W24=3"})
            Row(QString(szRow).section(' ', 0, 0), QString(szRow).section(' ', 1));
        Row("vsliderHueRed=37", "W9B=37", "lblHMRedValue=37");
        Row("Sig_OfficeModeChanged=4", "Sig_OfficeModeChanged 4", "cmbScenarioMode=2");
        Row("Sig_OfficeModeChanged=7", "Sig_OfficeModeChanged 7", "cmbScenarioMode=-1");
        // A game mode elsewhere empties the scenario box; only the standard one leaves it open.
        Row("Sig_GameModeChanged=3; Sig_GameModeChanged=1", "Sig_GameModeChanged 1", "cmbScenarioMode=-1 +cmbScenarioMode");
        Row("Sig_GameModeChanged=3", "Sig_GameModeChanged 3", "cmbScenarioMode=-1 -cmbScenarioMode");
        Row("Sig_GammaChanged=3", "Sig_GammaChanged 3", "cmbGamma=3");
    }
    void actions() { PageRecorders::RunActionRow(m_pPage.get()); }
};

QTEST_MAIN(TestGraphicsPage)
#include "tst_graphicspage.moc"
