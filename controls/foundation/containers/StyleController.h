#pragma once
// TcxStyleController: a component whose four styles supply the values that the styles following it
// leave unassigned. Many containers share one; every style follows the shared fallback controller
// (set by the editor framework) when no other is given.
#include "controls/foundation/containers/ContainerStyle.h"

#include <vector>

namespace zorvy {

class TcxStyleController : public TComponent {
    ZORVY_CLASS(TcxStyleController, TComponent)
  public:
    explicit TcxStyleController(TComponent* owner, const TcxContainerStyleClass& styleClass = TcxContainerStyle::Class());
    ~TcxStyleController() override;

    TcxContainerStyles* GetStyles() const { return styles_.get(); }
    TcxContainerStyle* GetStyle() const { return styles_->NormalStyle(); }
    // The normal style's own controller (never stored).
    TcxStyleController* GetFakeStyleController() const { return styles_->NormalStyle()->GetStyleController(); }
    bool IsDestroying() const { return destroying_; }

    virtual void AddStyleListener(TcxContainerStyle* style);
    virtual void RemoveStyleListener(TcxContainerStyle* style);
    const std::vector<TcxContainerStyle*>& GetListeners() const { return listeners_; }
    // OnStyleChanged, then every listener from the first to the last.
    void NotifyStyleChanged();
    // Scales the assigned font once in the controller's life, else asks the next controller.
    void ScaleFont(int m, int d);

    TNotifyEvent OnStyleChanged;

  protected:
    void Loaded() override;

  private:
    bool destroying_ = false;
    bool fontScaled_ = false;
    std::vector<TcxContainerStyle*> listeners_;
    std::unique_ptr<TcxContainerStyles> styles_;
};

// The editor framework's default controller while it runs; nil otherwise.
extern TcxStyleController* SharedFallbackStyleController;

} // namespace zorvy
