#include "plugins/sim/SimMonitorPlugin.h"

#include "ddc/platform/DisplayDeviceId.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QThread>

namespace
{
struct FactoryRow
{
    const char* szFeature;
    int nValue;
    int nMin;
    int nMax;
};

// Factory state of the maker's monitor: every feature the pages read, each at a value the pages
// can show. Writes outside [nMin, nMax] are ignored, as the monitor does.
const FactoryRow FACTORY_STATE[] = {
    // Picture basics and user-mode gains
    {"0x10", 80, 0, 100},       // brightness
    {"0x12", 50, 0, 100},       // contrast
    {"0x87", 5, 0, 10},         // sharpness
    {"0x8A", 50, 0, 100},       // saturation
    {"0x90", 50, 0, 100},       // hue
    {"0x62", 50, 0, 100},       // speaker volume
    {"0x14", 6, 1, 11},         // colour temperature: normal
    {"0x16", 50, 0, 100},       // user red
    {"0x18", 50, 0, 100},       // user green
    {"0x1A", 50, 0, 100},       // user blue
    {"0xE4", 1, 1, 5},          // low blue light: off
    {"0xE9", 2, 1, 5},          // overdrive: normal
    // Presets and crosshair
    {"0x22", 1, 1, 9},          // office preset / scenario: standard
    {"0xE7", 1, 1, 10},         // game preset: standard
    {"0xE8", 1, 1, 5},          // crosshair: off
    // Graphics
    {"0xE5", 1, 1, 3},          // RGB range: auto
    {"0xD8", 1, 1, 3},          // colour type: auto
    {"0x72", 3, 1, 5},          // gamma 2.2
    {"0x24", 1, 1, 4},          // proportional mode: auto
    {"0xE2", 1, 1, 4},          // gamut: normal
    {"0x9B", 50, 0, 100}, {"0x9C", 50, 0, 100}, {"0x9D", 50, 0, 100},
    {"0x9E", 50, 0, 100}, {"0x9F", 50, 0, 100}, {"0xA0", 50, 0, 100},
    {"0x59", 50, 0, 100}, {"0x5A", 50, 0, 100}, {"0x5B", 50, 0, 100},
    {"0x5C", 50, 0, 100}, {"0x5D", 50, 0, 100}, {"0x5E", 50, 0, 100},
    // Game
    {"0xEB", 0, 0, 1},          // adaptive sync
    {"0xEC", 0, 0, 1},          // refresh-rate display
    {"0xD9", 0, 0, 2},          // owl
    {"0xEA", 0, 0, 1},          // dynamic response time
    // System
    {"0x04", 0, 0, 1},          // factory reset
    {"0x60", 15, 0, 255},       // input: DisplayPort 1
    {"0xCC", 13, 0, 37},        // OSD language: Chinese
    // EE group
    {"0xEE/0x00", 0, 0, 1},     // one-click battle
    {"0xEE/0x01", 0, 0, 6},     // HDR: off
    {"0xEE/0x02", 0, 0, 2},     // MPRT: off
    {"0xEE/0x03", 0, 0, 1},     // dynamic contrast
    {"0xEE/0x05", 0, 0, 1},     // reading lamp
    {"0xEE/0x07", 1, 0, 1},     // HDMI 2.1
    {"0xEE/0x08", 0, 0, 2},     // KVM: auto
    {"0xEE/0x09", 1, 0, 1},     // Type-C DSC
    {"0xEE/0x0A", 1, 0, 1},     // lights on
    {"0xEE/0x0B", 1, 1, 5},     // light effect: colourful
    {"0xEE/0x0C", 0, 0, 6},     // light colour: multicolour
    {"0xEE/0x0D", 80, 0, 100},  // light brightness
    {"0xEE/0x0E", 0, 0, 2},     // PIP/PBP: off
    {"0xEE/0x0F", 0, 0, 4},     // sub-signal: DP
    {"0xEE/0x10", 0, 0, 3},     // PIP position
    {"0xEE/0x11", 0, 0, 2},     // PIP size
    // F0 group
    {"0xF0/0x00", 0, 0, 255},
    {"0xF0/0x01", 0, 0, 255},
    {"0xF0/0x06", 0, 0, 1},     // USB mains
    {"0xF0/0x07", 0, 0, 1},     // USB upgrade
    {"0xF0/0x08", 1, 1, 5},     // crosshair colour: red
    {"0xF0/0x09", 50, 0, 100},  // crosshair horizontal
    {"0xF0/0x0A", 50, 0, 100},  // crosshair vertical
    {"0xF0/0x0B", 50, 0, 100},  // crosshair range
    {"0xF0/0x0C", 0, 0, 3},     // dynamic backlight
    {"0xF0/0x0D", 0, 0, 1},     // ALLM
    {"0xF0/0x0E", 0, 0, 1},     // ICE
    {"0xF0/0x0F", 0, 0, 1},     // light eco
    {"0xF0/0x10", 0, 0, 1},     // light perception
    {"0xF0/0x11", 50, 0, 100},  // black level
    {"0xF0/0x12", 0, 0, 1},     // energy saving
    {"0xF0/0x13", 0, 0, 2},     // hawkeye
};

const int EE_SELECT = 0xEE;
const int EE_DATA = 0xEF;
const int F0_SELECT = 0xF0;
const int F0_DATA = 0xF2;
const int FACTORY_RESET = 0x04;

QString Hex2(int nValue)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(nValue & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

// -1 when the text is not a code.
int CodeNumber(const QString& strCode)
{
    bool bOk = false;
    const int nCode = strCode.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? strCode.mid(2).toInt(&bOk, 16)
                                                                                 : strCode.toInt(&bOk, 10);
    return (bOk && nCode >= 0 && nCode <= 0xFF) ? nCode : -1;
}

// "0xee/0x2" -> "0xEE/0x02"; empty when it names no feature.
QString CanonicalFeature(const QString& strFeature)
{
    const QStringList listParts = strFeature.trimmed().split(QLatin1Char('/'));
    if (listParts.size() > 2)
        return QString();
    QStringList listCanonical;
    for (const QString& strPart : listParts) {
        const int nCode = CodeNumber(strPart.trimmed());
        if (nCode < 0)
            return QString();
        listCanonical.append(Hex2(nCode));
    }
    return listCanonical.join(QLatin1Char('/'));
}

const FactoryRow* FactoryRowOf(const QString& strFeature)
{
    for (const FactoryRow& row : FACTORY_STATE) {
        if (strFeature == QLatin1String(row.szFeature))
            return &row;
    }
    return nullptr;
}

QString DisplayName(int nIndex)
{
    return QStringLiteral("\\\\.\\DISPLAY%1").arg(nIndex + 1);
}

void PutText(QByteArray& baEdid, int nOffset, const QByteArray& baText)
{
    // Descriptor text: 13 bytes, a line feed after a shorter text, then spaces.
    QByteArray baField = baText.left(13);
    if (baField.size() < 13)
        baField.append('\n');
    while (baField.size() < 13)
        baField.append(' ');
    for (int i = 0; i < 13; ++i)
        baEdid[nOffset + i] = baField.at(i);
}
}

CSimMonitorPlugin::CSimMonitorPlugin(QObject* parent)
    : CMonitorCtrlInterface(parent)
{
    m_clock.start();
    // The plug-in file's folder holds the optional configuration.
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/Monitor.sim.json"));
    const QByteArray baJson = file.open(QIODevice::ReadOnly) ? file.readAll() : DefaultConfig();
    QString strError;
    if (!LoadConfig(baJson, &strError)) {
        qWarning("Monitor.sim.json: %s; using the default monitors", qPrintable(strError));
        LoadConfig(DefaultConfig());
    }
}

CSimMonitorPlugin::~CSimMonitorPlugin() = default;

QByteArray CSimMonitorPlugin::BuildEdid(const QString& strName, quint16 nProductCode)
{
    static const unsigned char s_header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    // sRGB-like chromaticity, then the established timings 640x480, 800x600, 1024x768 at 60 Hz.
    static const unsigned char s_colour[] = {0xEE, 0x91, 0xA3, 0x54, 0x4C, 0x99, 0x26, 0x0F, 0x50, 0x54,
                                             0x21, 0x08, 0x00};
    // Preferred timing 2560x1440 at 144 Hz (reduced blanking), 597 x 336 mm.
    static const unsigned char s_timing[] = {0x09, 0xE5, 0x00, 0xA0, 0xA0, 0xA0, 0x39, 0x50, 0x30,
                                             0x20, 0x35, 0x00, 0x55, 0x50, 0x21, 0x00, 0x00, 0x1A};
    // Range limits: 48-144 Hz, 30-230 kHz, 600 MHz.
    static const unsigned char s_range[] = {0x00, 0x00, 0x00, 0xFD, 0x00, 0x30, 0x90, 0x1E, 0xE6,
                                            0x3C, 0x00, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20};

    QByteArray baEdid(128, '\0');
    for (int i = 0; i < 8; ++i)
        baEdid[i] = char(s_header[i]);
    // "ZVO": three 5-bit letters, big-endian.
    const quint16 nMaker = quint16((('Z' - '@') << 10) | (('V' - '@') << 5) | ('O' - '@'));
    baEdid[8] = char(nMaker >> 8);
    baEdid[9] = char(nMaker & 0xFF);
    baEdid[10] = char(nProductCode & 0xFF);
    baEdid[11] = char(nProductCode >> 8);
    const quint32 nSerial = 0x5A560000u | nProductCode;
    for (int i = 0; i < 4; ++i)
        baEdid[12 + i] = char((nSerial >> (8 * i)) & 0xFF);
    baEdid[16] = 12;            // week
    baEdid[17] = 34;            // 2024
    baEdid[18] = 1;             // EDID 1.4
    baEdid[19] = 4;
    baEdid[20] = char(0xA5);    // digital, 8 bits per colour, DisplayPort
    baEdid[21] = 60;            // cm
    baEdid[22] = 34;
    baEdid[23] = 120;           // gamma 2.2
    baEdid[24] = 0x3A;
    for (int i = 0; i < 13; ++i)
        baEdid[25 + i] = char(s_colour[i]);
    for (int i = 38; i < 54; ++i)
        baEdid[i] = 0x01;       // no standard timings
    for (int i = 0; i < 18; ++i) {
        baEdid[54 + i] = char(s_timing[i]);
        baEdid[72 + i] = char(s_range[i]);
    }
    baEdid[93] = char(0xFC);    // display name
    PutText(baEdid, 95, strName.toLatin1());
    baEdid[111] = char(0xFF);   // serial number text
    PutText(baEdid, 113, QStringLiteral("ZV%1").arg(nSerial, 8, 16, QLatin1Char('0')).toUpper().toLatin1());
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
    // An office model: no speakers, and without the game extras.
    second.insert(QStringLiteral("failing"), QJsonArray{QStringLiteral("0x62"), QStringLiteral("0xF0/0x13"),
                                                        QStringLiteral("0xEE/0x00"), QStringLiteral("0xD9")});
    QJsonObject root;
    root.insert(QStringLiteral("transcript"), QStringLiteral("sim-transcript.log"));
    root.insert(QStringLiteral("monitors"), QJsonArray{first, second});
    return QJsonDocument(root).toJson();
}

bool CSimMonitorPlugin::LoadConfig(const QByteArray& baJson, QString* pError)
{
    auto fail = [pError](const QString& strReason) {
        if (pError)
            *pError = strReason;
        return false;
    };

    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(baJson, &parseError);
    if (!doc.isObject())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                 : QStringLiteral("the document is not an object"));
    const QJsonObject root = doc.object();
    const QJsonValue valueMonitors = root.value(QStringLiteral("monitors"));
    if (!valueMonitors.isUndefined() && !valueMonitors.isArray())
        return fail(QStringLiteral("\"monitors\" is not a list"));

