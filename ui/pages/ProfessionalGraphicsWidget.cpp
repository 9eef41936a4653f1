#include "ui/pages/ProfessionalGraphicsWidget.h"

#include "ui_ProfessionalGraphicsWidget.h"

CProfessionalGraphicsWidget::CProfessionalGraphicsWidget(QWidget* parent)
    : CSettingsPage(1, false, parent)
    , ui(std::make_unique<Ui::CProfessionalGraphicsWidget>())
{
    ui->setupUi(this);
}

CProfessionalGraphicsWidget::~CProfessionalGraphicsWidget() = default;

void CProfessionalGraphicsWidget::LoadAll()
{
}
