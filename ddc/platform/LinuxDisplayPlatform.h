#pragma once

#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/EdidRegistry.h"

#include <functional>

// Displays from DRM sysfs: every connected, enabled connector (<root>/card*-*) is one display
// with one monitor. Device IDs take the Windows shape,
// "\\?\DISPLAY#<maker><product>#<connector>&UID<i2c bus>#{guid}", and the EDIDs are served
// under the matching registry keys, so detection runs unchanged.
class CLinuxDisplayPlatform : public CDisplayPlatform
{
public:
    struct Connector
    {
        QString strName;            // "DP-1"
        QString strDisplayName;     // "\\.\DISPLAY1"
        QString strDeviceId;
        QByteArray baEdid;
        int nI2cBus = -1;           // from the connector's ddc link; -1 without one
    };

    // A screen as Qt describes it; maker, model and serial are Qt's reading of the EDID.
    struct Screen
    {
        QString strName;            // "DP-1" on Wayland, often "DisplayPort-0" on X11
        QString strManufacturer;    // a vendor name where Qt knows one, else the maker code
        QString strModel;
        QString strSerial;
        qreal dRefreshRate = 0;
    };
    using ScreenSource = std::function<QList<Screen>()>;

    explicit CLinuxDisplayPlatform(const QString& strDrmRoot = QStringLiteral("/sys/class/drm"));

    QList<Display> Displays() override;
    QList<Adapter> Adapters() override;
    bool KeyExists(const QString& strKeyPath) override;
    QStringList SubKeys(const QString& strKeyPath) override;
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) override;
    int RefreshRate(const QString& strDisplayName) override;

    // Re-reads sysfs; the active connectors in display order.
    QList<Connector> Scan();

    // Tests describe the screens themselves; null goes back to the application's.
    void SetScreenSource(ScreenSource fnScreens);

    // Whole hertz of the screen showing the connector: the screen of the connector's name, else
    // the screens whose EDID identity is the connector's, when they agree; -1 otherwise.
    static int RefreshRateOf(const Connector& connector, const QList<Screen>& listScreens);

private:
    void ScanOnce();

    QString m_strDrmRoot;
    bool m_bScanned = false;
    QList<Connector> m_listConnectors;
    CEdidRegistry m_registry;
    ScreenSource m_fnScreens;
};
