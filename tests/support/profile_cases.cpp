#include "support/profile_cases.h"

#include "platform/text/cp932.h"
#include "support/test_data.h"

namespace brisko::testing {

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
