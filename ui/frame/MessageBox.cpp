#include "ui/frame/MessageBox.h"

namespace
{
QMessageBox::StandardButton s_nextAnswer = QMessageBox::NoButton;
QString s_strLastText;
int s_nShownCount = 0;
}

QMessageBox::StandardButton CMessageBox::Show(QMessageBox::Icon icon, QWidget* pParent, const QString& strTitle,
                                              const QString& strText, QMessageBox::StandardButtons buttons)
{
    s_strLastText = strText;
    ++s_nShownCount;
    if (s_nextAnswer != QMessageBox::NoButton) {
        const QMessageBox::StandardButton answer = s_nextAnswer;
        s_nextAnswer = QMessageBox::NoButton;
        return answer;
    }
    QMessageBox box(icon, strTitle, strText, buttons, pParent);
    box.setDefaultButton(QMessageBox::NoButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton CMessageBox::Question(QWidget* pParent, const QString& strTitle, const QString& strText)
{
    return Show(QMessageBox::Question, pParent, strTitle, strText, QMessageBox::Yes | QMessageBox::No);
}

QMessageBox::StandardButton CMessageBox::Warning(QWidget* pParent, const QString& strTitle, const QString& strText)
{
    return Show(QMessageBox::Warning, pParent, strTitle, strText, QMessageBox::Ok);
}

QMessageBox::StandardButton CMessageBox::Critical(QWidget* pParent, const QString& strTitle, const QString& strText)
{
    return Show(QMessageBox::Critical, pParent, strTitle, strText, QMessageBox::Ok);
}

QMessageBox::StandardButton CMessageBox::Information(QWidget* pParent, const QString& strTitle, const QString& strText)
{
    return Show(QMessageBox::Information, pParent, strTitle, strText, QMessageBox::Ok);
}

void CMessageBox::SetNextAnswer(QMessageBox::StandardButton answer)
{
    s_nextAnswer = answer;
}

QString CMessageBox::LastText()
{
    return s_strLastText;
}

int CMessageBox::ShownCount()
{
    return s_nShownCount;
}
