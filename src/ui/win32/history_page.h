#pragma once
// The save-and-restore window's "履歴" page: the records of the history log,
// newest first. Choosing one shows its changes in the window's description
// box; the button offers to restore the backup made just before it, for
// this computer's records only.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "backup/change_history.h"
#include "ui/win32/restore_page.h"

namespace brisko::ui {

class HistoryPage final : public RestorePage {
public:
    // describe puts a text into the description box; restore runs the
    // restore of a backup file with its questions and checks, the question
    // naming the later changes it also undoes.
    using Restore = std::function<void(const std::string& path, const std::string& alsoUndone)>;
    HistoryPage(const RestorePageHost& host, std::function<void(const std::string&)> describe, Restore restore)
        : RestorePage(host), describe_(std::move(describe)), restore_(std::move(restore)) {}

    const wchar_t* Caption() const override { return L"履歴"; }
    void Create() override;
    void Place(const RestoreLayout& layout) override;
    bool Owns(HWND control) const override;
    // Shown: the log is read again and the first record chosen.
    void Show(bool shown) override;
    bool OnCommand(int id, int code) override;
    // The panel and the heading take the panel's colour, as does the button.
    HBRUSH OnCtlColor(HWND control, HDC dc) override;

private:
    void Load();
    void Choose();
    int Chosen() const;

    std::function<void(const std::string&)> describe_;
    Restore restore_;
    std::vector<HistoryRecord> records_;
};

}  // namespace brisko::ui
