// The date editor's popup: the calendar made on the first drop-down and set up on every one, the day
// picked there becoming the value, and the popup window's keys.
#include "controls/editors/date/Calendar.h"
#include "controls/editors/date/DateEdit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/DateTime.h"
#include "platform/win/VirtualKeys.h"

#include <cmath>

namespace zorvy {

namespace {
double TimeFraction(double value) { return std::fabs(value - std::trunc(value)); }
double WithSign(double date, double time) { return date < 0 ? -time : time; }
} // namespace

void TcxCustomDateEdit::CreateCalendar() {
    calendar_ = new TcxPopupCalendar(this);
    calendar_->Edit = this;
    calendar_->SetVisible(false);
    calendar_->SetParent(GetPopupWindow());
    calendar_->OnHidePopup = [this](TObject*, TcxEditCloseUpReason reason) { CloseWithReason(reason); };
    TcxLookAndFeel* master = GetPopupLookAndFeel();
    for (TcxButton* button : {calendar_->GetClearButton(), calendar_->GetOkButton(), calendar_->GetNowButton(),
                              calendar_->GetTodayButton()})
        button->GetLookAndFeel()->SetMaster(master);
    calendar_->GetTimeEdit()->GetStyle()->GetLookAndFeel()->SetMaster(master);
}

void TcxCustomDateEdit::DropDown() {
    if (!calendar_) CreateCalendar();
    GetPopupEditProperties()->SetPopupControl(calendar_);
    TcxCustomPopupEdit::DropDown();
}

void TcxCustomDateEdit::SetUpPopupWindow() {
    TcxCustomPopupEdit::SetUpPopupWindow();
    TcxCustomDateEditProperties* p = GetDateProperties();
    calendar_->HandleNeeded();
    calendar_->SetColor(GetEffectiveStyle()->GetColor());
    calendar_->SetFlatLook(GetEffectiveStyle()->GetLookAndFeel()->GetKind() != lfStandard);
    calendar_->SetButtonSet(p->GetDateButtons());
    calendar_->OnDateTimeChanged = nullptr;
    popupStartDate_ = GetTypedDate();
    if (popupStartDate_ == NullDate) popupStartDate_ = Date();
    if (p->GetKind() == ckDateTime) calendar_->GetTimeEdit()->SetTime(TimeFraction(popupStartDate_));
    const TDateTime day = std::trunc(popupStartDate_);
    calendar_->ShowMonthOf(day);
    calendar_->SetSelectedDate(day);
    calendar_->GetFont()->Assign(GetEffectiveStyle()->EffectiveFont());
    calendar_->GetFont()->SetColor(clBtnText);
    calendar_->UpdateSize();
    calendar_->OnDateTimeChanged = [this](TObject* sender) { CalendarDateTimeChanged(sender); };
    calendar_->SetArrowsForYear(p->GetArrowsForYear());
    calendar_->SetKind(p->GetKind());
    const TcxDateTimeFormatInfo& items = SharedFormatController()->GetDateTimeItems();
    TcxTimeEditTimeFormat format = tfHourMinSec;
    if (!items.DefinedItems[fikSecond] && items.DefinedItems[fikMinute])
        format = tfHourMin;
    else if (!items.DefinedItems[fikSecond] && !items.DefinedItems[fikMinute] && items.DefinedItems[fikHour])
        format = tfHour;
    calendar_->SetTimeFormat(format);
    bool use24 = false;
    for (const TcxDateTimeFormatItem& item : items.Items)
        if (item.Kind == fikHour) use24 = item.Text.rfind("24", 0) == 0;
    calendar_->SetUse24HourFormat(use24);
    calendar_->SetWeekNumbers(p->GetWeekNumbers());
    calendar_->YearsInMonthList = p->GetYearsInMonthList();
}

void TcxCustomDateEdit::CalendarDateTimeChanged(TObject*) {
    TcxCustomDateEditProperties* p = GetDateProperties();
    TDateTime d = calendar_->GetSelectedDate();
    if (p->GetKind() == ckDateTime && d != NullDate)
        d = std::trunc(d) + WithSign(d, calendar_->GetTimeEdit()->GetTime());
    else if (p->GetKind() == ckDate && p->GetSaveTime() && d != NullDate)
        d = std::trunc(d) + WithSign(d, TimeFraction(popupStartDate_));
    std::string text;
    if (d == NullDate) {
        text = p->GetEmptyDateText(true);
    } else if (p->GetInputKind() == ikStandard) {
        Variant shown;
        p->ToDisplayValue(Variant::FromDate(d), shown, true);
        text = VarToStr(shown);
        TDateTime back = NullDate;
        if (!TryTextToDateTime(text, !SharedFormatController()->UseRuntimeFormats, back) ||
            std::trunc(back) != std::trunc(d)) {
            // The locale's short year would lose the century: a four-digit year instead.
            const TDateTime cut = p->ShowsTimePart(true, d) ? std::trunc(d) : d;
            FormatDateForEdit(false, p->GetKind() == ckDateTime, true, text, cut);
            while (!text.empty() && text.back() == ' ') text.pop_back();
        }
    } else {
        Variant shown;
        p->ToDisplayValue(Variant::FromDate(d), shown, true);
        text = VarToStr(shown);
    }
    if (GetDate() == d && GetText() == text) return;
    if (!RequestEditing()) return;
    TcxEditChangeEventsHold hold(this, true);
    BeginUserChange();
    SetValueAsUser(d == NullDate ? Variant::Null() : Variant::FromDate(d));
    EndUserChange();
    SetChangedSinceEnter(true);
    ShowDisplayValue(Variant(text));
    SelectAllText();
}

void TcxCustomDateEdit::HandleCalendarTab(TShiftState shift) {
    std::uint16_t key = VK_TAB;
    ProcessEditKeyDown(key, shift);
}

void TcxCustomDateEdit::PopupShown() {
    TWeakLink<TcxCustomDateEdit> self(this);
    TcxCustomPopupEdit::PopupShown();
    if (!self || !calendar_) return;
    calendar_->CalculateLayout();
    calendar_->UpdateHotTrack();
}

void TcxCustomDateEdit::PopupClosed() {
    TWeakLink<TcxCustomDateEdit> self(this);
    TcxCustomPopupEdit::PopupClosed();
    if (self && calendar_) calendar_->UpdateHotTrack();
}

// ---- the popup window ----

TcxDateEditPopupWindow::TcxDateEditPopupWindow(TWinControl* ownerEdit) : TcxPopupEditPopupWindow(ownerEdit) {
    KeyPreview = true;
}

bool TcxDateEditPopupWindow::IsCalendarKey(std::uint16_t key, TShiftState shift) {
    const TShiftState modifiers = shift & (ssShift | ssAlt | ssCtrl);
    if (key == VK_ESCAPE) {
        TWinControl* active = GetActiveControl();
        if (dynamic_cast<TcxButton*>(active) && dynamic_cast<TcxPopupCalendar*>(active->GetParent())) return true;
        for (TWinControl* c = active; c; c = c->GetParent())
            if (auto* time = dynamic_cast<TcxTimeEdit*>(c)) return !time->GetModified();
        return false;
    }
    if ((key == VK_UP || key == VK_DOWN) && modifiers == ssAlt) return true;
    return key == VK_F4 && !(shift & ssAlt);
}

void TcxDateEditPopupWindow::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxPopupEditPopupWindow::KeyDown(key, shift);
    if (key == 0 || !IsCalendarKey(key, shift)) return;
    auto* edit = dynamic_cast<TcxCustomDateEdit*>(GetPopupOwner());
    if (edit && edit->GetCalendar()) {
        const std::uint16_t calendarKey = key;
        key = 0;
        edit->GetCalendar()->HandleKey(calendarKey, shift);
    }
}

} // namespace zorvy
