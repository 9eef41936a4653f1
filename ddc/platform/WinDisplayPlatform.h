#pragma once

#include "ddc/platform/DisplayPlatform.h"

// The Windows answers: user32 display enumeration, dxva2 physical monitors, the registry below
// HKLM and the current display settings. Only the calls; detection decides above.
class CWinDisplayPlatform : public CDisplayPlatform
{
public:
    QList<Display> Displays() override;
    QList<Adapter> Adapters() override;
    bool KeyExists(const QString& strKeyPath) override;
    QStringList SubKeys(const QString& strKeyPath) override;
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) override;
    int RefreshRate(const QString& strDisplayName) override;
};
