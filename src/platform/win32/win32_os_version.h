#pragma once
#include "platform/os_edition.h"

namespace brisko::win32 {

// GetVersionExA, as the edition rules expect its numbers.
class Win32OsVersionSource final : public OsVersionSource {
public:
    OsVersion Read() override;
};

}  // namespace brisko::win32
