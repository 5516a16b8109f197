#pragma once
// Resource strings: named texts a unit declares once and every caller obtains through
// ResolveResourceString, so a registered replacement changes the text everywhere.
//
//   ZORVY_RESOURCESTRING(scxGridCustomization, "Customization");
//   std::string caption = ResolveResourceString(scxGridCustomization);
#include <string>

namespace zorvy {

struct TResourceString {
    const char* Identifier;
    const char* Text;
};

#define ZORVY_RESOURCESTRING(Name, Text)                                                                     \
    inline constexpr ::zorvy::TResourceString Name {                                                         \
#Name, Text                                                                                          \
    }

// The resource's own text.
std::string LoadResString(const TResourceString& resource);

// Index of the replacement for `resource`, -1 when there is none (always, until one is registered).
int FindResourceStringReplacement(const TResourceString& resource);
// The replacement text when one is registered, else the resource's own text.
std::string ResolveResourceString(const TResourceString& resource);
// Registers (or changes) the replacement for a resource.
void RegisterResourceStringReplacement(const TResourceString& resource, const std::string& text);
// Empties the table.
void ClearResourceStringReplacements();

} // namespace zorvy
