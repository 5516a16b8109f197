#pragma once
// The gallery: one form holding every standard control, menu and bar of the class library, to look
// at them side by side.
#include "platform/classlib/Forms.h"

namespace zorvy {

class TGalleryForm : public TForm {
  public:
    explicit TGalleryForm(TComponent* owner);
};

} // namespace zorvy
