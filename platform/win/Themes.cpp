#include "platform/win/Themes.h"

namespace zorvy {
namespace {

TNoThemeBinding platformBinding;
TThemeBinding* current = &platformBinding;

} // namespace

TThemeBinding& GetThemeBinding() {
    return *current;
}
void SetThemeBinding(TThemeBinding* binding) {
    current = binding ? binding : &platformBinding;
}
bool ThemeLibraryAvailable() {
    return current != &platformBinding;
}

} // namespace zorvy
