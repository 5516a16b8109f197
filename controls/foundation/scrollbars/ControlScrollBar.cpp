#include "controls/foundation/scrollbars/ControlScrollBar.h"

namespace zorvy {

TcxControlScrollBar::TcxControlScrollBar(TComponent* owner) : TcxScrollBar(owner) {
    SetColor(clBtnFace);
    ControlStyle = (ControlStyle & ~csFramed) | csNoDesignVisible;
    SetTabStop(false);
    SetVisible(false);
    // It always looks like its control.
    if (auto* control = dynamic_cast<TcxControl*>(owner)) GetLookAndFeel()->SetMaster(control->GetLookAndFeel());
}

void TcxControlScrollBar::ApplyPendingParams() {
    if (Pending.Visible) {
        SetScrollParams(Pending.Min, Pending.Max, Pending.Position, Pending.Page, true);
        SmallChange = Pending.SmallChange;
        LargeChange = Pending.LargeChange;
    }
    SetEnabled(Pending.Enabled);
    SetShown(Pending.Visible);
}

void TcxControlScrollBar::FocusParentOnClick() {
    TWinControl* parent = GetParent();
    if (auto* control = dynamic_cast<TcxControl*>(parent)) {
        if (control->FocusesOnScrollBarClick()) control->SetFocus();
    } else if (parent && parent->CanFocus()) {
        parent->SetFocus();
    }
}

void TcxControlScrollBar::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) {
        TWeakLink<TcxControlScrollBar> self(this);
        FocusParentOnClick();
        if (!self) return;
    }
    TcxScrollBar::WndProc(m);
}

void TcxControlScrollBar::Dispatch(TMessage& m) {
    if (m.Msg == CM_DESIGNHITTEST)
        m.Result = 1; // the designer never selects the bar
    else
        TcxScrollBar::Dispatch(m);
}

TcxSizeGrip::TcxSizeGrip(TComponent* owner) : TCustomControl(owner) {
    SetColor(clBtnFace);
    ControlStyle |= csNoDesignVisible;
}

void TcxSizeGrip::Paint() {
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->FillRect(GetClientRect());
}

} // namespace zorvy
