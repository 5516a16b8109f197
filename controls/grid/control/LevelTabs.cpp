// The level tabs' settings: each change relays the grid out; the image list is watched for changes
// and for being freed.
#include "controls/grid/control/LevelTabs.h"

#include "controls/grid/control/Grid.h"
#include "controls/pages/Tabs.h"
#include "platform/classlib/ImageList.h"

namespace zorvy {

TcxGridLevelTabs::TcxGridLevelTabs(TcxCustomGrid* grid)
    : freeNotificator_(std::make_unique<TcxFreeNotificator>(nullptr)),
      imagesChangeLink_(std::make_unique<TChangeLink>()), grid_(grid), slants_(std::make_unique<TcxTabSlants>(this)) {
    freeNotificator_->OnComponentFreed = [this](TObject*, TComponent* component) { FreeNotification(component); };
    imagesChangeLink_->OnChange = [this](TObject*) { Changed(); };
    slants_->OnChange = [this](TObject*) { Changed(); };
}

TcxGridLevelTabs::~TcxGridLevelTabs() {
    if (images_) images_->UnRegisterChanges(imagesChangeLink_.get());
}

TPersistent* TcxGridLevelTabs::GetOwner() const {
    return grid_;
}

void TcxGridLevelTabs::Assign(TPersistent* source) {
    auto* tabs = dynamic_cast<TcxGridLevelTabs*>(source);
    if (!tabs) {
        TPersistent::Assign(source);
        return;
    }
    SetCaptionAlignment(tabs->GetCaptionAlignment());
    SetImageBorder(tabs->GetImageBorder());
    SetImages(tabs->GetImages());
    SetSlants(tabs->GetSlants());
    SetStyle(tabs->GetStyle());
}

void TcxGridLevelTabs::Changed() {
    if (grid_) grid_->SizeChanged();
}

void TcxGridLevelTabs::SetCaptionAlignment(TAlignment value) {
    if (captionAlignment_ == value) return;
    captionAlignment_ = value;
    Changed();
}

void TcxGridLevelTabs::SetImageBorder(int value) {
    if (value < 0) value = 0;
    if (imageBorder_ == value) return;
    imageBorder_ = value;
    Changed();
}

void TcxGridLevelTabs::SetImages(TCustomImageList* value) {
    if (images_ == value) return;
    if (images_) {
        images_->UnRegisterChanges(imagesChangeLink_.get());
        freeNotificator_->Unwatch(images_);
    }
    images_ = value;
    if (images_) {
        images_->RegisterChanges(imagesChangeLink_.get());
        freeNotificator_->Watch(images_);
    }
    Changed();
}

void TcxGridLevelTabs::SetSlants(TcxTabSlants* value) {
    slants_->Assign(value);
}

void TcxGridLevelTabs::SetStyle(TcxPCStyleID value) {
    if (style_ == value) return;
    style_ = value;
    Changed();
}

void TcxGridLevelTabs::FreeNotification(TComponent* component) {
    // The list is going away: it is not asked for anything any more.
    if (component != images_) return;
    images_ = nullptr;
    Changed();
}

} // namespace zorvy
