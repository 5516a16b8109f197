// A text editor with 1,000 lookup items: one keystroke typed into it (a character at the end, then a
// Backspace, both through the native inner edit and the incremental search), and filling the items one
// by one into a shown editor, alone and inside one change batch.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zorvy {
namespace {

constexpr int Items = 1000;

struct TTextEditBench {
    TTextEditBench() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeControlsUnit();
        InitializeContainersUnit();
        InitializeEditUnit();
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 300, 100);
        edit = new TcxTextEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 200, 21);
        form->Show();
        edit->SetFocus();
        Application->ProcessMessages();
    }
    ~TTextEditBench() {
        delete form;
        FinalizeEditUnit();
        FinalizeContainersUnit();
        FinalizeControlsUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    TcxTextEditProperties* Props() { return static_cast<TcxTextEditProperties*>(edit->GetProperties()); }
    static std::vector<std::string> ItemTexts() {
        std::vector<std::string> items;
        for (int i = 0; i < Items; ++i) items.push_back("号码 " + std::to_string(i));
        return items;
    }
    THeadlessDisplay display;
    TForm* form;
    TcxTextEdit* edit;
};

// Argument 0: no items, the baseline; 1: 1,000 items that the typed character matches none of.
void BM_KeystrokeWithLookupItems(benchmark::State& state) {
    TTextEditBench bench;
    if (state.range(0) == 1) bench.Props()->SetLookupItems(TTextEditBench::ItemTexts());
    const HWND inner = bench.edit->GetInnerTextEdit()->GetHandle();
    for (auto _ : state) {
        SendMessage(inner, WM_CHAR, 'x');
        SendMessage(inner, WM_KEYDOWN, VK_BACK);
        SendMessage(inner, WM_CHAR, 8);
    }
    state.SetLabel(std::string(state.range(0) == 1 ? "1,000 items, " : "no items, ") +
                   (bench.edit->GetText().empty() ? "typed and removed" : "text left behind"));
}
BENCHMARK(BM_KeystrokeWithLookupItems)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FillLookupItems(benchmark::State& state) {
    TTextEditBench bench;
    const std::vector<std::string> items = TTextEditBench::ItemTexts();
    const bool batched = state.range(0) == 1;
    state.SetLabel(batched ? "in one change batch" : "one change each");
    for (auto _ : state) {
        bench.Props()->SetLookupItems({});
        if (batched) bench.Props()->BeginChanges();
        for (const std::string& item : items) bench.Props()->AddLookupItem(item);
        if (batched) bench.Props()->EndChanges();
    }
}
BENCHMARK(BM_FillLookupItems)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
