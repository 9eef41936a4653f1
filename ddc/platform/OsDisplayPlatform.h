#pragma once

#include <QSharedPointer>

class CDisplayPlatform;

// The operating system's own display platform: Windows calls, or DRM sysfs on Linux.
QSharedPointer<CDisplayPlatform> CreateOsDisplayPlatform();
