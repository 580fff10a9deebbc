#pragma once
// What the ten buttons of the utilities page start. Seven open a Windows tool
// through the shell; three build a command line for the floppy drive or for
// the drive chosen in a drive list (format, defragment, convert to NTFS). The
// lines depend on the Windows family and edition. On Windows XP the
// conversion first has fsutil reserve a placeholder file for the NTFS
// metadata when the drive has room for it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/program_context.h"

namespace brisko {

// The buttons in list order; their "DisabledItem" keys are "Utility1" to
// "Utility10" (kUtilityButtons holds their names).
enum class UtilityButton { WMP6, Net, MS, IP, Group, Reg, DiskMgmt, Format, CUIDefrag, Convert };
inline constexpr int kUtilityButtonCount = 10;

struct UtilityLaunch {
    enum class Kind { Nothing, ShellOpen, CommandLine };
    Kind kind = Kind::Nothing;
    std::string text;  // the name to open, or the command line
    bool operator==(const UtilityLaunch&) const = default;
};

// Buttons ① to ⑦ and the defragmenter (drive: the chosen letter, unused
// where the edition opens the snap-in).
UtilityLaunch ToolLaunch(UtilityButton button, const OsEdition& os);
std::string FormatLine(const OsEdition& os, bool quick);
UtilityLaunch DefragLaunch(const OsEdition& os, char drive);
// Whether the button needs the drive chosen in its list on this edition.
bool UsesDriveList(UtilityButton button, const OsEdition& os);

// The program the button starts (or, for a command line, the tool cmd runs),
// by the name the launcher looks up; empty when it starts nothing here.
std::string UtilityProgram(UtilityButton button, const OsEdition& os);
// Why the button cannot be used: its program is not on this machine (the
// launcher opens nothing by a bare name it cannot find). Empty when it can.
// The page disables such a button and shows this as its hint.
std::string UtilityUnavailableReason(ProgramContext& ctx, UtilityButton button);

// A drive list entry ("C ドライブ") and the drive letter it stands for.
std::string DriveListEntry(char letter);
std::optional<char> DriveLetterOf(const std::string& entry);

// The conversion on XP. The space the conversion needs, E = A + B + N × 1 280
// (A = F / 100 kept within 1 MiB to 4 MiB, B = F / 803, both rounded to the
// nearest integer with ties to the even one), and the placeholder size
// M = N × 1 024; the placeholder is made only when M + E is less than F.
// Everything is 64-bit, so drives of any size get the right answer.
uint64_t RoundToNearestEven(uint64_t dividend, uint64_t divisor);
uint64_t ConversionSpaceEstimate(uint64_t freeBytes, uint64_t entries);
uint64_t PlaceholderBytes(uint64_t entries);
bool PlaceholderFits(uint64_t freeBytes, uint64_t entries);

std::string PlainConvertLine(char drive);
std::string PlaceholderLine(char drive, uint64_t bytes);
std::string ReservedAreaConvertLine(char drive);

// The message shown when a drive button is pressed with nothing chosen in
// its list.
extern const char* const kNoDriveChosenMessage;
extern const char* const kConvertQuestion;

// What the page's controls hold when a button is pressed.
struct UtilityChoices {
    bool quickFormat = false;
    std::string defragEntry;   // the selected entry of LstHDDefrag, empty when none
    std::string convertEntry;  // the selected entry of LstHDConvert, empty when none
};

// A button's click. keepAlive is called now and then during the long steps
// of the conversion (counting the drive's entries, waiting for fsutil) to
// keep the window responsive; when it returns false (the program is closing)
// the conversion stops and starts nothing more.
void UtilityButtonClick(ProgramContext& ctx, UtilityButton button, const UtilityChoices& choices,
                        const std::function<bool()>& keepAlive);

}  // namespace brisko
