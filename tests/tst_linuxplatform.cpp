#include "ddc/DDCUtil.h"
#include "ddc/platform/LinuxDisplayPlatform.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

namespace
{
// An EDID of this maker and product code, serial number 513, with this display name.
QByteArray Edid(const char* szMaker, quint16 nProduct, const QByteArray& baName, char cTag = char(0xFC))
{
    const int nMaker = ((szMaker[0] - '@') << 10) | ((szMaker[1] - '@') << 5) | (szMaker[2] - '@');
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff00") + QByteArray(120, '\0');
    const char ids[] = {char(nMaker >> 8), char(nMaker), char(nProduct), char(nProduct >> 8), 1, 2};
    baEdid.replace(8, 6, QByteArray(ids, 6));
    return baEdid.replace(93, 15, cTag + QByteArray(1, '\0') + (baName + '\n').leftJustified(13, ' '));
}

QString DeviceId(const QString& strModel, const QString& strInstance)
{
    return QStringLiteral("\\\\?\\DISPLAY#%1#%2#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}").arg(strModel, strInstance);
}
}

// The Linux display platform on a DRM sysfs tree built by the test: card*-* connectors with
// status, enabled, edid and a ddc link to an i2c-N device.
class TestLinuxPlatform : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    const QByteArray m_baX27 = Edid("ZVO", 0x27A1, "ZVO X27Q");
    const QByteArray m_baOther = Edid("ABC", 0x1234, "Other 1");

    QString Root() const { return m_pDir->path() + QStringLiteral("/class/drm"); }
    void AddConnector(const QString& strEntry, const char* szStatus, const char* szEnabled, const QByteArray& baEdid, int nBus)
    {
        const QString strDir = Root() + '/' + strEntry;
        QVERIFY(QDir().mkpath(strDir));
        TestSupport::WriteFile(strDir + "/status", QByteArray(szStatus) + '\n');
        if (szEnabled)
            TestSupport::WriteFile(strDir + "/enabled", QByteArray(szEnabled) + '\n');
        TestSupport::WriteFile(strDir + "/edid", baEdid);
        const QString strBus = m_pDir->path() + QStringLiteral("/devices/i2c-%1").arg(nBus);
        QVERIFY(nBus < 0 || (QDir().mkpath(strBus) && QFile::link(strBus, strDir + "/ddc")));
    }

private slots:
    void init()
    {
        m_pDir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(Root() + "/card0") && QDir().mkpath(Root() + "/renderD128"));
        AddConnector("card0-DP-1", "connected", "enabled", m_baX27, 5);
        AddConnector("card0-DP-2", "disconnected", "disabled", QByteArray(), 6);
        AddConnector("card0-HDMI-A-1", "connected", "disabled", m_baOther, 4);
        AddConnector("card0-HDMI-A-2", "connected", nullptr, m_baOther, 8);
        AddConnector("card1-DP-10", "connected", "enabled", m_baOther, -1);
        AddConnector("card1-DP-2", "connected", "enabled", Edid("ZVO", 0x24F1, "ZVO G24F").left(100), 7);
        AddConnector("card1-eDP-1", "connected", "enabled", QByteArray(), 3);
    }
    void cleanup() { CDDCUtil::GetInstance()->SetDisplayPlatform(nullptr); }

    // Connected, enabled connectors in natural order with Windows-shaped ids; names fall back to
    // the model code, the EDID, the connector, as on Windows; each detection reads sysfs again.
    void detectionNamesEachConnector()
    {
        AddConnector("card1-HDMI-A-3", "connected", "enabled", Edid("ABC", 0x5678, "", char(0xFE)), -1);
        CLinuxDisplayPlatform platform(Root());
        CDDCUtil::GetInstance()->SetDisplayPlatform(&platform);
        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QStringList listSeen;
        for (const MonitorInfo& info : qAsConst(listMonitors))
            listSeen.append(info.strMonitorName + " = " + info.strDeviceId);
        QCOMPARE(listSeen, (QStringList{"ZVO X27Q = " + DeviceId("ZVO27A1", "DP-1&UID5"), "24F1 = " + DeviceId("ZVO24F1", "DP-2&UID7"),
                                        "Other 1 = " + DeviceId("ABC1234", "DP-10"), "HDMI-A-3 = " + DeviceId("ABC5678", "HDMI-A-3"),
                                        "ZVO X27Q = " + DeviceId("Default_Monitor", "eDP-1&UID3")}));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor", "0Display: , Monitor Name: HDMI-A-3, Manufacturer: -, Product Code: -."));
        QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", "Invalid EDID data. Size too small."), 1);
        TestSupport::WriteFile(Root() + "/card0-DP-1/status", "disconnected\n");
        TestSupport::WriteFile(Root() + "/card0-HDMI-A-1/enabled", "enabled\n");
        QCOMPARE(platform.Displays().size(), 5);
        QCOMPARE(platform.Adapters().first().listMonitors.first().strDeviceId, DeviceId("ABC1234", "HDMI-A-1&UID4"));
        QVERIFY(CLinuxDisplayPlatform("/nonexistent/drm").Adapters().isEmpty());
    }

    // DISPLAY1 is DP-1 with the ZVO X27Q; screens as "name|maker|model|serial|rate", split by ';'.
    void refreshRate()
    {
        for (const auto& [szScreens, nRate] : {
                 std::pair{"DisplayPort-0|ZVO|ZVO X27Q|513|75;DP-1|||0|59.94", 59},  // named like the connector, whole hertz
                 {"HDMI-0|ABC|Other 1|513|60;DisplayPort-0|ZVO|ZVO X27Q-|513|143.86", 143},  // X11 name, same EDID
                 {"DisplayPort-0|Zavo Inc.|ZVO X27Q|513|75", 75}, {"DisplayPort-0|ABC|ZVO X27Q|513|75", -1},
                 {"DisplayPort-0|ZVO|ZVO X27Q|514|75", -1}, {"A|ZVO|ZVO X27Q|513|60;B|ZVO|ZVO X27Q|513|60.02", 60},  // twins at one rate
                 {"A|ZVO|ZVO X27Q|513|60;B|ZVO|ZVO X27Q|513|144", -1}}) {
            QList<CLinuxDisplayPlatform::Screen> listScreens;
            for (const QString& strScreen : QString(szScreens).split(';')) {
                const QStringList listParts = strScreen.split('|');
                listScreens.append({listParts.at(0), listParts.at(1), listParts.at(2), listParts.at(3), listParts.at(4).toDouble()});
            }
            CLinuxDisplayPlatform platform(Root());
            platform.SetScreenSource([listScreens] { return listScreens; });
            QVERIFY2(platform.RefreshRate("\\\\.\\DISPLAY1") == nRate && platform.RefreshRate("\\\\.\\DISPLAY9") == -1, szScreens);
        }
    }
};

QTEST_MAIN(TestLinuxPlatform)
#include "tst_linuxplatform.moc"
