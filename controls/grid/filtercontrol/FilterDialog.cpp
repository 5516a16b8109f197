// The Custom Filter dialog: its form, loading the item's conditions, checking the typed values on
// OK and writing the conditions back; and RequiresFilterBuilder.
#include "controls/grid/filtercontrol/FilterDialog.h"

#include "controls/data/FilterCriteria.h"
#include "controls/data/Variants.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/groups/RadioButton.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Shapes.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {

template <class T> T* Place(TcxFilterDialog* form, const std::string& name, int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

bool IsLikeCode(int code) {
    return code == fcoLike || code == fcoNotLike;
}

bool IsSimpleOperator(TcxFilterOperatorCode op) {
    return op <= ocNotLike;
}

} // namespace

TcxFilterDialog::TcxFilterDialog(TcxFilterCriteria* criteria, TFont* font, TcxLookAndFeel* lookAndFeel,
                                 TcxValueTypeClass valueType, const std::string& itemCaption,
                                 TcxCustomEditProperties* properties, TObject* itemLink)
    : TForm(Application), criteria_(criteria), itemLink_(itemLink), properties_(properties), valueType_(valueType) {
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientWidth(414);
    SetClientHeight(175);
    lblTitle = Place<TLabel>(this, "lblTitle", 8, 8, 200, 13);
    bvlLine = Place<TBevel>(this, "bvlLine", 8, 34, 396, 4);
    bvlLine->SetShape(bsTopLine);
    lblColumnCaption = Place<TLabel>(this, "lblColumnCaption", 8, 27, 100, 13);
    cbOperator1 = Place<TcxComboBox>(this, "cbOperator1", 8, 46, 193, 21);
    cbOperator1->GetProperties()->SetDropDownListStyle(lsFixedList);
    cbOperator1->SetTabOrder(0);
    lblEdit1PlaceHolder = Place<TLabel>(this, "lblEdit1PlaceHolder", 208, 46, 193, 21);
    lblEdit1PlaceHolder->SetVisible(false);
    rbAnd = Place<TcxRadioButton>(this, "rbAnd", 56, 74, 60, 17);
    rbAnd->SetChecked(true);
    rbAnd->SetTag(1);
    rbOr = Place<TcxRadioButton>(this, "rbOr", 120, 74, 65, 17);
    rbOr->SetTag(1);
    cbOperator2 = Place<TcxComboBox>(this, "cbOperator2", 8, 96, 193, 21);
    cbOperator2->GetProperties()->SetDropDownListStyle(lsFixedList);
    cbOperator2->SetTabOrder(3);
    lblEdit2PlaceHolder = Place<TLabel>(this, "lblEdit2PlaceHolder", 208, 96, 193, 21);
    lblEdit2PlaceHolder->SetVisible(false);
    lblSingle = Place<TLabel>(this, "lblSingle", 8, 134, 230, 13);
    lblSeries = Place<TLabel>(this, "lblSeries", 8, 153, 230, 13);
    btnOK = Place<TcxButton>(this, "btnOK", 248, 144, 75, 23);
    btnOK->SetDefault(true);
    btnOK->ModalResult = mrOk;
    btnOK->SetTabOrder(4);
    btnCancel = Place<TcxButton>(this, "btnCancel", 330, 144, 75, 23);
    btnCancel->Cancel = true;
    btnCancel->ModalResult = mrCancel;
    btnCancel->SetTabOrder(5);
    OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    cbOperator1->GetProperties()->OnChange = [this](TObject* sender) { cbOperator1Click(sender); };
    cbOperator2->GetProperties()->OnChange = [this](TObject* sender) { cbOperator2PropertiesChange(sender); };

    helper_ = properties ? GetFilterEditHelperRegistry()->LookupHelperClass(properties->ClassType()) : nullptr;
    SetCaption(ResolveResourceString(cxSFilterDialogCaption));
    InitControls(itemCaption);
    if (lookAndFeel) SetLookAndFeel(lookAndFeel);
    if (font) ScaleFormToFont(this, font);
    SetActiveControl(cbOperator1);
    LoadFromCriteria();
}

