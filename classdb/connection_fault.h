#pragma once

#include "core/progress/class_database_texts.h"

#include <QString>

namespace tavelle {

// The fault a server's error code (SQLSTATE) tells.
ServerFault faultOfCode(const QString& code);

// Why a connection could not be opened, asked of libpq again with `driverOptions`: the server's error code
// when it answered, a password it wanted and did not get, or no answer at all. Waits as long as the options'
// connect_timeout says.
ServerFault connectionFault(const QString& driverOptions);

}  // namespace tavelle
