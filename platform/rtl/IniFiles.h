#pragma once
// TIniFile: settings in an INI file.
//
// Sections and keys match without regard to case; a value holding "=" splits at the first "=";
// blanks around keys and values and one pair of enclosing quotes around a value are dropped on
// reading. A value written is protected by a pair of quotes where reading would drop something, so
// it reads back as it was written. A missing file reads as empty and is created by the first write.
// Every write goes to disk at once, through a temporary file, so a failed write never damages what
// was stored; a change to the file by anyone else is seen by the next read. The file is read once
// per change into lookup tables, so reading every key of a large file takes time in proportion to
// its size.
// Files are read as GBK or UTF-8 and written as UTF-8, keeping their line breaks.
// A file that exists but cannot be read raises EIniFileException naming it; so does a failed write.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/rtl/Components.h"

namespace zorvy {

class TStrings;

// The text to write after "=" so that reading gives value back: value itself, or value in double quotes
// when reading would drop blanks or control characters at its ends or a pair of quotes around it.
std::string IniFileValueText(const std::string& value);

class TIniFile : public TObject {
    ZORVY_CLASS(TIniFile, TObject)
  public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue);
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue);
    void WriteBool(const std::string& section, const std::string& key, bool value); // "1" / "0"

    bool SectionExists(const std::string& section); // a section with at least one key
    bool ValueExists(const std::string& section, const std::string& key);
    void ReadSection(const std::string& section, TStrings& keys);
    void ReadSections(TStrings& sections);
    // "key=value" for every key of the section; a key written twice gives the value ReadString gives.
    void ReadSectionValues(const std::string& section, TStrings& values);
    // The same as pairs of key and value, without the cost of a string list for a large section.
    std::vector<std::pair<std::string, std::string>> ReadSectionEntries(const std::string& section);
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);
    // Writes are immediate; kept for callers that flush explicitly.
    void UpdateFile() {}

  private:
    struct Line {
        std::string text;    // as in the file
        std::string section; // for a section header: its name
        std::string key;     // for an entry: its key
        std::string value;   // for an entry: its value as read
        int first = -1;      // for an entry of an indexed section: the line of its key's first entry
        enum Kind { Other, Section, Entry } kind = Other;
    };

    void Load();
    void Save();
    void Index();                                          // rebuilds the lookup tables from the lines
    int FindSection(const std::string& section) const;     // line index of the header, -1
    int SectionEnd(int header) const;                      // first line after the section
    int FindKey(int header, const std::string& key) const; // line index of the entry, -1

    // Identity of the file as last read or written; Load re-reads only when it changed.
    struct Stamp {
        bool exists = false;
        long long inode = 0, size = 0, seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp CurrentStamp() const;

    std::string fileName_;
    std::vector<Line> lines_;
    // By folded name: the first header of each section, and the first entry of each key under that
    // header (keyed by folded section, "\n", folded key).
    std::unordered_map<std::string, int> sectionIndex_, keyIndex_;
    std::string lineBreak_ = "\n";
    Stamp stamp_;
    bool loaded_ = false;
};

} // namespace zorvy
