#pragma once
// The Custom Filter dialog: the conditions of one item (column) as at most two operator and value
// pairs joined by AND or OR; and the test of whether a criteria needs the Filter builder instead.
#include "controls/editors/filter/FilterEditHelpers.h"
#include "platform/classlib/Forms.h"

#include <string>

namespace zorvy {

class TBevel;
class TLabel;
class TcxButton;
class TcxComboBox;
class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxFilterCriteria;
class TcxFilterCriteriaItem;
class TcxFilterCriteriaItemList;
class TcxLookAndFeel;
class TcxRadioButton;

class TcxFilterDialog : public TForm {
    ZORVY_CLASS(TcxFilterDialog, TForm)
  public:
    TcxFilterDialog(TcxFilterCriteria* criteria, TFont* font, TcxLookAndFeel* lookAndFeel,
                    TcxValueTypeClass valueType, const std::string& itemCaption,
                    TcxCustomEditProperties* properties, TObject* itemLink);
    ~TcxFilterDialog() override;

    // The combo box of an editor: cbOperator1 for the first, else cbOperator2.
    virtual TcxComboBox* GetOperatorCombo(TcxCustomEdit* editor);
    virtual TcxFilterControlOperators GetSupportedOperators();
    virtual void InitControls(const std::string& itemCaption);
    virtual void LoadFromCriteria();
    virtual void SetLookAndFeel(TcxLookAndFeel* lookAndFeel);
    // Replaces the item's conditions by the dialog's.
    virtual void ApplyToCriteria();
    // The operator chosen in a combo box; 0 for none or the empty first entry of cbOperator2.
    int SelectedOperator(TcxComboBox* combo) const;
    void SelectOperator(TcxComboBox* combo, int code);

    TLabel* lblTitle;
    TBevel* bvlLine;
    TLabel* lblColumnCaption;
    TcxComboBox* cbOperator1;
    TLabel* lblEdit1PlaceHolder;
    TcxRadioButton* rbAnd;
    TcxRadioButton* rbOr;
    TcxComboBox* cbOperator2;
    TLabel* lblEdit2PlaceHolder;
    TLabel* lblSingle;
    TLabel* lblSeries;
    TcxButton* btnOK;
    TcxButton* btnCancel;
    TcxCustomEdit* GetEdit1() const { return edit1_; }
    TcxCustomEdit* GetEdit2() const { return edit2_; }

    // Handlers.
    void FormCloseQuery(TObject* sender, bool& canClose);
    void cbOperator1Click(TObject* sender);
    void cbOperator2PropertiesChange(TObject* sender);

  private:
    void ShowCondition(TcxComboBox* combo, TcxCustomEdit* editor, TcxFilterCriteriaItem* item);
    void AdjustWildcardChars(TcxCustomEdit* editor);
    void UpdateWildcardHints();
    void ReadEditValue(TcxCustomEdit* editor, Variant& value, std::string& text);
    void AddCondition(TcxFilterCriteriaItemList* group, TcxComboBox* combo, std::string text, const Variant& value);
    std::vector<int>& CodesOf(TcxComboBox* combo) { return combo == cbOperator1 ? codes1_ : codes2_; }
    const std::vector<int>& CodesOf(TcxComboBox* combo) const { return combo == cbOperator1 ? codes1_ : codes2_; }

    TcxFilterCriteria* criteria_;
    TObject* itemLink_;
    TcxCustomEditProperties* properties_;
    TcxValueTypeClass valueType_;
    TcxFilterEditHelperClass helper_;
    TcxCustomEdit* edit1_ = nullptr;
    TcxCustomEdit* edit2_ = nullptr;
    Variant value1_, value2_;
    std::string text1_, text2_;
    std::vector<int> codes1_, codes2_; // the operator code of each combo entry
};

// False when no filter helper is registered for the properties' kind; else shows the dialog and
// answers whether it closed with OK (the criteria then holds the item's new conditions).
bool ShowCustomFilterDialog(TcxFilterCriteria* criteria, TObject* itemLink, TcxCustomEditProperties* properties,
                            TFont* font, TcxLookAndFeel* lookAndFeel, TcxValueTypeClass valueType,
                            const std::string& itemCaption);
// The criteria cannot be shown by the Custom Filter dialog.
bool RequiresFilterBuilder(TcxFilterCriteria* criteria);

} // namespace zorvy
