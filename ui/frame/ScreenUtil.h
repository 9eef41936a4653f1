#pragma once

#include <QRect>

class QWidget;

// The size and place of a window that takes the given fractions of a screen, centred on it.
QRect ScreenRatioGeometry(const QRect& rcScreen, double dWidthRatio, double dHeightRatio);

// Sizes the widget to the given fractions of the primary screen and centres it there; does
// nothing without a primary screen or a widget.
void ResizeToScreenRatio(QWidget* pWidget, double dWidthRatio, double dHeightRatio);
