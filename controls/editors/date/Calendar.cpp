// The calendar's settings, metrics, regions, buttons, keys and mouse. Painting is CalendarPaint.cpp.
#include "controls/editors/date/Calendar.h"

#include "controls/editors/date/DateEdit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/locale/SmartDates.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/MouseTracking.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(cxSDateToday, "Today");
ZORVY_RESOURCESTRING(cxSDateNow, "Now");
ZORVY_RESOURCESTRING(cxSDateClear, "Clear");
ZORVY_RESOURCESTRING(cxSDateOK, "OK");

namespace {
constexpr unsigned calendarArrowRepeat = 200;
// What a step outside years 100..9999 yields; ShowMonthOf ignores it.
constexpr TDateTime invalidStepDate = -699999.0;

enum CalendarButtonTag { tagClear = 0, tagNow = 1, tagToday = 2, tagOk = 3 };

double SignedTime(double date, double time) { return date < 0 ? -time : time; }
} // namespace

TcxCustomCalendar::TcxCustomCalendar(TComponent* owner) : TcxControl(owner) {
    ControlStyle |= csOpaque | csCaptureMouse;
    SetColor(clWindow);
    selectedDate_ = Date();
    shownMonthStart_ = FirstDayOfMonthOf(selectedDate_);
    SetBounds(GetLeft(), GetTop(), 20, 20);
    arrowTimer_ = new TcxTimer(this);
    arrowTimer_->SetEnabled(false);
    arrowTimer_->SetInterval(calendarArrowRepeat);
    arrowTimer_->SetOnTimer([this](TObject* sender) { ArrowTimerTick(sender); });
    monthList_ = new TcxMonthListBox(this);
    monthList_->ChangeFocusCapture(false);
    monthList_->ChangeTopMost(true);
    SetWantedKeys(wkArrowKeys | wkCharKeys | wkTabKey);
    CreateButtons();
}

TcxCustomCalendar::~TcxCustomCalendar() {
    StopMouseTracking(this);
    delete monthList_;
}

void TcxCustomCalendar::CreateButtons() {
    auto make = [this](TcxButton*& button, int tag, const std::string& caption, int tabOrder) {
        button = new TcxButton(this);
        button->UseSystemPaint = false;
        button->SetTag(tag);
        button->SetCaption(caption);
        button->SetTabOrder(tabOrder);
        button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    };
    make(todayButton_, tagToday, ResolveResourceString(cxSDateToday), 1);
    make(nowButton_, tagNow, ResolveResourceString(cxSDateNow), 2);
    make(clearButton_, tagClear, ResolveResourceString(cxSDateClear), 3);
    make(okButton_, tagOk, ResolveResourceString(cxSDateOK), 4);
    okButton_->SetDefault(true);
    timeEdit_ = new TcxTimeEdit(this);
    timeEdit_->GetTimeProperties()->SetCircular(true);
    timeEdit_->GetProperties()->OnChange = [this](TObject* sender) { TimeChanged(sender); };
    timeEdit_->SetTabOrder(0);
    clock_ = new TcxClock(this);
    clock_->SetTabStop(false);
}

void TcxCustomCalendar::AttachChildControls() {
    TcxControl::AttachChildControls();
    for (TControl* child : std::initializer_list<TControl*>{todayButton_, nowButton_, clearButton_, okButton_,
                                                            clock_, timeEdit_})
        child->SetParent(this);
    FontPropertyChanged();
}

void TcxCustomCalendar::CreateWnd() {
    TcxControl::CreateWnd();
    CalculateLayout();
}

// ---- settings ----

void TcxCustomCalendar::SetArrowsForYear(bool value) {
    if (value == arrowsForYear_) return;
    arrowsForYear_ = value;
    CalculateLayout();
}

void TcxCustomCalendar::SetButtonSet(TDateButtons value) {
    if (value == buttonSet_) return;
    buttonSet_ = value;
    clearButton_->SetVisible(value & DateButtonBit(btnClear));
    nowButton_->SetVisible(value & DateButtonBit(btnNow));
    todayButton_->SetVisible(value & DateButtonBit(btnToday));
    CalculateLayout();
}

