#pragma once
// Typing into the time fields of a masked text: the check that keeps hours, minutes and seconds in
// range as digits are typed, and the designator letters that pick AM or PM. Shared by the time editor
// and the date editor's masked date-time input.
#include <string>

namespace zorvy {

// Time fields: 0 hours, 1 minutes, 2 seconds, 3 the AM/PM designator.
enum TcxTimeEditField : uint8_t { tfHours = 0, tfMinutes = 1, tfSeconds = 2, tfDesignator = 3 };

struct TcxTimeFieldInfo {
    TcxTimeEditField Field = tfHours;
    int Start = 1;  // 1-based position of the field's first character in the text
    int Length = 2; // characters
    int DesignatorKind = 2; // 0 "A"/"P", 1 "AM"/"PM", 2 the locale's
    bool Use24HourFormat = true;
};

// The designator texts of a kind: AM first, PM second.
void TimeDesignators(int kind, std::string& am, std::string& pm);

// What typing a character at a position does to a time field.
struct TcxTimeTypingResult {
    // Accepted: the mask places the character (perhaps changed), over Text when that is not empty.
    // Refused: nothing changes and the mask beeps. Otherwise the character is consumed: the text becomes
    // Text and the caret goes to Caret (0-based), moving on from there to the next position when
    // StepRight is set.
    bool Accepted = false;
    bool Refused = false;
    std::string Text;
    int Caret = 0;
    bool StepRight = false;
};

// text is the whole masked text, position the 1-based position the character goes to (single-byte
// characters: time texts are ASCII digits, separators and designators).
TcxTimeTypingResult TypeTimeFieldChar(const TcxTimeFieldInfo& field, const std::string& text, std::string& character,
                                      int position);

} // namespace zorvy
