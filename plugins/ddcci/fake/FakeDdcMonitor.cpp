#include "plugins/ddcci/fake/FakeDdcMonitor.h"

#include "plugins/common/DdcCodec.h"

#include <cerrno>
#include <thread>

namespace
{
QString Hex(int nCode)
{
    return QStringLiteral("0x%1").arg(nCode, 2, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"),
                                                                                         QLatin1String("0x"));
}

QByteArray NullReply()
{
    QByteArray ba(CDdcCodec::GET_REPLY_SIZE, '\0');
    ba[0] = char(CDdcCodec::DISPLAY_WRITE_ADDRESS);
    ba[1] = char(0x80);
    ba[2] = char(CDdcCodec::Checksum(CDdcCodec::HOST_ADDRESS, ba, 2));
    return ba;
}

int DataSelector(int nCode)
{
    if (nCode == 0xEF)
        return 0xEE;
    if (nCode == 0xF2)
        return 0xF0;
    return -1;
}
}

CFakeDdcMonitor::CFakeDdcMonitor() = default;

void CFakeDdcMonitor::SetFeature(int nCode, int nValue, int nMax)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mapFeatures[nCode] = Feature{nValue, nMax};
    m_mapUnsupported.remove(nCode);
}

void CFakeDdcMonitor::SetSubFeature(int nSelector, int nSubCode, int nValue, int nMax)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mapSubFeatures[qMakePair(nSelector, nSubCode)] = Feature{nValue, nMax};
}

void CFakeDdcMonitor::SetUnsupported(int nCode, EUnsupportedStyle eStyle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mapFeatures.remove(nCode);
    m_mapUnsupported[nCode] = eStyle;
}

int CFakeDdcMonitor::Value(int nCode) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mapFeatures.contains(nCode) ? m_mapFeatures.value(nCode).nValue : -1;
}

int CFakeDdcMonitor::SubValue(int nSelector, int nSubCode) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto key = qMakePair(nSelector, nSubCode);
    return m_mapSubFeatures.contains(key) ? m_mapSubFeatures.value(key).nValue : -1;
}

void CFakeDdcMonitor::FailOpen(int nError)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nOpenError = nError;
}

void CFakeDdcMonitor::FailNextWrites(int nError, int nCount)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nWriteError = nError;
    m_nWriteErrorCount = nCount;
}

void CFakeDdcMonitor::FailWritesOfCode(int nCode, int nError)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mapCodeWriteError[nCode] = nError;
}

void CFakeDdcMonitor::FailNextReads(int nError, int nCount)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nReadError = nError;
    m_nReadErrorCount = nCount;
}

void CFakeDdcMonitor::CorruptNextReplies(EReplyFault eFault, int nCount)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_eReplyFault = eFault;
    m_nReplyFaultCount = nCount;
}

void CFakeDdcMonitor::SetHang(EHang eHang)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_eHang = eHang;
    m_bReleased = false;
}

void CFakeDdcMonitor::Release()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_eHang = EHang::None;
        m_bReleased = true;
    }
    m_cvRelease.notify_all();
}

void CFakeDdcMonitor::SetTransferMs(int nMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nTransferMs = nMs;
}

void CFakeDdcMonitor::SetRequiredDelays(int nReplyMs, int nGapMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nRequiredReplyMs = nReplyMs;
    m_nRequiredGapMs = nGapMs;
}

QStringList CFakeDdcMonitor::Log() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listLog;
}

QStringList CFakeDdcMonitor::Sets() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList list;
    for (const QString& strLine : m_listLog) {
        if (strLine.startsWith(QLatin1String("SET ")))
            list.append(strLine);
    }
    return list;
}

int CFakeDdcMonitor::Count(const QString& strLine) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listLog.count(strLine);
}

int CFakeDdcMonitor::Opens() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nOpens;
}

int CFakeDdcMonitor::Violations() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nViolations;
}

std::chrono::steady_clock::time_point CFakeDdcMonitor::LastSetTime() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_tpLastSet;
}

void CFakeDdcMonitor::ClearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listLog.clear();
    m_nOpens = 0;
    m_nViolations = 0;
}

int CFakeDdcMonitor::Open()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nOpenError)
        return m_nOpenError;
    ++m_nOpens;
    m_listLog.append(QStringLiteral("OPEN"));
    return 0;
}

void CFakeDdcMonitor::TransferTime()
{
    int nMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        nMs = m_nTransferMs;
    }
    if (nMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(nMs));
}

void CFakeDdcMonitor::CheckGapLocked(bool bRead, Clock::time_point tpStart)
{
    m_bEarlyRead = false;
    if (!m_bHaveLast)
        return;
    const bool bReplyWait = bRead && m_bLastWasRequest;
    const auto required = std::chrono::milliseconds(bReplyWait ? m_nRequiredReplyMs : m_nRequiredGapMs);
    if (tpStart - m_tpLastEnd < required) {
        ++m_nViolations;
        m_bEarlyRead = bRead;
    }
}

