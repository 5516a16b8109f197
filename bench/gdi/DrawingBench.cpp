#include "platform/gdi/Gdi.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

// A 1000 x 700 surface, the size of a main window's back buffer.
struct TBenchSurface {
    TBenchSurface() {
        bitmap = CreateBitmap(1000, 700, 1, 32);
        dc = CreateBitmapDC(bitmap);
    }
    ~TBenchSurface() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    HDC dc;
};

void BM_FillRectButton(benchmark::State& state) {
    TBenchSurface s;
    HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));
    for (auto _ : state)
        benchmark::DoNotOptimize(FillRect(s.dc, Rect(10, 10, 85, 35), brush));
    DeleteObject(brush);
}
BENCHMARK(BM_FillRectButton);

void BM_FillRectWholeSurface(benchmark::State& state) {
    TBenchSurface s;
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
    for (auto _ : state)
        benchmark::DoNotOptimize(FillRect(s.dc, Rect(0, 0, 1000, 700), brush));
    DeleteObject(brush);
}
BENCHMARK(BM_FillRectWholeSurface);

void BM_DrawTextChineseCaption(benchmark::State& state) {
    TBenchSurface s;
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfFaceName = "宋体";
    HFONT font = CreateFontIndirect(lf);
    HGDIOBJ old = SelectObject(s.dc, font);
    SetBkMode(s.dc, TRANSPARENT);
    for (auto _ : state) {
        TRect r = Rect(10, 10, 110, 34);
        benchmark::DoNotOptimize(DrawText(s.dc, "开始过滤", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
    }
    SelectObject(s.dc, old);
    DeleteObject(font);
}
BENCHMARK(BM_DrawTextChineseCaption);

void BM_MeasureChineseCaption(benchmark::State& state) {
    TBenchSurface s;
    TSize size;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetTextExtentPoint32(s.dc, "开始过滤", size));
}
BENCHMARK(BM_MeasureChineseCaption);

void BM_RegionCombine(benchmark::State& state) {
    // A window's visible region: its client area less a grid of twenty child controls.
    HRGN client = CreateRectRgn(0, 0, 1000, 700);
    HRGN children = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < 20; ++i) {
        HRGN child =
            CreateRectRgn(20 + (i % 5) * 190, 20 + (i / 5) * 160, 180 + (i % 5) * 190, 150 + (i / 5) * 160);
        CombineRgn(children, children, child, RGN_OR);
        DeleteObject(child);
    }
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(CombineRgn(result, client, children, RGN_DIFF));
    DeleteObject(client);
    DeleteObject(children);
    DeleteObject(result);
}
BENCHMARK(BM_RegionCombine);

void BM_BitBltWholeSurface(benchmark::State& state) {
    TBenchSurface source, dest;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(dest.dc, 0, 0, 1000, 700, source.dc, 0, 0, SRCCOPY));
}
BENCHMARK(BM_BitBltWholeSurface);

void BM_BitBltInvert(benchmark::State& state) {
    TBenchSurface source, dest;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(dest.dc, 0, 0, 1000, 700, source.dc, 0, 0, SRCINVERT));
}
BENCHMARK(BM_BitBltInvert);

} // namespace
} // namespace zorvy

namespace zorvy {
namespace {

// A control that recreates its font on every paint and measures one caption with it.
void BM_CreateFontAndMeasure(benchmark::State& state) {
    HDC dc = CreateScreenDC();
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfFaceName = "Tahoma";
    TSize size;
    for (auto _ : state) {
        HFONT font = CreateFontIndirect(lf);
        HGDIOBJ old = SelectObject(dc, font);
        benchmark::DoNotOptimize(GetTextExtentPoint32(dc, "Caption", size));
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
}
BENCHMARK(BM_CreateFontAndMeasure);

} // namespace
} // namespace zorvy
