#include "app/Schemes.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

#include <algorithm>

namespace zorvy {

std::string SchemeFolder() {
    const std::string folder = DataFolder() + "/FangAn";
    ForceDirectories(folder);
    return folder;
}

std::string AutomaticSchemeName(TDateTime now) {
    int year, month, day, hour, minute, second, ms;
    DecodeDate(now, year, month, day);
    DecodeTime(now, hour, minute, second, ms);
    return std::to_string(month) + "月" + std::to_string(day) + "日" + std::to_string(hour) + "时" +
           std::to_string(minute) + "分" + std::to_string(second) + "秒.ini";
}

std::string SchemeFileName(const std::string& typed) {
    std::string lower = typed;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.find(".ini") != std::string::npos ? typed : typed + ".ini";
}

void WriteSchemeFile(const std::string& path, const TScheme& scheme) {
    std::string text;
    auto section = [&](const char* name, bool any) {
        if (any) text += std::string("[") + name + "]\n";
    };
    section("selectm", !scheme.Digits.empty());
    for (const std::string& name : scheme.Digits)
        text += name + "=" + name + "\n";
    section("CheckBox", !scheme.Checked.empty());
    for (const std::string& name : scheme.Checked)
        text += name + "=1\n";
    section("ButtonEdit", !scheme.Texts.empty());
    for (const auto& [name, value] : scheme.Texts)
        text += name + "=" + value + "\n";
    section("TcxRadioGroup", !scheme.Radios.empty());
    for (const auto& [name, value] : scheme.Radios)
        text += name + "=" + value + "\n";
    // A fresh file replaces the old one whole: a failed write leaves the old scheme as it was, and no key
    // of it survives in the new one.
    WriteFileBytesAtomically(path, text);
}

TScheme ReadSchemeFile(const std::string& path) {
    if (!FileExists(path)) throw EFOpenError("Cannot open file \"" + path + "\"");
    TIniFile ini(path);
    TScheme scheme;
    auto keys = [&](const char* section) {
        TStringList list;
        ini.ReadSection(section, list);
        std::vector<std::string> names;
        for (int i = 0; i < list.GetCount(); ++i)
            names.push_back(list.Get(i));
        return names;
    };
    scheme.Digits = keys("selectm");
    scheme.Checked = keys("CheckBox");
    for (const std::string& name : keys("ButtonEdit"))
        scheme.Texts.emplace_back(name, ini.ReadString("ButtonEdit", name, ""));
    for (const std::string& name : keys("TcxRadioGroup"))
        scheme.Radios.emplace_back(name, ini.ReadString("TcxRadioGroup", name, "0"));
    return scheme;
}

} // namespace zorvy
