#include "ddc/DDCUtil.h"

#include "app/Logger.h"
#include "ddc/MonitorCtrlInterface.h"
#include "ddc/VcpCodes.h"
#include "ddc/platform/DisplayDeviceId.h"
#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/OsDisplayPlatform.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QThread>

#include <cstdlib>
#include <exception>

namespace
{
const quint32 DISPLAY_DEVICE_ACTIVE = 0x1;
const quint32 DISPLAY_DEVICE_MIRRORING = 0x8;
const QString ENUM_ROOT = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\");
const QString DEVICE_PARAMETERS = QStringLiteral("\\Device Parameters");
const QString EDID_VALUE = QStringLiteral("EDID");
const char* const DETECT_FUNCTION = "CDDCUtil::DetectMonitor";
const char* const PARSE_FUNCTION = "CDDCUtil::ParseMonitorNameFromEdid";
// Descriptor slots of the base EDID block.
const int EDID_DESCRIPTOR_SLOTS[] = {54, 72, 90, 108};
const quint8 EDID_NAME_TAG = 0xFC;
const int EDID_NAME_LENGTH = 13;

void WriteLog(int nLevel, const QString& strMessage, const char* szFunction)
{
    Logger::GetInstance()->WriteLog(nLevel, strMessage, szFunction);
}

QString JoinLogParts(const QStringList& listParts)
{
    return listParts.join(QLatin1Char(' '));
}
}

QSharedPointer<CDDCUtil>& CDDCUtil::GetInstance()
{
    static QSharedPointer<CDDCUtil> s_pInstance(new CDDCUtil(nullptr));
    return s_pInstance;
}

CDDCUtil::CDDCUtil(QObject* parent)
    : QObject(parent)
{
    const QString strPath = QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/Monitor.dll");
    m_pLoader = new QPluginLoader(strPath);
    if (!m_pLoader->load()) {
        WriteLog(LOG_INFO, QStringLiteral("DDC插件加载失败:%0,%1").arg(strPath, m_pLoader->errorString()),
                 "CDDCUtil::CDDCUtil");
        delete m_pLoader;
        m_pLoader = nullptr;
        exit(0);
    }
    m_pMonitorCtrl = qobject_cast<CMonitorCtrlInterface*>(m_pLoader->instance());
}

CDDCUtil::~CDDCUtil()
{
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->deleteLater();
}

CDisplayPlatform* CDDCUtil::Platform() const
{
    QMutexLocker locker(&m_stateMutex);
    if (m_pPlatformOverride)
        return m_pPlatformOverride;
    if (auto* pPluginPlatform = qobject_cast<CDisplayPlatform*>(m_pLoader ? m_pLoader->instance() : nullptr))
        return pPluginPlatform;
    if (!m_pOsPlatform)
        m_pOsPlatform = CreateOsDisplayPlatform();
    return m_pOsPlatform.data();
}

void CDDCUtil::SetDisplayPlatform(CDisplayPlatform* pPlatform)
{
    QMutexLocker locker(&m_stateMutex);
    m_pPlatformOverride = pPlatform;
}

CMonitorCtrlInterface* CDDCUtil::MonitorCtrl() const
{
    return m_pMonitorCtrl;
}

void CDDCUtil::SetMonitorCtrl(CMonitorCtrlInterface* pMonitorCtrl)
{
    QMutexLocker locker(&m_transferMutex);
    m_pMonitorCtrl = pMonitorCtrl;
}

void CDDCUtil::Init()
{
    Reset();
    DetectMonitor();

    QMutexLocker locker(&m_stateMutex);
    if (!m_listMonitorInfo.isEmpty()) {
        m_currMonitorInfo = m_listMonitorInfo.first();
        return;
    }
    locker.unlock();
    LOG_WRITE(LOG_INFO, QStringLiteral("===> [%1] monitor didn't detected! <===").arg(ORGANIZATION_NAME));
}

void CDDCUtil::Reset()
{
    QMutexLocker locker(&m_transferMutex);
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->Reset();
}

