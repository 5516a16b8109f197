#pragma once
// The editing controller of a table view: at most one in-place editor, taken from a cache of hidden
// editors (one per editor properties), placed over the focused record's cell of the editing item,
// loaded with the cell's value, writing its value back and hidden again. The editor's notices are
// routed to the view's events, and the keys it does not use reach the table controller.
#include "controls/editors/framework/InplaceEditList.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <map>
#include <memory>

namespace zorvy {

class TcxCustomEdit;
class TcxCustomEditData;
class TcxCustomEditProperties;
class TcxCustomGridTableController;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxTimer;

class TcxGridEditingController : public TObject {
    ZORVY_CLASS(TcxGridEditingController, TObject)
  public:
    using TCreateOwner = TcxCustomGridTableController;
    explicit TcxGridEditingController(TcxCustomGridTableController* controller);
    // Stops the timer; the cache frees its editors.
    ~TcxGridEditingController() override;
    TcxCustomGridTableController* GetController() const { return controller_; }
    TcxCustomGridTableView* GetGridView() const;
    TcxCustomEdit* GetEdit() const { return edit_; }
    TcxInplaceEditList* GetEditList() const { return editList_.get(); }
    TcxCustomGridTableItem* GetEditingItem() const { return editingItem_; }
    // An item starts editing when it can edit the focused cell and OnEditing allows it; it gets the
    // focus first and its editor is prepared. nil ends editing.
    void SetEditingItem(TcxCustomGridTableItem* value);
    bool IsEditing() const { return editingItem_ != nullptr; }
    bool IsEditingItemSetting() const { return editingItemSetting_; }
    bool IsEditHiding() const { return editHiding_; }
    bool IsErrorOnEditExit() const { return errorOnEditExit_; }
    // Drops the editing item without any event (the view or the item is going).
    void DropEditingItem();

    // ---- showing and hiding ----
    // Makes the item editing and readies its editor over the cell; false when no editor came.
    virtual bool PrepareEdit(TcxCustomGridTableItem* item, bool byMouse);
    // nil: the controller's focused item.
    void ShowEdit(TcxCustomGridTableItem* item);
    void ShowEditAndSendChar(TcxCustomGridTableItem* item, char32_t ch);
    void ShowEditAndMouseDown(TcxCustomGridTableItem* item, TShiftState shift, int x, int y);
    // Hides the editor when the edited cell is not laid out, else shows it on the focused item.
    void ShowOrHideEdit();
    // Accepting: the editor's input is checked first (invalid input stops here with a silent abort,
    // the editor staying open) and the value is posted.
    virtual void HideEdit(bool accept);
    // The properties go away: their cached editor with them.
    virtual void RemoveEdit(TcxCustomEditProperties* properties);

    // ---- placement ----
    void UpdateEditPosition();
    void UpdateEdit();
    void UpdateEditIfNeeded();
    void RequestEditUpdate() { editUpdateNeeded_ = true; }
    // After every layout: an editor whose cell is clipped or not placed moves out of sight (left 30000).
    virtual void VerifyEditPosition();
    virtual void ResetEditPlacement() { editPlaced_ = false; }
    // The bounds of the focused record's cell of the editing item, and whether the view cuts it;
    // false when the cell is not laid out.
    virtual bool GetFocusedCellBounds(TRect& bounds, bool& clipped) const;

    // ---- values ----
    // The cell's value into the editor.
    void UpdateEditValue();
    // The editor's modified value into the data.
    void UpdateValue();
    virtual bool CanUpdateEditValue() const;

    // ---- queries ----
    virtual bool CanInitEditing() const;
    virtual bool IsEditFocusFree() const;
    virtual bool CanHideEditOnExit() const { return true; }
    virtual bool MustHideEditOnRecordChange() const;

    // ---- delayed editor ----
    // Opens the item's editor after the double-click time unless a press comes first.
    void StartEditShowingTimer(TcxCustomGridTableItem* item);
    void StopEditShowingTimer();
    bool IsEditShowingTimerRunning() const { return editShowingTimer_ != nullptr; }

    // ---- the editor's notices ----
    virtual void DoEditKeyDown(std::uint16_t& key, TShiftState shift);
    virtual void EditAfterKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    virtual void HandleEditKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    virtual void HandleEditKeyPress(TObject* sender, char32_t& ch);
    virtual void HandleEditKeyUp(TObject* sender, std::uint16_t& key, TShiftState shift);
    virtual void HandleEditExit(TObject* sender);
    virtual void HandleEditChange(TObject* sender);
    virtual void HandleEditValueChanged(TObject* sender);

  protected:
    virtual void InitEdit();
    virtual void DoneEdit() { ClearEditEvents(); }
    virtual void PostEditingData();
    virtual void AssignEditEvents();
    virtual void ClearEditEvents();
    virtual void EditChanged() {}
    // Where the editor's value comes from and goes to: the edited record's data.
    virtual Variant ReadEditingValue() const;
    virtual void WriteEditingValue(const Variant& value);

  private:
    TcxCustomEditData*& EditDataOf(TcxCustomGridTableItem* item);
    void EditShowingTimerFired();

    TcxCustomGridTableController* controller_;
    TcxCustomEdit* edit_ = nullptr; // the cache's
    std::unique_ptr<TcxInplaceEditList> editList_;
    TcxCustomGridTableItem* editingItem_ = nullptr;
    std::map<TcxCustomGridTableItem*, TcxCustomEditData*> editData_; // owned
    bool editingItemSetting_ = false;
    bool editPreparing_ = false;
    bool editHiding_ = false;
    bool initiatingEditing_ = false;
    bool editPlaced_ = false;
    bool editUpdateNeeded_ = false;
    bool errorOnEditExit_ = false;
    std::unique_ptr<TcxTimer> editShowingTimer_;
    TcxCustomGridTableItem* editShowingItem_ = nullptr;
    TNotifyEvent prevPropertiesChange_;
    TNotifyEvent prevPropertiesValueChanged_;
};

} // namespace zorvy
