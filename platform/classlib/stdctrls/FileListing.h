#pragma once
// Listing a folder for the file list box and the file dialogs: the names of its files that match a
// mask ("*.ini;*.Txt", matched without regard to case), or of its sub-folders, sorted by name. A
// folder that cannot be read lists nothing.
#include <string>
#include <vector>

namespace zorvy {

enum class TListKind { Files, Folders };

std::vector<std::string> ListFolder(const std::string& folder, const std::string& masks, TListKind kind);
// Whether name matches one of the ';'-separated masks (each as the runtime's MatchesMask takes it);
// an empty mask list matches everything.
bool MatchesAnyMask(const std::string& name, const std::string& masks);

} // namespace zorvy