void TcxCustomCalendar::SetFlatLook(bool value) {
    if (value == flatLook_) return;
    flatLook_ = value;
    CalculateLayout();
}

void TcxCustomCalendar::SetKind(TcxCalendarKind value) {
    if (value == kind_) return;
    kind_ = value;
    if (kind_ == ckDateTime)
        ControlStyle |= csClickEvents | csDoubleClicks;
    else
        ControlStyle &= ~(csClickEvents | csDoubleClicks);
    CalculateLayout();
}

TcxTimeEditTimeFormat TcxCustomCalendar::GetTimeFormat() const { return timeEdit_->GetTimeProperties()->GetTimeFormat(); }

void TcxCustomCalendar::SetTimeFormat(TcxTimeEditTimeFormat value) {
    if (value == GetTimeFormat()) return;
    timeEdit_->GetTimeProperties()->SetTimeFormat(value);
    CalculateLayout();
}

bool TcxCustomCalendar::GetUse24HourFormat() const { return timeEdit_->GetTimeProperties()->GetUse24HourFormat(); }

void TcxCustomCalendar::SetUse24HourFormat(bool value) {
    if (value == GetUse24HourFormat()) return;
    timeEdit_->GetTimeProperties()->SetUse24HourFormat(value);
    CalculateLayout();
}

void TcxCustomCalendar::SetWeekNumbers(bool value) {
    if (value == weekNumbers_) return;
    weekNumbers_ = value;
    CalculateLayout();
}

// ---- dates ----

bool TcxCustomCalendar::IsValidDate(TDateTime date) {
    static const TDateTime first = EncodeDate(100, 1, 1);
    static const TDateTime last = EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999);
    return date != NullDate && date >= first && date <= last;
}

TDateTime TcxCustomCalendar::GetLastDate() const { return LastDayOfMonthOf(true, shownMonthStart_); }

TDateTime TcxCustomCalendar::GetFirstVisibleDate() const {
    const int w = WeekdayFromWeekStart(shownMonthStart_);
    return w == 0 ? shownMonthStart_ - 7 : shownMonthStart_ - w;
}

TDateTime TcxCustomCalendar::GetLastVisibleDate() const {
    const int w = WeekdayFromWeekStart(shownMonthStart_);
    const TDateTime last = GetLastDate();
    const int days = DaysInMonth(shownMonthStart_);
    const TDateTime result = last + 42 - days - w;
    return w == 0 ? result - 7 : result;
}

TDateTime TcxCustomCalendar::GetDateOfCell(int column, int row) const {
    const TDateTime f = shownMonthStart_;
    const int w = WeekdayFromWeekStart(f);
    TDateTime date = f - w + 7 * row + column;
    // A month starting on the first weekday still shows a full week of the one before.
    if (w == 0 && f > EarliestSupportedDate()) date -= 7;
    return date;
}

TRect TcxCustomCalendar::GetGridRect() const {
    TRect r = dayAreaRect_;
    r.Top += daysOfWeekHeight_;
    r.Left += weekNumberWidth_ + sideWidth_;
    r.Right -= sideWidth_;
    r.Bottom = r.Top + 6 * rowHeight_;
    return r;
}

TDateTime TcxCustomCalendar::GetDateAtPoint(TPoint p) const {
    const TRect grid = GetGridRect();
    if (!PtInRect(GetClientRect(), p) || !PtInRect(grid, p) || columnWidth_ <= 0 || rowHeight_ <= 0)
        return NullDate;
    const int column = (p.X - grid.Left) / columnWidth_, row = (p.Y - grid.Top) / rowHeight_;
    if (column > 6 || row > 5) return NullDate;
    return GetDateOfCell(column, row);
}

void TcxCustomCalendar::ShowMonthOf(TDateTime date) {
    if (!IsValidDate(date)) return;
    const TDateTime first = FirstDayOfMonthOf(date);
    if (first == shownMonthStart_) return;
    shownMonthStart_ = first;
    Invalidate();
}

