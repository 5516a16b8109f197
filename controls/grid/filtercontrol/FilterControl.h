#pragma once
// The filter control: edits a filter criteria as a tree of group and condition rows, which the user
// builds with the mouse and keys; applying writes it into the criteria of the linked component
// (IcxFilterControl). The model, apply, load and save are in FilterControl.cpp; focus, keys, mouse,
// drop-down lists and value editing in FilterControlInput.cpp; layout and painting in
// FilterControlViewInfo.cpp.
#include "controls/foundation/control/Control.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/services/MouseTracking.h"
#include "controls/grid/filtercontrol/FilterControlCriteria.h"
#include "controls/grid/filtercontrol/FilterControlLink.h"
#include "controls/grid/filtercontrol/FilterControlRows.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TPopupMenu;
class TcxComboBox;
class TcxCustomEdit;
class TcxCustomEditStyle;
class TcxFilterControlViewInfo;
class TcxInplaceEditList;
class TcxTextEditProperties;

// What is open over the control: 0 nothing, 1 the row menu, 2 the item list, 3 the boolean-operator
// list, 4 the operator list, 5 a value editor.
enum TcxFilterDropDownKind : std::uint8_t { fddNone, fddRowMenu, fddItemList, fddBoolOperatorList,
                                            fddOperatorList, fddValueEditor };

