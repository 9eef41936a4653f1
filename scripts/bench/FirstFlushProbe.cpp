// Preloaded into the client and into the peer program by scripts/benchmarks.sh: notes the first
// time a window's contents reach the screen (the first QBackingStore::flush, the call every Qt
// widget program makes to show a painted frame), so that both programs are measured by the same
// rule without changing either. On that first call it writes, to the file named by
// BENCH_FIRST_FLUSH_FILE, one line:
//   first_flush_epoch_us=<wall clock, microseconds since the epoch> cpu_us=<process CPU time>
// and then forwards the call. Linux only.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace
{
// QBackingStore::flush(const QRegion&, QWindow*, const QPoint&), as Qt 5 exports it.
using FlushFn = void (*)(void*, const void*, void*, const void*);
const char FLUSH_SYMBOL[] = "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint";

long long Microseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void NoteFirstFlush()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    const long long nWallUs = Microseconds(CLOCK_REALTIME);
    const long long nCpuUs = Microseconds(CLOCK_PROCESS_CPUTIME_ID);
    const char* szPath = std::getenv("BENCH_FIRST_FLUSH_FILE");
    if (!szPath)
        return;
    // Written under another name and renamed, so that a reader never sees half a line.
    char szTemp[4096];
    std::snprintf(szTemp, sizeof szTemp, "%s.part", szPath);
    if (FILE* pFile = std::fopen(szTemp, "w")) {
        std::fprintf(pFile, "first_flush_epoch_us=%lld cpu_us=%lld\n", nWallUs, nCpuUs);
        std::fclose(pFile);
        std::rename(szTemp, szPath);
    }
}
}

extern "C" __attribute__((visibility("default"))) void
_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint(void* pThis, const void* pRegion, void* pWindow,
                                                      const void* pOffset)
{
    NoteFirstFlush();
    static const auto s_fnReal = reinterpret_cast<FlushFn>(dlsym(RTLD_NEXT, FLUSH_SYMBOL));
    if (s_fnReal)
        s_fnReal(pThis, pRegion, pWindow, pOffset);
}
