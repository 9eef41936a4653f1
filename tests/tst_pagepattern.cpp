#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/AutoColorCalibrateWidget.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <memory>

namespace
{
const int TINY_PAGE_INDEX = 4;

std::unique_ptr<CSettingsPage> MakePage(int nIndex)
{
    switch (nIndex) {
    case 1: return std::make_unique<CProfessionalGraphicsWidget>();
    case 2: return std::make_unique<CProfessionalGameWidget>();
    case 3: return std::make_unique<CSystemSettingWidget>();
    default: return std::make_unique<CAboutThisMachineWidget>();
    }
}

// The smallest page there is: two reads, loaded at first show; its refresh is the shared one.
class CTinyPage : public CSettingsPage
{
public:
    CTinyPage() : CSettingsPage(TINY_PAGE_INDEX, false, nullptr) {}
    void LoadAll() override { RunLoad(&CTinyPage::LoadValues, QStringLiteral("Load Data...")); }
    void Refresh() { RefreshLoad(&CTinyPage::LoadValues, QStringLiteral("Load Data...")); }
    void LoadValues()
    {
        ReadVcp(VCP_BRIGHTNESS);
        ReadVcp(VCP_OVERDRIVE);
    }
};

// Waits until nDialogs dialogs have come and gone and nReads reads were made.
bool Loaded(const CWaitDialogProbe& probe, int nDialogs, int nReads = 0)
{
    return QTest::qWaitFor([&] { return probe.Opened() >= nDialogs && probe.Closed() == probe.Opened()
                                        && PageRecorders::CountReads() >= nReads; }, 20000);
}
}

class TestPagePattern : public QObject
{
    Q_OBJECT
private slots:
    // Timers, hub signals and clicks still arrive inside a load's dialog. What they ask for waits
    // until the load has ended and then runs once, against the monitor current by then.
    void requestsDuringALoadRunOnceAfterIt_data()
    {
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("after");
        QTest::newRow("monitor change") << QStringList{"monitor"} << "";
        QTest::newRow("refresh") << QStringList{"refresh"} << "RESET, ";
        QTest::newRow("several") << QStringList{"refresh", "monitor", "monitor", "refresh"} << "";
        QTest::newRow("another page's first show") << QStringList{"other page"} << "";
    }
    void requestsDuringALoadRunOnceAfterIt()
    {
        QFETCH(QStringList, requests);
        QFETCH(QString, after);
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"getMs":600,"values":{"0x10":70,"0xE9":3}},
                                                          {"values":{"0x10":70,"0xE9":3}}]})"));
        CTinyPage page;
        std::unique_ptr<CTinyPage> pOther;
        CWaitDialogProbe probe;
        // The first read lasts from 100 to 700 ms.
        QTimer::singleShot(400, this, [&] {
            CDDCUtil::GetInstance()->SetCurrentMonitor(1);
            for (const QString& strRequest : requests) {
                if (strRequest == QLatin1String("monitor"))
                    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(TINY_PAGE_INDEX);
                else if (strRequest == QLatin1String("refresh"))
                    page.Refresh();
                else
                    (pOther = std::make_unique<CTinyPage>())->show();
            }
        });
        page.show();
        QVERIFY(Loaded(probe, 2, 4));
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript().mid(2).join(", "), after + "GET 1 0x10 70, GET 1 0xE9 3");
        QCOMPARE(probe.MostOpen(), 1);
    }

    // The standard page's first load (two groups, 1000 ms after construction) with a monitor
    // change in its first dialog: one whole load, then exactly one more.
    void standardPageMonitorChangeDuringFirstLoad()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        CStandardModeWidget page(nullptr);
        CWaitDialogProbe probe;
        page.show();
        QTimer::singleShot(1500, this, [] { emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0); });
        QVERIFY(Loaded(probe, 4));
        QTest::qWait(500);
        const QStringList listTranscript = TestSupport::Transcript();
        QCOMPARE(listTranscript.mid(listTranscript.size() / 2), listTranscript.mid(0, listTranscript.size() / 2));
        QCOMPARE(probe.MostOpen(), 1);
    }

    // Each real page: its first show loads once, 100 ms later; an emptied box writes nothing; its
    // own monitor change reloads it, another page's unloads it; its refresh button resets, then
    // runs the full load and leaves the loaded flag alone; without a monitor it reads nothing.
    void realPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("box");
        QTest::newRow("graphics") << 1 << "btnRefreshGraphics" << 24
                                  << QStringList{"Load Graphics Mode Data...", "Load 3D Lut Data..."} << "cmbRGBRange";
        QTest::newRow("game") << 2 << "btnRefreshGameSet" << 19 << QStringList{"Load Data..."} << "cmbOverDrive";
        QTest::newRow("system") << 3 << "btnRefreshSysSetting" << 12 << QStringList{"Load Data..."} << "cmbKVM";
        QTest::newRow("about") << 5 << "btnRefresh" << 0 << QStringList{"Refresh Data..."} << "";
    }
    void realPages()
    {
        QFETCH(int, index);
        QFETCH(QString, refresh);
        QFETCH(int, reads);
        QFETCH(QStringList, texts);
        QFETCH(QString, box);
        QVERIFY(TestSupport::UseDefaultSim());
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);
        CWaitDialogProbe probe;
        auto pPage = MakePage(index);
        CDDCUtil::GetInstance()->Reset(); // marks the first show
        pPage->show();
        QVERIFY(Loaded(probe, texts.size(), reads));
        QVERIFY(reads == 0 || TestSupport::MsBetween("RESET", TestSupport::Transcript().value(1)) >= 95);
        pPage->hide();
        pPage->show();
        QTest::qWait(300);
        QCOMPARE(probe.Opened(), texts.size());
        TestSupport::Sim()->ClearTranscript();
        if (!box.isEmpty())
            PageRecorders::Act(pPage.get(), box + "=-1");
        QCOMPARE(TestSupport::Transcript(), QStringList{});

        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(index);
        QVERIFY(Loaded(probe, 2 * texts.size(), reads));
        QCOMPARE(PageRecorders::CountReads(), reads);
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0);
        QVERIFY(!pPage->IsLoaded());

        TestSupport::Sim()->ClearTranscript();
        CWaitDialogProbe refreshProbe;
        PageRecorders::Act(pPage.get(), refresh);
        QVERIFY(Loaded(refreshProbe, texts.size(), reads));
        QCOMPARE(TestSupport::Transcript().value(0), QStringLiteral("RESET"));
        QCOMPARE(PageRecorders::CountReads(), reads);
        QCOMPARE(refreshProbe.Texts(), texts);
        QVERIFY(!pPage->IsLoaded());

        pPage.reset();
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        pPage = MakePage(index);
        pPage->show();
        QTest::qWait(500);
        QVERIFY(Loaded(probe, 0));
        QCOMPARE(TestSupport::Transcript(), QStringList{});
    }

    // The colour calibration page is a form only: no control of it, nor a monitor change naming
    // it, may reach the monitor or open anything.
    void colourCalibrationControlsDoNothing()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        CWaitDialogProbe probe;
        CAutoColorCalibrateWidget page;
        page.show();
        for (QAbstractButton* pButton : page.findChildren<QAbstractButton*>())
            pButton->click();
        QCOMPARE(page.findChildren<QComboBox*>().size(), 6);
        for (QComboBox* pCombo : page.findChildren<QComboBox*>()) {
            for (int i = pCombo->count() - 1; i >= 0; --i)
                pCombo->setCurrentIndex(i);
        }
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(4);
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript(), QStringList{});
        QCOMPARE(probe.Opened(), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestPagePattern)
#include "tst_pagepattern.moc"
