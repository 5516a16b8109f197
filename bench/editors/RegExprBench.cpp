// Regular-expression masks: one character through an expression of repeated alternatives, and a key typed
// into the middle of a 200-character text under a regular-expression mask (the rest of the text is fed
// again to check that it still fits), beside the same key without a mask.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/mask/RegExpr.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/VirtualKeys.h"

#include <benchmark/benchmark.h>

#include "bench/TimedLoop.h"

namespace zorvy {
namespace {

void BM_RegExprRepeatedAlternatives(benchmark::State& state) {
    TcxRegExpr expression;
    expression.Compile("(\\w|\\d)+");
    const std::u32string input(30, U'7');
    const double seconds = TimedLoop(state, [&] {
        expression.Restart();
        for (char32_t c : input) {
            char32_t typed = c;
            benchmark::DoNotOptimize(expression.ConsumeChar(typed));
        }
    });
    state.counters["us_per_char"] = seconds / 30 * 1e6;
}
BENCHMARK(BM_RegExprRepeatedAlternatives);

struct TTypingBench {
    explicit TTypingBench(bool masked) {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeControlsUnit();
        InitializeContainersUnit();
        InitializeEditUnit();
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 600, 100);
        edit = new TcxMaskEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 560, 21);
        auto* p = static_cast<TcxMaskEditProperties*>(edit->GetProperties());
        if (masked) {
            p->SetMaskKind(emkRegExpr);
            p->SetEditMask("([a-z]|\\d|' ')*");
        }
        form->Show();
        edit->SetFocus();
        display.TypeText(std::string(200, 'a'));
        display.PressKey(VK_HOME);
        for (int i = 0; i < 100; ++i) display.PressKey(VK_RIGHT);
        Application->ProcessMessages();
    }
    ~TTypingBench() {
        delete form;
        FinalizeEditUnit();
        FinalizeContainersUnit();
        FinalizeControlsUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    TForm* form;
    TcxMaskEdit* edit;
};

// Argument 0: no mask, the baseline; 1: the regular-expression mask. One iteration types a character
// and deletes it again.
void BM_RegExprMaskTypingInTheMiddle(benchmark::State& state) {
    TTypingBench b(state.range(0) == 1);
    const double seconds = TimedLoop(state, [&] {
        b.display.TypeText("7");
        b.display.PressKey(VK_BACK);
        Application->ProcessMessages();
    });
    state.counters["ms_per_key"] = seconds / 2 * 1e3;
}
BENCHMARK(BM_RegExprMaskTypingInTheMiddle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
