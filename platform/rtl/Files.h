#pragma once
// Files and folders. Paths are UTF-8 with "/" as the delimiter.
#include <string>
#include <vector>

namespace zorvy {

inline constexpr char PathDelim = '/';

// The program's data folder (settings, schemes, the default database): $ZORVY_HOME, else
// $XDG_DATA_HOME/zorvy, else ~/.local/share/zorvy; created when missing. Ends without a
// delimiter. EFCreateError "Cannot create folder <folder>" when it cannot be created.
std::string DataFolder();

bool FileExists(const std::string& fileName); // a file, not a folder
bool DirectoryExists(const std::string& dirName);
// Creates the folder and every missing parent; false when that fails.
bool ForceDirectories(const std::string& dirName);
bool CreateDir(const std::string& dirName);
bool RemoveDir(const std::string& dirName); // only an empty folder
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);
// Names (without folder) of the files in `folder` matching `mask` ("*.ini", "a?c.*"), letters
// matched without regard to case, sorted.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& mask);
bool MatchesMask(const std::string& fileName, const std::string& mask);

std::string GetCurrentDir();
bool SetCurrentDir(const std::string& dirName);

std::string ExtractFilePath(const std::string& fileName); // with the trailing delimiter
std::string ExtractFileDir(const std::string& fileName);  // without it
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName); // ".ini", or ""
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);
std::string ExpandFileName(const std::string& fileName); // absolute, with "." and ".." resolved

} // namespace zorvy