class TcxCustomFilterControl : public TcxControl, public IcxFormatChangeListener, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxCustomFilterControl, TcxControl)
  public:
    explicit TcxCustomFilterControl(TComponent* owner);
    ~TcxCustomFilterControl() override;

    // ---- the filter ----
    virtual void ApplyFilter();
    virtual void Clear();
    // Reads into scratch criteria first: a stream that does not read leaves the filter as it was.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream);
    // Builds the criteria first; the file is replaced only once the new one is whole.
    void SaveToFile(const std::string& fileName);
    void SaveToStream(TStream& stream);
    virtual std::string GetFilterCaption();
    virtual std::string GetFilterText();
    void BeginUpdate();
    void EndUpdate();
    // Every condition has an item and an operator.
    virtual bool IsValid();
    TcxFilterControlCriteria* GetCriteria() const { return criteria_.get(); }
    virtual IcxFilterControl* GetFilterLink() { return nullptr; }
    bool HasItems();

    // ---- rows ----
    TcxGroupViewInfo* GetRoot() const { return root_.get(); }
    int GetRowCount() const { return static_cast<int>(rows_.size()); }
    TcxCustomRowViewInfo* GetRow(int index) const { return rows_[static_cast<size_t>(index)]; }
    int IndexOfRow(const TcxCustomRowViewInfo* row) const;
    void RebuildFromCriteria();
    // Writes the rows into the control's criteria; an invalid tree leaves them as they were.
    void BuildCriteria();
    void AddCondition(TcxCustomRowViewInfo* row);
    void AddGroup();
    void AddValue();
    void RemoveFocused();
    void RemoveRow();
    void RemoveValue();
    void Refresh();

    // ---- focus and hot part ----
    const TcxFilterControlHitInfo& GetFocusedInfo() const { return focused_; }
    const TcxFilterControlHitInfo& GetHotInfo() const { return hot_; }
    TcxCustomRowViewInfo* GetFocusedRow() const { return focused_.Row; }
    void SetFocusedRow(TcxCustomRowViewInfo* row);
    void SetFocusedPart(TcxFilterControlHitTest kind, int valueIndex = -1);
    void ActivatePart(TcxFilterControlHitTest kind, bool byMouse);
    void FocusNext(bool wrap);
    void FocusPrevious(bool wrap);
    void FocusNextRow(bool wrap);
    void FocusPreviousRow(bool wrap);
    void MakeFocusedVisible();
    bool CanHotTrack();
    // The control or its value editor holds the focus.
    bool IsFocusedOrEditing();
    TcxFilterDropDownKind GetDropDownKind() const { return dropDownKind_; }
    TcxComboBox* GetPartComboBox() const { return comboBox_; }
    TcxCustomEdit* GetValueEditor() const { return valueEditor_; }
    TPopupMenu* GetRowMenu() const { return rowMenu_; }
    // Closes the value editor; with accept the typed value is checked and stored first.
    void EndValueEditing(bool accept);

    // ---- appearance and behaviour ----
    TFont* GetFontBoolOperator() const { return fonts_[0].get(); }
    TFont* GetFontItem() const { return fonts_[1].get(); }
    TFont* GetFontCondition() const { return fonts_[2].get(); }
    TFont* GetFontValue() const { return fonts_[3].get(); }
    bool GetHotTrackOnUnfocused() const { return hotTrackOnUnfocused_; }
    void SetHotTrackOnUnfocused(bool value) { hotTrackOnUnfocused_ = value; }
    const std::string& GetNullString() const { return nullString_; }
    void SetNullString(const std::string& value);
    bool GetShowLevelLines() const { return showLevelLines_; }
    void SetShowLevelLines(bool value);
    bool GetSortItems() const { return sortItems_; }
    void SetSortItems(bool value) { sortItems_ = value; }
    bool GetWantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value);
    int GetTopRow() const { return topRow_; }
    void SetTopRow(int value);
    int GetLeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int value);
    TcxFilterControlViewInfo* GetViewInfo() const { return viewInfo_.get(); }
    TcxCustomEditStyle* GetValueEditStyle() const { return valueEditStyle_.get(); }
    TcxInplaceEditList* GetEditList() const { return editList_.get(); }
    // The texts of the boolean operators 0..3.
    std::string GetBoolOperatorText(int code) const;
    const std::string& GetRootCaption() const { return rootCaption_; }
    const std::string& GetGroupCaption() const { return groupCaption_; }
    TNotifyEvent OnApplyFilter;

    // ---- hooks ----
    virtual void LayoutChanged();
    virtual TcxCustomEditProperties* GetDefaultProperties();
    virtual void ValidateSupportedOperators(TcxFilterControlOperators& operators);
    virtual void AdjustOperatorClass(TcxFilterOperatorClass&) {}
    virtual void RefreshTexts();

    // ---- overrides ----
    void FormatChanged() override { Refresh(); }
    void MouseTrackingLeft() override { MouseExited(nullptr); }
    int GetBorderThickness() const override;
    void Paint() override;

  protected:
    virtual void CreateInternalControls();
    virtual void DestroyInternalControls();
    virtual void FillItemList();
    virtual void FillOperatorList();
    virtual void ShowRowMenu();
    virtual void ShowBoolOperatorList();
    virtual void ShowOperatorList();
    virtual void ShowItemList();
    virtual void StartValueEditing(int activation, char32_t key = 0);

    void AttachChildControls() override;
    void ComputeScrollBarParams() override;
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;
    void FocusStateChanged() override;
    void FontPropertyChanged() override;
    void Resize() override;
    void Loaded() override;
    void CMEnabledChanged(TMessage& m) override;

  private:
    friend class TcxConditionViewInfo;
    void ClearRows();
    void RefillRows();
    void BuildGroupRows(TcxGroupViewInfo* row, TcxFilterCriteriaItemList* group);
    void BuildGroupCriteria(TcxGroupViewInfo* row, TcxFilterCriteriaItemList* group);
    TcxGroupViewInfo* NearestGroup(TcxCustomRowViewInfo* row) const;
    TcxConditionViewInfo* FocusedCondition() const;
    void FocusFirstPart(TcxCustomRowViewInfo* row);
    void FocusLastPart(TcxCustomRowViewInfo* row);
    void AdjustTopRow();
    void AdjustLeftOffset();
    void ShowComboAt(const TRect& r, const std::string& text);
    void ComboCloseUp();
    void ComboExit();
    void PrepareValueEditor();
    void EditorKeyDown(std::uint16_t& key, TShiftState shift);
    void EditorAfterKeyDown(std::uint16_t& key, TShiftState shift);
    void EditorExit();
    void RowMenuClick(TObject* sender);
    void PartFontChanged(TObject*) { Refresh(); }
    void CopyFontToParts();

    TPopupMenu* rowMenu_ = nullptr;
    TcxComboBox* comboBox_ = nullptr;
    std::vector<int> comboCodes_; // the code of each entry of the open list
    std::unique_ptr<TcxFilterControlCriteria> criteria_;
    TcxFilterControlHitInfo focused_;
    std::unique_ptr<TFont> fonts_[4];
    TcxFilterControlHitInfo hot_;
    std::unique_ptr<TcxInplaceEditList> editList_;
    int leftOffset_ = 0;
    int lockCount_ = 0;
    std::unique_ptr<TcxGroupViewInfo> root_;
    std::vector<TcxCustomRowViewInfo*> rows_;
    bool sortItems_ = false;
    TcxFilterDropDownKind dropDownKind_ = fddNone;
    std::unique_ptr<TcxTextEditProperties> defaultProperties_;
    int topRow_ = 0;
    TcxCustomEdit* valueEditor_ = nullptr;
    std::unique_ptr<TcxCustomEditStyle> valueEditStyle_;
    std::unique_ptr<TcxFilterControlViewInfo> viewInfo_;
    bool hotTrackOnUnfocused_ = true;
    std::string nullString_;
    bool showLevelLines_ = true;
    bool wantTabs_ = false;
    bool rejectedValue_ = false;
    bool hadPopupAtKeyDown_ = false;
    std::string rootCaption_;
    std::string groupCaption_;
    std::string boolOperatorTexts_[4];
};

// The filter control of the dialogs: filters LinkComponent when that implements IcxFilterControl.
class TcxFilterControl : public TcxCustomFilterControl, public IcxFilterControlLink {
    ZORVY_CLASS(TcxFilterControl, TcxCustomFilterControl)
  public:
    explicit TcxFilterControl(TComponent* owner) : TcxCustomFilterControl(owner) {}
    ~TcxFilterControl() override;

    TComponent* GetLinkComponent() const { return linkComponent_; }
    // A component that does not implement IcxFilterControl sets nil.
    void SetLinkComponent(TComponent* value) override;
    IcxFilterControl* GetFilterLink() override;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    void UpdateFromLink();
    TComponent* linkComponent_ = nullptr;
};

} // namespace zorvy
