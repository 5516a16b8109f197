#include "controls/dbeditors/LookupDBGrid.h"

#include "controls/data/db/DBFieldFunctions.h"
#include "controls/dbeditors/DBRegisteredRepositoryItems.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

// ---- TcxLookupGridDBDataController ----

TcxLookupGridDBDataController::TcxLookupGridDBDataController(TcxCustomLookupGrid* grid)
    : TcxDBDataController(grid), grid_(grid) {
    GetDataModeController().SetSyncMode(false);
    GetDataModeController().SetSyncInsert(false);
}

TObject* TcxLookupGridDBDataController::GetItem(int itemIndex) const {
    TcxLookupGridColumns* columns = grid_->GetColumns();
    if (columns && itemIndex >= 0 && itemIndex < columns->GetCount()) return columns->GetColumn(itemIndex);
    return TcxDBDataController::GetItem(itemIndex);
}

// ---- TcxLookupDBGridDefaultValuesProvider ----

bool TcxLookupDBGridDefaultValuesProvider::HasDisplayFormat(bool) {
    auto* column = dynamic_cast<TcxLookupGridColumn*>(GetOwner());
    TcxCustomLookupGrid* grid = column ? column->GetGrid() : nullptr;
    if (!grid || column->GetIndex() >= grid->GetDataController()->GetItemCount()) return false;
    return grid->GetDataController()->GetItemTextStored(column->GetIndex());
}

// ---- TcxLookupDBGridColumn ----

TcxDBDataController* TcxLookupDBGridColumn::Controller() const {
    TcxCustomLookupGrid* grid = GetGrid();
    return grid ? static_cast<TcxDBDataController*>(grid->GetDataController()) : nullptr;
}

void TcxLookupDBGridColumn::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxLookupDBGridColumn*>(source)) SetFieldName(other->GetFieldName());
    TcxLookupGridColumn::Assign(source);
}

std::string TcxLookupDBGridColumn::GetFieldName() const {
    TcxDBDataController* controller = Controller();
    return controller && GetIndex() < controller->GetItemCount() ? controller->GetItemFieldName(GetIndex())
                                                                   : std::string();
}

void TcxLookupDBGridColumn::SetFieldName(const std::string& name) {
    TcxDBDataController* controller = Controller();
    if (!controller || GetIndex() >= controller->GetItemCount()) return;
    controller->SetItemFieldName(GetIndex(), name);
    Changed(false);
}

TField* TcxLookupDBGridColumn::GetField() const {
    TcxDBDataController* controller = Controller();
    return controller && GetIndex() < controller->GetItemCount() ? controller->GetItemDataSetField(GetIndex())
                                                                   : nullptr;
}

void TcxLookupDBGridColumn::SyncProviderField() {
    auto* provider = dynamic_cast<TcxCustomDBEditDefaultValuesProvider*>(GetDefaultValuesProvider());
    if (!provider) return;
    TcxDBDataController* controller = Controller();
    provider->SetDataSource(controller ? controller->GetDataSource() : nullptr);
    provider->SetField(GetField());
}

const TMetaClass* TcxLookupDBGridColumn::GetDefaultValuesProviderClass() const {
    return TcxLookupDBGridDefaultValuesProvider::StaticClass();
}

std::string TcxLookupDBGridColumn::GetDefaultCaption() const {
    TField* field = GetField();
    return field ? field->GetDisplayName() : GetFieldName();
}

TcxEditRepositoryItem* TcxLookupDBGridColumn::GetDefaultRepositoryItem() const {
    return GetEditDBRegisteredRepositoryItems()->GetItemForField(GetField());
}

