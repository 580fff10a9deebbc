#pragma once
// The PC information page's facts: ten texts read from the registry and the
// setup answer file, of which the owner, the organisation and the computer
// name can be changed.
#include <array>
#include <optional>
#include <string>

#include "platform/prompts.h"

namespace brisko {

class ProgramContext;

// The ten boxes in page order: owner, organisation, computer name, product
// name, version, product ID, product key, Windows folder, processor, CPUID.
inline constexpr size_t kPcInformationRows = 10;
using PcInformation = std::array<std::string, kPcInformationRows>;

// Reads the ten texts into ctx.pcInformation: at start and after a restore.
// Owner, organisation, computer name, product ID and key that are absent are
// empty; the composed version and CPUID texts are joined as read.
void ReadPcInformation(ProgramContext& ctx);

// What the user typed into the three editable boxes.
struct PcNames {
    std::string user, corp, computer;
};

// The message that refuses the names, or nothing when they may be written.
struct PcNamesRefusal {
    PromptKind kind;
    std::string text;
};
std::optional<PcNamesRefusal> CheckPcNames(const PcNames& names);

// Writes owner, organisation and computer name, in that order. A refused
// write throws BriskoError whose message also says which of the three were
// written before it.
void WritePcInformation(ProgramContext& ctx, const PcNames& names);

}  // namespace brisko
