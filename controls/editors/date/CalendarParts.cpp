// The calendar's month list (opening, scrolling across years, choosing) and its analog clock.
#include "controls/editors/date/CalendarParts.h"

#include "controls/editors/date/Calendar.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/win/Input.h"
#include "platform/win/Styles.h"

#include <cmath>
#include <numbers>

namespace zorvy {

namespace {
constexpr unsigned monthListScrollIntervals[] = {500, 250, 100, 50};
constexpr int firstMonthSerial = 100 * 12;          // January 100
constexpr int lastMonthSerial = 9999 * 12 + 11;     // December 9999
} // namespace

// ---- month list ----

TcxMonthListBox::TcxMonthListBox(TcxCustomCalendar* calendar) : TcxCustomPopupWindow(calendar), calendar_(calendar) {
    ModalLoop = false;
    FitsContent = false;
    ControlStyle |= csOpaque | csCaptureMouse;
    if (!ShowsYears()) ControlStyle |= csClickEvents;
    scrollTimer_ = new TcxTimer(this);
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(200);
    scrollTimer_->SetOnTimer([this](TObject* sender) { ScrollTimerTick(sender); });
    SetFrameStyle(pfs3D);
}

TcxMonthListBox::~TcxMonthListBox() = default;

void TcxMonthListBox::CreateParams(TCreateParams& params) {
    TcxCustomPopupWindow::CreateParams(params);
    params.classStyle |= CS_SAVEBITS;
}

bool TcxMonthListBox::ShowsYears() const { return !calendar_->GetArrowsForYear() || calendar_->YearsInMonthList; }

int TcxMonthListBox::ItemMonthSerial(int k) const { return year_ * 12 + (month_ - 1) + topIndex_ + k; }

bool TcxMonthListBox::ItemInRange(int k) const {
    const int serial = ItemMonthSerial(k);
    return serial >= firstMonthSerial && serial <= lastMonthSerial;
}

TDateTime TcxMonthListBox::GetSelectedDate() const {
    if (selectedIndex_ < 0) return NullDate;
    const int serial = ItemMonthSerial(selectedIndex_);
    return EncodeDate(serial / 12, serial % 12 + 1, 1);
}

void TcxMonthListBox::SetSelectedIndex(int index) {
    if (index >= 0 && !ItemInRange(index)) index = -1;
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    Invalidate();
}

void TcxMonthListBox::UpdateMetrics() {
    itemHeight_ = calendar_->GetHeaderHeight() - 2;
    const int width = 6 * calendar_->GetColumnWidth() + 2 + GetBordersWidth();
    const int height = itemCount_ * itemHeight_ + 2 + GetBordersHeight();
    SetBounds(GetLeft(), GetTop(), width, height);
}

void TcxMonthListBox::Popup(TWinControl* focusControl) {
    itemCount_ = ShowsYears() ? 7 : 12;
    GetFont()->Assign(calendar_->GetFont());
    UpdateMetrics();
    const TDateTime shown = calendar_->GetShownMonthStart();
    month_ = MonthOf(shown);
    year_ = YearOf(shown);
    topIndex_ = ShowsYears() ? -3 : 1 - month_;
    const TRect text = calendar_->GetMonthTextRect();
    const TPoint centre = calendar_->ClientToScreen(TPoint{(text.Left + text.Right) / 2, (text.Top + text.Bottom) / 2});
    position_ = TPoint{centre.X - GetWidth() / 2, centre.Y - GetHeight() / 2};
    selectedIndex_ = -1;
    TcxCustomPopupWindow::Popup(focusControl);
}

TPoint TcxMonthListBox::ComputePosition() const { return position_; }

void TcxMonthListBox::NotifyShown() {
    TcxCustomPopupWindow::NotifyShown();
    // With years the list follows the held button; without, it waits for a click.
    if (ShowsYears()) SetCaptureControl(this);
}

void TcxMonthListBox::ClosePopup() {
    if (!GetVisible()) return;
    scrollTimer_->SetEnabled(false);
    if (HandleAllocated() && GetCapture() == GetHandle()) SetCaptureControl(nullptr);
    TcxCustomPopupWindow::ClosePopup();
}

int TcxMonthListBox::ItemAt(int y) const {
    const TRect content = GetContentRect();
    if (itemHeight_ <= 0) return -1;
    const int k = (y - content.Top - 1) / itemHeight_;
    return y >= content.Top + 1 && k >= 0 && k < itemCount_ ? k : -1;
}

void TcxMonthListBox::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomPopupWindow::MouseMove(shift, x, y);
    const TRect content = GetContentRect();
    if (y >= content.Top && y < content.Bottom) {
        scrollTimer_->SetEnabled(false);
        SetSelectedIndex(x >= content.Left && x < content.Right ? ItemAt(y) : -1);
        return;
    }
    SetSelectedIndex(-1);
    if (!ShowsYears()) return;
    scrollDirection_ = y < content.Top ? -1 : 1;
    const int distance = (y < content.Top ? content.Top - y : y - content.Bottom + 1) / std::max(itemHeight_, 1);
    const unsigned interval = monthListScrollIntervals[std::min(distance, 3)];
    if (!scrollTimer_->GetEnabled() || scrollTimer_->GetInterval() != interval) {
        scrollTimer_->SetInterval(interval);
        scrollTimer_->SetEnabled(true);
    }
}

void TcxMonthListBox::ScrollTimerTick(TObject*) {
    const int next = topIndex_ + scrollDirection_;
    const int serial = year_ * 12 + (month_ - 1) + next + (scrollDirection_ < 0 ? 0 : itemCount_ - 1);
    if (serial < firstMonthSerial || serial > lastMonthSerial) return;
    topIndex_ = next;
    Invalidate();
}

