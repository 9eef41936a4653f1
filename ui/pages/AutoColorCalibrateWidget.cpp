#include "ui/pages/AutoColorCalibrateWidget.h"

#include "ui_AutoColorCalibrateWidget.h"

// A layout of the calibration workflow only: nothing is connected yet, so nothing here talks
// to the monitor.
CAutoColorCalibrateWidget::CAutoColorCalibrateWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CAutoColorCalibrateWidget>())
{
    ui->setupUi(this);
}

CAutoColorCalibrateWidget::~CAutoColorCalibrateWidget() = default;
