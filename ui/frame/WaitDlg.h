#pragma once

#include <QDialog>
#include <QFuture>

#include <memory>

namespace Ui
{
class CWaitDlgClass;
}
class QTimer;

// The modal waiting box of a background load: counts the seconds, cannot be dismissed from the
// keyboard and stays up for at least one second.
class CWaitDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CWaitDlg(QWidget* parent = nullptr);
    ~CWaitDlg() override;

    void SetText(const QString& strText);

public slots:
    void Slot_Timer();
    void Slot_Close();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::CWaitDlgClass> ui;
    qint64 m_nStartMs;
    QString m_strText;
    QTimer* m_pTimer;
};

// Shows a modal wait dialog over the parent until the future has finished (at least a second).
void RunWithWaitDialog(const QFuture<void>& future, const QString& strText, QWidget* pParent);
