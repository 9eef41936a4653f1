#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/WaitDialogProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using TestSupport::Child;
using TestSupport::Transcript;

namespace
{
// Every load value differs from the factory state, so a fill from the wrong code shows.
const QByteArray LOAD_VALUES = R"({"monitors":[{"values":{
    "0xEE/0x07":1, "0xEE/0x08":2, "0xEE/0x09":1, "0xCC":3, "0xF0/0x07":1, "0xEE/0x05":1,
    "0xF0/0x06":1, "0xF0/0x0F":1, "0xF0/0x10":1, "0x60":17, "0xF0/0x01":3, "0xF0/0x00":4}}, {}]})";

// The twelve reads of one load from monitor 0 with LOAD_VALUES, selector writes included.
const QStringList LOAD_TRANSCRIPT{
    "SET 0 0xEE 7",  "GET 0 0xEF 1", "SET 0 0xEE 8",  "GET 0 0xEF 2", "SET 0 0xEE 9",  "GET 0 0xEF 1",
    "GET 0 0xCC 3",  "SET 0 0xF0 7", "GET 0 0xF2 1",  "SET 0 0xEE 5", "GET 0 0xEF 1",  "SET 0 0xF0 6",
    "GET 0 0xF2 1",  "SET 0 0xF0 15", "GET 0 0xF2 1", "SET 0 0xF0 16", "GET 0 0xF2 1", "GET 0 0x60 17",
    "SET 0 0xF0 1",  "GET 0 0xF2 3", "SET 0 0xF0 0",  "GET 0 0xF2 4"};

const int LOAD_TIMEOUT_MS = 5000;

QByteArray Config(const QByteArray& baValues)
{
    return QByteArrayLiteral(R"({"monitors":[{"values":)") + baValues + QByteArrayLiteral("}, {}]}");
}
}

// The system-setting page against the simulated monitor: what a load reads and shows, what
// each change writes, and the factory reset.
class TestSystemPage : public QObject
{
    Q_OBJECT
private:
    // Shows the page and waits until its first load's dialog has come and gone.
    static bool ShowAndLoad(QWidget& page, CWaitDialogProbe& probe)
    {
        const int nOpened = probe.Opened();
        page.show();
        return QTest::qWaitFor([&] { return probe.Opened() > nOpened && probe.Closed() == probe.Opened(); },
                               LOAD_TIMEOUT_MS);
    }

private slots:
    void init() { QVERIFY(TestSupport::UseDefaultSim()); }

    // The exact traffic: the fills write nothing.
    void loadReadsTwelveValuesInOrderAndFillsThem()
    {
        QVERIFY(TestSupport::UseSimConfig(LOAD_VALUES));
        CWaitDialogProbe probe;
        CSystemSettingWidget page;
        QVERIFY(ShowAndLoad(page, probe));
        QCOMPARE(Transcript(), LOAD_TRANSCRIPT);
        QCOMPARE(probe.Texts(), QStringList{"Load Data..."});
        QVERIFY_CONTROLS(&page, "cmbHDMIVersion=1 cmbKVM=2 cmbTypeCDsc=1 cmbOSDLang=6 cmbUSBUpgrade=1 "
                                "cmbReadingLamp=1 cmbUSBMains=1 cmbLightEco=1 cmbLightPerception=1 "
                                "-cmbHDMIVersion -cmbKVM -cmbLightEco +cmbReadingLamp +cmbLightPerception");
    }

