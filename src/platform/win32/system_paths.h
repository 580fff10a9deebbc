#pragma once
// Windows' own programs and DLLs by their full paths. The program runs as
// administrator, so nothing is found by a search that looks in the current
// folder or beside the program first, where anyone may have put a file of
// the same name.
#include <windows.h>

#include <string>

namespace brisko::win32 {

// The system folder as GetSystemDirectoryW gives it; empty when unknown.
std::wstring SystemFolder();

// The full path of a program given by its bare name ("net", "Regedit.exe";
// ".exe" when the name has no extension): in the system folder, else in the
// Windows folder. Empty when it is in neither. The x86 program on 64-bit
// Windows gets the 64-bit system folder's program (see wow64.h).
std::wstring SystemProgramPath(const std::wstring& name);

// Whether a program name is a bare name, to be found in the system folders
// (no folder, no drive).
bool IsBareName(const std::wstring& name);

// The command line with its first word, when that is a bare name, made the
// full path of that program (quoted), and that path in program; an empty
// program when the program is not in the system folders. A first word that
// is already a path is kept.
std::wstring WithFullProgramPath(const std::wstring& commandLine, std::wstring& program);

// Loads a DLL of the system folder by its full path; its own imports are
// then found from that folder first.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A loaded DLL owned for as long as its owner needs it: freed with it.
class LoadedLibrary {
public:
    explicit LoadedLibrary(HMODULE module = nullptr) : module_(module) {}
    ~LoadedLibrary() { Reset(); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    HMODULE Get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    // Owns another DLL (or none); the one held is freed.
    void Reset(HMODULE module = nullptr) {
        if (module_) FreeLibrary(module_);
        module_ = module;
    }

private:
    HMODULE module_;
};

// A function of a DLL of the system folder, looked up when it is called for:
// the shell's and the common dialogs' DLLs are not imported, so that a start
// does not wait for them to load. nullptr when it cannot be found.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemLibrary(dll);  // kept loaded for the run
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Takes the current folder out of the places DLLs are looked for, for the
// DLLs Windows' own DLLs load later by name (from XP SP1; a no-op before).
void KeepCurrentFolderOutOfDllSearch();

}  // namespace brisko::win32
