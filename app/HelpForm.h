#pragma once
// TFrhelp, the help window: a read-only text about the program, centred on the main window; closing it
// only hides it.
#include "platform/classlib/Forms.h"

namespace zorvy {

class TMemo;

class TFrhelp : public TForm {
    ZORVY_CLASS(TFrhelp, TForm)
  public:
    explicit TFrhelp(TComponent* owner);
    TMemo* Memo1 = nullptr;
};

// The text the help window shows.
extern const char* const HelpText;

} // namespace zorvy
