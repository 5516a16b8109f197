#include "controls/grid/table/TableViewStyles.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

namespace {

bool IsOddRecord(const TcxCustomGridRecord* record) { return record->GetIndex() % 2 != 0; }

} // namespace

TcxCustomGridTableView* TcxCustomGridTableViewStyles::GetGridTableView() const {
    return dynamic_cast<TcxCustomGridTableView*>(GetGridView());
}

void TcxCustomGridTableViewStyles::Assign(TPersistent* source) {
    TcxCustomGridViewStyles::Assign(source);
    auto* styles = dynamic_cast<TcxCustomGridTableViewStyles*>(source);
    if (!styles) return;
    for (int index = vsContent; index <= vsSelection; ++index) SetStyle(index, styles->GetStyle(index));
    SetOnGetContentStyle(styles->onGetContentStyle_);
}

void TcxCustomGridTableViewStyles::SetOnGetContentStyle(TcxGridGetCellStyleEvent value) {
    onGetContentStyle_ = std::move(value);
    if (TcxCustomGridView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxCustomGridTableViewStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxCustomGridViewStyles::GetDefaultViewParams(index, data, params);
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    auto colours = [&](TColor colour, TColor textColour) {
        params.Color = colour;
        params.TextColor = textColour;
    };
    const TColor contentText = painter ? painter->DefaultContentTextColor() : clWindowText;
    switch (index) {
    case vsContent:
        if (auto* record = dynamic_cast<TcxCustomGridRecord*>(static_cast<TObject*>(data))) {
            GetDefaultViewParams(IsOddRecord(record) ? vsContentOdd : vsContentEven, data, params);
            return;
        }
        colours(painter ? painter->DefaultContentColor() : clWindow, contentText);
        break;
    case vsContentEven:
        colours(painter ? painter->DefaultContentEvenColor() : clWindow, contentText);
        break;
    case vsContentOdd:
        colours(painter ? painter->DefaultContentOddColor() : clWindow, contentText);
        break;
    case vsFilterBox:
        colours(painter ? painter->DefaultFilterBoxColor() : clBtnShadow,
                painter ? painter->DefaultFilterBoxTextColor() : clBtnHighlight);
        break;
    case vsInactive:
    case vsSelection: {
        // The cell gives the font and whatever else the selection does not replace.
        if (auto* pos = dynamic_cast<TcxGridCellPos*>(static_cast<TObject*>(data)))
            GetCellParams(pos->GridRecord, pos->Item, params);
        if (index == vsInactive)
            colours(painter ? painter->DefaultInactiveColor() : clBtnFace,
                    painter ? painter->DefaultInactiveTextColor() : clBtnText);
        else
            colours(painter ? painter->DefaultSelectionColor() : clHighlight,
                    painter ? painter->DefaultSelectionTextColor() : clHighlightText);
        break;
    }
    case vsIncSearch:
        colours(clDefault, clDefault);
        break;
    default:
        break;
    }
}

void TcxCustomGridTableViewStyles::GetContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                    TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (record && onGetContentStyle_) onGetContentStyle_(GetGridTableView(), record, item, style);
    const int parityIndex = record && IsOddRecord(record) ? vsContentOdd : vsContentEven;
    if (record && GetStyle(parityIndex)) {
        TcxGridDataCellPos pos(record, item);
        GetViewParams(parityIndex, static_cast<TObject*>(&pos), style, params);
    } else {
        GetViewParams(vsContent, static_cast<TObject*>(record), style, params);
    }
}

void TcxCustomGridTableViewStyles::GetDataCellParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                     TcxPartParams& params) {
    // Items have no style set of their own yet: their content falls back to the view's.
    if (item)
        GetContentParams(record, item, params);
    else
        GetRecordContentParams(record, item, params);
}

void TcxCustomGridTableViewStyles::GetDataCellViewParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                         TcxGridTableCellViewInfo* cellViewInfo, bool useViewInfo,
                                                         TcxPartParams& params) {
    TcxCustomGridTableView* view = GetGridTableView();
    const bool selected = useViewInfo ? cellViewInfo && cellViewInfo->GetSelected()
                                      : view && view->DrawCellSelected(record, item, nullptr, false);
    if (selected)
        GetSelectionParams(record, item, params);
    else
        GetDataCellParams(record, item, params);
}

void TcxCustomGridTableViewStyles::GetCellParams(TcxCustomGridRecord* record, TObject* object, TcxPartParams& params) {
    if (object && !dynamic_cast<TcxCustomGridTableItem*>(object)) return;
    GetDataCellParams(record, static_cast<TcxCustomGridTableItem*>(object), params);
}

void TcxCustomGridTableViewStyles::GetRecordContentParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                          TcxPartParams& params) {
    GetContentParams(record, item, params);
}

void TcxCustomGridTableViewStyles::GetSelectionParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item,
                                                      TcxPartParams& params) {
    TcxCustomGridTableView* view = GetGridTableView();
    const int index = view && view->DrawRecordActive(record) ? vsSelection : vsInactive;
    if (record) {
        TcxGridCellPos pos(record, item);
        GetViewParams(index, static_cast<TObject*>(&pos), nullptr, params);
    } else {
        GetViewParams(index, nullptr, nullptr, params);
    }
    params.Bitmap = nullptr;
}

} // namespace zorvy
