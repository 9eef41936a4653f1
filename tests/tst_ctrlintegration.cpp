// The control manager's rules on the real pages of one main window: value changes reach the monitor
// once, through the owning page; other pages follow silently; every control ends as the rules say.

#include "tests/support/PageRecorders.h"
#include "ui/frame/CtrlWidgetMana.h"
#include "ui/frame/MainWindow.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{
// Standard office and game presets, dynamic contrast and adaptive sync off: the start-up loads
// have no rule to apply beyond "enable all".
const QByteArray kSimConfig = R"({"monitors":[{"values":{
    "0x10": 70, "0x12": 40, "0x87": 5, "0x14": 6, "0xE4": 1, "0x22": 1, "0xE7": 1, "0xE8": 1,
    "0xE5": 1, "0xD8": 1, "0x72": 3, "0x24": 1, "0xE2": 1, "0xEB": 0, "0xEC": 0, "0xD9": 0,
    "0xEE/0x01": 0, "0xEE/0x02": 0, "0xEE/0x03": 0, "0xEE/0x05": 0, "0xF0/0x0C": 0, "0xF0/0x11": 40
}}]})";

// "key=page.objectName", pages 0 standard, 1 graphics, 2 game, 3 system; ":n" the index a box
// starts each case from (so that every index a rule sets is a change); '!' a control the pages'
// own hub handlers switch, not the manager. Sliders start at 10.
const char kCtrls[] =
    "stdBright=0.hsliderBrightness gameBright=2.hsliderBrightness stdContrast=0.hsliderContrast "
    "gameContrast=2.hsliderContrast stdSharp=0.hsliderSharpness gameSharp=2.hsliderSharpness "
    "scenario=1.cmbScenarioMode:3 dark=2.hsliderDarkEnhancement black=0.hslideBlackHomogenizer "
    "colorTemp=0.cmbColorTemperature umR=0.hsliderUMRed umG=0.hsliderUMGreen umB=0.hsliderUMBlue "
    "hueR=1.vsliderHueRed hueG=1.vsliderHueGreen hueB=1.vsliderHueBlue hueY=1.vsliderHueYellow "
    "hueM=1.vsliderHueMagenta hueC=1.vsliderHueCyan satR=1.vsliderSaturationRed satG=1.vsliderSaturationGreen "
    "satB=1.vsliderSaturationBlue satY=1.vsliderSaturationYellow satM=1.vsliderSaturationMagenta "
    "satC=1.vsliderSaturationCyan stdLBL=0.cmbLowBlueLight gfxLBL=1.cmbLowBlueLight "
    "dynBacklight=1.cmbDynamicBacklight:1 gamma=1.cmbGamma:2 rgbRange=1.cmbRGBRange colorType=1.cmbColorType "
    "gameCross=0.btnEnableGameCross refreshRate=2.cmbDisplayRefreshRate owl=2.cmbOwl:2 hdr=1.cmbHDR:2 "
    "gameMPRT=2.cmbMPRT:2 stdMPRT=0.cmbMPRT:2 dynContrast=1.cmbDynamicContrast readingLamp=3.cmbReadingLamp "
    "gfxGamut=1.cmbGamutMode:3 gameGamut=2.cmbGamutMode:3 proportional=1.cmbProportionalMode "
    "adaptiveSync=2.cmbAdaptiveSync officeMode=0.widgetOfficeMode gameGroup=0.widgetGameMode! "
    "gameBar=2.widgetTopMenuBar! gameGamma=2.cmbGamma:2!";

