#include "ddc/platform/OsDisplayPlatform.h"

#include "ddc/platform/DisplayPlatform.h"

#if defined(Q_OS_WIN)
#include "ddc/platform/WinDisplayPlatform.h"
#elif defined(Q_OS_LINUX)
#include "ddc/platform/LinuxDisplayPlatform.h"
#endif

QSharedPointer<CDisplayPlatform> CreateOsDisplayPlatform()
{
#if defined(Q_OS_WIN)
    return QSharedPointer<CDisplayPlatform>(new CWinDisplayPlatform());
#elif defined(Q_OS_LINUX)
    return QSharedPointer<CDisplayPlatform>(new CLinuxDisplayPlatform());
#else
    return {};
#endif
}
