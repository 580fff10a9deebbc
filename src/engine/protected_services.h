#pragma once
// Services Windows Vista and later cannot start or log on without: the
// services page never offers them there.
#include <string>

#include "platform/os_edition.h"

namespace brisko {

// Windows Vista or later (an NT system reporting 6.0 or more).
bool IsVistaOrLater(const OsVersion& version);

// Whether the service (by key name, any case) is one of them.
bool IsProtectedService(const std::string& keyName);

}  // namespace brisko
