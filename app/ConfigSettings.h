#pragma once

#include <QString>
#include <QVariant>

// The only access to <application directory>/SystemConfig.ini. Nothing is cached: every call
// opens the file, reads or writes one value and closes it.
QVariant GetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& defaultValue);
void SetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& value);
