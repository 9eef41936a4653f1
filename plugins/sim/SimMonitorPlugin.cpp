#include "plugins/sim/SimMonitorPlugin.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSet>
#include <QThread>

namespace
{
struct FactoryRow
{
    const char* szFeature;
    int nValue;
    int nMax;
};

// Factory state of the maker's monitor; writes above nMax are ignored as the monitor does.
const FactoryRow FACTORY_STATE[] = {
    {"0x10", 80, 100}, {"0x12", 50, 100}, {"0x87", 5, 10}, {"0x8A", 50, 100}, {"0x62", 30, 100},
    {"0x14", 1, 11},   {"0x16", 50, 100}, {"0x18", 50, 100}, {"0x1A", 50, 100}, {"0x22", 1, 9},
    {"0xE7", 1, 10},   {"0xE8", 1, 5},    {"0xE9", 1, 5},    {"0xE4", 0, 4},    {"0x72", 3, 5},
    {"0xE2", 1, 4},    {"0x90", 50, 100}, {"0x04", 0, 1},    {"0xEB", 0, 1},    {"0xEC", 0, 1},
    {"0xD9", 0, 2},    {"0xEA", 0, 1},    {"0xE5", 0, 2},    {"0xD8", 0, 2},    {"0x24", 0, 2},
    {"0x60", 15, 255}, {"0xCC", 13, 255},
    {"0x9B", 50, 100}, {"0x9C", 50, 100}, {"0x9D", 50, 100}, {"0x9E", 50, 100}, {"0x9F", 50, 100},
    {"0xA0", 50, 100}, {"0x59", 50, 100}, {"0x5A", 50, 100}, {"0x5B", 50, 100}, {"0x5C", 50, 100},
    {"0x5D", 50, 100}, {"0x5E", 50, 100},
    {"0xEE/0x00", 0, 1}, {"0xEE/0x01", 0, 2}, {"0xEE/0x02", 0, 2}, {"0xEE/0x03", 0, 1},
    {"0xEE/0x05", 0, 1}, {"0xEE/0x07", 1, 1}, {"0xEE/0x08", 0, 2}, {"0xEE/0x09", 0, 1},
    {"0xEE/0x0A", 1, 1}, {"0xEE/0x0B", 1, 5}, {"0xEE/0x0C", 0, 6}, {"0xEE/0x0D", 80, 100},
    {"0xEE/0x0E", 0, 2}, {"0xEE/0x0F", 0, 4}, {"0xEE/0x10", 0, 3}, {"0xEE/0x11", 0, 2},
    {"0xF0/0x00", 0, 255}, {"0xF0/0x01", 0, 255}, {"0xF0/0x06", 0, 1}, {"0xF0/0x07", 0, 1},
    {"0xF0/0x08", 1, 5}, {"0xF0/0x09", 50, 100}, {"0xF0/0x0A", 50, 100}, {"0xF0/0x0B", 50, 100},
    {"0xF0/0x0C", 0, 3}, {"0xF0/0x0D", 0, 1}, {"0xF0/0x0E", 0, 1}, {"0xF0/0x0F", 0, 1},
    {"0xF0/0x10", 0, 1}, {"0xF0/0x11", 50, 100}, {"0xF0/0x12", 0, 1}, {"0xF0/0x13", 0, 2},
};

const char* const DISPLAY_GUID = "{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

QString Hex2(int nValue)
{
    return QStringLiteral("0x%1").arg(nValue, 2, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x"));
}

int CodeNumber(const QString& strCode)
{
    return strCode.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? strCode.mid(2).toInt(nullptr, 16)
                                                                      : strCode.toInt();
}
}

CSimMonitorPlugin::CSimMonitorPlugin(QObject* parent)
    : CMonitorCtrlInterface(parent)
{
    // The plug-in file's folder holds the optional configuration.
    QString strConfig;
    const QString strPluginDir = QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
    QFile file(strPluginDir + QStringLiteral("/Monitor.sim.json"));
    QByteArray baJson = file.open(QIODevice::ReadOnly) ? file.readAll() : DefaultConfig();
    QString strError;
    if (!LoadConfig(baJson, &strError)) {
        qWarning("Monitor.sim.json: %s; using the default monitors", qPrintable(strError));
        LoadConfig(DefaultConfig());
    }
}

CSimMonitorPlugin::~CSimMonitorPlugin() = default;

QByteArray CSimMonitorPlugin::BuildEdid(const QString& strName, quint16 nProductCode)
{
    QByteArray baEdid(128, '\0');
    const char header[8] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    for (int i = 0; i < 8; ++i)
        baEdid[i] = header[i];
    // "ZVO": three 5-bit letters, big-endian.
    const quint16 nMaker = quint16((('Z' - '@') << 10) | (('V' - '@') << 5) | ('O' - '@'));
    baEdid[8] = char(nMaker >> 8);
    baEdid[9] = char(nMaker & 0xFF);
    baEdid[10] = char(nProductCode & 0xFF);
    baEdid[11] = char(nProductCode >> 8);
    baEdid[18] = 1;
    baEdid[19] = 4;
    // Descriptor slot 54: a display name.
    const int nSlot = 54;
    baEdid[nSlot + 3] = char(0xFC);
    QByteArray baName = strName.toLatin1().left(13);
    if (baName.size() < 13)
        baName.append('\n');
    while (baName.size() < 13)
        baName.append(' ');
    for (int i = 0; i < 13; ++i)
        baEdid[nSlot + 5 + i] = baName.at(i);
    // Slots 72..108: dummy descriptors (tag 0x10).
    for (int nDummy : {72, 90, 108})
        baEdid[nDummy + 3] = 0x10;
    int nSum = 0;
    for (int i = 0; i < 127; ++i)
        nSum += quint8(baEdid.at(i));
    baEdid[127] = char((256 - nSum % 256) % 256);
    return baEdid;
}

QByteArray CSimMonitorPlugin::DefaultConfig()
{
    QJsonObject first;
    first.insert(QStringLiteral("edid"), QString::fromLatin1(BuildEdid(QStringLiteral("ZVO X27Q"), 0x27A1).toHex()));
    first.insert(QStringLiteral("refreshHz"), 144);
    QJsonObject second;
    second.insert(QStringLiteral("edid"), QString::fromLatin1(BuildEdid(QStringLiteral("ZVO G24F"), 0x24F1).toHex()));
    second.insert(QStringLiteral("refreshHz"), 60);
    second.insert(QStringLiteral("failing"), QJsonArray{QStringLiteral("0x62"), QStringLiteral("0xF0/0x13"),
                                                        QStringLiteral("0xEE/0x00"), QStringLiteral("0xD9")});
    QJsonObject root;
    root.insert(QStringLiteral("monitors"), QJsonArray{first, second});
    return QJsonDocument(root).toJson();
}

bool CSimMonitorPlugin::LoadConfig(const QByteArray& baJson, QString* pError)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(baJson, &parseError);
    if (!doc.isObject()) {
        if (pError)
            *pError = parseError.errorString();
        return false;
    }
    const QJsonObject root = doc.object();