void TcxCustomCalendar::SelectDay(TDateTime date) { ChangeSelection(true, date); }

void TcxCustomCalendar::ChangeSelection(bool repaintAll, TDateTime date) {
    if (date == selectedDate_ || !IsValidDate(date)) return;
    selectedDate_ = date;
    if (repaintAll && date != NullDate) ShowMonthOf(date);
    if (repaintAll || kind_ == ckDateTime)
        Invalidate();
    else if (HandleAllocated())
        InvalidateArea(GetGridRect(), false);
}

void TcxCustomCalendar::StepMonthOrYear(int arrow) {
    uint16_t year = static_cast<uint16_t>(YearOf(shownMonthStart_));
    uint16_t month = static_cast<uint16_t>(MonthOf(shownMonthStart_));
    int y = year, m = month;
    switch (arrow) {
    case 0: m == 1 ? (m = 12, --y) : --m; break;
    case 1: m == 12 ? (m = 1, ++y) : ++m; break;
    case 2: --y; break;
    default: ++y; break;
    }
    ShowMonthOf(y < 100 || y > 9999 ? invalidStepDate : EncodeDate(y, m, 1));
}

// ---- metrics and layout ----

const TcxCustomLookAndFeelPainter* TcxCustomCalendar::ButtonsPainter() const {
    return todayButton_->GetLookAndFeelPainter();
}

bool TcxCustomCalendar::UsesOffice11() const {
    return dynamic_cast<const TcxOffice11LookAndFeelPainter*>(ButtonsPainter()) != nullptr;
}

bool TcxCustomCalendar::UsesWinXP() const {
    return dynamic_cast<const TcxWinXPLookAndFeelPainter*>(ButtonsPainter()) != nullptr;
}

int TcxCustomCalendar::GetTimeAreaGap() const { return const_cast<TcxCustomCalendar*>(this)->GetFont()->GetSize() / 2; }

TPoint TcxCustomCalendar::GetTimeAreaOffset() const {
    const int d = MulDiv(const_cast<TcxCustomCalendar*>(this)->GetFont()->GetSize(), 3, 4);
    return TPoint{d, d};
}

bool TcxCustomCalendar::ButtonsShown() const {
    return kind_ == ckDateTime || (buttonSet_ & (DateButtonBit(btnToday) | DateButtonBit(btnClear)));
}

TRect TcxCustomCalendar::FrameInset() const {
    return kind_ == ckDate && UsesOffice11() ? Rect(2, 2, 2, 0) : Rect(0, 0, 0, 0);
}

