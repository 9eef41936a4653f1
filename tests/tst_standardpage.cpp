#include "ddc/DDCUtil.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/StandardModeWidget.h"

#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSlider>

#include <memory>

namespace
{
// Every value the page reads, set explicitly so that the test does not lean on the factory state.
QVariantMap BaseValues(const QVariantMap& mapOverrides = {})
{
    QVariantMap map{{"0x10", 70},     {"0x12", 45},      {"0xF0/0x11", 30}, {"0x87", 4},       {"0x8A", 55},
                    {"0x62", 20},     {"0x14", 6},       {"0xE4", 2},       {"0xEE/0x02", 1},  {"0xE9", 3},
                    {"0x16", 40},     {"0x18", 41},      {"0x1A", 42},      {"0x22", 1},       {"0xE7", 1},
                    {"0xE8", 3},      {"0xF0/0x08", 2},  {"0xF0/0x09", 33}, {"0xF0/0x0A", 34}, {"0xF0/0x0B", 35},
                    {"0xEE/0x0A", 1}, {"0xEE/0x0C", 3},  {"0xEE/0x0D", 60}, {"0xEE/0x0B", 2}};
    for (auto it = mapOverrides.begin(); it != mapOverrides.end(); ++it)
        map.insert(it.key(), it.value());
    return map;
}

// The full load with BaseValues(): ten fast-setting values, the three gains, eleven game-set values.
QStringList FullLoadTranscript(int nId = 0)
{
    QStringList list{"GET %1 0x10 70",  "GET %1 0x12 45",  "SET %1 0xF0 17", "GET %1 0xF2 30",
                     "GET %1 0x87 4",   "GET %1 0x8A 55",  "GET %1 0x62 20", "GET %1 0x14 6",
                     "GET %1 0xE4 2",   "SET %1 0xEE 2",   "GET %1 0xEF 1",  "GET %1 0xE9 3",
                     "GET %1 0x16 40",  "GET %1 0x18 41",  "GET %1 0x1A 42",
                     "GET %1 0x22 1",   "GET %1 0xE7 1",   "GET %1 0xE8 3",  "SET %1 0xF0 8",
                     "GET %1 0xF2 2",   "SET %1 0xF0 9",   "GET %1 0xF2 33", "SET %1 0xF0 10",
                     "GET %1 0xF2 34",  "SET %1 0xF0 11",  "GET %1 0xF2 35", "SET %1 0xEE 10",
                     "GET %1 0xEF 1",   "SET %1 0xEE 12",  "GET %1 0xEF 3",  "SET %1 0xEE 13",
                     "GET %1 0xEF 60",  "SET %1 0xEE 11",  "GET %1 0xEF 2"};
    for (QString& strLine : list)
        strLine = strLine.arg(nId);
    return list;
}
const int FULL_LOAD_LINES = 34;
const int LOAD_TIMEOUT_MS = 20000;
}

class TestStandardPage : public QObject
{
    Q_OBJECT
private:
    template <class T>
    T* Find(const char* szName) const
    {
        return TestSupport::Child<T>(m_pPage.get(), QLatin1String(szName));
    }
    QSlider* Slider(const char* szName) const { return Find<QSlider>(szName); }
    QLabel* Label(const char* szName) const { return Find<QLabel>(szName); }
    QComboBox* Combo(const char* szName) const { return Find<QComboBox>(szName); }
    QAbstractButton* Button(const char* szName) const { return Find<QAbstractButton>(szName); }
    QWidget* Widget(const char* szName) const { return Find<QWidget>(szName); }

    bool LoadIsDone() const
    {
        return TestSupport::Transcript().size() >= FULL_LOAD_LINES && !QApplication::activeModalWidget();
    }

    // A fresh page on a fresh simulated monitor; its own first load has not run yet.
    void NewPage(const QVariantMap& mapOverrides = {}, const QStringList& listFailing = {}, int nMonitors = 1)
    {
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(BaseValues(mapOverrides), listFailing, nMonitors)));
        m_pPage = std::make_unique<CStandardModeWidget>();
    }

    // A fresh page after its first load; the transcript starts empty afterwards.
    void LoadedPage(const QVariantMap& mapOverrides = {}, const QStringList& listFailing = {})
    {
        NewPage(mapOverrides, listFailing);
        QTRY_VERIFY_WITH_TIMEOUT(LoadIsDone(), LOAD_TIMEOUT_MS);
        TestSupport::Sim()->ClearTranscript();
    }

    std::unique_ptr<CStandardModeWidget> m_pPage;

