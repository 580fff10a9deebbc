// The main window's pages: their lists, made when first shown, and the description
// box that explains the line chosen in them.
#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <richedit.h>

#include "engine/policy_note.h"
#include "engine/services.h"
#include "engine/unavailable_reason.h"
#include "platform/text_resources.h"
#include "platform/win32/wide.h"
#include "ui/reference_links.h"
#include "ui/win32/rich_text.h"
#include "ui/win32/window_chores.h"

namespace brisko::ui {

void MainWindow::RefreshLists() {
    for (int page = 0; page < kUtilityPage; ++page) {
        if (!checkLists_[page]) continue;
        if (page == kServicePage) ctx_.items.NeedServices();  // read again after a restore forgot them
        checkLists_[page]->Refresh();
    }
}

void MainWindow::UpdateCountLabel() {
    SetWindowTextW(Control(kLblCount), win32::Widen(ctx_.items.countText).c_str());
}

void MainWindow::ShowPage(int page) {
    OpenPage(page);
    for (int i = 0; i < kPageCount; ++i)
        if (ChildPart* made = Page(i)) made->Show(i == page);
    SendMessageW(Control(kPgAccelTabs), TCM_SETCURSEL, page, 0);
    currentPage_ = page;
}

ChildPart* MainWindow::Page(int page) const {
    if (page < kUtilityPage) return checkLists_[page].get();
    if (page == kUtilityPage) return utilityPage_.get();
    return pcInfoPage_.get();
}

void MainWindow::OpenPage(int page) {
    if (page == kUtilityPage) return OpenUtilityPage();
    if (page == kPcInfoPage) return OpenPcInfoPage();
    if (checkLists_[page]) return;
    const BusyCursor busy;
    if (page == kServicePage) ctx_.items.NeedServices();  // the services are read when their page is first shown
    OpenCheckList(page).Refresh();
}

void MainWindow::FillTextList(int page, const char* resource) {
    HWND list = Control(kListFirst + page);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const auto& line : LoadTextResource(ctx_.platform.resources, resource))
        if (!line.empty()) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(line).c_str()));
}