// Groups of controls, and '@' snippets of expectations and of traffic.
const QMap<QString, QString> kNames = {
    {"bright", "stdBright gameBright"}, {"contrast", "stdContrast gameContrast"}, {"sharp", "stdSharp gameSharp"},
    {"um", "umR umG umB"}, {"hueSat", "hueR hueG hueB hueY hueM hueC satR satG satB satY satM satC"},
    {"lbl", "stdLBL gfxLBL"}, {"mprt", "gameMPRT stdMPRT"}, {"gamut", "gfxGamut gameGamut"},
    {"rgbToLamp", "rgbRange colorType gameCross refreshRate owl hdr mprt dynContrast readingLamp"},
    {"enableAll", "bright contrast sharp scenario dark black colorTemp hueSat rgbToLamp gamut officeMode"},
    {"@all", "+enableAll scenario=-1 +gameBar"},
    {"@scn", "+scenario -bright contrast=50 -contrast dark=50 black=50 +dark +black -hueSat -gamut hdr=0 +hdr "
             "mprt=0 -mprt -gameGroup -gameBar"},
    {"@game", "-scenario scenario=-1 -contrast dark=50 black=50 -dark -black proportional=1 -colorTemp hueSat=50 "
              "-hueSat -lbl -rgbRange -colorType -owl -hdr -gamut -officeMode +gameBar"},
    {"@G", "@game +bright contrast=50 -proportional -mprt"}, {"@shooter", "@game -bright bright=80 +proportional"},
    {"@gamutOn", "+bright -stdContrast -gameContrast -scenario -dark -black -colorTemp -hueSat -lbl -rgbRange "
                 "-colorType owl=0 hdr=0 +owl +hdr mprt=0 -mprt -officeMode"},
    {"@lblOn", "+bright contrast=50 +contrast +colorTemp -owl"},
    {"@owlOn", "-dark -black -proportional -colorTemp -hdr -gamut"},
    {"@mprtOn", "bright=100 -bright -dark -black -hdr +mprt"},
    {"@hdrOn", "bright=100 +bright -contrast -dark -black -colorTemp hueSat=50 -hueSat -rgbRange -colorType -owl "
               "+hdr -mprt"},
    {"@dcOn", "+scenario -bright -contrast +dark +black +sharp +colorTemp -um +hueSat +rgbToLamp"},
    {"@dcFill", "+enableAll -bright -contrast -um dynContrast=1"}, {"@gamut80", "@gamutOn bright=80 contrast=50"},
    {"@movie", "@scn bright=65 owl=0 +owl"}, {"@movie1", "@movie scenario=1"},
    // Traffic: hue and saturation to the centre in the manager's order; the office preset's
    // contrast and dark enhancement; owl, HDR and MPRT back to off; the game presets' tail.
    {"@hs50", "0x9B=50 0x9D=50 0x9F=50 0x9C=50 0xA0=50 0x9E=50 0x59=50 0x5B=50 0x5D=50 0x5A=50 0x5E=50 0x5C=50"},
    {"@scnW", "0x12=50 0xF0/17=50"}, {"@ohm", "0xD9=0 @hm"}, {"@hm", "0xEE/1=0 0xEE/2=0"},
    {"@gameW", "0xF0/17=50 0x24=3 @hs50"},
};

// A text's items with the '@' snippets spelled out, or a group's controls.
QStringList Expand(const QString& strText)
{
    QStringList list;
    for (const QString& strItem : strText.split(' ', Qt::SkipEmptyParts))
        list += kNames.contains(strItem) ? Expand(kNames.value(strItem)) : QStringList{strItem};
    return list;
}

// The transcript in short: "RESET", a write "0x10=85", a read "?0x10"; a selector and the data
// transfer after it as one feature, the selector in decimal as logged: "0xEE/2=1", "?0xF0/17".
QStringList Traffic()
{
    QString strText = TestSupport::Transcript().join('\n');
    const QPair<const char*, const char*> subs[] = {
        {R"(^SET 0 (0xEE|0xF0) (\d+)\n(\w+) 0 (0xEF|0xF2))", R"(\3 0 \1/\2)"},
        {R"(^SET 0 (\S+) (\d+)$)", R"(\1=\2)"}, {R"(^GET 0 (\S+) .*$)", R"(?\1)"}};
    for (const auto& sub : subs)
        strText.replace(QRegularExpression(sub.first, QRegularExpression::MultilineOption), sub.second);
    return strText.split('\n', Qt::SkipEmptyParts);
}

// Each control as "+10" or "-3": enabled or not, and its value (a button's checked state).
using State = QMap<QString, QString>;

// Applies "+bright -hdr owl=0" items; returns the controls given a value.
QSet<QString> Apply(State& state, const QStringList& listItems)
{
    QSet<QString> setValued;
    for (const QString& strItem : listItems) {
        const bool bFlag = strItem.startsWith('+') || strItem.startsWith('-');
        for (const QString& strKey : Expand(bFlag ? strItem.mid(1) : strItem.section('=', 0, 0))) {
            if (!state.contains(strKey))
                qFatal("no control %s", qPrintable(strKey));
            if (bFlag) {
                state[strKey][0] = strItem.at(0);
            } else {
                state[strKey] = state[strKey].left(1) + strItem.section('=', 1);
                setValued << strKey;
            }
        }
    }
    return setValued;
}

