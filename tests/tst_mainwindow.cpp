// The main window and its frame: menu, title bar, the frameless window under both, the dialogs and the about page.
#include "app/ConfigSettings.h"
#include "app/StartUp.h"
#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/PageRecorders.h"
#include "ui/frame/AboutDlg.h"
#include "ui/frame/FramelessWidget.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MessageBox.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/frame/TopTitleBarWidget.h"
#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/LoadGate.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QThread>
#include <QtConcurrent>

#include <functional>

#ifdef Q_OS_WIN
#include <qpa/qwindowsysteminterface.h>

#include <windows.h>
#endif

using TestSupport::Child;

namespace
{
const QByteArray kTwoMonitors = R"({"monitors":[{"refreshHz":144},{"refreshHz":60}]})";

QString ConfigPath() { return QCoreApplication::applicationDirPath() + "/SystemConfig.ini"; }
QStackedWidget* Stack(const MainWindow& window) { return Child<QStackedWidget>(window, "stackedWidget"); }
QRect Centred(double dRatio = 0.65)
{
    return ScreenRatioGeometry(QGuiApplication::primaryScreen()->geometry(), dRatio, dRatio);
}

// fnAct must ask exactly one box, which gets the answer.
void ExpectBox(QMessageBox::StandardButton answer, const QString& strText, const std::function<void()>& fnAct)
{
    const int nShown = CMessageBox::ShownCount();
    CMessageBox::SetNextAnswer(answer);
    fnAct();
    QCOMPARE(CMessageBox::ShownCount(), nShown + 1);
    QCOMPARE(CMessageBox::LastText(), strText);
}

#ifdef Q_OS_WIN
bool SendNative(QWidget& window, UINT nMessage, LPARAM lParam, long* pResult)
{
    MSG msg = {};
    msg.message = nMessage;
    msg.lParam = lParam;
    return QWindowSystemInterface::handleNativeEvent(window.windowHandle(), "windows_generic_MSG", &msg, pResult);
}
#endif

// Counts the key presses that reach it.
template <class TBase>
struct CKeyCounter : TBase
{
    using TBase::TBase;
    int m_nKeys = 0;
    void keyPressEvent(QKeyEvent* event) override { ++m_nKeys; event->accept(); }
};

// A 400x300 frameless window with a 60 px title bar that holds a button at (300, 10).
struct Frame
{
    CKeyCounter<CFramelessWidget> window;
    CKeyCounter<QWidget>* pTitleBar = new CKeyCounter<QWidget>(&window);
    Frame()
    {
        window.resize(400, 300);
        pTitleBar->setGeometry(0, 0, 400, 60);
        (new QPushButton(pTitleBar))->setGeometry(300, 10, 40, 40);
        window.setTitleBar(pTitleBar);
    }
};

// The pointer's screen position is given: the widget moves under it during a drag.
void SendMouse(QWidget* pTarget, QEvent::Type type, const QPoint& ptGlobal)
{
    QMouseEvent event(type, pTarget->mapFromGlobal(ptGlobal), ptGlobal,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &event);
}

// An EDID of the maker ("ZVO") whose display-name descriptor holds baName.
QByteArray NamedEdid(const QByteArray& baName)
{
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff006acf") + QByteArray(118, '\0');
    baEdid.replace(72, 5, QByteArray::fromHex("000000fc00"));
    return baEdid.replace(77, baName.size(), baName);
}
}

