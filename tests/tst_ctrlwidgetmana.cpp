#include "ui/frame/CtrlWidgetMana.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{
// Named groups used in the expectations below, expanded in the manager's control order.
const QMap<QString, QStringList> kGroups = {
    {"bright", {"stdBright", "gameBright"}},
    {"contrast", {"stdContrast", "gameContrast"}},
    {"sharp", {"stdSharp", "gameSharp"}},
    {"um", {"umR", "umG", "umB"}},
    {"hueSat",
     {"hueR", "hueG", "hueB", "hueY", "hueM", "hueC", "satR", "satG", "satB", "satY", "satM", "satC"}},
    {"lbl", {"stdLBL", "gfxLBL"}},
    {"mprt", {"gameMPRT", "stdMPRT"}},
    {"gamut", {"gfxGamut", "gameGamut"}},
};

QStringList Expand(const QString& strName)
{
    return kGroups.value(strName, QStringList{strName});
}

// Everything enable-all switches on, apart from the user-mode sliders.
const QString kEnableAll = QStringLiteral(
    "+bright +contrast +sharp +scenario +dark +black +colorTemp +hueSat +rgbRange +colorType "
    "+gameCross +refreshRate +owl +hdr +mprt +dynContrast +readingLamp +gamut +officeMode");
const QString kEnableAllUserMode = kEnableAll + QStringLiteral(" +um");
const QString kEnableAllNoUserMode = kEnableAll + QStringLiteral(" -um");

// One page set of bare controls, registered and wired like the real pages. Sliders start at 10
// and combo boxes on their last item, so that every value a rule sets is a change.
class Rig
{
public:
    explicit Rig(bool bEnabled = true, int nColorTemperature = 1, bool bRecord = true)
    {
        CtrlWidgetMana::StandardModeCtrls std;
        std.pBrightness = Slider("stdBright");
        CtrlWidgetMana::GameCtrls game;
        game.pBrightness = Slider("gameBright");
        std.pContrast = Slider("stdContrast");
        game.pContrast = Slider("gameContrast");
        std.pSharpness = Slider("stdSharp");
        game.pSharpness = Slider("gameSharp");
        CtrlWidgetMana::GraphicsCtrls gfx;
        gfx.pScenarioMode = Box("scenario", 4);
        game.pDarkEnhancement = Slider("dark");
        std.pBlackHomogenizer = Slider("black");
        std.pColorTemperature = Box("colorTemp", 5);
        std.pUMRed = Slider("umR");
        std.pUMGreen = Slider("umG");
        std.pUMBlue = Slider("umB");
        gfx.pHueRed = Slider("hueR");
        gfx.pHueGreen = Slider("hueG");
        gfx.pHueBlue = Slider("hueB");
        gfx.pHueYellow = Slider("hueY");
        gfx.pHueMagenta = Slider("hueM");
        gfx.pHueCyan = Slider("hueC");
        gfx.pSaturationRed = Slider("satR");
        gfx.pSaturationGreen = Slider("satG");
        gfx.pSaturationBlue = Slider("satB");
        gfx.pSaturationYellow = Slider("satY");
        gfx.pSaturationMagenta = Slider("satM");
        gfx.pSaturationCyan = Slider("satC");
        std.pLowBlueLight = Box("stdLBL", 5);
        gfx.pLowBlueLight = Box("gfxLBL", 5);
        gfx.pDynamicBacklight = Box("dynBacklight", 3);
        gfx.pGamma = Box("gamma", 5);
        gfx.pRGBRange = Box("rgbRange", 3);
        gfx.pColorType = Box("colorType", 3);
        std.pEnableGameCross = Add("gameCross", new QPushButton(&m_root));
        game.pDisplayRefreshRate = Box("refreshRate", 3);
        game.pOwl = Box("owl", 3);
        gfx.pHDR = Box("hdr", 4);
        game.pMPRT = Box("gameMPRT", 3);
        std.pMPRT = Box("stdMPRT", 3);
        gfx.pDynamicContrast = Box("dynContrast", 2);
        QComboBox* pReadingLamp = Box("readingLamp", 2);
        gfx.pGamutMode = Box("gfxGamut", 4);
        game.pGamutMode = Box("gameGamut", 4);
        gfx.pProportionalMode = Box("proportional", 3);
        game.pAdaptiveSync = Box("adaptiveSync", 2);
        std.pOfficeMode = Add("officeMode", new QWidget(&m_root));

        std.pColorTemperature->setCurrentIndex(nColorTemperature);
        for (QWidget* p : qAsConst(m_listCtrls))
            p->setEnabled(bEnabled);

        CtrlWidgetMana* pMana = CtrlWidgetMana::GetInstance();
        pMana->RegisterStandardMode(std);
        pMana->RegisterProfessionalGraphics(gfx);
        pMana->RegisterProfessionalGame(game);
        pMana->RegisterSystemSetting(pReadingLamp);
        pMana->InitConnect();
        pMana->SetCurrGameMode(-1);
        if (bRecord)
            Record();
    }

