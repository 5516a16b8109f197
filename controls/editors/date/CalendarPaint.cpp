// The calendar's painting: the date-time caption, the header with its arrows, month and year, the day
// names and days (week numbers when asked) and the button area. Each part is excluded from the clip
// once drawn; the rest is filled with the calendar's colour.
#include "controls/editors/date/Calendar.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <cmath>

namespace zorvy {

namespace {
constexpr TColor calendarTodayFrame = 0x000080; // maroon

void Line(TcxCanvas* canvas, int x1, int y1, int x2, int y2, TColor color) {
    canvas->CurrentPen()->SetColor(color);
    canvas->MoveToPoint(x1, y1);
    canvas->LineToPoint(x2, y2);
}

void TextIn(TcxCanvas* canvas, const std::string& text, const TRect& r, int flags, TColor color) {
    canvas->CurrentBrush()->SetStyle(bsClear);
    canvas->CurrentFont()->SetColor(color);
    canvas->PaintText(text, r, flags | ctfSingleLine | ctfAlignVCenter);
    // Solid again: the fills that follow go through the same brush.
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

// The first character of a UTF-8 text, or its last for Far East and Arabic names.
std::string DayNameLetter(const std::string& name, uint8_t charset) {
    if (name.empty()) return name;
    if (IsFarEastOrArabicText(charset, name)) {
        size_t start = name.size() - 1;
        while (start > 0 && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80) --start;
        return name.substr(start);
    }
    const unsigned char lead = static_cast<unsigned char>(name[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return name.substr(0, length);
}
} // namespace

TColor TcxCustomCalendar::HeaderColor() const {
    return UsesOffice11() ? ButtonsPainter()->DefaultDateHeaderColor() : clBtnFace;
}

void TcxCustomCalendar::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    // The clip shrinks as parts are drawn; the saved state gives the whole control back at the end.
    canvas->PushDC();
    canvas->AssignFont(GetFont());
    if (kind_ == ckDateTime) PaintDateTimeCaption(canvas);
    PaintHeader(canvas);
    PaintDayGrid(canvas);
    if (kind_ == ckDateTime) PaintButtonArea(canvas);
    canvas->FillRectSolid(GetClientRect(), GetColor());
    canvas->PopDC();
}

void TcxCustomCalendar::PaintDateTimeCaption(TcxCanvas* canvas) {
    TRect r = dateTimeCaptionRect_;
    const TColor header = HeaderColor();
    canvas->FillRectSolid(r, header);
    if (flatLook_)
        Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clBtnText);
    else
        canvas->PaintEdge3D(r, false, true);
    const double time = timeEdit_->GetTime();
    const TDateTime shown = selectedDate_ == NullDate ? Date() : selectedDate_;
    const std::string text = DateTimeToStr(std::trunc(shown) + (shown < 0 ? -time : time));
    canvas->AssignFont(GetFont());
    TextIn(canvas, text, r, ctfAlignHCenter, clBtnText);
    canvas->ClipExcludeRect(r);
}

void TcxCustomCalendar::PaintHeader(TcxCanvas* canvas) {
    const TColor header = HeaderColor();
    const bool office11 = UsesOffice11();
    canvas->FillRectSolid(headerRect_, header);
    for (int i = 0; i <= arrowCountLessOne_; ++i) {
        TRect r = arrowRects_[i];
        Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, header);
        if (flatLook_ && kind_ == ckDate) {
            Line(canvas, r.Left, r.Top, r.Right, r.Top, header);
            if (!office11) ++r.Top;
            --r.Bottom;
        }
        canvas->FillRectSolid(r, header);
        TPoint p[3];
        const TcxArrowDir direction = i % 2 == 0 ? arLeft : arRight;
        TcxCustomLookAndFeelPainter::ComputeArrowTriangle(r, p, direction, true);
        canvas->CurrentBrush()->SetStyle(bsSolid);
        canvas->CurrentBrush()->SetColor(clBtnText);
        canvas->CurrentPen()->SetColor(clBtnText);
        canvas->PaintPolygon(p);
    }
    const int year = YearOf(shownMonthStart_), month = MonthOf(shownMonthStart_);
    const std::string& monthName = FormatSettings().LongMonthNames[month - 1];
    auto place = [&](TRect r) {
        if (!(flatLook_ && kind_ == ckDate)) ++r.Top;
        --r.Bottom;
        return r;
    };
    canvas->AssignFont(GetFont());
    const TColor hot = clHotLight;
    if (arrowsForYear_) {
        TextIn(canvas, monthName, place(monthTextRect_), ctfAlignHCenter, hotRegion_ == chrMonth ? hot : clBtnText);
        TextIn(canvas, IntToStr(year), place(yearTextRect_), ctfAlignHCenter, hotRegion_ == chrYear ? hot : clBtnText);
    } else {
        TextIn(canvas, monthName + " " + IntToStr(year), place(monthTextRect_), ctfAlignHCenter,
               hotRegion_ == chrMonth ? hot : clBtnText);
    }
    if (flatLook_ && kind_ == ckDateTime) {
        canvas->FrameRectSides(headerRect_, office11 ? GetColor() : clBtnShadow);
    } else if (flatLook_) {
        if (office11) {
            TRect frame = headerRect_;
            frame.Top -= 2;
            frame.Bottom += 1;
            canvas->FrameRectSides(frame, GetColor(), 2);
        } else {
            Line(canvas, headerRect_.Left, headerRect_.Bottom - 1, headerRect_.Right, headerRect_.Bottom - 1, clBtnText);
        }
    } else {
        canvas->PaintEdge3D(headerRect_, false, true);
    }
    canvas->ClipExcludeRect(headerRect_);
}

void TcxCustomCalendar::PaintDayGrid(TcxCanvas* canvas) {
    const TRect grid = GetGridRect();
    const TColor color = GetColor();
    // The day names' row, 8 pixels wider on both sides.
    TRect names = Rect(grid.Left, dayAreaRect_.Top, grid.Right, dayAreaRect_.Top + daysOfWeekHeight_ - 2);
    canvas->FillRectSolid(Rect(names.Left - 8, names.Top, names.Right + 8, names.Bottom), color);
    Line(canvas, names.Left, names.Bottom, names.Right, names.Bottom, clBtnShadow);
    Line(canvas, names.Left, names.Bottom + 1, names.Right, names.Bottom + 1, clWindow);
    canvas->AssignFont(GetFont());
    const int firstDay = SharedFormatController()->GetFirstDayOfWeek();
    for (int k = 0; k < 7; ++k) {
        const std::string letter =
            DayNameLetter(FormatSettings().ShortDayNames[(firstDay + k) % 7], GetFont()->GetCharset());
        TRect cell = Rect(names.Left + k * columnWidth_, names.Top, names.Left + (k + 1) * columnWidth_ - 3, names.Bottom);
        TextIn(canvas, letter, cell, ctfAlignRight, clBtnText);
    }
    const TDateTime today = Date();
    const TDateTime selected = selectedDate_ == NullDate ? today : std::trunc(selectedDate_);
    const TDateTime last = GetLastDate();
    const auto* painter = ButtonsPainter();
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            TRect cell = Rect(grid.Left + column * columnWidth_, grid.Top + row * rowHeight_,
                              grid.Left + (column + 1) * columnWidth_, grid.Top + (row + 1) * rowHeight_);
            const TDateTime date = GetDateOfCell(column, row);
            TColor back = color, text = clWindowText;
            if (date == today) {
                canvas->FrameRectSides(cell, calendarTodayFrame);
                InflateRect(cell, -1, -1);
            }
            if (date == selected) {
                back = painter->DefaultDateSelectionColor();
                text = painter->DefaultDateSelectionTextColor();
            } else if (date < shownMonthStart_ || date > last) {
                text = clGrayText;
            }
            canvas->FillRectSolid(cell, back);
            if (!IsValidDate(date)) continue;
            TRect numberRect = cell;
            numberRect.Right -= 3;
            TextIn(canvas, IntToStr(DayOf(date)), numberRect, ctfAlignRight, text);
        }
    if (weekNumbers_) {
        const TRect column = Rect(dayAreaRect_.Left + sideWidth_, grid.Top, grid.Left - 1, grid.Bottom);
        canvas->FillRectSolid(column, color);
        Line(canvas, column.Right, grid.Top, column.Right, grid.Bottom, clBtnShadow);
        TFont small;
        small.Assign(GetFont());
        small.SetSize(MulDiv(GetFont()->GetSize(), 2, 3));
        canvas->AssignFont(&small);
        for (int row = 0; row < 6; ++row) {
            const TDateTime first = GetDateOfCell(0, row);
            if (!IsValidDate(first)) continue;
            const int week = WeekOfYearOf(firstDay, SharedFormatController()->FirstWeekRule, first);
            TRect r = Rect(column.Left, grid.Top + row * rowHeight_, column.Right - 2, grid.Top + (row + 1) * rowHeight_);
            TextIn(canvas, IntToStr(week), r, ctfAlignRight, clBtnText);
        }
        canvas->AssignFont(GetFont());
    }
    if (kind_ == ckDate && ButtonsShown()) {
        const int y = GetClientHeight() - buttonsRegionHeight_ - 1;
        Line(canvas, dayAreaRect_.Left + 1, y, dayAreaRect_.Right - 1, y, clBtnShadow);
        canvas->ClipExcludeRect(Rect(dayAreaRect_.Left + 1, y, dayAreaRect_.Right - 1, y + 1));
    }
    canvas->ClipExcludeRect(Rect(names.Left - 8, names.Top, names.Right + 8, names.Bottom + 2));
    canvas->ClipExcludeRect(grid);
    if (weekNumbers_) canvas->ClipExcludeRect(Rect(dayAreaRect_.Left + sideWidth_, grid.Top, grid.Left, grid.Bottom));
}

void TcxCustomCalendar::PaintButtonArea(TcxCanvas* canvas) {
    TRect area = Rect(0, GetClientHeight() - buttonsRegionHeight_, GetClientWidth(), GetClientHeight());
    canvas->FillRectSolid(area, GetColor());
    Line(canvas, area.Left, area.Top, area.Right, area.Top, clBtnText);
    if (!flatLook_) canvas->PaintEdge3D(area, false, true);
    const TRect grid = GetGridRect();
    const int x = grid.Right + columnWidth_ / 2;
    Line(canvas, x, grid.Top, x, timeEdit_->GetTop() + timeEdit_->GetHeight(), clBtnShadow);
    canvas->ClipExcludeRect(area);
    canvas->ClipExcludeRect(Rect(x, grid.Top, x + 1, timeEdit_->GetTop() + timeEdit_->GetHeight()));
}

} // namespace zorvy
