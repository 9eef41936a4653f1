#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/WaitDialogProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/AboutThisMachineWidget.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestSupport::Transcript;

namespace
{
const int LOAD_TIMEOUT_MS = 5000;

template <class T>
T* Child(QWidget& page, const char* szName)
{
    T* pChild = page.findChild<T*>(QString::fromLatin1(szName));
    if (!pChild)
        qFatal("no child %s", szName);
    return pChild;
}

QString MonitorName(int nMonitorId)
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    for (const MonitorInfo& info : listMonitors) {
        if (info.nMonitorId == nMonitorId)
            return info.strMonitorName;
    }
    return QString();
}
}

// The about-this-machine page: version and current monitor name behind the wait dialog, the
// refresh with its plug-in reset, and the parameter row that never shows.
class TestAboutPage : public QObject
{
    Q_OBJECT
private:
    static bool WaitForLoad(CWaitDialogProbe& probe, int nOpenedBefore)
    {
        return QTest::qWaitFor([&] { return probe.Opened() > nOpenedBefore && probe.Closed() == probe.Opened(); },
                               LOAD_TIMEOUT_MS);
    }

private slots:
    void init()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);
    }

    void firstShowShowsVersionAndMonitor()
    {
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        auto* pVersion = Child<QLabel>(page, "lblSystemVersion");
        auto* pType = Child<QLabel>(page, "lblCurrentType");
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        QCOMPARE(probe.Texts(), QStringList{"Load Data..."});
        QVERIFY2(probe.LastShownMs() >= 800, qPrintable(QString::number(probe.LastShownMs())));
        QCOMPARE(pVersion->text(), QStringLiteral("V1.0.1.26_Dev"));
        QVERIFY(!MonitorName(0).isEmpty());
        QCOMPARE(pType->text(), MonitorName(0));
        // Nothing is read from the monitor.
        QCOMPARE(Transcript(), QStringList{});

        // Loaded: showing again does nothing.
        page.hide();
        page.show();
        QTest::qWait(300);
        QCOMPARE(probe.Opened(), 1);
    }

    void refreshResetsThenShowsCurrentMonitor()
    {
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        probe.Restart();

        QTest::mouseClick(Child<QPushButton>(page, "btnRefresh"), Qt::LeftButton);
        QCOMPARE(Transcript(), QStringList{"RESET"});
        QCOMPARE(probe.Texts(), QStringList{"Refresh Data..."});
        QCOMPARE(Child<QLabel>(page, "lblCurrentType")->text(), MonitorName(1));
        QVERIFY(MonitorName(1) != MonitorName(0));
    }

    void monitorChanged_data()
    {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("system page on show") << 3 << false;
        QTest::newRow("this page on show") << 5 << true;
    }
    void monitorChanged()
    {
        QFETCH(int, pageIndex);
        QFETCH(bool, reloaded);
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        auto* pType = Child<QLabel>(page, "lblCurrentType");
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);

        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(pageIndex);
        QTest::qWait(300);
        QCOMPARE(pType->text(), reloaded ? MonitorName(1) : MonitorName(0));
        QCOMPARE(page.IsLoaded(), reloaded);
        QCOMPARE(Transcript(), QStringList{});

        if (!reloaded) {
            page.hide();
            page.show();
            QVERIFY(WaitForLoad(probe, 1));
            QCOMPARE(pType->text(), MonitorName(1));
        }
    }

    void versionShowsWithoutMonitor()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        QCOMPARE(Child<QLabel>(page, "lblSystemVersion")->text(), APP_VERSION);
        // Whatever the service still calls current (re-detection keeps the last record).
        QCOMPARE(Child<QLabel>(page, "lblCurrentType")->text(), CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName);
        QCOMPARE(Transcript(), QStringList{});
    }

    void parameterRowNeverShows()
    {
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        QTest::mouseClick(Child<QPushButton>(page, "btnRefresh"), Qt::LeftButton);
        QVERIFY(Child<QLabel>(page, "lblCopyRight")->isVisible());
        for (const char* szName : {"btnExportParams", "btnImportParams", "lblConfigParams", "line"})
            QVERIFY2(!Child<QWidget>(page, szName)->isVisible(), szName);

        // Nor do the buttons do anything.
        TestSupport::Sim()->ClearTranscript();
        const int nOpened = probe.Opened();
        Child<QPushButton>(page, "btnExportParams")->click();
        Child<QPushButton>(page, "btnImportParams")->click();
        QTest::qWait(300);
        QCOMPARE(probe.Opened(), nOpened);
        QCOMPARE(Transcript(), QStringList{});
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
