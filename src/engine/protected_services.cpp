#include "engine/protected_services.h"

#include "platform/text/case_fold.h"

namespace brisko {

namespace {
// Kept short on purpose: only services whose loss stops Windows from
// starting or from logging anyone on. The quoted warnings are the services'
// own descriptions as Windows 7 to 11 show them in the Services console.
const char* const kProtected[] = {
    // "If this service is stopped or disabled, programs using COM or DCOM will
    // not function properly"; the service manager refuses to stop it.
    "RpcSs",
    // Starts COM servers; RpcSs depends on it (its DependOnService), same warning.
    "DcomLaunch",
    // RPC endpoint mapper, RpcSs depends on it (DependOnService on 7 and later):
    // "programs using Remote Procedure Call (RPC) services will not function properly".
    "RpcEptMapper",
    // "Stopping or disabling this service will result in system instability."
    "PlugPlay",
    // User-mode power policy ("Manages power policy and power policy
    // notification delivery"). Its description gives no warning and no
    // Microsoft statement was found; kept because sleep, shutdown and every
    // session's power settings go through it.
    "Power",
    // Local Session Manager: "Stopping or disabling this service will result
    // in system instability."
    "LSM",
    // Security Accounts Manager: "This service should not be disabled."
    "SamSs",
};
}  // namespace

bool IsVistaOrLater(const OsVersion& v) { return v.platformId == 2 && v.major >= 6; }

bool IsProtectedService(const std::string& keyName) {
    for (const char* name : kProtected)
        if (text::RegistryNamesEqual(keyName, name)) return true;
    return false;
}

}  // namespace brisko
