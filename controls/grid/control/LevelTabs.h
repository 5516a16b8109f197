#pragma once
// TcxGridLevelTabs: the appearance settings of a grid's level tabs (caption alignment, images, image
// border, slants and style). Every change relays the grid out.
#include "controls/foundation/classes/Classes.h"
#include "controls/grid/control/Grid.h"
#include "platform/classlib/ControlTypes.h"

#include <memory>

namespace zorvy {

class TcxCustomGrid;
class TCustomImageList;
class TChangeLink;
class TcxTabSlants;

// The page control's style identifier (0: the default tab style).
using TcxPCStyleID = int;

class TcxGridLevelTabs : public TPersistent {
    ZORVY_CLASS(TcxGridLevelTabs, TPersistent)
  public:
    using TCreateOwner = TcxCustomGrid;
    explicit TcxGridLevelTabs(TcxCustomGrid* grid);
    ~TcxGridLevelTabs() override;
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    TAlignment GetCaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment value);
    int GetImageBorder() const { return imageBorder_; }
    // Negative values are 0.
    void SetImageBorder(int value);
    TCustomImageList* GetImages() const { return images_; }
    // Not owned; a list that is freed leaves nil behind.
    void SetImages(TCustomImageList* value);
    TcxTabSlants* GetSlants() const { return slants_.get(); }
    void SetSlants(TcxTabSlants* value);
    TcxPCStyleID GetStyle() const { return style_; }
    void SetStyle(TcxPCStyleID value);

  private:
    void Changed();
    void FreeNotification(TComponent* component);

    TAlignment captionAlignment_ = taCenter;
    std::unique_ptr<TcxFreeNotificator> freeNotificator_;
    int imageBorder_ = 0;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TChangeLink> imagesChangeLink_;
    TcxCustomGrid* grid_;
    std::unique_ptr<TcxTabSlants> slants_;
    TcxPCStyleID style_ = 0;
};

} // namespace zorvy
