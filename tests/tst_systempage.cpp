#include "tests/support/PageRecorders.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/SystemSettingWidget.h"

using PageRecorders::Row;

namespace
{
// Every value differs from the factory state, so that a fill from the wrong code shows.
const QString LOAD = "REE/07=1, REE/08=2, REE/09=1, RCC=3, RF0/07=1, REE/05=1, RF0/06=1, RF0/0F=1, RF0/10=1, "
                     "R60=17, RF0/01=3, RF0/00=4";
}

// The system-setting page: what a load reads and shows, what each change writes, the PIP
// switches and the factory reset.
class TestSystemPage : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(TestSupport::UseDefaultSim()); }

    // A failed read shows the first item, or nothing where 0 has no row.
    void load_data()
    {
        PageRecorders::LoadColumns();
        QTest::newRow("values") << LOAD
                                << "cmbHDMIVersion=1 cmbKVM=2 cmbTypeCDsc=1 cmbOSDLang=6 cmbUSBUpgrade=1 cmbReadingLamp=1 "
                                   "cmbUSBMains=1 cmbLightEco=1 cmbLightPerception=1 -cmbHDMIVersion -cmbKVM "
                                   "-cmbLightEco +cmbReadingLamp +cmbLightPerception";
        QTest::newRow("failed reads") << "REE/08=-1, RCC=-1, ..." << "cmbKVM=0 cmbOSDLang=-1";
    }
    void load()
    {
        CSystemSettingWidget page;
        PageRecorders::RunLoadRow(&page, 12, {"Load Data..."});
    }

    void actions_data()
    {
        PageRecorders::ActionColumns();
        for (const char* szRow : {"cmbHDMIVersion=1 WEE/07=1", "cmbKVM=2 WEE/08=2", "cmbTypeCDsc=1 WEE/09=1",
                                  "cmbOSDLang=0 WCC=13", "cmbUSBUpgrade=1 WF0/07=1", "cmbReadingLamp=1 WEE/05=1",
                                  "cmbLightPerception=1 WF0/10=1", "cmbPipSize=2 WEE/11=2", "cmbPipPosition=3 WEE/10=3",
                                  "cmbSubSignal=1 WEE/0F=2", "cmbSubSignal=3 WEE/0F=4"}) // no sub-signal 0x01
            Row(QString(szRow).section(' ', 0, 0), QString(szRow).section(' ', 1));
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
    void actions()
    {
        CSystemSettingWidget page;
        PageRecorders::RunActionRow(&page);
    }

    // The reset pauses one and a half seconds, then reloads this page only; the others load
    // when next shown.
    void factoryResetReloadsThisPageOnly()
    {
        QVERIFY(TestSupport::UseSimConfig(PageRecorders::Monitor(LOAD)));
        CAboutThisMachineWidget other;
        other.show();
        CSystemSettingWidget page;
        page.show();
        QVERIFY(PageRecorders::WaitForLoad(12));
        PageRecorders::Act(&page, "cmbOSDLang=1"); // English, 0x02: no longer the factory value
        QCOMPARE(TestSupport::Sim()->Value(0, "0xCC"), 2);

        TestSupport::Sim()->ClearTranscript();
        CWaitDialogProbe probe;
        PageRecorders::Act(&page, "btnReset");
        QCOMPARE(TestSupport::Transcript().join(", "), PageRecorders::Expand("W04=1, RESET, " + LOAD));
        QCOMPARE(probe.Opened(), 1);
        QVERIFY(TestSupport::MsBetween("SET 0 0x04 1", "RESET") >= 1400);
        QVERIFY_CONTROLS(&page, "cmbOSDLang=6");
        QVERIFY(page.IsLoaded() && !other.IsLoaded());
    }
};

QTEST_MAIN(TestSystemPage)
#include "tst_systempage.moc"
