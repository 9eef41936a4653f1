#include "app/ConfigSettings.h"
#include "ddc/DDCUtil.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/frame/TopTitleBarWidget.h"
#include "ui/frame/WaitDlg.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/AutoColorCalibrateWidget.h"

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

namespace
{
const char* const MENU_BUTTONS[] = {"btnStandardMode",  "btnProfessionalGraphics", "btnProfessionalGame",
                                    "btnSystemSetting", "btnColorCalibration",     "btnAboutThisMachine"};

QString ConfigPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/SystemConfig.ini");
}

QStackedWidget* Stack(MainWindow& window)
{
    return window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
}

QPushButton* Button(MainWindow& window, const char* szName)
{
    return window.findChild<QPushButton*>(QLatin1String(szName));
}

QRect CentredWindowGeometry()
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

    void screenRatioArithmetic_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QRect>("window");
        QTest::newRow("1920x1080 at 65%") << QRect(0, 0, 1920, 1080) << 0.65 << QRect(336, 189, 1248, 702);
        QTest::newRow("1366x768 truncates") << QRect(0, 0, 1366, 768) << 0.65 << QRect(239, 134, 887, 499);
        QTest::newRow("primary right of another") << QRect(1920, 0, 2560, 1440) << 0.65
                                                  << QRect(2368, 252, 1664, 936);
    }
    void screenRatioArithmetic()
    {
        QFETCH(QRect, screen);
        QFETCH(double, ratio);
        QFETCH(QRect, window);
        QCOMPARE(ScreenRatioGeometry(screen, ratio, ratio), window);
    }

    void windowStartsCentred()
    {
        MainWindow window;
        QCOMPARE(window.geometry(), CentredWindowGeometry());
        QCOMPARE(Stack(window)->currentIndex(), 0);
        QVERIFY(Button(window, "btnStandardMode")->isChecked());
        ResizeToScreenRatio(nullptr, 0.5, 0.5); // no widget: nothing to do, no crash
    }

    void menuButtonShowsItsPage_data()
    {
        QTest::addColumn<int>("page");
        for (int i = 0; i < 6; ++i)
            QTest::newRow(MENU_BUTTONS[i]) << i;
    }
    void menuButtonShowsItsPage()
    {
        QFETCH(int, page);
        MainWindow window;
        Stack(window)->setCurrentIndex(page == 0 ? 5 : 0);
        Button(window, MENU_BUTTONS[page])->click();
        QCOMPARE(Stack(window)->currentIndex(), page);
        QVERIFY(Button(window, MENU_BUTTONS[page])->isChecked());
        // The plug-in is reset before every page change.
        QCOMPARE(TestSupport::Transcript(), QStringList{QStringLiteral("RESET")});
    }

    void calibrationButtonFromSettings_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("visibleButtons");
        QTest::newRow("absent") << QVariant() << 5;
        QTest::newRow("2") << QVariant(2) << 5;
        QTest::newRow("text") << QVariant(QStringLiteral("yes")) << 5;
        QTest::newRow("1") << QVariant(1) << 6;
    }
    void calibrationButtonFromSettings()
    {
        QFETCH(QVariant, value);
        QFETCH(int, visibleButtons);
        if (value.isValid())
            SetConfigValue(QStringLiteral("SUB_PAGE_ENABLE"), QStringLiteral("AUTO_COLOR_CALIB_PAGE"), value);
        MainWindow window;
        int nVisible = 0;
        for (const char* szName : MENU_BUTTONS)
            nVisible += Button(window, szName)->isVisibleTo(&window) ? 1 : 0;
        QCOMPARE(nVisible, visibleButtons);
        QCOMPARE(Button(window, "btnColorCalibration")->isVisibleTo(&window), visibleButtons == 6);
        // The page stays in the stack either way.
        QVERIFY(qobject_cast<CAutoColorCalibrateWidget*>(Stack(window)->widget(4)));
    }

    void monitorChangeAnnouncesPageOnShow_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("standard") << 0;
        QTest::newRow("system setting") << 3;
        QTest::newRow("about this machine") << 5;
    }
    void monitorChangeAnnouncesPageOnShow()
    {
        QFETCH(int, page);
        MainWindow window;
        Stack(window)->setCurrentIndex(page);
        QSignalSpy spy(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged);
        window.findChild<QComboBox*>(QStringLiteral("cmbDeviceType"))->setCurrentIndex(1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), page);
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 1);
    }

    void quitAnsweredNoChangesNothing()
    {
        MainWindow window;
        window.show();
        auto* pTray = window.findChild<QSystemTrayIcon*>();
        QVERIFY(pTray && pTray->isVisible());
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::No);
        window.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("Confirm to quit the application?"));
        QVERIFY(window.isVisible());
        QVERIFY(pTray->isVisible());
    }

    void closeHidesToTrayOnlyWhenThereIsOne_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("system tray") << true;
        QTest::newRow("no system tray") << false;
    }
    void closeHidesToTrayOnlyWhenThereIsOne()
    {
        QFETCH(bool, trayAvailable);
        MainWindow::SetTrayAvailableCheck([trayAvailable] { return trayAvailable; });
        MainWindow window;
        window.show();
        const int nShown = CMessageBox::ShownCount();
        CMessageBox::SetNextAnswer(QMessageBox::No);
        QVERIFY(!window.close());
        if (trayAvailable) {
            QVERIFY(window.isHidden());
            QCOMPARE(CMessageBox::ShownCount(), nShown);
            CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        } else {
            // The window could never come back from a tray that does not exist: ask instead.
            QVERIFY(window.isVisible());
            QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
            QCOMPARE(CMessageBox::LastText(), QStringLiteral("Confirm to quit the application?"));
        }
        QVERIFY(window.findChild<QSystemTrayIcon*>()->isVisible());
    }

    void noMonitorWarnsOnceAfterASecond()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        const int nShownBefore = CMessageBox::ShownCount();
        int nShownInside = -1;
        qint64 nOpenedAfterMs = -1;
        bool bDone = false;
        bool bLoadBehindBox = false;
        MainWindow* pWindow = nullptr;

        // The box blocks in its own event loop: look at it, and at a detection that finishes
        // meanwhile, from a timer.
        QElapsedTimer timer;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!pBox || bDone)
                return;
            bDone = true;
            nOpenedAfterMs = timer.elapsed();
            CMessageBox::SetNextAnswer(QMessageBox::Ok); // a second box would return at once
            CDDCUtil::GetInstance()->Init();             // detection finished while the box is open
            nShownInside = CMessageBox::ShownCount();
            CMessageBox::SetNextAnswer(QMessageBox::NoButton);
            // A page told meanwhile to reload does so only once the box is closed.
            QTimer::singleShot(100, pBox, [] { emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(3); });
            QTimer::singleShot(500, pBox->button(QMessageBox::Ok), &QAbstractButton::click);
        });
        connect(&poll, &QTimer::timeout, this, [&] {
            bLoadBehindBox |= qobject_cast<CWaitDlg*>(QApplication::activeModalWidget()) && pWindow->findChild<QMessageBox*>();
        });

        timer.start();
        MainWindow window;
        pWindow = &window;
        QVERIFY(Stack(window)->isEnabled());
        poll.start();
        QTRY_VERIFY_WITH_TIMEOUT(bDone && !window.findChild<QMessageBox*>(), 10000);
        poll.stop();
        QVERIFY(!bLoadBehindBox);

        QVERIFY2(nOpenedAfterMs >= 950, qPrintable(QString::number(nOpenedAfterMs)));
        QCOMPARE(nShownInside, nShownBefore + 1);
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("No monitor device supported by the application was found!"));
        QVERIFY(!Stack(window)->isEnabled());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("widgetLeftMenuBar"))->isEnabled());

        // Monitors back: the next detection enables the pages again.
        QVERIFY(TestSupport::UseDefaultSim());
        QVERIFY(Stack(window)->isEnabled());
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("widgetLeftMenuBar"))->isEnabled());
        QCOMPARE(CMessageBox::ShownCount(), nShownBefore + 1);
    }

    void displayChangeRecentresAndRedetects_data()
    {
        QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
        // Windows tells the top-level window, through the platform's native event.
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
        QVERIFY(rcMoved != CentredWindowGeometry());
        auto* pBar = window.findChild<CTopTitleBarWidget*>(QStringLiteral("widgetTopBar"));
        QSignalSpy spyBar(pBar, &CTopTitleBarWidget::Sig_MonitorChanged);
        QSignalSpy spyHub(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged);
        Stack(window)->setCurrentIndex(2);

#ifdef Q_OS_WIN
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
        // The size is held up by the pages' minimum size on the small offscreen screen; the position tells.
        QTRY_COMPARE(window.geometry().topLeft(), CentredWindowGeometry().topLeft());
        QTRY_COMPARE(spyBar.count(), 1);
        QCOMPARE(spyHub.count(), 1);
        QCOMPARE(spyHub.at(0).at(0).toInt(), 2);
        QVERIFY(TestSupport::Transcript().contains(QStringLiteral("RESET")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
