#include "platform/rtl/IniFiles.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextCollation.h"

#include <algorithm>
#include <string_view>

#include <sys/stat.h>

namespace zorvy {

namespace {

std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Blanks and control characters dropped from both ends, as Trim does, without a copy.
std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

// Appends a name folded for comparison without regard to case; most names are ASCII, which need no
// Unicode case folding.
void AppendFolded(std::string& out, const std::string& name) {
    const size_t start = out.size();
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            out.resize(start);
            out += UnicodeFold(name);
            return;
        }
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

std::string FoldedName(const std::string& name) {
    std::string folded;
    AppendFolded(folded, name);
    return folded;
}

// The key index's name of a key: its section's folded name, "\n", the key folded.
std::string KeyIndexName(const std::string& foldedSection, const std::string& key) {
    std::string name;
    name.reserve(foldedSection.size() + 1 + key.size());
    name += foldedSection;
    name += '\n';
    AppendFolded(name, key);
    return name;
}

} // namespace

std::string IniFileValueText(const std::string& value) {
    return Unquoted(Trim(value)) == value ? value : '"' + value + '"';
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

TIniFile::Stamp TIniFile::CurrentStamp() const {
    struct stat info;
    if (::stat(fileName_.c_str(), &info) != 0) return Stamp{};
    return Stamp{true, static_cast<long long>(info.st_ino), static_cast<long long>(info.st_size),
                 static_cast<long long>(info.st_mtim.tv_sec), static_cast<long long>(info.st_mtim.tv_nsec)};
}

void TIniFile::Load() {
    Stamp stamp = CurrentStamp();
    if (loaded_ && stamp == stamp_) return;
    loaded_ = false;
    lines_.clear();
    lineBreak_.assign(1, '\n');
    if (!stamp.exists) {
        stamp_ = stamp;
        loaded_ = true;
        return;
    }
    std::string text;
    try {
        text = DecodeGbkOrUtf8(ReadFileBytes(fileName_));
    } catch (const EStreamError& e) {
        throw EIniFileException(e.Message());
    }
    if (text.find("\r\n") != std::string::npos) lineBreak_ = "\r\n";
    lines_.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        Line line;
        const std::string_view whole =
            std::string_view(text).substr(start, end == std::string::npos ? std::string::npos : end - start);
        line.text.assign(whole);
        const std::string_view trimmed = TrimmedView(whole);
        size_t close = trimmed.find(']');
        size_t eq = trimmed.find('=');
        if (!trimmed.empty() && trimmed[0] == '[' && close != std::string::npos) {
            line.kind = Line::Section;
            line.section = TrimmedView(trimmed.substr(1, close - 1));
        } else if (!trimmed.empty() && trimmed[0] != ';' && eq != std::string::npos) {
            line.kind = Line::Entry;
            line.key = TrimmedView(trimmed.substr(0, eq));
            line.value = Unquoted(TrimmedView(trimmed.substr(eq + 1)));
        }
        lines_.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    Index();
    stamp_ = stamp;
    loaded_ = true;
}

void TIniFile::Index() {
    sectionIndex_.clear();
    keyIndex_.clear();
    keyIndex_.reserve(lines_.size());
    std::string section; // folded name of the current section, when it is its name's first header
    bool indexed = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.first = -1;
        if (line.kind == Line::Section) {
            section = FoldedName(line.section);
            indexed = sectionIndex_.emplace(section, static_cast<int>(i)).second;
        } else if (line.kind == Line::Entry && indexed) {
            line.first =
                keyIndex_.emplace(KeyIndexName(section, line.key), static_cast<int>(i)).first->second;
        }
    }
}

void TIniFile::Save() {
    std::string text;
    for (const Line& line : lines_)
        text += line.text + lineBreak_;
    try {
        WriteFileBytesAtomically(fileName_, text);
    } catch (const EStreamError& e) {
        loaded_ = false; // the lines in memory no longer match the file
        throw EIniFileException("Unable to write to " + fileName_ + ": " + e.Message());
    }
    stamp_ = CurrentStamp();
}

int TIniFile::FindSection(const std::string& section) const {
    const auto found = sectionIndex_.find(FoldedName(section));
    return found == sectionIndex_.end() ? -1 : found->second;
}

int TIniFile::SectionEnd(int header) const {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Section)
        ++i;
    return static_cast<int>(i);
}