void TcxCustomCalendar::CalculateLayout() {
    if (!HandleAllocated()) return;
    const bool dateTime = kind_ == ckDateTime;
    todayButton_->SetTabOrder(1);
    nowButton_->SetTabOrder(2);
    clearButton_->SetTabOrder(3);
    okButton_->SetTabOrder(4);
    timeEdit_->SetTabOrder(0);
    for (TWinControl* c : std::initializer_list<TWinControl*>{todayButton_, nowButton_, clearButton_, okButton_,
                                                              timeEdit_})
        c->SetTabStop(dateTime);
    SetWantedKeys(dateTime ? (GetWantedKeys() & ~wkTabKey) : (GetWantedKeys() | wkTabKey));

    TcxCanvas* canvas = GetActiveCanvas();
    TFont small;
    small.Assign(GetFont());
    small.SetSize(MulDiv(GetFont()->GetSize(), 2, 3));
    canvas->AssignFont(&small);
    const int weekNumberColumn = canvas->MeasureTextWidth("99");
    canvas->AssignFont(GetFont());
    const int zeroWidth = canvas->MeasureTextWidth("0"), zeroHeight = canvas->MeasureTextHeight("0");
    columnWidth_ = 3 * zeroWidth;
    sideWidth_ = 2 * zeroWidth;
    rowHeight_ = zeroHeight + 2;
    headerHeight_ = zeroHeight + 5 - (kind_ == ckDate && UsesOffice11() ? 1 : 0);
    daysOfWeekHeight_ = rowHeight_ + 1;
    weekNumberWidth_ = weekNumbers_ ? weekNumberColumn + 5 : 0;

    int widest = 0;
    auto consider = [&](TcxButton* button, bool shown) {
        if (shown) widest = std::max(widest, canvas->MeasureTextWidth(button->GetCaption()));
    };
    consider(todayButton_, buttonSet_ & DateButtonBit(btnToday));
    consider(nowButton_, dateTime && (buttonSet_ & DateButtonBit(btnNow)));
    consider(clearButton_, buttonSet_ & DateButtonBit(btnClear));
    consider(okButton_, dateTime);
    buttonWidth_ = widest + columnWidth_;

    const int fontSize = GetFont()->GetSize();
    const int wgHeight = canvas->MeasureTextHeight("Wg");
    buttonsOffset_ = fontSize / 2;
    buttonsHeight_ = MulDiv(wgHeight, 20, 13) + 1;
    if (dateTime) {
        const int b = MulDiv(fontSize, 5, 4);
        buttonsRegionHeight_ = b + 1 + (b % 2 ? 1 : 0) + buttonsHeight_;
    } else {
        buttonsRegionHeight_ = MulDiv(fontSize, 3, 4) + MulDiv(wgHeight, 20, 13) + buttonsOffset_;
    }
    Variant zero(0.0);
    TSize editSize{};
    timeEdit_->GetProperties()->MeasureEditorSize(canvas, timeEdit_->GetEffectiveStyle(), false, zero, editSize,
                                                  TcxEditSizeProperties{});
    timeEditWidth_ = editSize.cx + zeroWidth;
    UpdateSize();
    CalculateRegions();
    Invalidate();
}

TSize TcxCustomCalendar::GetDefaultSize() {
    const TRect inset = FrameInset();
    int height = daysOfWeekHeight_ + 6 * rowHeight_ + headerHeight_ + 1;
    if (ButtonsShown()) height += buttonsRegionHeight_;
    const TPoint offset = GetTimeAreaOffset();
    if (kind_ == ckDateTime)
        height += offset.Y + headerHeight_ + GetTimeAreaGap();
    else
        height += 1;
    height += inset.Top;
    dateRegionWidth_ = weekNumberWidth_ + 2 * sideWidth_ + 7 * columnWidth_;
    int width = dateRegionWidth_;
    if (kind_ == ckDateTime) {
        const int g = (buttonsRegionHeight_ - buttonsHeight_ - 1) / 2;
        clockSize_ = height - (headerHeight_ + offset.Y + buttonsRegionHeight_ + timeEdit_->GetHeight() + 3 * g);
        const int timeAreaWidth = 2 * g + std::max(clockSize_, timeEditWidth_);
        width = 2 * offset.X + dateRegionWidth_ + columnWidth_ + timeAreaWidth;
    }
    return TSize{width, height};
}

bool TcxCustomCalendar::CanResize(int& newWidth, int& newHeight) {
    if (columnWidth_ > 0) {
        const TSize size = GetDefaultSize();
        newWidth = size.cx;
        newHeight = size.cy;
    }
    return TcxControl::CanResize(newWidth, newHeight);
}

void TcxCustomCalendar::UpdateSize() {
    const TSize size = GetDefaultSize();
    SetBounds(GetLeft(), GetTop(), size.cx, size.cy);
    PlaceButtons();
}