    QVector<Monitor> vecMonitors;
    const QJsonArray arrMonitors = root.value(QStringLiteral("monitors")).toArray();
    for (int i = 0; i < arrMonitors.size(); ++i) {
        const QJsonObject obj = arrMonitors.at(i).toObject();
        Monitor monitor;
        const QString strEdidHex = obj.value(QStringLiteral("edid")).toString();
        monitor.baEdid = strEdidHex.isEmpty() ? BuildEdid(QStringLiteral("ZVO SIM%1").arg(i + 1), quint16(0x27A1 + i))
                                              : QByteArray::fromHex(strEdidHex.toLatin1());
        QString strProduct = QStringLiteral("ZVO27A1");
        if (monitor.baEdid.size() >= 12) {
            const quint16 nMaker = quint16((quint8(monitor.baEdid[8]) << 8) | quint8(monitor.baEdid[9]));
            const QString strPnp = QString(QChar('@' + ((nMaker >> 10) & 0x1F))) + QChar('@' + ((nMaker >> 5) & 0x1F))
                + QChar('@' + (nMaker & 0x1F));
            const quint16 nCode = quint16(quint8(monitor.baEdid[10]) | (quint8(monitor.baEdid[11]) << 8));
            strProduct = strPnp + QStringLiteral("%1").arg(nCode, 4, 16, QLatin1Char('0')).toUpper();
        }
        monitor.strDeviceId = obj.value(QStringLiteral("deviceId"))
                                  .toString(QStringLiteral("\\\\?\\DISPLAY#%1#%2&UID%2#%3")
                                                .arg(strProduct)
                                                .arg(i + 1)
                                                .arg(QLatin1String(DISPLAY_GUID)));
        QString strInstance = monitor.strDeviceId;
        if (strInstance.startsWith(QLatin1String("\\\\?\\")))
            strInstance.remove(0, 4);
        const int nGuid = strInstance.lastIndexOf(QLatin1String("#{"));
        if (nGuid >= 0)
            strInstance.truncate(nGuid);
        monitor.strInstancePath = strInstance.replace(QLatin1Char('#'), QLatin1Char('\\'));
        monitor.nRefreshHz = obj.value(QStringLiteral("refreshHz")).toInt(60);
        monitor.nGetMs = obj.value(QStringLiteral("getMs")).toInt(0);
        monitor.nSetMs = obj.value(QStringLiteral("setMs")).toInt(0);
        for (const FactoryRow& row : FACTORY_STATE)
            monitor.hashFactory.insert(QString::fromLatin1(row.szFeature), row.nValue);
        const QJsonObject objValues = obj.value(QStringLiteral("values")).toObject();
        for (auto it = objValues.begin(); it != objValues.end(); ++it)
            monitor.hashFactory.insert(it.key().toUpper().replace(QLatin1String("0X"), QLatin1String("0x")), it.value().toInt());
        monitor.hashValues = monitor.hashFactory;
        for (const QJsonValue& value : obj.value(QStringLiteral("failing")).toArray())
            monitor.setFailing.insert(value.toString().toUpper().replace(QLatin1String("0X"), QLatin1String("0x")));
        vecMonitors.append(monitor);
    }

