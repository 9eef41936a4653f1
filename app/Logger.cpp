#include "app/Logger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace
{
QMutex s_logMutex;
const char* const TIME_FORMAT = "yyyy-MM-dd hh:mm:ss";
}

QSharedPointer<Logger>& Logger::GetInstance()
{
    static QSharedPointer<Logger> s_pInstance(new Logger(nullptr));
    return s_pInstance;
}

Logger::Logger(QObject* parent)
    : QObject(parent)
    , m_nLevelMask(0x1FF)
    , m_pFile(nullptr)
{
    const QString strPath = GetLogFilePath();
    if (strPath.isEmpty()) {
        qDebug() << "Create Log Folder Fail...";
        return;
    }

    m_pFile = new QFile(strPath);
    const bool bExisted = m_pFile->exists();
    m_pFile->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text);
    if (!bExisted) {
        QTextStream stream(m_pFile);
        const QString strStars(78, QLatin1Char('*'));
        stream << strStars << Qt::endl;
        stream << "********************* Zavo Monitor Client Running Log **********************" << Qt::endl;
        stream << "*                               StartTime: "
               << QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT))
               << "                              *" << Qt::endl;
        stream << strStars << Qt::endl;
        stream.flush();
    }
}

Logger::~Logger()
{
    if (m_pFile) {
        m_pFile->close();
        delete m_pFile;
        m_pFile = nullptr;
    }
}

QString Logger::GetLogFilePath()
{
    const QString strDir = QCoreApplication::applicationDirPath() + QStringLiteral("/logs/");
    QDir dir(strDir);
    if (!dir.exists() && !dir.mkpath(strDir)) {
        qDebug() << "Create Log folder fail...";
        return QString();
    }
    if (!dir.exists())
        return QString();
    return strDir + QStringLiteral("Log_") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(".txt");
}

QString Logger::LevelWord(int nLevel)
{
    switch (nLevel) {
    case LOG_INFO: return QStringLiteral("Info    ");
    case LOG_WARNING: return QStringLiteral("Warnning");
    case LOG_ERROR: return QStringLiteral("Error   ");
    case LOG_CRITICAL: return QStringLiteral("Critical");
    case LOG_TIMER: return QStringLiteral("Timer   ");
    case LOG_DEBUG: return QStringLiteral("Debug   ");
    default: return QStringLiteral("Unknown ");
    }
}

void Logger::WriteLog(int nLevel, const QString& strMsg, const char* szFunc)
{
    if ((nLevel & m_nLevelMask) == 0)
        return;

    QMutexLocker locker(&s_logMutex);
    const QString strTime = QDateTime::currentDateTime().toString(QLatin1String(TIME_FORMAT));
    const QString strFunc = szFunc ? QString::fromLatin1(szFunc) : QString();
    const QString strLine = QStringLiteral("[%1] [%2] %3(): %4").arg(strTime, LevelWord(nLevel), strFunc, strMsg);

    qInfo().noquote() << strLine;
    if (m_pFile) {
        QTextStream stream(m_pFile);
        stream << strLine << "\n";
        stream.flush();
        m_pFile->flush();
    }
}

QByteArray Logger::QualifiedFunctionName(const char* szPrettyFunction)
{
    if (!szPrettyFunction)
        return QByteArray();
    QByteArray baName(szPrettyFunction);
    // Cut the argument list, then the return type and calling convention before the name.
    const int nParen = baName.indexOf('(');
    if (nParen >= 0)
        baName.truncate(nParen);
    int nDepth = 0;
    for (int i = baName.size() - 1; i >= 0; --i) {
        const char c = baName.at(i);
        if (c == '>')
            ++nDepth;
        else if (c == '<')
            --nDepth;
        else if ((c == ' ' || c == '*' || c == '&') && nDepth == 0)
            return baName.mid(i + 1);
    }
    return baName;
}
