#pragma once
// Actions: a command with its caption, check, enabled and visible states and its handler, shared by
// the controls linked to it. A link keeps a client in step with its action and runs the action for it.
#include "platform/rtl/Components.h"
#include "platform/classlib/ControlTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace zorvy {

class TBasicActionLink;
class TControl;
class TCustomActionList;
class TCustomImageList;

class TBasicAction : public TComponent {
    ZORVY_CLASS(TBasicAction, TComponent)
  public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;
    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    // The control that ran the action last.
    TComponent* ActionComponent = nullptr;
    // Runs OnExecute; answers whether there was one to run.
    virtual bool Execute();
    // Runs OnUpdate; answers whether there was one to run.
    virtual bool Update();
    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);

  protected:
    // Tells every link that the action changed.
    void Change();
    std::vector<TBasicActionLink*> clients_;
};

class TCustomAction : public TBasicAction {
    ZORVY_CLASS(TCustomAction, TBasicAction)
  public:
    using TBasicAction::TBasicAction;
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool GetChecked() const { return checked_; }
    void SetChecked(bool value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // The list the action belongs to, whose images its ImageIndex counts in; nil for none.
    TCustomActionList* GetActionList() const { return actionList_; }
    void SetActionList(TCustomActionList* value);
    // Checking an action of a group (GroupIndex > 0) unchecks the other actions of that group with
    // the same owner.
    int GroupIndex = 0;
    // Executing toggles Checked first.
    bool AutoCheck = false;
    std::uint16_t ShortCut = 0;
    bool Execute() override;

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TCustomActionList* actionList_ = nullptr;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    int imageIndex_ = -1;
};

class TAction : public TCustomAction {
    ZORVY_CLASS(TAction, TCustomAction)
  public:
    using TCustomAction::TCustomAction;
};

// A list of actions sharing one image list.
class TCustomActionList : public TComponent {
    ZORVY_CLASS(TCustomActionList, TComponent)
  public:
    using TComponent::TComponent;
    TCustomImageList* GetImages() const { return images_; }
    void SetImages(TCustomImageList* value);

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
    ZORVY_CLASS(TActionList, TCustomActionList)
  public:
    using TCustomActionList::TCustomActionList;
};

class TBasicActionLink : public TObject {
    ZORVY_CLASS(TBasicActionLink, TObject)
  public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;
    TBasicAction* GetAction() const { return action_; }
    void SetAction(TBasicAction* action);
    // Runs the action for component (its ActionComponent meanwhile).
    virtual bool Execute(TComponent* component = nullptr);
    virtual bool Update();
    // The action changed; runs OnChange.
    virtual void Change();
    std::function<void(TBasicAction* action)> OnChange;

  private:
    TBasicAction* action_ = nullptr;
};

// The link of a client with the states of a TCustomAction: each state is linked while the client
// still shows the action's value, and a change of the action reaches the linked states only.
class TActionLink : public TBasicActionLink {
    ZORVY_CLASS(TActionLink, TBasicActionLink)
  public:
    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const;
    virtual bool IsEnabledLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsVisibleLinked() const;
    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetVisible(bool) {}

  protected:
    TCustomAction* CustomAction() const;
};

class TControlActionLink : public TActionLink {
    ZORVY_CLASS(TControlActionLink, TActionLink)
  public:
    explicit TControlActionLink(TControl* client) : client_(client) {}
    TControl* GetClient() const { return client_; }
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    void SetCaption(const std::string& value) override;
    void SetEnabled(bool value) override;
    void SetHint(const std::string& value) override;
    void SetVisible(bool value) override;

  protected:
    TControl* client_;
};

class TWinControlActionLink : public TControlActionLink {
    ZORVY_CLASS(TWinControlActionLink, TControlActionLink)
  public:
    using TControlActionLink::TControlActionLink;
};

} // namespace zorvy
