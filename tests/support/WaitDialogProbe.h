#pragma once

#include "ui/frame/WaitDlg.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Watches the wait dialogs of page loads: how many opened and closed, and the most open at once
// (from their show and hide events, so that back-to-back dialogs count twice), and with which
// text (from a short timer, which also runs inside a dialog's own event loop).
class CWaitDialogProbe : public QObject
{
public:
    CWaitDialogProbe()
    {
        qApp->installEventFilter(this);
        connect(&m_poll, &QTimer::timeout, this, [this] { Poll(); });
        m_poll.start(10);
    }
    ~CWaitDialogProbe() override { qApp->removeEventFilter(this); }

    int Opened() const { return m_nOpened; }
    int Closed() const { return m_nClosed; }
    int MostOpen() const { return m_nMostOpen; }
    // The texts the dialogs showed, without their seconds counter, once each.
    QStringList Texts() const { return m_listTexts; }

    void Restart()
    {
        m_nOpened = m_nClosed = 0;
        m_listTexts.clear();
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!qobject_cast<CWaitDlg*>(pWatched))
            return false;
        if (pEvent->type() == QEvent::Show && !m_open.contains(pWatched)) {
            m_open.insert(pWatched);
            ++m_nOpened;
            m_nMostOpen = qMax(m_nMostOpen, m_open.size());
        } else if (pEvent->type() == QEvent::Hide && m_open.remove(pWatched)) {
            ++m_nClosed;
        }
        return false;
    }

private:
    void Poll()
    {
        auto* pDlg = qobject_cast<CWaitDlg*>(QApplication::activeModalWidget());
        auto* pLabel = pDlg ? pDlg->findChild<QLabel*>(QStringLiteral("lbText")) : nullptr;
        const QString strText = pLabel ? pLabel->text().remove(QRegularExpression(QStringLiteral("\\(\\d+\\)$"))) : QString();
        if (!strText.isEmpty() && strText != QLatin1String("TextLabel") && !m_listTexts.contains(strText))
            m_listTexts.append(strText);
    }

    QTimer m_poll;
    QSet<QObject*> m_open;
    int m_nMostOpen = 0;
    int m_nOpened = 0;
    int m_nClosed = 0;
    QStringList m_listTexts;
};
