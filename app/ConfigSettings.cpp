#include "app/ConfigSettings.h"

#include "ddc/VcpCodes.h"

#include <QCoreApplication>
#include <QSettings>

namespace
{
QString ConfigFilePath()
{
    return QCoreApplication::applicationDirPath() + CONFIG_FILE_NAME;
}
}

QVariant GetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& defaultValue)
{
    QSettings settings(ConfigFilePath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    return settings.value(strGroup + QLatin1Char('/') + strKey, defaultValue);
}

void SetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& value)
{
    QSettings settings(ConfigFilePath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    settings.setValue(strGroup + QLatin1Char('/') + strKey, value);
}
