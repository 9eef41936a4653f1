#include "ddc/platform/LinuxDisplayPlatform.h"

#include "ddc/platform/DisplayDeviceId.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

namespace
{
const quint32 MONITOR_ACTIVE_ATTACHED = 0x1 | 0x2;

QByteArray ReadSysfsFile(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    // sysfs reports no size; read to the end.
    return file.readAll();
}

QString ReadSysfsText(const QString& strPath)
{
    return QString::fromLatin1(ReadSysfsFile(strPath)).trimmed();
}

int I2cBusOf(const QString& strConnectorDir)
{
    const QFileInfo link(strConnectorDir + QStringLiteral("/ddc"));
    if (!link.isSymLink())
        return -1;
    static const QRegularExpression s_reBus(QStringLiteral("^i2c-(\\d+)$"));
    const QRegularExpressionMatch match = s_reBus.match(QFileInfo(link.symLinkTarget()).fileName());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// "card1-DP-10" after "card1-DP-2": runs of digits compare as numbers.
bool NaturalLess(const QString& strLeft, const QString& strRight)
{
    int i = 0;
    int j = 0;
    while (i < strLeft.size() && j < strRight.size()) {
        if (strLeft.at(i).isDigit() && strRight.at(j).isDigit()) {
            int nEndLeft = i;
            while (nEndLeft < strLeft.size() && strLeft.at(nEndLeft).isDigit())
                ++nEndLeft;
            int nEndRight = j;
            while (nEndRight < strRight.size() && strRight.at(nEndRight).isDigit())
                ++nEndRight;
            const qulonglong nLeft = strLeft.midRef(i, nEndLeft - i).toULongLong();
            const qulonglong nRight = strRight.midRef(j, nEndRight - j).toULongLong();
            if (nLeft != nRight)
                return nLeft < nRight;
            i = nEndLeft;
            j = nEndRight;
            continue;
        }
        if (strLeft.at(i) != strRight.at(j))
            return strLeft.at(i) < strRight.at(j);
        ++i;
        ++j;
    }
    return strLeft.size() - i < strRight.size() - j;
}

// ASCII letters and digits only, upper case: Qt turns line feeds and other unprintable bytes of
// EDID texts into dashes or drops them, depending on its version.
QString Comparable(const QByteArray& baText)
{
    QString strText;
    for (char c : baText) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            strText.append(QChar::fromLatin1(c).toUpper());
    }
    return strText;
}

// Text of the last display descriptor with this tag, as Qt takes it.
QByteArray DescriptorText(const QByteArray& baEdid, quint8 nTag)
{
    QByteArray baText;
    for (int nSlot : {54, 72, 90, 108}) {
        if (baEdid.size() >= nSlot + 18 && baEdid.at(nSlot) == 0 && baEdid.at(nSlot + 1) == 0
            && baEdid.at(nSlot + 2) == 0 && quint8(baEdid.at(nSlot + 3)) == nTag)
            baText = baEdid.mid(nSlot + 5, 13);
    }
    return baText;
}

struct EdidIdentity
{
    QString strMaker;
    QString strModel;
    QString strSerial;
};

EdidIdentity IdentityOf(const QByteArray& baEdid)
{
    EdidIdentity identity;
    if (baEdid.size() < 128)
        return identity;
    identity.strMaker = CDisplayDeviceId::MakerCode(baEdid);
    identity.strModel = Comparable(DescriptorText(baEdid, 0xFC));
    identity.strSerial = Comparable(DescriptorText(baEdid, 0xFF));
    if (identity.strSerial.isEmpty()) {
        const quint32 nSerial = quint8(baEdid.at(12)) | (quint8(baEdid.at(13)) << 8) | (quint8(baEdid.at(14)) << 16)
            | (quint32(quint8(baEdid.at(15))) << 24);
        if (nSerial > 0)
            identity.strSerial = QString::number(nSerial);
    }
    return identity;
}

bool SameMonitor(const EdidIdentity& identity, const CLinuxDisplayPlatform::Screen& screen)
{
    if (identity.strModel.isEmpty() && identity.strSerial.isEmpty())
        return false;
    // Qt names the maker by vendor where it knows one; only a bare maker code can disagree.
    static const QRegularExpression s_reMakerCode(QStringLiteral("^[A-Z]{3}$"));
    if (s_reMakerCode.match(screen.strManufacturer).hasMatch() && screen.strManufacturer != identity.strMaker)
        return false;
    return Comparable(screen.strModel.toLatin1()) == identity.strModel
        && Comparable(screen.strSerial.toLatin1()) == identity.strSerial;
}

// A fractional rate counts its whole hertz only: 59.94 is 59.
int WholeHertz(qreal dRate)
{
    return dRate >= 1 ? static_cast<int>(dRate) : -1;
}

QList<CLinuxDisplayPlatform::Screen> ApplicationScreens()
{
    QList<CLinuxDisplayPlatform::Screen> listScreens;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return listScreens;
    for (QScreen* pScreen : QGuiApplication::screens())
        listScreens.append({pScreen->name(), pScreen->manufacturer(), pScreen->model(), pScreen->serialNumber(),
                            pScreen->refreshRate()});
    return listScreens;
}
}

