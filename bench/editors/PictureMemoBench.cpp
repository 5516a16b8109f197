// A grid column of pictures scrolled one row per frame: 20 visible cells of 128 x 96 pictures (out of
// 200 values) laid out and painted, with the decoded pictures cached as the column does and, as the
// baseline, decoded anew for every cell. And a memo of 100,000 lines opened (its text set and the
// window painted), beside the same text set into the platform's plain memo.
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/image/ImageViewInfo.h"
#include "controls/editors/memo/MemoEdit.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace zorvy {
namespace {

constexpr int Values = 200;
constexpr int VisibleRows = 20;

struct TPictureColumn {
    TPictureColumn() {
        InitializeFoundationUnits();
        InitializeEditUnit();
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(140, VisibleRows * 100);
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
        properties = std::make_unique<TcxImageProperties>(nullptr);
        properties->SetGraphicClass(TdxPNGImage::StaticClass());
        properties->SetStretch(true);
        style = std::make_unique<TcxEditStyle>(nullptr);
        viewData.reset(properties->MakeViewData(style.get(), true));
        for (int v = 0; v < Values; ++v) {
            HBITMAP b = CreateBitmap(128, 96, 1, 32);
            for (int i = 0; i < 128 * 96; ++i) b->bits[i] = 0xFF000000u | (std::uint32_t(v * 977 + i * 31) & 0xFFFFFFu);
            const auto png = SavePng(b, true);
            DeleteObject(b);
            values.push_back(Variant::FromBytes(std::string(png.begin(), png.end())));
        }
        for (int r = 0; r < VisibleRows; ++r) viewInfos.push_back(std::make_unique<TcxImageViewInfo>());
    }
    ~TPictureColumn() {
        viewInfos.clear();
        viewData.reset();
        style.reset();
        properties.reset();
        canvas.reset();
        ClearPictureCache();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
    }
    // One frame: the rows from top down, each cell laid out, given its value and painted.
    void PaintFrame(int top) {
        for (int r = 0; r < VisibleRows; ++r) {
            const TRect cell = Bounds(0, r * 100, 140, 100);
            viewData->FillViewInfo(canvas.get(), cell, Point(-1, -1), 0, 0, viewInfos[r].get(), false);
            viewData->FillEditorViewInfo(values[(top + r) % Values], viewInfos[r].get());
            viewInfos[r]->PaintTo(canvas.get());
        }
    }
    THeadlessDisplay display;
    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
    std::unique_ptr<TcxImageProperties> properties;
    std::unique_ptr<TcxEditStyle> style;
    std::unique_ptr<TcxCustomEditViewData> viewData;
    std::vector<std::unique_ptr<TcxImageViewInfo>> viewInfos;
    std::vector<Variant> values;
};

// Argument 1: cached as the column paints; 0: every cell decoded again (the baseline). The time of
// an iteration is the time of a frame.
void BM_ScrollPictureColumn(benchmark::State& state) {
    TPictureColumn column;
    const bool cached = state.range(0) == 1;
    state.SetLabel(cached ? "cached" : "decoded per cell");
    int top = 0;
    column.PaintFrame(top);
    for (auto _ : state) {
        if (!cached) ClearPictureCache();
        column.PaintFrame(++top);
    }
}
BENCHMARK(BM_ScrollPictureColumn)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

struct TMemoForm {
    TMemoForm() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeControlsUnit();
        InitializeContainersUnit();
        InitializeEditUnit();
        for (int i = 0; i < 100000; ++i) {
            if (i > 0) text += "\r\n";
            text += "第 " + std::to_string(i) + " 行 01 04 12 20 28 33";
        }
    }
    ~TMemoForm() {
        FinalizeEditUnit();
        FinalizeContainersUnit();
        FinalizeControlsUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    std::string text;
};

// Argument 0: the memo editor, 1: the platform's memo (the baseline); argument 1: word wrap (the
// editor's default) or not (the platform memo's default).
void BM_OpenMemoOf100000Lines(benchmark::State& state) {
    TMemoForm bench;
    const bool editor = state.range(0) == 0;
    const bool wrap = state.range(1) == 1;
    state.SetLabel(std::string(editor ? "memo editor" : "platform memo") + (wrap ? ", word wrap" : ", no wrap"));
    for (auto _ : state) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 400, 300);
        if (editor) {
            auto* memo = new TcxMemo(form);
            memo->GetProperties()->SetWordWrap(wrap);
            memo->SetParent(form);
            memo->SetBounds(0, 0, 380, 280);
            memo->SetText(bench.text);
        } else {
            auto* memo = new TMemo(form);
            memo->SetWordWrap(wrap);
            memo->SetParent(form);
            memo->SetBounds(0, 0, 380, 280);
            memo->SetText(bench.text);
        }
        form->Show();
        HBITMAP image = bench.display.Capture(form->GetHandle());
        DeleteObject(image);
        delete form;
    }
}
BENCHMARK(BM_OpenMemoOf100000Lines)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
