// A condition page like the main window's: 166 check-box and button-edit pairs in 11 group boxes.
// Creating, laying out and painting it, repainting it, and unticking all 166 boxes; each beside the
// same page built from the platform's own check boxes, edits and group boxes as the baseline.
#include "CheckFormPage.h"
#include "controls/editors/buttons/ButtonEdit.h"
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

struct TUnits {
    TUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeControlsUnit();
        InitializeContainersUnit();
        InitializeEditUnit();
        InitializeCheckBoxUnit();
        InitializeButtonEditUnit();
    }
    ~TUnits() {
        FinalizeButtonEditUnit();
        FinalizeCheckBoxUnit();
        FinalizeEditUnit();
        FinalizeContainersUnit();
        FinalizeControlsUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    void Paint(TCheckFormPage& page) {
        HBITMAP image = display.Capture(page.Form->GetHandle());
        DeleteObject(image);
    }
    THeadlessDisplay display;
};

using TPageMaker = std::unique_ptr<TCheckFormPage> (*)();

void BM_CreateLayoutPaint(benchmark::State& state, TPageMaker make) {
    TUnits units;
    for (auto _ : state) {
        auto page = make();
        units.Paint(*page);
    }
}

void BM_Repaint(benchmark::State& state, TPageMaker make) {
    TUnits units;
    auto page = make();
    units.Paint(*page);
    for (auto _ : state) {
        page->InvalidateAll();
        units.Paint(*page);
    }
}

void BM_UntickAll(benchmark::State& state, TPageMaker make) {
    TUnits units;
    auto page = make();
    units.Paint(*page);
    for (auto _ : state) {
        page->SetAllChecked(false);
        units.Paint(*page);
        state.PauseTiming();
        page->SetAllChecked(true);
        units.Paint(*page);
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(BM_CreateLayoutPaint, platform, NewPlatformCheckFormPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLayoutPaint, editors, NewEditorCheckFormPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repaint, platform, NewPlatformCheckFormPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repaint, editors, NewEditorCheckFormPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UntickAll, platform, NewPlatformCheckFormPage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UntickAll, editors, NewEditorCheckFormPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
