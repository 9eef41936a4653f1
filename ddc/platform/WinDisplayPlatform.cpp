#include "ddc/platform/WinDisplayPlatform.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QGuiApplication>
#include <QScreen>
#include <QVector>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include <windows.h>

#include <physicalmonitorenumerationapi.h>

namespace
{
struct KeyCloser
{
    void operator()(HKEY hKey) const { RegCloseKey(hKey); }
};
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

KeyHandle OpenKey(const QString& strKeyPath)
{
    const std::wstring strPath = strKeyPath.toStdWString();
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, strPath.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return KeyHandle();
    return KeyHandle(hKey);
}

BOOL CALLBACK CollectMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    reinterpret_cast<QVector<HMONITOR>*>(lParam)->append(hMonitor);
    return TRUE;
}
}

QList<CDisplayPlatform::Display> CWinDisplayPlatform::Displays()
{
    QVector<HMONITOR> vecMonitors;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&vecMonitors));

    QList<Display> listDisplays;
    for (HMONITOR hMonitor : qAsConst(vecMonitors)) {
        Display display;
        MONITORINFOEXW info = {};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(hMonitor, reinterpret_cast<LPMONITORINFO>(&info)))
            display.strDeviceName = QString::fromWCharArray(info.szDevice);

        DWORD nCount = 0;
        if (!GetNumberOfPhysicalMonitorsFromHMONITOR(hMonitor, &nCount)) {
            display.bCountOk = false;
        } else {
            display.nPhysicalMonitors = static_cast<int>(nCount);
            if (nCount > 0) {
                // Only the count is used; the handles go straight back.
                std::vector<PHYSICAL_MONITOR> vecPhysical(nCount);
                if (GetPhysicalMonitorsFromHMONITOR(hMonitor, nCount, vecPhysical.data()))
                    DestroyPhysicalMonitors(nCount, vecPhysical.data());
                else
                    display.bMonitorsOk = false;
            }
        }
        listDisplays.append(display);
    }
    return listDisplays;
}

QList<CDisplayPlatform::Adapter> CWinDisplayPlatform::Adapters()
{
    QList<Adapter> listAdapters;
    for (DWORD i = 0;; ++i) {
        DISPLAY_DEVICEW adapterDevice = {};
        adapterDevice.cb = sizeof(adapterDevice);
        if (!EnumDisplayDevicesW(nullptr, i, &adapterDevice, 0))
            break;
        Adapter adapter;
        adapter.strDeviceName = QString::fromWCharArray(adapterDevice.DeviceName);
        for (DWORD j = 0;; ++j) {
            DISPLAY_DEVICEW monitorDevice = {};
            monitorDevice.cb = sizeof(monitorDevice);
            if (!EnumDisplayDevicesW(adapterDevice.DeviceName, j, &monitorDevice, EDD_GET_DEVICE_INTERFACE_NAME))
                break;
            MonitorDevice monitor;
            monitor.strDeviceName = QString::fromWCharArray(monitorDevice.DeviceName);
            monitor.strDeviceId = QString::fromWCharArray(monitorDevice.DeviceID);
            monitor.nStateFlags = static_cast<quint32>(monitorDevice.StateFlags);
            adapter.listMonitors.append(monitor);
        }
        listAdapters.append(adapter);
    }
    return listAdapters;
}

bool CWinDisplayPlatform::KeyExists(const QString& strKeyPath)
{
    return OpenKey(strKeyPath) != nullptr;
}

QStringList CWinDisplayPlatform::SubKeys(const QString& strKeyPath)
{
    QStringList listKeys;
    const KeyHandle hKey = OpenKey(strKeyPath);
    if (!hKey)
        return listKeys;
    for (DWORD i = 0;; ++i) {
        wchar_t szName[256] = {};
        DWORD nLength = 256;
        if (RegEnumKeyExW(hKey.get(), i, szName, &nLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        listKeys.append(QString::fromWCharArray(szName, static_cast<int>(nLength)));
    }
    return listKeys;
}

bool CWinDisplayPlatform::ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue)
{
    const KeyHandle hKey = OpenKey(strKeyPath);
    if (!hKey)
        return false;
    const std::wstring strName = strValueName.toStdWString();
    DWORD nType = 0;
    DWORD nSize = 0;
    if (RegQueryValueExW(hKey.get(), strName.c_str(), nullptr, &nType, nullptr, &nSize) != ERROR_SUCCESS
        || nType != REG_BINARY)
        return false;
    QByteArray baData(static_cast<int>(nSize), '\0');
    if (RegQueryValueExW(hKey.get(), strName.c_str(), nullptr, nullptr, reinterpret_cast<LPBYTE>(baData.data()), &nSize)
        != ERROR_SUCCESS)
        return false;
    baData.truncate(static_cast<int>(nSize));
    baValue = baData;
    return true;
}

int CWinDisplayPlatform::RefreshRate(const QString& strDisplayName)
{
    int nQtRate = -1;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (QScreen* pScreen : QGuiApplication::screens()) {
            if (pScreen->name() == strDisplayName) {
                nQtRate = static_cast<int>(pScreen->refreshRate()); // truncated: 59.94 is 59
                break;
            }
        }
    }
    const std::wstring strName = strDisplayName.toStdWString();
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    // 0 and 1 stand for the hardware's default rate, which says nothing.
    if (EnumDisplaySettingsW(strName.c_str(), ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1)
        return static_cast<int>(mode.dmDisplayFrequency);
    return nQtRate;
}

#endif
