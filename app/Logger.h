#pragma once

#include <QObject>
#include <QSharedPointer>

class QFile;

enum LogLevel
{
    LOG_INFO = 1,
    LOG_WARNING = 2,
    LOG_ERROR = 4,
    LOG_CRITICAL = 8,
    LOG_TIMER = 16,
    LOG_DEBUG = 256,
};

// The daily running log beside the executable: logs/Log_<yyyy-MM-dd>.txt, one line per event,
// flushed at once. Lines from several threads never interleave.
class Logger : public QObject
{
    Q_OBJECT
public:
    static QSharedPointer<Logger>& GetInstance();
    ~Logger() override;

    void WriteLog(int nLevel, const QString& strMsg, const char* szFunc);

    // "Class::Function" from the compiler's pretty function name, the same on every compiler.
    static QByteArray QualifiedFunctionName(const char* szPrettyFunction);
    static QString LevelWord(int nLevel);

private:
    explicit Logger(QObject* parent = nullptr);
    QString GetLogFilePath();

    int m_nLevelMask;
    QFile* m_pFile;
};

#define LOG_WRITE(level, ...) \
    Logger::GetInstance()->WriteLog((level), (__VA_ARGS__), Logger::QualifiedFunctionName(Q_FUNC_INFO).constData())
