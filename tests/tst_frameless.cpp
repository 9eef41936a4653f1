#include "ui/frame/FramelessWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#ifdef Q_OS_WIN
#include <qpa/qwindowsysteminterface.h>

#include <windows.h>
#endif

namespace
{
// Counts the key presses that reach it.
template <class TBase>
class CKeyCounter : public TBase
{
public:
    using TBase::TBase;
    int m_nKeys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ++m_nKeys;
        event->accept();
    }
};

// A 400x300 window with a 60 px title bar that holds a button at (300, 10).
struct Window
{
    CKeyCounter<CFramelessWidget> window;
    CKeyCounter<QWidget>* pTitleBar;
    QPushButton* pButton;

    Window()
    {
        window.resize(400, 300);
        pTitleBar = new CKeyCounter<QWidget>(&window);
        pTitleBar->setGeometry(0, 0, 400, 60);
        pButton = new QPushButton(pTitleBar);
        pButton->setGeometry(300, 10, 40, 40);
        window.setTitleBar(pTitleBar);
    }
};

// The pointer's screen position is given: the widget moves under it during a drag.
void SendMouse(QWidget* pTarget, QEvent::Type type, const QPoint& ptGlobal, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pTarget->mapFromGlobal(ptGlobal), ptGlobal,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &event);
}
}

