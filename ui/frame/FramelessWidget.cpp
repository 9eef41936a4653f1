#include "ui/frame/FramelessWidget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{
#ifdef Q_OS_WIN
const LONG FRAME_STYLE_BITS = WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX; // 0x00C50000
#endif
}

CFramelessWidget::CFramelessWidget(QWidget* parent)
    : QWidget(parent)
    , m_initialFlags(windowFlags())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(m_initialFlags | Qt::FramelessWindowHint);
    installEventFilter(this);

    // Creates the native window now: the styles below need it, and so does anyone who
    // connects to windowHandle() right after construction.
    const WId nWinId = winId();
#ifdef Q_OS_WIN
    // Only the Windows platform's ids are window handles (not the offscreen platform's).
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        HWND hWnd = reinterpret_cast<HWND>(nWinId);
        const LONG nStyle = ::GetWindowLongW(hWnd, GWL_STYLE);
        ::SetWindowLongW(hWnd, GWL_STYLE, nStyle | FRAME_STYLE_BITS);
    }
#else
    Q_UNUSED(nWinId)
#endif
}

void CFramelessWidget::setPadding(int padding)
{
    m_nPadding = padding;
}

void CFramelessWidget::setMoveEnable(bool moveEnable)
{
    m_bMoveEnable = moveEnable;
}

void CFramelessWidget::setResizeEnable(bool resizeEnable)
{
    m_bResizeEnable = resizeEnable;
}

void CFramelessWidget::setTitleBar(QWidget* titleBar)
{
    m_pTitleBar = titleBar;
    if (m_pTitleBar)
        m_pTitleBar->installEventFilter(this);
}

bool CFramelessWidget::IsTitleBarFreeArea(const QWidget* pTitleBar, const QPoint& ptTitleBar)
{
    return pTitleBar && pTitleBar->rect().contains(ptTitleBar) && !pTitleBar->childAt(ptTitleBar);
}

int CFramelessWidget::HitTest(const QPoint& ptWindow, const QWidget* pWindow, int nPadding, bool bResizeEnable,
                              const QWidget* pTitleBar)
{
    if (!pWindow)
        return HitNone;
    const int x = ptWindow.x();
    const int y = ptWindow.y();
    if (bResizeEnable) {
        const bool bLeft = x < nPadding;
        const bool bRight = x > pWindow->width() - nPadding;
        const bool bTop = y < nPadding;
        const bool bBottom = y > pWindow->height() - nPadding;
        if (bLeft && bTop)
            return HitTopLeft;
        if (bLeft && bBottom)
            return HitBottomLeft;
        if (bRight && bTop)
            return HitTopRight;
        if (bRight && bBottom)
            return HitBottomRight;
        if (bLeft)
            return HitLeft;
        if (bRight)
            return HitRight;
        if (bTop)
            return HitTop;
        if (bBottom)
            return HitBottom;
    }
    if (pTitleBar && (pTitleBar == pWindow || pWindow->isAncestorOf(pTitleBar))
        && IsTitleBarFreeArea(pTitleBar, pTitleBar->mapFrom(pWindow, ptWindow)))
        return HitCaption;
    return HitNone;
}

bool CFramelessWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier)
            return true;
    }
    if (watched == this && event->type() == QEvent::WindowStateChange) {
        m_bMoveEnable = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
        m_bResizeEnable = false;
        emit windowStateChange(!m_bMoveEnable);
    }
#ifndef Q_OS_WIN
    // Windows answers the caption through WM_NCHITTEST; elsewhere the title bar moves the window.
    if (watched == m_pTitleBar && m_pTitleBar && TitleBarMouseEvent(event))
        return true;
#endif
    return QWidget::eventFilter(watched, event);
}

bool CFramelessWidget::TitleBarMouseEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* pMouse = static_cast<QMouseEvent*>(event);
        if (pMouse->button() != Qt::LeftButton || !m_bMoveEnable || !IsTitleBarFreeArea(m_pTitleBar, pMouse->pos()))
            return false;
        QWindow* pWindow = window()->windowHandle();
        if (pWindow && pWindow->startSystemMove())
            return true;
        m_bDragging = true;
        m_ptDragOffset = pMouse->globalPos() - window()->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto* pMouse = static_cast<QMouseEvent*>(event);
        if (!m_bDragging)
            return false;
        if (!(pMouse->buttons() & Qt::LeftButton)) {
            m_bDragging = false;
            return false;
        }
        window()->move(pMouse->globalPos() - m_ptDragOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_bDragging)
            return false;
        m_bDragging = false;
        return true;
    case QEvent::MouseButtonDblClick:
        // The caption's double click neither maximises nor restores.
        return IsTitleBarFreeArea(m_pTitleBar, static_cast<QMouseEvent*>(event)->pos());
    default:
        return false;
    }
}

void CFramelessWidget::showEvent(QShowEvent* event)
{
    // Repaints after being restored from minimised.
    setAttribute(Qt::WA_Mapped);
    QWidget::showEvent(event);
}

bool CFramelessWidget::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* pMsg = static_cast<const MSG*>(message);
    switch (pMsg->message) {
    case WM_NCCALCSIZE:
        *result = 0;
        return true;
    case WM_NCLBUTTONDBLCLK:
        return true;
    case WM_NCHITTEST: {
        const QPoint ptGlobal(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        *result = 0;
        const int nCode = HitTest(mapFromGlobal(ptGlobal), this, m_nPadding, m_bResizeEnable, m_pTitleBar);
        // The caption of a maximised window does not drag it (Windows would restore it).
        if (nCode == HitNone || (nCode == HitCaption && !m_bMoveEnable))
            return false;
        *result = nCode;
        return true;
    }
    case WM_POWERBROADCAST:
        if (pMsg->wParam == PBT_APMSUSPEND)
            showMinimized();
        else if (pMsg->wParam == PBT_APMRESUMEAUTOMATIC)
            showNormal();
        return false;
    default:
        return false;
    }
#else
    Q_UNUSED(eventType)
    Q_UNUSED(message)
    Q_UNUSED(result)
    return false;
#endif
}
