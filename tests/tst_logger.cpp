#include "app/Logger.h"
#include "tests/support/LogCapture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace
{
const QString STARS = QString(78, QLatin1Char('*'));
const QString TITLE = QStringLiteral("********************* Zavo Monitor Client Running Log **********************");
const QString TIME_PATTERN = QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");

QString TodaysLogName()
{
    return QStringLiteral("Log_") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".txt");
}

QStringList ReadLines(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    QStringList listLines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!listLines.isEmpty() && listLines.last().isEmpty())
        listLines.removeLast();
    return listLines;
}

QRegularExpression LinePattern(const QString& strWord, const QString& strFunc, const QString& strMsg)
{
    return QRegularExpression(QStringLiteral("^\\[%1\\] \\[%2\\] %3\\(\\): %4$")
                                  .arg(TIME_PATTERN, QRegularExpression::escape(strWord),
                                       QRegularExpression::escape(strFunc), QRegularExpression::escape(strMsg)));
}

}

class TestLogger : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_pTempDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pTempDir->isValid());
        m_strLogDir = m_pTempDir->path() + QStringLiteral("/logs/");
    }

    void newFileStartsWithBanner()
    {
        Logger::CreateInFolder(m_strLogDir).reset();
        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName());
        QCOMPARE(listLines.size(), 4);
        QCOMPARE(listLines.at(0), STARS);
        QCOMPARE(listLines.at(1), TITLE);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\*                               StartTime: %1"
                                                   "                              \\*$")
                                        .arg(TIME_PATTERN))
                     .match(listLines.at(2))
                     .hasMatch(),
                 qPrintable(listLines.at(2)));
        QCOMPARE(listLines.at(3), STARS);
    }

    void lineFormat_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("written");
        QTest::newRow("info") << int(LOG_INFO) << "Info    " << true;
        QTest::newRow("warning") << int(LOG_WARNING) << "Warnning" << true;
        QTest::newRow("error") << int(LOG_ERROR) << "Error   " << true;
        QTest::newRow("critical") << int(LOG_CRITICAL) << "Critical" << true;
        QTest::newRow("timer") << int(LOG_TIMER) << "Timer   " << true;
        QTest::newRow("debug") << int(LOG_DEBUG) << "Debug   " << true;
        QTest::newRow("3 passes the mask") << 3 << "Unknown " << true;
        QTest::newRow("every bit") << -1 << "Unknown " << true;
        QTest::newRow("0 is filtered") << 0 << QString() << false;
        QTest::newRow("512 is outside the mask") << 512 << QString() << false;
    }
    void lineFormat()
    {
        QFETCH(int, level);
        QFETCH(QString, word);
        QFETCH(bool, written);
        const QString strMsg = QStringLiteral("0 Code:0x10 Value:50");
        if (written)
            QTest::ignoreMessage(QtInfoMsg, LinePattern(word, QStringLiteral("CDDCUtil::GetVcp"), strMsg));
        {
            auto pLogger = Logger::CreateInFolder(m_strLogDir);
            pLogger->WriteLog(level, strMsg, "CDDCUtil::GetVcp");
        }
        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName());
        QCOMPARE(listLines.size(), written ? 5 : 4);
        if (written) {
            QVERIFY2(LinePattern(word, QStringLiteral("CDDCUtil::GetVcp"), strMsg).match(listLines.last()).hasMatch(),
                     qPrintable(listLines.last()));
        }
    }

    void messageAndNameTakenLiterally_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("function");
        QTest::addColumn<QString>("expectedFunction");
        QTest::newRow("place markers in the message") << "50% of %1 and %4" << QByteArray("CX::Run") << "CX::Run";
        QTest::newRow("no function name") << "text" << QByteArray() << "";
        QTest::newRow("Chinese message") << QStringLiteral("DDC插件加载失败:x,y") << QByteArray("CDDCUtil::CDDCUtil")
                                         << "CDDCUtil::CDDCUtil";
    }
    void messageAndNameTakenLiterally()
    {
        QFETCH(QString, message);
        QFETCH(QByteArray, function);
        QFETCH(QString, expectedFunction);
        CLogCapture capture;
        {
            auto pLogger = Logger::CreateInFolder(m_strLogDir);
            pLogger->WriteLog(LOG_INFO, message, function.isNull() ? nullptr : function.constData());
        }
        const QRegularExpression reLine = LinePattern(QStringLiteral("Info    "), expectedFunction, message);
        QCOMPARE(capture.Lines().size(), 1);
        QVERIFY2(reLine.match(capture.Lines().first()).hasMatch(), qPrintable(capture.Lines().first()));
        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName());
        QCOMPARE(listLines.size(), 5);
        QCOMPARE(listLines.last(), capture.Lines().first());
    }

    void secondLoggerSameDayAddsNoBanner()
    {
        const QDate dateStart = QDate::currentDate();
        CLogCapture capture;
        Logger::CreateInFolder(m_strLogDir)->WriteLog(LOG_INFO, QStringLiteral("first run"), "CX::A");
        Logger::CreateInFolder(m_strLogDir)->WriteLog(LOG_DEBUG, QStringLiteral("second run"), "CX::B");
        if (QDate::currentDate() != dateStart)
            QSKIP("the day changed during the test");

        QCOMPARE(QDir(m_strLogDir).entryList(QDir::Files), QStringList{TodaysLogName()});
        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName());
        QCOMPARE(listLines.size(), 6);
        QCOMPARE(listLines.filter(TITLE).size(), 1);
        QVERIFY(listLines.at(4).endsWith(QLatin1String("] [Info    ] CX::A(): first run")));
        QVERIFY(listLines.at(5).endsWith(QLatin1String("] [Debug   ] CX::B(): second run")));
    }

    void earlierContentIsContinued()
    {
        QVERIFY(QDir().mkpath(m_strLogDir));
        QFile file(m_strLogDir + TodaysLogName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("written before\n");
        file.close();
        {
            CLogCapture capture;
            Logger::CreateInFolder(m_strLogDir)->WriteLog(LOG_ERROR, QStringLiteral("after"), "CX::C");
        }
        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName());
        QCOMPARE(listLines.size(), 2);
        QCOMPARE(listLines.first(), QStringLiteral("written before"));
        QVERIFY(listLines.last().endsWith(QLatin1String("] [Error   ] CX::C(): after")));
    }

    void folderThatCannotBeMadeStillReportsLines()
    {
        // A regular file where the folder's parent should be.
        const QString strBlocker = m_pTempDir->path() + QStringLiteral("/blocker");
        QFile file(strBlocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QTest::ignoreMessage(QtDebugMsg, "Create Log folder fail...");
        QTest::ignoreMessage(QtDebugMsg, "Create Log Folder Fail...");
        auto pLogger = Logger::CreateInFolder(strBlocker + QStringLiteral("/logs/"));
        QTest::ignoreMessage(QtInfoMsg, LinePattern(QStringLiteral("Error   "), QStringLiteral("CX::D"),
                                                    QStringLiteral("still reported")));
        pLogger->WriteLog(LOG_ERROR, QStringLiteral("still reported"), "CX::D");
        pLogger.reset();
        QVERIFY(QFileInfo(strBlocker).isFile());
    }

    void linesOfTwoThreadsStayWhole()
    {
        const int nLinesPerThread = 300;
        CLogCapture capture;
        auto pLogger = Logger::CreateInFolder(m_strLogDir);
        auto writer = [&pLogger, nLinesPerThread](QChar cFill) {
            const QString strBody(400, cFill);
            for (int i = 0; i < nLinesPerThread; ++i)
                pLogger->WriteLog(LOG_DEBUG, strBody + QLatin1Char(' ') + QString::number(i), "CWorker::Run");
        };
        std::unique_ptr<QThread> pFirst(QThread::create(writer, QLatin1Char('a')));
        std::unique_ptr<QThread> pSecond(QThread::create(writer, QLatin1Char('b')));
        pFirst->start();
        pSecond->start();
        QVERIFY(pFirst->wait(60000));
        QVERIFY(pSecond->wait(60000));
        pLogger.reset();

        const QStringList listLines = ReadLines(m_strLogDir + TodaysLogName()).mid(4);
        QCOMPARE(listLines.size(), 2 * nLinesPerThread);
        QCOMPARE(capture.Lines(), listLines);
        const QRegularExpression reLine(QStringLiteral("^\\[%1\\] \\[Debug   \\] CWorker::Run\\(\\): (a{400}|b{400}) (\\d+)$")
                                            .arg(TIME_PATTERN));
        int nNextA = 0;
        int nNextB = 0;
        for (const QString& strLine : listLines) {
            const QRegularExpressionMatch match = reLine.match(strLine);
            QVERIFY2(match.hasMatch(), qPrintable(strLine.left(120)));
            int& nNext = match.captured(1).startsWith(QLatin1Char('a')) ? nNextA : nNextB;
            QCOMPARE(match.captured(2).toInt(), nNext);
            ++nNext;
        }
    }

    void qualifiedFunctionName_data()
    {
        QTest::addColumn<QByteArray>("pretty");
        QTest::addColumn<QByteArray>("expected");
        // GCC and Clang (__PRETTY_FUNCTION__)
        QTest::newRow("gcc member") << QByteArray("void CDDCUtil::SetVcp(const QString&, const QString&)")
                                    << QByteArray("CDDCUtil::SetVcp");
        QTest::newRow("gcc constructor") << QByteArray("CDDCUtil::CDDCUtil(QObject*)") << QByteArray("CDDCUtil::CDDCUtil");
        QTest::newRow("gcc destructor") << QByteArray("virtual CDDCUtil::~CDDCUtil()") << QByteArray("CDDCUtil::~CDDCUtil");
        QTest::newRow("gcc const member") << QByteArray("QString CDDCUtil::GetVcp(const QString&) const")
                                          << QByteArray("CDDCUtil::GetVcp");
        QTest::newRow("gcc template return")
            << QByteArray("static QSharedPointer<CDDCUtil>& CDDCUtil::GetInstance()") << QByteArray("CDDCUtil::GetInstance");
        QTest::newRow("gcc template arguments") << QByteArray("void CX::Apply(const std::map<int, QString>&) [with T = int]")
                                                << QByteArray("CX::Apply");
        QTest::newRow("gcc namespaces") << QByteArray("void zavo::detail::CX::Run()") << QByteArray("zavo::detail::CX::Run");
        QTest::newRow("gcc lambda") << QByteArray("CDDCUtil::Init()::<lambda()>") << QByteArray("CDDCUtil::Init");
        QTest::newRow("clang lambda") << QByteArray("auto CDDCUtil::Init()::(anonymous class)::operator()() const")
                                      << QByteArray("CDDCUtil::Init");
        QTest::newRow("clang anonymous namespace") << QByteArray("void (anonymous namespace)::Helper(int)")
                                                   << QByteArray("(anonymous namespace)::Helper");
        QTest::newRow("operator less") << QByteArray("bool CX::operator<(const CX&) const") << QByteArray("CX::operator<");
        QTest::newRow("operator call") << QByteArray("void CX::operator()(int)") << QByteArray("CX::operator()");
        QTest::newRow("function pointer return") << QByteArray("void (* CX::Handler(int))(int)") << QByteArray("CX::Handler");
        QTest::newRow("free function") << QByteArray("int main(int, char**)") << QByteArray("main");
        // MSVC (__FUNCSIG__)
        QTest::newRow("msvc member") << QByteArray("void __cdecl CDDCUtil::SetVcp(const class QString &,const class QString &)")
                                     << QByteArray("CDDCUtil::SetVcp");
        QTest::newRow("msvc constructor") << QByteArray("__thiscall CDDCUtil::CDDCUtil(class QObject *)")
                                          << QByteArray("CDDCUtil::CDDCUtil");
        QTest::newRow("msvc reference return")
            << QByteArray("class QSharedPointer<class CDDCUtil> &__cdecl CDDCUtil::GetInstance(void)")
            << QByteArray("CDDCUtil::GetInstance");
        QTest::newRow("msvc operator") << QByteArray("bool __cdecl CX::operator <(const class CX &) const")
                                       << QByteArray("CX::operator <");
        QTest::newRow("msvc function pointer return") << QByteArray("void (__cdecl *__cdecl CX::Handler(int))(int)")
                                                      << QByteArray("CX::Handler");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
    }
    void qualifiedFunctionName()
    {
        QFETCH(QByteArray, pretty);
        QFETCH(QByteArray, expected);
        QCOMPARE(Logger::QualifiedFunctionName(pretty.constData()), expected);
    }

    void logWriteNamesClassAndFunction()
    {
        CLogCapture capture;
        LOG_WRITE(LOG_INFO, QStringLiteral("from a member"));
        QCOMPARE(capture.Lines().size(), 1);
        QVERIFY2(capture.Lines().first().endsWith(
                     QLatin1String("] [Info    ] TestLogger::logWriteNamesClassAndFunction(): from a member")),
                 qPrintable(capture.Lines().first()));
        // The process-wide logger writes beside the executable.
        const QStringList listLines = ReadLines(QCoreApplication::applicationDirPath() + QStringLiteral("/logs/") + TodaysLogName());
        QVERIFY(!listLines.isEmpty());
        QCOMPARE(listLines.last(), capture.Lines().first());
    }

private:
    std::unique_ptr<QTemporaryDir> m_pTempDir;
    QString m_strLogDir;
};

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
