#include "ddc/DDCUtil.h"

#include "app/Logger.h"
#include "ddc/MonitorCtrlInterface.h"
#include "ddc/VcpCodes.h"
#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/OsDisplayPlatform.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QThread>

#include <cstdlib>

namespace
{
const quint32 DISPLAY_DEVICE_ACTIVE = 0x1;
const quint32 DISPLAY_DEVICE_MIRRORING = 0x8;
const QString ENUM_ROOT = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\");
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
        Logger::GetInstance()->WriteLog(
            LOG_INFO, QStringLiteral("DDC插件加载失败:%0,%1").arg(strPath, m_pLoader->errorString()), "CDDCUtil::CDDCUtil");
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
    if (m_pPlatformOverride)
        return m_pPlatformOverride;
    if (auto* pPluginPlatform = qobject_cast<CDisplayPlatform*>(m_pLoader ? m_pLoader->instance() : nullptr))
        return pPluginPlatform;
    if (!m_pOsPlatform)
        const_cast<CDDCUtil*>(this)->m_pOsPlatform = CreateOsDisplayPlatform();
    return m_pOsPlatform.data();
}

void CDDCUtil::SetDisplayPlatform(CDisplayPlatform* pPlatform)
{
    m_pPlatformOverride = pPlatform;
}

void CDDCUtil::Init()
{
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->Reset();
    DetectMonitor();

    QMutexLocker locker(&m_stateMutex);
    if (!m_listMonitorInfo.isEmpty()) {
        m_currMonitorInfo = m_listMonitorInfo.first();
    } else {
        locker.unlock();
        LOG_WRITE(LOG_INFO, QStringLiteral("===> [%1] monitor didn't detected! <===").arg(ORGANIZATION_NAME));
    }
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
    CDisplayPlatform* pPlatform = Platform();
    if (pPlatform) {
        QList<CDisplayPlatform::Display> listDisplays;
        for (const CDisplayPlatform::Display& display : pPlatform->Displays()) {
            if (!display.bCountOk) {
                LOG_WRITE(LOG_ERROR, QStringLiteral("Failed to get physical monitor count."));
                continue;
            }
            listDisplays.append(display);
        }

        static const QRegularExpression s_reModel(QStringLiteral("DISPLAY[\\\\#]?(\\w+).*?(UID\\d+)"));
        for (const CDisplayPlatform::Adapter& adapter : pPlatform->Adapters()) {
            for (const CDisplayPlatform::MonitorDevice& monitor : adapter.listMonitors) {
                if (!(monitor.nStateFlags & DISPLAY_DEVICE_ACTIVE) || (monitor.nStateFlags & DISPLAY_DEVICE_MIRRORING))
                    continue;
                for (const CDisplayPlatform::Display& display : listDisplays) {
                    for (int m = 0; m <= display.nPhysicalMonitors; ++m) {
                        if (display.strDeviceName + QStringLiteral("\\Monitor") + QString::number(m) != monitor.strDeviceName)
                            continue;

                        const QString& strDeviceId = monitor.strDeviceId;
                        const QRegularExpressionMatch match = s_reModel.match(strDeviceId);
                        const QString strModel = match.hasMatch() ? match.captured(1) : QString();

                        MonitorInfo info;
                        info.nIndex = 0;
                        const QString strEdid = GetEdidFromRegistry(strDeviceId);
                        const QString strEdidName = strEdid.isEmpty() ? QString() : ParseMonitorNameFromEdid(strEdid);

                        QString strCleaned = QString(strModel).remove(ORGANIZATION_NAME, Qt::CaseInsensitive).trimmed();
                        if (strCleaned.isEmpty())
                            strCleaned = strModel;

                        if (!strEdidName.isEmpty()) {
                            info.strEdidName = strEdidName;
                            info.strMonitorName = strEdidName;
                        } else {
                            info.strMonitorName = strCleaned;
                        }
                        info.strDeviceName = QLatin1String("");
                        info.strManufacturer = QLatin1String("");
                        info.strProductCode = QLatin1String("");
                        info.strReserved = QLatin1String("");
                        info.strDeviceId = strDeviceId;

                        LOG_WRITE(LOG_INFO, QStringLiteral("%0Display: %1, Monitor Name: %2, Manufacturer: -, Product Code: -.")
                                                .arg(QStringLiteral("0"), strModel, info.strMonitorName));

                        info.nMonitorId = m_pMonitorCtrl ? m_pMonitorCtrl->GetMonitorIndex(strDeviceId) : -1;
                        listFound.append(info);
                    }
                }
            }
        }
    }

    {
        QMutexLocker locker(&m_stateMutex);
        m_listMonitorInfo = listFound;
    }
    emit Sig_MonitorDetectFinished();
}

