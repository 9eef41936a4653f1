#pragma once

#include "app/Logger.h"

#include <QMutex>
#include <QRegularExpression>
#include <QStringList>

// Collects the log lines written while it lives, from every thread (the logger echoes each line
// to Qt's message output). Other messages still reach the test framework.
class CLogCapture
{
public:
    CLogCapture() { s_pActive = this; m_previous = qInstallMessageHandler(&CLogCapture::Handler); }
    ~CLogCapture() { qInstallMessageHandler(m_previous); s_pActive = nullptr; }
    Q_DISABLE_COPY(CLogCapture)

    QStringList Lines() const
    {
        QMutexLocker locker(&m_mutex);
        return m_listLines;
    }
    // How many lines read "[<time>] [<level>] <function>(): <message>".
    int Count(int nLevel, const QString& strFunction, const QString& strMessage) const
    {
        const QString strTail = QStringLiteral("[%1] %2(): %3").arg(Logger::LevelWord(nLevel), strFunction, strMessage);
        return Lines().filter(QRegularExpression("^\\[[^\\]]+\\] " + QRegularExpression::escape(strTail) + "$")).size();
    }
    bool Has(int nLevel, const QString& strFunction, const QString& strMessage) const { return Count(nLevel, strFunction, strMessage) > 0; }
    // Lines of one level, whatever they say.
    int CountLevel(int nLevel) const { return Lines().filter(QStringLiteral("] [%1] ").arg(Logger::LevelWord(nLevel))).size(); }

private:
    static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
    {
        CLogCapture* pCapture = s_pActive;
        if (pCapture && type == QtInfoMsg && strMessage.startsWith('[')) {
            QMutexLocker locker(&pCapture->m_mutex);
            pCapture->m_listLines.append(strMessage);
        } else if (pCapture && pCapture->m_previous)
            pCapture->m_previous(type, context, strMessage);
    }

    inline static CLogCapture* s_pActive = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_listLines;
};
