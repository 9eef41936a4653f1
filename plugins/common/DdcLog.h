#pragma once

#include <QLoggingCategory>

// Transfer failures of the DDC/CI plug-in; off unless QT_LOGGING_RULES="zavo.ddcci.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDdcci)