// A page's list of items, made when the page is first shown and put in the
// stacking order after the page lists made before it, where Tab reaches it.
CheckList& MainWindow::OpenCheckList(int page) {
    if (checkLists_[page]) return *checkLists_[page];
    checkLists_[page] = std::make_unique<CheckList>(Handle(), kListFirst + page, dpi_, fonts_.list.Get());
    checkLists_[page]->Bind(page == kServicePage ? &ctx_.items.ServiceListAsItStands()
                                                 : &ctx_.items.List(kAllCategories[page]));
    AddPart(*checkLists_[page]);
    HWND after = Control(kPgAccelTabs);
    for (int before = 0; before < page; ++before)
        if (checkLists_[before]) after = Control(kListFirst + before);
    HWND list = Control(kListFirst + page);
    SetWindowPos(list, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Place(list, dpi_.Of(layout_.pages));
    return *checkLists_[page];
}

// The pages' controls stand just above their list in the stacking order, so
// Tab reaches them in the same place whenever they are made.
void MainWindow::OpenUtilityPage() {
    if (utilityPage_) return;
    utilityPage_ = std::make_unique<UtilityPage>(ctx_, Handle(), Control(kListFirst + kUtilityPage), dpi_,
                                                 fonts_.list.Get(), bitmaps_);
    AddPart(*utilityPage_);
    FillTextList(kUtilityPage, "UtilityText");
    utilityPage_->FillDriveLists(ctx_.paths.fixedDriveLetters);
    utilityPage_->ApplyControlStates(ctx_.controls);
    utilityPage_->Place(layout_.pages);
}

void MainWindow::OpenPcInfoPage() {
    if (pcInfoPage_) return;
    pcInfoPage_ = std::make_unique<PcInfoPage>(Handle(), Control(kListFirst + kPcInfoPage), ctx_, dpi_, fonts_.list.Get());
    AddPart(*pcInfoPage_);
    FillTextList(kPcInfoPage, "PCInfoText");
    pcInfoPage_->Fill();
    pcInfoPage_->ApplyAvailability();
    pcInfoPage_->Place(layout_.pages);
}

void MainWindow::ListSelect(int page) {
    const int position = static_cast<int>(SendMessageW(Control(kListFirst + page), LB_GETCURSEL, 0, 0));
    if (position < 0) return;
    static const char* const kKeys[kPageCount] = {"System", "Desktop", "Explorer", "Power", "Others", "", "Utility", "PCInfo"};
    static const LinkList kLinks[kPageCount] = {LinkList::System, LinkList::Desktop, LinkList::Explorer,
                                                LinkList::Power,  LinkList::Others,  LinkList::Service,
                                                LinkList::Utility, LinkList::Info};
    if (page == kServicePage) {
        // The service's properties, through the template's plain text.
        const auto& services = ctx_.items.List(TweakCategory::Service);
        if (position >= static_cast<int>(services.size())) return;
        SetRichText(Control(kComment), ctx_.platform.resources.Find("ServicesText").value_or(""));
        ShowPlainDescription(ServiceDetailsText(ctx_, services[position].label, WindowText(Control(kComment))));
    } else {
        const auto text = ctx_.platform.resources.Find(std::string(kKeys[page]) + std::to_string(position) + "Text");
        const bool item = page < kServicePage;
        const std::string why = item ? UnavailableNote(ctx_, kSettingCategories[page], position) : std::string();
        const std::string policy =
            item ? PolicyNote(ctx_, kSettingCategories[page], static_cast<size_t>(position)) : std::string();
        if (text) ShowPlainDescription(why + *text + policy);
    }
    SetReferenceLink(ReferenceLink(kLinks[page], position));
}

void MainWindow::ShowPlainDescription(const std::string& text) {
    HWND comment = Control(kComment);
    SetWindowTextW(comment, win32::Widen(text).c_str());
    if (!descriptionFontPending_) return;
    // From the first description on, plain text takes the box's own font.
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = DescriptionFont::Twips(descriptionFont_.Points());
    lstrcpynW(format.szFaceName, L"Tahoma", LF_FACESIZE);
    SendMessageW(comment, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    descriptionFontPending_ = false;
}

bool MainWindow::ContextPopup(HWND control, POINT screen) {
    const int list = GetDlgCtrlID(control) - kListFirst;
    if (GetParent(control) == Handle() && list >= 0 && list < kPageCount)
        return Menus().ListBoxContextPopup(control, screen);
    wchar_t cls[32] = L"";
    GetClassNameW(control, cls, 32);
    // The description box here, or the one of the save-and-restore window.
    if (lstrcmpiW(cls, L"RichEdit20W") == 0) return Menus().CommentContextPopup(control, screen);
    return false;
}

bool MainWindow::ListKey(HWND list, UINT key) {
    if (key != 'C' || GetKeyState(VK_CONTROL) >= 0) return false;
    Menus().CopyListSelection(list);
    return true;
}

void MainWindow::CommentNotify(const NMHDR& header) {
    if (header.code != EN_LINK) return;
    const auto& link = reinterpret_cast<const ENLINK&>(header);
    if (link.msg != WM_LBUTTONDOWN) return;
    CHARRANGE range = link.chrg;
    SendMessageW(Control(kComment), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    OpenAddress(SelectedRichText(Control(kComment)));
}

void MainWindow::SetReferenceLink(const std::string& link) {
    referenceLink_ = link;
    EnableWindow(Control(kBtnMoreInfo), !link.empty());
}

void MainWindow::BtnMoreInfoClick() {
    if (!referenceLink_.empty()) OpenAddress(referenceLink_);
}

void MainWindow::OpenAddress(const std::string& address) {
    const std::string folder = ctx_.paths.executable.substr(0, ctx_.paths.executable.find_last_of('\\'));
    ctx_.platform.processes.ShellOpen("open", HelpFileUrl(address, folder), "", ShowMode::Normal);
}

}  // namespace brisko::ui
