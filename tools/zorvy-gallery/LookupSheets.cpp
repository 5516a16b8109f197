// The lookup photo.
#include "LookupSheets.h"

#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/lookup/LookupGrid.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

void AddLookupTitle(TForm* form, int x, int y, const std::string& text) {
    auto* title = new TLabel(form);
    title->SetParent(form);
    title->SetBounds(x, y, 220, 16);
    title->SetCaption(text);
}

TcxLookupGrid* AddLookupGrid(TForm* form, int x, int y, TcxGridLines lines) {
    static const char* draws[][3] = {{"2024001", "03 07 12 19 25 31", "09"}, {"2024002", "01 05 14 22 27 33", "12"},
                                     {"2024003", "02 08 11 16 24 30", "04"}, {"2024004", "06 10 13 20 28 32", "15"},
                                     {"2024005", "04 09 15 21 26 29", "07"}, {"2024006", "05 12 17 23 29 33", "01"},
                                     {"2024007", "01 02 18 21 30 31", "16"}, {"2024008", "07 11 14 19 22 27", "10"}};
    auto* grid = new TcxLookupGrid(form);
    grid->SetParent(form);
    grid->SetBounds(x, y, 250, 150);
    grid->BeginUpdate();
    const char* captions[] = {"期号 Issue", "红球 Red", "蓝 Blue"};
    const int widths[] = {70, 130, 40};
    for (int c = 0; c < 3; ++c) {
        TcxLookupGridColumn* column = grid->GetColumns()->AddColumn();
        column->SetCaption(captions[c]);
        column->SetWidth(widths[c]);
        column->SetValueTypeClass(&cxStringValueType);
    }
    TcxCustomDataController* controller = grid->GetDataController();
    controller->SetRecordCount(8);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 3; ++c) controller->SetValue(r, c, Variant(draws[r][c]));
    grid->GetOptions()->SetGridLines(lines);
    grid->EndUpdate();
    grid->FocusRow(2);
    return grid;
}

} // namespace

std::string DrawLookupPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    RegisterDefaultEditorsByValueType();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 800, 370);
    form->Show();

    const std::pair<const char*, TcxGridLines> lines[] = {
        {"glBoth", glBoth}, {"glNone", glNone}, {"glVertical", glVertical}, {"glHorizontal", glHorizontal}};
    for (int i = 0; i < 4; ++i) {
        const int x = 10 + (i % 3) * 262, y = 6 + (i / 3) * 180;
        AddLookupTitle(form, x, y, std::string("TcxLookupGrid ") + lines[i].first);
        AddLookupGrid(form, x, y + 18, lines[i].second);
    }
    AddLookupTitle(form, 272, 186, "Sorted descending, row select off");
    TcxLookupGrid* sorted = AddLookupGrid(form, 272, 204, glBoth);
    sorted->GetColumns()->GetColumn(2)->SetSortOrder(soDescending);
    sorted->GetOptions()->SetRowSelect(false);
    sorted->SetFocusedColumn(sorted->GetColumns()->GetColumn(1));
    AddLookupTitle(form, 534, 186, "Popup mode, FitHeight, no header");
    TcxLookupGrid* popup = AddLookupGrid(form, 534, 204, glNone);
    popup->SetPopupMode(true);
    popup->GetOptions()->SetShowHeader(false);
    popup->SetHeight(popup->FitHeight(120));

    Application->ProcessMessages();
    const std::string path = folder + "/lookup.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    UnregisterDefaultEditorsByValueType();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

} // namespace zorvy::gallery
