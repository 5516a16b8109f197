#include "app/Settings.h"

#include "app/DrawDigits.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"

#include <cstdlib>

namespace zorvy {

std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/zorvy";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/zorvy";
}

std::string SetupIniPath() {
    const std::string folder = ConfigFolder();
    ForceDirectories(folder);
    return folder + "/setup.ini";
}

bool IsValidDrawCode(const std::string& code) {
    if (code.size() != 20 || code[17] != '+') return false;
    int previous = 0;
    for (int k = 0; k < 6; ++k) {
        const int ball = TwoDigits(code, 3 * k);
        if (ball <= previous || ball > 33) return false;
        if (k < 5 && code[3 * k + 2] != ' ') return false;
        previous = ball;
    }
    const int blue = TwoDigits(code, 18);
    return blue >= 1 && blue <= 16;
}

std::string ReadDrawCode(TIniFile& ini, std::string& problem) {
    problem.clear();
    const std::string code = ini.ReadString("kaijiangma", "kjm", "");
    if (code.empty() || IsValidDrawCode(code)) return code;
    problem = "设置文件 " + ini.FileName() + " 里的开奖号码“" + code +
              "”格式不对（应为六个从小到大、互不相同的红球01-33加蓝球01-16，如“01 04 12 20 28 33+08”），已忽略。";
    return {};
}

void WriteDrawCode(TIniFile& ini, const std::string& code) { ini.WriteString("kaijiangma", "kjm", code); }

} // namespace zorvy