void CDDCUtil::DetectMonitor()
{
    QList<MonitorInfo> listFound;
    // A platform that fails ends this detection with what it found so far; nothing escapes.
    try {
        if (CDisplayPlatform* pPlatform = Platform())
            DetectOnPlatform(*pPlatform, listFound);
    } catch (const std::exception& e) {
        LOG_WRITE(LOG_ERROR, QStringLiteral("Monitor detection failed: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        LOG_WRITE(LOG_ERROR, QStringLiteral("Monitor detection failed."));
    }

    {
        QMutexLocker locker(&m_stateMutex);
        m_listMonitorInfo = listFound;
    }
    emit Sig_MonitorDetectFinished();
}

void CDDCUtil::DetectOnPlatform(CDisplayPlatform& platform, QList<MonitorInfo>& listFound)
{
    // A display whose physical monitors cannot be had is left out; the others still count.
    QList<CDisplayPlatform::Display> listDisplays;
    for (const CDisplayPlatform::Display& display : platform.Displays()) {
        if (!display.bCountOk) {
            WriteLog(LOG_ERROR, QStringLiteral("Failed to get physical monitor count."), DETECT_FUNCTION);
            continue;
        }
        if (!display.bMonitorsOk) {
            WriteLog(LOG_ERROR, QStringLiteral("Failed to get physical monitors."), DETECT_FUNCTION);
            continue;
        }
        listDisplays.append(display);
    }

    for (const CDisplayPlatform::Adapter& adapter : platform.Adapters()) {
        for (const CDisplayPlatform::MonitorDevice& monitor : adapter.listMonitors) {
            if (!(monitor.nStateFlags & DISPLAY_DEVICE_ACTIVE) || (monitor.nStateFlags & DISPLAY_DEVICE_MIRRORING))
                continue;
            for (const CDisplayPlatform::Display& display : qAsConst(listDisplays)) {
                // Candidates 0 to N inclusive: a single monitor may carry the number 1.
                for (int m = 0; m <= display.nPhysicalMonitors; ++m) {
                    if (display.strDeviceName + QStringLiteral("\\Monitor") + QString::number(m) == monitor.strDeviceName)
                        listFound.append(BuildRecord(monitor.strDeviceId, monitor.strConnector));
                }
            }
        }
    }
}

MonitorInfo CDDCUtil::BuildRecord(const QString& strDeviceId, const QString& strConnector)
{
    const QString strModel = ModelCodeFromDeviceId(strDeviceId);

    MonitorInfo info;
    info.nIndex = 0;
    info.nMonitorId = -1;
    const QString strEdid = GetEdidFromRegistry(strDeviceId);
    const QString strEdidName = strEdid.isEmpty() ? QString() : ParseMonitorNameFromEdid(strEdid);
    if (!strEdidName.isEmpty()) {
        info.strEdidName = strEdidName;
        info.strMonitorName = strEdidName;
    } else {
        info.strEdidName = QString();
        info.strMonitorName = CleanModelCode(strModel);
    }
    // A device ID without a model code (a Linux connector without a bus) would list an empty
    // entry; the connector's own name is the one left that tells it apart.
    if (info.strMonitorName.isEmpty())
        info.strMonitorName = strConnector;
    info.strDeviceName = QLatin1String("");
    info.strManufacturer = QLatin1String("");
    info.strProductCode = QLatin1String("");
    info.strReserved = QLatin1String("");
    info.strDeviceId = strDeviceId;

    WriteLog(LOG_INFO,
             QStringLiteral("%0Display: %1, Monitor Name: %2, Manufacturer: -, Product Code: -.")
                 .arg(QStringLiteral("0"), strModel, info.strMonitorName),
             DETECT_FUNCTION);

    QMutexLocker locker(&m_transferMutex);
    info.nMonitorId = m_pMonitorCtrl ? m_pMonitorCtrl->GetMonitorIndex(strDeviceId) : -1;
    return info;
}

QString CDDCUtil::ModelCodeFromDeviceId(const QString& strDeviceId)
{
    static const QRegularExpression s_reModel(QStringLiteral("DISPLAY[\\\\#]?(\\w+).*?(UID\\d+)"));
    const QRegularExpressionMatch match = s_reModel.match(strDeviceId);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString CDDCUtil::CleanModelCode(const QString& strModelCode)
{
    const QString strCleaned = QString(strModelCode).remove(ORGANIZATION_NAME, Qt::CaseInsensitive).trimmed();
    return strCleaned.isEmpty() ? strModelCode : strCleaned;
}

QString CDDCUtil::GetEdidFromRegistry(const QString& strDeviceId) const
{
    CDisplayPlatform* pPlatform = Platform();
    if (!pPlatform)
        return QString();

    // The device interface name "\\?\DISPLAY#ABC1234#5&1a2b&0&UID4353#{guid}" names the
    // instance key "DISPLAY\ABC1234\5&1a2b&0&UID4353" below the Enum key.
    const QString strInstance = CDisplayDeviceId::InstancePath(strDeviceId);

    QByteArray baEdid;
    if (pPlatform->ReadBinaryValue(ENUM_ROOT + strInstance + DEVICE_PARAMETERS, EDID_VALUE, baEdid) && !baEdid.isEmpty())
        return QString::fromLatin1(baEdid.toHex());

    const QString strDisplayRoot = ENUM_ROOT + QStringLiteral("DISPLAY");
    if (!pPlatform->KeyExists(strDisplayRoot))
        return QString();

    // The instance's own EDID where the search finds it, else the first EDID of any monitor.
    QString strFirst;
    for (const QString& strModel : pPlatform->SubKeys(strDisplayRoot)) {
        const QString strModelPath = strDisplayRoot + QLatin1Char('\\') + strModel;
        for (const QString& strInst : pPlatform->SubKeys(strModelPath)) {
            QByteArray baValue;
            if (!pPlatform->ReadBinaryValue(strModelPath + QLatin1Char('\\') + strInst + DEVICE_PARAMETERS, EDID_VALUE,
                                            baValue)
                || baValue.isEmpty())
                continue;
            const QString strHex = QString::fromLatin1(baValue.toHex());
            const QString strKey = QStringLiteral("DISPLAY\\") + strModel + QLatin1Char('\\') + strInst;
            if (strInstance.compare(strKey, Qt::CaseInsensitive) == 0)
                return strHex;
            if (strFirst.isEmpty())
                strFirst = strHex;
        }
    }
    return strFirst;
}

QString CDDCUtil::ParseMonitorNameFromEdid(const QString& strEdidHex)
{
    const QByteArray baEdid = QByteArray::fromHex(strEdidHex.toLatin1());
    if (baEdid.size() < 128) {
        WriteLog(LOG_ERROR, QStringLiteral("Invalid EDID data. Size too small."), PARSE_FUNCTION);
        return QString();
    }
    // Only a display descriptor (first two bytes zero) tagged as the name counts; a 0xFC byte
    // elsewhere is timing data.
    for (int nSlot : EDID_DESCRIPTOR_SLOTS) {
        if (baEdid.at(nSlot) != 0 || baEdid.at(nSlot + 1) != 0 || quint8(baEdid.at(nSlot + 3)) != EDID_NAME_TAG)
            continue;
        // The name ends at a line feed or NUL; other control bytes would reach the selector and
        // the log raw, so they are left out. Spaces and bytes from 0x80 stay.
        QByteArray baName;
        for (char c : baEdid.mid(nSlot + 5, EDID_NAME_LENGTH)) {
            const quint8 nByte = quint8(c);
            if (nByte == '\n' || nByte == 0)
                break;
            if (nByte >= 0x20 && nByte != 0x7F)
                baName.append(c);
        }
        return QString::fromLocal8Bit(baName.constData(), baName.size());
    }
    WriteLog(LOG_ERROR, QStringLiteral("Monitor Name (FC block) not found in EDID."), PARSE_FUNCTION);
    return QString();
}

void CDDCUtil::SetCurrentMonitor(int nMonitorId)
{
    QMutexLocker locker(&m_stateMutex);
    for (const MonitorInfo& info : qAsConst(m_listMonitorInfo)) {
        if (info.nMonitorId == nMonitorId) {
            m_currMonitorInfo = info;
            return;
        }
    }
}

MonitorInfo CDDCUtil::GetCurrentMonitor() const
{
    QMutexLocker locker(&m_stateMutex);
    return m_currMonitorInfo;
}

void CDDCUtil::GetMonitorList(QList<MonitorInfo>& list) const
{
    QMutexLocker locker(&m_stateMutex);
    list = m_listMonitorInfo;
}

int CDDCUtil::CurrentMonitorId() const
{
    QMutexLocker locker(&m_stateMutex);
    return m_currMonitorInfo.nMonitorId;
}

int CDDCUtil::GetRefreshRate(int nMonitorId) const
{
    QString strDeviceId;
    {
        QMutexLocker locker(&m_stateMutex);
        for (const MonitorInfo& info : m_listMonitorInfo) {
            if (info.nMonitorId == nMonitorId) {
                strDeviceId = info.strDeviceId;
                break;
            }
        }
    }
    CDisplayPlatform* pPlatform = Platform();
    if (!pPlatform || strDeviceId.isEmpty())
        return -1;
    // The display is the adapter that shows this monitor now.
    for (const CDisplayPlatform::Adapter& adapter : pPlatform->Adapters()) {
        for (const CDisplayPlatform::MonitorDevice& monitor : adapter.listMonitors) {
            if (monitor.strDeviceId.compare(strDeviceId, Qt::CaseInsensitive) == 0)
                return pPlatform->RefreshRate(adapter.strDeviceName);
        }
    }
    return -1;
}

int CDDCUtil::ValueFromText(const QString& strValue)
{
    if (strValue.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return strValue.toInt(nullptr, 16);
    return strValue.toInt(nullptr, 10);
}

// Each transfer holds the transfer lock from its first plug-in call to the end of its last
// pause, so another thread's transfer never lands between a selector and its data, nor inside
// the settling time the monitor was given.

void CDDCUtil::SetVcp(const QString& strCode, const QString& strValue)
{
    const int nValue = ValueFromText(strValue);
    QMutexLocker locker(&m_transferMutex);
    const int nId = CurrentMonitorId();
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strCode, nValue);
    LOG_WRITE(LOG_DEBUG, JoinLogParts({QString::number(nId), strCode, strValue}));
    QThread::msleep(5);
}

void CDDCUtil::SetSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                         const QString& strValue)
{
    QMutexLocker locker(&m_transferMutex);
    const int nId = CurrentMonitorId();
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strSelectCode, ValueFromText(strSubCode));
    LOG_WRITE(LOG_DEBUG, JoinLogParts({QString::number(nId), strSelectCode, strSubCode}));
    const int nValue = ValueFromText(strValue);
    QThread::msleep(10);
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strDataCode, nValue);
    QThread::msleep(10);
    LOG_WRITE(LOG_DEBUG, JoinLogParts({QString::number(nId), strDataCode, strValue}));
}

