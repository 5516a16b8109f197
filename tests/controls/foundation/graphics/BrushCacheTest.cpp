#include "controls/foundation/graphics/BrushCache.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/Drawing.h"
#include "platform/win/MessageLoop.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class BrushCache : public ::testing::Test {
  protected:
    BrushCache() { LoadSystemColorBrushes(); }
    ~BrushCache() override {
        ClearSystemColorBrushes();
        ResetSysColors();
    }
    static void Pump() {
        MSG msg;
        while (PeekMessage(msg, 0, 0, 0, 1))
            DispatchMessage(msg);
    }
    static COLORREF BrushColor(HBRUSH brush) {
        LOGBRUSH lb;
        GetObject(brush, lb);
        return lb.lbColor;
    }
    THeadlessDisplay display;
};

TEST_F(BrushCache, SystemColoursComeFromThePlatformAndLeaveTheCacheAlone) {
    TcxSolidBrushCache cache;
    EXPECT_EQ(cache.BrushForColor(clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(cache.GetDepth(), 0);
    // clSystemColor + 31 is no system colour: an ordinary cached value.
    HBRUSH beyond = cache.BrushForColor(TColor(uint32_t(clSystemColor) + 31));
    EXPECT_NE(beyond, nullptr);
    EXPECT_EQ(cache.GetDepth(), 1);
    EXPECT_EQ(cache.BrushForColor(clRed), cache.BrushForColor(clRed));
    EXPECT_EQ(BrushColor(cache.BrushForColor(clRed)), RGB(255, 0, 0));
    EXPECT_EQ(cache.GetDepth(), 2);
}

TEST_F(BrushCache, AFullCacheEvictsTheLeastUsedLowestEntryAndKeepsItsOrder) {
    TcxSolidBrushCache cache(4);
    HBRUSH lowest = cache.BrushForColor(TColor(0x10));
    for (TColor c : {TColor(0x40), TColor(0x30), TColor(0x20)})
        cache.BrushForColor(c);
    EXPECT_EQ(cache.GetDepth(), 4);
    // Every count is 0: entry 0 (the lowest colour) goes, the new colour takes its sorted place.
    HBRUSH added = cache.BrushForColor(TColor(0x35));
    EXPECT_EQ(cache.GetDepth(), 4);
    EXPECT_EQ(cache.EvictedCount(), 1);
    EXPECT_FALSE(lowest->Deleted()) << "still usable by the paint that asked for it";
    // The newcomer has count 0 too and lies after 0x20 and 0x30: a request for 0x20 and 0x30 and 0x40
    // makes them used, so the next newcomer evicts 0x35.
    for (TColor c : {TColor(0x20), TColor(0x30), TColor(0x40)})
        cache.BrushForColor(c);
    cache.BrushForColor(TColor(0x50));
    EXPECT_NE(cache.BrushForColor(TColor(0x35)), added) << "0x35 was evicted and comes back as a new brush";
    Pump();
    EXPECT_EQ(cache.EvictedCount(), 0) << "the posted release ran after the current message";
}

TEST_F(BrushCache, SystemColourChangeEmptiesTheCache) {
    TcxSolidBrushCache cache;
    cache.BrushForColor(clRed);
    EXPECT_EQ(cache.GetDepth(), 1);
    SendMessage(SystemPaletteListenerWindow(), WM_SYSCOLORCHANGE);
    EXPECT_EQ(cache.GetDepth(), 0);
    HBRUSH after = cache.BrushForColor(clRed);
    EXPECT_EQ(BrushColor(after), RGB(255, 0, 0));
    EXPECT_EQ(cache.GetDepth(), 1);
}

TEST_F(BrushCache, SharedCacheLivesFromStartUpToFinalization) {
    InitializeBrushCache();
    ASSERT_NE(SharedSolidBrushCache(), nullptr);
    EXPECT_EQ(SharedSolidBrushCache()->GetMaxDepth(), 128);
    EXPECT_EQ(SolidBrushFromCache(clBlue), SolidBrushFromCacheForCanvas(nullptr, clBlue));
    FinalizeBrushCache();
    EXPECT_EQ(SharedSolidBrushCache(), nullptr);
}

} // namespace
} // namespace zorvy::test