    QWidget* Ctrl(const QString& strName) const { return m_listCtrls.value(m_listNames.indexOf(strName)); }
    QSlider* SliderAt(const QString& strName) const { return qobject_cast<QSlider*>(Ctrl(strName)); }
    QComboBox* BoxAt(const QString& strName) const { return qobject_cast<QComboBox*>(Ctrl(strName)); }
    const QStringList& Names() const { return m_listNames; }
    // Value changes seen through the controls' own signals, in order: "stdBright=85".
    QStringList m_listLog;

private:
    template <typename T>
    T* Add(const QString& strName, T* p)
    {
        m_listNames << strName;
        m_listCtrls << p;
        return p;
    }
    QSlider* Slider(const QString& strName)
    {
        auto* p = new QSlider(&m_root);
        p->setRange(0, 100);
        p->setValue(10);
        return Add(strName, p);
    }
    QComboBox* Box(const QString& strName, int nItems)
    {
        auto* p = new QComboBox(&m_root);
        for (int i = 0; i < nItems; ++i)
            p->addItem(QString::number(i));
        p->setCurrentIndex(nItems - 1);
        return Add(strName, p);
    }
    void Record()
    {
        for (int i = 0; i < m_listCtrls.size(); ++i)
        {
            const QString strName = m_listNames.at(i);
            auto log = [this, strName](int n) { m_listLog << QStringLiteral("%1=%2").arg(strName).arg(n); };
            if (auto* pSlider = qobject_cast<QSlider*>(m_listCtrls.at(i)))
                QObject::connect(pSlider, &QSlider::valueChanged, &m_root, log);
            else if (auto* pBox = qobject_cast<QComboBox*>(m_listCtrls.at(i)))
                QObject::connect(pBox, qOverload<int>(&QComboBox::currentIndexChanged), &m_root, log);
        }
    }

    QWidget m_root;
    QStringList m_listNames;
    QList<QWidget*> m_listCtrls;
};

// "bright=85 hdr=0" → {"stdBright=85", "gameBright=85", "hdr=0"}
QStringList ExpandValues(const QString& strValues)
{
    QStringList list;
    for (const QString& strItem : strValues.split(' ', Qt::SkipEmptyParts))
    {
        const QStringList parts = strItem.split('=');
        for (const QString& strName : Expand(parts.at(0)))
            list << strName + '=' + parts.at(1);
    }
    return list;
}

// "+bright -hdr" → {stdBright: true, gameBright: true, hdr: false}
QMap<QString, bool> ExpandEnabled(const QString& strEnabled)
{
    QMap<QString, bool> map;
    for (const QString& strItem : strEnabled.split(' ', Qt::SkipEmptyParts))
        for (const QString& strName : Expand(strItem.mid(1)))
            map.insert(strName, strItem.startsWith('+'));
    return map;
}

void AddRuleColumns()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("values");
}
}  // namespace

class TestCtrlWidgetMana : public QObject
{
    Q_OBJECT

