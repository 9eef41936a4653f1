#pragma once

#include <QPoint>
#include <QWidget>

// A window without the system frame that still behaves like a native one: it is dragged by its
// title bar, can be edge-resized when allowed and takes part in the system's window management.
// On Windows the native window keeps its captioned, sizeable styles and the non-client messages
// are answered here, so the system does the moving and sizing; elsewhere the title bar's free
// area starts a system move.
class CFramelessWidget : public QWidget
{
    Q_OBJECT
public:
    // Non-client hit-test codes as Windows defines them.
    enum HitCode
    {
        HitNone = 0,
        HitCaption = 2,
        HitLeft = 10,
        HitRight = 11,
        HitTop = 12,
        HitTopLeft = 13,
        HitTopRight = 14,
        HitBottom = 15,
        HitBottomLeft = 16,
        HitBottomRight = 17
    };

    explicit CFramelessWidget(QWidget* parent = nullptr);

    int Padding() const { return m_nPadding; }
    bool IsMoveEnable() const { return m_bMoveEnable; }
    bool IsResizeEnable() const { return m_bResizeEnable; }

    // What a point of pWindow (in its own coordinates) is for the window manager: a resize edge
    // or corner, the caption (the title bar's free area), or HitNone for the default handling.
    static int HitTest(const QPoint& ptWindow, const QWidget* pWindow, int nPadding, bool bResizeEnable,
                       const QWidget* pTitleBar);
    // True when the point (title bar coordinates) lies on the title bar but on none of its children.
    static bool IsTitleBarFreeArea(const QWidget* pTitleBar, const QPoint& ptTitleBar);

signals:
    void windowStateChange(bool max);

public slots:
    void setPadding(int padding);
    void setMoveEnable(bool moveEnable);
    void setResizeEnable(bool resizeEnable);
    void setTitleBar(QWidget* titleBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    bool TitleBarMouseEvent(QEvent* event);

    int m_nPadding = 8;
    bool m_bMoveEnable = true;
    bool m_bResizeEnable = true;
    QWidget* m_pTitleBar = nullptr;
    Qt::WindowFlags m_initialFlags;
    // Drag by hand where the platform cannot move the window itself.
    bool m_bDragging = false;
    QPoint m_ptDragOffset;
};
