// Record cells and data cells: selection, editor view info, heights, hints and the mouse.
#include "controls/grid/table/RecordCells.h"

#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewStyles.h"

#include <memory>

namespace zorvy {

// ---- record cells ----

TcxGridTableCellViewInfo::TcxGridTableCellViewInfo(TcxCustomGridRecordViewInfo* recordViewInfo)
    : TcxCustomGridViewCellViewInfo(recordViewInfo->GetGridViewInfo()), recordViewInfo_(recordViewInfo) {}

TcxCustomGridTableController* TcxGridTableCellViewInfo::GetTableController() const {
    return GetTableView()->GetController();
}

TcxCustomGridTableView* TcxGridTableCellViewInfo::GetTableView() const {
    return static_cast<TcxCustomGridTableView*>(GetGridView());
}

TcxCustomGridTableViewInfo* TcxGridTableCellViewInfo::GetTableViewInfo() const {
    return static_cast<TcxCustomGridTableViewInfo*>(GetGridViewInfo());
}

bool TcxGridTableCellViewInfo::GetSelected() {
    if (!selectedKnown_) {
        selected_ = CalculateSelected();
        selectedKnown_ = true;
    }
    return selected_;
}

bool TcxGridTableCellViewInfo::CalculateSelected() {
    return GetTableView()->DrawCellSelected(GetGridRecord(), nullptr, this, true);
}

TcxCanvas* TcxGridTableCellViewInfo::GetCanvas() { return GetGridViewInfo()->GetCanvas(); }

const TMetaClass* TcxGridTableCellViewInfo::GetHitTestClass() { return TcxGridRecordHitTest::StaticClass(); }

bool TcxGridTableCellViewInfo::HasBackgroundBitmap() { return recordViewInfo_->CellHasBackgroundBitmap(this); }

void TcxGridTableCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
    static_cast<TcxGridRecordHitTest*>(hitTest)->SetGridRecord(GetGridRecord());
}

void TcxGridTableCellViewInfo::Calculate(int left, int top, int width, int height) {
    selectedKnown_ = false;
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height);
}

bool TcxGridTableCellViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    TcxCustomGridViewInfo* viewInfo = GetGridViewInfo();
    viewInfo->AddLiveCell(this);
    bool result = false;
    auto cleanUp = [&] {
        if (link->GetGridView()) viewInfo->RemoveLiveCell(this);
    };
    try {
        result = recordViewInfo_->MouseDown(hitTest, button, shift);
        if (result && link->GetGridView() && viewInfo->IsCellLive(this))
            TcxCustomGridViewCellViewInfo::MouseDown(hitTest, button, shift);
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
    return link->GetGridView() ? result : false;
}

// ---- data cells ----

TcxGridTableDataCellViewInfo::TcxGridTableDataCellViewInfo(TcxCustomGridRecordViewInfo* recordViewInfo,
                                                           TcxCustomGridTableItem* item)
    : TcxGridTableCellViewInfo(recordViewInfo), item_(item) {
    item_->AddCell(this);
    properties_ = item_->GetPropertiesForRecord(GetGridRecord());
    editViewInfo_.reset(CreateEditViewInfo());
    editStyle_ = item_->AcquireCellStyle();
}

TcxGridTableDataCellViewInfo::~TcxGridTableDataCellViewInfo() {
    BeginDestruction();
    if (!item_) return;
    item_->ReleaseCellStyle();
    item_->RemoveCell(this);
}

TcxCustomEditProperties* TcxGridTableDataCellViewInfo::GetProperties() { return properties_; }

TPoint TcxGridTableDataCellViewInfo::GetMousePos() const { return GetGridViewInfo()->GetMousePos(); }

bool TcxGridTableDataCellViewInfo::GetShowEditButtons() {
    return item_->GetShowEditButtons(GetRecordViewInfo()->GetFocused());
}

bool TcxGridTableDataCellViewInfo::IsBeingEdited() { return item_->GetEditing() && IsFocusedCell(); }

TcxCustomEditViewInfo* TcxGridTableDataCellViewInfo::CreateEditViewInfo() {
    return properties_ ? properties_->CreateViewInfo() : nullptr;
}

void TcxGridTableDataCellViewInfo::AcquireEditViewData() {
    editViewData_ = item_->GetEditViewData(properties_, editViewDataIsNew_);
}

void TcxGridTableDataCellViewInfo::ReleaseEditViewData() {
    item_->ReleaseEditViewData(editViewData_, editViewDataIsNew_);
    editViewData_ = nullptr;
    editViewDataIsNew_ = false;
}

void TcxGridTableDataCellViewInfo::InitEditStyle() {
    item_->InitEditStyle(editStyle_, ViewParams, GetRecordViewInfo()->GetFocused());
}

