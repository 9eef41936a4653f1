#pragma once

#include <QString>
#include <QVariant>

// The only access to SystemConfig.ini, in the folder SettingsLocation chooses. Nothing is cached: every call
// opens the file, reads or writes one value and closes it.
QVariant GetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& defaultValue);
void SetConfigValue(const QString& strGroup, const QString& strKey, const QVariant& value);
// An integer key: a value that is missing, not a whole number or out of int range reads as the
// default (QVariant::toInt would keep the low 32 bits of 4294967297 and call it 1).
int GetConfigInt(const QString& strGroup, const QString& strKey, int nDefault);
