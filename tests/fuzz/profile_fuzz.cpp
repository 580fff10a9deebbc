// The profile engine on any bytes: parsing, reading and writing back never
// crash or hang, and a written value reads back, in the document and after
// the file is written and parsed again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/profile/profile_document.h"

namespace {
using brisko::profile::ProfileDocument;

void Require(bool holds) {
    if (!holds) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc = ProfileDocument::Parse(bytes);
    const char* const sections[] = {"boot loader", "operating systems", "Options", "システム", "Components"};
    for (const char* section : sections) {
        for (const auto& key : doc.Keys(section)) {
            (void)doc.Read(section, key);
            doc.Write(section, key, "fuzz value 1");
            Require(doc.Read(section, key) == "fuzz value 1");
        }
    }
    doc.Write("boot loader", "timeout", "7");
    doc.Remove("Options", "Logo");
    const ProfileDocument again = ProfileDocument::Parse(doc.Serialize());
    Require(again.Read("boot loader", "timeout") == "7");
    for (const char* section : sections)
        for (const auto& key : doc.Keys(section))
            if (doc.Read(section, key) == "fuzz value 1") Require(again.Read(section, key) == "fuzz value 1");
    return 0;
}
