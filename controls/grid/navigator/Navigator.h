#pragma once
// The navigator's model: sixteen buttons (first, prior page, prior, next, next page, last, insert,
// append, delete, edit, post, cancel, refresh, save bookmark, goto bookmark, filter) with their
// enabling rules, hints and images; the interface of the data a navigator moves through
// (IcxNavigator) and of the control that shows one (IcxNavigatorOwner). The layout, painting,
// mouse and hints are in NavigatorViewInfo.h.
#include "platform/classlib/ImageList.h"
#include "platform/rtl/Components.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TCanvas;
class TWinControl;
class TcxLookAndFeel;
class TcxCustomNavigatorButtons;

// The button indexes.
enum TcxNavigatorButtonIndex : int {
    NBDI_FIRST = 0,
    NBDI_PRIORPAGE = 1,
    NBDI_PRIOR = 2,
    NBDI_NEXT = 3,
    NBDI_NEXTPAGE = 4,
    NBDI_LAST = 5,
    NBDI_INSERT = 6,
    NBDI_APPEND = 7,
    NBDI_DELETE = 8,
    NBDI_EDIT = 9,
    NBDI_POST = 10,
    NBDI_CANCEL = 11,
    NBDI_REFRESH = 12,
    NBDI_SAVEBOOKMARK = 13,
    NBDI_GOTOBOOKMARK = 14,
    NBDI_FILTER = 15,
};
constexpr int NavigatorButtonCount = 16;

// The data a navigator works on.
class IcxNavigator {
  public:
    virtual ~IcxNavigator() = default;
    virtual bool CanAppend() = 0;
    virtual bool CanDelete() = 0;
    virtual bool CanEdit() = 0;
    virtual bool CanInsert() = 0;
    virtual bool IsActive() = 0;
    virtual bool IsBof() = 0;
    virtual bool IsBookmarkAvailable() = 0;
    virtual bool IsEditing() = 0;
    virtual bool IsEof() = 0;
    virtual void ClearBookmark() = 0;
    virtual void DoAction(int buttonIndex) = 0;
};

// What NavigatorChanged reports.
enum TcxNavigatorChangeType { nctProperties = 0, nctSize = 1, nctLayout = 2 };

// The control that shows a navigator.
class IcxNavigatorOwner {
  public:
    virtual ~IcxNavigatorOwner() = default;
    virtual void NavigatorChanged(TcxNavigatorChangeType changeType) = 0;
    virtual TRect GetNavigatorBounds() = 0;
    virtual TcxCustomNavigatorButtons* GetNavigatorButtons() = 0;
    virtual TCanvas* GetNavigatorCanvas() = 0;
    virtual TWinControl* GetNavigatorControl() = 0;
    virtual bool GetNavigatorFocused() = 0;
    virtual TcxLookAndFeel* GetNavigatorLookAndFeel() = 0;
    virtual TComponent* GetNavigatorOwner() = 0;
    virtual bool GetNavigatorShowHint() = 0;
    virtual bool GetNavigatorTabStop() = 0;
    virtual void RefreshNavigator() = 0;
    virtual void NavigatorStateChanged() = 0;
};

class TcxNavigatorButton : public TPersistent {
    ZORVY_CLASS(TcxNavigatorButton, TPersistent)
  public:
    TcxNavigatorButton(TcxCustomNavigatorButtons* buttons, int defaultIndex, bool defaultVisible);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    int GetDefaultIndex() const { return defaultIndex_; }
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    // A form stores Visible only once it was assigned: the default differs per button.
    bool IsVisibleStored() const { return visibleAssigned_; }
    const TNotifyEvent& GetOnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent value);

    // The effective values: own and the data's enabling; own hint or the built-in one.
    bool GetInternalEnabled() const;
    std::string GetInternalHint() const;
    // The image list the button's glyph comes from, and its index there.
    TCustomImageList* GetInternalImages() const;
    int GetInternalImageIndex() const;
    TcxCustomNavigatorButtons* GetButtons() const { return buttons_; }

    // Its own handler only when it has one; else OnButtonClick, then the default action.
    void Click();

  private:
    TcxCustomNavigatorButtons* buttons_;
    int defaultIndex_;
    bool enabled_ = true;
    std::string hint_;
    int imageIndex_ = -1;
    bool visibleAssigned_ = false;
    bool visible_;
    TNotifyEvent onClick_;
};

using TcxNavigatorButtonClickEvent = std::function<void(TObject* sender, int buttonIndex, bool& done)>;

