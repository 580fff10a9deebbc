#pragma once
// COM for this process as System Restore requires it: initialised on the
// thread, with process security that lets System, LocalService,
// NetworkService, the process's own account and Administrators call back,
// and no one else. ole32 is loaded from the system folder at run time, so a
// start that never needs COM does not load it.
namespace brisko::win32 {

// Called once, at start, on the thread that will call System Restore,
// before any other COM use (a file dialog) makes the security too late to
// set. False when COM could not be initialised at all.
bool StartComForSystemRestore();

}  // namespace brisko::win32
