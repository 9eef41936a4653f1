#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// EDIDs laid out as Windows keeps them: value "EDID" of
// HKLM\SYSTEM\CurrentControlSet\Enum\<instance path>\Device Parameters. Platforms without a
// registry serve detection's registry reads from it. Key names compare without regard to case,
// as the registry's do.
class CEdidRegistry
{
public:
    void Clear();
    // An empty EDID leaves the key without the value, as for a monitor that gave none.
    void Add(const QString& strInstancePath, const QByteArray& baEdid);

    bool KeyExists(const QString& strKeyPath) const;
    QStringList SubKeys(const QString& strKeyPath) const;
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) const;

private:
    struct Entry
    {
        QString strKeyPath;     // "SYSTEM\CurrentControlSet\Enum\DISPLAY\ZVO27A1\1&UID1\Device Parameters"
        QByteArray baEdid;
    };
    QList<Entry> m_listEntries;
};