    void failedReadsShowFirstItemOrNothing()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0xEE/0x08":2,"0xCC":2},
                                              "failing":["0xEE/0x08","0xCC"]}]})"));
        CWaitDialogProbe probe;
        CSystemSettingWidget page;
        QVERIFY(ShowAndLoad(page, probe));
        QVERIFY(Transcript().contains("GET 0 0xCC -1"));
        QCOMPARE(Child<QComboBox>(page, "cmbKVM")->currentText(), QStringLiteral("Auto"));
        QCOMPARE(Child<QComboBox>(page, "cmbOSDLang")->currentIndex(), -1);
    }

    void osdLanguageOutsideTableThenChinese()
    {
        QVERIFY(TestSupport::UseSimConfig(Config(R"({"0xCC": 1})")));
        CWaitDialogProbe probe;
        CSystemSettingWidget page;
        QVERIFY(ShowAndLoad(page, probe));
        auto* pOsd = Child<QComboBox>(page, "cmbOSDLang");
        QCOMPARE(pOsd->currentIndex(), -1);
        QCOMPARE(pOsd->currentText(), QString());

        TestSupport::Sim()->ClearTranscript();
        pOsd->setCurrentIndex(pOsd->findText(QStringLiteral("中文")));
        QCOMPARE(Transcript(), QStringList{"SET 0 0xCC 13"});
        QCOMPARE(TestSupport::Sim()->Value(0, "0xCC"), 13);
    }

    void comboWrites_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("HDMI version") << "cmbHDMIVersion" << 1 << QStringList{"SET 0 0xEE 7", "SET 0 0xEF 1"};
        QTest::newRow("KVM Type-C") << "cmbKVM" << 2 << QStringList{"SET 0 0xEE 8", "SET 0 0xEF 2"};
        QTest::newRow("Type-C DSC") << "cmbTypeCDsc" << 1 << QStringList{"SET 0 0xEE 9", "SET 0 0xEF 1"};
        QTest::newRow("OSD Spanish") << "cmbOSDLang" << 4 << QStringList{"SET 0 0xCC 10"};
        QTest::newRow("USB upgrade") << "cmbUSBUpgrade" << 1 << QStringList{"SET 0 0xF0 7", "SET 0 0xF2 1"};
        QTest::newRow("reading lamp") << "cmbReadingLamp" << 1 << QStringList{"SET 0 0xEE 5", "SET 0 0xEF 1"};
        QTest::newRow("light perception") << "cmbLightPerception" << 1 << QStringList{"SET 0 0xF0 16", "SET 0 0xF2 1"};
        QTest::newRow("PIP size large") << "cmbPipSize" << 2 << QStringList{"SET 0 0xEE 17", "SET 0 0xEF 2"};
        QTest::newRow("PIP position bottom left") << "cmbPipPosition" << 3 << QStringList{"SET 0 0xEE 16", "SET 0 0xEF 3"};
        QTest::newRow("sub signal HDMI1 skips 0x01") << "cmbSubSignal" << 1 << QStringList{"SET 0 0xEE 15", "SET 0 0xEF 2"};
        QTest::newRow("sub signal Type-C") << "cmbSubSignal" << 3 << QStringList{"SET 0 0xEE 15", "SET 0 0xEF 4"};
        QTest::newRow("emptied KVM writes nothing") << "cmbKVM" << -1 << QStringList{};
    }
    void comboWrites()
    {
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        CSystemSettingWidget page;
        auto* pCombo = Child<QComboBox>(page, combo.toLatin1().constData());
        pCombo->setCurrentIndex(index);
        QCOMPARE(pCombo->currentIndex(), index);
        QCOMPARE(Transcript(), expected);
    }

    void pipPbpModes()
    {
        CSystemSettingWidget page;
        auto* pSwitch = Child<QPushButton>(page, "btnPipPbp");
        auto* pPip = Child<QPushButton>(page, "btnPIP");
        auto* pPbp = Child<QPushButton>(page, "btnPBP");
        auto* pSize = Child<QComboBox>(page, "cmbPipSize");
        auto* pSubSignal = Child<QComboBox>(page, "cmbSubSignal");
        QTRY_VERIFY(!pPip->isEnabled());
        QVERIFY(!pPbp->isEnabled() && !pSubSignal->isEnabled() && !pSize->isEnabled());

        pSwitch->click();
        QTRY_VERIFY(pPip->isEnabled());
        QVERIFY(pPbp->isEnabled() && pSubSignal->isEnabled() && !pSize->isEnabled());
        QCOMPARE(Transcript(), QStringList{});

        pPbp->click();
        QCOMPARE(Transcript(), (QStringList{"SET 0 0xEE 14", "SET 0 0xEF 1"}));
        QVERIFY(!pSize->isEnabled());

        TestSupport::Sim()->ClearTranscript();
        pSwitch->click();
        QCOMPARE(Transcript(), (QStringList{"SET 0 0xEE 14", "SET 0 0xEF 0"}));
        QTRY_VERIFY(!pPip->isEnabled());
        QVERIFY(!pPbp->isEnabled() && !pSubSignal->isEnabled());
    }

    void pipReadsBackSizeAndPosition_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("writesBack");
        QTest::newRow("size outside table") << 5 << 2 << QStringList{"SET 0 0xEE 16", "SET 0 0xEF 2"};
        QTest::newRow("position outside table") << 1 << 9 << QStringList{"SET 0 0xEE 17", "SET 0 0xEF 1"};
        QTest::newRow("both outside table") << 7 << 4 << QStringList{};
        QTest::newRow("both as shown") << 0 << 0 << QStringList{};
    }
    void pipReadsBackSizeAndPosition()
    {
        QFETCH(int, size);
        QFETCH(int, position);
        QFETCH(QStringList, writesBack);
        QVERIFY(TestSupport::UseSimConfig(
            Config(QStringLiteral(R"({"0xEE/0x11": %1, "0xEE/0x10": %2})").arg(size).arg(position).toLatin1())));
        CSystemSettingWidget page;
        auto* pPip = Child<QPushButton>(page, "btnPIP");
        Child<QPushButton>(page, "btnPipPbp")->click();
        QTRY_VERIFY(pPip->isEnabled());

        pPip->click();
        const QStringList listExpected = QStringList{"SET 0 0xEE 14", "SET 0 0xEF 2",
                                                     "SET 0 0xEE 17", QStringLiteral("GET 0 0xEF %1").arg(size),
                                                     "SET 0 0xEE 16", QStringLiteral("GET 0 0xEF %1").arg(position)}
            + writesBack;
        QCOMPARE(Transcript(), listExpected);
        QVERIFY(Child<QComboBox>(page, "cmbPipSize")->isEnabled());
        QVERIFY(Child<QComboBox>(page, "cmbPipPosition")->isEnabled());
        // The monitor keeps what it reported.
        QCOMPARE(TestSupport::Sim()->Value(0, "0xEE/0x11"), size);
        QCOMPARE(TestSupport::Sim()->Value(0, "0xEE/0x10"), position);
    }

    void factoryResetReloadsThisPageOnly()
    {
        QVERIFY(TestSupport::UseSimConfig(LOAD_VALUES));
        CWaitDialogProbe probe;
        CAboutThisMachineWidget other;
        QVERIFY(ShowAndLoad(other, probe));
        CSystemSettingWidget page;
        QVERIFY(ShowAndLoad(page, probe));
        auto* pOsd = Child<QComboBox>(page, "cmbOSDLang");
        pOsd->setCurrentIndex(1); // English, 0x02: no longer the factory value
        QCOMPARE(TestSupport::Sim()->Value(0, "0xCC"), 2);

        TestSupport::Sim()->ClearTranscript();
        probe.Restart();
        QTest::mouseClick(Child<QPushButton>(page, "btnReset"), Qt::LeftButton);

        // The click returns after the pause and the reload.
        QCOMPARE(Transcript(), (QStringList{"SET 0 0x04 1", "RESET"} + LOAD_TRANSCRIPT));
        QCOMPARE(probe.Opened(), 1);
        QVERIFY2(probe.FirstOpenedMs() >= 1400 && probe.FirstOpenedMs() < 4000, qPrintable(QString::number(probe.FirstOpenedMs())));
        QCOMPARE(probe.Texts(), QStringList{"Load Data..."});
        QCOMPARE(pOsd->currentIndex(), 6);
        QVERIFY(page.IsLoaded());
        QVERIFY(!other.IsLoaded());

        // The other page loads when it is next shown.
        other.hide();
        TestSupport::Sim()->ClearTranscript();
        QVERIFY(ShowAndLoad(other, probe));
        QCOMPARE(probe.Opened(), 2);
    }

    // Belongs with the settings: the file's bytes, as reading back through QSettings would hide
    // a wrong codec.
    void settingsFileIsUtf8()
    {
        const QString strPath = QCoreApplication::applicationDirPath() + CONFIG_FILE_NAME;
        SetConfigValue(QStringLiteral("TEST"), QStringLiteral("NAME"), QStringLiteral("中文"));
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray baBytes = file.readAll();
        file.close();
        QFile::remove(strPath);
        QVERIFY2(baBytes.contains(QStringLiteral("NAME=中文").toUtf8()), baBytes.constData());
    }
};

QTEST_MAIN(TestSystemPage)
#include "tst_systempage.moc"