class TcxCustomNavigatorButtons : public TPersistent {
    ZORVY_CLASS(TcxCustomNavigatorButtons, TPersistent)
  public:
    explicit TcxCustomNavigatorButtons(IcxNavigatorOwner* navigator);
    ~TcxCustomNavigatorButtons() override;
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    IcxNavigatorOwner* GetNavigator() const { return navigator_; }
    static constexpr int GetButtonCount() { return NavigatorButtonCount; }
    TcxNavigatorButton* GetButton(int index) const { return buttons_.at(static_cast<size_t>(index)).get(); }
    TcxNavigatorButton* First() const { return GetButton(NBDI_FIRST); }
    TcxNavigatorButton* PriorPage() const { return GetButton(NBDI_PRIORPAGE); }
    TcxNavigatorButton* Prior() const { return GetButton(NBDI_PRIOR); }
    TcxNavigatorButton* Next() const { return GetButton(NBDI_NEXT); }
    TcxNavigatorButton* NextPage() const { return GetButton(NBDI_NEXTPAGE); }
    TcxNavigatorButton* Last() const { return GetButton(NBDI_LAST); }
    TcxNavigatorButton* Insert() const { return GetButton(NBDI_INSERT); }
    TcxNavigatorButton* Append() const { return GetButton(NBDI_APPEND); }
    TcxNavigatorButton* Delete() const { return GetButton(NBDI_DELETE); }
    TcxNavigatorButton* Edit() const { return GetButton(NBDI_EDIT); }
    TcxNavigatorButton* Post() const { return GetButton(NBDI_POST); }
    TcxNavigatorButton* Cancel() const { return GetButton(NBDI_CANCEL); }
    TcxNavigatorButton* Refresh() const { return GetButton(NBDI_REFRESH); }
    TcxNavigatorButton* SaveBookmark() const { return GetButton(NBDI_SAVEBOOKMARK); }
    TcxNavigatorButton* GotoBookmark() const { return GetButton(NBDI_GOTOBOOKMARK); }
    TcxNavigatorButton* Filter() const { return GetButton(NBDI_FILTER); }

    // Nil once the list assigned was freed.
    TCustomImageList* GetImages() const { return images_.Get(); }
    void SetImages(TCustomImageList* value);
    bool GetConfirmDelete() const { return confirmDelete_; }
    void SetConfirmDelete(bool value);
    const TcxNavigatorButtonClickEvent& GetOnButtonClick() const { return onButtonClick_; }
    void SetOnButtonClick(TcxNavigatorButtonClickEvent value);

    // The data's part of a button's enabling and its built-in hint.
    virtual bool GetButtonEnabled(int buttonIndex);
    virtual std::string GetButtonHint(int buttonIndex) const;
    virtual int GetButtonImageOffset() const { return 2; }
    virtual void DoButtonClick(int /*buttonIndex*/) {}
    virtual void ReleaseBookmark() {}
    // The data the buttons act on; nil without one (every button is then disabled).
    virtual IcxNavigator* GetNavigatorData() const { return nullptr; }

  private:
    friend class TcxNavigatorButton;
    IcxNavigatorOwner* navigator_;
    std::array<std::unique_ptr<TcxNavigatorButton>, NavigatorButtonCount> buttons_;
    TWeakLink<TCustomImageList> images_;
    std::unique_ptr<TChangeLink> imageChangeLink_;
    bool confirmDelete_ = true;
    TcxNavigatorButtonClickEvent onButtonClick_;
};

// The buttons a grid view publishes as NavigatorButtons: the view hands out its IcxNavigator
// through OnGetNavigator.
class TcxNavigatorControlButtons : public TcxCustomNavigatorButtons {
    ZORVY_CLASS(TcxNavigatorControlButtons, TcxCustomNavigatorButtons)
  public:
    using TcxCustomNavigatorButtons::TcxCustomNavigatorButtons;
    std::function<IcxNavigator*()> OnGetNavigator;
    IcxNavigator* GetNavigatorData() const override { return OnGetNavigator ? OnGetNavigator() : nullptr; }
    // The data's action, then the owner refreshes its buttons.
    void DoButtonClick(int buttonIndex) override;
    void ReleaseBookmark() override;
};

// The navigator owners told when the data state of a grid or view changes.
class TcxNavigatorControlNotifier {
  public:
    void AddNavigator(IcxNavigatorOwner* navigator);
    void RemoveNavigator(IcxNavigatorOwner* navigator);
    void RefreshNavigatorButtons();

  private:
    std::vector<IcxNavigatorOwner*> navigators_;
};

// The image list of the built-in glyphs (image i belongs to button i), made on first use.
TCustomImageList* GetNavigatorDefaultImages();
void FinalizeNavigatorUnit();

} // namespace zorvy
