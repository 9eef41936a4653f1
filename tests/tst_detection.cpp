#include "ddc/DDCUtil.h"
#include "ddc/platform/DisplayDeviceId.h"
#include "ddc/platform/DisplayPlatform.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

namespace
{
const QString MONITOR_GUID = QStringLiteral("#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const QString ID_A = "\\\\?\\DISPLAY#ZVO27A1#5&1a2b3c&0&UID4353" + MONITOR_GUID;
const QString ID_B = "\\\\?\\DISPLAY#ZVO24F1#5&1a2b3c&0&UID4354" + MONITOR_GUID;
const QString ENUM = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\");
const QString DETECTED = QStringLiteral("0Display: %1, Monitor Name: %2, Manufacturer: -, Product Code: -.");

// A 128-byte EDID with a timing descriptor in slot 54 and this name in slot 72.
QByteArray Edid(const QByteArray& baName, char cTag = char(0xFC))
{
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff00") + QByteArray(120, '\0');
    baEdid.replace(54, 2, "\x09\xE5");
    return baEdid.replace(75, 15, cTag + QByteArray(1, '\0') + baName.leftJustified(13, ' ', true));
}

// What Windows would answer, as a test lays it out: DISPLAYn has one physical monitor and the
// adapter of the same name its monitors. The registry holds EDIDs by instance path and compares
// without regard to case; a case-sensitive store shows whether the search is used.
class CFakePlatform : public CDisplayPlatform
{
public:
    QList<Display> listDisplays;
    QList<Adapter> listAdapters;
    QList<QPair<QString, QByteArray>> listRegistry;
    Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive;
    bool bThrow = false;

    CFakePlatform& Add(int nDisplay, const QString& strId, const QString& strMonitor = "Monitor0", quint32 nFlags = 0x3)
    {
        const QString strDisplay = QStringLiteral("\\\\.\\DISPLAY%1").arg(nDisplay);
        if (listDisplays.isEmpty() || listDisplays.last().strDeviceName != strDisplay) {
            listDisplays.append(Display{strDisplay, 1});
            listAdapters.append(Adapter{strDisplay, {}});
        }
        listAdapters.last().listMonitors.append(MonitorDevice{strDisplay + '\\' + strMonitor, strId, nFlags, QString()});
        return *this;
    }
    QList<Display> Displays() override { return listDisplays; }
    QList<Adapter> Adapters() override
    {
        if (bThrow)
            throw std::runtime_error("adapter walk broke");
        return listAdapters;
    }
    bool KeyExists(const QString& strKey) override { return !strKey.compare(ENUM + "DISPLAY", caseSensitivity) && !listRegistry.isEmpty(); }
    QStringList SubKeys(const QString& strKey) override
    {
        QStringList listKeys;
        for (const auto& entry : qAsConst(listRegistry)) {
            if ((ENUM + entry.first).startsWith(strKey + '\\', caseSensitivity))
                listKeys.append((ENUM + entry.first).mid(strKey.size() + 1).section('\\', 0, 0));
        }
        listKeys.removeDuplicates();
        return listKeys;
    }
    bool ReadBinaryValue(const QString& strKey, const QString& strValue, QByteArray& baValue) override
    {
        for (const auto& entry : qAsConst(listRegistry)) {
            if (strValue == "EDID" && !entry.second.isEmpty() && !strKey.compare(ENUM + entry.first + "\\Device Parameters", caseSensitivity)) {
                baValue = entry.second;
                return true;
            }
        }
        return false;
    }
    int RefreshRate(const QString& strDisplay) override { return strDisplay.endsWith('1') ? 165 : 75; }
};

QStringList Names()
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    QStringList listNames;
    for (const MonitorInfo& info : listMonitors)
        listNames.append(info.strMonitorName);
    return listNames;
}
}

// Monitor detection against a display platform laid out by each test.
class TestDetection : public QObject
{
    Q_OBJECT
private:
    CFakePlatform m_platform;

    void Detect(const CFakePlatform& platform)
    {
        m_platform = platform;
        CDDCUtil::GetInstance()->SetDisplayPlatform(&m_platform);
        CDDCUtil::GetInstance()->Init();
    }

private slots:
    // The simulated plug-in knows B as 0 and A as 1.
    void init()
    {
        const QString strJson = QStringLiteral("{\"monitors\":[{\"deviceId\":\"%1\"},{\"deviceId\":\"%2\"}]}").arg(ID_B, ID_A);
        QVERIFY(TestSupport::UseSimConfig(QString(strJson).replace("\\", "\\\\").toUtf8()));
    }
    void cleanup() { CDDCUtil::GetInstance()->SetDisplayPlatform(nullptr); }

