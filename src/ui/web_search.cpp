#include "ui/web_search.h"

#include "platform/text/utf.h"

namespace brisko::ui {

namespace {
constexpr std::string_view kGoogleSearch = "https://www.google.co.jp/search?q=";
constexpr std::string_view kEWordsSearch = "https://e-words.jp/?w=";
constexpr std::string_view kBinarySearch = "https://www.sophia-it.com/search/";
constexpr std::string_view kAsciiGlossary = "yougo.ascii.jp/caltar/";

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}
}  // namespace

std::string SearchProviderCaption(SearchProvider provider) {
    switch (provider) {
        case SearchProvider::Google: return "Google 検索";
        case SearchProvider::EWords: return "IT用語辞典 e-Words";
        case SearchProvider::ITBinary: return "IT用語辞典 BINARY";
        case SearchProvider::Ascii: return "ASCII.jp デジタル用語辞典";
        case SearchProvider::ProgramSite: return "Brisko サイト内検索";
    }
    return {};
}

const char* SearchProviderImage(SearchProvider provider) {
    switch (provider) {
        case SearchProvider::Google: return "GoogleImage";
        case SearchProvider::EWords: return "EWordsImage";
        case SearchProvider::ITBinary: return "ITBinaryImage";
        case SearchProvider::Ascii: return "AsciiImage";
        case SearchProvider::ProgramSite: return "FaviconImage";
    }
    return "";
}

std::string PercentEncode(std::string_view utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : utf8) {
        if (Unreserved(c)) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
    return out;
}

std::string SearchAddress(SearchProvider provider, const std::string& text) {
    const std::string query = PercentEncode(text);
    switch (provider) {
        case SearchProvider::Google: return std::string(kGoogleSearch) + query;
        case SearchProvider::EWords: return std::string(kEWordsSearch) + query;
        case SearchProvider::ITBinary: return std::string(kBinarySearch) + query;
        case SearchProvider::Ascii: return std::string(kGoogleSearch) + query + "+site:" + std::string(kAsciiGlossary);
        case SearchProvider::ProgramSite:
            return std::string(kGoogleSearch) + query + "+site:" + std::string(kProgramSiteDomain);
    }
    return {};
}

std::string SearchMenuCaption(const std::string& selection) {
    std::u16string units = text::Utf8ToUtf16(selection);
    std::string shown = selection;
    if (units.size() >= 15) {
        units.resize(14);
        // Never end inside a surrogate pair.
        if (units.back() >= 0xD800 && units.back() <= 0xDBFF) units.pop_back();
        shown = text::Utf16ToUtf8(units) + "...";
    }
    return "\"" + shown + "\" を検索";
}

void WebSearch(ProcessLauncher& processes, SearchProvider provider, const std::string& text) {
    processes.ShellOpen("open", SearchAddress(provider, text), "", ShowMode::Unowned);
}

}  // namespace brisko::ui
