#include "ui/frame/ScreenUtil.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect ScreenRatioGeometry(const QRect& rcScreen, double dWidthRatio, double dHeightRatio)
{
    const int nWidth = static_cast<int>(rcScreen.width() * dWidthRatio);
    const int nHeight = static_cast<int>(rcScreen.height() * dHeightRatio);
    // Offset by the screen's origin: a primary screen need not sit at (0, 0) outside Windows.
    return QRect(rcScreen.x() + (rcScreen.width() - nWidth) / 2, rcScreen.y() + (rcScreen.height() - nHeight) / 2,
                 nWidth, nHeight);
}

void ResizeToScreenRatio(QWidget* pWidget, double dWidthRatio, double dHeightRatio)
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    if (!pWidget || !pScreen)
        return;
    const QRect rcTarget = ScreenRatioGeometry(pScreen->geometry(), dWidthRatio, dHeightRatio);
    pWidget->resize(rcTarget.size());
    pWidget->move(rcTarget.topLeft());
}
