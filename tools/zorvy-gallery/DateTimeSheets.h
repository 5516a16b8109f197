#pragma once
// Photos of the spin, time and date editors on a form, of the calendar (date and date-time kinds, with
// week numbers) and of its open month list.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the editor units it uses; answers the files it wrote.
std::vector<std::string> DrawDateTimePhotos(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
