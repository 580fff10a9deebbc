#include "ui/win32/version_page.h"

#include "product_version.h"
#include "ui/options_ids.h"

namespace brisko::ui {

namespace {
// The links open sections of the help file beside the program: the product
// has no web pages of its own.
struct Link {
    const wchar_t* caption;
    const wchar_t* text;
    int id;
    const char* address;
};
const Link kLinks[4] = {
    {L"■ 公式サイト", L"Brisko 公式サイト", kLblOfficialSite, "help:Top"},
    {L"■ 不具合報告", L"チケット登録 - Brisko ヘルプ「不具合の報告」", kLblNewTicket, "help:Report"},
    {L"■ Web サイト", L"Brisko ヘルプ", kLblWebSite, "help:Top"},
    {L"■ ブログ", L"Brisko ヘルプ「バージョン情報」", kLblBlog, "help:About"},
};
}  // namespace

void VersionPage::Create(const OptionsLayout& l) {
    LOGFONTW face{};
    GetObjectW(host_.font, sizeof face, &face);
    face.lfUnderline = TRUE;
    linkFont_.Reset(CreateFontIndirectW(&face));
    face.lfWeight = FW_BOLD;
    face.lfHeight = -host_.dpi(18);
    productFont_.Reset(CreateFontIndirectW(&face));

    product_ = AddLabel(L"Brisko", l.productName);
    SendMessageW(product_, WM_SETFONT, reinterpret_cast<WPARAM>(productFont_.Get()), FALSE);
    AddLabel(L"■ バージョン " BRISKO_VERSION, l.version);
    AddLabel(L"" BRISKO_COPYRIGHT, l.copyright);
    for (int i = 0; i < 4; ++i) {
        AddLabel(kLinks[i].caption, l.linkCaptions[i]);
        HWND link = Add(L"STATIC", kLinks[i].text, SS_LEFT | SS_NOTIFY, kLinks[i].id, l.links[i]);
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()), FALSE);
    }
    // A flat button showing the application's picture (drawn by the window).
    HWND hidden = Add(L"BUTTON", L"Click...", BS_OWNERDRAW | WS_TABSTOP, kBtnHidden, l.hidden);
    host_.tips.Add(hidden, L"Click...");
    Rect ok = l.close;
    AddPictureButton(L"OK", kBtnOKV, ok);
}

bool VersionPage::IsLink(HWND control) const {
    const int id = GetDlgCtrlID(control);
    return id >= kLblOfficialSite && id <= kLblBlog;
}

HBRUSH VersionPage::OnCtlColor(HWND control, HDC dc) {
    if (control == product_) SetTextColor(dc, RGB(128, 0, 0));
    else if (IsLink(control)) SetTextColor(dc, RGB(0, 0, 255));
    else return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return host_.background.Get();
}

bool VersionPage::OnCommand(int id, int code) {
    for (const Link& link : kLinks)
        if (id == link.id) {
            if (code == STN_CLICKED) host_.main.OpenAddress(link.address);
            return true;
        }
    if (id != kBtnHidden || code != BN_CLICKED) return false;
    revealCustomize_();
    return true;
}

int VersionPage::DefaultButton() const { return kBtnOKV; }

}  // namespace brisko::ui