QString CDDCUtil::GetEdidFromRegistry(const QString& strDeviceId) const
{
    CDisplayPlatform* pPlatform = Platform();
    if (!pPlatform)
        return QString();

    // A device interface name "\\?\DISPLAY#ABC1234#5&1a2b&0&UID4353#{guid}" names the instance
    // "DISPLAY\ABC1234\5&1a2b&0&UID4353" below the Enum key.
    QString strInstance = strDeviceId;
    if (strInstance.startsWith(QLatin1String("\\\\?\\")))
        strInstance.remove(0, 4);
    const int nGuid = strInstance.lastIndexOf(QLatin1String("#{"));
    if (nGuid >= 0)
        strInstance.truncate(nGuid);
    strInstance.replace(QLatin1Char('#'), QLatin1Char('\\'));

    QByteArray baEdid;
    if (pPlatform->ReadBinaryValue(ENUM_ROOT + strInstance + QStringLiteral("\\Device Parameters"), QStringLiteral("EDID"), baEdid)
        && !baEdid.isEmpty())
        return QString::fromLatin1(baEdid.toHex());

    const QString strDisplayRoot = ENUM_ROOT + QStringLiteral("DISPLAY");
    if (!pPlatform->KeyExists(strDisplayRoot))
        return QString();

    QString strFirst;
    for (const QString& strModel : pPlatform->SubKeys(strDisplayRoot)) {
        for (const QString& strInst : pPlatform->SubKeys(strDisplayRoot + QLatin1Char('\\') + strModel)) {
            QByteArray baValue;
            if (!pPlatform->ReadBinaryValue(strDisplayRoot + QLatin1Char('\\') + strModel + QLatin1Char('\\') + strInst
                                                + QStringLiteral("\\Device Parameters"),
                                            QStringLiteral("EDID"), baValue))
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
        Logger::GetInstance()->WriteLog(LOG_ERROR, QStringLiteral("Invalid EDID data. Size too small."),
                                        "CDDCUtil::ParseMonitorNameFromEdid");
        return QString();
    }
    // Only the four descriptor slots; a 0xFC elsewhere is timing data, not a name.
    for (int nSlot : {54, 72, 90, 108}) {
        if (baEdid.at(nSlot) != 0 || baEdid.at(nSlot + 1) != 0 || quint8(baEdid.at(nSlot + 3)) != 0xFC)
            continue;
        QByteArray baName = baEdid.mid(nSlot + 5, 13);
        const int nLineFeed = baName.indexOf('\n');
        if (nLineFeed >= 0)
            baName.truncate(nLineFeed);
        return QString::fromLocal8Bit(baName);
    }
    Logger::GetInstance()->WriteLog(LOG_ERROR, QStringLiteral("Monitor Name (FC block) not found in EDID."),
                                    "CDDCUtil::ParseMonitorNameFromEdid");
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
    return (pPlatform && !strDeviceId.isEmpty()) ? pPlatform->RefreshRate(strDeviceId) : -1;
}

int CDDCUtil::ValueFromText(const QString& strValue)
{
    if (strValue.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return strValue.toInt(nullptr, 16);
    return strValue.toInt(nullptr, 10);
}

void CDDCUtil::SetVcp(const QString& strCode, const QString& strValue)
{
    const int nValue = ValueFromText(strValue);
    const int nId = CurrentMonitorId();
    {
        QMutexLocker locker(&m_transferMutex);
        if (m_pMonitorCtrl)
            m_pMonitorCtrl->SetVcp(nId, strCode, nValue);
    }
    LOG_WRITE(LOG_DEBUG, QStringList{QString::number(nId), strCode, strValue}.join(QLatin1Char(' ')));
    QThread::msleep(5);
}

void CDDCUtil::SetSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                         const QString& strValue)
{
    const int nId = CurrentMonitorId();
    QMutexLocker locker(&m_transferMutex);
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strSelectCode, ValueFromText(strSubCode));
    LOG_WRITE(LOG_DEBUG, QStringList{QString::number(nId), strSelectCode, strSubCode}.join(QLatin1Char(' ')));
    const int nValue = ValueFromText(strValue);
    QThread::msleep(10);
    if (m_pMonitorCtrl)
        m_pMonitorCtrl->SetVcp(nId, strDataCode, nValue);
    QThread::msleep(10);
    LOG_WRITE(LOG_DEBUG, QStringList{QString::number(nId), strDataCode, strValue}.join(QLatin1Char(' ')));
}

QString CDDCUtil::GetVcp(const QString& strCode)
{
    const int nId = CurrentMonitorId();
    QString strValue;
    {
        QMutexLocker locker(&m_transferMutex);
        if (m_pMonitorCtrl)
            strValue = m_pMonitorCtrl->GetVcp(nId, strCode);
        else
            strValue = QStringLiteral("-1");
    }
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
    const int nId = CurrentMonitorId();
    QString strValue = QStringLiteral("-1");
    {
        QMutexLocker locker(&m_transferMutex);
        if (m_pMonitorCtrl)
            m_pMonitorCtrl->SetVcp(nId, strSelectCode, ValueFromText(strSubCode));
        if (nDelayMs > 0)
            QThread::msleep(static_cast<unsigned long>(nDelayMs));
        if (m_pMonitorCtrl)
            strValue = m_pMonitorCtrl->GetVcp(nId, strDataCode);
    }
    LOG_WRITE(LOG_DEBUG, QStringList{QString::number(nId), strSelectCode, strSubCode, strDataCode, strValue}.join(QLatin1Char(' ')));
    if (strValue == QLatin1String("-1")) {
        LOG_WRITE(LOG_ERROR, QStringLiteral("Get vcp code value failed!"));
        return QStringLiteral("0");
    }
    return strValue;
}
