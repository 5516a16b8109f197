// The shared format controller: reading the settings, its values, listeners and the hidden window.
#include "controls/foundation/locale/FormatController.h"

#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/LocaleInfo.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>
#include <cstring>

namespace zorvy {

namespace {

TcxFormatController* sharedController = nullptr;

// Every lone d and every lone upper-case M written twice: "d/M/yyyy" -> "dd/MM/yyyy". A lower-case m
// stays alone: it may be the m of "am/pm".
std::string DoubleLoneDayAndMonth(const std::string& format) {
    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        result += c;
        if (c != 'd' && c != 'M') continue;
        const bool before = i > 0 && format[i - 1] == c;
        const bool after = i + 1 < format.size() && format[i + 1] == c;
        if (!before && !after) result += c;
    }
    return result;
}

} // namespace

TcxFormatController::TcxFormatController() {
    ReadFormatSettings();
}

TcxFormatController::~TcxFormatController() {
    if (window_) DeallocateHWnd(window_);
    if (sharedController == this) sharedController = nullptr;
}

void TcxFormatController::ReadFormatSettings() {
    if (!sharedController) sharedController = this;
    if (!assigned_[aCurrency]) currencyFormat_ = BuildCurrencyFormat();
    if (!assigned_[aFirstDay]) {
        const std::string first = GetLocaleInfo(LOCALE_IFIRSTDAYOFWEEK);
        firstDayOfWeek_ = (StrToIntDef(first.empty() ? "0" : first, 0) + 1) % 7;
    }
    BuildDateTimeMasks();
    dateInputFormat_ = DoubleLoneDayAndMonth(FormatSettings().ShortDateFormat);
}

void TcxFormatController::BuildDateTimeMasks() {
    const TFormatSettings& fs = FormatSettings();
    BuildFormatInfo(fs.ShortDateFormat, dateItems_);
    BuildFormatInfo(fs.LongTimeFormat, timeItems_);
    BuildFormatInfo(fs.ShortDateFormat + " " + fs.LongTimeFormat, dateTimeItems_);
    dateStandardMask_ = BuildStandardMask(dateItems_);
    if (!assigned_[aStandardDate]) standardDateMask_ = dateStandardMask_;
    if (!assigned_[aRegExprDate]) {
        regExprDateMask_ = BuildRegExprMask(dateItems_, false);
        AddSmartDateWordsToRegExpr(regExprDateMask_, false);
    }
    if (!assigned_[aRegExprDateTime]) {
        regExprDateTimeMask_ =
            BuildRegExprMask(dateItems_, false) + " ' '(" + BuildRegExprMask(timeItems_, true) + ")?";
        AddSmartDateWordsToRegExpr(regExprDateTimeMask_, true);
    }
    if (!assigned_[aStandardDateTime]) standardDateTimeMask_ = BuildStandardMask(dateTimeItems_);
    maskedDateDisplayFormat_ = BuildMaskedDisplayFormat(dateItems_);
    maskedDateTimeDisplayFormat_ = BuildMaskedDisplayFormat(dateTimeItems_);
}

void TcxFormatController::SetCurrencyFormat(const std::string& value) {
    currencyFormat_ = value;
    assigned_[aCurrency] = true;
}

void TcxFormatController::SetRegExprDateEditMask(const std::string& value) {
    regExprDateMask_ = value;
    assigned_[aRegExprDate] = true;
}

void TcxFormatController::SetRegExprDateTimeEditMask(const std::string& value) {
    regExprDateTimeMask_ = value;
    assigned_[aRegExprDateTime] = true;
}

void TcxFormatController::SetStandardDateEditMask(const std::string& value) {
    standardDateMask_ = value;
    assigned_[aStandardDate] = true;
}

void TcxFormatController::SetStandardDateTimeEditMask(const std::string& value) {
    standardDateTimeMask_ = value;
    assigned_[aStandardDateTime] = true;
}

void TcxFormatController::SetFirstDayOfWeek(int value) {
    firstDayOfWeek_ = value;
    assigned_[aFirstDay] = true;
}

void TcxFormatController::AddListener(IcxFormatChangeListener* listener) {
    if (!listener || std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) return;
    listeners_.push_back(listener);
    if (!window_) window_ = AllocateHWnd([this](TMessage& m) { WindowProc(m); });
}

void TcxFormatController::RemoveListener(IcxFormatChangeListener* listener) {
    std::erase(listeners_, listener);
    if (listeners_.empty() && window_) {
        DeallocateHWnd(window_);
        window_ = 0;
    }
}

void TcxFormatController::NotifyFormatChanged() {
    const size_t count = listeners_.size();
    for (size_t i = 0; i < count && i < listeners_.size(); ++i)
        listeners_[i]->FormatChanged();
}

void TcxFormatController::NotifyTimeChanged() {
    const size_t count = listeners_.size();
    for (size_t i = 0; i < count && i < listeners_.size(); ++i)
        if (auto* timeListener = dynamic_cast<IcxSystemTimeListener*>(listeners_[i]))
            timeListener->TimeChanged();
}

int TcxFormatController::MaskedFormatLength(const TcxDateTimeFormatInfo& info) const {
    int length = 0;
    for (const TcxDateTimeFormatItem& item : info.Items)
        length += MaskedItemLength(item);
    return length;
}

void TcxFormatController::HandleWindowMessage(TMessage& message) {
    if (message.Msg == WM_WININICHANGE && message.WParam == 0 && message.LParam &&
        std::strcmp(reinterpret_cast<const char*>(message.LParam), "intl") == 0 &&
        (!Application || Application->UpdateFormatSettings)) {
        GetFormatSettings();
        ReadFormatSettings();
        NotifyFormatChanged();
        message.Result = 0;
    } else if (message.Msg == WM_TIMECHANGE) {
        NotifyTimeChanged();
        message.Result = 0;
    } else {
        message.Result = DefWindowProc(window_, message.Msg, message.WParam, message.LParam);
    }
}

void TcxFormatController::WindowProc(TMessage& message) {
    try {
        HandleWindowMessage(message);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
    }
}

TcxFormatController* SharedFormatController() {
    if (!sharedController) new TcxFormatController; // becomes the shared one as it reads the settings
    return sharedController;
}

TcxFormatController* ExistingFormatController() {
    return sharedController;
}

void FinalizeFormatController() {
    delete sharedController;
}

} // namespace zorvy
