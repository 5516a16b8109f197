#include "platform/rtl/FormatSettings.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

namespace zorvy {

namespace {

bool IsChineseLocale(const std::string& name) {
    return name.rfind("zh", 0) == 0;
}

struct Listeners {
    std::mutex lock;
    std::map<int, TFormatSettingsListener> byId;
    int nextId = 1;
};

Listeners& TheListeners() {
    static Listeners listeners;
    return listeners;
}

void NotifyListeners() {
    std::map<int, TFormatSettingsListener> copy;
    {
        std::lock_guard guard(TheListeners().lock);
        copy = TheListeners().byId;
    }
    for (auto& [id, listener] : copy)
        listener();
}

} // namespace

std::string UserLocaleName() {
    // Every date a grid shows asks for the locale: the environment is searched again only when its
    // table changed. setenv, putenv and unsetenv each replace an entry's pointer or the table itself,
    // so a table holding the same pointers as at the last search holds the same values.
    thread_local std::vector<char*> seen;
    thread_local char** seenTable = nullptr;
    thread_local std::string name;
    char** table = environ;
    size_t count = 0;
    while (table && table[count])
        ++count;
    if (!name.empty() && table == seenTable && count == seen.size() &&
        std::equal(seen.begin(), seen.end(), table))
        return name;
    name = "C";
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    seenTable = table;
    seen.assign(table, table + count);
    return name;
}

TFormatSettings DefaultFormatSettings(const std::string& localeName) {
    TFormatSettings s;
    if (IsChineseLocale(localeName)) {
        s.CurrencyString = "¥";
        s.NegCurrFormat = 2; // "¥-1.00"
        s.LongDateFormat = "yyyy'年'm'月'd'日'";
        s.TimeAMString = "上午";
        s.TimePMString = "下午";
        static const char* digits[] = {"一", "二", "三", "四", "五",   "六",
                                       "七", "八", "九", "十", "十一", "十二"};
        for (int m = 0; m < 12; ++m) {
            s.ShortMonthNames[m] = std::to_string(m + 1) + "月";
            s.LongMonthNames[m] = std::string(digits[m]) + "月";
        }
        static const char* days[] = {"日", "一", "二", "三", "四", "五", "六"};
        for (int d = 0; d < 7; ++d) {
            s.ShortDayNames[d] = std::string("周") + days[d];
            s.LongDayNames[d] = std::string("星期") + days[d];
        }
    } else {
        s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
        s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        // Sunday starts the week in the United States, Monday elsewhere.
        if (localeName.rfind("en_US", 0) == 0) s.FirstDayOfWeek = 6;
        s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    }
    return s;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings settings = DefaultFormatSettings(UserLocaleName());
    return settings;
}

void SetFormatSettings(const TFormatSettings& settings) {
    FormatSettings() = settings;
    NotifyListeners();
}

void GetFormatSettings() {
    SetFormatSettings(DefaultFormatSettings(UserLocaleName()));
}

int AddFormatSettingsListener(TFormatSettingsListener listener) {
    std::lock_guard guard(TheListeners().lock);
    int id = TheListeners().nextId++;
    TheListeners().byId.emplace(id, std::move(listener));
    return id;
}

void RemoveFormatSettingsListener(int id) {
    std::lock_guard guard(TheListeners().lock);
    TheListeners().byId.erase(id);
}

} // namespace zorvy