    // Runs the rule on fresh controls, once with every control enabled and once with every one
    // disabled: the values must change exactly as listed, in that order and with their signals
    // live; the listed controls end in the listed state, every other one keeps its own.
    void CheckRule(const std::function<void(CtrlWidgetMana*, int)>& rule, int nColorTemperature = 1)
    {
        QFETCH(int, index);
        QFETCH(QString, enabled);
        QFETCH(QString, values);
        const QMap<QString, bool> mapEnabled = ExpandEnabled(enabled);
        for (const bool bInitial : {true, false})
        {
            Rig rig(bInitial, nColorTemperature);
            rule(CtrlWidgetMana::GetInstance(), index);
            QCOMPARE(rig.m_listLog, ExpandValues(values));
            for (const QString& strName : rig.Names())
            {
                const bool bExpected = mapEnabled.value(strName, bInitial);
                QVERIFY2(rig.Ctrl(strName)->isEnabled() == bExpected,
                         qPrintable(QStringLiteral("%1 should be %2 (all started %3)")
                                        .arg(strName, bExpected ? "enabled" : "disabled",
                                             bInitial ? "enabled" : "disabled")));
            }
        }
    }

private slots:
    void cleanup() { CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1); }

    void scenario_data()
    {
        AddRuleColumns();
        QTest::newRow("standard") << 1 << QStringLiteral("+scenario ") + kEnableAllNoUserMode << "";
        const QString strLocked = "+scenario -bright -contrast +dark +black -hueSat -gamut";
        QTest::newRow("ebook") << 2 << strLocked + " +owl +hdr -mprt"
                               << "bright=100 contrast=50 dark=50 owl=0 hdr=0 mprt=0";
        QTest::newRow("movie") << 3 << strLocked + " +owl +hdr -mprt"
                               << "bright=65 contrast=50 dark=50 owl=0 hdr=0 mprt=0";
        QTest::newRow("picture keeps owl") << 4 << strLocked + " -owl +hdr -mprt"
                                           << "bright=30 contrast=50 dark=50 hdr=0 mprt=0";
        QTest::newRow("failed read") << 0 << "+scenario" << "";
        QTest::newRow("further office value") << 5 << "+scenario" << "";
    }
    void scenario()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_scenarioChanged(n); });
    }

    void gameMode_data()
    {
        AddRuleColumns();
        QTest::newRow("standard") << 1 << kEnableAllNoUserMode << "";
        const QString strLocked = "-dark -black -colorTemp -hueSat -lbl -rgbRange -colorType -owl -hdr";
        const QString strG = "-scenario +bright -contrast -proportional -mprt -gamut " + strLocked;
        QTest::newRow("G1") << 2 << strG << "bright=80 contrast=50 dark=50 proportional=1 hueSat=50";
        QTest::newRow("G2") << 3 << strG << "bright=85 contrast=50 dark=50 proportional=1 hueSat=50";
        QTest::newRow("G3") << 4 << strG << "bright=90 contrast=50 dark=50 proportional=1 hueSat=50";
        const QString strShooter = "-scenario -bright -contrast +proportional -gamut " + strLocked;
        QTest::newRow("FPS") << 5 << strShooter << "bright=80 contrast=70 dark=50 proportional=1 hueSat=50";
        QTest::newRow("RTS") << 6 << strShooter << "bright=80 contrast=50 dark=50 proportional=1 hueSat=50";
        QTest::newRow("zero") << 0 << "" << "";
        QTest::newRow("beyond RTS") << 7 << "" << "";
    }
    void gameMode()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->SetCurrGameMode(n); });
    }

    void gamut_data()
    {
        AddRuleColumns();
        const QString strLocked = "+bright -stdContrast -gameContrast -scenario -dark -black -colorTemp "
                                  "-hueSat -lbl -rgbRange -colorType +owl +hdr -mprt -officeMode";
        QTest::newRow("0") << 0 << strLocked << "bright=60 owl=0 hdr=0 mprt=0";
        QTest::newRow("1") << 1 << strLocked << "bright=80 contrast=50 owl=0 hdr=0 mprt=0";
        QTest::newRow("2") << 2 << strLocked << "bright=80 contrast=50 owl=0 hdr=0 mprt=0";
        QTest::newRow("3 enables all") << 3 << kEnableAllNoUserMode << "";
        QTest::newRow("none selected") << -1 << "" << "";
        QTest::newRow("unknown") << 4 << "" << "";
    }
    void gamut()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_gamutModeChanged(n); });
    }

    void enableAllFollowsColorTemperature_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("colorTemperature");
        QTest::addColumn<int>("rule");
        for (const int nRule : {0, 1, 2})
        {
            const char* const szRule[] = {"scenario standard", "game standard", "gamut 3"};
            const int nIndex[] = {1, 1, 3};
            QTest::addRow("%s, user colour temperature", szRule[nRule])
                << nIndex[nRule] << kEnableAllUserMode << "" << 3 << nRule;
            QTest::addRow("%s, other colour temperature", szRule[nRule])
                << nIndex[nRule] << kEnableAllNoUserMode << "" << 2 << nRule;
        }
    }
    void enableAllFollowsColorTemperature()
    {
        QFETCH(int, colorTemperature);
        QFETCH(int, rule);
        CheckRule(
            [rule](CtrlWidgetMana* p, int n) {
                if (rule == 0)
                    p->slt_scenarioChanged(n);
                else if (rule == 1)
                    p->SetCurrGameMode(n);
                else
                    p->slt_gamutModeChanged(n);
            },
            colorTemperature);
    }

    void lowBlueLight_data()
    {
        AddRuleColumns();
        const QString strOn = "+bright +contrast +colorTemp -owl";
        QTest::newRow("off") << 0 << "" << "";
        QTest::newRow("1") << 1 << strOn << "bright=80 contrast=50";
        QTest::newRow("2") << 2 << strOn << "bright=75 contrast=50";
        QTest::newRow("3") << 3 << strOn << "bright=65 contrast=50";
        QTest::newRow("max") << 4 << strOn << "bright=60 contrast=50";
        QTest::newRow("none selected") << -1 << "" << "";
    }
    void lowBlueLight()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_lowBlueLightChanged(n); });
    }

    void dynamicBacklight_data()
    {
        AddRuleColumns();
        QTest::newRow("none selected") << -1 << "+gamma" << "";
        QTest::newRow("off") << 0 << "+gamma" << "";
        QTest::newRow("1") << 1 << "-lbl -gamma" << "";
        QTest::newRow("2") << 2 << "-lbl -gamma" << "";
    }
    void dynamicBacklight()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_dynamicBacklightChanged(n); });
    }

    void gammaAlwaysLocksLowBlueLight_data()
    {
        AddRuleColumns();
        for (const int n : {-1, 0, 1, 4})
            QTest::addRow("%d", n) << n << "-lbl -dynBacklight" << "";
    }
    void gammaAlwaysLocksLowBlueLight()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_gammaChanged(n); });
    }

    void owl_data()
    {
        AddRuleColumns();
        const QString strOn = "-dark -black -proportional -colorTemp -hdr -gamut";
        QTest::newRow("off") << 0 << "" << "";
        QTest::newRow("1") << 1 << strOn << "";
        QTest::newRow("2") << 2 << strOn << "";
        QTest::newRow("3") << 3 << "" << "";
    }
    void owl()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_owlChanged(n); });
    }

    void hdr_data()
    {
        AddRuleColumns();
        const QString strOn = "+bright -contrast -dark -black -colorTemp -hueSat -rgbRange -colorType "
                              "-owl +hdr -mprt";
        QTest::newRow("off") << 0 << "" << "";
        for (const int n : {1, 2, 3})
            QTest::addRow("%d", n) << n << strOn << "bright=100 hueSat=50";
        QTest::newRow("4") << 4 << "" << "";
    }
    void hdr()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_HDRChanged(n); });
    }

    void dynamicContrast_data()
    {
        AddRuleColumns();
        QTest::newRow("off") << 0 << "" << "";
        QTest::newRow("on") << 1
                            << "+scenario -bright -contrast +dark +black +sharp +colorTemp -um +hueSat "
                               "+rgbRange +colorType +gameCross +refreshRate +owl +hdr +mprt "
                               "+dynContrast +readingLamp"
                            << "";
        QTest::newRow("2") << 2 << "" << "";
    }
    void dynamicContrast()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_dynamicContrastChanged(n); });
    }

    void mprt_data()
    {
        AddRuleColumns();
        QTest::newRow("off") << 0 << "" << "";
        QTest::newRow("1") << 1 << "-bright -dark -black -hdr +mprt" << "bright=100";
        QTest::newRow("2") << 2 << "-bright -dark -black -hdr +mprt" << "bright=100";
        QTest::newRow("3") << 3 << "" << "";
    }
    void mprt()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_MPRTChanged(n); });
    }

    void freeSync_data()
    {
        AddRuleColumns();
        QTest::newRow("off") << 0 << "" << "";
        QTest::newRow("on") << 1 << "-proportional" << "";
        QTest::newRow("2") << 2 << "" << "";
    }
    void freeSync()
    {
        CheckRule([](CtrlWidgetMana* p, int n) { p->slt_freeSyncChanged(n); });
    }

    void sameGameModeTwiceAppliesOnce()
    {
        Rig rig;
        CtrlWidgetMana* pMana = CtrlWidgetMana::GetInstance();
        QSignalSpy spy(pMana, &CtrlWidgetMana::gameModeChanged);
        pMana->SetCurrGameMode(3);
        QCOMPARE(rig.SliderAt("stdBright")->value(), 85);

        rig.SliderAt("stdBright")->setValue(40);  // the user moves it afterwards
        pMana->SetCurrGameMode(3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(pMana->GetCurrGameMode(), 3);
        QCOMPARE(rig.SliderAt("stdBright")->value(), 40);

        pMana->SetCurrGameMode(4);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(rig.SliderAt("stdBright")->value(), 90);
    }

    // A user change on each wired box runs its rule; the scenario box is not wired (the pages
    // call that rule with the office value themselves).
    void initConnectWiresBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("disabled");
        QTest::newRow("graphics gamut") << "gfxGamut" << 0 << "gameBright" << 60 << "colorTemp";
        QTest::newRow("game gamut") << "gameGamut" << 1 << "stdBright" << 80 << "colorTemp";
        QTest::newRow("graphics low blue light") << "gfxLBL" << 2 << "gameBright" << 75 << "owl";
        QTest::newRow("dynamic backlight") << "dynBacklight" << 1 << "" << 0 << "gamma";
        QTest::newRow("gamma") << "gamma" << 2 << "" << 0 << "dynBacklight";
        QTest::newRow("adaptive sync") << "adaptiveSync" << 1 << "" << 0 << "proportional";
        QTest::newRow("owl") << "owl" << 1 << "" << 0 << "proportional";
        QTest::newRow("hdr") << "hdr" << 2 << "stdBright" << 100 << "rgbRange";
        QTest::newRow("dynamic contrast") << "dynContrast" << 1 << "" << 0 << "stdBright";
        QTest::newRow("game MPRT") << "gameMPRT" << 1 << "stdBright" << 100 << "hdr";
        QTest::newRow("standard MPRT") << "stdMPRT" << 1 << "gameBright" << 100 << "black";
        QTest::newRow("scenario not wired") << "scenario" << 1 << "stdBright" << 10 << "";
        QTest::newRow("standard low blue light not wired") << "stdLBL" << 1 << "stdBright" << 10 << "";
    }
    void initConnectWiresBoxes()
    {
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(QString, slider);
        QFETCH(int, value);
        QFETCH(QString, disabled);
        Rig rig;
        // The two-item boxes start on "on"; bring them to "off" first (a rule-free change).
        rig.BoxAt("adaptiveSync")->setCurrentIndex(0);
        rig.BoxAt("dynContrast")->setCurrentIndex(0);
        rig.BoxAt(box)->setCurrentIndex(index);
        if (!slider.isEmpty())
            QCOMPARE(rig.SliderAt(slider)->value(), value);
        if (!disabled.isEmpty())
            QVERIFY(!rig.Ctrl(disabled)->isEnabled());
    }

    void reRegistrationDropsReplacedControls()
    {
        auto pOld = std::make_unique<Rig>();
        Rig fresh;
        pOld->BoxAt("gfxGamut")->setCurrentIndex(0);
        QCOMPARE(fresh.SliderAt("stdBright")->value(), 10);
        QVERIFY(fresh.m_listLog.isEmpty());

        fresh.BoxAt("gfxGamut")->setCurrentIndex(0);
        QCOMPARE(fresh.SliderAt("stdBright")->value(), 60);
    }

    void missingControlsAreSkipped()
    {
        CtrlWidgetMana* pMana = CtrlWidgetMana::GetInstance();
        auto runEverything = [pMana] {
            for (int n = -1; n <= 7; ++n)
            {
                pMana->slt_scenarioChanged(n);
                pMana->slt_gamutModeChanged(n);
                pMana->slt_lowBlueLightChanged(n);
                pMana->slt_dynamicBacklightChanged(n);
                pMana->slt_gammaChanged(n);
                pMana->slt_owlChanged(n);
                pMana->slt_HDRChanged(n);
                pMana->slt_dynamicContrastChanged(n);
                pMana->slt_MPRTChanged(n);
                pMana->slt_freeSyncChanged(n);
                pMana->SetCurrGameMode(n);
            }
            pMana->SetCurrGameMode(-1);
        };

        // Nothing registered at all.
        pMana->RegisterStandardMode({});
        pMana->RegisterProfessionalGraphics({});
        pMana->RegisterProfessionalGame({});
        pMana->RegisterSystemSetting(nullptr);
        pMana->InitConnect();
        runEverything();

        // Controls destroyed while still registered (the pages go before the manager).
        {
            Rig rig;
        }
        runEverything();

        // Only the game page registered: its own controls still follow the rules.
        {
            Rig rig;
            pMana->RegisterStandardMode({});
            pMana->RegisterProfessionalGraphics({});
            pMana->RegisterSystemSetting(nullptr);
            pMana->SetCurrGameMode(3);
            QCOMPARE(rig.SliderAt("gameBright")->value(), 85);
            QCOMPARE(rig.SliderAt("stdBright")->value(), 10);
            QVERIFY(!rig.Ctrl("owl")->isEnabled());
            QVERIFY(rig.Ctrl("rgbRange")->isEnabled());
        }
        runEverything();
    }
};

QTEST_MAIN(TestCtrlWidgetMana)
#include "tst_ctrlwidgetmana.moc"
