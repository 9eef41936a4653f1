#include "app/Logger.h"
#include "tests/support/LogCapture.h"

#include <QDate>
#include <QtTest>

namespace
{
const QString STARS = QString(78, '*');
const QString TITLE = QStringLiteral("********************* Zavo Monitor Client Running Log **********************");
const QString TIME = QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");

QStringList ReadLines(const QString& strFolder)
{
    QFile file(strFolder + QDate::currentDate().toString("'Log_'yyyy-MM-dd'.txt'"));
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
}
}

class TestLogger : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString LogDir() const { return m_dir.path() + "/logs/"; }

private slots:
    void init() { QDir(LogDir()).removeRecursively(); }

    // A new day's file: the banner, then "[time] [level word] function(): message" in UTF-8,
    // for the levels the mask lets through; the same line goes to Qt's message output.
    void lineFormat_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("function");
        const QString strMsg = QStringLiteral("0 Code:0x10 Value:50");
        const QByteArray baFunc("CDDCUtil::GetVcp");
        for (const auto& [nLevel, szWord] : {std::pair{int(LOG_INFO), "Info    "}, {LOG_WARNING, "Warnning"}, {LOG_CRITICAL, "Critical"},
                                             {LOG_TIMER, "Timer   "}, {LOG_DEBUG, "Debug   "}, {3, "Unknown "}, {0, ""}, {512, ""}})
            QTest::newRow(qPrintable(QString::number(nLevel))) << nLevel << szWord << strMsg << baFunc;
        QTest::newRow("place markers") << int(LOG_INFO) << "Info    " << "50% of %1 and %4" << QByteArray("CX::Run");
        QTest::newRow("no function name") << int(LOG_INFO) << "Info    " << "text" << QByteArray();
        QTest::newRow("Chinese") << int(LOG_INFO) << "Info    " << QStringLiteral("DDC插件加载失败:x,y") << baFunc;
    }
    void lineFormat()
    {
        QFETCH(int, level);
        QFETCH(QString, word);
        QFETCH(QString, message);
        QFETCH(QByteArray, function);
        CLogCapture capture;
        Logger::CreateInFolder(LogDir())->WriteLog(level, message, function.isNull() ? nullptr : function.constData());
        const QStringList listLines = ReadLines(LogDir());
        QCOMPARE(listLines.mid(0, 2), (QStringList{STARS, TITLE}));
        QVERIFY2(QRegularExpression("^\\* {31}StartTime: " + TIME + " {30}\\*$").match(listLines.value(2)).hasMatch(),
                 qPrintable(listLines.value(2)));
        QCOMPARE(listLines.value(3), STARS);
        QCOMPARE(capture.Lines(), listLines.mid(4));
        QCOMPARE(listLines.size(), word.isEmpty() ? 4 : 5);
        if (word.isEmpty())
            return;
        const QString strTail = QStringLiteral(" [%1] %2(): %3").arg(word, QString::fromUtf8(function), message);
        QVERIFY2(QRegularExpression("^\\[" + TIME + "\\]" + QRegularExpression::escape(strTail) + '$').match(listLines.last()).hasMatch(),
                 qPrintable(listLines.last()));
    }

    // A file of the day that is there already is continued, without another banner.
    void earlierContentIsContinued()
    {
        QVERIFY(QDir().mkpath(LogDir()));
        QFile file(LogDir() + QDate::currentDate().toString("'Log_'yyyy-MM-dd'.txt'"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("written before\n") > 0);
        file.close();
        CLogCapture capture;
        Logger::CreateInFolder(LogDir())->WriteLog(LOG_ERROR, "after", "CX::C");
        Logger::CreateInFolder(LogDir())->WriteLog(LOG_DEBUG, "again", "CX::D");
        const QStringList listLines = ReadLines(LogDir());
        QCOMPARE(listLines.size(), 3);
        QCOMPARE(listLines.first(), QStringLiteral("written before"));
        QVERIFY(listLines.at(1).endsWith("] [Error   ] CX::C(): after") && listLines.at(2).endsWith("] [Debug   ] CX::D(): again"));
    }

    void folderThatCannotBeMadeStillReportsLines()
    {
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::ignoreMessage(QtDebugMsg, "Create Log folder fail...");
        QTest::ignoreMessage(QtDebugMsg, "Create Log Folder Fail...");
        CLogCapture capture;
        Logger::CreateInFolder(blocker.fileName() + "/logs/")->WriteLog(LOG_ERROR, "still reported", "CX::D");
        QVERIFY(capture.Has(LOG_ERROR, "CX::D", "still reported"));
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    // The class and function of __PRETTY_FUNCTION__ (gcc, clang) and __FUNCSIG__ (msvc).
    void qualifiedFunctionName_data()
    {
        QTest::addColumn<QByteArray>("pretty");
        QTest::addColumn<QByteArray>("expected");
        for (const auto& [szPretty, szExpected] : {
                 std::pair{"void CDDCUtil::SetVcp(const QString&, const QString&)", "CDDCUtil::SetVcp"},
                 {"static QSharedPointer<CDDCUtil>& CDDCUtil::GetInstance()", "CDDCUtil::GetInstance"},
                 {"void CX::Apply(const std::map<int, QString>&) [with T = int]", "CX::Apply"},
                 {"CDDCUtil::Init()::<lambda()>", "CDDCUtil::Init"},
                 {"auto CDDCUtil::Init()::(anonymous class)::operator()() const", "CDDCUtil::Init"},
                 {"void CX::operator()(int)", "CX::operator()"},
                 {"void (* CX::Handler(int))(int)", "CX::Handler"},
                 {"int main(int, char**)", "main"},
                 {"void __cdecl CDDCUtil::SetVcp(const class QString &,const class QString &)", "CDDCUtil::SetVcp"},
                 {"void (__cdecl *__cdecl CX::Handler(int))(int)", "CX::Handler"}})
            QTest::newRow(szPretty) << QByteArray(szPretty) << QByteArray(szExpected);
    }
    void qualifiedFunctionName()
    {
        QFETCH(QByteArray, pretty);
        QFETCH(QByteArray, expected);
        QCOMPARE(Logger::QualifiedFunctionName(pretty.constData()), expected);
    }
    // The process-wide logger writes beside the executable, naming the calling member.
    void logWriteNamesClassAndFunction()
    {
        CLogCapture capture;
        LOG_WRITE(LOG_INFO, QStringLiteral("from a member"));
        QVERIFY(capture.Has(LOG_INFO, "TestLogger::logWriteNamesClassAndFunction", "from a member"));
        const QStringList listLines = ReadLines(QCoreApplication::applicationDirPath() + "/logs/");
        QCOMPARE(listLines.value(listLines.size() - 1), capture.Lines().value(0));
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