TcxFilterDialog::~TcxFilterDialog() = default;

TcxComboBox* TcxFilterDialog::GetOperatorCombo(TcxCustomEdit* editor) {
    return editor == edit1_ ? cbOperator1 : cbOperator2;
}

TcxFilterControlOperators TcxFilterDialog::GetSupportedOperators() {
    TcxFilterControlOperators operators = FilterEditHelper(helper_)->GetAllowedOperators(properties_, valueType_, false);
    if (!criteria_->SupportedLike) operators &= ~(FilterOperatorBit(fcoLike) | FilterOperatorBit(fcoNotLike));
    return operators;
}

void TcxFilterDialog::InitControls(const std::string& itemCaption) {
    lblTitle->SetCaption(ResolveResourceString(cxSFilterDialogRows));
    lblColumnCaption->SetCaption(itemCaption + " ");
    lblColumnCaption->SetTransparent(false);
    rbAnd->SetCaption(ResolveResourceString(cxSFilterDialogOperationAnd));
    rbOr->SetCaption(ResolveResourceString(cxSFilterDialogOperationOr));
    const std::string use = ResolveResourceString(cxSFilterDialogUse);
    lblSingle->SetCaption(use + " " + criteria_->GetUnderscoreWildcard() + " " +
                          ResolveResourceString(cxSFilterDialogSingleCharacter));
    lblSeries->SetCaption(use + " " + criteria_->GetPercentWildcard() + " " +
                          ResolveResourceString(cxSFilterDialogCharactersSeries));
    btnOK->SetCaption(ResolveResourceString(cxSFilterControlDialogActionOkCaption));
    btnCancel->SetCaption(ResolveResourceString(cxSFilterControlDialogActionCancelCaption));

    const TcxFilterControlOperators operators = GetSupportedOperators();
    std::vector<std::string> texts;
    codes1_.clear();
    for (int code = fcoEqual; code <= fcoInFuture; ++code)
        if (operators & FilterOperatorBit(code)) {
            texts.push_back(GetFilterOperatorText(code));
            codes1_.push_back(code);
        }
    cbOperator1->GetProperties()->SetItems(texts);
    cbOperator1->GetProperties()->SetDropDownRows(static_cast<int>(texts.size()));
    texts.insert(texts.begin(), std::string());
    codes2_ = codes1_;
    codes2_.insert(codes2_.begin(), 0);
    cbOperator2->GetProperties()->SetItems(texts);
    cbOperator2->GetProperties()->SetDropDownRows(static_cast<int>(texts.size()));

    if (!helper_) return;
    edit1_ = AcquireFilterEditor(helper_, properties_, nullptr);
    edit2_ = AcquireFilterEditor(helper_, properties_, nullptr);
    for (auto [edit, holder, order] : {std::tuple{edit1_, lblEdit1PlaceHolder, 1}, std::tuple{edit2_, lblEdit2PlaceHolder, 4}}) {
        if (!edit) continue;
        InsertComponent(edit);
        edit->SetParent(this);
        edit->SetBounds(holder->GetLeft(), holder->GetTop(), holder->GetWidth(), holder->GetHeight());
        edit->SetTabOrder(order);
    }
    rbAnd->SetTabOrder(2);
}

void TcxFilterDialog::SetLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    for (TcxCustomEdit* edit : {static_cast<TcxCustomEdit*>(cbOperator1), edit1_,
                                static_cast<TcxCustomEdit*>(cbOperator2), edit2_})
        if (edit) edit->GetStyle()->GetLookAndFeel()->SetMaster(lookAndFeel);
    for (TcxButton* button : {btnOK, btnCancel}) button->GetLookAndFeel()->SetMaster(lookAndFeel);
    for (TcxRadioButton* button : {rbAnd, rbOr}) button->GetLookAndFeel()->SetMaster(lookAndFeel);
}

int TcxFilterDialog::SelectedOperator(TcxComboBox* combo) const {
    const auto& items = combo->GetProperties()->GetItems();
    const auto it = std::find(items.begin(), items.end(), VarToStr(combo->GetEditValue()));
    if (it == items.end()) return 0;
    return CodesOf(combo)[static_cast<size_t>(it - items.begin())];
}

