// The lookup photo: lookup grids with each kind of grid lines, and a lookup combo box with its list
// open, photographed apart from its form and put at its place below the editor.
#include "LookupSheets.h"

#include "controls/dbeditors/DBRegisteredRepositoryItems.h"
#include "controls/dbeditors/LookupComboBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/lookup/LookupGrid.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/win/Painting.h"

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

// Eight draws as a list dataset.
class TLookupSheetDraws : public TDataSet {
  public:
    TLookupSheetDraws() : TDataSet(nullptr) {}
    ~TLookupSheetDraws() override {
        Destroying();
        Close();
    }

  protected:
    SourceData OpenSource() override {
        static const char* draws[][3] = {{"2024001", "03 07 12 19 25 31", "09"}, {"2024002", "01 05 14 22 27 33", "12"},
                                         {"2024003", "02 08 11 16 24 30", "04"}, {"2024004", "06 10 13 20 28 32", "15"},
                                         {"2024005", "04 09 15 21 26 29", "07"}, {"2024006", "05 12 17 23 29 33", "01"},
                                         {"2024007", "01 02 18 21 30 31", "16"}, {"2024008", "07 11 14 19 22 27", "10"}};
        SourceData data;
        for (const char* name : {"Issue", "Reds", "Blue"}) {
            SourceColumn column;
            column.name = name;
            column.dataType = TFieldType::ftString;
            column.size = 20;
            data.columns.push_back(column);
        }
        for (const auto& draw : draws) data.rows.push_back({std::string(draw[0]), std::string(draw[1]), std::string(draw[2])});
        return data;
    }
};

// Copies a window's photo onto the sheet's photo at (x, y).
void PasteLookupPopup(HBITMAP sheet, HBITMAP image, int x, int y) {
    for (int row = 0; row < image->height; ++row)
        for (int col = 0; col < image->width; ++col)
            if (x + col >= 0 && y + row >= 0 && x + col < sheet->width && y + row < sheet->height)
                sheet->Row(y + row)[x + col] = image->Row(row)[col];
}

} // namespace

std::string DrawLookupPhoto(THeadlessDisplay&, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    RegisterDefaultEditorsByValueType();
    RegisterDefaultEditorsByFieldType();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 800, 560);
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

    // The lookup combo box over eight draws, the third chosen and its list open.
    TLookupSheetDraws draws;
    TDataSource source(nullptr);
    source.SetDataSet(&draws);
    draws.Open();
    AddLookupTitle(form, 10, 372, "TcxLookupComboBox, list open");
    auto* combo = new TcxLookupComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 390, 160, 22);
    TcxLookupComboBoxProperties* p = combo->GetProperties();
    p->SetListSource(&source);
    p->SetKeyFieldNames("Issue");
    p->SetListFieldNames("Issue;Reds;Blue");
    p->SetListFieldIndex(1);
    p->SetDropDownRows(6);
    p->SetDropDownWidth(260);
    combo->SetEditValue(Variant("2024003"));
    AddLookupTitle(form, 272, 372, "Default editor of a lookup field");
    auto* field = new TcxLookupComboBox(form);
    field->SetParent(form);
    field->SetBounds(272, 390, 160, 22);
    field->SetRepositoryItem(GetEditDBRegisteredRepositoryItems()->GetLookupFieldItem());

    Application->ProcessMessages();
    combo->SetFocus();
    combo->DropDown();
    Application->ProcessMessages();
    FlushPainting();
    HBITMAP photo = CaptureWindowImage(form->GetHandle());
    TcxCustomEditPopupWindow* comboPopup = combo->GetPopupWindow();
    if (comboPopup->GetVisible()) {
        HBITMAP list = CaptureWindowImage(comboPopup->GetHandle());
        const TRect at = comboPopup->GetBoundsRect(), formAt = form->GetBoundsRect();
        PasteLookupPopup(photo, list, at.Left - formAt.Left, at.Top - formAt.Top);
        DeleteObject(list);
    }
    combo->SetDroppedDown(false);
    const std::string path = folder + "/lookup.png";
    SavePngFile(photo, path);
    DeleteObject(photo);
    delete form;
    Application->ProcessMessages();
    UnregisterDefaultEditorsByFieldType();
    UnregisterDefaultEditorsByValueType();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

} // namespace zorvy::gallery
