#include "ddc/DDCUtil.h"
#include "ddc/platform/DisplayDeviceId.h"
#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/EdidRegistry.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

#ifdef Q_OS_WIN
#include "ddc/platform/WinDisplayPlatform.h"

#include <windows.h>
#endif

namespace
{
const QString MONITOR_GUID = QStringLiteral("#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const QString ID_A = "\\\\?\\DISPLAY#ZVO27A1#5&1a2b3c&0&UID4353" + MONITOR_GUID;
const QString ID_B = "\\\\?\\DISPLAY#ZVO24F1#5&1a2b3c&0&UID4354" + MONITOR_GUID;
const QString DETECTED = QStringLiteral("0Display: %1, Monitor Name: %2, Manufacturer: -, Product Code: -.");

// A 128-byte EDID with a timing descriptor in slot 54 and this name in slot 72.
QByteArray Edid(const QByteArray& baName, char cTag = char(0xFC))
{
    QByteArray baEdid = QByteArray::fromHex("00ffffffffffff00") + QByteArray(120, '\0');
    baEdid.replace(54, 2, "\x09\xE5");
    return baEdid.replace(75, 15, cTag + QByteArray(1, '\0') + baName.leftJustified(13, ' ', true));
}

// What Windows would answer, as a test lays it out: DISPLAYn has one physical monitor and the
// adapter of the same name its monitors; the registry holds EDIDs by instance path.
class CFakePlatform : public CDisplayPlatform
{
public:
    QList<Display> listDisplays;
    QList<Adapter> listAdapters;
    CEdidRegistry registry;
    bool bCaseSensitive = false, bThrow = false;

    // A monitor of DISPLAYn (made with the first of its monitors) and its EDID, if any.
    CFakePlatform& Add(int nDisplay, const QString& strId, const QByteArray& baEdid = {}, const QString& strMonitor = "Monitor0", quint32 nFlags = 3)
    {
        const QString strDisplay = QStringLiteral("\\\\.\\DISPLAY%1").arg(nDisplay);
        if (listDisplays.isEmpty() || listDisplays.last().strDeviceName != strDisplay) {
            listDisplays.append(Display{strDisplay, 1});
            listAdapters.append(Adapter{strDisplay, {}});
        }
        listAdapters.last().listMonitors.append(MonitorDevice{strDisplay + '\\' + strMonitor, strId, nFlags, QString()});
        if (!baEdid.isEmpty())
            registry.Add(CDisplayDeviceId::InstancePath(strId), baEdid);
        return *this;
    }
    QList<Display> Displays() override { return listDisplays; }
    QList<Adapter> Adapters() override { return bThrow ? throw std::runtime_error("adapter walk broke") : listAdapters; }
    bool KeyExists(const QString& strKey) override { return registry.KeyExists(strKey); }
    QStringList SubKeys(const QString& strKey) override { return registry.SubKeys(strKey); }
    // A case-sensitive store misses the lower-case keys of lower-case ids; only the search,
    // which reads the keys as stored, finds their EDIDs.
    bool ReadBinaryValue(const QString& strKey, const QString& strValue, QByteArray& baValue) override
    {
        return !(bCaseSensitive && strKey.contains("\\display\\")) && registry.ReadBinaryValue(strKey, strValue, baValue);
    }
    int RefreshRate(const QString& strDisplay) override { return strDisplay.endsWith('1') ? 165 : 75; }
};

// The detected monitors as "name" or, asked for, "name id".
QStringList Names(bool bIds = false)
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    QStringList listNames;
    for (const MonitorInfo& info : listMonitors)
        listNames.append(bIds ? QStringLiteral("%1 %2").arg(info.strMonitorName).arg(info.nMonitorId) : info.strMonitorName);
    return listNames;
}

// A corpus cell: "\\" is a backslash, "\xNN" the byte NN.
QByteArray Unescaped(QByteArray baCell)
{
    for (int i = baCell.indexOf('\\'); i >= 0; i = baCell.indexOf('\\', i + 1)) {
        const bool bHex = baCell.mid(i + 1, 1) == "x";
        baCell.replace(i, bHex ? 4 : 2, bHex ? QByteArray(1, char(baCell.mid(i + 2, 2).toInt(nullptr, 16))) : QByteArray("\\"));
    }
    return baCell;
}

#ifdef Q_OS_WIN
// Wine's dxva2 knows no physical monitors (GetNumberOfPhysicalMonitorsFromHMONITOR is a stub
// that fails): one per display stands in for them; everything else is Wine's own answer.
class CWineDisplayPlatform : public CWinDisplayPlatform
{
public:
    QList<Display> Displays() override
    {
        QList<Display> listDisplays = CWinDisplayPlatform::Displays();
        for (Display& display : listDisplays)
            display = display.bCountOk ? display : Display{display.strDeviceName, 1};
        return listDisplays;
    }
};
#endif
}
Q_DECLARE_METATYPE(CFakePlatform)

