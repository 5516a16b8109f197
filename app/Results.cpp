#include "app/Results.h"

#include "app/DrawDigits.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

namespace {

// Six ascending red balls at offsets 0, 3, ... 15 with single blanks between; empty when not.
std::vector<int> RedBalls(const std::string& text) {
    std::vector<int> balls;
    for (int k = 0; k < 6; ++k) {
        const int ball = TwoDigits(text, 3 * k);
        if (ball < 1 || ball > 33 || (k > 0 && ball <= balls.back())) return {};
        if (k < 5 && text[3 * k + 2] != ' ') return {};
        balls.push_back(ball);
    }
    return balls;
}

} // namespace

std::string TicketLine(const std::string& resultLine, const std::string& blue) {
    size_t cut = std::min<size_t>(resultLine.size(), 18);
    while (cut > 0 && cut < resultLine.size() && (static_cast<unsigned char>(resultLine[cut]) & 0xC0) == 0x80)
        --cut;
    return resultLine.substr(0, cut) + "+" + blue;
}

bool IsValidBlueBall(const std::string& text) {
    const int blue = TwoDigits(text, 0);
    return text.size() == 2 && blue >= 1 && blue <= 16;
}

std::vector<int> ParseCheckedDraw(const std::string& text) {
    std::vector<int> balls = RedBalls(text);
    if (balls.empty()) return {};
    std::string rest = text.substr(17);
    if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    if (rest.empty()) return balls;
    if (rest[0] == '+' && IsValidBlueBall(rest.substr(1))) return balls;
    return {};
}

bool TicketMatches(const std::string& resultLine, const std::vector<int>& draw) {
    return !draw.empty() && RedBalls(resultLine) == draw;
}

void SaveResultFile(const std::string& path, const TStrings& lines) {
    std::string text;
    for (int i = 0; i < lines.GetCount(); ++i)
        text += lines.Get(i) + "\r\n";
    WriteFileBytesAtomically(path, text);
}

bool PrintTickets(TPrinter& printer, const TStrings& lines, const std::string& blue,
                  const std::function<bool(int done, int total)>& progress) {
    TPrinterText channel(&printer);
    channel.Rewrite();
    const int total = lines.GetCount();
    for (int i = 0; i < total; ++i) {
        if (progress && i % PrintProgressStep == 0 && !progress(i, total)) {
            printer.Abort();
            return false;
        }
        channel.WriteLine(TicketLine(lines.Get(i), blue));
    }
    if (progress && !progress(total, total)) {
        printer.Abort();
        return false;
    }
    channel.Close();
    return true;
}

} // namespace zorvy
