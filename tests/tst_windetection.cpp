#include "ddc/DDCUtil.h"
#include "ddc/platform/DisplayDeviceId.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#ifdef Q_OS_WIN
#include "ddc/platform/WinDisplayPlatform.h"

#include <windows.h>

namespace
{
// Wine's dxva2 knows no physical monitors (GetNumberOfPhysicalMonitorsFromHMONITOR is a stub
// that fails): one per display stands in for them; everything else is Wine's own answer.
class CWineDisplayPlatform : public CWinDisplayPlatform
{
public:
    QList<Display> Displays() override
    {
        QList<Display> listDisplays = CWinDisplayPlatform::Displays();
        for (Display& display : listDisplays) {
            if (!display.bCountOk)
                display = {display.strDeviceName, 1};
        }
        return listDisplays;
    }
};

QList<MonitorInfo> Detect(CDisplayPlatform& platform)
{
    QList<MonitorInfo> listFound;
    CDDCUtil::GetInstance()->SetDisplayPlatform(&platform);
    CDDCUtil::GetInstance()->Init();
    CDDCUtil::GetInstance()->GetMonitorList(listFound);
    return listFound;
}

bool WriteRegistryEdid(const QString& strDeviceId, const QByteArray& baName)
{
    QByteArray baEdid(128, '\0');
    baEdid.replace(75, 1, "\xfc").replace(77, 13, (baName + '\n').leftJustified(13, ' '));
    const std::wstring strKey = (QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\")
                                 + CDisplayDeviceId::InstancePath(strDeviceId) + QStringLiteral("\\Device Parameters"))
                                    .toStdWString();
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, strKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr))
        return false;
    const LONG nError = RegSetValueExW(hKey, L"EDID", 0, REG_BINARY, reinterpret_cast<const BYTE*>(baEdid.constData()), 128);
    RegCloseKey(hKey);
    return nError == ERROR_SUCCESS;
}
}
#endif

// Detection through the real Win32 display layer (user32, dxva2, the registry): under Wine, the
// monitors Wine reports, named from EDIDs this suite writes into their registry keys.
class TestWinDetection : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CDDCUtil::GetInstance()->SetDisplayPlatform(nullptr); }

    void namesSystemMonitorsFromRegistryEdids()
    {
#ifndef Q_OS_WIN
        QSKIP("Win32 display layer");
#else
        // It writes below HKLM\SYSTEM: only into a Wine prefix, never a real system's registry.
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
            QSKIP("runs under Wine only");
        // What user32 reports: the active monitors adapter by adapter, and each adapter's rate.
        QStringList listIds, listNames, listSimIds;
        QList<int> listRates;
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
                listIds.append(QString::fromWCharArray(monitor.DeviceID));
                listNames.append(QStringLiteral("ZVO WINE %1").arg(listIds.size()));
                listRates.append(bRate ? int(mode.dmDisplayFrequency) : -1);
                listSimIds.append(QStringLiteral("{\"deviceId\":\"%1\"}").arg(QString(listIds.last()).replace("\\", "\\\\")));
                QVERIFY(WriteRegistryEdid(listIds.last(), listNames.last().toLatin1()));
            }
        }
        QVERIFY(!listIds.isEmpty());
        // scripts/test-windows.sh sets Wine up with two monitors.
        if (qEnvironmentVariableIsSet("ZAVO_WINE_MONITORS"))
            QCOMPARE(listIds.size(), qEnvironmentVariableIntValue("ZAVO_WINE_MONITORS"));
        // The plug-in numbers the monitors in this order.
        QVERIFY(TestSupport::UseSimConfig(QStringLiteral("{\"monitors\":[%1]}").arg(listSimIds.join(QLatin1Char(','))).toUtf8()));

        // The layer as it is: a display whose physical monitors cannot be counted is left out.
        CWinDisplayPlatform win;
        QCOMPARE(Detect(win).isEmpty(), !win.Displays().first().bCountOk);
        CWineDisplayPlatform wine;
        const QList<MonitorInfo> listFound = Detect(wine);
        QCOMPARE(listFound.size(), listIds.size());
        for (int i = 0; i < listFound.size(); ++i) {
            const MonitorInfo& found = listFound.at(i);
            QCOMPARE(QStringList({found.strDeviceId, found.strMonitorName}), QStringList({listIds.at(i), listNames.at(i)}));
            QCOMPARE(found.nMonitorId, i);
            QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(i), listRates.at(i));
        }
        qInfo("%s", qPrintable(listNames.join(QStringLiteral(", "))));
#endif
    }
};

QTEST_MAIN(TestWinDetection)
#include "tst_windetection.moc"
