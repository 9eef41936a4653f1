#pragma once

#include "ui/frame/WaitDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

// Watches the wait dialogs of page loads: how many opened and closed, when and for how long (from
// their show and hide events, so that back-to-back dialogs count twice), and with which text
// (from a short timer, which also runs inside a dialog's own event loop).
class CWaitDialogProbe : public QObject
{
public:
    CWaitDialogProbe()
    {
        m_clock.start();
        qApp->installEventFilter(this);
        connect(&m_poll, &QTimer::timeout, this, [this] { Poll(); });
        m_poll.start(10);
    }
    ~CWaitDialogProbe() override { qApp->removeEventFilter(this); }

    int Opened() const { return m_nOpened; }
    int Closed() const { return m_nClosed; }
    // Milliseconds from the probe's start (or Restart) to the first dialog.
    qint64 FirstOpenedMs() const { return m_nFirstOpenedMs; }
    // How long the last closed dialog was seen.
    qint64 LastShownMs() const { return m_nLastShownMs; }
    // The texts the dialogs showed, without their seconds counter, once each.
    QStringList Texts() const { return m_listTexts; }

    void Restart()
    {
        m_clock.restart();
        m_nOpened = m_nClosed = 0;
        m_nFirstOpenedMs = m_nLastShownMs = -1;
        m_listTexts.clear();
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!qobject_cast<CWaitDlg*>(pWatched))
            return false;
        const qint64 nNow = m_clock.elapsed();
        if (pEvent->type() == QEvent::Show && !m_bOpen) {
            m_bOpen = true;
            ++m_nOpened;
            m_nOpenedAtMs = nNow;
            if (m_nFirstOpenedMs < 0)
                m_nFirstOpenedMs = nNow;
        } else if (pEvent->type() == QEvent::Hide && m_bOpen) {
            m_bOpen = false;
            ++m_nClosed;
            m_nLastShownMs = nNow - m_nOpenedAtMs;
        }
        return false;
    }

private:
    void Poll()
    {
        if (auto* pDlg = qobject_cast<CWaitDlg*>(QApplication::activeModalWidget())) {
            if (auto* pLabel = pDlg->findChild<QLabel*>(QStringLiteral("lbText"))) {
                QString strText = pLabel->text();
                strText.remove(QRegularExpression(QStringLiteral("\\(\\d+\\)$")));
                if (!strText.isEmpty() && strText != QLatin1String("TextLabel") && !m_listTexts.contains(strText))
                    m_listTexts.append(strText);
            }
        }
    }

    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_bOpen = false;
    int m_nOpened = 0;
    int m_nClosed = 0;
    qint64 m_nOpenedAtMs = 0;
    qint64 m_nFirstOpenedMs = -1;
    qint64 m_nLastShownMs = -1;
    QStringList m_listTexts;
};
