#include "ddc/DDCUtil.h"
#include "ddc/MonitorCtrlInterface.h"
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

// Reads (nWrite < 0) or writes a feature ("0x10" or "0xEE/0x02") of a monitor on the plug-in.
QString Transfer(const QString& strFeature, int nWrite = -1, int nMonitor = 0)
{
    CMonitorCtrlInterface& plugin = *CDDCUtil::GetInstance()->MonitorCtrl();
    QString strCode = strFeature.left(4);
    if (strFeature.contains('/')) {
        plugin.SetVcp(nMonitor, strCode, strFeature.mid(7).toInt(nullptr, 16));
        strCode = strCode == "0xEE" ? "0xEF" : "0xF2";
    }
    if (nWrite >= 0)
        plugin.SetVcp(nMonitor, strCode, nWrite);
    return nWrite < 0 ? plugin.GetVcp(nMonitor, strCode) : QString();
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
        // Writes outside a feature's range are ignored; unknown and failing features fail reads;
        // a factory reset restores the configured values on the monitor told only.
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
        Transfer("0x10", 33, 1);
        Transfer("0x04", 0);
        QCOMPARE(values(), QStringLiteral("75 100 5 2 1 11 -1 -1 -1 -1"));
        Transfer("0x04", 1);
        QCOMPARE(values(), QStringLiteral("75 50 5 0 1 6 -1 -1 -1 -1"));
        QCOMPARE(Transfer("0x10", -1, 1), QStringLiteral("33"));
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
