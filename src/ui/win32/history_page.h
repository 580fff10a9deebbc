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
#include "engine/program_context.h"
#include "ui/restore_layout.h"
#include "ui/win32/dpi.h"

namespace brisko::ui {

class HistoryPage {
public:
    // describe puts a text into the description box; restore runs the
    // restore of a backup file with its questions and checks, the question
    // naming the later changes it also undoes.
    using Restore = std::function<void(const std::string& path, const std::string& alsoUndone)>;
    HistoryPage(ProgramContext& ctx, std::function<void(const std::string&)> describe, Restore restore)
        : ctx_(ctx), describe_(std::move(describe)), restore_(std::move(restore)) {}

    void Create(HWND window, HFONT font);
    void Place(HWND window, const Dpi& dpi, const Rect& panel, const HistoryPageLayout& layout);
    // Shown: the log is read again and the first record chosen.
    void Show(HWND window, bool shown);
    // The page's own static controls, which take the panel's colour.
    static bool Paints(int id) { return id == kPanelId || id == kHeadingId; }
    // True when the command was the page's.
    bool Command(HWND window, int id, int code);

private:
    static const int kPanelId, kHeadingId;
    void Load(HWND window);
    void Choose(HWND window);

    ProgramContext& ctx_;
    std::function<void(const std::string&)> describe_;
    Restore restore_;
    std::vector<HistoryRecord> records_;
};

}  // namespace brisko::ui
