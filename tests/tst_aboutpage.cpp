#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/WaitDialogProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/AboutThisMachineWidget.h"

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

// An EDID of the maker ("ZVO") whose display-name descriptor holds baName.
QByteArray NamedEdid(const QByteArray& baName)
{
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff006acf") + QByteArray(118, '\0');
    baEdid.replace(72, 5, QByteArray::fromHex("000000fc00"));
    baEdid.replace(77, baName.size(), baName);
    return baEdid;
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
        // The parameter row never shows.
        QVERIFY(Child<QLabel>(page, "lblCopyRight")->isVisible());
        for (const char* szName : {"btnExportParams", "btnImportParams", "lblConfigParams", "line"})
            QVERIFY2(!Child<QWidget>(page, szName)->isVisible(), szName);
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

    // The version shows in every case; the name is the current monitor's, shown as text.
    void loadShowsVersionAndCurrentName_data()
    {
        QTest::addColumn<QByteArray>("sim");
        QTest::addColumn<QString>("name");
        QTest::newRow("no monitor") << QByteArray(R"({"monitors":[]})") << QString();
        QTest::newRow("markup in the name")
            << QByteArray(R"({"monitors":[{"edid":")" + NamedEdid("<b>X\n").toHex() + R"("}]})") << "<b>X";
    }
    void loadShowsVersionAndCurrentName()
    {
        QFETCH(QByteArray, sim);
        QFETCH(QString, name);
        QVERIFY(TestSupport::UseSimConfig(sim));
        CWaitDialogProbe probe;
        CAboutThisMachineWidget page;
        auto* pType = Child<QLabel>(page, "lblCurrentType");
        page.show();
        QVERIFY(WaitForLoad(probe, 0));
        QCOMPARE(Child<QLabel>(page, "lblSystemVersion")->text(), APP_VERSION);
        // Whatever the service calls current (re-detection without a monitor keeps the last record).
        QCOMPARE(pType->text(), CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName);
        if (!name.isNull())
            QCOMPARE(pType->text(), name);
        // As markup "<b>X" would be one bold letter, narrower than its four characters.
        QVERIFY(pType->sizeHint().width() >= pType->fontMetrics().horizontalAdvance(pType->text()));
        QCOMPARE(Transcript(), QStringList{});
    }
};

QTEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