void TcxCustomCalendar::CalculateRegions() {
    const bool dateTime = kind_ == ckDateTime;
    const int i = dateTime ? 1 : (flatLook_ ? 0 : 1);
    const TRect r = FrameInset();
    dateTimeCaptionRect_ = TRect{};
    if (dateTime) {
        dateTimeCaptionRect_ = Rect(0, 0, GetWidth(), headerHeight_);
        if (UsesOffice11()) {
            dateTimeCaptionRect_.Left += 2;
            dateTimeCaptionRect_.Top += 2;
            dateTimeCaptionRect_.Right -= 2;
        }
    }
    const TRect left = Rect(i + r.Left, i + r.Top, i + r.Left + columnWidth_ - 2, headerHeight_ + r.Top - 1);
    const TRect right = Rect(dateRegionWidth_ - columnWidth_ - i - r.Right + 2, i + r.Top, dateRegionWidth_ - i - r.Right,
                             r.Top + headerHeight_ - 1);
    yearTextRect_ = TRect{};
    if (!arrowsForYear_) {
        arrowCountLessOne_ = 1;
        arrowRects_[0] = left;
        arrowRects_[1] = right;
        monthTextRect_ = Rect(left.Right, r.Top, right.Left, r.Top + headerHeight_);
    } else {
        arrowCountLessOne_ = 3;
        TcxCanvas* canvas = GetActiveCanvas();
        canvas->AssignFont(GetFont());
        int m = 0;
        for (const std::string& name : FormatSettings().LongMonthNames) m = std::max(m, canvas->MeasureTextWidth(name));
        const int y = canvas->MeasureTextWidth("9999");
        const int free = dateRegionWidth_ - 2 * i - r.Left - r.Right - m - y - 4 * columnWidth_ + 8;
        const int x = m + (m + y > 0 ? m * free / (m + y) : 0) + left.Right;
        arrowRects_[0] = left;
        arrowRects_[1] = Rect(x, left.Top, x + columnWidth_ - 2, left.Bottom);
        arrowRects_[2] = arrowRects_[1];
        OffsetRect(arrowRects_[2], columnWidth_ - 2, 0);
        arrowRects_[3] = right;
        monthTextRect_ = Rect(left.Right, r.Top, arrowRects_[1].Left, r.Top + headerHeight_);
        yearTextRect_ = Rect(arrowRects_[2].Right, r.Top, right.Left, r.Top + headerHeight_);
    }
    headerRect_ = Rect(0, monthTextRect_.Top, dateRegionWidth_, monthTextRect_.Bottom);
    dayAreaRect_ = Rect(0, monthTextRect_.Bottom + 1, dateRegionWidth_,
                        monthTextRect_.Bottom + 1 + daysOfWeekHeight_ + 6 * rowHeight_ + 1);
    if (dateTime) {
        const TPoint offset = GetTimeAreaOffset();
        const int dx = offset.X, dy = offset.Y + dateTimeCaptionRect_.Bottom;
        for (TRect& arrow : arrowRects_) OffsetRect(arrow, dx, dy);
        for (TRect* rect : {&dayAreaRect_, &headerRect_, &monthTextRect_, &yearTextRect_}) OffsetRect(*rect, dx, dy);
    }
}

