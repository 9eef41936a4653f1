#include "app/ConfigSettings.h"

#include "app/SettingsLocation.h"

#include <QSettings>

#include <limits>

QVariant GetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& defaultValue)
{
    QSettings settings(SettingsLocation::Current().ConfigReadPath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    return settings.value(strGroup + QLatin1Char('/') + strKey, defaultValue);
}

int GetConfigInt(const QString& strGroup, const QString& strKey, int nDefault)
{
    bool bOk = false;
    const qlonglong nValue = GetConfigValue(strGroup, strKey, nDefault).toLongLong(&bOk);
    if (!bOk || nValue < std::numeric_limits<int>::min() || nValue > std::numeric_limits<int>::max())
        return nDefault;
    return static_cast<int>(nValue);
}

void SetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& value)
{
    QSettings settings(SettingsLocation::Current().ConfigWritePath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    settings.setValue(strGroup + QLatin1Char('/') + strKey, value);
}
