// The navigator's site cell: its size from the scroll bar and the navigator, the mouse handed on.
#include "controls/grid/table/NavigatorSite.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewInfo.h"

namespace zorvy {

TcxNavigatorSiteViewInfo::TcxNavigatorSiteViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridViewCellViewInfo(gridViewInfo) {}

TcxNavigatorSiteViewInfo::~TcxNavigatorSiteViewInfo() {
    if (GetState() != gcsNone) MouseLeave();
    BeginDestruction();
}

TcxCustomGridTableViewInfo* TcxNavigatorSiteViewInfo::GetTableViewInfo() const {
    return static_cast<TcxCustomGridTableViewInfo*>(GetGridViewInfo());
}

TcxNavigatorViewInfo* TcxNavigatorSiteViewInfo::GetNavigatorViewInfo() const {
    return GetTableViewInfo()->GetNavigatorViewInfo();
}

int TcxNavigatorSiteViewInfo::GetSiteHeight() { return GetLookAndFeelPainter()->GetScrollBarSize().cy; }

int TcxNavigatorSiteViewInfo::GetSiteWidth() {
    return GetTableViewInfo()->GetNavigatorOffset() + GetTableViewInfo()->GetNavigatorSize().X;
}

void TcxNavigatorSiteViewInfo::MouseLeave() {
    TcxCustomGridViewCellViewInfo::MouseLeave();
    if (TcxNavigatorViewInfo* navigator = GetNavigatorViewInfo()) navigator->MouseMove(-1, -1);
}

const TMetaClass* TcxNavigatorSiteViewInfo::GetHitTestClass() { return TcxGridNavigatorHitTest::StaticClass(); }

TcxCustomGridCellPainterClass TcxNavigatorSiteViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxNavigatorSitePainter>();
}

void TcxNavigatorSiteViewInfo::GetViewParams(TcxPartParams& params) {
    params.Color = clBtnFace;
    params.Bitmap = nullptr;
}

bool TcxNavigatorSiteViewInfo::GetVisible() {
    auto* view = dynamic_cast<TcxCustomGridTableView*>(GetGridView());
    return view && view->GetOptionsView()->GetNavigator() && view->GetNavigatorButtons();
}

bool TcxNavigatorSiteViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton, TShiftState) {
    GetNavigatorViewInfo()->MouseDown(hitTest->Pos.X, hitTest->Pos.Y);
    return true;
}

bool TcxNavigatorSiteViewInfo::MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) {
    TcxCustomGridViewCellViewInfo::MouseMove(hitTest, shift);
    GetNavigatorViewInfo()->MouseMove(hitTest->Pos.X, hitTest->Pos.Y);
    return true;
}

bool TcxNavigatorSiteViewInfo::MouseUp(TcxCustomGridHitTest* hitTest, TMouseButton, TShiftState) {
    GetNavigatorViewInfo()->MouseUp(hitTest->Pos.X, hitTest->Pos.Y);
    return true;
}

} // namespace zorvy
