// A part of the table view info: listing, stacking position, layout and background custom drawing.
#include "controls/grid/table/PartViewInfo.h"

#include "controls/grid/table/TableView.h"

namespace zorvy {

TcxCustomGridPartViewInfo::TcxCustomGridPartViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridViewCellViewInfo(gridViewInfo) {}

TcxCustomGridPartViewInfo::~TcxCustomGridPartViewInfo() {
    BeginDestruction();
    GetTableViewInfo()->RemovePart(this);
}

void TcxCustomGridPartViewInfo::AfterConstruction() {
    if (IsInPartsList()) GetTableViewInfo()->AddPart(this);
    TcxCustomGridViewCellViewInfo::AfterConstruction();
}

TcxCustomGridTableViewInfo* TcxCustomGridPartViewInfo::GetTableViewInfo() const {
    return static_cast<TcxCustomGridTableViewInfo*>(GetGridViewInfo());
}

int TcxCustomGridPartViewInfo::GetIndex() const { return GetTableViewInfo()->IndexOfPart(this); }

void TcxCustomGridPartViewInfo::SetIndex(int value) { GetTableViewInfo()->MovePart(this, value); }

int TcxCustomGridPartViewInfo::GetPartHeight() {
    if (!heightKnown_) {
        heightKnown_ = true;
        height_ = GetVisible() ? CalculateHeight() : 0;
    }
    return height_;
}

void TcxCustomGridPartViewInfo::RecalculatePart() {
    if (GetVisible())
        CalculatePart();
    else
        HidePart();
}

TRect TcxCustomGridPartViewInfo::GetPartBounds() { return GetTableViewInfo()->GetPartBounds(this); }

void TcxCustomGridPartViewInfo::HidePart() {
    height_ = 0;
    heightKnown_ = true;
    CalculateFromBounds(TRect{});
}

void TcxCustomGridPartViewInfo::CalculatePart() {
    height_ = CalculateHeight();
    heightKnown_ = true;
    CalculateFromBounds(GetPartBounds());
}

bool TcxCustomGridPartViewInfo::HasCustomDrawBackground() {
    return TcxCustomGridViewCellViewInfo::HasCustomDrawBackground() ||
           static_cast<TcxCustomGridTableView*>(GetGridView())->HasCustomDrawPartBackground();
}

bool TcxCustomGridPartViewInfo::DoCustomDrawBackground(TcxCanvas* canvas) {
    if (TcxCustomGridViewCellViewInfo::DoCustomDrawBackground(canvas)) return true;
    return static_cast<TcxCustomGridTableView*>(GetGridView())->DoCustomDrawPartBackground(canvas, this);
}

TcxCustomGridCellPainterClass TcxCustomGridPartViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxCustomGridPartPainter>();
}

} // namespace zorvy
