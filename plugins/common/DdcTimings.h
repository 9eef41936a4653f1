#pragma once

// Pauses and limits of DDC/CI traffic. The defaults are what displays need; tests run a simulated
// display with shorter ones.
struct DdcTimings
{
    int nReplyDelayMs = 40;     // a request written, before its reply is read; grows for slow displays
    int nReplyDelayMaxMs = 200; // the most it grows to
    int nMessageGapMs = 50;     // after any message, before the next one starts
    int nCallTimeoutMs = 1000;  // budget of one bus transaction
    int nRetries = 4;           // further attempts after a transient failure or a reply not ready
    int nRetryPauseMs = 40;     // pause before the first retry; each further one waits this much longer
    int nReadWaitMs = 8000;     // longest a caller waits for its read, queue included
    int nSelectorHoldMs = 2000; // a selector write still waiting for its data call is then sent alone
    int nShutdownMs = 3000;     // what a closing plug-in spends on writes not yet sent
};
