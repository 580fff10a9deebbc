#pragma once
// The x86 program on 64-bit Windows (WoW64): what it must do to reach
// Windows' own 64-bit programs and files. Its view of "system32" is
// redirected to SysWOW64, where some tools are 32-bit copies and some are
// missing. The functions involved came after Windows 2000 and are looked up
// at run time; in the x86-64 program everything here does nothing.
#include <windows.h>

#include <string>

namespace brisko::win32 {

// Whether this process is a 32-bit one on 64-bit Windows.
bool RunningUnderWow64();

// "<Windows folder>\Sysnative", through which a 32-bit process on 64-bit
// Vista and later sees the 64-bit system folder; empty where there is none
// (not under WoW64, or XP and Server 2003 x64, which lack it).
std::wstring SysnativeFolder();

// Whether the system folder is reached only with redirection turned off:
// under WoW64 without Sysnative (XP and Server 2003 x64).
bool NeedsRedirectionOff();

// File-system redirection turned off on this thread while it lives, when
// `wanted` and the process runs under WoW64; a no-op otherwise. Nothing may
// load a DLL meanwhile: it would be the 64-bit one.
class FileSystemRedirectionOff {
public:
    explicit FileSystemRedirectionOff(bool wanted);
    ~FileSystemRedirectionOff();
    FileSystemRedirectionOff(const FileSystemRedirectionOff&) = delete;
    FileSystemRedirectionOff& operator=(const FileSystemRedirectionOff&) = delete;

private:
    void* previous_ = nullptr;
    bool off_ = false;
};

}  // namespace brisko::win32
