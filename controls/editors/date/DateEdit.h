#pragma once
// The date editor: a masked text editor with a drop-down calendar (and, for date-time editing, a clock
// and a time editor). It converts between its text and its date, keeps the time part of date-only
// values, brings dates into the minimum and maximum, and takes the day the user picks in the popup.
// Its settings and conversions are DateEditProperties.h.
#include "controls/editors/date/DateEditProperties.h"
#include "controls/foundation/locale/SmartDates.h"

namespace zorvy {

class TcxPopupCalendar;

class TcxCustomDateEdit : public TcxCustomPopupEdit {
    ZORVY_CLASS(TcxCustomDateEdit, TcxCustomPopupEdit)
  public:
    explicit TcxCustomDateEdit(TComponent* owner) : TcxCustomDateEdit(owner, false) {}
    TcxCustomDateEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxDateEditProperties::StaticClass());
    ~TcxCustomDateEdit() override;

    TcxCustomDateEditProperties* GetDateProperties() const {
        return static_cast<TcxCustomDateEditProperties*>(GetEffectiveProperties());
    }

    // ---- the date ----
    // The null date for Null and anything that is no date.
    TDateTime GetDate();
    // The null date empties the editor; a date-only day keeps the saved time (SaveTime). Stored as if
    // the user had entered it.
    void SetDate(TDateTime value);
    // The time part of the last value stored by a date-only editor with SaveTime.
    double GetSavedTime() const { return savedTime_; }
    void SetSavedTime(double value) { savedTime_ = value; }
    // The text as a value: a date (with the saved time for date-only editing) or Null.
    Variant TextToEditValue(const std::string& text, bool isEditing);
    // The date typed so far: while focused with a modified text, that text's; else GetDate.
    TDateTime GetTypedDate();
    // The value the popup was last set up with.
    TDateTime GetPopupStartDate() const { return popupStartDate_; }

    // ---- the popup ----
    TcxPopupCalendar* GetCalendar() const { return calendar_; }
    // Made on the first drop-down and kept.
    virtual void CreateCalendar();
    // The calendar's date-time-changed notification: the picked day becomes the value.
    void CalendarDateTimeChanged(TObject* sender);
    // A Tab in a date-only calendar goes on to the editor's own key handling.
    void HandleCalendarTab(TShiftState shift);

    // ---- the editor ----
    Variant GetTypedValue() override;
    void StoreDisplayValue(const Variant& value) override;
    void ClearValue() override { SetDate(NullDate); }
    void EnforceRange() override;
    bool IsCharAllowedAt(std::string& character, int position) override;
    // Makes the calendar (once) the popup's control, then drops down.
    void DropDown() override;

  protected:
    void StoreEditValue(const Variant& value) override;
    void SetUpPopupWindow() override;
    void PopupShown() override;
    void PopupClosed() override;

  private:
    TcxPopupCalendar* calendar_ = nullptr; // owned by the editor as a component
    TDateTime popupStartDate_ = NullDate;
    double savedTime_ = 0;
};

class TcxDateEdit : public TcxCustomDateEdit {
    ZORVY_CLASS(TcxDateEdit, TcxCustomDateEdit)
  public:
    explicit TcxDateEdit(TComponent* owner) : TcxDateEdit(owner, false) {}
    TcxDateEdit(TComponent* owner, bool inplace,
                const TMetaClass* propertiesClass = TcxDateEditProperties::StaticClass());
    TcxDateEditProperties* GetDateEditProperties() const {
        return static_cast<TcxDateEditProperties*>(GetProperties());
    }
    void SetProperties(TcxDateEditProperties* value) { GetProperties()->Assign(value); }
};

// The date editor's popup: it previews keys, handing the calendar's closing keys to the calendar.
class TcxDateEditPopupWindow : public TcxPopupEditPopupWindow {
    ZORVY_CLASS(TcxDateEditPopupWindow, TcxPopupEditPopupWindow)
  public:
    explicit TcxDateEditPopupWindow(TWinControl* ownerEdit);
    // Escape on a calendar button or an unmodified time editor, Alt+Up, Alt+Down, F4 without Alt.
    virtual bool IsCalendarKey(std::uint16_t key, TShiftState shift);

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
};

} // namespace zorvy
