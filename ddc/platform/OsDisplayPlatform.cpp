#include "ddc/platform/OsDisplayPlatform.h"

#include "ddc/platform/DisplayPlatform.h"

QSharedPointer<CDisplayPlatform> CreateOsDisplayPlatform()
{
    // Filled in by the platform layers.
    return {};
}
