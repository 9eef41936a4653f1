#pragma once

#include "app/Logger.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Collects the log lines written while it lives (the logger echoes every line to Qt's message
// output) from every thread. Other messages still reach the test framework.
class CLogCapture
{
public:
    CLogCapture()
    {
        s_pActive = this;
        m_previous = qInstallMessageHandler(&CLogCapture::Handler);
    }
    ~CLogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_pActive = nullptr;
    }
    CLogCapture(const CLogCapture&) = delete;
    CLogCapture& operator=(const CLogCapture&) = delete;

    QStringList Lines() const
    {
        QMutexLocker locker(&m_mutex);
        return m_listLines;
    }

    // How many lines read "[<time>] [<level>] <function>(): <message>".
    int Count(int nLevel, const QString& strFunction, const QString& strMessage) const
    {
        const QString strTail = QStringLiteral("] [%1] %2(): %3").arg(Logger::LevelWord(nLevel), strFunction, strMessage);
        int nCount = 0;
        for (const QString& strLine : Lines()) {
            if (strLine.startsWith(QLatin1Char('[')) && strLine.endsWith(strTail)
                && strLine.indexOf(QLatin1String("] [")) + strTail.size() == strLine.size())
                ++nCount;
        }
        return nCount;
    }
    bool Has(int nLevel, const QString& strFunction, const QString& strMessage) const
    {
        return Count(nLevel, strFunction, strMessage) > 0;
    }
    // Lines of one level, whatever they say.
    int CountLevel(int nLevel) const
    {
        const QString strLevel = QStringLiteral("] [%1] ").arg(Logger::LevelWord(nLevel));
        int nCount = 0;
        for (const QString& strLine : Lines())
            nCount += strLine.contains(strLevel) ? 1 : 0;
        return nCount;
    }

private:
    static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
    {
        CLogCapture* pCapture = s_pActive;
        if (pCapture && type == QtInfoMsg && strMessage.startsWith(QLatin1Char('['))) {
            QMutexLocker locker(&pCapture->m_mutex);
            pCapture->m_listLines.append(strMessage);
            return;
        }
        if (pCapture && pCapture->m_previous)
            pCapture->m_previous(type, context, strMessage);
    }

    inline static CLogCapture* s_pActive = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_listLines;
};