void TcxCustomCalendar::PlaceButtons() {
    if (!HandleAllocated()) return;
    const bool dateTime = kind_ == ckDateTime;
    clearButton_->SetVisible(buttonSet_ & DateButtonBit(btnClear));
    nowButton_->SetVisible(dateTime && (buttonSet_ & DateButtonBit(btnNow)));
    okButton_->SetVisible(dateTime);
    todayButton_->SetVisible(buttonSet_ & DateButtonBit(btnToday));
    clock_->SetVisible(dateTime);
    timeEdit_->SetVisible(dateTime);
    const int height = GetClientHeight(), width = GetClientWidth();
    if (!dateTime) {
        const int top = height + buttonsOffset_ - buttonsRegionHeight_;
        const int c = clearButton_->GetVisible() ? 1 : 0, t = todayButton_->GetVisible() ? 1 : 0;
        const int todayLeft = (dateRegionWidth_ - buttonWidth_ - buttonWidth_ * c) / (2 + c);
        const int clearLeft = dateRegionWidth_ - buttonWidth_ - (dateRegionWidth_ - t * buttonWidth_ - buttonWidth_) / (2 + t);
        todayButton_->SetBounds(todayLeft, top, buttonWidth_ + 1, buttonsHeight_);
        clearButton_->SetBounds(clearLeft, top, buttonWidth_ + 1, buttonsHeight_);
        return;
    }
    const int a = MulDiv(GetFont()->GetSize(), 5, 4);
    const int g = (buttonsRegionHeight_ - buttonsHeight_ - 1) / 2;
    const int top = height + g - buttonsRegionHeight_ + 1;
    std::vector<TcxButton*> shown;
    for (TcxButton* button : {todayButton_, nowButton_, clearButton_, okButton_})
        if (button->GetVisible()) shown.push_back(button);
    const int lastLeft = width - a - buttonWidth_ - 1;
    for (size_t k = 0; k < shown.size(); ++k) {
        int left;
        if (k + 1 == shown.size())
            left = lastLeft;
        else if (shown.size() == 2)
            left = lastLeft - a - buttonWidth_ - 1;
        else
            left = a + static_cast<int>(k) * (a + buttonWidth_ + 1);
        shown[k]->SetBounds(left, top, buttonWidth_, buttonsHeight_);
    }
    const TPoint offset = GetTimeAreaOffset();
    const int editTop = height - buttonsRegionHeight_ - timeEdit_->GetHeight() - g;
    const int editLeft = width + (clockSize_ + 2 * g - timeEditWidth_) / 2 - offset.X - clockSize_ - 2 * g;
    timeEdit_->SetBounds(editLeft, editTop, timeEditWidth_, timeEdit_->GetHeight());
    timeEdit_->SetSelection(0, 0);
    clock_->SetBounds(width - offset.X - g - clockSize_, offset.Y + headerHeight_ + g, std::max(clockSize_, 0),
                      std::max(clockSize_, 0));
}

void TcxCustomCalendar::FontPropertyChanged() {
    TcxControl::FontPropertyChanged();
    CalculateLayout();
}

bool TcxCustomCalendar::WantsEraseBackground() const {
    return todayButton_->GetLookAndFeel()->GetNativeStyle() && ThemeIsActive();
}

// ---- buttons and time ----

void TcxCustomCalendar::ButtonClick(TObject* sender) {
    auto* button = static_cast<TComponent*>(sender);
    TDateTime date = NullDate;
    switch (button->GetTag()) {
    case tagClear: date = NullDate; break;
    case tagNow: date = Now(); break;
    case tagToday: date = Date() + SignedTime(Date(), clock_->GetTime()); break;
    default: date = selectedDate_ + SignedTime(selectedDate_, clock_->GetTime()); break;
    }
    clock_->SetTime(std::fabs(date - std::trunc(date)));
    timeEdit_->SetTime(clock_->GetTime());
    if (date == NullDate) {
        // Clear selects no day: the null date is no valid date for SelectDay.
        selectedDate_ = NullDate;
        Invalidate();
    } else {
        SelectDay(date);
    }
    TWeakLink<TcxCustomCalendar> self(this);
    DoDateTimeChanged();
    if (self) HidePopup(this, crEnter);
}

void TcxCustomCalendar::TimeChanged(TObject*) {
    clock_->SetTime(timeEdit_->GetTime());
    TRect caption = Rect(0, 0, GetWidth(), headerHeight_ - 1);
    if (!flatLook_) InflateRect(caption, -1, -1);
    if (HandleAllocated()) InvalidateArea(caption, false);
}

void TcxCustomCalendar::DoDateTimeChanged() {
    if (OnDateTimeChanged) OnDateTimeChanged(this);
}

void TcxCustomCalendar::HidePopup(TObject*, TcxEditCloseUpReason) {
    arrowTimer_->SetEnabled(false);
    if (monthList_->GetScrollTimer()) monthList_->GetScrollTimer()->SetEnabled(false);
    if (monthList_->GetVisible()) monthList_->ClosePopup();
}

// ---- keys ----

