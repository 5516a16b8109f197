#pragma once
// The lunar calendar component: one Gregorian date and the Chinese lunar date of the same day, kept in step
// in either direction, with the cyclic names, solar term, constellation, weekday and festivals of the day.
// Covers the lunar years 1900 .. 2056; dates outside it keep the lunar date they had.
#include "platform/rtl/Components.h"
#include "platform/rtl/DateTime.h"

#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class TLunarDate;
using TChangeLunarDateEvent = std::function<void(TLunarDate* sender)>;

// Index 0 .. 23 of the solar term that falls on the date, -1 for none (and outside 1900 .. 2056).
int SolarTermIndex(TDateTime date);
// The occurrence number ((day - 1) div 7 + 1) of the month's last day, minus 1.
int MonthLastOccurrence(int year, int month);

class TLunarDate : public TPersistent {
    ZORVY_CLASS(TLunarDate, TPersistent)
  public:
    TLunarDate();

    int GetMaxMonthDays() const { return FMaxMonthDays; }
    int GetlYear() const { return FlYear; }
    void SetlYear(int value);
    int GetlMonth() const { return FlMonth; }
    void SetlMonth(int value);
    int GetlDay() const { return FlDay; }
    void SetlDay(int value);
    const std::string& GetcYear() const { return FcYear; }
    const std::string& GetcMonth() const { return FcMonth; }
    const std::string& GetcDay() const { return FcDay; }
    bool GetFlagLeapMonth() const { return FFlagLeapMonth; }
    void SetFlagLeapMonth(bool value);
    const std::string& GetAnimalYear() const { return FAnimalYear; }
    const std::string& GetSolarTerm() const { return FSolarTerm; }
    const std::string& GetFeastOfLunar() const { return FFeastOfLunar; }
    bool GetBookOfChanges() const { return FBookOfChanges; }

    TChangeLunarDateEvent OnChange;

    // Days of the month: its leap month's when FlagLeapMonth is set and the month has one.
    int MonthDays(int year, int month) const;
    // MaxMonthDays from the fields, lDay clamped to it, then the names and the lunar festival.
    void Recalculate();
    void UpdateNames();
    void UpdateFeastOfLunar();

    // Copies the date (year, month, day, leap flag) of another lunar date, recalculates and fires OnChange.
    void Assign(TPersistent* source) override;

  protected:
    virtual void Change();

  private:
    friend class TTransDate;
    void SetBookOfChanges(bool value);

    bool FFlagLeapMonth = false;
    std::string FcYear;
    int FlDay = 0;
    int FlYear = 0;
    int FlMonth = 0;
    std::string FcMonth;
    std::string FcDay;
    std::string FSolarTerm;
    std::string FAnimalYear;
    int FMaxMonthDays = 0;
    std::string FFeastOfLunar;
    bool FBookOfChanges = false;
};

class TTransDate : public TComponent {
    ZORVY_CLASS(TTransDate, TComponent)
  public:
    explicit TTransDate(TComponent* owner);
    ~TTransDate() override;

    bool GetBookOfChanges() const { return FBookOfChanges; }
    void SetBookOfChanges(bool value);
    // Days of the Gregorian month of Date.
    int GetMaxMonthDays() const { return FMaxMonthDays; }
    TLunarDate* GetLunarDate() const { return FLunarDate.get(); }
    // Takes over the values of another lunar date; the component keeps its own object.
    void SetLunarDate(TLunarDate* value);
    std::string GetConstellation() const;
    bool GetISO8601() const { return FISO8601; }
    void SetISO8601(bool value);
    int GetWeek() const { return FWeek; }
    TDateTime GetDate() const { return FDate; }
    // Raises EConvertError for a value that is no date.
    void SetDate(TDateTime value);
    const std::string& GetFeast() const { return FFeast; }
    bool GetLeapMonth() const { return FLeapMonth; }
    void SetLeapMonth(bool value);

    TNotifyEvent OnChange;

    // Fills the lunar date from the day of the date; returns false (fields unchanged) outside the table.
    bool SolarToLunar(TDateTime date);
    // The date value of a lunar date within 1900 .. 2056.
    TDateTime LunarToSolar(const TLunarDate& lunar) const;

    void UpdateWeek();
    void UpdateFeast();
    void AddEaster();
    void AddThanksgiving();
    void AddWeekdayFeasts();
    void AddLastWeekFeasts();
    void AddFixedFeasts();

  protected:
    virtual void Change();
    virtual void LunarDateChanged(TLunarDate* sender);

  private:
    void UpdateMaxMonthDays();

    TDateTime FDate = 0;
    bool FLeapMonth = false;
    bool FISO8601 = false;
    int FWeek = 0;
    std::unique_ptr<TLunarDate> FLunarDate;
    int FMaxMonthDays = 0;
    std::string FYearText;
    std::string FMonthText;
    std::string FDayText;
    std::string FLeapText;
    std::string FFeast;
    bool FBookOfChanges = false;
};

} // namespace zorvy