class TestFrameless : public QObject
{
    Q_OBJECT
private slots:
    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("resizeEnable");
        QTest::addColumn<int>("code");
        const int nNone = CFramelessWidget::HitNone;
        QTest::newRow("left edge at padding - 1") << QPoint(7, 150) << true << int(CFramelessWidget::HitLeft);
        QTest::newRow("no edge at padding") << QPoint(8, 150) << true << nNone;
        QTest::newRow("right edge beyond W - padding") << QPoint(393, 150) << true << int(CFramelessWidget::HitRight);
        QTest::newRow("no edge at W - padding") << QPoint(392, 150) << true << nNone;
        QTest::newRow("bottom edge") << QPoint(200, 293) << true << int(CFramelessWidget::HitBottom);
        QTest::newRow("top edge wins over the title bar") << QPoint(200, 3) << true << int(CFramelessWidget::HitTop);
        QTest::newRow("top-left corner") << QPoint(0, 0) << true << int(CFramelessWidget::HitTopLeft);
        QTest::newRow("bottom-right corner") << QPoint(399, 299) << true << int(CFramelessWidget::HitBottomRight);
        QTest::newRow("resize off: corner on the title bar drags") << QPoint(0, 0) << false
                                                                   << int(CFramelessWidget::HitCaption);
        QTest::newRow("resize off: no edge below the title bar") << QPoint(2, 150) << false << nNone;
        QTest::newRow("resize off: no bottom-right corner") << QPoint(399, 299) << false << nNone;
        QTest::newRow("title bar free area") << QPoint(200, 30) << true << int(CFramelessWidget::HitCaption);
        QTest::newRow("title bar button keeps its clicks") << QPoint(310, 30) << true << nNone;
        QTest::newRow("page area") << QPoint(200, 100) << true << nNone;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, resizeEnable);
        QFETCH(int, code);
        Window w;
        QCOMPARE(CFramelessWidget::HitTest(point, &w.window, w.window.Padding(), resizeEnable, w.pTitleBar), code);
    }

    void controlKeysAreSwallowed_data()
    {
        QTest::addColumn<bool>("onTitleBar");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("delivered");
        QTest::newRow("window Ctrl+A") << false << int(Qt::Key_A) << int(Qt::ControlModifier) << 0;
        QTest::newRow("window Ctrl+Shift+S") << false << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier) << 0;
        QTest::newRow("window A") << false << int(Qt::Key_A) << int(Qt::NoModifier) << 1;
        QTest::newRow("window Shift+A") << false << int(Qt::Key_A) << int(Qt::ShiftModifier) << 1;
        QTest::newRow("title bar Ctrl+C") << true << int(Qt::Key_C) << int(Qt::ControlModifier) << 0;
        QTest::newRow("title bar C") << true << int(Qt::Key_C) << int(Qt::NoModifier) << 1;
    }
    void controlKeysAreSwallowed()
    {
        QFETCH(bool, onTitleBar);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, delivered);
        Window w;
        QWidget* pTarget = onTitleBar ? static_cast<QWidget*>(w.pTitleBar) : &w.window;
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(pTarget, &event);
        QCOMPARE(onTitleBar ? w.pTitleBar->m_nKeys : w.window.m_nKeys, delivered);
    }

    void windowStateSetsFlags_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("max");
        QTest::newRow("maximised") << int(Qt::WindowMaximized) << true;
        QTest::newRow("minimised") << int(Qt::WindowMinimized) << true;
        QTest::newRow("full screen") << int(Qt::WindowFullScreen) << true;
    }
    void windowStateSetsFlags()
    {
        QFETCH(int, state);
        QFETCH(bool, max);
        Window w;
        w.window.show();
        QVERIFY(w.window.IsResizeEnable());
        QSignalSpy spy(&w.window, &CFramelessWidget::windowStateChange);

        w.window.setWindowState(Qt::WindowStates(state));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), max);
        QCOMPARE(w.window.IsMoveEnable(), !max);
        QVERIFY(!w.window.IsResizeEnable());

        // Back to normal: movable again, but edge resizing stays off.
        w.window.setWindowState(Qt::WindowNoState);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
        QVERIFY(w.window.IsMoveEnable());
        QVERIFY(!w.window.IsResizeEnable());
    }

    void titleBarDrag_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<bool>("moveEnable");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("free area moves") << QPoint(150, 30) << true << QPoint(40, 25);
        QTest::newRow("button area does not") << QPoint(310, 30) << true << QPoint(0, 0);
        QTest::newRow("not movable when maximised") << QPoint(150, 30) << false << QPoint(0, 0);
    }
    void titleBarDrag()
    {
        QFETCH(QPoint, press);
        QFETCH(bool, moveEnable);
        QFETCH(QPoint, moved);
        Window w;
        w.window.move(100, 100);
        w.window.show();
        w.window.setMoveEnable(moveEnable);
        const QPoint ptStart = w.window.pos();

        const QPoint ptGlobal = w.pTitleBar->mapToGlobal(press);
#ifdef Q_OS_WIN
        // Windows drags the window itself where the native hit test answers "caption".
        MSG msg = {};
        msg.message = WM_NCHITTEST;
        msg.lParam = MAKELPARAM(ptGlobal.x(), ptGlobal.y());
        long nResult = 0;
        const bool bCaption = QWindowSystemInterface::handleNativeEvent(w.window.windowHandle(), "windows_generic_MSG",
                                                                        &msg, &nResult)
                              && nResult == HTCAPTION;
        QCOMPARE(bCaption, !moved.isNull());
        return;
#endif
        SendMouse(w.pTitleBar, QEvent::MouseButtonPress, ptGlobal, Qt::LeftButton);
        SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(20, 10), Qt::LeftButton);
        SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(40, 25), Qt::LeftButton);
        SendMouse(w.pTitleBar, QEvent::MouseButtonRelease, ptGlobal + QPoint(40, 25), Qt::NoButton);
        QCOMPARE(w.window.pos() - ptStart, moved);
    }

    void doubleClickOnCaptionKeepsState()
    {
        Window w;
        w.window.show();
        SendMouse(w.pTitleBar, QEvent::MouseButtonDblClick, w.pTitleBar->mapToGlobal(QPoint(150, 30)), Qt::LeftButton);
        QCOMPARE(w.window.windowState() & ~Qt::WindowActive, Qt::WindowStates(Qt::WindowNoState));
        QVERIFY(w.window.IsMoveEnable());
    }
};

QTEST_MAIN(TestFrameless)
#include "tst_frameless.moc"
