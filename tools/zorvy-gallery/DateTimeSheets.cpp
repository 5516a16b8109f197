// The spin, time and date editor photos and the calendar photos.
#include "DateTimeSheets.h"

#include "controls/editors/date/Calendar.h"
#include "controls/editors/date/DateEdit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/spin/SpinEdit.h"
#include "controls/editors/time/TimeEdit.h"
#include "controls/foundation/locale/FormatController.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/DateTime.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::gallery {

namespace {

template <typename T> T* AddEditor(TForm* form, int left, int top, int width, TcxLookAndFeelKind kind) {
    auto* edit = new T(form);
    edit->SetParent(form);
    edit->SetBounds(left, top, width, 21);
    edit->GetStyle()->GetLookAndFeel()->SetKind(kind);
    edit->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
    return edit;
}

std::string EditorsPhoto(THeadlessDisplay& display, const std::string& folder) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 560, 236);
    form->Show();
    const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
    for (int column = 0; column < 4; ++column) {
        const int left = 10 + column * 137;
        const TcxLookAndFeelKind kind = kinds[column];
        auto* vertical = AddEditor<TcxSpinEdit>(form, left, 10, 127, kind);
        vertical->GetSpinProperties()->SetValueType(vtInt);
        vertical->SetEditValue(Variant(42));
        auto* right = AddEditor<TcxSpinEdit>(form, left, 38, 127, kind);
        right->GetSpinProperties()->GetSpinButtons()->SetPosition(sbpHorzRight);
        right->SetEditValue(Variant(3.5));
        auto* leftRight = AddEditor<TcxSpinEdit>(form, left, 66, 127, kind);
        leftRight->GetSpinProperties()->GetSpinButtons()->SetPosition(sbpHorzLeftRight);
        leftRight->GetSpinProperties()->GetSpinButtons()->SetShowFastButtons(true);
        leftRight->SetEditValue(Variant(-7));
        auto* fast = AddEditor<TcxSpinEdit>(form, left, 94, 127, kind);
        fast->GetSpinProperties()->GetSpinButtons()->SetShowFastButtons(true);
        fast->SetEditValue(Variant(100));
        fast->SetEnabled(column != 1);
        auto* time24 = AddEditor<TcxTimeEdit>(form, left, 122, 127, kind);
        time24->SetEditValue(Variant::FromDate(EncodeTime(20, 0, 0, 0)));
        auto* time12 = AddEditor<TcxTimeEdit>(form, left, 150, 127, kind);
        time12->GetTimeProperties()->SetUse24HourFormat(false);
        time12->GetTimeProperties()->SetTimeFormat(tfHourMin);
        time12->SetEditValue(Variant::FromDate(EncodeTime(8, 30, 0, 0)));
        auto* date = AddEditor<TcxDateEdit>(form, left, 178, 127, kind);
        date->SetEditValue(Variant::FromDate(EncodeDate(2024, 2, 29)));
        auto* dateTime = AddEditor<TcxDateEdit>(form, left, 206, 127, kind);
        dateTime->GetDateProperties()->SetKind(ckDateTime);
        dateTime->SetEditValue(Variant::FromDate(EncodeDate(2024, 12, 31) + EncodeTime(20, 0, 0, 0)));
    }
    Application->ProcessMessages();
    const std::string path = folder + "/editors-spin-time-date.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    return path;
}

std::vector<std::string> CalendarPhotos(THeadlessDisplay& display, const std::string& folder) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 520, 260);
    form->SetColor(clBtnFace);
    form->Show();
    auto* date = new TcxCustomCalendar(form);
    date->SetParent(form);
    date->SetLeft(10);
    date->SetTop(10);
    date->SetWeekNumbers(true);
    date->SelectDay(EncodeDate(2024, 2, 29));
    auto* dateTime = new TcxCustomCalendar(form);
    dateTime->SetParent(form);
    dateTime->SetLeft(date->GetLeft() + date->GetWidth() + 12);
    dateTime->SetTop(10);
    dateTime->SetKind(ckDateTime);
    dateTime->SetButtonSet(DateButtonBit(btnClear) | DateButtonBit(btnNow));
    dateTime->SelectDay(EncodeDate(2024, 12, 31));
    dateTime->GetTimeEdit()->SetTime(EncodeTime(20, 0, 0, 0));
    Application->ProcessMessages();
    std::vector<std::string> paths;
    paths.push_back(folder + "/editors-calendar.png");
    display.SavePng(form->GetHandle(), paths.back());
    // The month list dropped from the month name, the pointer on the third month below.
    const TRect month = date->GetMonthTextRect();
    const HWND handle = date->GetHandle();
    display.PressMouse(handle, (month.Left + month.Right) / 2, (month.Top + month.Bottom) / 2);
    Application->ProcessMessages();
    TcxMonthListBox* list = date->GetMonthList();
    if (list->GetVisible()) {
        list->SetSelectedIndex(5);
        Application->ProcessMessages();
        paths.push_back(folder + "/editors-calendar-month-list.png");
        display.SavePng(list->GetHandle(), paths.back());
        list->ClosePopup();
    }
    display.ReleaseMouse(handle, 0, 0);
    delete form;
    Application->ProcessMessages();
    return paths;
}

} // namespace

std::vector<std::string> DrawDateTimePhotos(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeSpinEditUnit();
    InitializeTimeEditUnit();
    InitializeDateEditUnit();
    std::vector<std::string> paths = {EditorsPhoto(display, folder)};
    for (const std::string& path : CalendarPhotos(display, folder)) paths.push_back(path);
    FinalizeDateEditUnit();
    FinalizeTimeEditUnit();
    FinalizeSpinEditUnit();
    FinalizeEditUnit();
    FinalizeForms();
    return paths;
}

} // namespace zorvy::gallery
