#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CProfessionalGameWidget;
}

class CProfessionalGameWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CProfessionalGameWidget(QWidget* parent = nullptr);
    ~CProfessionalGameWidget() override;

protected:
    void LoadAll() override;

private:
    std::unique_ptr<Ui::CProfessionalGameWidget> ui;
};