void TcxCustomCalendar::KeyDown(std::uint16_t& key, TShiftState shift) {
    const TDateTime current = selectedDate_ == NullDate ? Date() : selectedDate_;
    const TShiftState modifiers = shift & (ssShift | ssAlt | ssCtrl);
    int year, month, day;
    DecodeDate(current, year, month, day);
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
        int y = year, m = month + (key == VK_NEXT ? 1 : -1);
        if (m < 1) m = 12, --y;
        if (m > 12) m = 1, ++y;
        if (y >= 100 && y <= 9999) SelectDay(EncodeDate(y, m, ClampDayOfMonth(y, m, day)) + (current - std::trunc(current)));
        break;
    }
    case VK_END:
        SelectDay(modifiers == ssCtrl ? LastDayOfMonthOf(true, current) : current + 6 - WeekdayFromWeekStart(current));
        break;
    case VK_HOME:
        SelectDay(modifiers == ssCtrl ? FirstDayOfMonthOf(current) : current - WeekdayFromWeekStart(current));
        break;
    case VK_LEFT: SelectDay(current - 1); break;
    case VK_RIGHT: SelectDay(current + 1); break;
    case VK_UP:
        if (modifiers != ssAlt) SelectDay(current - 7);
        break;
    case VK_DOWN:
        if (modifiers != ssAlt) SelectDay(current + 7);
        break;
    default: break;
    }
    TcxControl::KeyDown(key, shift);
}

// ---- mouse ----

int TcxCustomCalendar::ArrowAt(TPoint p) const {
    for (int i = 0; i <= arrowCountLessOne_; ++i)
        if (PtInRect(arrowRects_[i], p)) return i;
    return -1;
}

void TcxCustomCalendar::ArrowTimerTick(TObject*) {
    TPoint p{};
    GetCursorPos(p);
    const int arrow = ArrowAt(ScreenToClient(p));
    if (arrow >= 0) StepMonthOrYear(arrow);
}

void TcxCustomCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    UpdateHotTrack();
    const TPoint p{x, y};
    const TDateTime day = GetDateAtPoint(p);
    if (day != NullDate) {
        ChangeSelection(false, day);
        return;
    }
    const int arrow = ArrowAt(p);
    if (arrow >= 0) {
        StepMonthOrYear(arrow);
        arrowTimer_->SetEnabled(true);
        return;
    }
    if (PtInRect(monthTextRect_, p)) monthList_->Popup(this);
}

void TcxCustomCalendar::MouseMove(TShiftState shift, int x, int y) {
    TcxControl::MouseMove(shift, x, y);
    UpdateHotTrack();
    if (HandleAllocated()) StartMouseTracking(this, GetClientRect(), this);
    if (!arrowTimer_->GetEnabled() && (shift & ssLeft)) {
        const TDateTime day = GetDateAtPoint(TPoint{x, y});
        if (day != NullDate) ChangeSelection(false, day);
    }
}

void TcxCustomCalendar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseUp(button, shift, x, y);
    UpdateHotTrack();
    if (arrowTimer_->GetEnabled()) {
        arrowTimer_->SetEnabled(false);
        return;
    }
    if (button != mbLeft) return;
    const TPoint p{x, y};
    if (kind_ == ckDate) {
        if (PtInRect(GetClientRect(), p) && !PtInRect(monthTextRect_, p) && !PtInRect(yearTextRect_, p)) {
            const bool onDay = GetDateAtPoint(p) != NullDate;
            TWeakLink<TcxCustomCalendar> self(this);
            HidePopup(this, crEnter);
            if (self && onDay) DoDateTimeChanged();
        }
    } else if (selectedDate_ != NullDate) {
        ShowMonthOf(selectedDate_);
    }
}

void TcxCustomCalendar::DblClick() {
    TcxControl::DblClick();
    if (kind_ != ckDateTime) return;
    TPoint p{};
    GetCursorPos(p);
    const TDateTime day = GetDateAtPoint(ScreenToClient(p));
    if (day == NullDate) return;
    SelectDay(day);
    TWeakLink<TcxCustomCalendar> self(this);
    HidePopup(this, crEnter);
    if (self) DoDateTimeChanged();
}

bool TcxCustomCalendar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    if (monthList_->GetVisible()) return false;
    const TPoint p = ScreenToClient(mousePos);
    const bool overMonth = PtInRect(monthTextRect_, p), overYear = PtInRect(yearTextRect_, p);
    if (!overMonth && !overYear) return false;
    StepMonthOrYear((overYear ? 2 : 0) + (wheelDelta < 0 ? 1 : 0));
    return true;
}