    QMutexLocker locker(&m_mutex);
    m_vecMonitors = vecMonitors;
    m_listTranscript.clear();
    m_transcriptFile.close();
    const QString strTranscript = root.value(QStringLiteral("transcript")).toString();
    if (!strTranscript.isEmpty()) {
        const QString strPath = QFileInfo(strTranscript).isAbsolute()
            ? strTranscript
            : QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/") + strTranscript;
        m_transcriptFile.setFileName(strPath);
        m_transcriptFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    }
    return true;
}

void CSimMonitorPlugin::Record(const QString& strLine)
{
    m_listTranscript.append(strLine);
    if (m_transcriptFile.isOpen()) {
        m_transcriptFile.write(strLine.toUtf8() + '\n');
        m_transcriptFile.flush();
    }
}

CSimMonitorPlugin::Monitor* CSimMonitorPlugin::Find(int nMonitorId)
{
    return (nMonitorId >= 0 && nMonitorId < m_vecMonitors.size()) ? &m_vecMonitors[nMonitorId] : nullptr;
}

QString CSimMonitorPlugin::FeatureKey(const Monitor& monitor, const QString& strCode) const
{
    const int nCode = CodeNumber(strCode);
    if (nCode == 0xEF)
        return QStringLiteral("0xEE/") + Hex2(monitor.nEeSelect);
    if (nCode == 0xF2)
        return QStringLiteral("0xF0/") + Hex2(monitor.nF0Select);
    return Hex2(nCode);
}

void CSimMonitorPlugin::Reset()
{
    QMutexLocker locker(&m_mutex);
    Record(QStringLiteral("RESET"));
}

