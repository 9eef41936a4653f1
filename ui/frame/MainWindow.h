#pragma once

#include <QWidget>

class QStackedWidget;

// Placeholder window: the six pages in stack order.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QStackedWidget* Stack() const { return m_pStack; }

private:
    QStackedWidget* m_pStack;
};