int TcxLookupDBGridColumn::GetDefaultWidth() const {
    TField* field = GetField();
    TcxCustomLookupGrid* grid = GetGrid();
    if (!field || !grid) return TcxLookupGridColumn::GetDefaultWidth();
    TcxScreenCanvas canvas;
    canvas.AssignFont(GetContentFont());
    int width = canvas.MeasureTextWidth("0") * field->GetDisplayWidth() + 4;
    if (grid->GetOptions()->GetShowHeader() && grid->GetPainter()->LookAndFeelPainter)
        width = std::max(width, grid->GetPainter()->LookAndFeelPainter->CalcHeaderSectionWidth(
                                    &canvas, cxBordersAll, GetCaption(), grid->GetViewInfo()->GetHeaderFont()));
    return width;
}

// ---- TcxLookupDBGridColumns ----

TcxLookupDBGridColumn* TcxLookupDBGridColumns::FindByFieldName(const std::string& name) const {
    for (int i = 0; i < GetCount(); ++i)
        if (AnsiSameText(GetColumn(i)->GetFieldName(), name)) return GetColumn(i);
    return nullptr;
}

// ---- TcxCustomLookupDBGrid ----

TcxCustomLookupDBGrid::TcxCustomLookupDBGrid(TComponent* owner)
    : TcxCustomLookupGrid(
          owner, [](TcxCustomLookupGrid* grid) { return new TcxLookupDBGridColumns(grid); },
          [](TcxCustomLookupGrid* grid) { return new TcxLookupGridDBDataController(grid); }) {}

void TcxCustomLookupDBGrid::SetColumnFieldNames(const std::string& names) {
    BeginUpdate();
    struct End {
        TcxCustomLookupDBGrid* grid;
        ~End() { grid->EndUpdate(); }
    } end{this};
    GetColumns()->Clear();
    AddColumnsForFields(SplitFieldNames(names));
}

void TcxCustomLookupDBGrid::AddColumnsForFields(const std::vector<std::string>& names) {
    BeginUpdate();
    struct End {
        TcxCustomLookupDBGrid* grid;
        ~End() { grid->EndUpdate(); }
    } end{this};
    for (const std::string& name : names) GetDBColumns()->AddColumn()->SetFieldName(name);
}

void TcxCustomLookupDBGrid::DataChanged() {
    for (int i = 0; i < GetColumns()->GetCount(); ++i) GetDBColumns()->GetColumn(i)->SyncProviderField();
    TcxCustomLookupGrid::DataChanged();
}

TDataSet* TcxCustomLookupDBGrid::SequencedGridModeDataSet() const {
    TcxLookupGridDBDataController* controller = GetDBDataController();
    if (!controller->IsGridMode() || !controller->IsDataSetSequenced()) return nullptr;
    TDataSet* dataSet = controller->GetDataSet();
    return dataSet->GetActive() ? dataSet : nullptr;
}

void TcxCustomLookupDBGrid::ComputeScrollBarParams() {
    TDataSet* dataSet = SequencedGridModeDataSet();
    if (!dataSet) {
        TcxCustomLookupGrid::ComputeScrollBarParams();
        return;
    }
    const int visible = GetViewInfo()->FullyVisibleRowCount;
    SetScrollBarInfo(sbVertical, 0, std::max(dataSet->GetRecordCount() + visible - 2, 0), 1, visible,
                     std::max(dataSet->GetRecNo() - 1, 0), true, true);
}

void TcxCustomLookupDBGrid::ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) {
    TDataSet* dataSet = SequencedGridModeDataSet();
    if (!dataSet) {
        TcxCustomLookupGrid::ScrollContent(kind, code, pos);
        return;
    }
    if (kind != sbVertical) return;
    switch (code) {
    case scLineUp:
        MoveFocusedRow(-1);
        break;
    case scLineDown:
        MoveFocusedRow(1);
        break;
    case scPageUp:
        PageUp();
        break;
    case scPageDown:
        PageDown();
        break;
    case scPosition: {
        // A thumb dropped past the last record stops at it: the dataset refuses numbers out of range.
        const int count = dataSet->GetRecordCount();
        if (count > 0) dataSet->SetRecNo(std::clamp(pos + 1, 1, count));
        break;
    }
    default:
        break;
    }
    pos = std::max(dataSet->GetRecNo() - 1, 0);
}

} // namespace zorvy
