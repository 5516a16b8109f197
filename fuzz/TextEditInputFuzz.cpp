// The text editor on fuzzed input: lookup items, a length limit and an input style (and whether it
// groups typed numbers), then typed characters, characters from the input method, pastes,
// selections, Backspace and window-text messages at fuzzed places. The shown text stays valid UTF-8,
// typing and pasting stay within the limit, WM_GETTEXT never answers half a character, and grouping a
// number twice gives what grouping it once gave.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "fuzz/FuzzSupport.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/rtl/Encoding.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace zorvy;

namespace {

class TFuzzProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TFuzzProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    TcxEditInputStyle GetInputStyle() const override { return Style; }
    bool HoldsNumbers() const override { return Money; }
    bool UsesThousandSeparator(bool) const override { return Money; }
    TcxEditInputStyle Style = istFreeText;
    bool Money = false;
};

struct TWorld {
    TWorld() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeControlsUnit();
        InitializeContainersUnit();
        InitializeEditUnit();
    }
    THeadlessDisplay display;
};

} // namespace

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TWorld world;
    FuzzedDataProvider in(data, size);
    std::string grouped = in.ConsumeRandomLengthString(24);
    InsertThousandSeparators(grouped);
    std::string again = grouped;
    InsertThousandSeparators(again);
    fuzz::Require(again == grouped, "grouping a number twice changed it");
    IsNumericText(grouped);
    auto* form = Application->CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 100);
    auto* edit = new TcxTextEdit(form, in.ConsumeBool(), TFuzzProperties::StaticClass());
    auto* props = static_cast<TFuzzProperties*>(edit->GetProperties());
    props->Style = static_cast<TcxEditInputStyle>(in.ConsumeIntegralInRange(0, 2));
    props->Money = in.ConsumeBool();
    std::vector<std::string> items;
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i) items.push_back(in.ConsumeRandomLengthString(12));
    props->SetLookupItems(items);
    const int limit = in.ConsumeIntegralInRange(0, 8);
    props->SetMaxLength(limit);
    props->SetFixedListPrefixSelection(in.ConsumeBool());
    edit->SetParent(form);
    edit->SetBounds(10, 10, 200, 21);
    form->Show();
    edit->SetFocus();
    Application->ProcessMessages();
    TcxCustomInnerTextEdit* inner = edit->GetInnerTextEdit();
    const HWND innerWnd = inner->GetHandle();
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0:
            inner->SetSelStart(in.ConsumeIntegralInRange(0, 40));
            inner->SetSelLength(in.ConsumeIntegralInRange(0, 40));
            break;
        case 1:
            SendMessage(innerWnd, WM_CHAR, in.ConsumeIntegralInRange<WPARAM>(0, 0x10FFFF));
            break;
        case 2:
            SetClipboardText(in.ConsumeRandomLengthString(16));
            SendMessage(innerWnd, WM_PASTE);
            break;
        case 3:
            SendMessage(innerWnd, WM_KEYDOWN, in.PickValueInArray({VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_END}));
            break;
        case 6:
            SendMessage(innerWnd, WM_IME_CHAR, in.ConsumeIntegralInRange<WPARAM>(0x80, 0x10FFFF));
            break;
        case 4: {
            const std::string text = in.ConsumeRandomLengthString(16);
            fuzz::Try([&] { SendMessage(edit->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text)); });
            break;
        }
        default: {
            std::string part;
            const WPARAM bytes = in.ConsumeIntegralInRange<WPARAM>(1, 12);
            SendMessage(edit->GetHandle(), WM_GETTEXT, bytes, reinterpret_cast<LPARAM>(&part));
            fuzz::Require(part.size() < bytes && IsValidUtf8(part), "WM_GETTEXT split a character");
            break;
        }
        }
        const std::string text = inner->GetText();
        fuzz::Require(IsValidUtf8(text), "the shown text is not valid UTF-8");
    }
    delete form;
    Application->ProcessMessages();
    return 0;
}
