#pragma once
// What the apply pass would change now, line by line, for the confirmation
// before it: found by rehearsing the pass, so it comes from the item rules
// themselves.
#include <vector>

#include "engine/program_context.h"

namespace brisko {

// Per item acted on (its category and label), in the pass's order: one line
// per registry value written, "HKEY_…\key\name" with its text now ("(なし)"
// when absent) and the text to be written ("(削除)" for a deletion); key
// deletions likewise; the lines a file edit changes, "path (行 n)"; and one
// line per command, restart or question, with no before and after.
std::vector<ChangeLine> PreviewChanges(ProgramContext& ctx);

// The lines one write makes, as above, given what its target held just
// before it (CreateKey makes none).
void AddWriteLines(std::vector<ChangeLine>& out, const std::string& item, const LoggedWrite& write);

// A registry value's data as the preview shows it: strings as they are,
// DWORDs as "0x0000012c (300)", lists joined with ", ", other types as hex bytes.
std::string PreviewValueText(const RegValueData& data);

}  // namespace brisko