void TcxMonthListBox::ShowChosenMonth() {
    const TDateTime date = GetSelectedDate();
    if (date != NullDate) calendar_->ShowMonthOf(date);
}

void TcxMonthListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxCustomPopupWindow::MouseUp(button, shift, x, y);
    if (!ShowsYears()) return;
    const TDateTime date = GetSelectedDate();
    ClosePopup();
    if (date != NullDate) calendar_->ShowMonthOf(date);
}

void TcxMonthListBox::Click() {
    TcxCustomPopupWindow::Click();
    if (ShowsYears()) return;
    TPoint p{};
    GetCursorPos(p);
    SetSelectedIndex(ItemAt(ScreenToClient(p).Y));
    const TDateTime date = GetSelectedDate();
    ClosePopup();
    if (date != NullDate) calendar_->ShowMonthOf(date);
}

void TcxMonthListBox::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    const TRect content = GetContentRect();
    canvas->FrameRectSides(content, clBlack);
    canvas->AssignFont(GetFont());
    for (int k = 0; k < itemCount_; ++k) {
        const TRect r = Rect(content.Left + 1, content.Top + 1 + k * itemHeight_, content.Right - 1,
                             content.Top + 1 + (k + 1) * itemHeight_);
        const bool selected = k == selectedIndex_;
        canvas->FillRectSolid(r, selected ? clWindowText : calendar_->GetColor());
        if (!ItemInRange(k)) continue;
        const int serial = ItemMonthSerial(k);
        std::string text = FormatSettings().LongMonthNames[serial % 12];
        if (ShowsYears()) text += " " + IntToStr(serial / 12);
        canvas->CurrentBrush()->SetStyle(bsClear);
        canvas->CurrentFont()->SetColor(selected ? calendar_->GetColor() : clWindowText);
        canvas->PaintText(text, r, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine);
        canvas->CurrentBrush()->SetStyle(bsSolid);
    }
    DrawFrame();
}

// ---- clock ----

TcxClock::TcxClock(TComponent* owner) : TcxControl(owner) { SetColor(clWindow); }

void TcxClock::SetMinuteDotColor(TColor value) {
    if (value == minuteDotColor_) return;
    minuteDotColor_ = value;
    Invalidate();
}

void TcxClock::SetTime(TDateTime value) {
    const double fraction = std::fabs(value - std::trunc(value));
    if (fraction == time_) return;
    time_ = fraction;
    Invalidate();
}

void TcxClock::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    canvas->PushDC();
    const int w = GetClientWidth(), h = GetClientHeight();
    const TPoint centre{w / 2, h / 2};
    const double rx = w / 2.0 - 2, ry = h / 2.0 - 2;
    auto at = [&](double angle, double fx, double fy) {
        return TPoint{static_cast<int>(std::lround(centre.X + fx * rx * std::cos(angle))),
                      static_cast<int>(std::lround(centre.Y + fy * ry * std::sin(angle)))};
    };
    constexpr double pi = std::numbers::pi;
    const TColor teal = clTeal, aqua = clAqua;
    // Hour marks at every fifth minute: a teal centre, aqua upper-left edges, shadowed lower-right ones.
    for (int i = 0; i < 60; i += 5) {
        const TPoint p = at(i * 2 * pi / 60, 1, 1);
        canvas->PaintPixel(p.X, p.Y, teal);
        canvas->CurrentPen()->SetColor(aqua);
        const TPoint light[] = {{p.X - 1, p.Y + 1}, {p.X - 1, p.Y - 1}, {p.X, p.Y - 1}};
        canvas->PaintPolyline(light);
        canvas->PaintPixel(p.X, p.Y - 1, aqua);
        canvas->CurrentPen()->SetColor(clBtnText);
        const TPoint dark[] = {{p.X, p.Y + 1}, {p.X + 1, p.Y + 1}, {p.X + 1, p.Y - 1}};
        canvas->PaintPolyline(dark);
        canvas->PaintPixel(p.X + 1, p.Y - 1, clBtnText);
        canvas->ClipExcludeRect(Rect(p.X - 1, p.Y - 1, p.X + 2, p.Y + 2));
    }
    canvas->FillRectSolid(GetClientRect(), GetColor());
    int hour, minute, second, msec;
    DecodeTime(time_, hour, minute, second, msec);
    auto hand = [&](double angle, double tip, double tail, double halfWidth) {
        const double sx = halfWidth / std::max(rx, 1.0), sy = halfWidth / std::max(ry, 1.0);
        const TPoint points[] = {at(angle, tip, tip), at(angle + pi / 2, sx, sy), at(angle + pi, tail, tail),
                                 at(angle + 3 * pi / 2, sx, sy), at(angle, tip, tip)};
        canvas->CurrentBrush()->SetStyle(bsSolid);
        canvas->CurrentBrush()->SetColor(teal);
        canvas->CurrentPen()->SetColor(teal);
        canvas->PaintPolygon(points);
    };
    hand((hour % 12 * 3600 + minute * 60 + second - 10800) * 2 * pi / 43200, 0.75, 0.15, 4.5);
    hand((minute * 60 + second - 900) * 2 * pi / 3600, 0.85, 0.2, 3.5);
    canvas->CurrentPen()->SetColor(clRed);
    const TPoint secondTip = at((second - 15) * 2 * pi / 60, 0.9, 0.9);
    canvas->MoveToPoint(centre.X, centre.Y);
    canvas->LineToPoint(secondTip.X, secondTip.Y);
    canvas->PopDC();
}

} // namespace zorvy
