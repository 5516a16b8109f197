#pragma once
// The month calendar of the date editor's popup: a header with the month and year and arrow buttons,
// the day names, a grid of 6 weeks by 7 days, optional week numbers and push buttons below (Today,
// Clear; Now and OK with a clock and a time editor for date-time editing). The month name opens the
// month list. TcxPopupCalendar turns keys and clicks into requests to close its editor's popup.
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/date/CalendarParts.h"
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/time/TimeEdit.h"
#include "controls/foundation/control/Control.h"
#include "controls/foundation/services/Timers.h"

#include <functional>

namespace zorvy {

class TcxCustomDateEdit;

using TcxCalendarHidePopupEvent = std::function<void(TObject* sender, TcxEditCloseUpReason reason)>;

// The regions of the header the pointer can be over.
enum TcxCalendarHotRegion : uint8_t { chrNone, chrMonth, chrYear };

class TcxCustomCalendar : public TcxControl, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxCustomCalendar, TcxControl)
  public:
    explicit TcxCustomCalendar(TComponent* owner);
    ~TcxCustomCalendar() override;

    // ---- settings: a change lays the calendar out again ----
    bool GetArrowsForYear() const { return arrowsForYear_; }
    void SetArrowsForYear(bool value);
    TDateButtons GetButtonSet() const { return buttonSet_; }
    void SetButtonSet(TDateButtons value);
    bool GetFlatLook() const { return flatLook_; }
    void SetFlatLook(bool value);
    TcxCalendarKind GetKind() const { return kind_; }
    void SetKind(TcxCalendarKind value);
    TcxTimeEditTimeFormat GetTimeFormat() const;
    void SetTimeFormat(TcxTimeEditTimeFormat value);
    bool GetUse24HourFormat() const;
    void SetUse24HourFormat(bool value);
    bool GetWeekNumbers() const { return weekNumbers_; }
    void SetWeekNumbers(bool value);
    bool YearsInMonthList = true;

    // ---- dates ----
    TDateTime GetShownMonthStart() const { return shownMonthStart_; }
    // May be the null date.
    TDateTime GetSelectedDate() const { return selectedDate_; }
    void SetSelectedDate(TDateTime value) { selectedDate_ = value; }
    // Valid: not the null date and within 1 January 100 .. 31 December 9999.
    static bool IsValidDate(TDateTime date);
    virtual TDateTime GetLastDate() const;
    virtual TDateTime GetFirstVisibleDate() const;
    virtual TDateTime GetLastVisibleDate() const;
    TDateTime GetDateOfCell(int column, int row) const;
    // The day under a point of the grid; the null date elsewhere.
    virtual TDateTime GetDateAtPoint(TPoint p) const;
    // Shows the month of a valid date.
    virtual void ShowMonthOf(TDateTime date);
    virtual void SelectDay(TDateTime date);
    void ChangeSelection(bool repaintAll, TDateTime date);
    // Arrow 0 previous month, 1 next month, 2 previous year, 3 next year.
    void StepMonthOrYear(int arrow);

    // ---- layout ----
    virtual void CalculateLayout();
    virtual TSize GetDefaultSize();
    void UpdateSize();
    virtual void UpdateHotTrack();
    virtual int GetTimeAreaGap() const;
    virtual TPoint GetTimeAreaOffset() const;
    int GetArrowCount() const { return arrowCountLessOne_ + 1; }
    const TRect& GetArrowRect(int index) const { return arrowRects_[index]; }
    const TRect& GetMonthTextRect() const { return monthTextRect_; }
    const TRect& GetYearTextRect() const { return yearTextRect_; }
    const TRect& GetHeaderRect() const { return headerRect_; }
    const TRect& GetDayAreaRect() const { return dayAreaRect_; }
    // The 6 x 7 day cells (below the day names), with the week-number column and the sides left out.
    TRect GetGridRect() const;
    int GetColumnWidth() const { return columnWidth_; }
    int GetRowHeight() const { return rowHeight_; }
    int GetHeaderHeight() const { return headerHeight_; }
    TcxCalendarHotRegion GetHotRegion() const { return hotRegion_; }

    // ---- children ----
    TcxButton* GetTodayButton() const { return todayButton_; }
    TcxButton* GetNowButton() const { return nowButton_; }
    TcxButton* GetClearButton() const { return clearButton_; }
    TcxButton* GetOkButton() const { return okButton_; }
    TcxTimeEdit* GetTimeEdit() const { return timeEdit_; }
    TcxClock* GetClock() const { return clock_; }
    TcxMonthListBox* GetMonthList() const { return monthList_; }
    TcxTimer* GetArrowTimer() const { return arrowTimer_; }

    // Stops the repeat timers and closes the month list; the popup calendar asks its editor to close.
    virtual void HidePopup(TObject* sender, TcxEditCloseUpReason reason);
    TNotifyEvent OnDateTimeChanged;
    void DoDateTimeChanged();
    void MouseTrackingLeft() override;

  protected:
    bool CanResize(int& newWidth, int& newHeight) override;
    void Paint() override;
    bool WantsEraseBackground() const override;
    void AttachChildControls() override;
    void FontPropertyChanged() override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CreateWnd() override;

    // The painter of the buttons' look and feel.
    const TcxCustomLookAndFeelPainter* ButtonsPainter() const;
    bool UsesOffice11() const;
    bool UsesWinXP() const;

  private:
    void CreateButtons();
    void PlaceButtons();
    void CalculateRegions();
    TRect FrameInset() const;
    bool ButtonsShown() const;
    void ButtonClick(TObject* sender);
    void TimeChanged(TObject* sender);
    void ArrowTimerTick(TObject* sender);
    int ArrowAt(TPoint p) const;
    void SetHotRegion(TcxCalendarHotRegion region);
    // Painting (CalendarPaint.cpp).
    void PaintDateTimeCaption(TcxCanvas* canvas);
    void PaintHeader(TcxCanvas* canvas);
    void PaintDayGrid(TcxCanvas* canvas);
    void PaintButtonArea(TcxCanvas* canvas);
    TColor HeaderColor() const;

    bool arrowsForYear_ = true;
    int buttonsHeight_ = 0, buttonsOffset_ = 0, buttonsRegionHeight_ = 0, buttonWidth_ = 0;
    TDateButtons buttonSet_ = DateButtonBit(btnClear) | DateButtonBit(btnToday);
    TcxButton* clearButton_ = nullptr;
    TcxClock* clock_ = nullptr;
    int clockSize_ = 0, columnWidth_ = 0, dateRegionWidth_ = 0, daysOfWeekHeight_ = 0;
    TDateTime shownMonthStart_ = 0;
    bool flatLook_ = true;
    int headerHeight_ = 0;
    TcxCalendarHotRegion hotRegion_ = chrNone;
    TcxCalendarKind kind_ = ckDate;
    TcxMonthListBox* monthList_ = nullptr;
    TcxButton* nowButton_ = nullptr;
    TcxButton* okButton_ = nullptr;
    TCursor previousCursor_ = crDefault;
    int rowHeight_ = 0;
    TDateTime selectedDate_ = 0;
    int sideWidth_ = 0;
    TcxTimeEdit* timeEdit_ = nullptr;
    int timeEditWidth_ = 0;
    TcxTimer* arrowTimer_ = nullptr;
    TcxButton* todayButton_ = nullptr;
    TRect arrowRects_[4]{};
    TRect dayAreaRect_{}, dateTimeCaptionRect_{}, headerRect_{}, monthTextRect_{}, yearTextRect_{};
    int arrowCountLessOne_ = 1;
    bool weekNumbers_ = false;
    int weekNumberWidth_ = 0;
};

class TcxPopupCalendar : public TcxCustomCalendar {
    ZORVY_CLASS(TcxPopupCalendar, TcxCustomCalendar)
  public:
    explicit TcxPopupCalendar(TComponent* owner) : TcxCustomCalendar(owner) {}
    TcxCustomDateEdit* Edit = nullptr; // the editor whose popup shows the calendar
    TcxCalendarHidePopupEvent OnHidePopup;
    void HidePopup(TObject* sender, TcxEditCloseUpReason reason) override;
    // The hot region is cleared while the editor's popup is not open.
    void UpdateHotTrack() override;
    // Keys go to the calendar's own handling first.
    void HandleKey(std::uint16_t key, TShiftState shift);

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseMove(TShiftState shift, int x, int y) override;
};

} // namespace zorvy
