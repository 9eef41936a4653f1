#include "ui/pages/AboutThisMachineWidget.h"

#include "ui_AboutThisMachineWidget.h"

CAboutThisMachineWidget::CAboutThisMachineWidget(QWidget* parent)
    : CSettingsPage(5, false, parent)
    , ui(std::make_unique<Ui::CAboutThisMachineWidget>())
{
    ui->setupUi(this);
}

CAboutThisMachineWidget::~CAboutThisMachineWidget() = default;

void CAboutThisMachineWidget::LoadAll()
{
}
