#pragma once
// The rows of the filter control's tree: a group row (boolean operator over its child rows) and a
// condition row (item, operator, values), each laying out its own parts and answering what lies at
// a point. The control owns the root group; a group owns its children.
#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/foundation/painters/Painter.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomEditData;
class TcxCustomEditProperties;
class TcxCustomEditViewInfo;
class TcxCustomFilterControl;
class TcxConditionViewInfo;
class TcxCustomFilterCriteriaItem;
class TcxFilterCriteriaItem;
class TcxGroupViewInfo;

// What a point or the focus names: kinds 0..7.
enum TcxFilterControlHitTest : std::uint8_t {
    fhtNone, fhtButton, fhtBoolOperator, fhtItem, fhtOperator, fhtValue, fhtAddCondition, fhtAddValue
};

class TcxCustomRowViewInfo;

struct TcxFilterControlHitInfo {
    TcxFilterControlHitTest HitTest = fhtNone;
    TPoint Point{};
    TShiftState Shift = 0;
    TcxCustomRowViewInfo* Row = nullptr;
    int ValueIndex = -1;
};

class TcxCustomRowViewInfo {
  public:
    // Appends itself to the parent's children.
    TcxCustomRowViewInfo(TcxCustomFilterControl* control, TcxCustomFilterCriteriaItem* criteriaItem,
                         TcxGroupViewInfo* parent);
    // Leaves the parent's children.
    virtual ~TcxCustomRowViewInfo();
    TcxCustomRowViewInfo(const TcxCustomRowViewInfo&) = delete;
    TcxCustomRowViewInfo& operator=(const TcxCustomRowViewInfo&) = delete;

    virtual bool IsGroup() const { return false; }
    virtual int MeasureWidth() const;
    virtual void Calculate(const TRect& rowRect);
    virtual void HitTestAt(TPoint p, TcxFilterControlHitInfo& info);
    virtual bool IsReady() const { return true; }

    TcxCustomFilterControl* GetControl() const { return control_; }
    TcxCustomFilterCriteriaItem* GetCriteriaItem() const { return criteriaItem_; }
    TcxGroupViewInfo* GetParent() const { return parent_; }
    int GetLevel() const { return level_; }
    int GetIndent() const { return indent_; }
    const TRect& GetRowRect() const { return rowRect_; }
    const TRect& GetButtonRect() const { return buttonRect_; }
    const std::string& GetButtonText() const { return buttonText_; }
    TcxButtonState GetButtonState() const { return buttonState_; }
    bool IsLast() const; // the last child of its parent

  protected:
    // A part of the given size, vertically centred in the row, from left.
    TRect CenteredPart(int left, int width, int height) const;
    // Text extent in a font plus 2 in both directions, centred, from left.
    TRect TextPart(int left, const std::string& text, TFont* font) const;
    int ButtonWidth() const;

  private:
    friend class TcxGroupViewInfo;
    std::string buttonText_;
    TRect buttonRect_{};
    TcxButtonState buttonState_ = cxbsNormal;
    TcxCustomFilterControl* control_;
    TcxCustomFilterCriteriaItem* criteriaItem_;
    int level_ = 0;
    int indent_ = 0;
    TcxGroupViewInfo* parent_;
    TRect rowRect_{};
};

class TcxGroupViewInfo : public TcxCustomRowViewInfo {
  public:
    TcxGroupViewInfo(TcxCustomFilterControl* control, TcxCustomFilterCriteriaItem* criteriaItem,
                     TcxGroupViewInfo* parent);
    ~TcxGroupViewInfo() override; // frees the children first

    bool IsGroup() const override { return true; }
    int MeasureWidth() const override;
    void Calculate(const TRect& rowRect) override;
    void HitTestAt(TPoint p, TcxFilterControlHitInfo& info) override;

    std::uint8_t BoolOperator = 0; // 0 AND, 1 OR, 2 NOT AND, 3 NOT OR
    const TRect& GetBoolOperatorRect() const { return boolOperatorRect_; }
    const std::string& GetBoolOperatorText() const { return boolOperatorText_; }
    const TRect& GetCaptionRect() const { return captionRect_; }
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    int GetCount() const { return static_cast<int>(rows_.size()); }
    TcxCustomRowViewInfo* GetRow(int index) const { return rows_[static_cast<size_t>(index)]; }
    int IndexOf(const TcxCustomRowViewInfo* row) const;
    // Frees every child row.
    void ClearRows();

