#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <memory>

namespace
{
const int TINY_PAGE_INDEX = 4;

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
bool Loaded(const CWaitDialogProbe& probe, int nDialogs, int nReads)
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
        QVERIFY(Loaded(probe, 4, 0));
        QTest::qWait(500);
        const QStringList listTranscript = TestSupport::Transcript();
        QCOMPARE(listTranscript.mid(listTranscript.size() / 2), listTranscript.mid(0, listTranscript.size() / 2));
        QCOMPARE(probe.MostOpen(), 1);
    }

    // Without a monitor a page reads nothing (the per-page pattern runs in tst_settingpages).
    void pagesWithoutMonitorReadNothing()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        CWaitDialogProbe probe;
        CProfessionalGraphicsWidget graphics;
        CProfessionalGameWidget game;
        CSystemSettingWidget system;
        CAboutThisMachineWidget about;
        for (QWidget* pPage : std::initializer_list<QWidget*>{&graphics, &game, &system, &about})
            pPage->show();
        QVERIFY(Loaded(probe, 3, 0));
        QCOMPARE(TestSupport::Transcript(), QStringList{});
    }
};

QTEST_MAIN(TestPagePattern)
#include "tst_pagepattern.moc"
