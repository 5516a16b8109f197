#pragma once
// Scheme files: the selected digits, ticked boxes and condition texts of the main window in an INI file,
// written fresh through a temporary name, and read and checked whole before anything is applied.
#include "platform/rtl/DateTime.h"

#include <string>
#include <utility>
#include <vector>

namespace zorvy {

// The scheme folder: "FangAn" in the program's data folder, created when missing.
std::string SchemeFolder();
// "<M>月<D>日<h>时<m>分<s>秒.ini", numbers without leading zeros ("3月9日8时5分7秒.ini").
std::string AutomaticSchemeName(TDateTime now);
// The name typed in the save dialog: kept when it holds ".ini" in any case, else with ".ini" added.
std::string SchemeFileName(const std::string& typed);

// A scheme: the entries of its sections "selectm", "CheckBox", "ButtonEdit" and "TcxRadioGroup", in order.
struct TScheme {
    std::vector<std::string> Digits;                           // selectm: name=name
    std::vector<std::string> Checked;                          // CheckBox: name=1
    std::vector<std::pair<std::string, std::string>> Texts;    // ButtonEdit: name=text
    std::vector<std::pair<std::string, std::string>> Radios;   // TcxRadioGroup: name=index
    bool Empty() const { return Digits.empty() && Checked.empty() && Texts.empty() && Radios.empty(); }
};

// The longest condition text a scheme holds, in bytes: room for a value list of two thousand serial
// numbers, far more than any condition needs.
inline constexpr size_t MaxSchemeTextBytes = 16 * 1024;
// The largest scheme file read, in bytes: half again the largest the window can write (every digit,
// box and condition, each text at its longest, is under 2.8 MB).
inline constexpr long long MaxSchemeFileBytes = 4 * 1024 * 1024;

// Writes a new file (an existing one is replaced whole, never merged); EFCreateError when it cannot.
// Every text reads back exactly as it stands. A text longer than MaxSchemeTextBytes, or one that
// holds a line break or is not UTF-8, is refused before anything is written, with its condition named.
void WriteSchemeFile(const std::string& path, const TScheme& scheme);
// Reads a scheme file (UTF-8 or GBK, any line ends). EFOpenError for a missing or unreadable file, or
// one larger than MaxSchemeFileBytes (its size named); EConvertError naming the condition whose text is
// longer than MaxSchemeTextBytes.
TScheme ReadSchemeFile(const std::string& path);

} // namespace zorvy
