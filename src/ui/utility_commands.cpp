#include "ui/utility_commands.h"

#include <algorithm>

#include "platform/utilities.h"

namespace brisko {

namespace {

bool Is9x(const OsEdition& os) { return os.family == "9x"; }

UtilityLaunch Open(std::string name) { return {UtilityLaunch::Kind::ShellOpen, std::move(name)}; }
UtilityLaunch Line(std::string line) { return {UtilityLaunch::Kind::CommandLine, std::move(line)}; }

const char* const kDriveSuffix = " ドライブ";

// A command cmd runs inside its console, by its full path: cmd looks for a
// bare name in its current folder first.
std::string InSystemFolder(const std::string& file) { return "%SystemRoot%\\system32\\" + file; }

}  // namespace

const char* const kNoDriveChosenMessage =
    "ドライブが選択されていません。\r\n\r\nボタンの左にあるドライブの一覧から対象のドライブを選んでから、"
    "もう一度押してください。";
const char* const kConvertQuestion =
    "指定したドライブのファイルシステムをFATからNTFSに変換しますか？\r\n\r\n"
    "※ 変換によってデータの破損や損失が起こることは、通常ありませんが、\r\n"
    "　万一を考えて、重要なデータをバックアップしておくことを推奨します。";

UtilityLaunch ToolLaunch(UtilityButton button, const OsEdition& os) {
    switch (button) {
        case UtilityButton::WMP6: return Open("mplayer2");
        case UtilityButton::Net: return Open("conf");
        case UtilityButton::MS: return Open("msconfig");
        case UtilityButton::IP: return Is9x(os) ? Open("winipcfg") : Line("cmd /k " + InSystemFolder("ipconfig.exe"));
        case UtilityButton::Group: return Is9x(os) ? UtilityLaunch{} : Open("gpedit.msc");
        case UtilityButton::Reg: return Open("regedit");
        case UtilityButton::DiskMgmt: return Open("diskmgmt.msc");
        default: return {};
    }
}

std::string FormatLine(const OsEdition& os, bool quick) {
    if (Is9x(os)) return std::string("command.com /k format a:") + (quick ? " /q" : "");
    return "cmd /k " + InSystemFolder("format.com") + " a:" + (quick ? " /q" : "");
}

UtilityLaunch DefragLaunch(const OsEdition& os, char drive) {
    if (Is9x(os)) return Line(std::string("defrag ") + drive + ": /noprompt /f");
    if (os.edition == "XP") return Line("cmd /k " + InSystemFolder("defrag.exe") + " " + drive + ": -v -f");
    return Open("dfrg.msc");
}

std::string UtilityProgram(UtilityButton button, const OsEdition& os) {
    switch (button) {
        case UtilityButton::WMP6: return "mplayer2";
        case UtilityButton::Net: return "conf";
        case UtilityButton::MS: return "msconfig";
        case UtilityButton::IP: return Is9x(os) ? "winipcfg" : "ipconfig.exe";
        case UtilityButton::Group: return Is9x(os) ? "" : "gpedit.msc";
        case UtilityButton::Reg: return "regedit";
        case UtilityButton::DiskMgmt: return "diskmgmt.msc";
        case UtilityButton::Format: return "format.com";
        case UtilityButton::CUIDefrag: return Is9x(os) || os.edition == "XP" ? "defrag.exe" : "dfrg.msc";
        case UtilityButton::Convert: return "convert.exe";
    }
    return "";
}

std::string UtilityUnavailableReason(ProgramContext& ctx, UtilityButton button) {
    const std::string program = UtilityProgram(button, ctx.os);
    if (program.empty() || !ctx.platform.processes.ProgramPath(program).empty()) return "";
    return "※ このコンピュータには " + program + " が見つからないため、使用できません。";
}

bool UsesDriveList(UtilityButton button, const OsEdition& os) {
    if (button == UtilityButton::Convert) return true;
    return button == UtilityButton::CUIDefrag && (Is9x(os) || os.edition == "XP");
}

std::string DriveListEntry(char letter) { return std::string(1, letter) + kDriveSuffix; }

std::optional<char> DriveLetterOf(const std::string& entry) {
    if (entry.empty()) return std::nullopt;
    const char c = entry[0];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return std::nullopt;
}

uint64_t RoundToNearestEven(uint64_t dividend, uint64_t divisor) {
    const uint64_t quotient = dividend / divisor, remainder = dividend % divisor;
    // Compare 2r with d without overflow: r < d, so d - r never wraps.
    if (remainder > divisor - remainder) return quotient + 1;
    if (remainder == divisor - remainder) return quotient + (quotient & 1);
    return quotient;
}

uint64_t ConversionSpaceEstimate(uint64_t freeBytes, uint64_t entries) {
    const uint64_t a = std::clamp<uint64_t>(RoundToNearestEven(freeBytes, 100), 1048576, 4194304);
    const uint64_t b = RoundToNearestEven(freeBytes, 803);
    return a + b + entries * 1280;
}

uint64_t PlaceholderBytes(uint64_t entries) { return entries * 1024; }

bool PlaceholderFits(uint64_t freeBytes, uint64_t entries) {
    return PlaceholderBytes(entries) + ConversionSpaceEstimate(freeBytes, entries) < freeBytes;
}

std::string PlainConvertLine(char drive) {
    return std::string("cmd /k %SystemRoot%\\system32\\convert ") + drive + ": /fs:ntfs /v";
}

std::string PlaceholderLine(char drive, uint64_t bytes) {
    return std::string("fsutil file createnew ") + drive + ":\\TmpMFT " + std::to_string(bytes);
}

std::string ReservedAreaConvertLine(char drive) {
    return PlainConvertLine(drive) + " /cvtarea:" + drive + ":\\TmpMFT";
}

namespace {

void Start(ProgramContext& ctx, const UtilityLaunch& launch) {
    ProcessLauncher& processes = ctx.platform.processes;
    if (launch.kind == UtilityLaunch::Kind::ShellOpen) processes.ShellOpen("open", launch.text, "", ShowMode::Normal);
    if (launch.kind == UtilityLaunch::Kind::CommandLine) processes.RunInNewConsole(launch.text);
}

// The XP conversion of a drive that the question has been answered for.
void ConvertOnXP(ProgramContext& ctx, char drive, const std::function<bool()>& keepAlive) {
    SystemInfo& system = ctx.platform.system;
    const std::string root = std::string(1, drive) + ":\\";
    // An NTFS drive gets the plain line whatever its size: no need to count it.
    if (system.FileSystemName(root) == "NTFS") return Start(ctx, Line(PlainConvertLine(drive)));
    const uint64_t freeBytes = system.FreeBytesAvailable(root);
    const auto entries = CountFolderEntries(ctx.platform.files, std::string(1, drive) + ":", keepAlive);
    if (!entries) return;
    const uint64_t needed = PlaceholderBytes(*entries) + ConversionSpaceEstimate(freeBytes, *entries);
    if (needed >= system.FreeBytesAvailable(root)) return Start(ctx, Line(PlainConvertLine(drive)));

    const StartResult made = ctx.platform.processes.RunInNewConsoleAndWait(PlaceholderLine(drive, PlaceholderBytes(*entries)),
                                                                           [&] { keepAlive(); });
    if (!made.started) {
        ctx.platform.prompts.TitledError("Exec Error " + std::to_string(made.errorCode) + ".");
        return;
    }
    if (!keepAlive()) return;
    Start(ctx, Line(ReservedAreaConvertLine(drive)));
}

}  // namespace

void UtilityButtonClick(ProgramContext& ctx, UtilityButton button, const UtilityChoices& choices,
                        const std::function<bool()>& keepAlive) {
    const OsEdition& os = ctx.os;
    if (const std::string reason = UtilityUnavailableReason(ctx, button); !reason.empty())
        return ctx.platform.prompts.Warn(reason);
    std::optional<char> drive;
    if (UsesDriveList(button, os)) {
        drive = DriveLetterOf(button == UtilityButton::Convert ? choices.convertEntry : choices.defragEntry);
        if (!drive) return ctx.platform.prompts.Warn(kNoDriveChosenMessage);
    }
    switch (button) {
        case UtilityButton::Format: return Start(ctx, Line(FormatLine(os, choices.quickFormat)));
        case UtilityButton::CUIDefrag: return Start(ctx, DefragLaunch(os, drive.value_or('C')));
        case UtilityButton::Convert:
            if (!ctx.platform.prompts.Confirm(kConvertQuestion)) return;
            if (os.edition != "XP") return Start(ctx, Line(PlainConvertLine(*drive)));
            return ConvertOnXP(ctx, *drive, keepAlive ? keepAlive : std::function<bool()>([] { return true; }));
        default: return Start(ctx, ToolLaunch(button, os));
    }
}

}  // namespace brisko
