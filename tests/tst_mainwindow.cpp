#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/frame/TopTitleBarWidget.h"
#include "ui/frame/WaitDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QtTest>

#ifdef Q_OS_WIN
#include <qpa/qwindowsysteminterface.h>

#include <windows.h>
#endif

using TestSupport::Child;

namespace
{
QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + "/SystemConfig.ini";
}

QStackedWidget* Stack(const MainWindow& window)
{
    return Child<QStackedWidget>(window, "stackedWidget");
}

QRect Centred()
{
    return ScreenRatioGeometry(QGuiApplication::primaryScreen()->geometry(), 0.65, 0.65);
}
}

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(ConfigPath());
        QVERIFY(TestSupport::UseDefaultSim());
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
    }
    void cleanup()
    {
        QFile::remove(ConfigPath());
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        MainWindow::SetTrayAvailableCheck(nullptr);
    }

    void menuAndMonitorSelector()
    {
        MainWindow window;
        QCOMPARE(window.geometry(), Centred());
        QCOMPARE(Stack(window)->currentIndex(), 0);
        ResizeToScreenRatio(nullptr, 0.5, 0.5); // no widget: nothing to do, no crash
        // Each menu button shows its page, the plug-in reset before the change.
        const char* const szButtons[] = {"btnProfessionalGraphics", "btnProfessionalGame", "btnSystemSetting",
                                         "btnColorCalibration", "btnAboutThisMachine", "btnStandardMode"};
        for (int i = 0; i < 6; ++i) {
            TestSupport::Sim()->ClearTranscript();
            Child<QPushButton>(window, szButtons[i])->click();
            QCOMPARE(Stack(window)->currentIndex(), (i + 1) % 6);
            QVERIFY(Child<QPushButton>(window, szButtons[i])->isChecked());
            QCOMPARE(TestSupport::Transcript(), QStringList{"RESET"});
        }
        // A monitor picked in the title bar becomes current, then the shown page is told.
        QSignalSpy spy(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged);
        for (const int nPage : {0, 3, 5}) {
            Stack(window)->setCurrentIndex(nPage);
            const int nMonitor = nPage == 3 ? 0 : 1;
            Child<QComboBox>(window, "cmbDeviceType")->setCurrentIndex(nMonitor);
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.takeFirst().at(0).toInt(), nPage);
            QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, nMonitor);
        }
    }

    void calibrationButtonFromSettings_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("visible");
        QTest::newRow("absent") << QVariant() << false;
        QTest::newRow("2") << QVariant(2) << false;
        QTest::newRow("1") << QVariant(1) << true;
    }
    void calibrationButtonFromSettings()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, visible);
        if (value.isValid())
            SetConfigValue("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", value);
        MainWindow window;
        QCOMPARE(Child<QPushButton>(window, "btnColorCalibration")->isVisibleTo(&window), visible);
        QVERIFY(Child<QPushButton>(window, "btnAboutThisMachine")->isVisibleTo(&window));
    }

    void closeHidesToTrayOrAsks_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("system tray") << true;
        QTest::newRow("no system tray") << false;
    }
    void closeHidesToTrayOrAsks()
    {
        QFETCH(bool, tray);
        MainWindow::SetTrayAvailableCheck([tray] { return tray; });
        MainWindow window;
        window.show();
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::No);
        QVERIFY(!window.close());
        // Without a tray the window could never come back: ask instead.
        QCOMPARE(window.isVisible(), !tray);
        QCOMPARE(CMessageBox::ShownCount(), nShown + (tray ? 0 : 1));
        // The close button asks; No changes nothing.
        window.show();
        CMessageBox::SetNextAnswer(QMessageBox::No);
        Child<QPushButton>(window, "btnClose")->click();
        QCOMPARE(CMessageBox::ShownCount(), nShown + (tray ? 1 : 2));
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("Confirm to quit the application?"));
        QVERIFY(window.isVisible());
        QVERIFY(window.findChild<QSystemTrayIcon*>()->isVisible());
    }

    void noMonitorWarnsOnceAfterASecond()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        const int nShownBefore = CMessageBox::ShownCount();
        int nShownInside = -1;
        qint64 nOpenedAfterMs = -1;
        bool bLoadBehindBox = false;
        MainWindow* pWindow = nullptr;
        // The box blocks in its own event loop: look at it, and at a detection that finishes
        // meanwhile, from a timer. A page told meanwhile to reload does so only once it is closed.
        QElapsedTimer timer;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            bLoadBehindBox |= qobject_cast<CWaitDlg*>(QApplication::activeModalWidget())
                              && pWindow->findChild<QMessageBox*>();
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!pBox || nOpenedAfterMs >= 0)
                return;
            nOpenedAfterMs = timer.elapsed();
            CMessageBox::SetNextAnswer(QMessageBox::Ok); // a second box would return at once
            CDDCUtil::GetInstance()->Init();
            nShownInside = CMessageBox::ShownCount();
            CMessageBox::SetNextAnswer(QMessageBox::NoButton);
            QTimer::singleShot(100, pBox, [] { emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(3); });
            QTimer::singleShot(500, pBox->button(QMessageBox::Ok), &QAbstractButton::click);
        });
        timer.start();
        MainWindow window;
        pWindow = &window;
        QVERIFY(Stack(window)->isEnabled());
        poll.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(nOpenedAfterMs >= 0 && !window.findChild<QMessageBox*>(), 10000);
        poll.stop();
        QVERIFY(!bLoadBehindBox);
        QVERIFY2(nOpenedAfterMs >= 950, qPrintable(QString::number(nOpenedAfterMs)));
        QCOMPARE(nShownInside, nShownBefore + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("No monitor device supported by the application was found!"));
        QVERIFY(!Stack(window)->isEnabled());
        QVERIFY(!Child<QWidget>(window, "widgetLeftMenuBar")->isEnabled());
        // Monitors back: the next detection enables the pages again, without a box.
        QVERIFY(TestSupport::UseDefaultSim());
        QVERIFY(Stack(window)->isEnabled() && Child<QWidget>(window, "widgetLeftMenuBar")->isEnabled());
        QCOMPARE(CMessageBox::ShownCount(), nShownBefore + 1);
    }

    void displayChangeRecentresAndRedetects_data()
    {
        QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
        QTest::newRow("WM_DISPLAYCHANGE") << 2;
#else
        QTest::newRow("screen geometry changed") << 0;
        QTest::newRow("screen added") << 1;
#endif
    }
    void displayChangeRecentresAndRedetects()
    {
        QFETCH(int, signal);
        MainWindow window;
        window.show();
        window.setGeometry(10, 10, 700, 500);
        const QRect rcMoved = window.geometry();
        QSignalSpy spyBar(Child<CTopTitleBarWidget>(window, "widgetTopBar"), &CTopTitleBarWidget::Sig_MonitorChanged);
        QSignalSpy spyHub(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged);
        Stack(window)->setCurrentIndex(2);
#ifdef Q_OS_WIN
        // Windows tells the top-level window, through the platform's native event.
        Q_UNUSED(signal)
        MSG msg = {};
        msg.message = WM_DISPLAYCHANGE;
        long nResult = 0;
        QWindowSystemInterface::handleNativeEvent(window.windowHandle(), "windows_generic_MSG", &msg, &nResult);
#else
        QScreen* pScreen = QGuiApplication::primaryScreen();
        if (signal == 0)
            emit pScreen->geometryChanged(pScreen->geometry());
        else
            emit qApp->screenAdded(pScreen);
#endif
        QCOMPARE(window.geometry(), rcMoved);
        // The pages' minimum size holds up the size on the small offscreen screen; the position tells.
        QTRY_COMPARE(window.geometry().topLeft(), Centred().topLeft());
        QTRY_COMPARE(spyBar.count(), 1);
        QCOMPARE(spyHub.count(), 1);
        QCOMPARE(spyHub.at(0).at(0).toInt(), 2);
        QVERIFY(TestSupport::Transcript().contains("RESET"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