class TestMainWindow : public QObject
{
    Q_OBJECT
    int m_nRestarts = 0;

private slots:
    void init()
    {
        QFile::remove(ConfigPath());
        QVERIFY(TestSupport::UseSimConfig(kTwoMonitors));
        CMessageBox::SetNextAnswer(QMessageBox::NoButton);
        MainWindow::SetTrayAvailableCheck(nullptr);
        m_nRestarts = 0;
        CTopTitleBarWidget::SetRestartHandler([this] { ++m_nRestarts; });
    }
    void cleanupTestCase() { QFile::remove(ConfigPath()); }

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
        // A monitor picked in the title bar becomes current before the shown page is told.
        QList<QPair<int, int>> listSeen;
        connect(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged, &window, [&listSeen](int nPage) {
            listSeen.append({nPage, CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId});
        });
        for (const int nPage : {0, 3, 5}) {
            Stack(window)->setCurrentIndex(nPage);
            Child<QComboBox>(window, "cmbDeviceType")->setCurrentIndex(nPage == 3 ? 0 : 1);
        }
        QCOMPARE(listSeen, (QList<QPair<int, int>>{{0, 1}, {3, 0}, {5, 1}}));
    }

    void calibrationButtonFromSettings()
    {
        for (const QVariant& value : {QVariant(), QVariant(2), QVariant(1)}) {
            if (value.isValid())
                SetConfigValue("SUB_PAGE_ENABLE", "AUTO_COLOR_CALIB_PAGE", value);
            MainWindow window;
            QCOMPARE(Child<QPushButton>(window, "btnColorCalibration")->isVisibleTo(&window), value == 1);
            QVERIFY(Child<QPushButton>(window, "btnAboutThisMachine")->isVisibleTo(&window));
        }
    }

    void closeHidesToTrayOrAsks()
    {
        for (const bool bTray : {true, false}) {
            MainWindow::SetTrayAvailableCheck([bTray] { return bTray; });
            MainWindow window;
            window.show();
            const int nShown = CMessageBox::ShownCount();
            CMessageBox::SetNextAnswer(QMessageBox::No);
            QVERIFY(!window.close());
            // Without a tray the window could never come back: ask instead.
            QCOMPARE(window.isVisible(), !bTray);
            QCOMPARE(CMessageBox::ShownCount(), nShown + (bTray ? 0 : 1));
            // The close button asks; No changes nothing.
            window.show();
            ExpectBox(QMessageBox::No, "Confirm to quit the application?",
                      [&window] { Child<QPushButton>(window, "btnClose")->click(); });
            QVERIFY(window.isVisible() && window.findChild<QSystemTrayIcon*>()->isVisible());
        }
    }

    void noMonitorWarnsOnceAfterASecond()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        const int nShownBefore = CMessageBox::ShownCount();
        qint64 nOpenedAfterMs = -1;
        bool bLoadBehindBox = false;
        QElapsedTimer timer;
        timer.start();
        MainWindow window;
        QVERIFY(Stack(window)->isEnabled());
        // The box blocks in its own event loop: look at it from a timer. A detection that finishes
        // meanwhile asks no second box; a page told meanwhile to reload waits until it is closed.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            bLoadBehindBox |= qobject_cast<CWaitDlg*>(QApplication::activeModalWidget())
                              && window.findChild<QMessageBox*>();
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!pBox || nOpenedAfterMs >= 0)
                return;
            nOpenedAfterMs = timer.elapsed();
            CMessageBox::SetNextAnswer(QMessageBox::Ok); // a second box would return at once
            CDDCUtil::GetInstance()->Init();
            QTimer::singleShot(100, pBox, [] { emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(3); });
            QTimer::singleShot(500, pBox->button(QMessageBox::Ok), &QAbstractButton::click);
        });
        poll.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(nOpenedAfterMs >= 0 && !window.findChild<QMessageBox*>(), 10000);
        poll.stop();
        QVERIFY(!bLoadBehindBox);
        QVERIFY2(nOpenedAfterMs >= 950, qPrintable(QString::number(nOpenedAfterMs)));
        QCOMPARE(CMessageBox::LastText(), QStringLiteral("No monitor device supported by the application was found!"));
        QVERIFY(!Stack(window)->isEnabled() && !Child<QWidget>(window, "widgetLeftMenuBar")->isEnabled());
        // Monitors back: the next detection enables the pages again, without a box.
        QVERIFY(TestSupport::UseSimConfig(kTwoMonitors));
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
        Stack(window)->setCurrentIndex(2);
        QSignalSpy spyHub(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged);
        for (int i = 0; i < 2; ++i) {
#ifdef Q_OS_WIN
            // Windows tells the top-level window, through the platform's native event.
            Q_UNUSED(signal)
            long nResult = 0;
            SendNative(window, WM_DISPLAYCHANGE, 0, &nResult);
#else
            QScreen* pScreen = QGuiApplication::primaryScreen();
            if (signal == 0)
                emit pScreen->geometryChanged(pScreen->geometry());
            else
                emit qApp->screenAdded(pScreen);
#endif
        }
        QCOMPARE(window.geometry(), rcMoved);
        // The pages' minimum size holds up the size on the small offscreen screen; the position tells.
        QTRY_COMPARE(window.geometry().topLeft(), Centred().topLeft());
        QTRY_COMPARE(spyHub.count(), 1);
        QCOMPARE(spyHub.at(0).at(0).toInt(), 2);
        QVERIFY(TestSupport::Transcript().contains("RESET"));
    }

    // Monitors listed by name or product code; picking one writes nothing. A burst of display changes
    // re-detects once, later, and never during a page load (values of one monitor into another's).
    void titleBar()
    {
        MonitorInfo info;
        info.strProductCode = "ZVO27A1";
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(info), QStringLiteral("ZVO27A1"));
        info.strMonitorName = "ZVO X27Q";
        QCOMPARE(CTopTitleBarWidget::MonitorDisplayName(info), QStringLiteral("ZVO X27Q"));
        CTopTitleBarWidget bar;
        auto* pCombo = Child<QComboBox>(bar, "cmbDeviceType");
        QCOMPARE(pCombo->currentIndex(), 0);
        QCOMPARE(pCombo->itemText(1), QStringLiteral("ZVO SIM2"));
        QCOMPARE(pCombo->itemData(1).toInt(), 1);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("144Hz"));
        QSignalSpy spy(&bar, &CTopTitleBarWidget::Sig_MonitorChanged);
        pCombo->setCurrentIndex(1);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("60Hz"));
        QVERIFY(TestSupport::Writes().isEmpty());

        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"refreshHz":75}]})"));
        bar.ScheduleRedetect();
        bar.ScheduleRedetect();
        QTest::qWait(1000);
        {
            const CLoadGate::CHold load;
            QTest::qWait(1000);
            QCOMPARE(pCombo->count(), 2);
            QCOMPARE(spy.count(), 1);
        }
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 0);
        QCOMPARE(pCombo->count(), 1);
        QCOMPARE(bar.RefreshRateText(), QStringLiteral("75Hz"));
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 0);
        QVERIFY(TestSupport::Transcript().contains("RESET"));
        QTest::qWait(200);
        QCOMPARE(spy.count(), 2);

        // No monitor: an empty selector.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        CTopTitleBarWidget empty;
        QCOMPARE(Child<QComboBox>(empty, "cmbDeviceType")->count(), 0);
        QVERIFY(empty.RefreshRateText().isEmpty());
        // The guide is not installed beside the test.
        QVERIFY(!QFile::exists(CTopTitleBarWidget::OperationGuidePath(QCoreApplication::applicationDirPath())));
        ExpectBox(QMessageBox::Ok, "The operation guide file was not found!",
                  [&empty] { Child<QPushButton>(empty, "btnSetting")->click(); });
    }

    // The selector shows the stored language, English for 1 only, and a No puts it back without
    // asking again. The settings suite reads the number in range.
    void languageQuestionAnswered()
    {
        const struct { const char* szStored; int nShown; bool bYes; } rows[] = {
            {nullptr, 0, false}, {"1", 1, false}, {"2", 0, false}, {nullptr, 0, true}, {"1", 1, true}};
        for (const auto& row : rows) {
            QFile::remove(ConfigPath());
            m_nRestarts = 0;
            if (row.szStored)
                SetConfigValue("LANGUAGE", "LANGUAGE_TYPE", row.szStored);
            CTopTitleBarWidget bar;
            auto* pCombo = Child<QComboBox>(bar, "cmbLanguage");
            QCOMPARE(pCombo->currentIndex(), row.nShown);
            ExpectBox(row.bYes ? QMessageBox::Yes : QMessageBox::No,
                      "Language reset takes effect afer restarting. Reset?",
                      [&] { pCombo->setCurrentIndex(1 - row.nShown); });
            QCOMPARE(GetConfigValue("LANGUAGE", "LANGUAGE_TYPE", QString()).toString(),
                     row.bYes ? QString::number(1 - row.nShown) : QString(row.szStored));
            QCOMPARE(pCombo->currentIndex(), row.bYes ? 1 - row.nShown : row.nShown);
            QCOMPARE(m_nRestarts, row.bYes ? 1 : 0);
        }
    }

    void frame()
    {
        using W = CFramelessWidget;
        // x, y, edge resizing on, the answer: edges are 8 px wide, the title bar 60 px high with a button at (300, 10).
        const int rows[][4] = {{7, 150, 1, W::HitLeft},     {8, 150, 1, W::HitNone},       {393, 150, 1, W::HitRight},
                               {392, 150, 1, W::HitNone},   {200, 293, 1, W::HitBottom},   {200, 3, 1, W::HitTop},
                               {0, 0, 1, W::HitTopLeft},    {399, 299, 1, W::HitBottomRight}, {0, 0, 0, W::HitCaption},
                               {2, 150, 0, W::HitNone},     {399, 299, 0, W::HitNone},     {200, 30, 1, W::HitCaption},
                               {310, 30, 1, W::HitNone},    {200, 100, 1, W::HitNone}};
        Frame w;
        for (const auto& row : rows)
            QVERIFY2(W::HitTest({row[0], row[1]}, &w.window, w.window.Padding(), row[2], w.pTitleBar) == row[3],
                     qPrintable(QStringLiteral("%1,%2 resize %3").arg(row[0]).arg(row[1]).arg(row[2])));
        // Only the keys without Ctrl arrive, at the window and at its title bar.
        const Qt::KeyboardModifiers modifiers[] = {Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier,
                                                   Qt::ShiftModifier};
        for (QWidget* pTarget : {static_cast<QWidget*>(&w.window), static_cast<QWidget*>(w.pTitleBar)}) {
            for (const Qt::KeyboardModifiers modifier : modifiers) {
                QKeyEvent event(QEvent::KeyPress, Qt::Key_C, modifier);
                QApplication::sendEvent(pTarget, &event);
            }
        }
        QCOMPARE(w.window.m_nKeys, 1);
        QCOMPARE(w.pTitleBar->m_nKeys, 1);
        // A window state other than normal stops moving and edge resizing; back to normal it is
        // movable again, but edge resizing stays off.
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowFullScreen}) {
            Frame f;
            f.window.show();
            QVERIFY(f.window.IsResizeEnable());
            QSignalSpy spy(&f.window, &CFramelessWidget::windowStateChange);
            f.window.setWindowState(state);
            QVERIFY(!f.window.IsMoveEnable() && !f.window.IsResizeEnable());
            f.window.setWindowState(Qt::WindowNoState);
            QVERIFY(f.window.IsMoveEnable() && !f.window.IsResizeEnable());
            QCOMPARE(static_cast<QList<QVariantList>>(spy), (QList<QVariantList>{{true}, {false}}));
        }
    }

    // The free area of the title bar drags, not its button, nor when maximised; a double click
    // on the caption leaves the window as it is.
    void frameTitleBarDrag()
    {
        for (const auto& row : {qMakePair(QPoint(150, 30), true), qMakePair(QPoint(310, 30), true),
                                qMakePair(QPoint(150, 30), false)}) {
            const QPoint moved = row.first.x() < 300 && row.second ? QPoint(40, 25) : QPoint();
            Frame w;
            w.window.move(100, 100);
            w.window.show();
            w.window.setMoveEnable(row.second);
            const QPoint ptStart = w.window.pos();
            const QPoint ptGlobal = w.pTitleBar->mapToGlobal(row.first);
#ifdef Q_OS_WIN
            // Windows drags the window itself where the native hit test answers "caption".
            long nResult = 0;
            const bool bHandled = SendNative(w.window, WM_NCHITTEST, MAKELPARAM(ptGlobal.x(), ptGlobal.y()), &nResult);
            QCOMPARE(bHandled && nResult == HTCAPTION, !moved.isNull());
            Q_UNUSED(ptStart)
#else
            SendMouse(w.pTitleBar, QEvent::MouseButtonPress, ptGlobal);
            SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(20, 10));
            SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(40, 25));
            SendMouse(w.pTitleBar, QEvent::MouseButtonRelease, ptGlobal + QPoint(40, 25));
            QCOMPARE(w.window.pos() - ptStart, moved);
