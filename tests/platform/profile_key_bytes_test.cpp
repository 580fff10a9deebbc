// Writing to a key whose name holds bytes outside code page 932: the value
// lands under that same key and the name's bytes stay as they were. (Found
// by the profile fuzz target: the name used to be written back re-encoded,
// that is as another key.)
#include <gtest/gtest.h>

#include "platform/profile/profile_document.h"

namespace brisko::profile {
namespace {

TEST(ProfileKeyBytes, AWrittenValueStaysUnderAKeyThatDoesNotDecode) {
    const struct {
        const char* what;
        std::string file, written;
    } cases[] = {
        {"a byte that is no character", "[s]\r\nk\x80y=1\r\n", "[s]\r\nk\x80y=v\r\n"},
        {"a lead byte before '='", "[s]\r\nab\x81=c = 1\r\n", "[s]\r\nab\x81=c=v\r\n"},
        {"a lead byte before blanks", "[s]\r\nk\x83\x0b\x0b=1\r\n", "[s]\r\nk\x83\x0b\x0b=v\r\n"},
        {"a lead byte last, no '='", "[s]\r\nk\x97\r\nk\x97 =1\r\n", "[s]\r\nk\x97 =v\r\nk\x97 =1\r\n"},
        {"a NUL in the name", std::string("[s]\r\nk\0\x90\0y=1\r\n", 14), std::string("[s]\r\nk\0\x90\0y=v\r\n", 14)},
    };
    for (const auto& c : cases) {
        ProfileDocument doc = ProfileDocument::Parse(c.file);
        const auto keys = doc.Keys("s");
        ASSERT_EQ(keys.size(), 1u) << c.what;
        ASSERT_TRUE(doc.Write("s", keys[0], "v")) << c.what;
        EXPECT_EQ(doc.Read("s", keys[0]), "v") << c.what;
        EXPECT_EQ(doc.Serialize(), c.written) << c.what;
        EXPECT_EQ(ProfileDocument::Parse(doc.Serialize()).Read("s", keys[0]), "v") << c.what;
    }
}

}  // namespace
}  // namespace brisko::profile