QString CDDCUtil::GetVcp(const QString& strCode)
{
    QMutexLocker locker(&m_transferMutex);
    const int nId = CurrentMonitorId();
    // Without the plug-in interface a read fails like one the monitor did not answer.
    const QString strValue = m_pMonitorCtrl ? m_pMonitorCtrl->GetVcp(nId, strCode) : QStringLiteral("-1");
    locker.unlock();

    LOG_WRITE(LOG_DEBUG, QString::number(nId) + QStringLiteral(" Code:") + strCode + QStringLiteral(" Value:") + strValue);
    if (strValue == QLatin1String("-1")) {
        LOG_WRITE(LOG_ERROR, QStringLiteral("Get vcp code value failed!"));
        return QStringLiteral("0");
    }
    return strValue;
}

QString CDDCUtil::GetSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                            int nDelayMs)
{
    QMutexLocker locker(&m_transferMutex);
    const int nId = CurrentMonitorId();
    QString strValue = QStringLiteral("-1");
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strSelectCode, ValueFromText(strSubCode));
    if (nDelayMs > 0)
        QThread::msleep(static_cast<unsigned long>(nDelayMs));
    if (m_pMonitorCtrl)
        strValue = m_pMonitorCtrl->GetVcp(nId, strDataCode);
    locker.unlock();

    LOG_WRITE(LOG_DEBUG, JoinLogParts({QString::number(nId), strSelectCode, strSubCode, strDataCode, strValue}));
    if (strValue == QLatin1String("-1")) {
        LOG_WRITE(LOG_ERROR, QStringLiteral("Get vcp code value failed!"));
        return QStringLiteral("0");
    }
    return strValue;
}