// Start states: controls enabled (ON), disabled (OFF) or each in turn (ALL).
enum Starts { ON = 1, OFF = 2, ALL = 3 };

// A rule: the action ("owl=1" chooses an index, "std.btnMovie" clicks a button, "page.button<0x22=3"
// has the monitor report a value and clicks the page's refresh button; steps before "; " run
// first, unrecorded), the start states, the colour temperature index to start from, how the
// controls must end, and the exact traffic (for a refresh: its writes; of the values then only
// the listed ones are checked).
struct Rule
{
    const char *szName, *szAction;
    int nStarts, nColorTemp;
    const char *szExpect, *szTraffic;
};
const Rule kRules[] = {
    // "Standard" game preset: the user-mode gains come back only with the USER colour
    // temperature (index 3); the game page's button announces no brightness.
    {"std: game Standard, USER", "std.btnGMStandard", OFF, 3, "@all +um bright=80", "RESET 0xE7=1"},
    {"std: game Standard, warm", "std.btnGMStandard", OFF, 1, "@all -um bright=80", "RESET 0xE7=1"},
    {"game: Standard, normal", "game.btnStandard", ALL, 0, "@all -um", "RESET 0xE7=1"},
    // Office presets, through the graphics page's box (the standard page hands its value to the
    // manager) and the standard page's buttons; Picture locks the owl box as it is.
    {"gfx: scenario Movie", "scenario=1", ALL, 0, "@movie", "RESET 0x22=3 0x10=65 @scnW @ohm"},
    {"gfx: scenario Picture", "scenario=2", ALL, 0, "@scn bright=30 -owl", "RESET 0x22=4 0x10=30 @scnW @hm"},
    {"gfx: scenario Ebook", "scenario=3", ON, 0, "@scn bright=100 owl=0 +owl", "RESET 0x22=2 0x10=100 @scnW @ohm"},
    {"gfx: scenario Standard", "scenario=0", OFF, 0, "+enableAll -um", "RESET 0x22=1"},
    {"std: office Movie", "std.btnMovie", ALL, 0, "@movie1", "RESET 0x22=3 0x10=65 @scnW @ohm"},
    {"std: office Standard", "std.btnOMStandard", OFF, 3, "+enableAll +um scenario=0 bright=80", "RESET 0x22=1"},
    // Game presets; the game page's buttons pause 2 s and reset the plug-in afterwards. The same
    // preset again leaves the brightness the user set since.
    {"std: G1", "std.btnGMG1", ALL, 0, "@G bright=80", "RESET 0xE7=2 0x10=80 0x12=50 @gameW"},
    {"std: G2", "std.btnGMG2", ALL, 3, "@G bright=85", "RESET 0xE7=3 0x10=85 0x12=50 @gameW"},
    {"std: FPS", "std.btnGMShooting", ALL, 0, "@shooter contrast=70", "RESET 0xE7=5 0x10=80 0x12=70 @gameW"},
    {"std: RTS", "std.btnGMRacing", ALL, 0, "@shooter contrast=50", "RESET 0xE7=6 0x10=80 0x12=50 @gameW"},
    {"game: G2", "game.btnG2", ON, 0, "@G bright=85", "0xE7=3 0x10=85 0x12=50 @gameW RESET"},
    {"game: G3", "game.btnG3", OFF, 0, "@G bright=90", "0xE7=4 0x10=90 0x12=50 @gameW RESET"},
    {"game: G1 again", "std.btnGMG1; gameBright=40; game.btnG1", ON, 0, "", "0xE7=2 RESET"},
    {"game: PS/XBOX", "game.btnPsXbox", ALL, 0, "-scenario scenario=-1 -officeMode +gameBar", "RESET 0xE7=8"},
    // Gamut: each page's box writes and announces; the other follows without running the rule twice.
    {"gfx: gamut sRGB", "gfxGamut=0", ALL, 0, "@gamutOn bright=60 gameGamut=0", "0xE2=2 0x10=60 @ohm"},
    {"gfx: gamut Adobe", "gfxGamut=1", ALL, 0, "@gamut80 gameGamut=1", "0xE2=3 0x10=80 0x12=50 @ohm"},
    {"game: gamut P3", "gameGamut=2", ALL, 0, "@gamut80 gfxGamut=2", "0xE2=4 0x10=80 0x12=50 @ohm"},
    {"gfx: gamut Normal", "gfxGamut=3", OFF, 3, "+enableAll +um gameGamut=3", "0xE2=1"},
    {"low blue light off", "gfxLBL=0", ALL, 0, "", "0xE4=1"},
    {"low blue light low", "gfxLBL=1", ALL, 0, "@lblOn bright=80", "0xE4=2 0x10=80 0x12=50"},
    {"low blue light medium", "gfxLBL=2", OFF, 0, "@lblOn bright=75", "0xE4=3 0x10=75 0x12=50"},
    {"low blue light high", "gfxLBL=3", ON, 0, "@lblOn bright=65", "0xE4=4 0x10=65 0x12=50"},
    {"low blue light max", "gfxLBL=4", ALL, 0, "@lblOn bright=60", "0xE4=5 0x10=60 0x12=50"},
    {"dynamic backlight off enables gamma", "dynBacklight=0", ALL, 0, "+gamma", "0xF0/12=0"},
    {"dynamic backlight low", "dynBacklight=1", ALL, 0, "-lbl -gamma", "0xF0/12=1"},
    {"gamma locks low blue light", "gamma=1", ON, 0, "-lbl -dynBacklight gameGamma=1", "0x72=2"},
    {"owl off", "owl=0", ALL, 0, "", "0xD9=0"}, {"owl whole", "owl=1", ALL, 0, "@owlOn", "0xD9=2"},
    {"owl middle", "owl=2", ON, 0, "@owlOn", "0xD9=1"}, {"HDR off", "hdr=0", ALL, 0, "", "0xEE/1=0"},
    {"HDR standard", "hdr=1", ALL, 0, "@hdrOn", "0xEE/1=6 0x10=100 @hs50"},
    {"HDR game", "hdr=2", ON, 0, "@hdrOn", "0xEE/1=5 0x10=100 @hs50"},
    {"dynamic contrast off", "dynContrast=0", ALL, 0, "", "0xEE/3=0"},
    {"dynamic contrast on", "dynContrast=1", ALL, 3, "@dcOn", "0xEE/3=1"},
    {"game: MPRT off", "gameMPRT=0", ALL, 0, "stdMPRT=0", "0xEE/2=0"},
    {"game: MPRT weak", "gameMPRT=1", ALL, 0, "@mprtOn stdMPRT=1", "0xEE/2=1 0x10=100"},
    {"std: MPRT weak", "stdMPRT=1", ALL, 0, "@mprtOn gameMPRT=1", "0xEE/2=1 0x10=100"},
    // The switch pauses 2 s and resets the plug-in a second later.
    {"adaptive sync on", "adaptiveSync=1", ON, 0, "-proportional", "0xEB=1 RESET"},
    {"adaptive sync off", "adaptiveSync=0", ON, 0, "", "0xEB=0 RESET"},
    // Fills hand their values to the manager: scenario 1 enables all, then dynamic contrast locks
    // brightness and contrast; the standard page's game-set fill applies its preset.
    {"fill gfx: dynamic contrast", "gfx.btnRefreshGraphics<0xEE/0x03=1", OFF, 0, "@dcFill", ""},
    {"fill gfx: Movie", "gfx.btnRefreshGraphics<0x22=3", ON, 0, "@movie1 +gameGroup +gameBar", "0x10=65 @scnW @ohm"},
    {"fill game: adaptive sync", "game.btnRefreshGameSet<0xEB=1", ON, 0, "-proportional adaptiveSync=1", ""},
    {"fill std: G2", "std.btnRefreshGameSet<0xE7=3", ON, 0, "@G scenario=3 bright=85", "0x10=85 0x12=50 @gameW"},
};
}

