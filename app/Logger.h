#pragma once

#include <QObject>
#include <QSharedPointer>

#include <memory>

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

// The daily running log in the folder SettingsLocation chooses: logs/Log_<yyyy-MM-dd>.txt, one line per event,
// flushed at once. Lines from several threads never interleave.
class Logger : public QObject
{
    Q_OBJECT
public:
    static QSharedPointer<Logger>& GetInstance();
    ~Logger() override;

    // A logger of its own that writes into strLogDir instead of <application directory>/logs/,
    // for tests and tools; the process-wide one is always GetInstance().
    static std::unique_ptr<Logger> CreateInFolder(const QString& strLogDir);

    void WriteLog(int nLevel, const QString& strMsg, const char* szFunc);

    // "Class::Function" from the compiler's pretty function name (Q_FUNC_INFO), the same on
    // GCC, Clang and MSVC; GCC's __FUNCTION__ would drop the class.
    static QByteArray QualifiedFunctionName(const char* szPrettyFunction);
    // The fixed eight-character word of a level, "Unknown " for anything else.
    static QString LevelWord(int nLevel);

private:
    explicit Logger(QObject* parent = nullptr);
    Logger(const QString& strLogDir, QObject* parent);
    QString GetLogFilePath(const QString& strLogDir);

    int m_nLevelMask;
    QFile* m_pFile;
};

// Writes one line with the calling function's "Class::Function". The name is worked out once
// per call site.
#define LOG_WRITE(level, ...)                                                                                     \
    do {                                                                                                          \
        static const QByteArray s_baLogFunction = Logger::QualifiedFunctionName(Q_FUNC_INFO);                      \
        Logger::GetInstance()->WriteLog((level), (__VA_ARGS__), s_baLogFunction.constData());                    \
    } while (false)
