#pragma once
// The settings file "setup.ini" in the user's configuration folder, and the draw code it keeps.
#include <string>

namespace zorvy {

class TIniFile;

// $XDG_CONFIG_HOME/zorvy, else ~/.config/zorvy (without a trailing slash).
std::string ConfigFolder();
// The settings file, its folder created when missing.
std::string SetupIniPath();

// A draw code as the settings file keeps it: six distinct ascending red balls 01-33 as two digits
// separated by blanks, "+", and the blue ball 01-16 ("01 04 12 20 28 33+08").
bool IsValidDrawCode(const std::string& code);

// The draw code of section "kaijiangma", key "kjm": a valid one, or empty with problem set to what was
// wrong when the stored one is not valid (a missing one is no problem).
std::string ReadDrawCode(TIniFile& ini, std::string& problem);
void WriteDrawCode(TIniFile& ini, const std::string& code);

} // namespace zorvy