int CFakeDdcMonitor::Write(const QByteArray& baBytes, int /*nTimeoutMs*/)
{
    const Clock::time_point tpStart = Clock::now();
    TransferTime();
    std::lock_guard<std::mutex> lock(m_mutex);
    CheckGapLocked(false, tpStart);
    m_bHaveLast = true;
    m_tpLastEnd = Clock::now();
    m_bLastWasRequest = false;
    m_nPendingCode = -1;

    const QByteArray& ba = baBytes;
    const int nCode = ba.size() >= 4 ? quint8(ba.at(3)) : -1;
    if (m_nWriteErrorCount > 0) {
        --m_nWriteErrorCount;
        return m_nWriteError;
    }
    if (m_mapCodeWriteError.contains(nCode) && ba.size() == 7)
        return m_mapCodeWriteError.value(nCode);

    // A display drops messages that are not well formed.
    if (ba.size() < 4 || quint8(ba.at(0)) != CDdcCodec::HOST_SOURCE_ADDRESS
        || quint8(ba.back()) != CDdcCodec::Checksum(CDdcCodec::DISPLAY_WRITE_ADDRESS, ba, ba.size() - 1)) {
        m_listLog.append(QStringLiteral("BAD"));
        return 0;
    }
    if (ba.size() == 5 && quint8(ba.at(1)) == 0x82 && quint8(ba.at(2)) == 0x01) {
        m_listLog.append(QStringLiteral("GET ") + Hex(nCode));
        m_nPendingCode = nCode;
        m_bLastWasRequest = true;
        return 0;
    }
    if (ba.size() == 7 && quint8(ba.at(1)) == 0x84 && quint8(ba.at(2)) == 0x03) {
        const int nValue = (quint8(ba.at(4)) << 8) | quint8(ba.at(5));
        m_listLog.append(QStringLiteral("SET %1 %2").arg(Hex(nCode)).arg(nValue));
        ApplySetLocked(nCode, nValue);
        m_tpLastSet = m_tpLastEnd;
        return 0;
    }
    m_listLog.append(QStringLiteral("BAD"));
    return 0;
}

void CFakeDdcMonitor::ApplySetLocked(int nCode, int nValue)
{
    if (nCode == 0xEE || nCode == 0xF0) {
        m_mapSelect[nCode] = nValue;
        return;
    }
    const int nSelector = DataSelector(nCode);
    if (nSelector >= 0) {
        auto it = m_mapSubFeatures.find(qMakePair(nSelector, m_mapSelect.value(nSelector)));
        if (it != m_mapSubFeatures.end())
            it->nValue = nValue;
        return;
    }
    auto it = m_mapFeatures.find(nCode);
    if (it != m_mapFeatures.end())
        it->nValue = nValue;
}

QByteArray CFakeDdcMonitor::ReplyLocked(int nCode) const
{
    QByteArray ba(CDdcCodec::GET_REPLY_SIZE, '\0');
    ba[0] = char(CDdcCodec::DISPLAY_WRITE_ADDRESS);
    ba[1] = char(0x88);
    ba[2] = 0x02;

    const Feature* pFeature = nullptr;
    const int nSelector = DataSelector(nCode);
    if (nSelector >= 0) {
        auto it = m_mapSubFeatures.constFind(qMakePair(nSelector, m_mapSelect.value(nSelector)));
        if (it != m_mapSubFeatures.constEnd())
            pFeature = &it.value();
    } else if (m_mapFeatures.contains(nCode)) {
        pFeature = &m_mapFeatures.constFind(nCode).value();
    }

    if (pFeature) {
        ba[4] = char(nCode);
        ba[6] = char(pFeature->nMax >> 8);
        ba[7] = char(pFeature->nMax & 0xFF);
        ba[8] = char(pFeature->nValue >> 8);
        ba[9] = char(pFeature->nValue & 0xFF);
    } else {
        switch (m_mapUnsupported.value(nCode, EUnsupportedStyle::ResultCode)) {
        case EUnsupportedStyle::ResultCode:
            ba[3] = 0x01;
            break;
        case EUnsupportedStyle::NullMessage:
            return NullReply();
        case EUnsupportedStyle::ZeroValues:
            ba[4] = char(nCode);
            break;
        }
    }
    ba[10] = char(CDdcCodec::Checksum(CDdcCodec::HOST_ADDRESS, ba, 10));
    return ba;
}

int CFakeDdcMonitor::Read(QByteArray& baBytes, int nSize, int nTimeoutMs)
{
    const Clock::time_point tpStart = Clock::now();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_eHang == EHang::UntilTimeout) {
            m_cvRelease.wait_for(lock, std::chrono::milliseconds(nTimeoutMs), [this] { return m_bReleased; });
            return ETIMEDOUT;
        }
        if (m_eHang == EHang::UntilReleased) {
            m_cvRelease.wait(lock, [this] { return m_bReleased; });
            return ETIMEDOUT;
        }
    }
    TransferTime();
    std::lock_guard<std::mutex> lock(m_mutex);
    CheckGapLocked(true, tpStart);
    m_bHaveLast = true;
    m_tpLastEnd = Clock::now();
    const int nCode = m_nPendingCode;
    m_nPendingCode = -1;
    m_bLastWasRequest = false;
    if (m_nReadErrorCount > 0) {
        --m_nReadErrorCount;
        return m_nReadError;
    }

    // Nothing asked, or asked too early: the display has no reply ready.
    QByteArray ba = (nCode >= 0 && !m_bEarlyRead) ? ReplyLocked(nCode) : QByteArray(CDdcCodec::GET_REPLY_SIZE, '\0');
    if (m_nReplyFaultCount > 0 && nCode >= 0) {
        --m_nReplyFaultCount;
        switch (m_eReplyFault) {
        case EReplyFault::BadChecksum:
            ba[10] = char(ba.at(10) ^ 0x5A);
            break;
        case EReplyFault::AllZero:
            ba.fill('\0');
            break;
        case EReplyFault::WrongCode:
            ba[4] = char(nCode + 1);
            ba[10] = char(CDdcCodec::Checksum(CDdcCodec::HOST_ADDRESS, ba, 10));
            break;
        case EReplyFault::NullMessage:
            ba = NullReply();
            break;
        }
    }
    baBytes = ba.left(nSize);
    return 0;
}
