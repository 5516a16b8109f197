#pragma once
// The largest scheme the main window can write: every digit selected, every box ticked and every
// condition edit holding a text of the longest length a scheme keeps.
#include "app/Schemes.h"
#include "engine/ConditionTable.h"

#include <string>

namespace zorvy::test {

inline TScheme LargestScheme() {
    TScheme scheme;
    for (const char* position : {"gw", "sw", "bw", "qw", "ww", "sww"})
        for (int digit = 0; digit < 10; ++digit)
            scheme.Digits.push_back(position + std::to_string(digit));
    for (const TFamilyInfo& family : FamilyTable())
        scheme.Checked.emplace_back(family.FlagName);
    // A value list of serial numbers, cut to the longest text.
    std::string text = "xfw=";
    for (int serial = 1000001; text.size() < MaxSchemeTextBytes; serial += 37)
        text += " " + std::to_string(serial);
    text.resize(MaxSchemeTextBytes);
    for (const TConditionInfo& condition : ConditionTable()) {
        scheme.Checked.push_back(condition.Stem + "chk");
        scheme.Texts.emplace_back(condition.Stem + "Edit", text);
    }
    for (const char* box : {"Tj_danmachk", "customwzchk", "TJErrochk"})
        scheme.Checked.emplace_back(box);
    scheme.Texts.emplace_back("Tj_danmaEdit", text);
    return scheme;
}

} // namespace zorvy::test
