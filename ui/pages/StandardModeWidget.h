#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CStandardModeWidget;
}

class CStandardModeWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CStandardModeWidget(QWidget* parent = nullptr);
    ~CStandardModeWidget() override;

protected:
    void LoadAll() override;

private:
    std::unique_ptr<Ui::CStandardModeWidget> ui;
};
