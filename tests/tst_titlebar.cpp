#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/TopTitleBarWidget.h"
#include "ui/pages/LoadGate.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{
QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/SystemConfig.ini");
}

QString StoredLanguage()
{
    return GetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), QString()).toString();
}
}

class TestTitleBar : public QObject
{
    Q_OBJECT
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

    void listsDetectedMonitors()
    {
        CTopTitleBarWidget bar;
        auto* pCombo = bar.findChild<QComboBox*>(QStringLiteral("cmbDeviceType"));
        QVERIFY(pCombo);
        QCOMPARE(pCombo->count(), 2);
        QCOMPARE(pCombo->itemText(0), QStringLiteral("ZVO SIM1"));
        QCOMPARE(pCombo->itemText(1), QStringLiteral("ZVO SIM2"));
        QCOMPARE(pCombo->itemData(0).toInt(), 0);
        QCOMPARE(pCombo->itemData(1).toInt(), 1);
        QCOMPARE(pCombo->currentIndex(), 0);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("144Hz"));
    }

    void noMonitorLeavesEmptySelector()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        CTopTitleBarWidget bar;
        QCOMPARE(bar.findChild<QComboBox*>(QStringLiteral("cmbDeviceType"))->count(), 0);
        QVERIFY(bar.RefreshRateText().isEmpty());
    }

    void monitorNameFallsBackToProductCode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("productCode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("name") << "ZVO X27Q" << "ZVO27A1" << "ZVO X27Q";
        QTest::newRow("no name") << "" << "ZVO27A1" << "ZVO27A1";
        QTest::newRow("neither") << "" << "" << "";
    }
    void monitorNameFallsBackToProductCode()
    {
        QFETCH(QString, name);
        QFETCH(QString, productCode);
        QFETCH(QString, shown);
        MonitorInfo info;
        info.strMonitorName = name;
        info.strProductCode = productCode;
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(info), shown);
    }

    void pickingMonitorSelectsItThenAnnounces()
    {
        CTopTitleBarWidget bar;
        QList<QPair<int, int>> listSeen; // (index announced, current monitor id at that moment)
        connect(&bar, &CTopTitleBarWidget::Sig_MonitorChanged, this, [&listSeen](int nIndex) {
            listSeen.append({nIndex, CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId});
        });
        bar.findChild<QComboBox*>(QStringLiteral("cmbDeviceType"))->setCurrentIndex(1);
        QCOMPARE(listSeen, (QList<QPair<int, int>>{{1, 1}}));
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("60Hz"));
        QVERIFY(TestSupport::Writes().isEmpty());
    }

    // The selector shows the stored language, English for 1 only, and a No to the question
    // puts it back there without asking again.
    void languageQuestionAnswered_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("yes");
        QTest::newRow("no file, pick English, No") << QString() << 0 << false;
        QTest::newRow("English stored, pick Chinese, No") << "1" << 1 << false;
        QTest::newRow("2 stored, pick English, No") << "2" << 0 << false;
        QTest::newRow("-1 stored, pick English, No") << "-1" << 0 << false;
        QTest::newRow("1 plus 2^32 stored, pick English, No") << "4294967297" << 0 << false;
        QTest::newRow("no file, pick English, Yes") << QString() << 0 << true;
        QTest::newRow("English stored, pick Chinese, Yes") << "1" << 1 << true;
    }
    void languageQuestionAnswered()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        QFETCH(bool, yes);
        if (!stored.isNull())
            SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), stored);
        CTopTitleBarWidget bar;
        auto* pCombo = bar.findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
        QCOMPARE(pCombo->currentIndex(), shown);

        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        pCombo->setCurrentIndex(1 - shown);

        QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("Language reset takes effect afer restarting. Reset?"));
        QCOMPARE(StoredLanguage(), yes ? QString::number(1 - shown) : stored);
        QCOMPARE(pCombo->currentIndex(), yes ? 1 - shown : shown);
        QCOMPARE(m_nRestarts, yes ? 1 : 0);
    }

    void buttonsFollowTheRightEdge_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("narrow") << 640;
        QTest::newRow("65% of 1920") << 1236;
        QTest::newRow("wide") << 1900;
    }
    void buttonsFollowTheRightEdge()
    {
        QFETCH(int, width);
        CTopTitleBarWidget bar;
        bar.resize(300, 97);
        bar.show();
        bar.resize(width, 97);
        QCOMPARE(bar.findChild<QPushButton*>(QStringLiteral("btnClose"))->geometry(), QRect(width - 47, 15, 32, 32));
        QCOMPARE(bar.findChild<QPushButton*>(QStringLiteral("btnMinimum"))->geometry(), QRect(width - 89, 15, 32, 32));
        QCOMPARE(bar.findChild<QPushButton*>(QStringLiteral("btnSetting"))->geometry(), QRect(width - 131, 15, 32, 32));
    }

    void minimiseAndCloseAreRelayed()
    {
        CTopTitleBarWidget bar;
        QSignalSpy spyMin(&bar, &CTopTitleBarWidget::Sig_MinimumClicked);
        QSignalSpy spyClose(&bar, &CTopTitleBarWidget::Sig_CloseClicked);
        bar.findChild<QPushButton*>(QStringLiteral("btnMinimum"))->click();
        QCOMPARE(spyMin.count(), 1);
        QCOMPARE(spyClose.count(), 0);
        bar.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        QCOMPARE(spyClose.count(), 1);
    }

    void modeTextFollowsTheHub()
    {
        CTopTitleBarWidget bar;
        emit CGlobalSignal::GetInstance()->Sig_ModeTypeChanged(QStringLiteral("FPS"));
        QCOMPARE(bar.ModeTypeText(), QStringLiteral("FPS"));
    }

    void operationGuidePathIsFoundBelowTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("doc")));
        QFile file(dir.path() + QStringLiteral("/doc/用户手册.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::exists(CTopTitleBarWidget::OperationGuidePath(dir.path())));
    }

    void missingOperationGuideIsReported()
    {
        QVERIFY(!QFile::exists(CTopTitleBarWidget::OperationGuidePath(QCoreApplication::applicationDirPath())));
        CTopTitleBarWidget bar;
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        bar.findChild<QPushButton*>(QStringLiteral("btnSetting"))->click();
        QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("The operation guide file was not found!"));
    }

    void displayChangeRedetects()
    {
        CTopTitleBarWidget bar;
        auto* pCombo = bar.findChild<QComboBox*>(QStringLiteral("cmbDeviceType"));
        QCOMPARE(pCombo->count(), 2);
        pCombo->setCurrentIndex(1);
        QSignalSpy spy(&bar, &CTopTitleBarWidget::Sig_MonitorChanged);

        // One monitor left: the selector keeps the old list until the delayed re-detection.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"refreshHz":75}]})"));
        QElapsedTimer timer;
        timer.start();
        auto pLoad = std::make_unique<CLoadGate::CHold>(); // a page load is running
        bar.ScheduleRedetect();
        bar.ScheduleRedetect(); // a burst of changes re-detects once
        QTest::qWait(2000);
        QCOMPARE(pCombo->count(), 2);
        QCOMPARE(spy.count(), 0);
        pLoad.reset();
        QTRY_COMPARE(spy.count(), 1);
        QVERIFY2(timer.elapsed() >= 1400, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(pCombo->count(), 1);
        QCOMPARE(pCombo->currentIndex(), 0);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("75Hz"));
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 0);
        QVERIFY(TestSupport::Transcript().contains(QStringLiteral("RESET")));
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
    }

private:
    int m_nRestarts = 0;
};

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