private slots:
    void init() { CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1); }
    void cleanup() { m_pPage.reset(); }

    // ---- Loading

    void firstLoadReadsInOrderAfterOneSecondAndWritesNothing()
    {
        QTest::ignoreMessage(QtDebugMsg, "预设办公模式：1 预设游戏模式：1");
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(BaseValues())));
        // A reset marks the moment the page was made.
        CDDCUtil::GetInstance()->Reset();
        m_pPage = std::make_unique<CStandardModeWidget>();
        QTRY_VERIFY_WITH_TIMEOUT(LoadIsDone(), LOAD_TIMEOUT_MS);

        const qint64 nWaitedMs = TestSupport::MsBetween("RESET", "GET 0 0x10 70");
        QVERIFY2(nWaitedMs >= 950, qPrintable(QString::number(nWaitedMs)));
        // Only the selector writes of the sub-coded reads: the fill itself writes nothing.
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"} + FullLoadTranscript());
        QVERIFY(m_pPage->IsLoaded());

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
                         "lblCLBrightnessValue=60 cmbClEffects=1");
        QCOMPARE(Label("lblAccuracyIcon")->property("cross_type").toString(), QStringLiteral("cross2"));
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), 1);
    }

    void refreshPausesAndWaitsForTheBlackHomogenizer()
    {
        LoadedPage();
        Button("btnRefreshFastSet")->click();
        // 100 ms after the reset, then 100 ms between selecting the black homogenizer and reading it.
        const qint64 nPausedMs = TestSupport::MsBetween("RESET", "GET 0 0xF2 30");
        QVERIFY2(nPausedMs >= 200, qPrintable(QString::number(nPausedMs)));
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"} + FullLoadTranscript().mid(0, 15));
        QVERIFY(m_pPage->IsLoaded());
    }

    void monitorChangeWhileShownReloadsAfterAPause()
    {
        NewPage({}, {}, 2);
        QTRY_VERIFY_WITH_TIMEOUT(LoadIsDone(), LOAD_TIMEOUT_MS);
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        TestSupport::Sim()->ClearTranscript();
        CDDCUtil::GetInstance()->Reset();
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0);
        const qint64 nPausedMs = TestSupport::MsBetween("RESET", "GET 1 0x10 70");
        QVERIFY2(nPausedMs >= 100, qPrintable(QString::number(nPausedMs)));
        QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"} + FullLoadTranscript(1));
        QVERIFY(m_pPage->IsLoaded());
    }

    // ---- Fills of unusual values

    void failedReadsShowZeroAndEmptyBoxes()
    {
        LoadedPage();
        QVERIFY(TestSupport::UseSimConfig(TestSupport::MonitorJson(BaseValues(), {"0x10", "0x12", "0xF0/0x11", "0x87", "0x8A", "0x62", "0x14",
                                                        "0xE4", "0xEE/0x02", "0xE9", "0x22", "0xE7"})));
        Button("btnRefreshFastSet")->click();
        QVERIFY_CONTROLS(m_pPage.get(), "hsliderBrightness=0 lblBrightnessValue=0 hsliderContrast=0 lblContrastValue=0 "
                                        "hslideBlackHomogenizer=0 lblBlackHmgValue=0 hsliderSharpness=0 "
                                        "lblSharpnessValue=0 hsliderSPKVolume=0 lblSPKVolumeValue=0 cmbMPRT=0 "
                                        "cmbColorTemperature=-1 cmbLowBlueLight=-1 cmbOverDrive=-1 -hsliderUMRed");

        // A failed preset read: no office change, an empty mode name.
        QSignalSpy spyMode(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_ModeTypeChanged);
        Button("btnRefreshGameSet")->click();
        QCOMPARE(spyMode.count(), 1);
        QCOMPARE(spyMode.first().first().toString(), QString());
        QVERIFY(Button("btnOMStandard")->isChecked());
        QVERIFY(Button("btnGMStandard")->isChecked());

        TestSupport::Sim()->ClearTranscript();
        Combo("cmbOverDrive")->setCurrentIndex(0);
        QCOMPARE(TestSupport::Writes(), QStringList{"SET 0 0xE9 1"});
    }

    void gameSetFill_data()
    {
        QTest::addColumn<int>("office");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("crossType");
        QTest::addColumn<int>("lightColor");
        QTest::addColumn<QString>("officeButton");
        QTest::addColumn<QString>("gameButton");
        QTest::addColumn<QStringList>("modeNames");
        QTest::addColumn<bool>("officeEnabled");
        QTest::addColumn<bool>("gameEnabled");
        QTest::addColumn<int>("managerGameMode");
        QTest::addColumn<QString>("crossButton");
        QTest::addColumn<QString>("lightButton");
        QTest::newRow("standard presets, crosshair off, multicolour")
            << 1 << 1 << 1 << 0 << "btnOMStandard" << "btnGMStandard" << QStringList{"Standard"} << true << true << 1
            << "" << "btnClMulticolor";
        QTest::newRow("ebook, G1, crosshair 4, yellow")
            << 2 << 2 << 5 << 6 << "btnEbook" << "btnGMG1" << QStringList{"Ebook", "G1"} << false << false << 2
            << "btnCross4" << "btnClYellow";
        QTest::newRow("office preset 7, RTS, crosshair type 0, colour 4")
            << 7 << 6 << 0 << 4 << "" << "btnGMRacing" << QStringList{"RTS"} << false << true << 6 << "" << "";
        QTest::newRow("hidden game preset is shown but not handed on")
            << 3 << 8 << 2 << 5 << "btnMovie" << "btnGMXbox" << QStringList{"Movie", "Xbox/PS"} << false << false
            << -1 << "btnCross1" << "btnClPurple";
    }
    void gameSetFill()
    {
        QFETCH(int, office);
        QFETCH(int, game);
        QFETCH(int, crossType);
        QFETCH(int, lightColor);
        QFETCH(QString, officeButton);
        QFETCH(QString, gameButton);
        QFETCH(QStringList, modeNames);
        QFETCH(bool, officeEnabled);
        QFETCH(bool, gameEnabled);
        QFETCH(int, managerGameMode);
        QFETCH(QString, crossButton);
        QFETCH(QString, lightButton);

        QSignalSpy spyMode(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_ModeTypeChanged);
        LoadedPage({{"0x22", office}, {"0xE7", game}, {"0xE8", crossType}, {"0xEE/0x0C", lightColor}});
        QStringList listNames;
        for (const QList<QVariant>& args : spyMode)
            listNames.append(args.first().toString());
        QCOMPARE(listNames, modeNames);

        const auto checkedIn = [this](const char* szGroup) {
            QStringList listChecked;
            for (QAbstractButton* pButton : Widget(szGroup)->findChildren<QAbstractButton*>()) {
                if (pButton->isChecked())
                    listChecked.append(pButton->objectName());
            }
            return listChecked.join(QLatin1Char(','));
        };
        QCOMPARE(checkedIn("widgetOfficeMode"), officeButton);
        QCOMPARE(checkedIn("widgetGameMode"), gameButton);
        QCOMPARE(checkedIn("widgetCross"), crossButton);
        QCOMPARE(checkedIn("widgetLightColor"), lightButton);
        QCOMPARE(Widget("widgetOfficeMode")->isEnabled(), officeEnabled);
        QCOMPARE(Widget("widgetGameMode")->isEnabled(), gameEnabled);
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), managerGameMode);

        const bool bCrossOn = crossType > 1;
        QCOMPARE(Button("btnEnableGameCross")->isChecked(), bCrossOn);
        QCOMPARE(Button("btnCross1")->isEnabled(), bCrossOn);
        QCOMPARE(Slider("hsliderHorizontalPos")->isEnabled(), bCrossOn);
        QCOMPARE(Label("lblAccuracyIcon")->property("cross_type").toString(),
                 bCrossOn ? QStringLiteral("cross%1").arg(crossType - 1) : QStringLiteral("none"));
        QVERIFY(TestSupport::Writes().isEmpty());
    }

    void lightColorOutsideTheSwatchesClearsAnOlderCheck()
    {
        LoadedPage({{"0xEE/0x0C", 1}});
        QVERIFY(Button("btnClRed")->isChecked());
        TestSupport::Sim()->SetValue(0, "0xEE/0x0C", 4);
        Button("btnRefreshGameSet")->click();
        for (const char* szName : {"btnClMulticolor", "btnClRed", "btnClGreen", "btnClBlue", "btnClPurple", "btnClYellow"})
            QVERIFY2(!Button(szName)->isChecked(), szName);
        // Still one choice at a time afterwards.
        Button("btnClGreen")->click();
        Button("btnClBlue")->click();
        QVERIFY(!Button("btnClGreen")->isChecked());
    }

    void userGainsFollowTheColorTemperatureRead_data()
    {
        QTest::addColumn<int>("colorTemperature");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("USER") << 11 << true;
        QTest::newRow("Warm") << 5 << false;
    }
    void userGainsFollowTheColorTemperatureRead()
    {
        QFETCH(int, colorTemperature);
        QFETCH(bool, enabled);
        LoadedPage({{"0x14", colorTemperature}});
        for (const char* szName : {"hsliderUMRed", "hsliderUMGreen", "hsliderUMBlue"})
            QCOMPARE(Slider(szName)->isEnabled(), enabled);
    }

    // ---- Writes

    void sliderWrites_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("brightness") << "hsliderBrightness" << "lblBrightnessValue" << QStringList{"SET 0 0x10 23"};
        QTest::newRow("black homogenizer")
            << "hslideBlackHomogenizer" << "lblBlackHmgValue" << QStringList{"SET 0 0xF0 17", "SET 0 0xF2 23"};
        QTest::newRow("user blue") << "hsliderUMBlue" << "lblUMBlueValue" << QStringList{"SET 0 0x1A 23"};
        QTest::newRow("light brightness")
            << "hsliderClBrightness" << "lblCLBrightnessValue" << QStringList{"SET 0 0xEE 13", "SET 0 0xEF 23"};
    }
    void sliderWrites()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        QFETCH(QStringList, writes);
        NewPage();
        Slider(qPrintable(slider))->setValue(23);
        QCOMPARE(TestSupport::Writes(), writes);
        QCOMPARE(Label(qPrintable(label))->text(), QStringLiteral("23"));
    }

    void hubValuesMoveControlsWithoutWriting_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        QTest::newRow("brightness") << QByteArray("Sig_BrightnessChanged") << "hsliderBrightness" << "lblBrightnessValue";
        QTest::newRow("MPRT") << QByteArray("Sig_MPRTChanged") << "cmbMPRT" << "";
        QTest::newRow("over drive") << QByteArray("Sig_OverDriveChanged") << "cmbOverDrive" << "";
    }
    void hubValuesMoveControlsWithoutWriting()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QString, control);
        QFETCH(QString, label);
        NewPage();
        const int nValue = label.isEmpty() ? 2 : 7;
        QVERIFY(QMetaObject::invokeMethod(CGlobalSignal::GetInstance(), signal.constData(), Q_ARG(int, nValue)));
        if (label.isEmpty()) {
            QCOMPARE(Combo(qPrintable(control))->currentIndex(), nValue);
        } else {
            QCOMPARE(Slider(qPrintable(control))->value(), nValue);
            QCOMPARE(Label(qPrintable(label))->text(), QString::number(nValue));
        }
        QVERIFY(TestSupport::Transcript().isEmpty());
    }

    void colorTemperature_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("gainsEnabled");
        QTest::newRow("Warm") << 2 << 5 << false;
        QTest::newRow("USER") << 3 << 11 << true;
    }
    void colorTemperature()
    {
        QFETCH(int, index);
        QFETCH(int, written);
        QFETCH(bool, gainsEnabled);
        NewPage();
        QComboBox* pCombo = Combo("cmbColorTemperature");
        {
            const QSignalBlocker blocker(pCombo);
            pCombo->setCurrentIndex(index == 3 ? 0 : 3);
        }
        for (const char* szName : {"hsliderUMRed", "hsliderUMGreen", "hsliderUMBlue"})
            Slider(szName)->setEnabled(!gainsEnabled);
        pCombo->setCurrentIndex(index);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"RESET", QStringLiteral("SET 0 0x14 %1").arg(written),
                                                         "GET 0 0x16 40", "GET 0 0x18 41", "GET 0 0x1A 42"}));
        for (const char* szName : {"hsliderUMRed", "hsliderUMGreen", "hsliderUMBlue"})
            QTRY_COMPARE(Slider(szName)->isEnabled(), gainsEnabled);
        QCOMPARE(Label("lblUMGreenValue")->text(), QStringLiteral("41"));
        QVERIFY(TestSupport::Writes().size() == 1);
    }

    void comboWrites_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("low blue light High") << "cmbLowBlueLight" << 3 << QStringList{"SET 0 0xE4 4"};
        QTest::newRow("MPRT Strong") << "cmbMPRT" << 2 << QStringList{"SET 0 0xEE 2", "SET 0 0xEF 2"};
        QTest::newRow("over drive Extreme") << "cmbOverDrive" << 4 << QStringList{"SET 0 0xE9 5"};
        QTest::newRow("effects Marquee3") << "cmbClEffects" << 4 << QStringList{"SET 0 0xEE 11", "SET 0 0xEF 5"};
        // Nothing selected (a fill of an unknown value, or a cleared box) writes nothing.
        QTest::newRow("MPRT none") << "cmbMPRT" << -1 << QStringList{};
    }
    void comboWrites()
    {
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(QStringList, writes);
        NewPage();
        QSignalSpy spyMPRT(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MPRTChanged);
        QSignalSpy spyOverDrive(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_OverDriveChanged);
        Combo(qPrintable(combo))->setCurrentIndex(index);
        QCOMPARE(TestSupport::Transcript(), writes);
        // Only a write is announced.
        QCOMPARE(spyMPRT.count() + spyOverDrive.count(),
                 !writes.isEmpty() && (combo == "cmbMPRT" || combo == "cmbOverDrive") ? 1 : 0);
    }

    // ---- Presets

    // The presets' traffic and the states they leave are checked with all pages in the
    // control manager's integration suite.
    void gameStandardPresetRestoresBrightnessAndOfficeGroup()
    {
        LoadedPage({{"0xE7", 3}});
        QVERIFY(!Widget("widgetOfficeMode")->isEnabled());
        QSignalSpy spyBrightness(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_BrightnessChanged);
        QSignalSpy spyMode(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_ModeTypeChanged);
        QElapsedTimer timer;
        timer.start();
        Button("btnGMStandard")->click();
        QVERIFY(timer.elapsed() >= 950);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"RESET", "SET 0 0xE7 1"}));
        QCOMPARE(spyBrightness.count(), 1);
        QCOMPARE(spyBrightness.first().first().toInt(), 80);
        QVERIFY_CONTROLS(m_pPage.get(), "hsliderBrightness=80 lblBrightnessValue=80");
        QVERIFY(Widget("widgetOfficeMode")->isEnabled());
        QCOMPARE(spyMode.last().first().toString(), QStringLiteral("Standard"));
    }

    void officePresetWritesThenAnnounces()
    {
        NewPage();
        QSignalSpy spyOffice(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_OfficeModeChanged);
        QSignalSpy spyMode(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_ModeTypeChanged);
        Button("btnEbook")->click();
        // The control manager's scenario rule follows with writes of its own.
        QCOMPARE(TestSupport::Transcript().mid(0, 3), (QStringList{"RESET", "SET 0 0x22 2", "SET 0 0x10 100"}));
        QCOMPARE(spyOffice.count(), 1);
        QCOMPARE(spyOffice.first().first().toInt(), 2);
        QCOMPARE(spyMode.count(), 1);
        QCOMPARE(spyMode.first().first().toString(), Button("btnEbook")->text());
        QVERIFY(!Widget("widgetGameMode")->isEnabled());
    }

    void presetsFollowTheHubWithoutWriting()
    {
        NewPage();
        CGlobalSignal* pHub = CGlobalSignal::GetInstance();
        emit pHub->Sig_GameModeChanged(6);
        QVERIFY(Button("btnGMRacing")->isChecked());
        QVERIFY(!Widget("widgetOfficeMode")->isEnabled());
        emit pHub->Sig_GameModeChanged(9);
        QVERIFY(Button("btnGMRacing")->isChecked());
        emit pHub->Sig_GameModeChanged(1);
        QVERIFY(Button("btnGMStandard")->isChecked());
        QVERIFY(Widget("widgetOfficeMode")->isEnabled());

        emit pHub->Sig_OfficeModeChanged(4);
        QVERIFY(Button("btnPicture")->isChecked());
        QVERIFY(!Widget("widgetGameMode")->isEnabled());
        emit pHub->Sig_OfficeModeChanged(8);
        QVERIFY(Button("btnPicture")->isChecked());
        QVERIFY(!Widget("widgetGameMode")->isEnabled());
        emit pHub->Sig_OfficeModeChanged(1);
        QVERIFY(Button("btnOMStandard")->isChecked());
        QVERIFY(Widget("widgetGameMode")->isEnabled());
        // The handlers write no preset; what the control manager's rules set is written by the
        // controls' own slots.
        for (const QString& strLine : TestSupport::Writes())
            QVERIFY2(!strLine.contains(QLatin1String(" 0x22 ")) && !strLine.contains(QLatin1String(" 0xE7 ")), qPrintable(strLine));
    }

    // ---- Crosshair and lights

    void crosshairSwitch()
    {
        LoadedPage({{"0xE8", 3}});
        QAbstractButton* pSwitch = Button("btnEnableGameCross");
        QVERIFY(pSwitch->isChecked());

        pSwitch->click();
        QCOMPARE(TestSupport::Writes(), QStringList{"SET 0 0xE8 1"});
        QTRY_VERIFY(!Button("btnCross1")->isEnabled());
        for (const char* szName : {"btnCross2", "btnCross3", "btnCross4", "btnGaRed", "btnGaYellow"})
            QVERIFY2(!Button(szName)->isEnabled(), szName);
        QVERIFY(!Slider("hsliderVerticalPos")->isEnabled());
        QVERIFY(Button("btnCross2")->isChecked());
        QCOMPARE(Label("lblAccuracyIcon")->property("cross_type").toString(), QStringLiteral("none"));

        pSwitch->click();
        QTRY_VERIFY(Button("btnCross1")->isEnabled());
        QVERIFY(pSwitch->isChecked());
        QCOMPARE(TestSupport::Writes(), QStringList{"SET 0 0xE8 1"});

        Button("btnCross3")->click();
        QCOMPARE(TestSupport::Writes(), (QStringList{"SET 0 0xE8 1", "SET 0 0xE8 4"}));
        QCOMPARE(Label("lblAccuracyIcon")->property("cross_type").toString(), QStringLiteral("cross3"));
    }

    void swatchWrites_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("crosshair purple") << "btnGaPurple" << QStringList{"SET 0 0xF0 8", "SET 0 0xF2 4"};
        QTest::newRow("light yellow") << "btnClYellow" << QStringList{"SET 0 0xEE 12", "SET 0 0xEF 6"};
    }
    void swatchWrites()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, writes);
        NewPage();
        QAbstractButton* pButton = Button(qPrintable(button));
        pButton->setEnabled(true);
        pButton->click();
        QCOMPARE(TestSupport::Transcript(), writes);
    }

    void lightsSwitch()
    {
        LoadedPage({{"0xEE/0x0A", 0}});
        QVERIFY(!Button("btnClRed")->isEnabled());
        QVERIFY(!Combo("cmbClEffects")->isEnabled());
        Button("btnEnableColorfulLight")->click();
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xEE 10", "SET 0 0xEF 1"}));
        QVERIFY(Button("btnClRed")->isEnabled());
        QVERIFY(Slider("hsliderClBrightness")->isEnabled());
        Button("btnEnableColorfulLight")->click();
        QCOMPARE(TestSupport::Transcript().mid(2), (QStringList{"SET 0 0xEE 10", "SET 0 0xEF 0"}));
        QVERIFY(!Button("btnClMulticolor")->isEnabled());
    }
};

QTEST_MAIN(TestStandardPage)
#include "tst_standardpage.moc"
