#pragma once
// The web searches of the description box's menu: what each is called, the
// address it opens for a selected text, and the menu's own caption.
#include <array>
#include <string>
#include <string_view>

#include "platform/processes.h"

namespace brisko::ui {

enum class SearchProvider { Google, EWords, ITBinary, Ascii, ProgramSite };
inline constexpr std::array<SearchProvider, 5> kSearchProviders = {
    SearchProvider::Google, SearchProvider::EWords, SearchProvider::ITBinary, SearchProvider::Ascii,
    SearchProvider::ProgramSite};

// The program's own web site, which the site search is restricted to. It has
// none yet: a reserved example name stands in until it has.
inline constexpr std::string_view kProgramSiteDomain = "brisko.example";

// The menu caption of a provider, e.g. "Google 検索".
std::string SearchProviderCaption(SearchProvider provider);
// The bitmap resource shown beside it.
const char* SearchProviderImage(SearchProvider provider);

// Every byte of the UTF-8 text outside A-Z a-z 0-9 - . _ ~ as %XX, so that
// no character of a selection can change what the address means.
std::string PercentEncode(std::string_view utf8);

// The address that searches the provider for the text.
std::string SearchAddress(SearchProvider provider, const std::string& text);

// The caption of the menu's head for a selection: the selection in double
// quotes, shortened to 14 characters and "..." from 15 characters on
// (counted in UTF-16 units), followed by " を検索".
std::string SearchMenuCaption(const std::string& selection);

// Opens the search's address in the browser.
void WebSearch(ProcessLauncher& processes, SearchProvider provider, const std::string& text);

}  // namespace brisko::ui
