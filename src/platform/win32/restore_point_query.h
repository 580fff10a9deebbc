#pragma once
// The newest System Restore point, as Windows Management Instrumentation
// lists them (root\default, SystemRestore), with COM started as
// com_security.h does it.
#include <cstdint>
#include <optional>

namespace brisko::win32 {

// Its sequence number; 0 when there is none; nullopt when it cannot be told
// (no such class, WMI refused, COM missing).
std::optional<int64_t> NewestRestorePointNumber();

}  // namespace brisko::win32