    static const QRegularExpression s_reHex(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    QVector<Monitor> vecMonitors;
    const QJsonArray arrMonitors = valueMonitors.toArray();
    for (int i = 0; i < arrMonitors.size(); ++i) {
        const QJsonObject obj = arrMonitors.at(i).toObject();
        Monitor monitor;
        const QString strEdidHex = obj.value(QStringLiteral("edid")).toString();
        if (!s_reHex.match(strEdidHex).hasMatch())
            return fail(QStringLiteral("monitor %1: \"edid\" is not hexadecimal bytes").arg(i));
        monitor.baEdid = strEdidHex.isEmpty() ? BuildEdid(QStringLiteral("ZVO SIM%1").arg(i + 1), quint16(0x27A1 + i))
                                              : QByteArray::fromHex(strEdidHex.toLatin1());
        const QString strInstance = QStringLiteral("%1&UID%1").arg(i + 1);
        monitor.strDeviceId = obj.value(QStringLiteral("deviceId"))
                                  .toString(CDisplayDeviceId::Compose(CDisplayDeviceId::ModelKey(monitor.baEdid), strInstance));
        monitor.nRefreshHz = obj.value(QStringLiteral("refreshHz")).toInt(60);
        monitor.nGetMs = qMax(0, obj.value(QStringLiteral("getMs")).toInt(0));
        monitor.nSetMs = qMax(0, obj.value(QStringLiteral("setMs")).toInt(0));

        for (const FactoryRow& row : FACTORY_STATE)
            monitor.hashFactory.insert(QString::fromLatin1(row.szFeature), row.nValue);
        const QJsonObject objValues = obj.value(QStringLiteral("values")).toObject();
        for (auto it = objValues.begin(); it != objValues.end(); ++it) {
            const QString strFeature = CanonicalFeature(it.key());
            if (strFeature.isEmpty() || !it.value().isDouble())
                return fail(QStringLiteral("monitor %1: bad value \"%2\"").arg(i).arg(it.key()));
            monitor.hashFactory.insert(strFeature, it.value().toInt());
        }
        monitor.hashValues = monitor.hashFactory;
        for (const QJsonValue& value : obj.value(QStringLiteral("failing")).toArray()) {
            const QString strFeature = CanonicalFeature(value.toString());
            if (strFeature.isEmpty())
                return fail(QStringLiteral("monitor %1: bad failing feature \"%2\"").arg(i).arg(value.toString()));
            monitor.setFailing.insert(strFeature);
        }
        vecMonitors.append(monitor);
    }

    QMutexLocker locker(&m_mutex);
    m_vecMonitors = vecMonitors;
    m_registry.Clear();
    for (const Monitor& monitor : qAsConst(m_vecMonitors))
        m_registry.Add(CDisplayDeviceId::InstancePath(monitor.strDeviceId), monitor.baEdid);
    m_listTranscript.clear();
    m_listTranscriptTimes.clear();
    m_transcriptFile.close();
    const QString strTranscript = root.value(QStringLiteral("transcript")).toString();
    if (!strTranscript.isEmpty()) {
        const QString strPath = QFileInfo(strTranscript).isAbsolute()
            ? strTranscript
            : QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/") + strTranscript;
        m_transcriptFile.setFileName(strPath);
    } else {
        m_transcriptFile.setFileName(QString());
    }
    OpenTranscriptFile();
    return true;
}

void CSimMonitorPlugin::OpenTranscriptFile()
{
    // Each load starts a fresh transcript. Binary: its lines end in LF on every system, as the
    // tools and tests that read it expect.
    if (!m_transcriptFile.fileName().isEmpty()
        && !m_transcriptFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qWarning("Simulated monitor: cannot write the transcript %s", qPrintable(m_transcriptFile.fileName()));
}

void CSimMonitorPlugin::Record(const QString& strLine)
{
    m_listTranscript.append(strLine);
    m_listTranscriptTimes.append(m_clock.nsecsElapsed() / 1000);
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
    if (nCode < 0)
        return QString();
    if (nCode == EE_DATA)
        return Hex2(EE_SELECT) + QLatin1Char('/') + Hex2(monitor.nEeSelect);
    if (nCode == F0_DATA)
        return Hex2(F0_SELECT) + QLatin1Char('/') + Hex2(monitor.nF0Select);
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
    Monitor* pMonitor = Find(nMonitorId);
    if (pMonitor && pMonitor->nSetMs > 0)
        QThread::msleep(static_cast<unsigned long>(pMonitor->nSetMs));
    Record(QStringLiteral("SET %1 %2 %3").arg(nMonitorId).arg(strCode).arg(nValue));
    if (!pMonitor)
        return;

    const int nCode = CodeNumber(strCode);
    if (nCode == EE_SELECT || nCode == F0_SELECT) {
        if (nValue >= 0 && nValue <= 0xFF)
            (nCode == EE_SELECT ? pMonitor->nEeSelect : pMonitor->nF0Select) = nValue;
        return;
    }
    if (nCode == FACTORY_RESET) {
        if (nValue == 1)
            pMonitor->hashValues = pMonitor->hashFactory;
        return;
    }
    const QString strKey = FeatureKey(*pMonitor, strCode);
    auto it = pMonitor->hashValues.find(strKey);
    if (it == pMonitor->hashValues.end())
        return;
    const FactoryRow* pRow = FactoryRowOf(strKey);
    const int nMin = pRow ? pRow->nMin : 0;
    const int nMax = pRow ? pRow->nMax : 0xFFFF;
    if (nValue >= nMin && nValue <= nMax)
        *it = nValue;
}

QString CSimMonitorPlugin::GetVcp(int nMonitorId, const QString& strCode)
{
    QMutexLocker locker(&m_mutex);
    QString strAnswer = QStringLiteral("-1");
    if (Monitor* pMonitor = Find(nMonitorId)) {
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
    QList<Display> listDisplays;
    for (int i = 0; i < m_vecMonitors.size(); ++i) {
        Display display;
        display.strDeviceName = DisplayName(i);
        display.nPhysicalMonitors = 1;
        listDisplays.append(display);
    }
    return listDisplays;
}

QList<CDisplayPlatform::Adapter> CSimMonitorPlugin::Adapters()
{
    QMutexLocker locker(&m_mutex);
    QList<Adapter> listAdapters;
    for (int i = 0; i < m_vecMonitors.size(); ++i) {
        Adapter adapter;
        adapter.strDeviceName = DisplayName(i);
        MonitorDevice monitor;
        monitor.strDeviceName = adapter.strDeviceName + QStringLiteral("\\Monitor0");
        monitor.strDeviceId = m_vecMonitors.at(i).strDeviceId;
        monitor.nStateFlags = 0x1 | 0x2;    // active, attached
        adapter.listMonitors.append(monitor);
        listAdapters.append(adapter);
    }
    return listAdapters;
}

bool CSimMonitorPlugin::KeyExists(const QString& strKeyPath)
{
    QMutexLocker locker(&m_mutex);
    return m_registry.KeyExists(strKeyPath);
}

QStringList CSimMonitorPlugin::SubKeys(const QString& strKeyPath)
{
    QMutexLocker locker(&m_mutex);
    return m_registry.SubKeys(strKeyPath);
}

bool CSimMonitorPlugin::ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue)
{
    QMutexLocker locker(&m_mutex);
    return m_registry.ReadBinaryValue(strKeyPath, strValueName, baValue);
}

int CSimMonitorPlugin::RefreshRate(const QString& strDisplayName)
{
    QMutexLocker locker(&m_mutex);
    for (int i = 0; i < m_vecMonitors.size(); ++i) {
        if (DisplayName(i).compare(strDisplayName, Qt::CaseInsensitive) == 0)
            return m_vecMonitors.at(i).nRefreshHz;
    }
    return -1;
}

QStringList CSimMonitorPlugin::Transcript() const
{
    QMutexLocker locker(&m_mutex);
    return m_listTranscript;
}

QList<qint64> CSimMonitorPlugin::TranscriptTimes() const
{
    QMutexLocker locker(&m_mutex);
    return m_listTranscriptTimes;
}

void CSimMonitorPlugin::ClearTranscript()
{
    QMutexLocker locker(&m_mutex);
    m_listTranscript.clear();
    m_listTranscriptTimes.clear();
    if (m_transcriptFile.isOpen()) {
        m_transcriptFile.close();
        OpenTranscriptFile();
    }
}

int CSimMonitorPlugin::Value(int nMonitorId, const QString& strFeature) const
{
    QMutexLocker locker(&m_mutex);
    if (nMonitorId < 0 || nMonitorId >= m_vecMonitors.size())
        return -1;
    return m_vecMonitors.at(nMonitorId).hashValues.value(CanonicalFeature(strFeature), -1);
}

void CSimMonitorPlugin::SetValue(int nMonitorId, const QString& strFeature, int nValue)
{
    QMutexLocker locker(&m_mutex);
    const QString strKey = CanonicalFeature(strFeature);
    if (nMonitorId >= 0 && nMonitorId < m_vecMonitors.size() && !strKey.isEmpty())
        m_vecMonitors[nMonitorId].hashValues.insert(strKey, nValue);
}
