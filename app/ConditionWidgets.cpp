#include "app/ConditionWidgets.h"
#include "platform/win/VirtualKeys.h"

#include <string>
#include <vector>

namespace zorvy {

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return control;
}

} // namespace

TConditionCheckBox* NewConditionCheckBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds) {
    auto* box = Place<TConditionCheckBox>(owner, parent, name, bounds);
    box->SetCaption(caption);
    // The box keeps the height it needs: centred in its row, its caption lines up with the edit's text.
    box->SetTop(bounds.Top + (bounds.Height() - box->GetHeight()) / 2);
    return box;
}

TConditionEdit* NewConditionEdit(TComponent* owner, TWinControl* parent, const std::string& name,
                                 const TRect& bounds) {
    auto* edit = Place<TConditionEdit>(owner, parent, name, bounds);
    TcxButtonEditProperties* properties = edit->GetButtonEditProperties();
    properties->SetReadOnly(false);
    std::vector<std::string> items;
    for (char digit = '0'; digit <= '8'; ++digit)
        items.emplace_back(1, digit);
    properties->SetLookupItems(items);
    edit->SetText("");
    edit->SetEnabled(false);
    // The text belongs to the check box beside it, not to a stored value that Escape could bring back:
    // what was typed is the condition and stays.
    edit->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) {
        if (key == VK_ESCAPE) key = 0;
    };
    return edit;
}

TConditionGroupBox* NewConditionGroupBox(TComponent* owner, TWinControl* parent, const std::string& name,
                                         const std::string& caption, const TRect& bounds) {
    auto* box = Place<TConditionGroupBox>(owner, parent, name, bounds);
    box->SetCaption(caption);
    return box;
}

} // namespace zorvy