  private:
    friend class TcxCustomRowViewInfo;
    std::string boolOperatorText_;
    TRect boolOperatorRect_{};
    std::string caption_;
    TRect captionRect_{};
    std::vector<TcxCustomRowViewInfo*> rows_;
};

struct TcxValueInfo {
    Variant Value = Null();
    std::string ValueText;
    TRect ValueRect{};
    std::unique_ptr<TcxCustomEditViewInfo> ViewInfo; // how the value paints itself
    TcxValueInfo();
    ~TcxValueInfo();
};

class TcxValuesViewInfo {
  public:
    explicit TcxValuesViewInfo(TcxConditionViewInfo* condition) : condition_(condition) {}
    void Calculate();
    void HitTestAt(TPoint p, TcxFilterControlHitInfo& info);

    int GetCount() const { return static_cast<int>(values_.size()); }
    TcxValueInfo* GetValue(int index) const { return values_[static_cast<size_t>(index)].get(); }
    TcxValueInfo* AddValue();
    void DeleteValue(int index);
    void Clear() { values_.clear(); }
    void Truncate(int count);
    const TRect& GetAddButtonRect() const { return addButtonRect_; }
    TcxButtonState GetAddButtonState() const { return addButtonState_; }
    const std::string& GetSeparator() const { return separator_; }

  private:
    TRect addButtonRect_{};
    TcxButtonState addButtonState_ = cxbsNormal;
    TcxConditionViewInfo* condition_;
    std::vector<std::unique_ptr<TcxValueInfo>> values_;
    std::string separator_;
};

class TcxConditionViewInfo : public TcxCustomRowViewInfo {
  public:
    // Built from a criteria condition (rejecting one whose item the link lacks), or, without one,
    // on the default item.
    TcxConditionViewInfo(TcxCustomFilterControl* control, TcxFilterCriteriaItem* criteriaItem,
                         TcxGroupViewInfo* parent);
    ~TcxConditionViewInfo() override;

    int MeasureWidth() const override;
    void Calculate(const TRect& rowRect) override;
    void HitTestAt(TPoint p, TcxFilterControlHitInfo& info) override;
    bool IsReady() const override { return !itemText_.empty() && !operatorText_.empty(); }

    // The operator shows values: not the blank tests and not the date operators.
    bool HasValues() const;
    // The editor kind of the item: its filter helper, filter properties and supported operators.
    void InitEditorData();
    // -1 chooses the default item.
    void SetItemIndex(int index);
    // Fits the values to the operator; keep holds on to those that fit.
    void AdjustValues(bool keep);
    // The item's own properties, else the control's default text properties.
    TcxCustomEditProperties* GetItemProperties() const;

    TcxFilterControlOperator Operator = fcoNone;
    const std::string& GetOperatorText() const { return operatorText_; }
    const TRect& GetOperatorRect() const { return operatorRect_; }
    int GetItemIndex() const { return itemIndex_; }
    TObject* GetItemLink() const { return itemLink_; }
    const std::string& GetItemText() const { return itemText_; }
    const TRect& GetItemRect() const { return itemRect_; }
    TcxFilterEditHelperClass GetEditorHelper() const { return editorHelper_; }
    TcxCustomEditProperties* GetEditorProperties() const { return editorProperties_.get(); }
    TcxFilterControlOperators GetSupportedOperators() const { return supportedOperators_; }
    TcxValueTypeClass GetValueType() const { return valueType_; }
    TcxValuesViewInfo* GetValues() { return &values_; }
    TcxCustomEditData*& EditData() { return editData_; }

  private:
    void SetOperatorTextFromCode();
    TcxFilterEditHelperClass editorHelper_ = nullptr;
    std::unique_ptr<TcxCustomEditProperties> editorProperties_;
    TcxCustomEditData* editData_ = nullptr;
    int itemIndex_ = -1;
    TObject* itemLink_ = nullptr;
    TRect itemRect_{};
    std::string itemText_;
    TRect operatorRect_{};
    std::string operatorText_;
    TcxFilterControlOperators supportedOperators_ = 0;
    TcxValuesViewInfo values_{this};
    TcxValueTypeClass valueType_ = nullptr;
};

} // namespace zorvy
