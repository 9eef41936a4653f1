#pragma once

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <mutex>

// A display's DDC/CI side at byte level, for tests and benchmarks: it decodes the requests it is
// sent, keeps feature values (plain and behind the 0xEE/0xF0 selectors), answers Get VCP Feature
// with reply bytes, and can misbehave on demand. It records what reached it:
// "OPEN", "SET 0x10 50" (a Set VCP Feature it accepted), "GET 0x10" (a Get VCP Feature request).
class CFakeDdcMonitor
{
public:
    enum class EUnsupportedStyle
    {
        ResultCode,
        NullMessage,
        ZeroValues,
    };
    enum class EReplyFault
    {
        BadChecksum,
        AllZero,
        WrongCode,
        NullMessage,    // what some displays send when their reply is not ready
    };
    enum class EHang
    {
        None,
        UntilTimeout,   // a read blocks for the caller's budget, then ETIMEDOUT (an adapter time-out)
        UntilReleased,  // a read blocks until Release(), whatever the budget
    };

    CFakeDdcMonitor();

    void SetFeature(int nCode, int nValue, int nMax = 100);
    void SetSubFeature(int nSelector, int nSubCode, int nValue, int nMax = 100);
    void SetUnsupported(int nCode, EUnsupportedStyle eStyle);
    // -1 when the display has no such feature.
    int Value(int nCode) const;
    int SubValue(int nSelector, int nSubCode) const;

    void FailOpen(int nError);
    void FailNextWrites(int nError, int nCount);
    void FailWritesOfCode(int nCode, int nError);
    void FailNextReads(int nError, int nCount);
    void CorruptNextReplies(EReplyFault eFault, int nCount);
    void SetHang(EHang eHang);
    void Release();
    // Each bus transaction takes this long.
    void SetTransferMs(int nMs);
    // Messages closer than this are counted as violations, and a reply read too early is garbage:
    // the display's reply time.
    void SetRequiredDelays(int nReplyMs, int nGapMs);

    QStringList Log() const;
    QStringList Sets() const;
    int Count(const QString& strLine) const;
    int Opens() const;
    int Violations() const;
    // When the last Set VCP Feature was accepted.
    std::chrono::steady_clock::time_point LastSetTime() const;
    void ClearLog();

    // The bus side.
    int Open();
    int Write(const QByteArray& baBytes, int nTimeoutMs);
    int Read(QByteArray& baBytes, int nSize, int nTimeoutMs);

private:
    using Clock = std::chrono::steady_clock;

    struct Feature
    {
        int nValue = 0;
        int nMax = 0;
    };

    void TransferTime();
    void CheckGapLocked(bool bRead, Clock::time_point tpStart);
    QByteArray ReplyLocked(int nCode) const;
    void ApplySetLocked(int nCode, int nValue);

    mutable std::mutex m_mutex;
    std::condition_variable m_cvRelease;

    QMap<int, Feature> m_mapFeatures;
    QMap<QPair<int, int>, Feature> m_mapSubFeatures;
    QMap<int, EUnsupportedStyle> m_mapUnsupported;
    QMap<int, int> m_mapSelect;     // selector -> current sub-code

    int m_nOpenError = 0;
    int m_nWriteError = 0;
    int m_nWriteErrorCount = 0;
    QMap<int, int> m_mapCodeWriteError;
    int m_nReadError = 0;
    int m_nReadErrorCount = 0;
    EReplyFault m_eReplyFault = EReplyFault::BadChecksum;
    int m_nReplyFaultCount = 0;
    EHang m_eHang = EHang::None;
    bool m_bReleased = false;
    int m_nTransferMs = 0;
    int m_nRequiredReplyMs = 0;
    int m_nRequiredGapMs = 0;

    int m_nPendingCode = -1;     // a Get request waiting for its reply
    bool m_bLastWasRequest = false;
    bool m_bHaveLast = false;
    Clock::time_point m_tpLastEnd;
    Clock::time_point m_tpLastSet;
    bool m_bEarlyRead = false;

    QStringList m_listLog;
    int m_nOpens = 0;
    int m_nViolations = 0;
};
