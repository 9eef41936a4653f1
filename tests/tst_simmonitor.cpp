#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

namespace
{
QString PluginDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
}

QByteArray CorpusEdidHex(const char* szFile)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/edid/hex/") + QLatin1String(szFile)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Reads or writes a feature ("0x10" or "0xEE/0x02") through the service, as the pages do.
QString Transfer(const QString& strFeature, int nWrite = -1)
{
    CDDCUtil& ddc = *CDDCUtil::GetInstance();
    const QString strSelector = strFeature.section(QLatin1Char('/'), 0, 0);
    const QString strSub = strFeature.section(QLatin1Char('/'), 1);
    const QString strData = strSelector == VCP_EE_SELECT ? VCP_EE_DATA : VCP_F0_DATA;
    if (nWrite < 0)
        return strSub.isEmpty() ? ddc.GetVcp(strFeature) : ddc.GetSubVcp(strSelector, strData, strSub, 0);
    if (strSub.isEmpty())
        ddc.SetVcp(strFeature, QString::number(nWrite));
    else
        ddc.SetSubVcp(strSelector, strData, strSub, QString::number(nWrite));
    return QString();
}
}

// The simulated monitor: its configuration file, factory state, ranges, failures and transcript.
class TestSimMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The plug-in reads Monitor.sim.json when it is created, on the first use of the service.
        const QByteArray baConfig = "{\"transcript\":\"sim-test-transcript.log\",\"monitors\":["
                                    "{\"edid\":\"" + CorpusEdidHex("AAA8542_E27C769CDF53.hex") + "\"},"
                                    "{\"edid\":\"" + CorpusEdidHex("ACB049B_E63B794062B0.hex") + "\"},"
                                    "{}]}";
        QFile file(PluginDir() + QStringLiteral("/Monitor.sim.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baConfig);
        file.close();

        CDDCUtil::GetInstance()->Init();
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QStringList listNames;
        for (const MonitorInfo& info : listMonitors)
            listNames.append(QStringLiteral("%1 %2").arg(info.nMonitorId).arg(info.strMonitorName));
        QCOMPARE(listNames, (QStringList{"0 CR340HDU", "1 QHD270", "2 ZVO SIM3"}));
    }
    void cleanupTestCase() { QFile::remove(PluginDir() + QStringLiteral("/Monitor.sim.json")); }

    void fileConfiguration()
    {
        // Still the file's monitors: the transcript file gets every line at once.
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("0x20"));
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("32"));
        QFile transcript(PluginDir() + QStringLiteral("/sim-test-transcript.log"));
        QVERIFY(transcript.open(QIODevice::ReadOnly));
        const QStringList listLines = QString::fromUtf8(transcript.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(listLines, TestSupport::Transcript());
        QCOMPARE(listLines.mid(listLines.size() - 2), (QStringList{"SET 1 0x10 32", "GET 1 0x10 32"}));
    }

    void factoryResetRestores()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":75}},{}]})"));
        const QStringList listFeatures = {"0x10", "0xEE/0x02", "0xF0/0x11", "0x14"};
        auto values = [&listFeatures] {
            QStringList listValues;
            for (const QString& strFeature : listFeatures)
                listValues.append(Transfer(strFeature));
            return listValues;
        };
        const QList<int> listChanged = {20, 2, 10, 11};
        for (int i = 0; i < listFeatures.size(); ++i)
            Transfer(listFeatures.at(i), listChanged.at(i));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        Transfer(QStringLiteral("0x10"), 33);
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);
        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x00"));
        QCOMPARE(values(), (QStringList{"20", "2", "10", "11"}));
        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x01"));
        QCOMPARE(values(), (QStringList{"75", "0", "50", "6"}));
        // Only the monitor that was told.
        QCOMPARE(TestSupport::Sim()->Value(1, QStringLiteral("0x10")), 33);
    }

    void unsupportedAndFailingFeaturesFailReads()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"failing":["0x62","0xf0/0x13"]}]})"));
        QString strValues;
        for (const char* szFeature : {"0x77", "0xEE/0x1F", "0x62", "0xF0/0x13"})
            strValues += Transfer(QLatin1String(szFeature));
        QCOMPARE(strValues, QStringLiteral("0000"));
        QCOMPARE(TestSupport::Transcript(), (QStringList{"GET 0 0x77 -1", "SET 0 0xEE 31", "GET 0 0xEF -1", "GET 0 0x62 -1",
                                                         "SET 0 0xF0 19", "GET 0 0xF2 -1"}));
    }

    void writesOutsideTheRangeAreIgnored()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{}]})"));
        const QStringList listFeatures{"0x10", "0x12", "0x87", "0xEE/0x02", "0xF0/0x08", "0x77", "0xEE/0x1F"};
        const QList<int> listWrites{101, 100, 11, 3, 0, 1, 1};
        QList<int> listAfter;
        for (int i = 0; i < listFeatures.size(); ++i) {
            Transfer(listFeatures.at(i), listWrites.at(i));
            listAfter.append(TestSupport::Sim()->Value(0, listFeatures.at(i)));
        }
        QCOMPARE(listAfter, (QList<int>{80, 100, 5, 0, 1, -1, -1}));
    }

    void unknownMonitorAnswersFailure()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("0"));
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("10"));
        // No monitor was ever current in this list: the last current id is kept and answered.
        const int nId = CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId;
        QCOMPARE(TestSupport::Transcript(),
                 (QStringList{QStringLiteral("GET %1 0x10 -1").arg(nId), QStringLiteral("SET %1 0x10 10").arg(nId)}));
    }

    void invalidConfigurationIsRefused()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":42}}]})"));
        for (const char* szJson : {"monitors: two", "[1,2]", R"({"monitors":{}})", R"({"monitors":[{"edid":"00ffzz"}]})",
                                   R"({"monitors":[{"values":{"brightness":3}}]})"}) {
            QString strError;
            QVERIFY2(!TestSupport::Sim()->LoadConfig(szJson, &strError) && !strError.isEmpty(), szJson);
        }
        QCOMPARE(TestSupport::Sim()->Value(0, QStringLiteral("0x10")), 42);
    }
};

QTEST_MAIN(TestSimMonitor)
#include "tst_simmonitor.moc"
