#pragma once
// The text-effect sheet: every effect of the anti-aliased renderer on Latin and Chinese text, and the
// label opaque and transparent.
#include <string>

namespace zorvy::gallery {

// Writes textfx.png into folder and answers its path.
std::string DrawTextEffectSheet(const std::string& folder);

} // namespace zorvy::gallery
