#include "tests/support/PageRecorders.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WaitDialogProbe.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <memory>

using PageRecorders::CEventLog;

namespace
{
using ComboTexts = QMap<QString, QString>;

const int GAME_READS = 19;
// Pauses of 2 s and 1 s, checked with room for a busy machine.
const qint64 LONG_PAUSE_MIN_MS = 1800;
const qint64 SHORT_PAUSE_MIN_MS = 800;
const qint64 NO_PAUSE_MAX_MS = 1500;

QByteArray Monitor(const QByteArray& baValues, const QByteArray& baFailing = "[]")
{
    return "{\"monitors\":[{\"values\":{" + baValues + "},\"failing\":" + baFailing + "}]}";
}

const QByteArray GAME_VALUES = R"("0xE7":3,"0x10":33,"0x8A":44,"0x90":55,"0x12":66,"0x87":7,"0xF0/0x11":77,)"
                               R"("0xE9":2,"0xEE/0x02":1,"0xF0/0x13":2,"0xEB":0,"0xF0/0x0D":1,"0xEC":1,"0xD9":2,)"
                               R"("0xEE/0x00":1,"0xEA":1,"0x72":5,"0xE2":3)";

const char* const MODE_BUTTONS[] = {"btnStandard", "btnG1", "btnG2", "btnG3", "btnShootingType", "btnRacingType"};
}

// The professional game page against the simulated monitor: the mode bar, its pauses, the
// fills and what each control writes and announces.
class TestGamePage : public QObject
{
    Q_OBJECT
private:
    // The graphics page exists too, as in the main window: the two share gamma and gamut.
    std::unique_ptr<CProfessionalGraphicsWidget> m_pGraphics;
    std::unique_ptr<CProfessionalGameWidget> m_pPage;

    template <class T>
    T* Find(const QString& strName)
    {
        return m_pPage->findChild<T*>(strName);
    }

    bool ShowAndLoad()
    {
        m_pPage->show();
        return PageRecorders::WaitForLoad(GAME_READS);
    }

    void CheckSilently(const char* szButton)
    {
        auto* pButton = Find<QPushButton>(szButton);
        const QSignalBlocker blocker(pButton);
        pButton->setChecked(true);
    }

