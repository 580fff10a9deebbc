#pragma once
// Tweak plans: the wanted tick of every item and listed service, kept in a
// profile file so that one choice can be saved, loaded again and taken to
// other machines. A plan opens with its own mark and closes with another, so
// that a file cut short is never taken for a plan. Marks, sections and keys
// are plain ASCII, so a plan edited and saved in any encoding still reads.
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

namespace planmark {
inline const std::string kOpenSection = "BriskoPlan";
inline const std::string kOpenKey = "Format";
inline const std::string kFormat = "1";
inline const std::string kCloseSection = "BriskoPlanEnd";
inline const std::string kCloseKey = "Complete";
}  // namespace planmark

// No plan is larger; a larger file is refused before it is read.
constexpr size_t kLargestPlan = 1024 * 1024;

// Whether the bytes open with a plan's mark (however damaged the rest).
bool HasPlanMark(const std::string& bytes);

// Writes the current ticks of the items this machine may set: one section
// per category by its English key, item number = 1 or 0, and (while the
// services page is available) the services by their key names. Throws
// BriskoError when the file cannot be written.
void WritePlanFile(ProgramContext& ctx, const std::string& path);

struct PlanLoad {
    bool recognised = false;
    std::vector<std::string> refused;  // "[category] label" of items the plan could not set
    // The items and services it names that it set, by category and list position.
    std::vector<std::pair<TweakCategory, size_t>> named;
    // Why a plan was not recognised after all (a section or key twice, a
    // section no plan has), naming the line; empty otherwise.
    std::string problem;
};

// Sets the ticks the plan names. A disabled or unavailable item (or a service
// not listed here) is never ticked or unticked by it: it is named in
// `refused` when the plan wants it otherwise. A file that is not a complete
// plan (no marks, unknown item numbers, values other than 1 and 0) changes
// nothing and is not recognised; so does one with a section or key twice or
// a section no plan has (`problem` says which line). Service key names
// compare as the registry compares them, without regard to case.
PlanLoad LoadPlanFile(ProgramContext& ctx, const std::string& path);

// The one message that names the items a loaded plan could not tick or untick.
std::string PlanRefusalMessage(const PlanLoad& load);

}  // namespace brisko
