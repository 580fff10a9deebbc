#pragma once
// System Restore through srclient.dll, loaded at run time from the system
// folder by its full path; where the library or its function is missing,
// nothing is asked.
#include <windows.h>

#include "platform/restore_points.h"
#include "platform/win32/system_paths.h"

namespace brisko::win32 {

class Win32RestorePoints final : public RestorePoints {
public:
    Win32RestorePoints() = default;
    ~Win32RestorePoints() override = default;
    Win32RestorePoints(const Win32RestorePoints&) = delete;
    Win32RestorePoints& operator=(const Win32RestorePoints&) = delete;

    RestorePointStart Begin(const std::string& description) override;
    void End(int64_t sequence) override;
    void Cancel(int64_t sequence) override;

private:
    using SetRestorePoint = BOOL(WINAPI*)(void* info, void* status);
    SetRestorePoint Function();
    bool Call(DWORD event, DWORD type, int64_t sequence, const std::wstring& description, DWORD& status,
              int64_t& made);

    LoadedLibrary library_;
    bool looked_ = false;
    SetRestorePoint function_ = nullptr;
};

}  // namespace brisko::win32
