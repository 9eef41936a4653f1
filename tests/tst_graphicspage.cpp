#include "tests/support/PageRecorders.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WaitDialogProbe.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QtTest>

#include <memory>

using PageRecorders::CEventLog;

namespace
{
using ComboTexts = QMap<QString, QString>;

// One monitor with the given "values" and "failing" members.
QByteArray Monitor(const QByteArray& baValues, const QByteArray& baFailing = "[]")
{
    return "{\"monitors\":[{\"values\":{" + baValues + "},\"failing\":" + baFailing + "}]}";
}

const QByteArray STANDARD_VALUES = R"("0x22":1,"0xE5":1,"0xD8":1,"0x72":3,"0xEE/0x01":0,"0xEE/0x03":0,)"
                                   R"("0xF0/0x0E":0,"0xF0/0x0C":0,"0xF0/0x12":0,"0x24":1,"0xE2":1,"0xE4":1,)"
                                   R"("0x9B":11,"0x9D":12,"0x9F":13,"0x9C":14,"0xA0":15,"0x9E":16,)"
                                   R"("0x59":21,"0x5B":22,"0x5D":23,"0x5A":24,"0x5E":25,"0x5C":26)";
}

// The professional graphics page against the simulated monitor: what it reads, what it fills and
// what each control writes.
class TestGraphicsPage : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<CProfessionalGraphicsWidget> m_pPage;

    template <class T>
    T* Find(const QString& strName)
    {
        return m_pPage->findChild<T*>(strName);
    }

    bool ShowAndLoad()
    {
        m_pPage->show();
        return PageRecorders::WaitForLoad(24);
    }

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseSimConfig(Monitor(STANDARD_VALUES)));
        m_pPage = std::make_unique<CProfessionalGraphicsWidget>();
    }
    void cleanup() { m_pPage.reset(); }

    void firstShowRunsTwoLoadsInOrderAndWritesNothing()
    {
        CWaitDialogProbe watcher;
        QVERIFY(ShowAndLoad());

        QCOMPARE(watcher.Opened(), 2);
        QCOMPARE(watcher.Texts(), (QStringList{"Load Graphics Mode Data...", "Load 3D Lut Data..."}));
        // Scenario 1: the fill hands nothing to the control manager that writes; the only writes
        // are the selectors of the sub-coded reads.
        const QStringList listExpected = {
            "GET 0 0x22 1",    "GET 0 0xE5 1",    "GET 0 0xD8 1",    "GET 0 0x72 3",    "SET 0 0xEE 1",
            "GET 0 0xEF 0",    "SET 0 0xEE 3",    "GET 0 0xEF 0",    "SET 0 0xF0 14",   "GET 0 0xF2 0",
            "SET 0 0xF0 12",   "GET 0 0xF2 0",    "SET 0 0xF0 18",   "GET 0 0xF2 0",    "GET 0 0x24 1",
            "GET 0 0xE2 1",    "GET 0 0xE4 1",    "GET 0 0x9B 11",   "GET 0 0x9D 12",   "GET 0 0x9F 13",
            "GET 0 0x9C 14",   "GET 0 0xA0 15",   "GET 0 0x9E 16",   "GET 0 0x59 21",   "GET 0 0x5B 22",
            "GET 0 0x5D 23",   "GET 0 0x5A 24",   "GET 0 0x5E 25",   "GET 0 0x5C 26"};
        QCOMPARE(TestSupport::Transcript(), listExpected);

        QCOMPARE(Find<QComboBox>("cmbScenarioMode")->currentText(), QStringLiteral("Standard"));
        QCOMPARE(Find<QSlider>("vsliderHueYellow")->value(), 14);
        QCOMPARE(Find<QLabel>("lblHMMagentaValue")->text(), QStringLiteral("15"));
        QCOMPARE(Find<QSlider>("vsliderSaturationCyan")->value(), 26);
        QCOMPARE(Find<QLabel>("lblSMYellowValue")->text(), QStringLiteral("24"));
    }

    void fillShowsValuesRead_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<ComboTexts>("texts");
        QTest::addColumn<QString>("lutLabel");

        QTest::newRow("values read")
            << Monitor(R"("0x22":4,"0xE5":3,"0xD8":3,"0x72":5,"0xEE/0x01":5,"0xEE/0x03":1,"0xF0/0x0E":1,)"
                       R"("0xF0/0x0C":3,"0xF0/0x12":1,"0x24":4,"0xE2":1,"0xE4":5,"0x9B":101)")
            << ComboTexts{{"cmbScenarioMode", "Picture"},
                          {"cmbRGBRange", "Limited(16~235)"},
                          {"cmbColorType", "Y/U/V"},
                          {"cmbGamma", "2.6"},
                          {"cmbHDR", "HDR Game"},
                          {"cmbDynamicContrast", "On"},
                          {"cmbICE", "On"},
                          {"cmbDynamicBacklight", "High"},
                          {"cmbEnergySavingMode", "On"},
                          {"cmbProportionalMode", "4:3"},
                          {"cmbGamutMode", "Normal"},
                          {"cmbLowBlueLight", "MaxHigh"}}
            << "101";
        // Every read fails and gives 0: boxes with a row for 0 show "Off", the others nothing.
        QTest::newRow("failed reads")
            << Monitor("", R"(["0x22","0xE5","0xD8","0x72","0xEE/0x01","0xEE/0x03","0xF0/0x0E","0xF0/0x0C",)"
                           R"("0xF0/0x12","0x24","0xE2","0xE4","0x9B"])")
            << ComboTexts{{"cmbScenarioMode", ""},      {"cmbRGBRange", ""},         {"cmbColorType", ""},
                          {"cmbGamma", ""},             {"cmbHDR", "Off"},           {"cmbDynamicContrast", "Off"},
                          {"cmbICE", "Off"},            {"cmbDynamicBacklight", "Off"}, {"cmbEnergySavingMode", "Off"},
                          {"cmbProportionalMode", ""},  {"cmbGamutMode", ""},        {"cmbLowBlueLight", ""}}
            << "0";
        QTest::newRow("values without a row")
            << Monitor(R"("0x22":9,"0x72":0,"0xE2":0,"0xE4":0,"0x9B":50)")
            << ComboTexts{{"cmbScenarioMode", ""}, {"cmbGamma", ""}, {"cmbGamutMode", ""}, {"cmbLowBlueLight", ""}}
            << "50";
    }
    void fillShowsValuesRead()
    {
        QFETCH(QByteArray, config);
        QFETCH(ComboTexts, texts);
        QFETCH(QString, lutLabel);
        QVERIFY(TestSupport::UseSimConfig(config));
        QVERIFY(ShowAndLoad());

        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            auto* pCombo = Find<QComboBox>(it.key());
            QVERIFY2(pCombo, qPrintable(it.key()));
            QCOMPARE(pCombo->currentText(), it.value());
            QCOMPARE(pCombo->currentIndex() == -1, it.value().isEmpty());
        }
        // The fill itself writes nothing of its own (the control manager may, for a scenario).
        QVERIFY(!TestSupport::Transcript().contains(QStringLiteral("RESET")));
        for (const QString& strWrite : TestSupport::Writes())
            QVERIFY2(!strWrite.startsWith(QLatin1String("SET 0 0x22")), qPrintable(strWrite));
        // Out of range: the slider clamps, the label shows the number read.
        QCOMPARE(Find<QLabel>("lblHMRedValue")->text(), lutLabel);
        QCOMPARE(Find<QSlider>("vsliderHueRed")->value(), qMin(lutLabel.toInt(), 100));
    }

    // The boxes the control manager's rules follow are checked, with the other pages, there.
    void comboWrites_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("events");

        QTest::newRow("scenario ebook")
            << "cmbScenarioMode" << 3
            << QStringList{"RESET", "SET 0 0x22 2", "Sig_OfficeModeChanged 2",
                           "Sig_ModeTypeChanged Ebook(Black/White)"};
        QTest::newRow("rgb limited") << "cmbRGBRange" << 1 << QStringList{"SET 0 0xE5 3"};
        QTest::newRow("color type yuv") << "cmbColorType" << 2 << QStringList{"SET 0 0xD8 3"};
        QTest::newRow("ice on") << "cmbICE" << 1 << QStringList{"SET 0 0xF0 14", "SET 0 0xF2 1"};
        QTest::newRow("energy saving on") << "cmbEnergySavingMode" << 1 << QStringList{"SET 0 0xF0 18", "SET 0 0xF2 1"};
        QTest::newRow("proportional wide") << "cmbProportionalMode" << 1 << QStringList{"SET 0 0x24 3"};
    }
    void comboWrites()
    {
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(QStringList, events);
        auto* pCombo = Find<QComboBox>(combo);
        {
            const QSignalBlocker blocker(pCombo);
            pCombo->setCurrentIndex(-1);
        }
        CEventLog log;
        pCombo->setCurrentIndex(index);
        QCOMPARE(log.Lines(), events);
    }

    // Every slider's code is checked by the control manager's centring rule.
    void sliderWrites_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("code");
        QTest::newRow("hue red") << "vsliderHueRed" << "lblHMRedValue" << "0x9B";
    }
    void sliderWrites()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        QFETCH(QString, code);
        CEventLog log;
        Find<QSlider>(slider)->setValue(37);
        QCOMPARE(Find<QLabel>(label)->text(), QStringLiteral("37"));
        QCOMPARE(log.Lines(), QStringList{QStringLiteral("SET 0 %1 37").arg(code)});
    }

    void followsOfficeMode_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("standard") << 1 << "Standard";
        QTest::newRow("picture") << 4 << "Picture";
        QTest::newRow("further office preset") << 7 << "";
    }
    void followsOfficeMode()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        emit CGlobalSignal::GetInstance()->Sig_OfficeModeChanged(value);
        QCOMPARE(Find<QComboBox>("cmbScenarioMode")->currentText(), text);
        QVERIFY(TestSupport::Transcript().isEmpty());
    }

    void gameModeElsewhereEmptiesScenario_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("standard game mode") << 1 << true;
        QTest::newRow("G2") << 3 << false;
        QTest::newRow("FPS") << 5 << false;
    }
    void gameModeElsewhereEmptiesScenario()
    {
        QFETCH(int, value);
        QFETCH(bool, enabled);
        auto* pScenario = Find<QComboBox>("cmbScenarioMode");
        pScenario->setEnabled(!enabled);
        emit CGlobalSignal::GetInstance()->Sig_GameModeChanged(value);
        QCOMPARE(pScenario->currentIndex(), -1);
        QCOMPARE(pScenario->isEnabled(), enabled);
        QVERIFY(TestSupport::Transcript().isEmpty());
    }

    void followsGammaAndGamut()
    {
        emit CGlobalSignal::GetInstance()->Sig_GammaChanged(3);
        emit CGlobalSignal::GetInstance()->Sig_GamutModeChanged(2);
        QCOMPARE(Find<QComboBox>("cmbGamma")->currentText(), QStringLiteral("2.4"));
        QCOMPARE(Find<QComboBox>("cmbGamutMode")->currentText(), QStringLiteral("DCI-P3"));
        QVERIFY(TestSupport::Transcript().isEmpty());
    }
};

QTEST_MAIN(TestGraphicsPage)
#include "tst_graphicspage.moc"
