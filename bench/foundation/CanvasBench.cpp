// The canvas's common operations through the control layer, each after the raw drawing-layer call that
// does the same work: a single-line text with an end ellipsis, a frame of four sides, rotating a
// 1000 x 700 bitmap by a half turn, a 1000 x 30 gradient of 256 bands, and solid brushes for 200 colours in
// turn (more than the cache holds, so it keeps evicting). Each wrapper reports its time as x_baseline, a
// ratio to the raw call.
#include "bench/TimedLoop.h"
#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace zorvy {
namespace {

std::map<std::string, double>& Baselines() {
    static std::map<std::string, double> baselines;
    return baselines;
}

void Report(benchmark::State& state, const std::string& name, double seconds) {
    if (double baseline = Baselines()[name]; baseline > 0) state.counters["x_baseline"] = seconds / baseline;
}

// A 1000 x 700 bitmap with a canvas over it, the size of a main window's back buffer.
struct TBenchCanvas {
    TBenchCanvas() {
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(1000, 700);
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
        canvas->CurrentFont()->SetName("DejaVu Sans");
        canvas->CurrentFont()->SetHeight(-12);
        canvas->CurrentBrush()->SetStyle(bsClear);
    }
    HDC DC() { return canvas->DeviceContext(); }
    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
};

const std::string LongCaption = "开奖号码 01 05 12 19 23 31 + 07 的走势分析与过滤条件";

void Raw_TextWithEllipsis(benchmark::State& state) {
    TBenchCanvas s;
    HDC dc = s.DC();
    Baselines()["text"] = TimedLoop(state, [&] {
        TRect r = Rect(10, 10, 160, 30);
        benchmark::DoNotOptimize(DrawText(dc, LongCaption, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX));
    });
}
BENCHMARK(Raw_TextWithEllipsis);

void Canvas_TextWithEllipsis(benchmark::State& state) {
    TBenchCanvas s;
    Report(state, "text", TimedLoop(state, [&] {
               s.canvas->PaintText(LongCaption, Rect(10, 10, 160, 30),
                                   ctfAlignLeft | ctfSingleLine | ctfShowEndEllipsis);
           }));
}
BENCHMARK(Canvas_TextWithEllipsis);

void Raw_FrameFourSides(benchmark::State& state) {
    TBenchCanvas s;
    HDC dc = s.DC();
    HBRUSH brush = CreateSolidBrush(RGB(128, 128, 128));
    Baselines()["frame"] = TimedLoop(state, [&] {
        FillRect(dc, Rect(10, 10, 11, 40), brush);
        FillRect(dc, Rect(199, 10, 200, 40), brush);
        FillRect(dc, Rect(10, 10, 200, 11), brush);
        FillRect(dc, Rect(10, 39, 200, 40), brush);
    });
    DeleteObject(brush);
}
BENCHMARK(Raw_FrameFourSides);

void Canvas_FrameFourSides(benchmark::State& state) {
    TBenchCanvas s;
    Report(state, "frame",
           TimedLoop(state, [&] { s.canvas->FrameRectSides(Rect(10, 10, 200, 40), clGray); }));
}
BENCHMARK(Canvas_FrameFourSides);

void Raw_HalfTurn1000x700(benchmark::State& state) {
    TBenchCanvas s, target;
    HDC source = s.DC(), dest = target.DC();
    // Mirrored in both directions: a half turn.
    Baselines()["rotate"] =
        TimedLoop(state, [&] { StretchBlt(dest, 999, 699, -1000, -700, source, 0, 0, 1000, 700, SRCCOPY); });
}
BENCHMARK(Raw_HalfTurn1000x700);

void Canvas_HalfTurn1000x700(benchmark::State& state) {
    TBenchCanvas s;
    Report(state, "rotate", TimedLoop(state, [&] { TcxCanvas::RotateBitmap(&s.bitmap, 3); }));
}
BENCHMARK(Canvas_HalfTurn1000x700);

void Canvas_QuarterTurn1000x700(benchmark::State& state) {
    TBenchCanvas s;
    Report(state, "rotate", TimedLoop(state, [&] { TcxCanvas::RotateBitmap(&s.bitmap, 1); }));
}
BENCHMARK(Canvas_QuarterTurn1000x700);

void Raw_Gradient1000x30(benchmark::State& state) {
    TBenchCanvas s;
    HDC dc = s.DC();
    // The same 256 bands, each with a brush of its own, written directly.
    Baselines()["gradient"] = TimedLoop(state, [&] {
        for (int i = 0; i < 256; ++i) {
            HBRUSH brush = CreateSolidBrush(RGB(uint8_t(i), uint8_t(255 - i), 128));
            FillRect(dc, Rect(i * 1000 / 256, 0, (i + 1) * 1000 / 256, 30), brush);
            DeleteObject(brush);
        }
    });
}
BENCHMARK(Raw_Gradient1000x30);

void Canvas_Gradient1000x30(benchmark::State& state) {
    TBenchCanvas s;
    HDC dc = s.DC();
    Report(state, "gradient", TimedLoop(state, [&] {
               FillGradientRect(dc, Rect(0, 0, 1000, 30), TColor(RGB(0, 255, 128)), TColor(RGB(255, 0, 128)),
                                true);
           }));
}
BENCHMARK(Canvas_Gradient1000x30);

constexpr int ChurnColors = 200;

void Raw_BrushPerFill(benchmark::State& state) {
    TBenchCanvas s;
    HDC dc = s.DC();
    int i = 0;
    Baselines()["brush"] = TimedLoop(state, [&] {
        HBRUSH brush = CreateSolidBrush(RGB(uint8_t(i % ChurnColors), 40, 80));
        FillRect(dc, Rect(0, 0, 8, 8), brush);
        DeleteObject(brush);
        ++i;
    });
}
BENCHMARK(Raw_BrushPerFill);

void Cache_BrushUnderChurn(benchmark::State& state) {
    THeadlessDisplay display; // the cache's window
    TBenchCanvas s;
    HDC dc = s.DC();
    TcxSolidBrushCache cache;
    int i = 0;
    Report(state, "brush", TimedLoop(state, [&] {
               // Three of every four fills reuse the 32 most frequent colours; the rest cycle through 200.
               const int colour = (i % 4 != 0) ? (i * 7) % 32 : i % ChurnColors;
               FillRect(dc, Rect(0, 0, 8, 8), cache.BrushForColor(TColor(RGB(uint8_t(colour), 40, 80))));
               if (cache.EvictedCount() > 64) cache.ReleaseEvicted(); // what the posted release does
               ++i;
           }));
}
BENCHMARK(Cache_BrushUnderChurn);

} // namespace
} // namespace zorvy
