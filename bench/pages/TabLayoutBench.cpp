// Laying out 200 tabs of mixed widths in balanced rows (the multi-line layout pass: measuring every tab,
// splitting, balancing, stretching and placing the rows), and in one scrolled row, beside the plain
// baseline of measuring the 200 captions once on the same canvas.
#include "bench/TimedLoop.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/pages/PagesUnit.h"
#include "controls/pages/TabControl.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zorvy {
namespace {

struct TUnits {
    TUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializePagesUnit();
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 820, 620);
        form->Show();
        control = new TcxCustomTabControl(form);
        control->SetParent(form);
        control->SetBounds(0, 0, 800, 600);
        // Captions of one to five Chinese and Latin words: widths from about 40 to 160 pixels.
        const char* words[] = {"红球", "蓝球", "个位", "Trend", "高级过滤", "Serial"};
        for (int i = 0; i < 200; ++i) {
            std::string caption;
            for (int w = 0; w <= i % 5; ++w)
                caption += std::string(words[(i * 7 + w) % 6]) + (w < i % 5 ? " " : "");
            captions.push_back(caption);
            control->GetTabs()->Add(caption);
        }
        Application->ProcessMessages();
    }
    ~TUnits() {
        delete form;
        FinalizePagesUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    TForm* form = nullptr;
    TcxCustomTabControl* control = nullptr;
    std::vector<std::string> captions;
};

void BM_Layout200Tabs(benchmark::State& state) {
    TUnits units;
    units.control->SetMultiLine(state.range(0) != 0);
    TcxCanvas* canvas = ScreenCanvasInstance();
    double measureOnly = 0;
    {
        // The baseline: every caption measured once, as any tab strip must.
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < 20; ++k)
            for (const std::string& caption : units.captions) {
                canvas->AssignFont(units.control->GetFont());
                benchmark::DoNotOptimize(canvas->MeasureTextWidth(caption));
            }
        measureOnly = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 20;
    }
    const double layout = TimedLoop(state, [&] { units.control->RequestLayout(); });
    state.counters["rows"] = units.control->GetRowCount();
    state.counters["layout_ms"] = layout * 1000;
    state.counters["measure_ms"] = measureOnly * 1000;
    state.counters["ratio"] = layout / measureOnly;
}
BENCHMARK(BM_Layout200Tabs)->Arg(1)->ArgName("multiline")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout200Tabs)->Arg(0)->ArgName("multiline")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
