// Date cells of a grid column and the spin editor's step. 10,000 date cells laid out by the date
// editor's view data and painted, beside a baseline that only fills each cell and draws its date text;
// one step of a focused spin editor, beside a baseline that only shows the next number's text.
#include "../TimedLoop.h"
#include "controls/editors/date/DateEdit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/spin/SpinEdit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Numbers.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace zorvy {
namespace {

constexpr int DateCells = 10000;

struct TDateCellBench {
    TDateCellBench() {
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeDateEditUnit();
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(1000, 500);
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
        properties = std::make_unique<TcxDateEditProperties>(nullptr);
        style = std::make_unique<TcxEditStyle>(nullptr);
        style->GetLookAndFeel()->SetNativeStyle(false);
        viewData.reset(properties->MakeViewData(style.get(), true));
        viewInfo.reset(properties->CreateViewInfo());
        for (int i = 0; i < DateCells; ++i) values.push_back(Variant::FromDate(EncodeDate(2003, 1, 1) + i));
    }
    ~TDateCellBench() {
        viewInfo.reset();
        viewData.reset();
        style.reset();
        properties.reset();
        canvas.reset();
        FinalizeDateEditUnit();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
    }
    static TRect Cell(int i) { return Bounds((i % 10) * 100, (i / 10) % 25 * 20, 100, 20); }

    THeadlessDisplay display;
    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
    std::unique_ptr<TcxDateEditProperties> properties;
    std::unique_ptr<TcxEditStyle> style;
    std::unique_ptr<TcxCustomEditViewData> viewData;
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo;
    std::vector<Variant> values;
};

void BM_PaintDateCells(benchmark::State& state) {
    TDateCellBench bench;
    const double seconds = TimedLoop(state, [&] {
        for (int i = 0; i < DateCells; ++i) {
            const TRect r = TDateCellBench::Cell(i);
            bench.viewData->FillViewInfo(bench.canvas.get(), r, Point(-1, -1), 0, 0, bench.viewInfo.get(), false);
            bench.viewData->FillEditorViewInfo(bench.values[i], bench.viewInfo.get());
            bench.viewInfo->PaintTo(bench.canvas.get());
        }
    });
    state.counters["ms_per_10000_cells"] = seconds * 1000;
}
BENCHMARK(BM_PaintDateCells)->Unit(benchmark::kMillisecond);

// The plain baseline: the cell filled and its date's text drawn.
void BM_BaselineDateTexts(benchmark::State& state) {
    TDateCellBench bench;
    std::vector<std::string> texts;
    for (const Variant& v : bench.values) texts.push_back(DateToStr(v.AsDateTime()));
    const double seconds = TimedLoop(state, [&] {
        for (int i = 0; i < DateCells; ++i) {
            const TRect r = TDateCellBench::Cell(i);
            bench.canvas->FillRectSolid(r, clWindow);
            bench.canvas->PaintText(texts[i], r, ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
        }
    });
    state.counters["ms_per_10000_cells"] = seconds * 1000;
}
BENCHMARK(BM_BaselineDateTexts)->Unit(benchmark::kMillisecond);

struct TSpinBench {
    TSpinBench() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 200, 60);
        edit = new TcxSpinEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        edit->GetSpinProperties()->SetValueType(vtInt);
        edit->GetSpinProperties()->SetCircular(true);
        edit->GetSpinProperties()->SetMinValue(0);
        edit->GetSpinProperties()->SetMaxValue(1000000);
        form->Show();
        edit->SetFocus();
        Application->ProcessMessages();
    }
    ~TSpinBench() {
        delete form;
        Application->ProcessMessages();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    TForm* form = nullptr;
    TcxSpinEdit* edit = nullptr;
};

void BM_SpinStep(benchmark::State& state) {
    TSpinBench bench;
    const double seconds = TimedLoop(state, [&] { benchmark::DoNotOptimize(bench.edit->DoStep(1)); });
    state.counters["us_per_step"] = seconds * 1e6;
}
BENCHMARK(BM_SpinStep)->Unit(benchmark::kMicrosecond);

// The plain baseline: the next number's text shown in the editor.
void BM_BaselineSpinText(benchmark::State& state) {
    TSpinBench bench;
    int64_t n = 0;
    const double seconds =
        TimedLoop(state, [&] { bench.edit->ShowDisplayValue(Variant(IntToStr(++n % 1000000))); });
    state.counters["us_per_step"] = seconds * 1e6;
}
BENCHMARK(BM_BaselineSpinText)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
