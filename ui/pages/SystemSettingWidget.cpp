#include "ui/pages/SystemSettingWidget.h"

#include "ui_SystemSettingWidget.h"

CSystemSettingWidget::CSystemSettingWidget(QWidget* parent)
    : CSettingsPage(3, false, parent)
    , ui(std::make_unique<Ui::CSystemSettingWidget>())
{
    ui->setupUi(this);
}

CSystemSettingWidget::~CSystemSettingWidget() = default;

void CSystemSettingWidget::LoadAll()
{
}
