#pragma once
// TcxFormatController: how the user's locale writes dates, times and money, for the editors. It parses
// the runtime's short date and long time formats into items and derives from them the edit masks
// (standard and regular-expression, the latter with the smart date words), the display formats of
// masked texts, the date input format, the currency display format and the first day of the week. A
// hidden window hears regional-setting and clock changes and tells the listeners.
#include "platform/win/Handles.h"
#include "platform/win/Messages.h"

#include <array>
#include <string>
#include <vector>

namespace zorvy {

enum TcxDateTimeFormatItemKind : uint8_t {
    fikText = 0,
    fikYear = 1,
    fikMonth = 2,
    fikDay = 3,
    fikHour = 4, // text "12H", "24HH": the clock, then the digits
    fikMinute = 5,
    fikSecond = 6,
    fikMSec = 7,
    fikAmPm = 8,
    fikDateSeparator = 9,
    fikTimeSeparator = 10
};

struct TcxDateTimeFormatItem {
    TcxDateTimeFormatItemKind Kind = fikText;
    std::string Text;
    friend bool operator==(const TcxDateTimeFormatItem&, const TcxDateTimeFormatItem&) = default;
};

struct TcxDateTimeFormatInfo {
    std::array<bool, 11> DefinedItems{};
    std::vector<TcxDateTimeFormatItem> Items;
};

// Forms of an AM/PM item.
enum TcxTimeSuffixKind : uint8_t { tskAP = 0, tskAMPM = 1, tskLocale = 2 };

struct TcxDateTimeFormatItemInfo {
    TcxDateTimeFormatItemKind Kind = fikText;
    int ItemZoneStart = 0; // 1-based position in the masked text
    int ItemZoneLength = 0;
    TcxTimeSuffixKind TimeSuffixKind = tskAP;
};

class IcxFormatChangeListener {
  public:
    virtual ~IcxFormatChangeListener() = default;
    virtual void FormatChanged() = 0;
};

// Listeners that also want to hear of system clock changes.
class IcxSystemTimeListener {
  public:
    virtual ~IcxSystemTimeListener() = default;
    virtual void TimeChanged() = 0;
};

class TcxFormatController {
  public:
    TcxFormatController();
    virtual ~TcxFormatController();
    TcxFormatController(const TcxFormatController&) = delete;
    TcxFormatController& operator=(const TcxFormatController&) = delete;

    // Recomputes everything from the runtime's format settings; values assigned from outside stay.
    void ReadFormatSettings();
    virtual void AddListener(IcxFormatChangeListener* listener);
    virtual void RemoveListener(IcxFormatChangeListener* listener);
    virtual void HandleWindowMessage(TMessage& message);
    void NotifyFormatChanged();
    void NotifyTimeChanged();
    // The characters the items take in a masked edit text.
    int MaskedFormatLength(const TcxDateTimeFormatInfo& info) const;
    // The hidden window (0 while there is no listener).
    HWND WindowHandle() const { return window_; }

    // ---- values; setting one marks it assigned, so re-reading the settings keeps it ----
    const std::string& GetCurrencyFormat() const { return currencyFormat_; }
    void SetCurrencyFormat(const std::string& value);
    const std::string& GetRegExprDateEditMask() const { return regExprDateMask_; }
    void SetRegExprDateEditMask(const std::string& value);
    const std::string& GetRegExprDateTimeEditMask() const { return regExprDateTimeMask_; }
    void SetRegExprDateTimeEditMask(const std::string& value);
    const std::string& GetStandardDateEditMask() const { return standardDateMask_; }
    void SetStandardDateEditMask(const std::string& value);
    const std::string& GetStandardDateTimeEditMask() const { return standardDateTimeMask_; }
    // Set from outside rather than derived from the locale.
    bool IsStandardDateTimeEditMaskAssigned() const { return assigned_[aStandardDateTime]; }
    void SetStandardDateTimeEditMask(const std::string& value);
    // 0 Sunday .. 6 Saturday.
    int GetFirstDayOfWeek() const { return firstDayOfWeek_; }
    void SetFirstDayOfWeek(int value);

    const std::string& GetDateInputFormat() const { return dateInputFormat_; }
    const std::string& GetDateStandardMask() const { return dateStandardMask_; }
    const std::string& GetMaskedDateDisplayFormat() const { return maskedDateDisplayFormat_; }
    const std::string& GetMaskedDateTimeDisplayFormat() const { return maskedDateTimeDisplayFormat_; }
    const TcxDateTimeFormatInfo& GetDateItems() const { return dateItems_; }
    const TcxDateTimeFormatInfo& GetTimeItems() const { return timeItems_; }
    const TcxDateTimeFormatInfo& GetDateTimeItems() const { return dateTimeItems_; }
    uint8_t FirstWeekRule = 0; // 0: the locale's rule
    bool UseRuntimeFormats = false;

  private:
    void BuildDateTimeMasks();
    void WindowProc(TMessage& message);

    enum TAssigned { aCurrency, aRegExprDate, aRegExprDateTime, aStandardDate, aStandardDateTime, aFirstDay };
    std::array<bool, 6> assigned_{};
    std::string currencyFormat_;
    std::string dateInputFormat_;
    std::string dateStandardMask_;
    TcxDateTimeFormatInfo dateItems_, timeItems_, dateTimeItems_;
    std::vector<IcxFormatChangeListener*> listeners_;
    std::string maskedDateDisplayFormat_, maskedDateTimeDisplayFormat_;
    std::string regExprDateMask_, regExprDateTimeMask_;
    std::string standardDateMask_, standardDateTimeMask_;
    int firstDayOfWeek_ = 0;
    HWND window_ = 0;
};

// The shared controller, created on first use; FinalizeFormatController frees it.
TcxFormatController* SharedFormatController();
// The shared controller when one exists, without making one (for listeners leaving late).
TcxFormatController* ExistingFormatController();
void FinalizeFormatController();

// Parses a format of the runtime ("yyyy-mm-dd", "hh:nn:ss AM/PM", "c", quoted literals); a format the
// items cannot express (an era) gives empty items and false.
bool BuildFormatInfo(const std::string& format, TcxDateTimeFormatInfo& info);
int MaskedItemLength(const TcxDateTimeFormatItem& item);
// The item at a 1-based position of a masked text.
bool FindFormatItemAt(const TcxFormatController* controller, const TcxDateTimeFormatInfo& info, int position,
                      TcxDateTimeFormatItemInfo& itemInfo);
std::string BuildCurrencyFormat();
std::string BuildStandardMask(const TcxDateTimeFormatInfo& info);
std::string BuildMaskedDisplayFormat(const TcxDateTimeFormatInfo& info);
// Regular-expression masks of the date items (date rules) or the time items (time rules).
std::string BuildRegExprMask(const TcxDateTimeFormatInfo& info, bool timeRules);

} // namespace zorvy
