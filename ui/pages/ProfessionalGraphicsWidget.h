#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CProfessionalGraphicsWidget;
}

class CProfessionalGraphicsWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CProfessionalGraphicsWidget(QWidget* parent = nullptr);
    ~CProfessionalGraphicsWidget() override;

protected:
    void LoadAll() override;

private:
    std::unique_ptr<Ui::CProfessionalGraphicsWidget> ui;
};
