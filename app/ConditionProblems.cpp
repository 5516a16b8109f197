#include "app/ConditionProblems.h"

#include "engine/ConditionText.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <array>
#include <vector>

namespace zorvy {

namespace {

// The keys a condition text is read by, as the user types them, and the key each value is read with.
struct TTextKey {
    const char* Shown;
    const char* Read;
    bool Number;
};

constexpr std::array<TTextKey, 8> TextKeys = {{{"j=", "j=1", true},
                                               {"j=", "j=0", true},
                                               {"y=", "y=0", true},
                                               {"y=", "y=1", true},
                                               {"y=", "y=2", true},
                                               {"fw1=", "fw1=", true},
                                               {"fw2=", "fw2=", true},
                                               {"xfw=", "xfw=", false}}};

std::string ConditionName(const TConditionInfo& info) {
    const TFamilyInfo& family = FamilyTable()[info.Family];
    return "条件“" + info.Caption + "”（“" + std::string(family.PageCaption) + "”页“" +
           std::string(family.GroupCaption) + "”）";
}

// The parts between "/", blanks trimmed, empty ones left out.
std::vector<std::string> Parts(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t slash = text.find('/', start);
        if (slash == std::string::npos) slash = text.size();
        std::string part = Trim(text.substr(start, slash - start));
        if (!part.empty()) parts.push_back(std::move(part));
        start = slash + 1;
    }
    return parts;
}

} // namespace

std::string ConditionTextProblem(const TFilterInput& input) {
    for (int i = 0; i < ConditionCount; ++i) {
        const TConditionWidgets& widgets = input.Conditions[i];
        if (!widgets.Checked || widgets.Text.empty()) continue; // an empty text is unticked by the run
        bool readsSomething = false;
        for (const TTextKey& key : TextKeys) {
            const std::string value = ExtractConditionValue(widgets.Text, key.Read);
            if (value == "-1") continue;
            readsSomething = true;
            int number = 0;
            if (key.Number && !TryStrToInt(value, number))
                return ConditionName(ConditionTable()[i]) + "的文字“" + widgets.Text + "”里，“" + key.Shown +
                       "”后面应是一个整数，现在是“" + value + "”。\n\n请改正后再开始过滤。";
        }
        // A part between two "/" that holds no key is passed over by the run: said rather than ignored.
        for (const std::string& part : Parts(widgets.Text)) {
            bool known = false;
            for (const TTextKey& key : TextKeys)
                known = known || ContainsText(part, key.Read);
            if (!known && readsSomething)
                return ConditionName(ConditionTable()[i]) + "的文字“" + widgets.Text + "”里，“" + part +
                       "”读不出条件，过滤时会被忽略。\n\n请改正后再开始过滤。";
        }
        if (!readsSomething)
            return ConditionName(ConditionTable()[i]) + "的文字“" + widgets.Text +
                   "”里没有能用的条件，过滤时它什么也不会排除。\n\n条件的写法例如：j=1/（奇数）、y=0/y=2/（除以3余0或余2）、"
                   "fw1=2/fw2=5/（2到5之间）、xfw= 1 3 5 /（只要这几个值）。";
    }
    return {};
}

} // namespace zorvy