class TestCtrlIntegration : public QObject
{
    Q_OBJECT

    struct Ctrl
    {
        QWidget* pWidget;
        int nStart;
        bool bManaged;
    };
    std::unique_ptr<MainWindow> m_pWindow;
    QMap<QString, Ctrl> m_mapCtrls;

    QWidget* Page(int nPage) const
    {
        return TestSupport::Child<QStackedWidget>(m_pWindow.get(), "stackedWidget")->widget(nPage);
    }
    template <class T>
    T* W(const QString& strKey) const { return qobject_cast<T*>(m_mapCtrls.value(strKey).pWidget); }

    State Snapshot() const
    {
        State state;
        for (auto it = m_mapCtrls.cbegin(); it != m_mapCtrls.cend(); ++it) {
            const char* szValue = qobject_cast<QSlider*>(it->pWidget)     ? "value"
                                  : qobject_cast<QComboBox*>(it->pWidget) ? "currentIndex"
                                                                          : "checked"; // none for a panel
            state.insert(it.key(), (it->pWidget->isEnabled() ? '+' : '-')
                                       + QString::number(it->pWidget->property(szValue).toInt()));
        }
        return state;
    }

    // A known start, set silently as a fill would, with no game preset stored.
    void Baseline(bool bEnabled, int nColorTemp)
    {
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        for (auto it = m_mapCtrls.cbegin(); it != m_mapCtrls.cend(); ++it) {
            const QSignalBlocker blocker(it->pWidget);
            if (auto* pSlider = qobject_cast<QSlider*>(it->pWidget))
                pSlider->setValue(10);
            else if (auto* pBox = qobject_cast<QComboBox*>(it->pWidget))
                pBox->setCurrentIndex(it.key() == QLatin1String("colorTemp") ? nColorTemp : it->nStart);
            it->pWidget->setEnabled(bEnabled || !it->bManaged);
        }
        TestSupport::Sim()->ClearTranscript();
    }