void TcxFilterDialog::SelectOperator(TcxComboBox* combo, int code) {
    const auto& codes = CodesOf(combo);
    const auto it = std::find(codes.begin(), codes.end(), code);
    const std::string text = it == codes.end() ? std::string()
                                               : combo->GetProperties()->GetItems()[size_t(it - codes.begin())];
    combo->SetEditValue(Variant(text));
}

void TcxFilterDialog::ShowCondition(TcxComboBox* combo, TcxCustomEdit* editor, TcxFilterCriteriaItem* item) {
    SelectOperator(combo, CriteriaOperatorToControlOperator(item->GetOperatorKind(), item->IsNullValue(item->GetValue())));
    if (editor) FilterEditHelper(helper_)->PutFilterValue(editor, properties_, item->GetValue());
}

void TcxFilterDialog::LoadFromCriteria() {
    const TcxFilterControlOperators operators = GetSupportedOperators();
    int first = codes1_.empty() ? 0 : codes1_.front();
    if ((operators & FilterOperatorBit(fcoLike)) && valueType_ && valueType_->IsStringType())
        first = fcoLike;
    else if (operators & FilterOperatorBit(fcoEqual))
        first = fcoEqual;
    SelectOperator(cbOperator1, first);
    SelectOperator(cbOperator2, 0);
    if (TcxFilterCriteriaItem* item = criteria_->FindItemForLink(itemLink_)) {
        ShowCondition(cbOperator1, edit1_, item);
        TcxFilterCriteriaItemList* group = item->GetParent();
        if (group != criteria_->GetRoot() && group->GetCount() > 1) {
            rbAnd->SetChecked(group->GetBoolOperatorKind() == goAnd);
            rbOr->SetChecked(group->GetBoolOperatorKind() != goAnd);
            if (auto* second = dynamic_cast<TcxFilterCriteriaItem*>(group->GetItem(1)))
                ShowCondition(cbOperator2, edit2_, second);
        }
    }
    AdjustWildcardChars(edit1_);
    AdjustWildcardChars(edit2_);
    UpdateWildcardHints();
}

void TcxFilterDialog::AdjustWildcardChars(TcxCustomEdit* editor) {
    if (!editor) return;
    auto* text = dynamic_cast<TcxCustomTextEditProperties*>(editor->GetProperties());
    if (!text) return;
    const bool like = IsLikeCode(SelectedOperator(GetOperatorCombo(editor)));
    for (char c : {criteria_->GetUnderscoreWildcard(), criteria_->GetPercentWildcard()})
        text->ExtraAcceptedChars.set(static_cast<unsigned char>(c), like);
}

void TcxFilterDialog::UpdateWildcardHints() {
    const bool like = IsLikeCode(SelectedOperator(cbOperator1)) || IsLikeCode(SelectedOperator(cbOperator2));
    lblSingle->SetVisible(like);
    lblSeries->SetVisible(like);
}

void TcxFilterDialog::cbOperator1Click(TObject*) {
    AdjustWildcardChars(edit1_);
    UpdateWildcardHints();
}

void TcxFilterDialog::cbOperator2PropertiesChange(TObject*) {
    AdjustWildcardChars(edit2_);
    UpdateWildcardHints();
}

void TcxFilterDialog::ReadEditValue(TcxCustomEdit* editor, Variant& value, std::string& text) {
    value = Null();
    text.clear();
    if (!editor) return;
    TcxComboBox* combo = GetOperatorCombo(editor);
    const int code = SelectedOperator(combo);
    if (code != 0) FilterEditHelper(helper_)->GetFilterValueText(editor, properties_, text, value);
    ValidateFilterValue(editor, value, code, helper_, valueType_);
}

void TcxFilterDialog::FormCloseQuery(TObject*, bool& canClose) {
    if (GetModalResult() != mrOk) return;
    // A refused value keeps the dialog open with the error shown; nothing is written.
    canClose = false;
    for (TcxCustomEdit* editor : {edit1_, edit2_})
        if (editor && !editor->ValidateInput(true)) return;
    if (btnOK->CanFocus()) btnOK->SetFocus();
    ReadEditValue(edit1_, value1_, text1_);
    ReadEditValue(edit2_, value2_, text2_);
    canClose = true;
}

