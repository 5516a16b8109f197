// The go dialog: the list of enabled visible tabs, by caption without accelerator marks when sorted,
// shown below the go-dialog button.
#include "controls/pages/GoDialog.h"

#include "controls/pages/TabControl.h"
#include "platform/rtl/StringList.h"

namespace zorvy {
namespace {

// "&" marks are dropped and the character after one is kept as it is ("&&" gives "&").
std::string WithoutAccelMarks(const std::string& caption) {
    std::string result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i >= caption.size()) break;
        }
        result += caption[i];
    }
    return result;
}

} // namespace

TcxPCGoDialog::TcxPCGoDialog(TcxCustomTabControl* owner) : TPopupMenu(owner) {}

TcxCustomTabControl* TcxPCGoDialog::GetTabControl() const {
    return static_cast<TcxCustomTabControl*>(GetOwner());
}

void TcxPCGoDialog::Popup(bool sorted) {
    TcxCustomTabControl* control = GetTabControl();
    TStringList entries;
    TcxTabs* tabs = control->GetTabs();
    for (int v = 0; v < tabs->VisibleCount(); ++v) {
        TcxTab* tab = tabs->GetVisibleTab(v);
        if (tab->IsEnabledNow()) entries.AddObject(WithoutAccelMarks(tab->GetCaption()), tab);
    }
    if (sorted) entries.Sort();
    GetItems()->Clear();
    for (int i = 0; i < entries.GetCount(); ++i) {
        auto* tab = static_cast<TcxTab*>(entries.GetObject(i));
        auto* item = new TMenuItem(this);
        item->Caption = tab->GetCaption();
        item->SetTag(tab->GetIndex());
        item->OnClick = [this](TObject* sender) { DoTabChosen(static_cast<TMenuItem*>(sender)->GetTag()); };
        GetItems()->Add(item);
    }
    TRect button{};
    if (control->GetPainter()) control->GetPainter()->GetGoDialogButtonBounds(button);
    const TPoint at = control->ClientToScreen({button.Left, button.Bottom});
    TPopupMenu::Popup(at.X, at.Y);
}

} // namespace zorvy
