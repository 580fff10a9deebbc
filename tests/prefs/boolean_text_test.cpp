#include <gtest/gtest.h>

#include "prefs/boolean_text.h"

namespace brisko {
namespace {

TEST(BooleanText, ReadsWordsInAnyCaseAndNonZeroNumbersAsTrue) {
    for (const char* yes : {"True", "true", "TRUE", "tRuE", "1", "-1", "2", "+3", "007", "99999999999"})
        EXPECT_TRUE(TextToBoolLenient(yes)) << yes;
}

TEST(BooleanText, ReadsEverythingElseAsFalse) {
    for (const char* no : {"False", "false", "FALSE", "0", "-0", "000", "", "NULL", "-", "+", "yes", "1x", " 1",
                           "True ", "truex", "$1"})
        EXPECT_FALSE(TextToBoolLenient(no)) << '"' << no << '"';
}

}  // namespace
}  // namespace brisko
