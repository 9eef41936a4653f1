#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "ui/pages/AboutThisMachineWidget.h"

namespace
{
// An EDID of the maker ("ZVO") whose display-name descriptor holds baName.
QByteArray NamedEdid(const QByteArray& baName)
{
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff006acf") + QByteArray(118, '\0');
    baEdid.replace(72, 5, QByteArray::fromHex("000000fc00"));
    return baEdid.replace(77, baName.size(), baName);
}

bool ShowAndLoad(QWidget& page)
{
    CWaitDialogProbe probe;
    page.show();
    return QTest::qWaitFor([&] { return probe.Opened() > 0 && probe.Closed() == probe.Opened(); }, 5000);
}
}

// The about-this-machine page: version and current monitor name behind the wait dialog, and the
// parameter row that never shows.
// The about-this-machine page: version and current monitor name behind the wait dialog, and the
// parameter row that never shows.
class TestAboutPage : public QObject
{
    Q_OBJECT
private slots:
    // The name is the current monitor's, shown as text (markup "<b>X" would be one bold letter,
    // narrower than its four characters); re-detection without a monitor keeps the last record.
    // A refresh shows the monitor current by then.
    void loadShowsVersionAndCurrentName_data()
    {
        QTest::addColumn<QByteArray>("sim");
        QTest::addColumn<int>("refreshOn");
        QTest::addColumn<QString>("name");
        QTest::newRow("two monitors, refreshed on the second") << QByteArray(R"({"monitors":[{},{}]})") << 1 << "ZVO SIM2";
        QTest::newRow("no monitor") << QByteArray(R"({"monitors":[]})") << -1 << QString();
        QTest::newRow("markup in the name")
            << QByteArray(R"({"monitors":[{"edid":")" + NamedEdid("<b>X\n").toHex() + R"("}]})") << -1 << "<b>X";
    }
    void loadShowsVersionAndCurrentName()
    {
        QFETCH(QByteArray, sim);
        QFETCH(int, refreshOn);
        QFETCH(QString, name);
        QVERIFY(TestSupport::UseSimConfig(sim));
        CAboutThisMachineWidget page;
        auto* pType = TestSupport::Child<QLabel>(page, "lblCurrentType");
        QVERIFY(ShowAndLoad(page));
        QCOMPARE(TestSupport::Child<QLabel>(page, "lblSystemVersion")->text(), APP_VERSION);
        QCOMPARE(pType->text(), CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName);
        if (refreshOn >= 0) {
            CDDCUtil::GetInstance()->SetCurrentMonitor(refreshOn);
            PageRecorders::Act(&page, "btnRefresh");
        }
        if (!name.isNull())
            QCOMPARE(pType->text(), name);
        QVERIFY(pType->sizeHint().width() >= pType->fontMetrics().horizontalAdvance(pType->text()));
        QCOMPARE(TestSupport::Transcript(), refreshOn >= 0 ? QStringList{"RESET"} : QStringList{});
        QVERIFY(TestSupport::Child<QLabel>(page, "lblCopyRight")->isVisible());
        for (const char* szName : {"btnExportParams", "btnImportParams", "lblConfigParams", "line"})
            QVERIFY2(!TestSupport::Child<QWidget>(page, szName)->isVisible(), szName);
    }
};

QTEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
