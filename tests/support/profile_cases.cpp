#include "support/profile_cases.h"

#include "platform/text/cp932.h"
#include "support/test_data.h"

namespace brisko::testing {

namespace {
std::string Unescaped(const std::string& cell) {
    if (cell == "(empty)") return "";
    std::string out;
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            out += cell[i];
            continue;
        }
        const char c = cell[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(cell.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}
}  // namespace

const std::vector<ProfileCase>& ProfileCases() {
    static const std::vector<ProfileCase> cases = [] {
        std::vector<ProfileCase> out;
        for (auto row : TestDataRows("profile_cases.tsv")) {
            row.resize(5);
            if (row[0] == "case") {
                const bool raw = row[2].starts_with("bytes:");
                const std::string text = Unescaped(raw ? row[2].substr(6) : row[2]);
                out.push_back({row[1], row[2] == "(none)", raw ? text : text::Utf8ToCp932(text),
                               row[3] == "WineRewrites", {}});
            } else if (row[0] == "B") {
                out.back().ops.push_back({'B', "", "", row[1] == "(none)" ? row[1] : Unescaped(row[1]), ""});
            } else {
                out.back().ops.push_back({row[0][0], Unescaped(row[1]), Unescaped(row[2]), Unescaped(row[3]), row[4]});
            }
        }
        return out;
    }();
    return cases;
}

}  // namespace brisko::testing
