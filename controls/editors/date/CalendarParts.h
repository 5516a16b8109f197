#pragma once
// Two companions of the calendar: the month list that drops from the month name (the twelve months
// of the shown year, or a scrolling window of seven months across years) and the analog clock of
// date-time editing.
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/control/Control.h"
#include "controls/foundation/services/Timers.h"
#include "platform/rtl/DateTime.h"

namespace zorvy {

class TcxCustomCalendar;

class TcxMonthListBox : public TcxCustomPopupWindow {
    ZORVY_CLASS(TcxMonthListBox, TcxCustomPopupWindow)
  public:
    explicit TcxMonthListBox(TcxCustomCalendar* calendar);
    ~TcxMonthListBox() override;

    // With years when the calendar has no year arrows or keeps years in the month list.
    bool ShowsYears() const;
    // The 1st of the selected item's month; the null date without a selection.
    TDateTime GetSelectedDate() const;
    int GetItemCount() const { return itemCount_; }
    int GetItemHeight() const { return itemHeight_; }
    int GetTopIndex() const { return topIndex_; }
    int GetSelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // The month serial (year x 12 + month - 1) of item k.
    int ItemMonthSerial(int k) const;
    TcxTimer* GetScrollTimer() const { return scrollTimer_; }
    // Opens below the pointer's press on the month text.
    void Popup(TWinControl* focusControl) override;
    // Also stops scrolling and releases the mouse; a hidden list does nothing.
    void ClosePopup() override;
    TPoint ComputePosition() const override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void NotifyShown() override;
    void Paint() override;
    void Click() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  private:
    void UpdateMetrics();
    void ScrollTimerTick(TObject* sender);
    bool ItemInRange(int k) const;
    int ItemAt(int y) const;
    // Shows the chosen month in the calendar.
    void ShowChosenMonth();

    TcxCustomCalendar* calendar_;
    int month_ = 1, year_ = 2000;
    TPoint position_{};
    int topIndex_ = 0;
    int itemHeight_ = 0;
    int selectedIndex_ = -1;
    int itemCount_ = 12;
    TcxTimer* scrollTimer_ = nullptr;
    int scrollDirection_ = 1;
};

class TcxClock : public TcxControl {
    ZORVY_CLASS(TcxClock, TcxControl)
  public:
    explicit TcxClock(TComponent* owner);
    // Stored and repainted; the face does not use it.
    TColor GetMinuteDotColor() const { return minuteDotColor_; }
    void SetMinuteDotColor(TColor value);
    TDateTime GetTime() const { return time_; }
    // Keeps the fraction of the day only.
    void SetTime(TDateTime value);

  protected:
    void Paint() override;

  private:
    TColor minuteDotColor_ = clWindow;
    TDateTime time_ = 0;
};

} // namespace zorvy
