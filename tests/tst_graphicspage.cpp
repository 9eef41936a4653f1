#include "tests/support/PageRecorders.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <memory>

using PageRecorders::Row;

namespace
{
QByteArray Monitor(const QByteArray& baValues, const QByteArray& baFailing = "[]")
{
    return R"({"monitors":[{"values":{)" + baValues + R"(},"failing":)" + baFailing + "}]}";
}
}

// The professional graphics page: its two loads, and what each control writes.
class TestGraphicsPage : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<CProfessionalGraphicsWidget> m_pPage;

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        m_pPage = std::make_unique<CProfessionalGraphicsWidget>();
    }
    void cleanup() { m_pPage.reset(); }

    // Boxes with a row for 0 show "Off" after a failed read, the others nothing; a lookup-table
    // slider clamps, its label shows the number read. The fills write nothing but the selectors
    // of the sub-coded reads.
    void load_data()
    {
        PageRecorders::LoadColumns();
        PageRecorders::LoadRow(
            "values read",
            Monitor(R"("0x22":4,"0xE5":3,"0xD8":3,"0x72":5,"0xEE/0x01":5,"0xEE/0x03":1,"0xF0/0x0E":1,)"
                       R"("0xF0/0x0C":3,"0xF0/0x12":1,"0x24":4,"0xE2":1,"0xE4":5,"0x9B":101,"0x9D":12,"0x9F":13,)"
                       R"("0x9C":14,"0xA0":15,"0x9E":16,"0x59":21,"0x5B":22,"0x5D":23,"0x5A":24,"0x5E":25,"0x5C":26)"),
            "GET 0 0x22 4, GET 0 0xE5 3, GET 0 0xD8 3, GET 0 0x72 5, SET 0 0xEE 1, GET 0 0xEF 5, SET 0 0xEE 3, "
               "GET 0 0xEF 1, SET 0 0xF0 14, GET 0 0xF2 1, SET 0 0xF0 12, GET 0 0xF2 3, SET 0 0xF0 18, GET 0 0xF2 1, "
               "GET 0 0x24 4, GET 0 0xE2 1, GET 0 0xE4 5, GET 0 0x9B 101, GET 0 0x9D 12, GET 0 0x9F 13, GET 0 0x9C 14, "
               "GET 0 0xA0 15, GET 0 0x9E 16, GET 0 0x59 21, GET 0 0x5B 22, GET 0 0x5D 23, GET 0 0x5A 24, "
               "GET 0 0x5E 25, GET 0 0x5C 26",
            "cmbScenarioMode=2 cmbRGBRange=1 cmbColorType=2 cmbGamma=4 cmbHDR=2 cmbDynamicContrast=1 cmbICE=1 "
               "cmbDynamicBacklight=3 cmbEnergySavingMode=1 cmbProportionalMode=2 cmbGamutMode=3 cmbLowBlueLight=4 "
               "vsliderHueRed=100 lblHMRedValue=101 vsliderHueYellow=14 lblHMMagentaValue=15 "
               "vsliderSaturationCyan=26 lblSMYellowValue=24");
        PageRecorders::LoadRow(
            "failed reads",
            Monitor("", R"(["0x22","0xE5","0xD8","0x72","0xEE/0x01","0xEE/0x03","0xF0/0x0E","0xF0/0x0C",)"
                           R"("0xF0/0x12","0x24","0xE2","0xE4","0x9B"])"),
            QString(),
            "cmbScenarioMode=-1 cmbRGBRange=-1 cmbColorType=-1 cmbGamma=-1 cmbHDR=0 cmbDynamicContrast=0 cmbICE=0 "
               "cmbDynamicBacklight=0 cmbEnergySavingMode=0 cmbProportionalMode=-1 cmbGamutMode=-1 "
               "cmbLowBlueLight=-1 vsliderHueRed=0 lblHMRedValue=0");
        PageRecorders::LoadRow("values without a row", Monitor(R"("0x22":9,"0x72":0,"0xE2":0,"0xE4":0,"0x9B":50)"),
                               QString(),
                               "cmbScenarioMode=-1 cmbGamma=-1 cmbGamutMode=-1 cmbLowBlueLight=-1 vsliderHueRed=50 "
                               "lblHMRedValue=50");
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
        Row("cmbScenarioMode=3", "RESET, SET 0 0x22 2, Sig_OfficeModeChanged 2, Sig_ModeTypeChanged Ebook(Black/White)");
        Row("cmbRGBRange=1", "SET 0 0xE5 3");
        Row("cmbColorType=2", "SET 0 0xD8 3");
        Row("cmbICE=1", "SET 0 0xF0 14, SET 0 0xF2 1");
        Row("cmbEnergySavingMode=1", "SET 0 0xF0 18, SET 0 0xF2 1");
        Row("cmbProportionalMode=1", "SET 0 0x24 3");
        Row("vsliderHueRed=37", "SET 0 0x9B 37", "lblHMRedValue=37");
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