void TcxGridTableDataCellViewInfo::CalculateEditViewInfo(TcxCustomEditViewInfo* editViewInfo, TPoint mousePos) {
    if (!editViewInfo) return;
    InitEditStyle();
    AcquireEditViewData();
    if (!editViewData_) return;
    struct TRelease {
        TcxGridTableDataCellViewInfo* cell;
        ~TRelease() { cell->ReleaseEditViewData(); }
    } release{this};
    editViewData_->SetEditStyle(editStyle_);
    editViewData_->PaintOptions = 0;
    editViewData_->ContentParams.Offsets = GetEditContentOffsets();
    editViewData_->ContentParams.Options = 0;
    if (GetAutoHeight() || IsMultiLine()) {
        editViewData_->ContentParams.Options |= 2;
        editViewData_->PaintOptions |= 2;
    }
    if (ShowEndEllipsis()) editViewData_->PaintOptions |= 8;
    editViewData_->Selected = GetSelected();
    editViewInfo->Transparent = HasBackgroundBitmap();
    CalculateIncSearchHighlight();
    const Variant value = GetDisplayValue();
    editViewData_->FillViewInfo(GetCanvas(), GetEditViewInfoBounds(), mousePos, 0, 0, editViewInfo, true);
    editViewData_->FillEditorViewInfo(value, editViewInfo);
    if (auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo))
        text->MaxLineCount = (editViewData_->PaintOptions & 2) ? GetMaxLineCount() : 0;
}

void TcxGridTableDataCellViewInfo::CalculateIncSearchHighlight() {}

bool TcxGridTableDataCellViewInfo::IsIncSearchingCell() {
    return GetRecordViewInfo()->GetRecordsViewInfo() &&
           GetRecordViewInfo()->GetRecordsViewInfo()->GetIncSearchingCellViewInfo() == this;
}

bool TcxGridTableDataCellViewInfo::CanShowEditOnMouseDown(TMouseButton button) {
    if (!CanShowEdit()) return false;
    if (button == mbLeft && CanPress()) return true;
    return GetTableView()->GetOptionsBehavior()->GetAlwaysShowEditor();
}

bool TcxGridTableDataCellViewInfo::GetAutoHeight() { return GetRecordViewInfo()->GetAutoHeight(); }

Variant TcxGridTableDataCellViewInfo::GetDisplayValue() {
    TcxCustomGridRecord* record = GetGridRecord();
    if (properties_ && properties_->UsesDefaultFormatting(false)) return Variant(record->GetDisplayText(item_->GetIndex()));
    return record->GetValue(item_->GetIndex());
}

Variant TcxGridTableDataCellViewInfo::GetValue() { return GetGridRecord()->GetValue(item_->GetIndex()); }

TRect TcxGridTableDataCellViewInfo::GetEditBounds() {
    TRect r = GetEditViewInfoBounds();
    InflateRect(r, -1, -1);
    if (item_->CanCheckFocusedCellClipping()) {
        const TRect area = GetTableViewInfo()->GetEditingAreaBounds();
        if (r.Right > area.Right) r.Right = area.Right;
        if (r.Bottom > area.Bottom) r.Bottom = area.Bottom;
    }
    return r;
}

bool TcxGridTableDataCellViewInfo::IsFocusedCell() {
    return item_->GetFocused() && GetRecordViewInfo()->GetFocused() && item_->GetFocusedCellViewInfo() == this;
}

int TcxGridTableDataCellViewInfo::GetMaxLineCount() { return GetTableView()->GetOptionsView()->GetCellTextMaxLineCount(); }

bool TcxGridTableDataCellViewInfo::ShowsFocusRect() {
    return !GetTableView()->GetOptionsSelection()->GetInvertSelect() && !IsBeingEdited();
}

bool TcxGridTableDataCellViewInfo::GetCellHints() { return GetTableView()->GetOptionsBehavior()->GetCellHints(); }

bool TcxGridTableDataCellViewInfo::HasCellHintHandler() { return static_cast<bool>(item_->OnGetCellHint); }

void TcxGridTableDataCellViewInfo::InvalidateEditor(bool recalculate) {
    if (IsDestroying()) return;
    if (recalculate) Recalculate();
    Invalidate();
}

void TcxGridTableDataCellViewInfo::UpdateEditorHotTrack(TPoint mousePos) {
    if (!GetTableView()->GetVisible() || !editViewInfo_) return;
    std::unique_ptr<TcxCustomEditViewInfo> probe(CreateEditViewInfo());
    CalculateEditViewInfo(probe.get(), mousePos);
    if (editViewInfo_->RepaintDifferences(static_cast<TWinControl*>(GetControl()), probe.get())) RepaintEditor();
}

