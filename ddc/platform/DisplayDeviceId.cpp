#include "ddc/platform/DisplayDeviceId.h"

QString CDisplayDeviceId::InterfaceGuid()
{
    return QStringLiteral("{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
}

QString CDisplayDeviceId::InstancePath(const QString& strDeviceId)
{
    QString strInstance = strDeviceId;
    if (strInstance.startsWith(QLatin1String("\\\\?\\")))
        strInstance.remove(0, 4);
    const int nGuid = strInstance.lastIndexOf(QLatin1String("#{"));
    if (nGuid >= 0)
        strInstance.truncate(nGuid);
    return strInstance.replace(QLatin1Char('#'), QLatin1Char('\\'));
}

QString CDisplayDeviceId::Compose(const QString& strModel, const QString& strInstance)
{
    return QStringLiteral("\\\\?\\DISPLAY#%1#%2#%3").arg(strModel, strInstance, InterfaceGuid());
}

QString CDisplayDeviceId::MakerCode(const QByteArray& baEdid)
{
    if (baEdid.size() < 10)
        return QString();
    // Three 5-bit letters, big-endian, 1 = 'A'.
    const int nCode = (quint8(baEdid.at(8)) << 8) | quint8(baEdid.at(9));
    QString strCode;
    for (int nShift : {10, 5, 0}) {
        const int nLetter = (nCode >> nShift) & 0x1F;
        if (nLetter < 1 || nLetter > 26)
            return QString();
        strCode.append(QLatin1Char(char('A' + nLetter - 1)));
    }
    return strCode;
}

QString CDisplayDeviceId::ProductCode(const QByteArray& baEdid)
{
    if (baEdid.size() < 12)
        return QString();
    const int nProduct = quint8(baEdid.at(10)) | (quint8(baEdid.at(11)) << 8);
    return QStringLiteral("%1").arg(nProduct, 4, 16, QLatin1Char('0')).toUpper();
}

QString CDisplayDeviceId::ModelKey(const QByteArray& baEdid)
{
    const QString strMaker = MakerCode(baEdid);
    const QString strProduct = ProductCode(baEdid);
    if (strMaker.isEmpty() || strProduct.isEmpty())
        return QStringLiteral("Default_Monitor");
    return strMaker + strProduct;
}
