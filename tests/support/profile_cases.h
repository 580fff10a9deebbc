#pragma once
// The profile-file cases of tests/data/profile_cases.tsv: a file, operations
// on it and what they must give.
#include <ostream>
#include <string>
#include <vector>

namespace brisko::testing {

struct ProfileOp {
    char kind;  // 'W'rite, 'D'elete, 'R'ead, 'K'eys (listed in `key`), 'B'ytes (in `value`)
    std::string section, key, value;
    std::string wine;  // for a read, Wine's differing answer; empty when none
};
struct ProfileCase {
    std::string name;
    bool noFile = false;
    std::string bytes;
    bool wineRewrites = false;
    std::vector<ProfileOp> ops;
};
const std::vector<ProfileCase>& ProfileCases();
inline void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.name; }

}  // namespace brisko::testing
