#include "controls/foundation/containers/StyleController.h"

#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace zorvy {

TcxStyleController* SharedFallbackStyleController = nullptr;

TcxStyleController::TcxStyleController(TComponent* owner, const TcxContainerStyleClass& styleClass)
    : TComponent(owner), styles_(std::make_unique<TcxContainerStyles>(this, styleClass)) {
    styles_->SetChangeHandler([this](TObject*) { NotifyStyleChanged(); });
}

TcxStyleController::~TcxStyleController() {
    destroying_ = true;
    for (TcxContainerStyle* style : std::vector<TcxContainerStyle*>(listeners_.rbegin(), listeners_.rend()))
        style->ControllerDestroying(this);
    styles_.reset();
}

void TcxStyleController::Loaded() {
    TComponent::Loaded();
    NotifyStyleChanged();
}

void TcxStyleController::AddStyleListener(TcxContainerStyle* style) {
    if (!style || std::find(listeners_.begin(), listeners_.end(), style) != listeners_.end()) return;
    listeners_.push_back(style);
    style->GetLookAndFeel()->SetMaster(styles_->NormalStyle()->GetLookAndFeel());
}

void TcxStyleController::RemoveStyleListener(TcxContainerStyle* style) {
    if (std::find(listeners_.begin(), listeners_.end(), style) == listeners_.end()) return;
    std::erase(listeners_, style);
    style->GetLookAndFeel()->SetMaster(nullptr);
}

void TcxStyleController::NotifyStyleChanged() {
    if (OnStyleChanged) OnStyleChanged(this);
    if (destroying_) return;
    // A listener may leave (or a container be freed) while it restyles.
    for (TcxContainerStyle* style : std::vector<TcxContainerStyle*>(listeners_))
        if (std::find(listeners_.begin(), listeners_.end(), style) != listeners_.end())
            style->ControllerStyleChanged(this);
}

void TcxStyleController::ScaleFont(int m, int d) {
    TcxContainerStyle* normal = styles_->NormalStyle();
    if (normal->GetAssignedValues() & StyleValueBit(csvFont)) {
        if (fontScaled_) return;
        fontScaled_ = true;
        normal->GetFont()->SetSize(MulDiv(normal->GetFont()->GetSize(), m, d));
    } else if (TcxStyleController* next = normal->GetStyleController()) {
        next->ScaleFont(m, d);
    }
}

} // namespace zorvy
