#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/WaitDialogProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/AboutThisMachineWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestSupport::Child;
using TestSupport::Transcript;

namespace
{
const int LOAD_TIMEOUT_MS = 5000;


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

    // The version shows in every case; the name is the current monitor's, shown as text.
    void loadShowsVersionAndCurrentName_data()
    {
        QTest::addColumn<QByteArray>("sim");
        QTest::addColumn<QString>("name");
        QTest::newRow("two monitors") << QByteArray() << QString();
        QTest::newRow("no monitor") << QByteArray(R"({"monitors":[]})") << QString();
        QTest::newRow("markup in the name")
            << QByteArray(R"({"monitors":[{"edid":")" + NamedEdid("<b>X\n").toHex() + R"("}]})") << "<b>X";
    }
    void loadShowsVersionAndCurrentName()
    {
        QFETCH(QByteArray, sim);
        QFETCH(QString, name);
        QVERIFY(sim.isNull() ? TestSupport::UseDefaultSim() : TestSupport::UseSimConfig(sim));
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
