#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CAboutThisMachineWidget;
}

class CAboutThisMachineWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CAboutThisMachineWidget(QWidget* parent = nullptr);
    ~CAboutThisMachineWidget() override;

protected:
    void LoadAll() override;

private:
    std::unique_ptr<Ui::CAboutThisMachineWidget> ui;
};