void TcxGridTableDataCellViewInfo::RepaintEditor() { InvalidateEditor(true); }

void TcxGridTableDataCellViewInfo::UpdateEditPosition() {}

// ---- overrides of the cell ----

void TcxGridTableDataCellViewInfo::MouseLeave() {
    TcxGridTableCellViewInfo::MouseLeave();
    if (CanPress()) UpdateEditorHotTrack(TPoint{Bounds.Right, Bounds.Bottom});
}

void TcxGridTableDataCellViewInfo::BeforeCustomDraw(TcxCanvas* canvas) {
    if (!editViewInfo_) return;
    canvas->CurrentBrush()->SetColor(editViewInfo_->BackgroundColor);
    if (auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get())) {
        if (text->Font) canvas->AssignFont(text->Font);
        canvas->CurrentFont()->SetColor(text->TextColor);
    }
}

void TcxGridTableDataCellViewInfo::AfterCustomDraw(TcxCanvas* canvas) {
    if (!editViewInfo_) return;
    editViewInfo_->BackgroundColor = canvas->CurrentBrush()->GetColor();
    if (auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get()))
        text->TextColor = canvas->CurrentFont()->GetColor();
}

int TcxGridTableDataCellViewInfo::CalculateHeight() {
    EnsureCalculated();
    int height = 0;
    if (item_->CanAutoHeight()) {
        AcquireEditViewData();
        if (editViewData_) {
            struct TRelease {
                TcxGridTableDataCellViewInfo* cell;
                ~TRelease() { cell->ReleaseEditViewData(); }
            } release{this};
            editViewData_->SetEditStyle(editStyle_);
            editViewData_->ContentParams.Offsets = TRect{};
            editViewData_->ContentParams.Options |= 1;
            TcxEditSizeProperties limits;
            limits.Height = -1;
            limits.MaxLineCount = GetMaxLineCount();
            const TRect text = GetTextBounds();
            limits.Width = text.Right - text.Left + 2;
            if (limits.Width > 0) {
                TSize size{0, 0};
                editViewData_->MeasureEditorSize(GetCanvas(), GetDisplayValue(), limits, nullptr, size);
                height = size.cy;
            }
        }
        if (height != 0)
            height += 2;
        else if (!AllowsZeroHeight())
            height = item_->CalculateDefaultCellHeight(GetCanvas(), ViewParams.Font);
    } else {
        height = item_->CalculateDefaultCellHeight(GetCanvas(), ViewParams.Font);
    }
    GetTableView()->DoGetCellHeight(GetGridRecord(), item_, this, height);
    return height;
}

bool TcxGridTableDataCellViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    if (TcxGridTableCellViewInfo::DoCustomDraw(canvas)) return true;
    if (item_->DoCustomDrawCell(canvas, this)) return true;
    return GetTableView()->DoCustomDrawCell(canvas, this);
}

bool TcxGridTableDataCellViewInfo::HasCustomDraw() {
    return static_cast<bool>(item_->OnCustomDrawCell) || GetTableView()->HasCustomDrawCell();
}

void TcxGridTableDataCellViewInfo::CalculateParams() {
    TcxGridTableCellViewInfo::CalculateParams();
    InitEditStyle();
}

TRect TcxGridTableDataCellViewInfo::GetClipBounds() {
    TcxCustomGridRecordsViewInfo* records = GetRecordViewInfo()->GetRecordsViewInfo();
    return records ? records->GetDataCellClipBounds(this) : TRect{};
}

const TMetaClass* TcxGridTableDataCellViewInfo::GetHitTestClass() { return TcxGridRecordCellHitTest::StaticClass(); }

bool TcxGridTableDataCellViewInfo::CanPress() {
    if (GetShowEditButtons()) return true;
    return properties_ && (properties_->GetCapabilities() & 1) &&
           (GetTableView()->GetOptionsBehavior()->GetImmediateEditor() || IsFocusedCell());
}

bool TcxGridTableDataCellViewInfo::CalculateMultiLine() {
    TcxCustomGridRecordsViewInfo* records = GetRecordViewInfo()->GetRecordsViewInfo();
    return records && records->IsCellMultiLine(item_);
}

TcxCustomGridCellPainterClass TcxGridTableDataCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridTableDataCellPainter>();
}

bool TcxGridTableDataCellViewInfo::ShowEndEllipsis() { return GetTableView()->GetOptionsView()->GetCellEndEllipsis(); }

std::string TcxGridTableDataCellViewInfo::CalculateText() {
    auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get());
    return text ? text->Text : std::string();
}

void TcxGridTableDataCellViewInfo::GetViewParams(TcxPartParams& params) {
    GetTableView()->GetTableStyles()->GetDataCellViewParams(GetGridRecord(), item_, this, true, params);
}

void TcxGridTableDataCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxGridTableCellViewInfo::InitHitTest(hitTest);
    if (auto* cellHitTest = dynamic_cast<TcxGridRecordCellHitTest*>(hitTest)) cellHitTest->Item = item_;
}

void TcxGridTableDataCellViewInfo::DoOffset(int dx, int dy) {
    TcxGridTableCellViewInfo::DoOffset(dx, dy);
    if (editViewInfo_) editViewInfo_->ShiftBy(dx, dy);
}

void TcxGridTableDataCellViewInfo::SetViewParams(const TcxPartParams& params) {
    TcxGridTableCellViewInfo::SetViewParams(params);
    if (!editViewInfo_) return;
    editViewInfo_->BackgroundColor = params.Color;
    if (auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get())) {
        text->Font = params.Font;
        text->TextColor = params.TextColor;
    }
}

void TcxGridTableDataCellViewInfo::GetViewParamsCopy(TcxPartParams& params) {
    TcxGridTableCellViewInfo::GetViewParamsCopy(params);
    if (!editViewInfo_) return;
    params.Color = editViewInfo_->BackgroundColor;
    if (auto* text = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get())) {
        params.Font = text->Font;
        params.TextColor = text->TextColor;
    }
}

void TcxGridTableDataCellViewInfo::StateChanged(TcxCustomGridCellState prevState) {
    TcxGridTableCellViewInfo::StateChanged(prevState);
    if (GetState() == gcsNone) RepaintEditor();
}

void TcxGridTableDataCellViewInfo::BeforeRecalculation() {
    GetGridViewInfo()->UpdateMousePos();
    TcxGridTableCellViewInfo::BeforeRecalculation();
}

void TcxGridTableDataCellViewInfo::Calculate(int left, int top, int width, int height) {
    TcxGridTableCellViewInfo::Calculate(left, top, width, height);
    CalculateEditViewInfo(editViewInfo_.get(), GetMousePos());
    Text = CalculateText();
}

bool TcxGridTableDataCellViewInfo::ShowsHint() {
    return (GetCellHints() || HasCellHintHandler()) && !IsBeingEdited();
}

bool TcxGridTableDataCellViewInfo::NeedsHintAt(TPoint p, std::string& text, TRect& textBounds, bool& isMultiLine) {
    text.clear();
    bool result = false;
    if (GetCellHints()) {
        if (UsesDefaultHint()) {
            result = TcxGridTableCellViewInfo::NeedsHintAt(p, text, textBounds, isMultiLine);
        } else if (auto* edit = dynamic_cast<TcxCustomTextEditViewInfo*>(editViewInfo_.get())) {
            result = edit->NeedsHintInRect(GetCanvas(), p, GetHintAreaClip(), textBounds, isMultiLine, text);
        }
    }
    if (!HasCellHintHandler() || (!result && !IsPointInHintArea(p))) return result;
    if (!result) {
        text.clear();
        isMultiLine = false;
        textBounds = GetHintTextBounds(p);
    }
    item_->DoGetCellHint(GetGridRecord(), this, textBounds, isMultiLine, text, p);
    return result || !text.empty();
}

bool TcxGridTableDataCellViewInfo::CalculateSelected() {
    return GetTableView()->DrawCellSelected(GetGridRecord(), item_, this, true);
}

// ---- the mouse ----

bool TcxGridTableDataCellViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    wasFocusedCell_ = IsFocusedCell();
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    TcxCustomGridViewInfo* viewInfo = GetGridViewInfo();
    viewInfo->AddLiveCell(this);
    auto cleanUp = [&] {
        if (link->GetGridView()) viewInfo->RemoveLiveCell(this);
    };
    bool result = false;
    try {
        if ((shift & ssDouble) && (GetTableView()->DoCellDblClick(this, button, shift) || !viewInfo->IsCellLive(this))) {
            cleanUp();
            return false;
        }
        result = TcxGridTableCellViewInfo::MouseDown(hitTest, button, shift);
        if (result && link->GetGridView() && viewInfo->IsCellLive(this)) item_->SetFocused(true);
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
    return result;
}

bool TcxGridTableDataCellViewInfo::MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    const bool result = TcxGridTableCellViewInfo::MouseMove(hitTest, shift);
    if (CanPress()) UpdateEditorHotTrack(hitTest->Pos);
    return result;
}

bool TcxGridTableDataCellViewInfo::MouseUp(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    TcxGridTableCellViewInfo::MouseUp(hitTest, button, shift);
    if (GetTableView()->DoCellClick(this, button, shift)) return true;
    if (button != mbLeft || (shift & (ssShift | ssCtrl))) return false;
    if (!IsFocusedCell() || !CanShowEdit()) return false;
    return true;
}

} // namespace zorvy
