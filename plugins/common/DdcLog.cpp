#include "plugins/common/DdcLog.h"

Q_LOGGING_CATEGORY(lcDdcci, "zavo.ddcci", QtInfoMsg)
