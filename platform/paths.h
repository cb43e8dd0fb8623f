// Where the program's files are: its own path, the data-file naming rule, and the data folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The longest path the program builds; longer ones are refused, never cut.
constexpr size_t kLongestPath = 4095;

// The program's own full path; empty when the system does not say.
std::string ProgramPath();

// base with the extension of its file name replaced by extension, or extension added when the
// name has none: "/opt/morvex/morvex" + "ini" is "/opt/morvex/morvex.ini", "MyFream.frm" + "rrk"
// is "MyFream.rrk". Nothing when the result would be longer than kLongestPath.
std::optional<std::string> DataFilePath(std::string_view base, std::string_view extension);

// path as it is when its file name has an extension, else with "." and extension added, as a file
// dialog's default extension works: "robot" + "frm" is "robot.frm", "robot.FRM" stays.
std::string WithDefaultExtension(std::string_view path, std::string_view extension);

// A read-only data file (model library, sounds, music, help): next to the program, else in the
// installed data folder (share/morvex beside the program's bin folder), else in the source tree's
// data folder of a development build. The first candidate that exists (even as a dangling link),
// or nothing.
std::optional<std::string> FindDataFile(std::string_view fileName);

}  // namespace platform
