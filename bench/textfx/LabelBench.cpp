// A 300 x 60 label with shadow, outline and gradient: rendering it after a change, and painting it
// unchanged from its cache, beside a plain copy of a bitmap of the same size.
#include "controls/textfx/AAControls.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include "bench/TimedLoop.h"

namespace zorvy {
namespace {

struct TLabelBench {
    TLabelBench() {
        InitializeForms();
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 300, 60);
        label = new TAALabel(form);
        label->SetParent(form);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 300, 60);
        label->GetFont()->SetName("Tahoma");
        label->GetFont()->SetHeight(-20);
        TAAEffect& effect = *label->GetEffect()->GetFontEffect();
        effect.GetShadow()->SetEnabled(true);
        effect.SetOutline(true);
        effect.GetGradual()->SetEnabled(true);
        effect.GetGradual()->SetStartColor(TColor(4868863));
        effect.GetGradual()->SetEndColor(TColor(4227072));
        label->SetCaption("为你提供最新数据分析");
        label->Loaded();
        form->Show();
        Application->ProcessMessages();
        target.SetSize(300, 60);
        source.SetSize(300, 60);
    }
    ~TLabelBench() {
        delete form;
        FinalizeForms();
    }
    THeadlessDisplay display;
    TForm* form;
    TAALabel* label;
    TBitmap target, source;
};

void BM_LabelRender(benchmark::State& state) {
    TLabelBench b;
    const double seconds = TimedLoop(state, [&] { b.label->Changed(); });
    state.counters["ms"] = seconds * 1e3;
}
BENCHMARK(BM_LabelRender)->Unit(benchmark::kMillisecond);

// Painting the unchanged label (from its cache) as a ratio to copying a 300 x 60 bitmap.
void BM_LabelRepaintFromCache(benchmark::State& state) {
    TLabelBench b;
    const TRect box{0, 0, 300, 60};
    const double paint = TimedLoop(state, [&] { b.form->PaintTo(b.target.GetCanvas()->GetHandle(), 0, 0); });
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 200; ++i) b.target.GetCanvas()->CopyRect(box, b.source.GetCanvas(), box);
    const double copy = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 200;
    state.counters["paint_us"] = paint * 1e6;
    state.counters["copy_us"] = copy * 1e6;
    state.counters["ratio"] = paint / copy;
}
BENCHMARK(BM_LabelRepaintFromCache)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy

BENCHMARK_MAIN();
