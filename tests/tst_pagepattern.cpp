#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WaitDialogProbe.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/WaitDlg.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/SettingsPage.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"
#include "ui/pages/ValueTable.h"

#include <QtTest>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <memory>

namespace
{
const int TINY_PAGE_INDEX = 4;
const CValueTable OVER_DRIVE = CValueTable::Sequential(1, 5);

std::unique_ptr<CSettingsPage> MakePage(int nIndex)
{
    switch (nIndex) {
    case 1: return std::make_unique<CProfessionalGraphicsWidget>();
    case 2: return std::make_unique<CProfessionalGameWidget>();
    case 3: return std::make_unique<CSystemSettingWidget>();
    default: return std::make_unique<CAboutThisMachineWidget>();
    }
}

// The smallest page there is: one slider with its label and one combo box, loaded at first show.
class CTinyPage : public CSettingsPage
{
public:
    explicit CTinyPage(bool bLoaded = false)
        : CSettingsPage(TINY_PAGE_INDEX, bLoaded, nullptr)
        , m_pSlider(new QSlider(Qt::Horizontal, this))
        , m_pLabel(new QLabel(QStringLiteral("0"), this))
        , m_pCombo(new QComboBox(this))
    {
        m_pCombo->addItems({"Off", "Normal", "Best", "High", "Extreme"});
        m_pSlider->setRange(0, 100);
        auto* pLayout = new QVBoxLayout(this);
        pLayout->addWidget(m_pSlider);
        pLayout->addWidget(m_pLabel);
        pLayout->addWidget(m_pCombo);
        connect(m_pSlider, &QSlider::valueChanged, this,
                [this](int nValue) { WriteSlider(m_pLabel, VCP_BRIGHTNESS, nValue); });
        connect(m_pCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                [](int nIndex) { WriteCombo(OVER_DRIVE, nIndex, VCP_OVERDRIVE); });
    }

    void LoadAll() override
    {
        m_nLoadStartMs = m_clock.isValid() ? m_clock.elapsed() : -1;
        ++m_nLoads;
        QElapsedTimer timer;
        timer.start();
        RunLoad(&CTinyPage::LoadValues, QStringLiteral("Load Data..."));
        m_nLoadMs = timer.elapsed();
    }

    void Refresh(int nPauseMs) { RefreshLoad(&CTinyPage::LoadValues, QStringLiteral("Load Data..."), nPauseMs); }
    using CSettingsPage::WriteCombo;
    using CSettingsPage::WriteSubCombo;

    struct Values
    {
        int nBrightness;
        int nOverDrive;
    };
    void LoadValues()
    {
        Values values;
        values.nBrightness = ReadVcp(VCP_BRIGHTNESS);
        values.nOverDrive = ReadVcp(VCP_OVERDRIVE);
        m_bWorkerOffGuiThread = QThread::currentThread() != thread();
        PostToPage([this, values] {
            FillSlider(m_pSlider, m_pLabel, values.nBrightness);
            FillCombo(m_pCombo, OVER_DRIVE, values.nOverDrive);
        });
    }

    QElapsedTimer m_clock;
    qint64 m_nLoadStartMs = -1;
    qint64 m_nLoadMs = -1;
    int m_nLoads = 0;
    bool m_bWorkerOffGuiThread = false;
    QSlider* m_pSlider;
    QLabel* m_pLabel;
    QComboBox* m_pCombo;
};

const QByteArray SIM = R"({"monitors":[{"values":{"0x10":70,"0xE9":3}}]})";

int OpenWaitDialogs()
{
    int nOpen = 0;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        nOpen += qobject_cast<CWaitDlg*>(pWidget) && pWidget->isVisible() ? 1 : 0;
    return nOpen;
}
}

