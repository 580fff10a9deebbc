#include "support/reg_file_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/registry_values.h"
#include "platform/text/utf.h"
#include "support/simulated_machine.h"

namespace brisko::testing {

namespace {
std::pair<RegRoot, std::string> KeyOf(const std::string& name) {
    const size_t cut = name.find('\\');
    const std::string root = name.substr(0, cut), path = cut == std::string::npos ? "" : name.substr(cut + 1);
    if (root == "HKEY_CLASSES_ROOT") return {RegRoot::ClassesRoot, path};
    if (root == "HKEY_CURRENT_USER") return {RegRoot::CurrentUser, path};
    EXPECT_EQ(root, "HKEY_LOCAL_MACHINE");
    return {RegRoot::LocalMachine, path};
}
}  // namespace

void ImportRegFile(RegistryStore& store, const std::string& bytes) {
    ASSERT_TRUE(bytes.starts_with("\xFF\xFE"));
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    std::istringstream in(text::Utf16ToUtf8(units));
    std::string line, header;
    ASSERT_TRUE(std::getline(in, header) && header == "Windows Registry Editor Version 5.00\r");
    std::pair<RegRoot, std::string> key;
    while (std::getline(in, line)) {
        ASSERT_TRUE(line.ends_with("\r")) << "CR LF line ends";
        line.pop_back();
        for (std::string more; line.ends_with("\\") && std::getline(in, more);) {
            line.pop_back();
            more.pop_back();
            line += more.substr(more.find_first_not_of(' '));
        }
        if (line.empty() || line[0] == ';') continue;
        if (line.starts_with("[-")) {
            const auto [root, path] = KeyOf(line.substr(2, line.size() - 3));
            RegDeleteKeyTree(store, root, "\\" + path);
        } else if (line[0] == '[') {
            key = KeyOf(line.substr(1, line.size() - 2));
            store.CreateKey(key.first, key.second);
        } else if (!SetRegLine(store, key.first, key.second, line)) {
            ADD_FAILURE() << "unread line: " << line;
        }
    }
}

}  // namespace brisko::testing
