#include "ui/pages/AutoColorCalibrateWidget.h"

#include "ui_AutoColorCalibrateWidget.h"

CAutoColorCalibrateWidget::CAutoColorCalibrateWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CAutoColorCalibrateWidget>())
{
    ui->setupUi(this);
}

CAutoColorCalibrateWidget::~CAutoColorCalibrateWidget() = default;
