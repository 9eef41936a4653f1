#include "ui/pages/LoadGate.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

CLoadGate* CLoadGate::GetInstance()
{
    static CLoadGate s_gate;
    return &s_gate;
}

void CLoadGate::Defer(QObject* pOwner, const QByteArray& key, std::function<void()> fnRun)
{
    const auto itOwnerFull = std::find_if(m_listWaiting.begin(), m_listWaiting.end(), [&](const Request& request) {
        return request.pOwner == pOwner && request.key.isEmpty();
    });
    if (!key.isEmpty() && itOwnerFull != m_listWaiting.end())
        return;
    if (key.isEmpty())
        Drop(pOwner, key);
    for (Request& request : m_listWaiting) {
        if (request.pOwner == pOwner && request.key == key) {
            request.fnRun = std::move(fnRun);
            return;
        }
    }
    m_listWaiting.append(Request{pOwner, key, std::move(fnRun)});
}

void CLoadGate::Drop(const QObject* pOwner, const QByteArray& key)
{
    m_listWaiting.erase(std::remove_if(m_listWaiting.begin(), m_listWaiting.end(),
                                       [&](const Request& request) {
                                           return request.pOwner == pOwner && (key.isEmpty() || request.key == key);
                                       }),
                        m_listWaiting.end());
}

void CLoadGate::Enter()
{
    ++m_nHolds;
}

void CLoadGate::Leave()
{
    if (--m_nHolds > 0 || m_listWaiting.isEmpty() || m_bDrainPosted || !QCoreApplication::instance())
        return;
    // The holder is usually still on the stack (a page between its two groups); what waits runs
    // from the event loop, after it.
    m_bDrainPosted = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { Drain(); });
}

void CLoadGate::Drain()
{
    m_bDrainPosted = false;
    // A load started here holds the gate itself; what asks meanwhile waits for the next drain.
    while (!IsHeld() && !m_listWaiting.isEmpty()) {
        const Request request = m_listWaiting.takeFirst();
        if (request.pOwner)
            request.fnRun();
    }
}
