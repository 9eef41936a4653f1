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

    // Each rule family has its exact effect checked on the real pages by the integration suite;
    // here: the values change in order with their signals live, and indices outside a rule's
    // range (-1 = nothing selected, a failed read, a value the rule does not know) change nothing.
    void rules_data()
    {
        AddRuleColumns();
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("colorTemperature");
        const QString strG = "-scenario -bright -contrast +proportional -gamut -dark -black -colorTemp "
                             "-hueSat -lbl -rgbRange -colorType -owl -hdr";
        const QString strGamut = "+bright -stdContrast -gameContrast -scenario -dark -black -colorTemp "
                                 "-hueSat -lbl -rgbRange -colorType +owl +hdr -mprt -officeMode";
        const QString strHdr = "+bright -contrast -dark -black -colorTemp -hueSat -rgbRange -colorType "
                               "-owl +hdr -mprt";
        QTest::newRow("scenario ebook") << 2 << "+scenario -bright -contrast +dark +black -hueSat -gamut +owl +hdr -mprt"
                                        << "bright=100 contrast=50 dark=50 owl=0 hdr=0 mprt=0" << "scenario" << 1;
        QTest::newRow("game FPS") << 5 << strG << "bright=80 contrast=70 dark=50 proportional=1 hueSat=50"
                                  << "game" << 1;
        QTest::newRow("gamut 0") << 0 << strGamut << "bright=60 owl=0 hdr=0 mprt=0" << "gamut" << 1;
        QTest::newRow("gamut 3, user colour temperature") << 3 << kEnableAllUserMode << "" << "gamut" << 3;
        QTest::newRow("gamut 3, other colour temperature") << 3 << kEnableAllNoUserMode << "" << "gamut" << 2;
        QTest::newRow("low blue light max") << 4 << "+bright +contrast +colorTemp -owl" << "bright=60 contrast=50"
                                            << "lbl" << 1;
        QTest::newRow("hdr 1") << 1 << strHdr << "bright=100 hueSat=50" << "hdr" << 1;
        QTest::newRow("gamma none selected still locks") << -1 << "-lbl -dynBacklight" << "" << "gamma" << 1;
        QTest::newRow("dynamic backlight none selected") << -1 << "+gamma" << "" << "dynBacklight" << 1;
        const QList<QPair<const char*, int>> listIgnored = {
            {"scenario", 0}, {"scenario", 5}, {"game", 0}, {"game", 7}, {"gamut", -1}, {"gamut", 4},
            {"lbl", -1}, {"owl", 3}, {"hdr", 4}, {"dynContrast", 2}, {"mprt", 3}, {"freeSync", 2}};
        // The scenario rule enables its own box whatever the value.
        for (const auto& ignored : listIgnored)
            QTest::addRow("%s %d changes nothing", ignored.first, ignored.second)
                << ignored.second << (qstrcmp(ignored.first, "scenario") == 0 ? "+scenario" : "") << ""
                << QString::fromLatin1(ignored.first) << 1;
    }
    void rules()
    {
        QFETCH(QString, rule);
        QFETCH(int, colorTemperature);
        CheckRule(
            [rule](CtrlWidgetMana* p, int n) {
                if (rule == "scenario")
                    p->slt_scenarioChanged(n);
                else if (rule == "game")
                    p->SetCurrGameMode(n);
                else if (rule == "gamut")
                    p->slt_gamutModeChanged(n);
                else if (rule == "lbl")
                    p->slt_lowBlueLightChanged(n);
                else if (rule == "dynBacklight")
                    p->slt_dynamicBacklightChanged(n);
                else if (rule == "gamma")
                    p->slt_gammaChanged(n);
                else if (rule == "owl")
                    p->slt_owlChanged(n);
                else if (rule == "hdr")
                    p->slt_HDRChanged(n);
                else if (rule == "dynContrast")
                    p->slt_dynamicContrastChanged(n);
                else if (rule == "mprt")
                    p->slt_MPRTChanged(n);
                else if (rule == "freeSync")
                    p->slt_freeSyncChanged(n);
                else
                    QFAIL("unknown rule");
            },
            colorTemperature);
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
