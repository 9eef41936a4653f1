#include "ui/pages/ProfessionalGameWidget.h"

#include "ui_ProfessionalGameWidget.h"

CProfessionalGameWidget::CProfessionalGameWidget(QWidget* parent)
    : CSettingsPage(2, false, parent)
    , ui(std::make_unique<Ui::CProfessionalGameWidget>())
{
    ui->setupUi(this);
}

CProfessionalGameWidget::~CProfessionalGameWidget() = default;

void CProfessionalGameWidget::LoadAll()
{
}
