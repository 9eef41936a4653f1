#include "ui/pages/StandardModeWidget.h"

#include "ui_StandardModeWidget.h"

CStandardModeWidget::CStandardModeWidget(QWidget* parent)
    : CSettingsPage(0, false, parent)
    , ui(std::make_unique<Ui::CStandardModeWidget>())
{
    ui->setupUi(this);
}

CStandardModeWidget::~CStandardModeWidget() = default;

void CStandardModeWidget::LoadAll()
{
}
