#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CSystemSettingWidget;
}

class CSystemSettingWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CSystemSettingWidget(QWidget* parent = nullptr);
    ~CSystemSettingWidget() override;

protected:
    void LoadAll() override;

private:
    std::unique_ptr<Ui::CSystemSettingWidget> ui;
};
