#pragma once
// TcxCustomInnerListBox: the list box window inside a list container (list boxes, the editors'
// drop-down lists, the grid's filter lists). It does the list work and hands the rest to its
// container: keys, mouse, clicks, drag, wheel and focus go there first, in container coordinates. It
// lays two TcxScrollBar controls over its own system scroll bars on the container, so the
// look-and-feel paints them, and searches its items by a typed prefix.
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/stdctrls/ListBoxes.h"

#include <memory>
#include <string>

namespace zorvy {

class TcxCanvas;
class TcxScrollBar;

class TcxCustomInnerListBox : public TListBox, public IcxContainerInnerControl {
    ZORVY_CLASS(TcxCustomInnerListBox, TListBox)
  public:
    explicit TcxCustomInnerListBox(TComponent* owner);
    ~TcxCustomInnerListBox() override;

    // IcxContainerInnerControl
    TWinControl* GetControl() override { return this; }
    TcxContainer* GetControlContainer() override { return container_.Get(); }
    void SetContainer(TcxContainer* container) { container_ = TWeakLink<TcxContainer>(container); }
    // Inside a container, the container's popup menu.
    TPopupMenu* GetPopupMenuObject() const override;

    // Incremental search by typed prefix; a pause of AutoCompleteDelay milliseconds starts anew.
    bool AutoComplete = true;
    unsigned AutoCompleteDelay = 500;
    const std::string& GetSearchText() const { return searchText_; }

    TcxLookAndFeel* GetLookAndFeel() const { return lookAndFeel_.get(); }
    TcxScrollBar* GetHScrollBar() const { return hScrollBar_; }
    TcxScrollBar* GetVScrollBar() const { return vScrollBar_; }
    TcxCanvas* GetCanvasWrapper() const { return canvasWrapper_.get(); }
    // Lays the own bars over the system bars and gives them the system bars' range.
    virtual void RefreshScrollBars();
    // The square between two shown bars, in window coordinates; empty unless both are shown.
    TRect GetScrollBarCornerRect() const;
    void PaintScrollBarCorner(HDC dc);
    void RememberCanvasColors();
    void RestoreCanvasColors();

  protected:
    virtual void ApplyAutoCompleteKey(char32_t& key);
    virtual void HandleLookAndFeelChange();
    virtual bool DrawsFocusRect() const { return !OnDrawItem; }
    virtual void MouseEntered(TControl*) {}
    virtual void MouseExited(TControl*);

    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void CreateParams(TCreateParams& params) override;
    void DestroyWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Click() override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  private:
    void HandleHorzScroll(TScrollCode code, int& pos);
    void HandleVertScroll(TScrollCode code, int& pos);
    void HandleLButtonDown(TMessage& m);
    void HandleDrawItem(TMessage& m);
    void RefreshScrollBar(TcxScrollBar* bar);
    bool IsDestroying() const { return HasState(csDestroying); }

    std::string searchText_;
    std::unique_ptr<TcxCanvas> canvasWrapper_;
    TcxScrollBar* hScrollBar_ = nullptr;
    bool redrawLocked_ = false;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    TColor rememberedBrushColor_ = clWindow;
    TColor rememberedFontColor_ = clWindowText;
    std::uint64_t lastKeyTime_ = 0;
    bool refreshingScrollBars_ = false;
    int scrollBarLock_ = 0;
    TcxScrollBar* vScrollBar_ = nullptr;
    TWeakLink<TcxContainer> container_;
};

// The first item beginning with text, ignoring case; -1 when none.
int FindListItemByPrefix(TCustomListBox* listBox, const std::string& text);

} // namespace zorvy
