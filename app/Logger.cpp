#include "app/Logger.h"

#include "app/SettingsLocation.h"

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
const QString TIME_FORMAT = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const int ALL_LEVELS = 0x1FF;
// UTF-8 whatever the system's code page: a Windows one without Chinese would turn the Chinese
// messages into question marks, and the file reads the same on every system.
const char* const LOG_CODEC = "UTF-8";

bool IsIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

int MatchingParen(const QByteArray& baText, int nOpen)
{
    int nDepth = 0;
    for (int i = nOpen; i < baText.size(); ++i) {
        if (baText.at(i) == '(')
            ++nDepth;
        else if (baText.at(i) == ')' && --nDepth == 0)
            return i;
    }
    return -1;
}

// Length of an operator function's name ("operator<", "operator ()", "operator QString") that
// starts at nPos, up to its parameter list; 0 when none starts there.
int OperatorNameLength(const QByteArray& baText, int nPos)
{
    static const QByteArray s_baKeyword("operator");
    if (baText.mid(nPos, s_baKeyword.size()) != s_baKeyword || (nPos > 0 && IsIdentifierChar(baText.at(nPos - 1))))
        return 0;
    int nEnd = nPos + s_baKeyword.size();
    if (nEnd < baText.size() && IsIdentifierChar(baText.at(nEnd)))
        return 0;
    while (nEnd < baText.size() && baText.at(nEnd) == ' ')
        ++nEnd;
    if (baText.mid(nEnd, 2) == "()")
        nEnd += 2;
    while (nEnd < baText.size() && baText.at(nEnd) != '(')
        ++nEnd;
    return nEnd - nPos;
}
}

QSharedPointer<Logger>& Logger::GetInstance()
{
    static QSharedPointer<Logger> s_pInstance(new Logger(nullptr));
    return s_pInstance;
}

std::unique_ptr<Logger> Logger::CreateInFolder(const QString& strLogDir)
{
    return std::unique_ptr<Logger>(new Logger(strLogDir, nullptr));
}

Logger::Logger(QObject* parent)
    : Logger(SettingsLocation::Current().LogDir(), parent)
{
}

Logger::Logger(const QString& strLogDir, QObject* parent)
    : QObject(parent)
    , m_nLevelMask(ALL_LEVELS)
    , m_pFile(nullptr)
{
    const QString strPath = GetLogFilePath(strLogDir);
    if (strPath.isEmpty()) {
        qDebug() << "Create Log Folder Fail...";
        return;
    }

    m_pFile = new QFile(strPath);
    const bool bExisted = m_pFile->exists();
    // A failed open is not reported: the lines still reach Qt's message output.
    m_pFile->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text);
    if (!bExisted) {
        QTextStream stream(m_pFile);
        stream.setCodec(LOG_CODEC);
        const QString strStars(78, QLatin1Char('*'));
        stream << strStars << Qt::endl;
        stream << "********************* Zavo Monitor Client Running Log **********************" << Qt::endl;
        stream << "*                               StartTime: " << QDateTime::currentDateTime().toString(TIME_FORMAT)
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

QString Logger::GetLogFilePath(const QString& strLogDir)
{
    QDir dir(strLogDir);
    if (!dir.exists() && !dir.mkpath(strLogDir)) {
        qDebug() << "Create Log folder fail...";
        return QString();
    }
    if (!dir.exists())
        return QString();
    // The name is fixed now: a process running past midnight stays with its first day's file.
    return dir.filePath(QStringLiteral("Log_") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
                        + QStringLiteral(".txt"));
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

    // Everything from the time stamp to the flush is one unit, so that lines of the GUI thread
    // and of page loads never mix.
    QMutexLocker locker(&s_logMutex);
    const QString strTime = QDateTime::currentDateTime().toString(TIME_FORMAT);
    const QString strFunc = szFunc ? QString::fromUtf8(szFunc) : QString();
    const QString strLine = QStringLiteral("[%1] [%2] %3(): %4").arg(strTime, LevelWord(nLevel), strFunc, strMsg);

    qInfo().noquote() << strLine;
    if (m_pFile) {
        QTextStream stream(m_pFile);
        stream.setCodec(LOG_CODEC);
        stream << strLine << "\n";
        stream.flush();
        m_pFile->flush();
    }
}

QByteArray Logger::QualifiedFunctionName(const char* szPrettyFunction)
{
    if (!szPrettyFunction)
        return QByteArray();
    const QByteArray baText(szPrettyFunction);

    // Find the parameter list of the function itself: the first "(" outside template arguments
    // that is neither part of an operator's name, nor a compiler's "(anonymous namespace)", nor
    // the declarator group of a function returning a function pointer ("void (*f(int))(int)").
    int nDepth = 0;
    int nOperator = -1;
    int nParams = baText.size();
    for (int i = 0; i < baText.size(); ++i) {
        const char c = baText.at(i);
        if (nDepth == 0) {
            if (const int nLength = OperatorNameLength(baText, i)) {
                nOperator = i;
                i += nLength - 1;
                continue;
            }
        }
        if (c == '<') {
            ++nDepth;
        } else if (c == '>') {
            if (nDepth > 0)
                --nDepth;
        } else if (c == '(' && nDepth == 0) {
            const int nClose = MatchingParen(baText, i);
            const QByteArray baInside = baText.mid(i + 1, 10);
            if (baInside.startsWith("anonymous ") || baInside.startsWith("lambda at ")) {
                if (nClose < 0)
                    break;
                i = nClose;
                continue;
            }
            if (nClose >= 0 && nClose + 1 < baText.size() && baText.at(nClose + 1) == '(')
                continue;
            nParams = i;
            break;
        }
    }

    // The name is the last word before the parameter list; an operator's name may hold blanks.
    const QByteArray baHead = baText.left(nParams);
    nDepth = 0;
    int nStart = 0;
    for (int i = (nOperator >= 0 && nOperator < nParams ? nOperator : baHead.size()) - 1; i >= 0; --i) {
        const char c = baHead.at(i);
        if (c == '>' || c == ')') {
            ++nDepth;
        } else if (c == '<' || c == '(') {
            if (nDepth == 0) {
                nStart = i + 1;
                break;
            }
            --nDepth;
        } else if (nDepth == 0 && (c == ' ' || c == '*' || c == '&')) {
            nStart = i + 1;
            break;
        }
    }
    return baHead.mid(nStart).trimmed();
}
