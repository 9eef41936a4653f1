#pragma once

#include <QMessageBox>

// The one way the client shows a message box. Tests set the next answer instead of clicking.
class CMessageBox
{
public:
    static QMessageBox::StandardButton Question(QWidget* pParent, const QString& strTitle, const QString& strText);
    static QMessageBox::StandardButton Warning(QWidget* pParent, const QString& strTitle, const QString& strText);
    static QMessageBox::StandardButton Critical(QWidget* pParent, const QString& strTitle, const QString& strText);
    static QMessageBox::StandardButton Information(QWidget* pParent, const QString& strTitle, const QString& strText);

    // The next box returns this at once without showing; NoButton shows boxes again.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // Title and text of the last box asked for, shown or answered by the seam.
    static QString LastText();
    static int ShownCount();

private:
    static QMessageBox::StandardButton Show(QMessageBox::Icon icon, QWidget* pParent, const QString& strTitle,
                                            const QString& strText, QMessageBox::StandardButtons buttons);
};