#endif
            SendMouse(w.pTitleBar, QEvent::MouseButtonDblClick, w.pTitleBar->mapToGlobal(QPoint(150, 30)));
            QCOMPARE(w.window.windowState() & ~Qt::WindowActive, Qt::WindowStates(Qt::WindowNoState));
            QCOMPARE(w.window.IsMoveEnable(), row.second);
        }
    }

    // The wait dialog stays at least a second, no longer than the work beyond that, counts the
    // seconds and ignores the keys that close a dialog.
    void waitDialog()
    {
        for (const int nWorkMs : {300, 2600}) {
            QStringList listTexts;
            bool bStillUp = false;
            QTimer poll;
            connect(&poll, &QTimer::timeout, &poll, [&] {
                auto* pDlg = qobject_cast<CWaitDlg*>(QApplication::activeModalWidget());
                const QString strText = pDlg ? Child<QLabel>(pDlg, "lbText")->text() : "";
                if (!strText.startsWith("Loading(") || listTexts.contains(strText))
                    return;
                listTexts << strText;
                if (listTexts.size() == 1) {
                    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Enter, Qt::Key_Return})
                        QTest::keyClick(pDlg, key);
                    bStillUp = QApplication::activeModalWidget() == pDlg && pDlg->isVisible();
                }
            });
            poll.start(40);
            QElapsedTimer timer;
            timer.start();
            RunWithWaitDialog(QtConcurrent::run([nWorkMs] { QThread::msleep(nWorkMs); }), "Loading", nullptr);
            const qint64 nMinMs = qMax(980, nWorkMs - 10);
            const qint64 nElapsed = timer.elapsed();
            QVERIFY2(nElapsed >= nMinMs && nElapsed < nMinMs + 1900, qPrintable(QString::number(nElapsed)));
            QVERIFY(bStillUp && !QApplication::activeModalWidget());
            const int nSeconds = nWorkMs / 1000 + 1;
            const QStringList listCounts{"Loading(0)", "Loading(1)", "Loading(2)"};
            QCOMPARE(listTexts.mid(0, nSeconds), listCounts.mid(0, nSeconds));
        }
    }

    // Last (style sheets stay loaded): version, the monitor's name as plain text behind the wait
    // dialog, no parameter row, texts clear of the picture at every window size.
    void aboutDialogAndPage()
    {
        CAboutDlg dlg;
        QCOMPARE(Child<QLabel>(dlg, "lbVersion")->text(), APP_VERSION);
        QVERIFY(!(dlg.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dlg.geometry(), Centred(0.2));
        LoadStyleSheets(*qApp);
        // The picture is the panel's background, at the bottom right inside its 1 px border.
        const QSize sizePicture = QPixmap(":/Image/Resource/SubView/about_monitor.png").size();
        QVERIFY(!sizePicture.isEmpty());
        const QPair<QByteArray, int> rows[] = {
            {R"({"monitors":[{},{}]})", 1},
            {"{\"monitors\":[{\"edid\":\"" + NamedEdid("<b>X\n").toHex() + "\"}]}", -1}};
        for (const auto& row : rows) {
            QVERIFY(TestSupport::UseSimConfig(row.first));
            CAboutThisMachineWidget page;
            CWaitDialogProbe probe;
            page.show();
            QVERIFY(QTest::qWaitFor([&] { return probe.Opened() > 0 && probe.Closed() == probe.Opened(); }, 5000));
            auto* pType = Child<QLabel>(page, "lblCurrentType");
            QCOMPARE(pType->text(), CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName);
            if (row.second >= 0) {
                CDDCUtil::GetInstance()->SetCurrentMonitor(row.second);
                PageRecorders::Act(&page, "btnRefresh");
            }
            QCOMPARE(pType->text(), row.second >= 0 ? QStringLiteral("ZVO SIM2") : QStringLiteral("<b>X"));
            QVERIFY(pType->sizeHint().width() >= pType->fontMetrics().horizontalAdvance(pType->text()));
            QCOMPARE(Child<QLabel>(page, "lblSystemVersion")->text(), APP_VERSION);
            for (const char* szName : {"btnExportParams", "btnImportParams", "lblConfigParams", "line"})
                QVERIFY2(!Child<QWidget>(page, szName)->isVisible(), szName);
            // As the window shows it at 1248x702 and at its smallest, and narrower than any window
            // allows: the texts clear of the picture, the wrapped rights text with room for all of it.
            auto* pInfo = Child<QWidget>(page, "widgetMachineInfo");
            auto* pRights = Child<QLabel>(page, "lblCopyRight");
            for (const QSize& size : {QSize(947, 545), QSize(863, 445), QSize(640, 445)}) {
                page.resize(size);
                QRect rcPicture(QPoint(), sizePicture);
                rcPicture.moveBottomRight(pInfo->rect().adjusted(1, 1, -1, -1).bottomRight());
                for (QLabel* pLabel : pInfo->findChildren<QLabel*>()) {
                    const QRect rcText(pLabel->mapTo(pInfo, pLabel->contentsRect().topLeft()),
                                       pLabel->contentsRect().size());
                    QVERIFY2(!pLabel->isVisible() || !rcText.intersects(rcPicture),
                             qPrintable(pLabel->objectName() + QStringLiteral(" at width %1").arg(size.width())));
                }
                QVERIFY(pRights->isVisible() && pRights->height() >= pRights->heightForWidth(pRights->width()));
            }
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
