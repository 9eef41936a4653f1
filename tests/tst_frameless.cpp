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
    CKeyCounter<QWidget>* pTitleBar = new CKeyCounter<QWidget>(&window);
    QPushButton* pButton = new QPushButton(pTitleBar);
    Window()
    {
        window.resize(400, 300);
        pTitleBar->setGeometry(0, 0, 400, 60);
        pButton->setGeometry(300, 10, 40, 40);
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
}

class TestFrameless : public QObject
{
    Q_OBJECT
private slots:
    void hitTest()
    {
        using W = CFramelessWidget;
        // x, y, edge resizing on, the answer: edges are 8 px wide, the title bar 60 px high with
        // a button at (300, 10).
        const int rows[][4] = {{7, 150, 1, W::HitLeft},     {8, 150, 1, W::HitNone},       {393, 150, 1, W::HitRight},
                               {392, 150, 1, W::HitNone},   {200, 293, 1, W::HitBottom},   {200, 3, 1, W::HitTop},
                               {0, 0, 1, W::HitTopLeft},    {399, 299, 1, W::HitBottomRight}, {0, 0, 0, W::HitCaption},
                               {2, 150, 0, W::HitNone},     {399, 299, 0, W::HitNone},     {200, 30, 1, W::HitCaption},
                               {310, 30, 1, W::HitNone},    {200, 100, 1, W::HitNone}};
        Window w;
        for (const auto& row : rows)
            QVERIFY2(W::HitTest({row[0], row[1]}, &w.window, w.window.Padding(), row[2], w.pTitleBar) == row[3],
                     qPrintable(QStringLiteral("%1,%2 resize %3").arg(row[0]).arg(row[1]).arg(row[2])));
    }

    void controlKeysAreSwallowed()
    {
        Window w;
        const struct
        {
            QWidget* pTarget;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {{&w.window, Qt::Key_A, Qt::ControlModifier},
                    {&w.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
                    {&w.window, Qt::Key_A, Qt::ShiftModifier},
                    {w.pTitleBar, Qt::Key_C, Qt::ControlModifier},
                    {w.pTitleBar, Qt::Key_C, Qt::NoModifier}};
        for (const auto& key : keys) {
            QKeyEvent event(QEvent::KeyPress, key.key, key.modifiers);
            QApplication::sendEvent(key.pTarget, &event);
        }
        // Only the keys without Ctrl arrive.
        QCOMPARE(w.window.m_nKeys, 1);
        QCOMPARE(w.pTitleBar->m_nKeys, 1);
    }

    void windowStateSetsFlags()
    {
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowFullScreen}) {
            Window w;
            w.window.show();
            QVERIFY(w.window.IsResizeEnable());
            QSignalSpy spy(&w.window, &CFramelessWidget::windowStateChange);
            w.window.setWindowState(state);
            QCOMPARE(spy.count(), 1);
            QVERIFY(spy.at(0).at(0).toBool());
            QVERIFY(!w.window.IsMoveEnable() && !w.window.IsResizeEnable());
            // Back to normal: movable again, but edge resizing stays off.
            w.window.setWindowState(Qt::WindowNoState);
            QCOMPARE(spy.count(), 2);
            QVERIFY(!spy.at(1).at(0).toBool());
            QVERIFY(w.window.IsMoveEnable() && !w.window.IsResizeEnable());
        }
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
        const bool bHandled = QWindowSystemInterface::handleNativeEvent(w.window.windowHandle(),
                                                                        "windows_generic_MSG", &msg, &nResult);
        QCOMPARE(bHandled && nResult == HTCAPTION, !moved.isNull());
        Q_UNUSED(ptStart)
#else
        SendMouse(w.pTitleBar, QEvent::MouseButtonPress, ptGlobal);
        SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(20, 10));
        SendMouse(w.pTitleBar, QEvent::MouseMove, ptGlobal + QPoint(40, 25));
        SendMouse(w.pTitleBar, QEvent::MouseButtonRelease, ptGlobal + QPoint(40, 25));
        QCOMPARE(w.window.pos() - ptStart, moved);
#endif
        // A double click on the caption leaves the window as it is.
        SendMouse(w.pTitleBar, QEvent::MouseButtonDblClick, w.pTitleBar->mapToGlobal(QPoint(150, 30)));
        QCOMPARE(w.window.windowState() & ~Qt::WindowActive, Qt::WindowStates(Qt::WindowNoState));
        QCOMPARE(w.window.IsMoveEnable(), moveEnable);
    }
};

QTEST_MAIN(TestFrameless)
#include "tst_frameless.moc"
