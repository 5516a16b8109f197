#pragma once
// The condition page of the check form benchmark, built from the control library's editors or from the
// platform's own controls (apart: their headers cannot share a file).
#include <memory>

namespace zorvy {

class TForm;

constexpr int CheckFormGroups = 11;
constexpr int CheckFormPairs = 166;

class TCheckFormPage {
  public:
    virtual ~TCheckFormPage();
    virtual void SetAllChecked(bool value) = 0;
    virtual void InvalidateAll() = 0;
    TForm* Form = nullptr;
};

// Both shown, every box ticked.
std::unique_ptr<TCheckFormPage> NewEditorCheckFormPage();
std::unique_ptr<TCheckFormPage> NewPlatformCheckFormPage();

// Where group g and its pair r go, and how many pairs group g holds.
int CheckFormGroupRows(int group, int pairsSoFar);

} // namespace zorvy
