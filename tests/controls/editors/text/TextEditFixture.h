#pragma once
// Text-editor settings the text tests share: one that holds numbers, one that takes only its list.
#include "controls/editors/text/TextEdit.h"

namespace zorvy::test {

// A number editor's settings (spin and currency editors hold numbers).
class TNumberProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TNumberProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    bool HoldsNumbers() const override { return true; }
};

class TListOnlyProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TListOnlyProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    TcxEditInputStyle GetInputStyle() const override { return istListOnly; }
};

} // namespace zorvy::test
