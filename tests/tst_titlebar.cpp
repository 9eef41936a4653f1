#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/TopTitleBarWidget.h"
#include "ui/pages/LoadGate.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using TestSupport::Child;

namespace
{
QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + "/SystemConfig.ini";
}

MonitorInfo Info(const QString& strName, const QString& strProductCode)
{
    MonitorInfo info;
    info.strMonitorName = strName;
    info.strProductCode = strProductCode;
    return info;
}
}

class TestTitleBar : public QObject
{
    Q_OBJECT
    int m_nRestarts = 0;

private slots:
    void init()
    {
        QFile::remove(ConfigPath());
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"refreshHz":144},{"refreshHz":60}]})"));
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        m_nRestarts = 0;
        CTopTitleBarWidget::SetRestartHandler([this] { ++m_nRestarts; });
    }
    void cleanup()
    {
        QFile::remove(ConfigPath());
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        CTopTitleBarWidget::SetRestartHandler(nullptr);
    }

    void monitorSelector()
    {
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(Info("ZVO X27Q", "ZVO27A1")), QStringLiteral("ZVO X27Q"));
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(Info("", "ZVO27A1")), QStringLiteral("ZVO27A1"));
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(Info("", "")), QString());
        CTopTitleBarWidget bar;
        auto* pCombo = Child<QComboBox>(bar, "cmbDeviceType");
        QCOMPARE(pCombo->currentIndex(), 0);
        QCOMPARE(pCombo->itemText(1), QStringLiteral("ZVO SIM2"));
        QCOMPARE(pCombo->itemData(1).toInt(), 1);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("144Hz"));
        // Picking one makes it current before the pages are told, and writes nothing.
        QList<QPair<int, int>> listSeen;
        connect(&bar, &CTopTitleBarWidget::Sig_MonitorChanged, this, [&listSeen](int nIndex) {
            listSeen.append({nIndex, CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId});
        });
        pCombo->setCurrentIndex(1);
        QCOMPARE(listSeen, (QList<QPair<int, int>>{{1, 1}}));
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("60Hz"));
        QVERIFY(TestSupport::Writes().isEmpty());
        // No monitor: an empty selector.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        CTopTitleBarWidget empty;
        QCOMPARE(Child<QComboBox>(empty, "cmbDeviceType")->count(), 0);
        QVERIFY(empty.RefreshRateText().isEmpty());
    }

    // The selector shows the stored language, English for 1 only (read in range), and a No puts
    // it back without asking again.
    void languageQuestionAnswered_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("yes");
        QTest::newRow("no file, No") << QString() << 0 << false;
        QTest::newRow("1, No") << "1" << 1 << false;
        QTest::newRow("2, No") << "2" << 0 << false;
        QTest::newRow("1 plus 2^32, No") << "4294967297" << 0 << false;
        QTest::newRow("no file, Yes") << QString() << 0 << true;
        QTest::newRow("1, Yes") << "1" << 1 << true;
    }
    void languageQuestionAnswered()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QFETCH(bool, yes);
        if (!stored.isNull())
            SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", stored);
        CTopTitleBarWidget bar;
        auto* pCombo = Child<QComboBox>(bar, "cmbLanguage");
        QCOMPARE(pCombo->currentIndex(), shown);
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        pCombo->setCurrentIndex(1 - shown);
        QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("Language reset takes effect afer restarting. Reset?"));
        QCOMPARE(GetConfigValue("LANGUAGE", "LANGUAGE_TYPE", QString()).toString(),
                 yes ? QString::number(1 - shown) : stored);
        QCOMPARE(pCombo->currentIndex(), yes ? 1 - shown : shown);
        QCOMPARE(m_nRestarts, yes ? 1 : 0);
    }

    void buttonsFollowTheRightEdge()
    {
        CTopTitleBarWidget bar;
        bar.resize(300, 97);
        bar.show();
        for (const int nWidth : {640, 1900}) {
            bar.resize(nWidth, 97);
            QCOMPARE(Child<QPushButton>(bar, "btnClose")->geometry(), QRect(nWidth - 47, 15, 32, 32));
            QCOMPARE(Child<QPushButton>(bar, "btnMinimum")->geometry(), QRect(nWidth - 89, 15, 32, 32));
            QCOMPARE(Child<QPushButton>(bar, "btnSetting")->geometry(), QRect(nWidth - 131, 15, 32, 32));
        }
    }

    void missingOperationGuideIsReported()
    {
        QVERIFY(!QFile::exists(CTopTitleBarWidget::OperationGuidePath(QCoreApplication::applicationDirPath())));
        CTopTitleBarWidget bar;
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        Child<QPushButton>(bar, "btnSetting")->click();
        QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("The operation guide file was not found!"));
    }

    void displayChangeRedetects()
    {
        CTopTitleBarWidget bar;
        auto* pCombo = Child<QComboBox>(bar, "cmbDeviceType");
        pCombo->setCurrentIndex(1);
        QSignalSpy spy(&bar, &CTopTitleBarWidget::Sig_MonitorChanged);
        // One monitor left: the selector keeps the old list until the delayed re-detection, and
        // that waits for a running page load; a burst of changes re-detects once.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"refreshHz":75}]})"));
        QElapsedTimer timer;
        timer.start();
        auto pLoad = std::make_unique<CLoadGate::CHold>();
        bar.ScheduleRedetect();
        bar.ScheduleRedetect();
        QTest::qWait(2000);
        QCOMPARE(pCombo->count(), 2);
        QCOMPARE(spy.count(), 0);
        pLoad.reset();
        QTRY_COMPARE(spy.count(), 1);
        QVERIFY2(timer.elapsed() >= 1400, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(pCombo->count(), 1);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("75Hz"));
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 0);
        QVERIFY(TestSupport::Transcript().contains("RESET"));
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
