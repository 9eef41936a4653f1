#include "app/ConfigSettings.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/SystemSettingWidget.h"

using PageRecorders::Row;
using TestSupport::Transcript;

namespace
{
// Every load value differs from the factory state, so a fill from the wrong code shows.
const QByteArray LOAD_VALUES = R"({"monitors":[{"values":{
    "0xEE/0x07":1, "0xEE/0x08":2, "0xEE/0x09":1, "0xCC":3, "0xF0/0x07":1, "0xEE/0x05":1,
    "0xF0/0x06":1, "0xF0/0x0F":1, "0xF0/0x10":1, "0x60":17, "0xF0/0x01":3, "0xF0/0x00":4}}, {}]})";
const QString LOAD_TRANSCRIPT =
    "SET 0 0xEE 7, GET 0 0xEF 1, SET 0 0xEE 8, GET 0 0xEF 2, SET 0 0xEE 9, GET 0 0xEF 1, GET 0 0xCC 3, SET 0 0xF0 7, "
    "GET 0 0xF2 1, SET 0 0xEE 5, GET 0 0xEF 1, SET 0 0xF0 6, GET 0 0xF2 1, SET 0 0xF0 15, GET 0 0xF2 1, "
    "SET 0 0xF0 16, GET 0 0xF2 1, GET 0 0x60 17, SET 0 0xF0 1, GET 0 0xF2 3, SET 0 0xF0 0, GET 0 0xF2 4";

// Shows the page and waits until its load's dialog has come and gone.
bool ShowAndLoad(QWidget& page, CWaitDialogProbe& probe)
{
    const int nOpened = probe.Opened();
    page.show();
    return QTest::qWaitFor([&] { return probe.Opened() > nOpened && probe.Closed() == probe.Opened(); }, 5000);
}
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
        PageRecorders::LoadRow("values", LOAD_VALUES, LOAD_TRANSCRIPT,
                               "cmbHDMIVersion=1 cmbKVM=2 cmbTypeCDsc=1 cmbOSDLang=6 cmbUSBUpgrade=1 cmbReadingLamp=1 "
                               "cmbUSBMains=1 cmbLightEco=1 cmbLightPerception=1 -cmbHDMIVersion -cmbKVM "
                               "-cmbLightEco +cmbReadingLamp +cmbLightPerception");
        PageRecorders::LoadRow("failed reads",
                               R"({"monitors":[{"values":{"0xEE/0x08":2,"0xCC":2},"failing":["0xEE/0x08","0xCC"]}]})",
                               QString(), "cmbKVM=0 cmbOSDLang=-1");
    }
    void load()
    {
        CSystemSettingWidget page;
        PageRecorders::RunLoadRow(&page, 12, {"Load Data..."});
    }

    void actions_data()
    {
        PageRecorders::ActionColumns();
        Row("cmbHDMIVersion=1", "SET 0 0xEE 7, SET 0 0xEF 1");
        Row("cmbKVM=2", "SET 0 0xEE 8, SET 0 0xEF 2");
        Row("cmbTypeCDsc=1", "SET 0 0xEE 9, SET 0 0xEF 1");
        Row("cmbOSDLang=0", "SET 0 0xCC 13");
        Row("cmbUSBUpgrade=1", "SET 0 0xF0 7, SET 0 0xF2 1");
        Row("cmbReadingLamp=1", "SET 0 0xEE 5, SET 0 0xEF 1");
        Row("cmbLightPerception=1", "SET 0 0xF0 16, SET 0 0xF2 1");
        Row("cmbPipSize=2", "SET 0 0xEE 17, SET 0 0xEF 2");
        Row("cmbPipPosition=3", "SET 0 0xEE 16, SET 0 0xEF 3");
        Row("cmbSubSignal=1", "SET 0 0xEE 15, SET 0 0xEF 2"); // no value 0x01
        Row("cmbSubSignal=3", "SET 0 0xEE 15, SET 0 0xEF 4");
        // Switching PIP/PBP on writes nothing until a mode is chosen; off writes at once.
        Row("btnPipPbp", "", "+btnPIP +btnPBP +cmbSubSignal -cmbPipSize");
        Row("btnPipPbp; btnPBP", "SET 0 0xEE 14, SET 0 0xEF 1", "-cmbPipSize");
        Row("btnPipPbp; btnPipPbp", "SET 0 0xEE 14, SET 0 0xEF 0", "-btnPIP -btnPBP -cmbSubSignal");
        // PIP reads size and position back: a value outside its box's table stays as the monitor
        // has it, one inside is written back through the box.
        const QString strPip = "SET 0 0xEE 14, SET 0 0xEF 2, SET 0 0xEE 17, GET 0 0xEF %1, SET 0 0xEE 16, GET 0 0xEF %2";
        Row("0xEE/0x11=5; 0xEE/0x10=2; btnPipPbp; btnPIP", strPip.arg(5).arg(2) + ", SET 0 0xEE 16, SET 0 0xEF 2",
            "+cmbPipSize +cmbPipPosition");
        Row("0xEE/0x11=1; 0xEE/0x10=9; btnPipPbp; btnPIP", strPip.arg(1).arg(9) + ", SET 0 0xEE 17, SET 0 0xEF 1");
        Row("0xEE/0x11=7; 0xEE/0x10=4; btnPipPbp; btnPIP", strPip.arg(7).arg(4));
        Row("0xEE/0x11=0; 0xEE/0x10=0; btnPipPbp; btnPIP", strPip.arg(0).arg(0));
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
        QVERIFY(TestSupport::UseSimConfig(LOAD_VALUES));
        CWaitDialogProbe probe;
        CAboutThisMachineWidget other;
        QVERIFY(ShowAndLoad(other, probe));
        CSystemSettingWidget page;
        QVERIFY(ShowAndLoad(page, probe));
        PageRecorders::Act(&page, "cmbOSDLang=1"); // English, 0x02: no longer the factory value
        QCOMPARE(TestSupport::Sim()->Value(0, "0xCC"), 2);

        TestSupport::Sim()->ClearTranscript();
        probe.Restart();
        PageRecorders::Act(&page, "btnReset");
        QCOMPARE(Transcript().join(", "), "SET 0 0x04 1, RESET, " + LOAD_TRANSCRIPT);
        QCOMPARE(probe.Opened(), 1);
        QVERIFY(TestSupport::MsBetween("SET 0 0x04 1", "RESET") >= 1400);
        QVERIFY_CONTROLS(&page, "cmbOSDLang=6");
        QVERIFY(page.IsLoaded() && !other.IsLoaded());
    }

    // The file's bytes: reading back through the settings API would hide a wrong codec.
    void settingsFileIsUtf8()
    {
        SetConfigValue(QStringLiteral("TEST"), QStringLiteral("NAME"), QStringLiteral("中文"));
        QFile file(QCoreApplication::applicationDirPath() + CONFIG_FILE_NAME);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray baBytes = file.readAll();
        file.remove();
        QVERIFY2(baBytes.contains(QStringLiteral("NAME=中文").toUtf8()), baBytes.constData());
    }
};

QTEST_MAIN(TestSystemPage)
#include "tst_systempage.moc"