// ---- hot tracking ----

void TcxCustomCalendar::SetHotRegion(TcxCalendarHotRegion region) {
    if (region == hotRegion_) return;
    auto rectOf = [this](TcxCalendarHotRegion r) { return r == chrMonth ? monthTextRect_ : yearTextRect_; };
    if (HandleAllocated()) {
        if (hotRegion_ != chrNone) InvalidateArea(rectOf(hotRegion_), false);
        if (region != chrNone) InvalidateArea(rectOf(region), false);
    }
    hotRegion_ = region;
}

void TcxCustomCalendar::UpdateHotTrack() {
    TcxCalendarHotRegion region = chrNone;
    if (HandleAllocated() && !monthList_->GetVisible() && GetCapture() == 0) {
        TPoint p{};
        GetCursorPos(p);
        p = ScreenToClient(p);
        if (PtInRect(monthTextRect_, p))
            region = chrMonth;
        else if (PtInRect(yearTextRect_, p))
            region = chrYear;
    }
    SetHotRegion(region);
}

void TcxCustomCalendar::MouseEntered(TControl* control) {
    TcxControl::MouseEntered(control);
    UpdateHotTrack();
    if (HandleAllocated()) StartMouseTracking(this, GetClientRect(), this);
}

void TcxCustomCalendar::MouseExited(TControl* control) {
    TcxControl::MouseExited(control);
    UpdateHotTrack();
    StopMouseTracking(this);
}

void TcxCustomCalendar::MouseTrackingLeft() { SetHotRegion(chrNone); }

// ---- the popup calendar ----

void TcxPopupCalendar::HidePopup(TObject* sender, TcxEditCloseUpReason reason) {
    TcxCustomCalendar::HidePopup(sender, reason);
    if (OnHidePopup) OnHidePopup(sender, reason);
}

void TcxPopupCalendar::UpdateHotTrack() {
    if (Edit && !Edit->GetDroppedDown()) {
        if (GetHotRegion() != chrNone) TcxCustomCalendar::MouseTrackingLeft();
        return;
    }
    TcxCustomCalendar::UpdateHotTrack();
}

void TcxPopupCalendar::KeyDown(std::uint16_t& key, TShiftState shift) {
    HandleKey(key, shift);
    key = 0;
}

void TcxPopupCalendar::HandleKey(std::uint16_t key, TShiftState shift) {
    std::uint16_t own = key;
    TcxCustomCalendar::KeyDown(own, shift);
    TWeakLink<TcxPopupCalendar> self(this);
    const TShiftState modifiers = shift & (ssShift | ssAlt | ssCtrl);
    switch (key) {
    case VK_TAB:
        if (GetKind() == ckDate && Edit) {
            if (Edit->GetDateProperties()->PostPopupValueOnTab) DoDateTimeChanged();
            if (self && Edit) Edit->HandleCalendarTab(shift);
        }
        break;
    case VK_RETURN:
        if (!GetMonthList()->GetVisible()) {
            HidePopup(this, crEnter);
            if (self) DoDateTimeChanged();
        }
        break;
    case VK_ESCAPE:
        if (!GetMonthList()->GetVisible() || GetMonthList()->ShowsYears())
            HidePopup(this, crCancel);
        else
            GetMonthList()->ClosePopup();
        break;
    case VK_UP:
    case VK_DOWN:
        if (modifiers == ssAlt) HidePopup(this, crToggle);
        break;
    case VK_F4:
        if (!(shift & ssAlt)) HidePopup(this, crToggle);
        break;
    default: break;
    }
}

void TcxPopupCalendar::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomCalendar::MouseMove(shift, x, y);
    if ((shift & ssLeft) && !PtInRect(GetClientRect(), TPoint{x, y}) && Edit) {
        SetSelectedDate(Edit->GetDate());
        if (HandleAllocated()) InvalidateArea(GetGridRect(), false);
    }
}

} // namespace zorvy
