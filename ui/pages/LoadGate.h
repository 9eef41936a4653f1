#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>

#include <functional>

// Keeps page loads from nesting. A load's wait dialog, like the no-monitor box of the window's
// re-detection, runs an event loop in which timers, hub signals and clicks are still delivered;
// a load they ask for waits here and runs once nothing holds the gate any more, so that it reads
// the monitor that is current by then. GUI thread only.
class CLoadGate
{
public:
    static CLoadGate* GetInstance();

    // Holds the gate for its lifetime.
    class CHold
    {
    public:
        CHold() { CLoadGate::GetInstance()->Enter(); }
        ~CHold() { CLoadGate::GetInstance()->Leave(); }
        CHold(const CHold&) = delete;
        CHold& operator=(const CHold&) = delete;
    };

    bool IsHeld() const { return m_nHolds > 0; }

    // Keeps a request of pOwner until the gate is free. An empty key stands for everything the
    // owner loads: it replaces the owner's waiting requests and makes later ones of the owner
    // needless. A request whose key is already waiting only takes the newer action.
    void Defer(QObject* pOwner, const QByteArray& key, std::function<void()> fnRun);
    // pOwner is serving the request now: the waiting ones it satisfies go (all of the owner's for
    // an empty key).
    void Drop(const QObject* pOwner, const QByteArray& key);

private:
    struct Request
    {
        QPointer<QObject> pOwner;
        QByteArray key;
        std::function<void()> fnRun;
    };

    void Enter();
    void Leave();
    void Drain();

    QList<Request> m_listWaiting;
    int m_nHolds = 0;
    bool m_bDrainPosted = false;
};
