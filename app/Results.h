#pragma once
// The result list's operations that do not need the window: the printed ticket line, the blue ball and
// draw typed by the user, the prize check, and the text file.
#include <functional>
#include <string>
#include <vector>

namespace zorvy {

class TPrinter;
class TStrings;

// The first 18 bytes of a result line (cut back to a character boundary), "+" and the blue ball:
// "02 05 10 27 29 33 +08".
std::string TicketLine(const std::string& resultLine, const std::string& blue);
// A blue ball as typed: two digits 01-16.
bool IsValidBlueBall(const std::string& text);
// A draw as typed for the prize check: six distinct ascending red balls 01-33 as two digits separated
// by single blanks, optionally followed by a blank and/or "+" and a blue ball 01-16. The reds, or
// empty when the text is not such a draw.
std::vector<int> ParseCheckedDraw(const std::string& text);
// Whether a result line's six red balls are the draw's six.
bool TicketMatches(const std::string& resultLine, const std::vector<int>& draw);

// Writes the lines, each ended by CR LF, to a new file replacing any old one; EFCreateError naming the
// cause (a full disk, a read-only disk, no permission) with the old file left as it was.
void SaveResultFile(const std::string& path, const TStrings& lines);
// Prints one ticket line per result line through the printer's text channel in the given font.
// progress (when given) hears the lines done so far every PrintProgressStep lines and at the end; when
// it answers false the job is abandoned (nothing printed) and PrintTickets answers false.
inline constexpr int PrintProgressStep = 500;
bool PrintTickets(TPrinter& printer, const TStrings& lines, const std::string& blue,
                  const std::function<bool(int done, int total)>& progress = nullptr);

} // namespace zorvy
