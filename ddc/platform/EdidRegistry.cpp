#include "ddc/platform/EdidRegistry.h"

namespace
{
QString Normalised(const QString& strKeyPath)
{
    QString strPath = strKeyPath;
    while (strPath.endsWith(QLatin1Char('\\')))
        strPath.chop(1);
    return strPath;
}
}

void CEdidRegistry::Clear()
{
    m_listEntries.clear();
}

void CEdidRegistry::Add(const QString& strInstancePath, const QByteArray& baEdid)
{
    m_listEntries.append({QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\") + strInstancePath
                              + QStringLiteral("\\Device Parameters"),
                          baEdid});
}

bool CEdidRegistry::KeyExists(const QString& strKeyPath) const
{
    const QString strPath = Normalised(strKeyPath);
    if (strPath.isEmpty())
        return false;
    for (const Entry& entry : m_listEntries) {
        if (entry.strKeyPath.compare(strPath, Qt::CaseInsensitive) == 0
            || entry.strKeyPath.startsWith(strPath + QLatin1Char('\\'), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QStringList CEdidRegistry::SubKeys(const QString& strKeyPath) const
{
    const QString strPrefix = Normalised(strKeyPath) + QLatin1Char('\\');
    QStringList listKeys;
    for (const Entry& entry : m_listEntries) {
        if (!entry.strKeyPath.startsWith(strPrefix, Qt::CaseInsensitive))
            continue;
        const QString strChild = entry.strKeyPath.mid(strPrefix.size()).section(QLatin1Char('\\'), 0, 0);
        if (!strChild.isEmpty() && !listKeys.contains(strChild, Qt::CaseInsensitive))
            listKeys.append(strChild);
    }
    return listKeys;
}

bool CEdidRegistry::ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) const
{
    if (strValueName.compare(QLatin1String("EDID"), Qt::CaseInsensitive) != 0)
        return false;
    const QString strPath = Normalised(strKeyPath);
    for (const Entry& entry : m_listEntries) {
        if (!entry.baEdid.isEmpty() && entry.strKeyPath.compare(strPath, Qt::CaseInsensitive) == 0) {
            baValue = entry.baEdid;
            return true;
        }
    }
    return false;
}