class TestPagePattern : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(TestSupport::UseSimConfig(SIM)); }

    void firstShowLoadsOnceAfter100Ms()
    {
        CTinyPage page;
        QVERIFY(!page.IsLoaded());
        QTest::qWait(200);
        QCOMPARE(page.m_nLoads, 0);

        page.m_clock.start();
        page.show();
        QVERIFY(page.IsLoaded());
        QTRY_COMPARE_WITH_TIMEOUT(page.m_nLoads, 1, 5000);
        QVERIFY2(page.m_nLoadStartMs >= 95, qPrintable(QString::number(page.m_nLoadStartMs)));
        QVERIFY(page.m_bWorkerOffGuiThread);

        // Shown again while loaded: nothing more.
        page.hide();
        page.show();
        QTest::qWait(300);
        QCOMPARE(page.m_nLoads, 1);
        QCOMPARE(TestSupport::Transcript(), (QStringList{"GET 0 0x10 70", "GET 0 0xE9 3"}));
    }

    void waitDialogStaysUpASecondAndFillWritesNothing()
    {
        CTinyPage page;
        bool bDialogSeen = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, &page, [&] { bDialogSeen |= page.findChild<CWaitDlg*>() != nullptr; });
        probe.start(20);
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(page.m_nLoadMs >= 0, 5000);
        QVERIFY(bDialogSeen);
        QVERIFY2(page.m_nLoadMs >= 950, qPrintable(QString::number(page.m_nLoadMs)));
        QVERIFY(!page.findChild<CWaitDlg*>());

        QCOMPARE(page.m_pSlider->value(), 70);
        QCOMPARE(page.m_pLabel->text(), QStringLiteral("70"));
        QCOMPARE(page.m_pCombo->currentIndex(), 2);
        QVERIFY(TestSupport::Writes().isEmpty());
    }

    void failedReadFillsZeroAndNothingSelected()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":70},"failing":["0x10","0xE9"]}]})"));
        CTinyPage page;
        page.m_pSlider->setValue(30);
        TestSupport::Sim()->ClearTranscript();
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(page.m_nLoadMs >= 0, 5000);
        QCOMPARE(page.m_pSlider->value(), 0);
        QCOMPARE(page.m_pLabel->text(), QStringLiteral("0"));
        QCOMPARE(page.m_pCombo->currentIndex(), -1);
        QVERIFY(TestSupport::Writes().isEmpty());

        // Picking a value afterwards writes normally.
        page.m_pCombo->setCurrentIndex(0);
        QCOMPARE(TestSupport::Writes(), QStringList{"SET 0 0xE9 1"});
    }

    void comboWrites_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("subCoded");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("plain") << 2 << false << QStringList{"SET 0 0xE9 3"};
        QTest::newRow("plain, nothing selected") << -1 << false << QStringList{};
        QTest::newRow("plain, past the table") << 5 << false << QStringList{};
        QTest::newRow("sub-coded") << 4 << true << QStringList{"SET 0 0xEE 2", "SET 0 0xEF 5"};
        QTest::newRow("sub-coded, nothing selected") << -1 << true << QStringList{};
    }
    void comboWrites()
    {
        QFETCH(int, index);
        QFETCH(bool, subCoded);
        QFETCH(QStringList, writes);
        const bool bWritten = subCoded ? CTinyPage::WriteSubCombo(OVER_DRIVE, index, VCP_EE_SELECT, VCP_EE_DATA, EE_MPRT)
                                       : CTinyPage::WriteCombo(OVER_DRIVE, index, VCP_OVERDRIVE);
        QCOMPARE(bWritten, !writes.isEmpty());
        QCOMPARE(TestSupport::Transcript(), writes);
    }

    void monitorChange_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("loads");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("this page on show") << TINY_PAGE_INDEX << 1 << true;
        QTest::newRow("another page on show") << 0 << 0 << false;
    }
    void monitorChange()
    {
        QFETCH(int, index);
        QFETCH(int, loads);
        QFETCH(bool, loaded);
        CTinyPage page(true);
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(index);
        QCOMPARE(page.m_nLoads, loads);
        QCOMPARE(page.IsLoaded(), loaded);
        QCOMPARE(TestSupport::Transcript().size(), 2 * loads);
    }

    void refreshResetsPausesAndKeepsTheFlag()
    {
        CTinyPage page;
        QElapsedTimer timer;
        timer.start();
        page.Refresh(100);
        QVERIFY(timer.elapsed() >= 1050);
        QVERIFY(!page.IsLoaded());
        QCOMPARE(TestSupport::Transcript(), (QStringList{"RESET", "GET 0 0x10 70", "GET 0 0xE9 3"}));
    }

    // Timers, hub signals and clicks still arrive inside a load's dialog. What they ask for waits
    // until the load has ended and then runs once, against the monitor current by then.
    void requestsDuringALoadRunOnceAfterIt_data()
    {
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("after");
        const QStringList listLoad{"GET 1 0x10 70", "GET 1 0xE9 3"};
        QTest::newRow("monitor change") << QStringList{"monitor"} << listLoad;
        QTest::newRow("refresh") << QStringList{"refresh"} << QStringList{"RESET"} + listLoad;
        QTest::newRow("several") << QStringList{"refresh", "monitor", "monitor", "refresh"} << listLoad;
        QTest::newRow("another page's first show") << QStringList{"other page"} << listLoad;
    }
    void requestsDuringALoadRunOnceAfterIt()
    {
        QFETCH(QStringList, requests);
        QFETCH(QStringList, after);
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"getMs":600,"values":{"0x10":70,"0xE9":3}},
                                                          {"values":{"0x10":70,"0xE9":3}}]})"));
        CTinyPage page;
        std::unique_ptr<CTinyPage> pOther;
        int nMostOpen = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] { nMostOpen = qMax(nMostOpen, OpenWaitDialogs()); });
        probe.start(10);
        // The first read lasts from 100 to 700 ms.
        QTimer::singleShot(400, this, [&] {
            CDDCUtil::GetInstance()->SetCurrentMonitor(1);
            for (const QString& strRequest : requests) {
                if (strRequest == QLatin1String("monitor"))
                    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(TINY_PAGE_INDEX);
                else if (strRequest == QLatin1String("refresh"))
                    page.Refresh(0);
                else
                    (pOther = std::make_unique<CTinyPage>())->show();
            }
        });
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::Transcript().size() >= 2 + after.size() && !OpenWaitDialogs(), 8000);
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript().mid(2), after);
        QCOMPARE(nMostOpen, 1);
    }

    // The standard page's first load (two groups, 1000 ms after construction) with a monitor
    // change in its first dialog: one whole load, then exactly one more.
    void standardPageMonitorChangeDuringFirstLoad()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        CStandardModeWidget page(nullptr);
        page.show();
        int nMostOpen = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] { nMostOpen = qMax(nMostOpen, OpenWaitDialogs()); });
        probe.start(10);
        QTimer::singleShot(1500, this, [] { emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0); });
        QTRY_VERIFY_WITH_TIMEOUT(!TestSupport::Transcript().isEmpty() && !OpenWaitDialogs(), 10000);
        QTest::qWait(500);
        const QStringList listTranscript = TestSupport::Transcript();
        QCOMPARE(listTranscript.mid(listTranscript.size() / 2), listTranscript.mid(0, listTranscript.size() / 2));
        QCOMPARE(nMostOpen, 1);
    }

    // Each real page's own part of the pattern: its index for monitor changes, its refresh
    // button (a reset, then the full load) and its first show without a monitor.
    void realPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("noMonitorDialogs");
        QTest::newRow("graphics") << 1 << "btnRefreshGraphics" << 24
                                  << QStringList{"Load Graphics Mode Data...", "Load 3D Lut Data..."} << 0;
        QTest::newRow("game") << 2 << "btnRefreshGameSet" << 19 << QStringList{"Load Data..."} << 1;
        QTest::newRow("system") << 3 << "btnRefreshSysSetting" << 12 << QStringList{"Load Data..."} << 1;
        QTest::newRow("about") << 5 << "btnRefresh" << 0 << QStringList{"Refresh Data..."} << 1;
    }
    void realPages()
    {
        QFETCH(int, index);
        QFETCH(QString, refresh);
        QFETCH(int, reads);
        QFETCH(QStringList, texts);
        QFETCH(int, noMonitorDialogs);
        QVERIFY(TestSupport::UseDefaultSim());
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);
        CWaitDialogProbe probe;
        auto pPage = MakePage(index);
        auto loaded = [&](int nDialogs, int nReads) {
            return QTest::qWaitFor([&] { return probe.Opened() >= nDialogs && probe.Closed() == probe.Opened()
                                                && PageRecorders::CountReads() >= nReads; }, 20000);
        };
        pPage->show();
        QVERIFY(loaded(texts.size(), reads));

        // Its own monitor change reloads it; another page's unloads it.
        TestSupport::Sim()->ClearTranscript();
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(index);
        QVERIFY(loaded(2 * texts.size(), reads));
        QCOMPARE(PageRecorders::CountReads(), reads);
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0);
        QVERIFY(!pPage->IsLoaded());

        TestSupport::Sim()->ClearTranscript();
        probe.Restart();
        TestSupport::Child<QPushButton>(pPage.get(), refresh)->click();
        QVERIFY(loaded(texts.size(), reads));
        QCOMPARE(TestSupport::Transcript().value(0), QStringLiteral("RESET"));
        QCOMPARE(PageRecorders::CountReads(), reads);
        QCOMPARE(probe.Texts(), texts);

        pPage.reset();
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        probe.Restart();
        pPage = MakePage(index);
        pPage->show();
        QTest::qWait(500);
        QVERIFY(loaded(noMonitorDialogs, 0));
        QCOMPARE(probe.Opened(), noMonitorDialogs);
        QCOMPARE(TestSupport::Transcript(), QStringList{});
    }

    void valueTables_data()
    {
        QTest::addColumn<int>("valueRead");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("written");
        QTest::newRow("first") << 6 << 0 << "0x06";
        QTest::newRow("hex digits upper-case") << 11 << 3 << "0x0B";
        QTest::newRow("no row for the value") << 7 << -1 << QString();
        QTest::newRow("failed read") << 0 << -1 << QString();
    }
    void valueTables()
    {
        QFETCH(int, valueRead);
        QFETCH(int, index);
        QFETCH(QString, written);
        const CValueTable table({{6, 0}, {8, 1}, {5, 2}, {11, 3}}, {"0x06", "0x08", "0x05", "0x0B"});
        QCOMPARE(table.IndexForValue(valueRead), index);
        QCOMPARE(table.ValueForIndex(index), written);
        QCOMPARE(table.ValueForIndex(index).isNull(), written.isNull());
        QCOMPARE(CValueTable::Sequential(10, 3).ValueForIndex(2), QStringLiteral("0x0C"));
        QCOMPARE(CValueTable::HexText(255), QStringLiteral("0xFF"));
    }
};

QTEST_MAIN(TestPagePattern)
#include "tst_pagepattern.moc"
