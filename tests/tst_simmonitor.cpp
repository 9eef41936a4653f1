#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

namespace
{
QString PluginFile(const QString& strName)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/") + strName;
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
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
    void fileConfiguration()
    {
        // The plug-in reads Monitor.sim.json when it is created, on the first use of the service.
        QFile file(PluginFile("Monitor.sim.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"transcript":"sim-test-transcript.log","monitors":[{"edid":")"
                   + ReadAll(QFINDTESTDATA("data/edid/hex/AAA8542_E27C769CDF53.hex")) + R"("},{"edid":")"
                   + ReadAll(QFINDTESTDATA("data/edid/hex/ACB049B_E63B794062B0.hex")) + R"("},{}]})");
        file.close();
        CDDCUtil& ddc = *CDDCUtil::GetInstance();
        ddc.Init();
        QFile::remove(file.fileName());
        QList<MonitorInfo> listMonitors;
        ddc.GetMonitorList(listMonitors);
        QStringList listNames;
        for (const MonitorInfo& info : listMonitors)
            listNames.append(QStringLiteral("%1 %2").arg(info.nMonitorId).arg(info.strMonitorName));
        QCOMPARE(listNames, (QStringList{"0 CR340HDU", "1 QHD270", "2 ZVO SIM3"}));
        // The transcript file gets every line at once.
        ddc.SetCurrentMonitor(1);
        ddc.SetVcp(VCP_BRIGHTNESS, QStringLiteral("0x20"));
        QCOMPARE(ddc.GetVcp(VCP_BRIGHTNESS), QStringLiteral("32"));
        const QStringList listLines = QString::fromUtf8(ReadAll(PluginFile("sim-test-transcript.log"))).split('\n');
        QCOMPARE(listLines, TestSupport::Transcript());
        QCOMPARE(listLines.mid(listLines.size() - 2), (QStringList{"SET 1 0x10 32", "GET 1 0x10 32"}));
    }

    void rangesFailuresAndFactoryReset()
    {
        // Writes outside a feature's range are ignored; unknown and failing features fail reads
        // (the service answers "0"); a factory reset restores the configured values on the
        // monitor told only.
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":75},"failing":["0x62","0xf0/0x13"]},{}]})"));
        const QStringList listFeatures{"0x10", "0x12", "0x87", "0xEE/0x02", "0xF0/0x08", "0x14", "0x77", "0xEE/0x1F", "0x62", "0xF0/0x13"};
        const QList<int> listWrites{101, 100, 11, 2, 0, 11, 1, 1, 20, 1};
        auto values = [&listFeatures] {
            QStringList listValues;
            for (const QString& strFeature : listFeatures)
                listValues.append(Transfer(strFeature));
            return listValues.join(' ');
        };
        for (int i = 0; i < listFeatures.size(); ++i)
            Transfer(listFeatures.at(i), listWrites.at(i));
        QCOMPARE(values(), QStringLiteral("75 100 5 2 1 11 0 0 0 0"));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        Transfer(QStringLiteral("0x10"), 33);
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);
        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x00"));
        QCOMPARE(values(), QStringLiteral("75 100 5 2 1 11 0 0 0 0"));
        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x01"));
        QCOMPARE(values(), QStringLiteral("75 50 5 0 1 6 0 0 0 0"));
        QCOMPARE(TestSupport::Sim()->Value(1, QStringLiteral("0x10")), 33);
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
