#include "app/Schemes.h"

#include "engine/ConditionTable.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

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

namespace {

// "xhtz1Edit（6位值）": the key and, for a condition's edit, its caption.
std::string ConditionName(const std::string& key) {
    const std::string_view stem =
        std::string_view(key).substr(0, key.size() - std::min<size_t>(key.size(), 4));
    const int index = key.ends_with("Edit") ? ConditionIndex(stem) : -1;
    return index < 0 ? key : key + "（" + ConditionTable()[size_t(index)].Caption + "）";
}

std::string TooLong(const std::string& key, size_t bytes) {
    return "条件 " + ConditionName(key) + " 的内容有 " + std::to_string(bytes) +
           " 字节，超过了条件内容的上限 " + std::to_string(MaxSchemeTextBytes) + " 字节";
}

} // namespace

void WriteSchemeFile(const std::string& path, const TScheme& scheme) {
    for (const auto& [name, value] : scheme.Texts) {
        if (value.size() > MaxSchemeTextBytes) throw EFCreateError(TooLong(name, value.size()));
        if (value.find_first_of("\r\n") != std::string::npos || !IsValidUtf8(value))
            throw EFCreateError("条件 " + ConditionName(name) + " 的内容含有换行或无法识别的字符");
    }
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
        text += name + "=" + IniFileValueText(value) + "\n";
    section("TcxRadioGroup", !scheme.Radios.empty());
    for (const auto& [name, value] : scheme.Radios)
        text += name + "=" + value + "\n";
    // A fresh file under a temporary name, then renamed over the old one: a failed write leaves the
    // old scheme as it was, and no key of it survives in the new one.
    const std::string temporary = path + ".tmp-" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw EFCreateError("Cannot create file \"" + path + "\"");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw EFCreateError("Cannot create file \"" + path + "\"");
    }
}

TScheme ReadSchemeFile(const std::string& path) {
    if (!FileExists(path)) throw EFOpenError("Cannot open file \"" + path + "\"");
    // A file far larger than any scheme is refused before it is read: its keys would only be ignored.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > static_cast<std::uintmax_t>(MaxSchemeFileBytes))
        throw EFOpenError("方案文件“" + path + "”有 " + std::to_string(size) +
                          " 字节，远大于任何方案（上限 " + std::to_string(MaxSchemeFileBytes) +
                          " 字节），没有读取");
    TIniFile ini(path);
    TScheme scheme;
    auto keys = [&](const char* section) {
        std::vector<std::string> names;
        for (auto& [name, value] : ini.ReadSectionEntries(section))
            names.push_back(std::move(name));
        return names;
    };
    scheme.Digits = keys("selectm");
    scheme.Checked = keys("CheckBox");
    scheme.Texts = ini.ReadSectionEntries("ButtonEdit");
    for (const auto& [name, value] : scheme.Texts)
        if (value.size() > MaxSchemeTextBytes) throw EConvertError(TooLong(name, value.size()));
    scheme.Radios = ini.ReadSectionEntries("TcxRadioGroup");
    return scheme;
}

} // namespace zorvy
