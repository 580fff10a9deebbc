#include "platform/win32/win32_restore_points.h"

#include <srrestoreptapi.h>

#include "platform/win32/com_security.h"
#include "platform/win32/restore_point_query.h"
#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
// Windows' answer in words.
std::string DeclineReason(DWORD status) {
    switch (status) {
        case ERROR_SERVICE_DISABLED: return "システムの保護 (システムの復元) が無効になっています。";
        case ERROR_DISK_FULL: return "ディスクの空き領域が足りません。";
        case ERROR_BAD_ENVIRONMENT: return "セーフ モードでは作成できません。";
        case ERROR_TIMEOUT: return "システムの復元が時間内に応答しませんでした。";
        case ERROR_INVALID_DATA: return "システムの復元が要求を受け付けませんでした。";
    }
    return "Windows が作成を断りました (コード " + std::to_string(status) + ")。";
}
}  // namespace

Win32RestorePoints::Win32RestorePoints() : com_(StartComForSystemRestore()) {}

Win32RestorePoints::SetRestorePoint Win32RestorePoints::Function() {
    if (looked_) return function_;
    looked_ = true;
    // Kept loaded for the run, as the system-folder loader keeps its DLLs.
    function_ = SystemFunction<SetRestorePoint>(L"srclient.dll", "SRSetRestorePointW");
    return function_;
}

std::optional<int64_t> Win32RestorePoints::NewestSequence() {
    if (!com_ || !Function()) return std::nullopt;
    return NewestRestorePointNumber();
}

bool Win32RestorePoints::Call(DWORD event, DWORD type, int64_t sequence, const std::wstring& description,
                              DWORD& status, int64_t& made) {
    const SetRestorePoint set = Function();
    if (!set) return false;
    RESTOREPOINTINFOW info{};
    info.dwEventType = event;
    info.dwRestorePtType = type;
    info.llSequenceNumber = sequence;
    for (size_t i = 0; i < description.size() && i + 1 < MAX_DESC_W; ++i) info.szDescription[i] = description[i];
    STATEMGRSTATUS result{};
    const BOOL ok = set(&info, &result);
    status = ok ? ERROR_SUCCESS : (result.nStatus != ERROR_SUCCESS ? result.nStatus : GetLastError());
    if (!ok && status == ERROR_SUCCESS) status = ERROR_GEN_FAILURE;  // refused, without a reason
    made = result.llSequenceNumber;
    return true;
}

RestorePointStart Win32RestorePoints::Begin(const std::string& description) {
    DWORD status = ERROR_SUCCESS;
    int64_t made = 0;
    if (!Call(BEGIN_SYSTEM_CHANGE, MODIFY_SETTINGS, 0, Widen(description), status, made)) return {};
    if (status != ERROR_SUCCESS) return {RestorePointStart::State::Declined, 0, DeclineReason(status)};
    return {RestorePointStart::State::Made, made, ""};
}

void Win32RestorePoints::End(int64_t sequence) {
    DWORD status = ERROR_SUCCESS;
    int64_t made = 0;
    Call(END_SYSTEM_CHANGE, MODIFY_SETTINGS, sequence, L"", status, made);
}

void Win32RestorePoints::Cancel(int64_t sequence) {
    DWORD status = ERROR_SUCCESS;
    int64_t made = 0;
    Call(END_SYSTEM_CHANGE, CANCELLED_OPERATION, sequence, L"", status, made);
}

}  // namespace brisko::win32