    QStringList CheckedModeButtons()
    {
        QStringList list;
        for (const char* szButton : MODE_BUTTONS) {
            if (Find<QPushButton>(szButton)->isChecked())
                list.append(QLatin1String(szButton));
        }
        return list;
    }

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseSimConfig(Monitor(GAME_VALUES)));
        // Pages register their controls with the manager; both are made fresh for every test.
        m_pGraphics = std::make_unique<CProfessionalGraphicsWidget>();
        m_pPage = std::make_unique<CProfessionalGameWidget>();
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        TestSupport::Sim()->ClearTranscript();
    }
    void cleanup()
    {
        m_pPage.reset();
        m_pGraphics.reset();
    }

    void firstShowReadsInOrderAndWritesNothing()
    {
        CWaitDialogProbe watcher;
        QVERIFY(ShowAndLoad());
        QCOMPARE(watcher.Opened(), 1);
        QCOMPARE(watcher.Texts(), QStringList{"Load Data..."});
        const QStringList listExpected = {
            "GET 0 0xE7 3",  "GET 0 0x10 33", "GET 0 0x8A 44", "GET 0 0x90 55",  "GET 0 0x12 66", "GET 0 0x87 7",
            "SET 0 0xF0 17", "GET 0 0xF2 77", "GET 0 0xE9 2",  "SET 0 0xEE 2",   "GET 0 0xEF 1",  "SET 0 0xF0 19",
            "GET 0 0xF2 2",  "GET 0 0xEB 0",  "SET 0 0xF0 13", "GET 0 0xF2 1",   "GET 0 0xEC 1",  "GET 0 0xD9 2",
            "SET 0 0xEE 0",  "GET 0 0xEF 1",  "GET 0 0xEA 1",  "GET 0 0x72 5",   "GET 0 0xE2 3",  "GET 0 0xEB 0"};
        QCOMPARE(TestSupport::Transcript(), listExpected);
    }

    void fillShowsValuesRead_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("expect");
        QTest::addColumn<ComboTexts>("texts");
        QTest::addColumn<QString>("checked");

        QTest::newRow("values read")
            << Monitor(GAME_VALUES)
            << "hsliderBrightness=33 lblGSBrightnessValue=33 hsliderSaturation=44 lblGSSaturationValue=44 "
               "hsliderHue=55 lblGSHueValue=55 hsliderContrast=66 lblGSContrastValue=66 hsliderSharpness=7 "
               "lblGSSharpnessValue=7 hsliderDarkEnhancement=77 lblGSDarkEhmValue=77"
            << ComboTexts{{"cmbOverDrive", "Normal"},         {"cmbMPRT", "Weak"},
                          {"cmbHawkeye", "2"},                {"cmbAdaptiveSync", "Off"},
                          {"cmbALLM", "On"},                  {"cmbDisplayRefreshRate", "On"},
                          {"cmbOwl", "Whole"},                {"cmbOneClickBattle", "On"},
                          {"cmbDynamicResponseTime", "On"},   {"cmbGamma", "2.6"},
                          {"cmbGamutMode", "Adobe RGB"},      {"cmbVRRProjection", "Off"}}
            << "btnG2";
        // Every read fails and gives 0; the bar keeps the preset it showed (G1 here).
        QTest::newRow("failed reads")
            << Monitor("", R"(["0xE7","0x10","0x8A","0x90","0x12","0x87","0xF0/0x11","0xE9","0xEE/0x02",)"
                           R"("0xF0/0x13","0xEB","0xF0/0x0D","0xEC","0xD9","0xEE/0x00","0xEA","0x72","0xE2"])")
            << "hsliderBrightness=0 lblGSBrightnessValue=0 hsliderSaturation=0 lblGSSaturationValue=0 hsliderHue=0 "
               "lblGSHueValue=0 hsliderContrast=0 lblGSContrastValue=0 hsliderSharpness=0 lblGSSharpnessValue=0 "
               "hsliderDarkEnhancement=0 lblGSDarkEhmValue=0"
            << ComboTexts{{"cmbOverDrive", ""},          {"cmbMPRT", "Off"},           {"cmbHawkeye", "Off"},
                          {"cmbAdaptiveSync", "Off"},    {"cmbALLM", "Off"},           {"cmbDisplayRefreshRate", "Off"},
                          {"cmbOwl", "Off"},             {"cmbOneClickBattle", "Off"}, {"cmbDynamicResponseTime", "Off"},
                          {"cmbGamma", ""},              {"cmbGamutMode", ""},         {"cmbVRRProjection", "Off"}}
            << "btnG1";
        QTest::newRow("game mode 7 read") << Monitor(R"("0xE7":7)") << QString() << ComboTexts{}
                                          << "btnG1";
        QTest::newRow("game mode 6 read") << Monitor(R"("0xE7":6)") << QString() << ComboTexts{}
                                          << "btnRacingType";
    }
    void fillShowsValuesRead()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, expect);
        QFETCH(ComboTexts, texts);
        QFETCH(QString, checked);
        QVERIFY(TestSupport::UseSimConfig(config));
        CheckSilently("btnG1");
        QVERIFY(ShowAndLoad());

        QVERIFY_CONTROLS(m_pPage.get(), expect + " -cmbGamma -cmbALLM");
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            auto* pCombo = Find<QComboBox>(it.key());
            QVERIFY2(pCombo, qPrintable(it.key()));
            QCOMPARE(pCombo->currentText(), it.value());
            QCOMPARE(pCombo->currentIndex() == -1, it.value().isEmpty());
        }
        QCOMPARE(CheckedModeButtons(), QStringList{checked});
        // Only the selectors of the sub-coded reads are written.
        for (const QString& strWrite : TestSupport::Writes()) {
            QVERIFY2(strWrite.startsWith(QLatin1String("SET 0 0xEE ")) || strWrite.startsWith(QLatin1String("SET 0 0xF0 ")),
                     qPrintable(strWrite));
        }
    }

    void presetButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("pauses");
        QTest::addColumn<int>("managerMode");

        auto preset = [](const char* szName, const char* szButton, int nValue, const char* szText, bool bSlow) {
            const QString strSet = QStringLiteral("SET 0 0xE7 %1").arg(nValue);
            const QStringList listSignals = {QStringLiteral("Sig_GameModeChanged %1").arg(nValue),
                                             QStringLiteral("Sig_ModeTypeChanged %1").arg(QLatin1String(szText))};
            const QStringList listEvents = bSlow ? QStringList{strSet} + listSignals + QStringList{"RESET"}
                                                 : QStringList{"RESET", strSet} + listSignals;
            QTest::newRow(szName) << szButton << listEvents << bSlow << nValue;
        };
        preset("Standard", "btnStandard", 1, "Standard", false);
        preset("G1", "btnG1", 2, "G1", true);
        preset("G3", "btnG3", 4, "G3", true);
        preset("FPS", "btnShootingType", 5, "FPS", false);
        preset("RTS", "btnRacingType", 6, "RTS", false);
        preset("Strategy (hidden)", "btnStrategyType", 7, "Strategy Type", false);
        // The hidden custom buttons only write; nobody hears of it.
        QTest::newRow("Custom1 (hidden)") << "btnCustom1" << QStringList{"SET 0 0xE7 2"} << false << -1;
    }
    void presetButtons()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, events);
        QFETCH(bool, pauses);
        QFETCH(int, managerMode);
        CEventLog log;
        QElapsedTimer timer;
        timer.start();
        Find<QPushButton>(button)->click();
        const qint64 nElapsed = timer.elapsed();

        QCOMPARE(log.Lines(), events);
        if (pauses)
            QVERIFY2(nElapsed >= LONG_PAUSE_MIN_MS, qPrintable(QString::number(nElapsed)));
        else
            QVERIFY2(nElapsed < NO_PAUSE_MAX_MS, qPrintable(QString::number(nElapsed)));
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), managerMode);
    }

    void freeSyncOnPausesThenResets()
    {
        auto* pFreeSync = Find<QComboBox>("cmbAdaptiveSync");
        QCOMPARE(pFreeSync->currentIndex(), 0);
        QElapsedTimer timer;
        timer.start();
        pFreeSync->setCurrentIndex(1);
        QVERIFY2(timer.elapsed() >= LONG_PAUSE_MIN_MS, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(TestSupport::Transcript(), QStringList{"SET 0 0xEB 1"});

        timer.restart();
        QVERIFY(TestSupport::WaitForTranscriptLine(QStringLiteral("RESET"), 5000));
        QVERIFY2(timer.elapsed() >= SHORT_PAUSE_MIN_MS, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(TestSupport::Transcript(), (QStringList{"SET 0 0xEB 1", "RESET"}));
    }

    void comboWrites_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("over drive extreme") << "cmbOverDrive" << 4
                                            << QStringList{"SET 0 0xE9 5", "Sig_OverDriveChanged 4"};
        QTest::newRow("gamma 2.6") << "cmbGamma" << 4 << QStringList{"SET 0 0x72 5", "Sig_GammaChanged 4"};
        QTest::newRow("allm on") << "cmbALLM" << 1 << QStringList{"SET 0 0xF0 13", "SET 0 0xF2 1"};
        QTest::newRow("one click battle on") << "cmbOneClickBattle" << 1 << QStringList{"SET 0 0xEE 0", "SET 0 0xEF 1"};
        QTest::newRow("hawkeye 2") << "cmbHawkeye" << 2 << QStringList{"SET 0 0xF0 19", "SET 0 0xF2 2"};
        QTest::newRow("refresh rate on") << "cmbDisplayRefreshRate" << 1 << QStringList{"SET 0 0xEC 1"};
        QTest::newRow("response time on") << "cmbDynamicResponseTime" << 1 << QStringList{"SET 0 0xEA 1"};
        QTest::newRow("vrr on") << "cmbVRRProjection" << 1 << QStringList{"SET 0 0xEB 1"};
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

    void sliderWrites_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("brightness") << "hsliderBrightness" << "lblGSBrightnessValue" << 42
                                    << QStringList{"SET 0 0x10 42", "Sig_BrightnessChanged 42"};
        QTest::newRow("contrast") << "hsliderContrast" << "lblGSContrastValue" << 43
                                  << QStringList{"SET 0 0x12 43", "Sig_ContrastChanged 43"};
        QTest::newRow("sharpness") << "hsliderSharpness" << "lblGSSharpnessValue" << 9
                                   << QStringList{"SET 0 0x87 9", "Sig_SharpnessChanged 9"};
        QTest::newRow("dark enhancement") << "hsliderDarkEnhancement" << "lblGSDarkEhmValue" << 61
                                          << QStringList{"SET 0 0xF0 17", "SET 0 0xF2 61", "Sig_BlackLevelChanged 61"};
        QTest::newRow("saturation (hidden)") << "hsliderSaturation" << "lblGSSaturationValue" << 44
                                             << QStringList{"SET 0 0x8A 44", "Sig_SaturationChanged 44"};
        QTest::newRow("hue (hidden)") << "hsliderHue" << "lblGSHueValue" << 45 << QStringList{"SET 0 0x90 45"};
    }
    void sliderWrites()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        QFETCH(int, value);
        QFETCH(QStringList, events);
        CEventLog log;
        Find<QSlider>(slider)->setValue(value);
        QCOMPARE(Find<QLabel>(label)->text(), QString::number(value));
        QCOMPARE(log.Lines(), events);
    }

    void followsHub_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        QTest::newRow("black level") << QByteArray("Sig_BlackLevelChanged") << 25 << "hsliderDarkEnhancement"
                                     << "lblGSDarkEhmValue";
        QTest::newRow("over drive") << QByteArray("Sig_OverDriveChanged") << 3 << "cmbOverDrive" << "";
        QTest::newRow("gamma") << QByteArray("Sig_GammaChanged") << 2 << "cmbGamma" << "";
    }
    void followsHub()
    {
        QFETCH(QByteArray, signal);
        QFETCH(int, value);
        QFETCH(QString, control);
        QFETCH(QString, label);
        QVERIFY(QMetaObject::invokeMethod(CGlobalSignal::GetInstance(), signal.constData(), Q_ARG(int, value)));
        if (auto* pSlider = Find<QSlider>(control))
            QCOMPARE(pSlider->value(), value);
        else
            QCOMPARE(Find<QComboBox>(control)->currentIndex(), value);
        if (!label.isEmpty())
            QCOMPARE(Find<QLabel>(label)->text(), QString::number(value));
        QVERIFY(TestSupport::Transcript().isEmpty());
    }

    void gammaChosenOnGraphicsPageMovesGammaHere()
    {
        auto* pGraphicsGamma = m_pGraphics->findChild<QComboBox*>(QStringLiteral("cmbGamma"));
        {
            const QSignalBlocker blocker(pGraphicsGamma);
            pGraphicsGamma->setCurrentIndex(-1);
        }
        pGraphicsGamma->setCurrentIndex(4);
        QCOMPARE(Find<QComboBox>("cmbGamma")->currentText(), QStringLiteral("2.6"));
        QVERIFY(!Find<QComboBox>("cmbGamma")->isEnabled());
        // Written once, by the graphics page.
        QCOMPARE(TestSupport::Transcript(), QStringList{"SET 0 0x72 5"});
    }

    void officeModeElsewhere_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("barBefore");
        QTest::addColumn<bool>("barAfter");
        QTest::newRow("movie disables the bar") << 3 << true << false;
        QTest::newRow("further preset disables the bar") << 7 << true << false;
        QTest::newRow("standard enables the bar") << 1 << false << true;
        QTest::newRow("0 keeps the bar") << 0 << false << false;
        QTest::newRow("negative keeps the bar") << -1 << true << true;
    }
    void officeModeElsewhere()
    {
        QFETCH(int, value);
        QFETCH(bool, barBefore);
        QFETCH(bool, barAfter);
        CheckSilently("btnG2");
        auto* pBar = Find<QWidget>("widgetTopMenuBar");
        pBar->setEnabled(barBefore);
        emit CGlobalSignal::GetInstance()->Sig_OfficeModeChanged(value);
        QCOMPARE(CheckedModeButtons(), QStringList{});
        QCOMPARE(pBar->isEnabled(), barAfter);
        // Auto-exclusivity is back: checking one button unchecks the other.
        CheckSilently("btnG1");
        CheckSilently("btnG3");
        QCOMPARE(CheckedModeButtons(), QStringList{"btnG3"});
        QVERIFY(TestSupport::Transcript().isEmpty());
    }

    void gameModeElsewhere_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("bar");
        QTest::addColumn<QString>("checked");
        QTest::newRow("G3") << 4 << true << "btnG3";
        QTest::newRow("standard") << 1 << true << "btnStandard";
        QTest::newRow("strategy has no shown button") << 7 << true << "btnG1";
        QTest::newRow("0 disables the bar") << 0 << false << "btnG1";
    }
    void gameModeElsewhere()
    {
        QFETCH(int, value);
        QFETCH(bool, bar);
        QFETCH(QString, checked);
        CheckSilently("btnG1");
        auto* pBar = Find<QWidget>("widgetTopMenuBar");
        pBar->setEnabled(!bar);
        emit CGlobalSignal::GetInstance()->Sig_GameModeChanged(value);
        QCOMPARE(pBar->isEnabled(), bar);
        QCOMPARE(CheckedModeButtons(), QStringList{checked});
        QCOMPARE(CtrlWidgetMana::GetInstance()->GetCurrGameMode(), value);
        QVERIFY(TestSupport::Transcript().isEmpty());
    }
};

QTEST_MAIN(TestGamePage)
#include "tst_gamepage.moc"
