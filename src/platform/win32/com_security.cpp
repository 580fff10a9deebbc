#include "platform/win32/com_security.h"

#include <windows.h>
#include <objbase.h>

#include "platform/win32/system_paths.h"

namespace brisko::win32 {

namespace {
using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
using CoInitializeSecurityFn = HRESULT(WINAPI*)(PSECURITY_DESCRIPTOR, LONG, SOLE_AUTHENTICATION_SERVICE*, void*, DWORD,
                                                DWORD, void*, DWORD, void*);

// A well-known SID of the NT authority (S-1-5-x) or of a built-in group
// (S-1-5-32-x); freed by FreeSid.
PSID NtSid(DWORD first, DWORD second = 0) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID sid = nullptr;
    AllocateAndInitializeSid(&nt, second ? 2 : 1, first, second, 0, 0, 0, 0, 0, 0, &sid);
    return sid;
}

// The callers COM may take calls from: "O:BA G:BA D:(A;;execute;;;LS)(NS)(PS)(SY)(BA)".
bool SetProcessSecurity(CoInitializeSecurityFn initialize) {
    PSID sids[] = {NtSid(SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS), NtSid(SECURITY_LOCAL_SERVICE_RID),
                   NtSid(SECURITY_NETWORK_SERVICE_RID), NtSid(SECURITY_PRINCIPAL_SELF_RID),
                   NtSid(SECURITY_LOCAL_SYSTEM_RID)};
    bool made = true;
    DWORD size = sizeof(ACL);
    for (PSID sid : sids) {
        made = made && sid;
        if (sid) size += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + GetLengthSid(sid);
    }
    HRESULT result = E_FAIL;
    if (made) {
        ACL* acl = static_cast<ACL*>(LocalAlloc(LPTR, size));
        SECURITY_DESCRIPTOR descriptor;
        made = acl && InitializeAcl(acl, size, ACL_REVISION);
        for (PSID sid : sids)
            made = made && AddAccessAllowedAce(acl, ACL_REVISION, COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL, sid);
        made = made && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
               SetSecurityDescriptorOwner(&descriptor, sids[0], FALSE) &&
               SetSecurityDescriptorGroup(&descriptor, sids[0], FALSE) &&
               SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
        // Calls are signed and sealed; System Restore may identify, not impersonate, this process.
        if (made)
            result = initialize(&descriptor, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IDENTIFY,
                                nullptr, EOAC_DISABLE_AAA | EOAC_NO_CUSTOM_MARSHAL, nullptr);
        if (acl) LocalFree(acl);
    }
    for (PSID sid : sids)
        if (sid) FreeSid(sid);
    return SUCCEEDED(result);
}
}  // namespace

bool StartComForSystemRestore() {
    const auto initialize = SystemFunction<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx");
    const auto security = SystemFunction<CoInitializeSecurityFn>(L"ole32.dll", "CoInitializeSecurity");
    if (!initialize || !security) return false;
    // The window's thread is a single-threaded apartment, as its dialogs want;
    // COM already initialised otherwise on this thread is used as it is.
    const HRESULT apartment = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(apartment) && apartment != RPC_E_CHANGED_MODE) return false;
    // Set once per process; a later call (RPC_E_TOO_LATE) keeps what was set.
    SetProcessSecurity(security);
    return true;
}

}  // namespace brisko::win32
