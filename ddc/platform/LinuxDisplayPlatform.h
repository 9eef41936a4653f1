#pragma once

#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/EdidRegistry.h"

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

    explicit CLinuxDisplayPlatform(const QString& strDrmRoot = QStringLiteral("/sys/class/drm"));

    QList<Display> Displays() override;
    QList<Adapter> Adapters() override;
    bool KeyExists(const QString& strKeyPath) override;
    QStringList SubKeys(const QString& strKeyPath) override;
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) override;
    int RefreshRate(const QString& strDisplayName) override;

    // Re-reads sysfs; the active connectors in display order.
    QList<Connector> Scan();

private:
    void ScanOnce();

    QString m_strDrmRoot;
    bool m_bScanned = false;
    QList<Connector> m_listConnectors;
    CEdidRegistry m_registry;
};
