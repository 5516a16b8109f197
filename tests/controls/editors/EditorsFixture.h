#pragma once
// The foundation's headless fixture with the editor framework started; a default-values provider whose
// answers a test sets; a control that records the characters it gets.
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "platform/classlib/Controls.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>

namespace zorvy::test {

class EditorsTest : public FoundationTest {
  protected:
    EditorsTest() { InitializeEditUnit(); }
    ~EditorsTest() override { FinalizeEditUnit(); }
};

class TTestProvider : public TcxCustomEditDefaultValuesProvider {
  public:
    bool ReadOnly = false;
    bool Modifiable = true;
    TAlignment Alignment = taLeftJustify;
    double Max = 0;
    bool IsReadOnly() override { return ReadOnly; }
    bool CanModifyValue() override { return Modifiable; }
    TAlignment GetDefaultAlignment() override { return Alignment; }
    double GetMaxValue() override { return Max; }
};

// Counts the change notices of a properties object.
struct TChangeCounter {
    explicit TChangeCounter(TcxCustomEditProperties& p) {
        p.OnPropertiesChanged = [this](TObject*) { ++Count; };
    }
    int Count = 0;
};

// Records the characters it gets.
class TCharSink : public TCustomControl {
  public:
    explicit TCharSink(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::u32string Typed;

  protected:
    void KeyPress(char32_t& key) override { Typed += key; }
};

} // namespace zorvy::test