void TcxFilterDialog::AddCondition(TcxFilterCriteriaItemList* group, TcxComboBox* combo, std::string text,
                                   const Variant& value) {
    const int code = SelectedOperator(combo);
    if (code == 0) return;
    TcxFilterOperatorCode op;
    Variant stored = value;
    if (code == fcoBlanks || code == fcoNonBlanks) {
        op = code == fcoBlanks ? ocEqual : ocNotEqual;
        stored = Null();
        text = ResolveResourceString(cxSFilterBlankCaption);
    } else {
        if (IsSoftNullValue(value)) text = ResolveResourceString(cxSFilterBlankCaption);
        op = ControlOperatorToCriteriaOperator(code);
    }
    criteria_->AddItem(group, itemLink_, op, stored, text);
}

void TcxFilterDialog::ApplyToCriteria() {
    criteria_->LockChanges();
    try {
        criteria_->GetRoot()->SetBoolOperatorKind(goAnd);
        criteria_->RemoveItemsByItemLink(itemLink_);
        if (SelectedOperator(cbOperator2) != 0) {
            TcxFilterCriteriaItemList* group = criteria_->GetRoot()->AddItemList(rbOr->GetChecked() ? goOr : goAnd);
            AddCondition(group, cbOperator1, text1_, value1_);
            AddCondition(group, cbOperator2, text2_, value2_);
        } else {
            AddCondition(nullptr, cbOperator1, text1_, value1_);
        }
    } catch (...) {
        criteria_->UnlockChanges();
        throw;
    }
    criteria_->UnlockChanges();
}

bool ShowCustomFilterDialog(TcxFilterCriteria* criteria, TObject* itemLink, TcxCustomEditProperties* properties,
                            TFont* font, TcxLookAndFeel* lookAndFeel, TcxValueTypeClass valueType,
                            const std::string& itemCaption) {
    if (!properties || !GetFilterEditHelperRegistry()->LookupHelperClass(properties->ClassType())) return false;
    std::unique_ptr<TcxFilterDialog> dialog(
        new TcxFilterDialog(criteria, font, lookAndFeel, valueType, itemCaption, properties, itemLink));
    const bool ok = dialog->ShowModal() == mrOk;
    if (ok) dialog->ApplyToCriteria();
    return ok;
}

bool RequiresFilterBuilder(TcxFilterCriteria* criteria) {
    TcxFilterCriteriaItemList* root = criteria->GetRoot();
    if (root->GetBoolOperatorKind() != goAnd) return true;
    std::vector<TObject*> used;
    auto unused = [&](TObject* link) { return std::find(used.begin(), used.end(), link) == used.end(); };
    for (int i = 0; i < root->GetCount(); ++i) {
        TcxCustomFilterCriteriaItem* entry = root->GetItem(i);
        if (!entry->IsItemList()) {
            auto* condition = static_cast<TcxFilterCriteriaItem*>(entry);
            if (!IsSimpleOperator(condition->GetOperatorKind()) || !unused(condition->GetItemLink())) return true;
            used.push_back(condition->GetItemLink());
            continue;
        }
        auto* group = static_cast<TcxFilterCriteriaItemList*>(entry);
        if (group->GetCount() != 2 || group->GetBoolOperatorKind() > goOr) return true;
        auto* a = group->GetItem(0)->IsItemList() ? nullptr : static_cast<TcxFilterCriteriaItem*>(group->GetItem(0));
        auto* b = group->GetItem(1)->IsItemList() ? nullptr : static_cast<TcxFilterCriteriaItem*>(group->GetItem(1));
        if (!a || !b || !IsSimpleOperator(a->GetOperatorKind()) || !IsSimpleOperator(b->GetOperatorKind()) ||
            a->GetItemLink() != b->GetItemLink() || !unused(a->GetItemLink()))
            return true;
        used.push_back(a->GetItemLink());
    }
    return false;
}

} // namespace zorvy