int TIniFile::FindKey(int header, const std::string& key) const {
    if (header < 0) return -1;
    const auto found = keyIndex_.find(KeyIndexName(FoldedName(lines_[header].section), key));
    return found == keyIndex_.end() ? -1 : found->second;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) {
    Load();
    int index = FindKey(FindSection(Trim(section)), Trim(key));
    return index < 0 ? defaultValue : lines_[index].value;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string name = Trim(section), entry = Trim(key);
    // Text that would change the file's structure is refused rather than written.
    if (name.empty() || entry.empty() || HasLineBreak(name) || name.find(']') != std::string::npos ||
        HasLineBreak(entry) || entry.find('=') != std::string::npos || entry[0] == '[' || entry[0] == ';' ||
        HasLineBreak(value))
        throw EIniFileException("Unable to write to " + fileName_ + ": invalid section, key or value");
    Load();
    Line line;
    line.kind = Line::Entry;
    line.key = entry;
    line.value = value;
    line.text = entry + "=" + IniFileValueText(value);
    int header = FindSection(name);
    if (header < 0) {
        Line head;
        head.kind = Line::Section;
        head.section = name;
        head.text = "[" + name + "]";
        lines_.push_back(head);
        lines_.push_back(line);
    } else if (int index = FindKey(header, entry); index >= 0) {
        lines_[index] = line;
    } else {
        // After the section's last non-blank line, so blank separators stay between sections.
        int at = SectionEnd(header);
        while (at > header + 1 && Trim(lines_[at - 1].text).empty())
            --at;
        lines_.insert(lines_.begin() + at, line);
    }
    Index();
    Save();
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) {
    return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, IntToStr(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) {
    TStringList keys;
    ReadSection(section, keys);
    return keys.GetCount() > 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) {
    Load();
    return FindKey(FindSection(Trim(section)), Trim(key)) >= 0;
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) {
    Load();
    keys.BeginUpdate();
    keys.Clear();
    int header = FindSection(Trim(section));
    if (header >= 0)
        for (int i = header + 1, end = SectionEnd(header); i < end; ++i)
            if (lines_[i].kind == Line::Entry) keys.Add(lines_[i].key);
    keys.EndUpdate();
}

void TIniFile::ReadSections(TStrings& sections) {
    Load();
    sections.BeginUpdate();
    sections.Clear();
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Section && FindSection(lines_[i].section) == static_cast<int>(i))
            sections.Add(lines_[i].section);
    sections.EndUpdate();
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& values) {
    Load();
    values.BeginUpdate();
    values.Clear();
    int header = FindSection(Trim(section));
    if (header >= 0)
        for (int i = header + 1, end = SectionEnd(header); i < end; ++i)
            if (lines_[i].kind == Line::Entry)
                values.Add(lines_[i].key + "=" + lines_[lines_[i].first].value);
    values.EndUpdate();
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionEntries(const std::string& section) {
    Load();
    std::vector<std::pair<std::string, std::string>> entries;
    const int header = FindSection(Trim(section));
    if (header >= 0)
        for (int i = header + 1, end = SectionEnd(header); i < end; ++i)
            if (lines_[i].kind == Line::Entry)
                entries.emplace_back(lines_[i].key, lines_[lines_[i].first].value);
    return entries;
}

void TIniFile::EraseSection(const std::string& section) {
    Load();
    int header = FindSection(Trim(section));
    if (header < 0) return;
    lines_.erase(lines_.begin() + header, lines_.begin() + SectionEnd(header));
    Index();
    Save();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    Load();
    int index = FindKey(FindSection(Trim(section)), Trim(key));
    if (index < 0) return;
    lines_.erase(lines_.begin() + index);
    Index();
    Save();
}

} // namespace zorvy