CLinuxDisplayPlatform::CLinuxDisplayPlatform(const QString& strDrmRoot)
    : m_strDrmRoot(strDrmRoot)
{
}

QList<CLinuxDisplayPlatform::Connector> CLinuxDisplayPlatform::Scan()
{
    static const QRegularExpression s_reConnector(QStringLiteral("^card\\d+-(.+)$"));

    QStringList listEntries = QDir(m_strDrmRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(listEntries.begin(), listEntries.end(), NaturalLess);

    m_listConnectors.clear();
    m_registry.Clear();
    for (const QString& strEntry : qAsConst(listEntries)) {
        const QRegularExpressionMatch match = s_reConnector.match(strEntry);
        if (!match.hasMatch())
            continue;
        const QString strDir = m_strDrmRoot + QLatin1Char('/') + strEntry;
        if (ReadSysfsText(strDir + QStringLiteral("/status")) != QLatin1String("connected")
            || ReadSysfsText(strDir + QStringLiteral("/enabled")) != QLatin1String("enabled"))
            continue;

        Connector connector;
        connector.strName = match.captured(1);
        connector.strDisplayName = QStringLiteral("\\\\.\\DISPLAY%1").arg(m_listConnectors.size() + 1);
        connector.baEdid = ReadSysfsFile(strDir + QStringLiteral("/edid"));
        connector.nI2cBus = I2cBusOf(strDir);
        // Without a bus there is no DDC/CI; the monitor is still listed, as Windows lists it.
        const QString strInstance = connector.nI2cBus >= 0
            ? QStringLiteral("%1&UID%2").arg(connector.strName).arg(connector.nI2cBus)
            : connector.strName;
        const QString strModel = CDisplayDeviceId::ModelKey(connector.baEdid);
        connector.strDeviceId = CDisplayDeviceId::Compose(strModel, strInstance);
        m_registry.Add(CDisplayDeviceId::InstancePath(connector.strDeviceId), connector.baEdid);
        m_listConnectors.append(connector);
    }
    m_bScanned = true;
    return m_listConnectors;
}

void CLinuxDisplayPlatform::ScanOnce()
{
    if (!m_bScanned)
        Scan();
}

QList<CDisplayPlatform::Display> CLinuxDisplayPlatform::Displays()
{
    // Each detection starts here: look at the connectors again.
    QList<Display> listDisplays;
    for (const Connector& connector : Scan()) {
        Display display;
        display.strDeviceName = connector.strDisplayName;
        display.nPhysicalMonitors = 1;
        listDisplays.append(display);
    }
    return listDisplays;
}

QList<CDisplayPlatform::Adapter> CLinuxDisplayPlatform::Adapters()
{
    ScanOnce();
    QList<Adapter> listAdapters;
    for (const Connector& connector : qAsConst(m_listConnectors)) {
        Adapter adapter;
        adapter.strDeviceName = connector.strDisplayName;
        MonitorDevice monitor;
        monitor.strDeviceName = connector.strDisplayName + QStringLiteral("\\Monitor0");
        monitor.strDeviceId = connector.strDeviceId;
        monitor.nStateFlags = MONITOR_ACTIVE_ATTACHED;
        monitor.strConnector = connector.strName;
        adapter.listMonitors.append(monitor);
        listAdapters.append(adapter);
    }
    return listAdapters;
}

bool CLinuxDisplayPlatform::KeyExists(const QString& strKeyPath)
{
    ScanOnce();
    return m_registry.KeyExists(strKeyPath);
}

QStringList CLinuxDisplayPlatform::SubKeys(const QString& strKeyPath)
{
    ScanOnce();
    return m_registry.SubKeys(strKeyPath);
}

bool CLinuxDisplayPlatform::ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue)
{
    ScanOnce();
    return m_registry.ReadBinaryValue(strKeyPath, strValueName, baValue);
}

void CLinuxDisplayPlatform::SetScreenSource(ScreenSource fnScreens)
{
    m_fnScreens = std::move(fnScreens);
}

int CLinuxDisplayPlatform::RefreshRate(const QString& strDisplayName)
{
    ScanOnce();
    for (const Connector& connector : qAsConst(m_listConnectors)) {
        if (connector.strDisplayName.compare(strDisplayName, Qt::CaseInsensitive) == 0)
            return RefreshRateOf(connector, m_fnScreens ? m_fnScreens() : ApplicationScreens());
    }
    return -1;
}

int CLinuxDisplayPlatform::RefreshRateOf(const Connector& connector, const QList<Screen>& listScreens)
{
    for (const Screen& screen : listScreens) {
        if (screen.strName == connector.strName)
            return WholeHertz(screen.dRefreshRate);
    }
    // X11 drivers name outputs their own way; the EDID both sides read tells the screen. Twin
    // monitors without serials match alike and count only where they show the same rate.
    const EdidIdentity identity = IdentityOf(connector.baEdid);
    int nRate = -1;
    for (const Screen& screen : listScreens) {
        if (!SameMonitor(identity, screen))
            continue;
        const int nScreenRate = WholeHertz(screen.dRefreshRate);
        if (nRate >= 0 && nScreenRate != nRate)
            return -1;
        nRate = nScreenRate;
    }
    return nRate;
}
