#include "controls/editors/text/TextEdit.h"

#include "platform/win/VirtualKeys.h"

namespace zorvy {

const TMetaClass* TcxCustomTextEditProperties::GetEditControlClass() const {
    return TcxTextEdit::StaticClass();
}

TcxCustomEdit* TcxCustomTextEditProperties::CreateEditControl(bool inplace) const {
    return new TcxTextEdit(nullptr, inplace, ClassType());
}

void TcxCustomTextEditProperties::SetMaxLength(int value) {
    if (value < 0) value = 0;
    if (maxLength_ == value) return;
    maxLength_ = value;
    Changed();
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), inner_(new TcxCustomInnerTextEdit(this)) {
    inner_->SetParent(this);
    SetInnerEdit(inner_);
    // The inner edit takes Tab itself (and hands it back), so the editor need not want it.
    if (inplace) SetWantedKeys(wkAllKeys | wkArrowKeys);
    ApplyPropertiesChange(GetEffectiveProperties());
}

void TcxCustomTextEdit::ShowDisplayValue(const Variant& value) {
    inner_->SetText(VarToStr(value));
}

void TcxCustomTextEdit::ShowEditValue() {
    inner_->SetText(VarToStr(GetEditValue()));
}

bool TcxCustomTextEdit::IsEditingKey(std::uint16_t key, TShiftState) const {
    return key == VK_DELETE || key == VK_BACK;
}

void TcxCustomTextEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomEdit::ApplyPropertiesChange(properties);
    // One unit for the limit: the native edit counts characters, like the editor.
    inner_->SetMaxLength(GetTextProperties()->GetMaxLength());
}

} // namespace zorvy