// Monitor detection against a display platform laid out by each test.
class TestDetection : public QObject
{
    Q_OBJECT
private:
    CFakePlatform m_platform;

    void Detect(CDisplayPlatform& platform)
    {
        CDDCUtil::GetInstance()->SetDisplayPlatform(&platform);
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

    // Both monitors of one adapter, with the plug-in's ids and the rate of the display showing
    // them. A new detection replaces the list; one that finds nothing keeps the current monitor.
    void twoMonitorsOnOneAdapterAndRedetection()
    {
        CFakePlatform platform;
        platform.Add(1, ID_A, Edid("ZVO X27Q\n")).Add(1, ID_B, Edid("ZVO G24F\n"), "Monitor1").listDisplays[0].nPhysicalMonitors = 2;
        CLogCapture log;
        Detect(m_platform = platform);
        QCOMPARE(Names(true), (QStringList{"ZVO X27Q 1", "ZVO G24F 0"}));
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().strEdidName, QStringLiteral("ZVO X27Q"));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor", DETECTED.arg("ZVO24F1", "ZVO G24F")));
        QCOMPARE(QList<int>({CDDCUtil::GetInstance()->GetRefreshRate(1), CDDCUtil::GetInstance()->GetRefreshRate(9)}), QList<int>({165, -1}));
        m_platform.listAdapters.first().listMonitors.removeFirst();
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names(), QStringList{"ZVO G24F"});
        m_platform.listAdapters.clear();
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names().join(',') + '|' + CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName, QStringLiteral("|ZVO G24F"));
        QCOMPARE(log.Count(LOG_INFO, "CDDCUtil::Init", "===> [ZVO] monitor didn't detected! <==="), 1);
    }

    // Names: the EDID's, else the model code; ids of any case find their EDIDs; only active,
    // non-mirroring physical monitors count; a failing display or walk ends detection cleanly.
    void detection_data()
    {
        QTest::addColumn<CFakePlatform>("platform");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("logged");
        const QString strX27 = "\\\\?\\DISPLAY#zvoX27#1&UID1" + MONITOR_GUID;
        const auto one = [](const QString& strModel, const QByteArray& baEdid = {}) {
            return CFakePlatform().Add(1, "\\\\?\\DISPLAY#" + strModel + MONITOR_GUID, baEdid);
        };
        QTest::newRow("EDID name") << one("ZVO27A1#5&1&UID1", Edid("ABC\n")) << QStringList{"ABC"} << DETECTED.arg("ZVO27A1", "ABC");
        QTest::newRow("no EDID") << one("zvoX27#1&UID1") << QStringList{"X27"} << DETECTED.arg("zvoX27", "X27");
        QTest::newRow("EDID without a name") << one("zvoX27#1&UID1", Edid("X", char(0xFD))) << QStringList{"X27"} << "";
        QTest::newRow("only the maker's letters") << one("ZVO#1&UID1") << QStringList{"ZVO"} << DETECTED.arg("ZVO", "ZVO");
        QTest::newRow("maker twice, any case") << one("ZvOG24zvo#1&UID1") << QStringList{"G24"} << DETECTED.arg("ZvOG24zvo", "G24");
        QTest::newRow("other maker") << one("ABC1234#1&UID1") << QStringList{"ABC1234"} << DETECTED.arg("ABC1234", "ABC1234");
        QTest::newRow("lower-case prefix") << CFakePlatform().Add(1, "\\\\?\\display#zvog24#4&1&uid3" + MONITOR_GUID) << QStringList{""} << DETECTED.arg("", "");
        QTest::newRow("no UID") << one("Default_Monitor#DP-1") << QStringList{""} << DETECTED.arg("", "");

        const auto lower = [](const QByteArray& baRegistry, bool bCaseSensitive) {
            CFakePlatform platform;
            platform.Add(1, ID_A.toLower()).Add(2, ID_B.toLower()).bCaseSensitive = bCaseSensitive;
            for (const char c : baRegistry)
                platform.registry.Add(CDisplayDeviceId::InstancePath(c == 'A' ? ID_A : ID_B), Edid(c == 'A' ? "Alpha\n" : "Bravo\n"));
            return platform;
        };
        QTest::newRow("direct keys") << lower("AB", false) << QStringList{"Alpha", "Bravo"} << "";
        QTest::newRow("found by the search") << lower("AB", true) << QStringList{"Alpha", "Bravo"} << "";
        QTest::newRow("search, other listed first") << lower("BA", true) << QStringList{"Alpha", "Bravo"} << "";
        QTest::newRow("own EDID missing") << lower("B", false) << QStringList{"Bravo", "Bravo"} << "";

        // DISPLAY1 has one physical monitor: A's, named and flagged as the row says; B on DISPLAY2 is plain.
        const auto ab = [](const QString& strMonitor, quint32 nFlags = 1) {
            CFakePlatform platform;
            platform.Add(1, ID_A, {}, "Monitor0", nFlags).Add(2, ID_B).listAdapters[0].listMonitors[0].strDeviceName = "\\\\.\\" + strMonitor;
            return platform;
        };
        const QStringList listB{"24F1"};
        QTest::newRow("Monitor1 of one") << ab("DISPLAY1\\Monitor1") << QStringList{"27A1", "24F1"} << "";
        QTest::newRow("Monitor2 of one") << ab("DISPLAY1\\Monitor2") << listB << "";
        QTest::newRow("unknown display") << ab("DISPLAY3\\Monitor0") << listB << "";
        QTest::newRow("case differs") << ab("display1\\Monitor0") << listB << "";
        QTest::newRow("attached, inactive") << ab("DISPLAY1\\Monitor0", 0x2) << listB << "";
        QTest::newRow("active, mirroring") << ab("DISPLAY1\\Monitor0", 0x9) << listB << "";
        CFakePlatform platform = ab("DISPLAY1\\Monitor0");
        platform.listDisplays[0].bCountOk = false;
        QTest::newRow("count fails") << platform << listB << "Failed to get physical monitor count.";
        platform.listDisplays[0] = {platform.listDisplays[0].strDeviceName, 1, true, false};
        QTest::newRow("monitors fail") << platform << listB << "Failed to get physical monitors.";
        platform.listDisplays[0].bMonitorsOk = platform.bThrow = true;
        QTest::newRow("walk throws") << platform << QStringList() << "Monitor detection failed: adapter walk broke";
    }
    void detection()
    {
        QFETCH(CFakePlatform, platform);
        QFETCH(QStringList, names);
        QFETCH(QString, logged);
        QSignalSpy spy(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished);
        CLogCapture log;
        Detect(m_platform = platform);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(Names(), names);
        const bool bError = !logged.isEmpty() && !logged.startsWith("0Display");
        QVERIFY2(logged.isEmpty() || log.Has(bError ? LOG_ERROR : LOG_INFO, "CDDCUtil::DetectMonitor", logged), qPrintable(log.Lines().join('\n')));
        QCOMPARE(log.Lines().filter(QStringLiteral("[%1] CDDCUtil::DetectMonitor").arg(Logger::LevelWord(LOG_ERROR))).size(), int(bError));
    }

    // Every monitor of the corpus gets its display_name, and only the unreadable ones log an error.
    void realMonitors()
    {
        const QString strCorpus = QFINDTESTDATA("data/edid/corpus.tsv");
        const QList<QByteArray> listLines = TestSupport::ReadAll(strCorpus).trimmed().split('\n');
        const QList<QByteArray> listHeader = listLines.first().split('\t');
        QStringList listWrong;
        for (const QByteArray& baLine : listLines.mid(1)) {
            const QList<QByteArray> listCells = baLine.split('\t');
            const auto cell = [&](const char* szColumn) { return listCells.value(listHeader.indexOf(szColumn)); };
            const QByteArray baHex = TestSupport::ReadAll(QFileInfo(strCorpus).absolutePath() + '/' + QString::fromUtf8(cell("file"))).trimmed();
            const bool bTooShort = cell("name") == "<error>";
            const QByteArray baName = bTooShort ? QByteArray() : Unescaped(cell("display_name"));
            const bool bNoName = !bTooShort && baName.isEmpty() && cell("flags").split(',').contains("no_name");
            CLogCapture log;
            const QString strName = CDDCUtil::ParseMonitorNameFromEdid(QString::fromLatin1(baHex));
            const QString strError = bTooShort ? "Invalid EDID data. Size too small." : "Monitor Name (FC block) not found in EDID.";
            const int nErrors = log.Count(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", strError);
            if (strName != QString::fromLocal8Bit(baName) || log.Lines().size() != nErrors || nErrors != int(bTooShort || bNoName))
                listWrong << QStringLiteral("%1: %2 %3").arg(QString::fromUtf8(cell("file")), strName, log.Lines().join(' '));
        }
        QCOMPARE(listLines.size(), 265);
        QVERIFY2(listWrong.isEmpty(), qPrintable(listWrong.join('\n')));
    }

    // The real Win32 display layer (user32, dxva2, the registry) under Wine: the monitors Wine
    // reports, named from EDIDs written into their registry keys.
    void win32Layer()
    {
#ifndef Q_OS_WIN
        QSKIP("Win32 display layer");
#else
        // It writes below HKLM\SYSTEM: only into a Wine prefix, never a real system's registry.
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
            QSKIP("runs under Wine only");
        // What user32 reports: the active monitors adapter by adapter, and each adapter's rate.
        QStringList listExpected, listSimIds;
        QList<int> listRates, listSeenRates;
        DISPLAY_DEVICEW adapter = {};
        adapter.cb = sizeof(adapter);
        for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &adapter, 0); ++i) {
            DEVMODEW mode = {};
            mode.dmSize = sizeof(mode);
            // 0 and 1 stand for the hardware's default: no rate (Wine says 0 for a second display).
            const bool bRate = EnumDisplaySettingsW(adapter.DeviceName, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1;
            DISPLAY_DEVICEW monitor = {};
            monitor.cb = sizeof(monitor);
            for (DWORD j = 0; EnumDisplayDevicesW(adapter.DeviceName, j, &monitor, EDD_GET_DEVICE_INTERFACE_NAME); ++j) {
                if (!(monitor.StateFlags & DISPLAY_DEVICE_ACTIVE))
                    continue;
                const QString strId = QString::fromWCharArray(monitor.DeviceID), strName = QStringLiteral("ZVO WINE %1").arg(listRates.size());
                listExpected.append(strName + ' ' + QString::number(listRates.size()));
                listRates.append(bRate ? int(mode.dmDisplayFrequency) : -1);
                listSimIds.append(QStringLiteral("{\"deviceId\":\"%1\"}").arg(QString(strId).replace("\\", "\\\\")));
                const std::wstring strKey = ("SYSTEM\\CurrentControlSet\\Enum\\" + CDisplayDeviceId::InstancePath(strId) + "\\Device Parameters").toStdWString();
                const QByteArray baEdid = Edid(strName.toLatin1() + '\n');
                QVERIFY(RegSetKeyValueW(HKEY_LOCAL_MACHINE, strKey.c_str(), L"EDID", REG_BINARY, baEdid.constData(), 128) == ERROR_SUCCESS);
            }
        }
        // scripts/test-windows.sh sets Wine up with two monitors.
        QVERIFY(!listRates.isEmpty() && (!qEnvironmentVariableIsSet("ZAVO_WINE_MONITORS") || listRates.size() == qEnvironmentVariableIntValue("ZAVO_WINE_MONITORS")));
        // The plug-in numbers the monitors in this order.
        QVERIFY(TestSupport::UseSimConfig(QStringLiteral("{\"monitors\":[%1]}").arg(listSimIds.join(',')).toUtf8()));
        // The layer as it is: a display whose physical monitors cannot be counted is left out.
        CWinDisplayPlatform win;
        Detect(win);
        QCOMPARE(Names().isEmpty(), !win.Displays().first().bCountOk);
        CWineDisplayPlatform wine;
        Detect(wine);
        QCOMPARE(Names(true), listExpected);
        for (int i = 0; i < listRates.size(); ++i)
            listSeenRates.append(CDDCUtil::GetInstance()->GetRefreshRate(i));
        QCOMPARE(listSeenRates, listRates);
#endif
    }
};

QTEST_MAIN(TestDetection)
#include "tst_detection.moc"
