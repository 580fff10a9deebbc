#pragma once
// System Restore through srclient.dll, loaded at run time from the system
// folder by its full path (its own imports found there too); where the
// library or its function is missing, nothing is asked. COM is started for
// it when this is made, at the program's start.
#include <windows.h>

#include "platform/restore_points.h"

namespace brisko::win32 {

class Win32RestorePoints final : public RestorePoints {
public:
    Win32RestorePoints();
    ~Win32RestorePoints() override = default;
    Win32RestorePoints(const Win32RestorePoints&) = delete;
    Win32RestorePoints& operator=(const Win32RestorePoints&) = delete;

    RestorePointStart Begin(const std::string& description) override;
    std::optional<int64_t> NewestSequence() override;
    void End(int64_t sequence) override;
    void Cancel(int64_t sequence) override;

private:
    using SetRestorePoint = BOOL(WINAPI*)(void* info, void* status);
    SetRestorePoint Function();
    bool Call(DWORD event, DWORD type, int64_t sequence, const std::wstring& description, DWORD& status,
              int64_t& made);

    bool com_ = false;
    bool looked_ = false;
    SetRestorePoint function_ = nullptr;
};

}  // namespace brisko::win32
