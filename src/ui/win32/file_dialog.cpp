#include "ui/win32/file_dialog.h"

#include <commdlg.h>

#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::ui {

void FileOpenDialog::Set(const std::wstring& title, const std::wstring& filter) {
    title_ = title;
    filter_ = filter;
    for (wchar_t& c : filter_)
        if (c == L'|') c = L'\0';
    filter_.push_back(L'\0');
}

std::optional<std::string> FileOpenDialog::Run(const std::string& initialFolder) {
    return Show(initialFolder, "", nullptr);
}

std::optional<std::string> FileOpenDialog::RunSave(const std::string& initialFolder, const std::string& name,
                                                   const std::wstring& extension) {
    return Show(initialFolder, name, extension.c_str());
}

std::optional<std::string> FileOpenDialog::Show(const std::string& initialFolder, const std::string& name,
                                                const wchar_t* saveExtension) {
    std::wstring file = win32::Widen(name);
    file.resize(MAX_PATH * 4, L'\0');
    if (!initialFolder.empty()) folder_ = win32::Widen(initialFolder);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;  // the size Windows 2000's dialog knows
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    ofn.nFilterIndex = filterIndex_;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder_.empty() ? nullptr : folder_.c_str();
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.lpstrDefExt = saveExtension;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (saveExtension ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const auto run = win32::SystemFunction<decltype(&GetOpenFileNameW)>(
        L"comdlg32.dll", saveExtension ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!run || !run(&ofn)) return std::nullopt;
    filterIndex_ = ofn.nFilterIndex;
    file.resize(wcslen(file.c_str()));
    return win32::Narrow(file);
}

}  // namespace brisko::ui