int CSimMonitorPlugin::GetMonitorIndex(QString strDeviceId)
{
    QMutexLocker locker(&m_mutex);
    for (int i = 0; i < m_vecMonitors.size(); ++i) {
        if (m_vecMonitors.at(i).strDeviceId.compare(strDeviceId, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void CSimMonitorPlugin::SetVcp(int nMonitorId, const QString& strCode, int nValue)
{
    QMutexLocker locker(&m_mutex);
    Record(QStringLiteral("SET %1 %2 %3").arg(nMonitorId).arg(strCode).arg(nValue));
    Monitor* pMonitor = Find(nMonitorId);
    if (!pMonitor)
        return;
    if (pMonitor->nSetMs > 0)
        QThread::msleep(static_cast<unsigned long>(pMonitor->nSetMs));

    const int nCode = CodeNumber(strCode);
    if (nCode == 0xEE) {
        pMonitor->nEeSelect = nValue;
        return;
    }
    if (nCode == 0xF0) {
        pMonitor->nF0Select = nValue;
        return;
    }
    if (nCode == 0x04 && nValue == 1) {
        pMonitor->hashValues = pMonitor->hashFactory;
        return;
    }
    const QString strKey = FeatureKey(*pMonitor, strCode);
    auto it = pMonitor->hashValues.find(strKey);
    if (it == pMonitor->hashValues.end() || nValue < 0)
        return;
    int nMax = 255;
    for (const FactoryRow& row : FACTORY_STATE) {
        if (strKey == QLatin1String(row.szFeature))
            nMax = row.nMax;
    }
    if (nValue <= nMax)
        *it = nValue;
}

QString CSimMonitorPlugin::GetVcp(int nMonitorId, const QString& strCode)
{
    QMutexLocker locker(&m_mutex);
    QString strAnswer = QStringLiteral("-1");
    Monitor* pMonitor = Find(nMonitorId);
    if (pMonitor) {
        if (pMonitor->nGetMs > 0)
            QThread::msleep(static_cast<unsigned long>(pMonitor->nGetMs));
        const QString strKey = FeatureKey(*pMonitor, strCode);
        if (!pMonitor->setFailing.contains(strKey) && pMonitor->hashValues.contains(strKey))
            strAnswer = QString::number(pMonitor->hashValues.value(strKey));
    }
    Record(QStringLiteral("GET %1 %2 %3").arg(nMonitorId).arg(strCode, strAnswer));
    return strAnswer;
}

QList<CDisplayPlatform::Display> CSimMonitorPlugin::Displays()
{
    QMutexLocker locker(&m_mutex);
    QList<Display> list;
    for (int i = 0; i < m_vecMonitors.size(); ++i)
        list.append({QStringLiteral("\\\\.\\DISPLAY%1").arg(i + 1), 1, true});
    return list;
}

QList<CDisplayPlatform::Adapter> CSimMonitorPlugin::Adapters()
{
    QMutexLocker locker(&m_mutex);
    QList<Adapter> list;
    for (int i = 0; i < m_vecMonitors.size(); ++i) {
        Adapter adapter;
        adapter.strDeviceName = QStringLiteral("\\\\.\\DISPLAY%1").arg(i + 1);
        adapter.listMonitors.append({adapter.strDeviceName + QStringLiteral("\\Monitor0"), m_vecMonitors.at(i).strDeviceId, 0x1});
        list.append(adapter);
    }
    return list;
}

bool CSimMonitorPlugin::KeyExists(const QString& strKeyPath)
{
    return !SubKeys(strKeyPath).isEmpty();
}

QStringList CSimMonitorPlugin::SubKeys(const QString& strKeyPath)
{
    QMutexLocker locker(&m_mutex);
    const QString strRoot = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\");
    QStringList list;
    for (const Monitor& monitor : qAsConst(m_vecMonitors)) {
        const QString strFull = strRoot + monitor.strInstancePath;
        if (!strFull.startsWith(strKeyPath + QLatin1Char('\\'), Qt::CaseInsensitive))
            continue;
        const QString strChild = strFull.mid(strKeyPath.size() + 1).section(QLatin1Char('\\'), 0, 0);
        if (!list.contains(strChild))
            list.append(strChild);
    }
    return list;
}

bool CSimMonitorPlugin::ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue)
{
    QMutexLocker locker(&m_mutex);
    if (strValueName != QLatin1String("EDID"))
        return false;
    const QString strRoot = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\");
    for (const Monitor& monitor : qAsConst(m_vecMonitors)) {
        if (strKeyPath.compare(strRoot + monitor.strInstancePath + QStringLiteral("\\Device Parameters"), Qt::CaseInsensitive) == 0) {
            baValue = monitor.baEdid;
            return true;
        }
    }
    return false;
}

int CSimMonitorPlugin::RefreshRate(const QString& strDeviceId)
{
    QMutexLocker locker(&m_mutex);
    for (const Monitor& monitor : qAsConst(m_vecMonitors)) {
        if (monitor.strDeviceId.compare(strDeviceId, Qt::CaseInsensitive) == 0)
            return monitor.nRefreshHz;
    }
    return -1;
}

QStringList CSimMonitorPlugin::Transcript() const
{
    QMutexLocker locker(&m_mutex);
    return m_listTranscript;
}

void CSimMonitorPlugin::ClearTranscript()
{
    QMutexLocker locker(&m_mutex);
    m_listTranscript.clear();
}

int CSimMonitorPlugin::Value(int nMonitorId, const QString& strFeature) const
{
    QMutexLocker locker(&m_mutex);
    if (nMonitorId < 0 || nMonitorId >= m_vecMonitors.size())
        return -1;
    return m_vecMonitors.at(nMonitorId).hashValues.value(strFeature, -1);
}

void CSimMonitorPlugin::SetValue(int nMonitorId, const QString& strFeature, int nValue)
{
    QMutexLocker locker(&m_mutex);
    if (nMonitorId >= 0 && nMonitorId < m_vecMonitors.size())
        m_vecMonitors[nMonitorId].hashValues.insert(strFeature, nValue);
}
