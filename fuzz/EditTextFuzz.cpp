// The EDIT class on fuzzed text and edits: any bytes set as its text, then typed characters, replaced
// selections, pastes, deletions and undos at fuzzed places. The text stays valid UTF-8 and within the
// limit the user was given, the selection lies on character boundaries inside it, and the line index
// agrees with the text's own line breaks.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace zorvy;

namespace {

void Check(HWND edit, std::size_t limit, bool limited) {
    std::string text;
    SendMessage(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    fuzz::Require(IsValidUtf8(text), "the edit's text is not valid UTF-8");
    if (limited) fuzz::Require(CharCount(text) <= limit, "typing went past the limit");
    int start = -1, end = -1;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    fuzz::Require(start >= 0 && start <= end && static_cast<std::size_t>(end) <= text.size(),
                  "selection outside the text");
    for (int p : {start, end})
        fuzz::Require(static_cast<std::size_t>(p) == text.size() ||
                          !IsTrailByte(static_cast<unsigned char>(text[p])),
                      "selection inside a character");
    // Hard lines of the text against the edit's lines (no word wrap: one display line each).
    std::size_t lines = 1, at = 0;
    for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1))
        ++lines;
    fuzz::Require(SendMessage(edit, EM_GETLINECOUNT) == static_cast<LRESULT>(lines), "line count");
    for (std::size_t i = 0; i < lines; ++i) {
        fuzz::Require(SendMessage(edit, EM_LINEINDEX, i) == static_cast<LRESULT>(at), "line start");
        const std::size_t nl = text.find('\n', at);
        at = nl == std::string::npos ? text.size() : nl + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    HWND top = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, 0, 0);
    HWND edit = CreateWindowEx(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL, 0, 0,
                               200, 100, top, 1);
    const std::string initial = in.ConsumeRandomLengthString(400);
    SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&initial));
    SetFocus(edit);
    std::size_t limit = 0;
    bool limited = false;
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            SendMessage(edit, EM_SETSEL, in.ConsumeIntegralInRange<WPARAM>(0, 500),
                        in.ConsumeIntegralInRange<LPARAM>(-1, 500));
            break;
        case 1: {
            const WPARAM ch = in.ConsumeIntegralInRange<WPARAM>(0, 0x10FFFF);
            SendMessage(edit, WM_CHAR, ch);
            if (ch == 0x1A) limited = false; // Ctrl+Z undoes, as WM_UNDO does
            break;
        }
        case 2: {
            const std::string s = in.ConsumeRandomLengthString(40);
            SendMessage(edit, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(&s));
            break;
        }
        case 3:
            SetClipboardText(in.ConsumeRandomLengthString(40));
            SendMessage(edit, WM_PASTE);
            break;
        case 4:
            SendMessage(edit, WM_KEYDOWN,
                        in.PickValueInArray({VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END,
                                             VK_PRIOR, VK_NEXT}));
            break;
        case 5:
            // Undoing may bring back text from before the limit was lowered.
            SendMessage(edit, WM_UNDO);
            limited = false;
            break;
        case 6: {
            std::string text;
            SendMessage(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
            // A limit no lower than what is there: from now on typing must stay within it.
            limit = CharCount(text) + in.ConsumeIntegralInRange<std::size_t>(1, 5);
            limited = true;
            SendMessage(edit, EM_LIMITTEXT, limit);
            break;
        }
        default:
            SendMessage(edit, WM_CHAR, '\r');
            break;
        }
        Check(edit, limit, limited);
    }
    DestroyWindow(top);
    return 0;
}
