#pragma once

#include "ui/pages/SettingsPage.h"

#include <memory>

namespace Ui
{
class CAboutThisMachineWidget;
}

// The program version, the current monitor's name and the rights statement. Reads no VCP code:
// its load only asks the monitor service for the current monitor.
class CAboutThisMachineWidget : public CSettingsPage
{
    Q_OBJECT
public:
    explicit CAboutThisMachineWidget(QWidget* parent = nullptr);
    ~CAboutThisMachineWidget() override;

protected:
    void LoadAll() override;

private slots:
    void Slot_Refresh();

private:
    void LoadMachineInfo();

    std::unique_ptr<Ui::CAboutThisMachineWidget> ui;
};