    void twoMonitorsOnOneAdapterAndRedetection()
    {
        CFakePlatform platform;
        platform.Add(1, ID_A).Add(1, ID_B, "Monitor1").listDisplays[0].nPhysicalMonitors = 2;
        platform.listRegistry = {{CDisplayDeviceId::InstancePath(ID_A), Edid("ZVO X27Q\n")}, {CDisplayDeviceId::InstancePath(ID_B), Edid("ZVO G24F\n")}};
        CLogCapture log;
        Detect(platform);
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QCOMPARE(Names(), (QStringList{"ZVO X27Q", "ZVO G24F"}));
        QCOMPARE(listMonitors.at(0).strEdidName, QStringLiteral("ZVO X27Q"));
        QCOMPARE(QList<int>({listMonitors.at(0).nMonitorId, listMonitors.at(1).nMonitorId}), QList<int>({1, 0}));
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 1);
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor", DETECTED.arg("ZVO27A1", "ZVO X27Q")));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor", DETECTED.arg("ZVO24F1", "ZVO G24F")));
        // The rate of the display showing each monitor, by monitor id.
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(1), 165);
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(9), -1);

        // A new detection replaces the list; one that finds nothing keeps the current monitor.
        m_platform.listAdapters.first().listMonitors.removeFirst();
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names(), QStringList{"ZVO G24F"});
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName, QStringLiteral("ZVO G24F"));
        m_platform.listAdapters.clear();
        CDDCUtil::GetInstance()->Init();
        QVERIFY(Names().isEmpty());
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName, QStringLiteral("ZVO G24F"));
        QCOMPARE(log.Count(LOG_INFO, "CDDCUtil::Init", "===> [ZVO] monitor didn't detected! <==="), 1);
    }

    // The EDID's name, else the model code of the device id without the maker's letters.
    void naming_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<QByteArray>("edid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("logModel");
        QTest::addColumn<QString>("error");
        const QString strX27 = "\\\\?\\DISPLAY#zvoX27#1&UID1" + MONITOR_GUID;
        QTest::newRow("EDID name") << ID_A << Edid("ABC\n") << "ABC" << "ZVO27A1" << "";
        QTest::newRow("no EDID") << strX27 << QByteArray() << "X27" << "zvoX27" << "";
        QTest::newRow("only the maker's letters") << "\\\\?\\DISPLAY#ZVO#1&UID1" + MONITOR_GUID << QByteArray() << "ZVO" << "ZVO" << "";
        QTest::newRow("maker twice, any case") << "\\?\\DISPLAY#ZvOG24zvo#1&UID1" + MONITOR_GUID << QByteArray() << "G24" << "ZvOG24zvo" << "";
        QTest::newRow("other maker") << "\\\\?\\DISPLAY#ABC1234#1&UID1" + MONITOR_GUID << QByteArray() << "ABC1234" << "ABC1234" << "";
        QTest::newRow("lower-case prefix") << "\\\\?\\display#zvog24#4&1&uid3" + MONITOR_GUID << QByteArray() << "" << "" << "";
        QTest::newRow("no UID") << "\\\\?\\DISPLAY#Default_Monitor#DP-1" + MONITOR_GUID << QByteArray() << "" << "" << "";
        QTest::newRow("EDID without a name") << strX27 << Edid("X", char(0xFD)) << "X27" << "zvoX27"
                                             << "Monitor Name (FC block) not found in EDID.";
        QTest::newRow("EDID too short") << strX27 << Edid("X").left(100) << "X27" << "zvoX27" << "Invalid EDID data. Size too small.";
    }
    void naming()
    {
        QFETCH(QString, deviceId);
        QFETCH(QByteArray, edid);
        QFETCH(QString, name);
        QFETCH(QString, logModel);
        QFETCH(QString, error);
        CFakePlatform platform;
        platform.Add(1, deviceId);
        if (!edid.isEmpty())
            platform.listRegistry = {{CDisplayDeviceId::InstancePath(deviceId), edid}};
        CLogCapture log;
        Detect(platform);
        QCOMPARE(Names(), QStringList{name});
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().strEdidName.isNull(), name != "ABC");
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor", DETECTED.arg(logModel, name)));
        QCOMPARE(log.CountLevel(LOG_ERROR), error.isEmpty() ? 0 : 1);
        QVERIFY(error.isEmpty() || log.Has(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", error));
    }

    // B's EDID is found under its key even when the ids and the store disagree on case; A
    // without an EDID of its own takes the first one the search reads.
    void eachMonitorGetsItsOwnEdid_data()
    {
        QTest::addColumn<bool>("caseSensitiveStore");
        QTest::addColumn<bool>("reverseRegistry");
        QTest::addColumn<bool>("edidOfAMissing");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("direct keys, lower-case ids") << false << false << false << QStringList{"Alpha", "Bravo"};
        QTest::newRow("found by the search") << true << false << false << QStringList{"Alpha", "Bravo"};
        QTest::newRow("search, other listed first") << true << true << false << QStringList{"Alpha", "Bravo"};
        QTest::newRow("own EDID missing") << false << false << true << QStringList{"Bravo", "Bravo"};
    }
    void eachMonitorGetsItsOwnEdid()
    {
        QFETCH(bool, caseSensitiveStore);
        QFETCH(bool, reverseRegistry);
        QFETCH(bool, edidOfAMissing);
        QFETCH(QStringList, names);
        CFakePlatform platform;
        platform.Add(1, ID_A.toLower()).Add(2, ID_B.toLower()).caseSensitivity = caseSensitiveStore ? Qt::CaseSensitive : Qt::CaseInsensitive;
        platform.listRegistry = {{CDisplayDeviceId::InstancePath(ID_A), edidOfAMissing ? QByteArray() : Edid("Alpha\n")},
                                 {CDisplayDeviceId::InstancePath(ID_B), Edid("Bravo\n")}};
        if (reverseRegistry)
            std::reverse(platform.listRegistry.begin(), platform.listRegistry.end());
        Detect(platform);
        QCOMPARE(Names(), names);
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(0), 75);
    }

    // Which monitors count: DISPLAY1 has one physical monitor, A's monitor is named and flagged
    // as the row says; B on DISPLAY2 is plain. A failing display is skipped, a failing walk ends
    // the detection; either way it finishes.
    void whichMonitorsCount_data()
    {
        QTest::addColumn<QString>("monitor");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("error");
        const QStringList listB{"24F1"};
        QTest::newRow("Monitor1 of one") << "\\\\.\\DISPLAY1\\Monitor1" << 0x1u << 0 << QStringList{"27A1", "24F1"} << "";
        QTest::newRow("Monitor2 of one") << "\\\\.\\DISPLAY1\\Monitor2" << 0x1u << 0 << listB << "";
        QTest::newRow("unknown display") << "\\\\.\\DISPLAY3\\Monitor0" << 0x1u << 0 << listB << "";
        QTest::newRow("case differs") << "\\\\.\\display1\\Monitor0" << 0x1u << 0 << listB << "";
        QTest::newRow("attached, inactive") << "\\\\.\\DISPLAY1\\Monitor0" << 0x2u << 0 << listB << "";
        QTest::newRow("active, mirroring") << "\\\\.\\DISPLAY1\\Monitor0" << 0x9u << 0 << listB << "";
        QTest::newRow("count fails") << "\\\\.\\DISPLAY1\\Monitor0" << 0x1u << 1 << listB << "Failed to get physical monitor count.";
        QTest::newRow("monitors fail") << "\\\\.\\DISPLAY1\\Monitor0" << 0x1u << 2 << listB << "Failed to get physical monitors.";
        QTest::newRow("walk throws") << "\\\\.\\DISPLAY1\\Monitor0" << 0x1u << 3 << QStringList()
                                     << "Monitor detection failed: adapter walk broke";
    }
    void whichMonitorsCount()
    {
        QFETCH(QString, monitor);
        QFETCH(uint, flags);
        QFETCH(int, failure);
        QFETCH(QStringList, names);
        QFETCH(QString, error);
        CFakePlatform platform;
        platform.Add(1, ID_A, "Monitor0", flags).Add(2, ID_B).bThrow = failure == 3;
        platform.listAdapters[0].listMonitors[0].strDeviceName = monitor;
        platform.listDisplays[0].bCountOk = failure != 1;
        platform.listDisplays[0].bMonitorsOk = failure != 2;
        QSignalSpy spy(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished);
        CLogCapture log;
        Detect(platform);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(Names(), names);
        QCOMPARE(log.CountLevel(LOG_ERROR), error.isEmpty() ? 0 : 1);
        QVERIFY(error.isEmpty() || log.Has(LOG_ERROR, "CDDCUtil::DetectMonitor", error));
    }
};

QTEST_MAIN(TestDetection)
#include "tst_detection.moc"
