#include "platform/win/ProgramCursors.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Text.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"

#include <gtest/gtest.h>

#include <set>

namespace zorvy::test {
namespace {

TEST(ProgramCursors, EveryNamedCursorIsDrawnOnceWithItsHotSpotOnIt) {
    const char* names[] = {"CX_DRAGCOPYCURSOR",   "CX_FULLSCROLLCURSOR",   "CX_HORSCROLLCURSOR",
                           "CX_VERSCROLLCURSOR",  "CX_UPSCROLLCURSOR",     "CX_RIGHTSCROLLCURSOR",
                           "CX_DOWNSCROLLCURSOR", "CX_LEFTSCROLLCURSOR",   "CX_REMOVECURSOR",
                           "CX_VERTSIZECURSOR",   "CX_HORZSIZECURSOR",     "CX_MULTIDRAGCURSOR",
                           "CX_NODROPCURSOR",     "CX_DRAGCURSOR",         "CX_COLORPICKERCURSOR",
                           "CXEDIT_MOUSEWHEEL",   "CX_GRIDSELECTROWCURSOR"};
    std::set<HCURSOR> handles;
    for (const char* name : names) {
        const HCURSOR cursor = LoadCursorResource(name);
        ASSERT_NE(cursor, 0) << name;
        EXPECT_EQ(LoadCursorResource(name), cursor) << "loaded once";
        handles.insert(cursor);
        TPoint hot;
        HBITMAP image = GetCursorImage(cursor, &hot);
        ASSERT_NE(image, nullptr) << name;
        int opaque = 0, clear = 0;
        for (std::uint32_t px : image->bits)
            ((px >> 24) == 0xFF ? opaque : clear) += (px >> 24) == 0xFF || px == 0 ? 1 : 0;
        EXPECT_GT(opaque, 20) << name;
        EXPECT_GT(clear, 200) << name;
        EXPECT_EQ(opaque + clear, 32 * 32) << name << ": every pixel is either drawn or clear";
        EXPECT_TRUE(hot.X >= 0 && hot.X < 32 && hot.Y >= 0 && hot.Y < 32) << name;
    }
    EXPECT_EQ(handles.size(), std::size(names));
    EXPECT_EQ(LoadCursorResource("NO_SUCH_CURSOR"), 0);
}

TEST(ScreenContext, GetDcOfNoWindowMeasuresText) {
    HDC dc = GetDC(0);
    ASSERT_NE(dc, nullptr);
    TSize size;
    EXPECT_TRUE(GetTextExtentPoint32(dc, "Zorvy \xE4\xB8\xAD", size));
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    EXPECT_EQ(ReleaseDC(0, dc), 1);
}

} // namespace
} // namespace zorvy::test