    // A rule's action: a slider is set (pImplied gets a box's new index); setCurrentIndex emits what a
    // user's choice emits, also on boxes kept disabled; a button's panel is enabled first.
    std::function<void()> Prepare(const QString& strAction, QStringList* pImplied = nullptr)
    {
        if (!strAction.contains('.')) {
            const int nIndex = strAction.section('=', 1).toInt();
            if (auto* pSlider = W<QSlider>(strAction.section('=', 0, 0)))
                return [pSlider, nIndex] { pSlider->setValue(nIndex); };
            auto* pBox = W<QComboBox>(strAction.section('=', 0, 0));
            if (pBox->currentIndex() == nIndex) {
                const QSignalBlocker blocker(pBox);
                pBox->setCurrentIndex(nIndex == 0 ? 1 : 0);
            }
            if (pImplied)
                *pImplied << strAction;
            return [pBox, nIndex] { pBox->setCurrentIndex(nIndex); };
        }
        if (strAction.contains('<'))
            TestSupport::Sim()->SetValue(0, strAction.section('<', 1).section('=', 0, 0),
                                         strAction.section('=', 1).toInt());
        QWidget* pPage = Page(QStringList{"std", "gfx", "game"}.indexOf(strAction.section('.', 0, 0)));
        auto* pButton = TestSupport::Child<QAbstractButton>(pPage, strAction.section('.', 1).section('<', 0, 0));
        for (QWidget* pWidget = pButton; pWidget != pPage; pWidget = pWidget->parentWidget())
            if (pWidget->testAttribute(Qt::WA_ForceDisabled))
                pWidget->setEnabled(true);
        return [pButton] { pButton->click(); };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestSupport::UseSimConfig(kSimConfig));
        CtrlWidgetMana::GetInstance()->SetCurrGameMode(-1);
        m_pWindow = std::make_unique<MainWindow>();
        m_pWindow->show();
        CtrlWidgetMana::GetInstance()->InitConnect();
        for (QString strEntry : QString(kCtrls).split(' ')) {
            const bool bManaged = !strEntry.endsWith('!');
            strEntry.remove('!');
            const QString strName = strEntry.section('.', 1).section(':', 0, 0);
            m_mapCtrls.insert(strEntry.section('=', 0, 0),
                              {TestSupport::Child<QWidget>(Page(strEntry.section('=', 1).left(1).toInt()), strName),
                               strEntry.section(':', 1).toInt(), bManaged});
        }
        // The standard page loads itself a second after construction, the others when shown; the
        // fills' rules only enable, so any write is a fault.
        const QPair<const char*, int> loads[] = {
            {nullptr, 24}, {"btnProfessionalGraphics", 24}, {"btnProfessionalGame", 19}, {"btnSystemSetting", 12}};
        for (const auto& load : loads) {
            TestSupport::Sim()->ClearTranscript();
            if (load.first)
                TestSupport::Child<QPushButton>(m_pWindow.get(), load.first)->click();
            QVERIFY(PageRecorders::WaitForLoad(load.second));
            QCOMPARE(Traffic().filter("="), QStringList());
        }
        const State state = Snapshot();
        for (const QString& strKey : Expand("enableAll"))
            QVERIFY2(state.value(strKey).startsWith('+'), qPrintable(strKey));
    }
    void cleanupTestCase() { m_pWindow.reset(); }
    void init() { QVERIFY(TestSupport::Sim()->LoadConfig(kSimConfig)); }

    void rules_data()
    {
        QTest::addColumn<int>("row");
        for (const Rule& rule : kRules)
            QTest::newRow(rule.szName) << int(&rule - kRules);
    }
    // Runs the row from each of its start states.
    void rules()
    {
        QFETCH(int, row);
        const Rule& rule = kRules[row];
        const bool bFill = QByteArray(rule.szAction).contains('<');
        for (const bool bEnabled : {true, false}) {
            if (!(rule.nStarts & (bEnabled ? ON : OFF)))
                continue;
            Baseline(bEnabled, rule.nColorTemp);
            QStringList listSteps = QString(rule.szAction).split("; "), listItems;
            const QString strLast = listSteps.takeLast();
            for (const QString& strStep : listSteps)
                Prepare(strStep)();
            const std::function<void()> fnAct = Prepare(strLast, &listItems);
            State expected = Snapshot();
            const QSet<QString> setValued = Apply(expected, listItems + Expand(rule.szExpect));
            TestSupport::Sim()->ClearTranscript();

            fnAct();
            const State actual = Snapshot();
            if (bFill) {
                QVERIFY(!QApplication::activeModalWidget());
                QCOMPARE(Traffic().filter("="), Expand(rule.szTraffic));
                // The fill sets many values itself: only the listed ones count.
                for (auto it = expected.begin(); it != expected.end(); ++it)
                    if (!setValued.contains(it.key()))
                        *it = it->left(1) + actual.value(it.key()).mid(1);
            } else {
                // Some switches end with a delayed reset of the plug-in.
                QTRY_COMPARE_WITH_TIMEOUT(Traffic(), Expand(rule.szTraffic), 3000);
            }
            QStringList listWrong;
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                if (actual.value(it.key()) != *it)
                    listWrong << QStringLiteral("%1 %2 (expected %3)").arg(it.key(), actual.value(it.key()), *it);
            QVERIFY2(listWrong.isEmpty(),
                     qPrintable((bEnabled ? "from enabled: " : "from disabled: ") + listWrong.join("; ")));
        }
    }

    // Last: controls re-registered away from the pages, then destroyed while registered (pages go
    // before the manager), and game modes outside the presets.
    void registrationChanges()
    {
        CtrlWidgetMana* pMana = CtrlWidgetMana::GetInstance();
        {
            QComboBox gamut;
            gamut.addItems({"sRGB", "Adobe RGB", "DCI-P3", "Normal"});
            gamut.setCurrentIndex(3);
            QSlider brightness;
            CtrlWidgetMana::GraphicsCtrls gfx;
            gfx.pGamutMode = &gamut;
            CtrlWidgetMana::StandardModeCtrls std;
            std.pBrightness = &brightness;
            pMana->RegisterProfessionalGraphics(gfx);
            pMana->RegisterStandardMode(std);
            pMana->InitConnect();
            W<QComboBox>("gfxGamut")->setCurrentIndex(0);
            QCOMPARE(brightness.value(), 0);
            gamut.setCurrentIndex(0);
            QCOMPARE(brightness.value(), 60);
        }
        m_pWindow.reset();
        for (int n = -1; n <= 7; ++n) {
            for (auto pSlot : {&CtrlWidgetMana::slt_scenarioChanged, &CtrlWidgetMana::slt_gamutModeChanged,
                               &CtrlWidgetMana::slt_lowBlueLightChanged, &CtrlWidgetMana::slt_dynamicBacklightChanged,
                               &CtrlWidgetMana::slt_gammaChanged, &CtrlWidgetMana::slt_owlChanged,
                               &CtrlWidgetMana::slt_HDRChanged, &CtrlWidgetMana::slt_dynamicContrastChanged,
                               &CtrlWidgetMana::slt_MPRTChanged, &CtrlWidgetMana::slt_freeSyncChanged})
                (pMana->*pSlot)(n);
            pMana->SetCurrGameMode(n);
        }
        pMana->SetCurrGameMode(-1);
    }
};

QTEST_MAIN(TestCtrlIntegration)
#include "tst_ctrlintegration.moc"
