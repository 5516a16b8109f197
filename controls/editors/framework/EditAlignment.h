#pragma once
// TcxEditAlignment: the horizontal and vertical alignment of an editor's content. The horizontal
// part remembers whether it was set explicitly, so that an unset one can follow the data source.
#include "platform/rtl/Components.h"
#include "platform/classlib/ControlTypes.h"

namespace zorvy {

enum TcxEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };

class TcxEditAlignment : public TPersistent {
    ZORVY_CLASS(TcxEditAlignment, TPersistent)
  public:
    explicit TcxEditAlignment(TPersistent* owner = nullptr) : owner_(owner) {}

    // Copies Vert, Horz and the assigned flag from another alignment, then reports the change.
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    TAlignment GetHorz() const { return horz_; }
    // Setting marks Horz explicit even when the value does not change.
    void SetHorz(TAlignment value);
    TcxEditVertAlignment GetVert() const { return vert_; }
    void SetVert(TcxEditVertAlignment value);
    bool IsHorzAssigned() const { return isHorzAssigned_; }
    // Horz is no longer explicit (its value stays).
    void ResetHorz();
    bool HorzNeedsStoring() const { return isHorzAssigned_; }
    bool VertNeedsStoring() const { return vert_ != taTopJustify; }
    void NotifyChange();

    TNotifyEvent OnChanged;

  private:
    friend class TcxCustomEditProperties; // copies the inner alignment without notices
    TPersistent* owner_;
    TAlignment horz_ = taLeftJustify;
    bool isHorzAssigned_ = false;
    TcxEditVertAlignment vert_ = taTopJustify;
};

} // namespace zorvy
