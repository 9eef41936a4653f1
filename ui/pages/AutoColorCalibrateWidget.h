#pragma once

#include <QWidget>

#include <memory>

namespace Ui
{
class CAutoColorCalibrateWidget;
}

class CAutoColorCalibrateWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CAutoColorCalibrateWidget(QWidget* parent = nullptr);
    ~CAutoColorCalibrateWidget() override;

private:
    std::unique_ptr<Ui::CAutoColorCalibrateWidget> ui;
};
