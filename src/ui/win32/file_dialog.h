#pragma once
// The main window's one file-open dialog ("DlgOpen"), shared by the windows
// that ask for a file. Title and filter stay as the last user set them; the
// chosen filter entry is kept from one use to the next.
#include <windows.h>

#include <optional>
#include <string>

namespace brisko::ui {

class FileOpenDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // filter as "name|pattern|name|pattern".
    void Set(const std::wstring& title, const std::wstring& filter);
    // The chosen path, or nullopt when cancelled. The start folder stays
    // set for later runs given none ("").
    std::optional<std::string> Run(const std::string& initialFolder);
    // The save form: asks before replacing a file; the extension is added
    // when the name has none.
    std::optional<std::string> RunSave(const std::string& initialFolder, const std::string& name,
                                       const std::wstring& extension);

private:
    std::optional<std::string> Show(const std::string& initialFolder, const std::string& name,
                                    const wchar_t* saveExtension);

    HWND owner_ = nullptr;
    std::wstring title_, filter_, folder_;
    DWORD filterIndex_ = 1;
};

}  // namespace brisko::ui
