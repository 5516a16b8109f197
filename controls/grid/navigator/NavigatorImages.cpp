// The navigator's built-in glyphs, drawn here pixel by pixel: one 12 x 11 picture per button, in
// button order, on olive (the transparent colour of the strip).
#include "controls/grid/navigator/Navigator.h"

#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"

#include <memory>

namespace zorvy {

namespace {

constexpr int GlyphWidth = 12;
constexpr int GlyphHeight = 11;

// '#' black, 'g' green, 'r' red, 'b' navy, '.' transparent.
const char* const Glyphs[NavigatorButtonCount][GlyphHeight] = {
    {// First
     "............", "..#.....#...", "..#....##...", "..#...###...", "..#..####...", "..#.#####...",
     "..#..####...", "..#...###...", "..#....##...", "..#.....#...", "............"},
    {// PriorPage
     "............", "............", "....#....#..", "...##...##..", "..###..###..", ".####.####..",
     "..###..###..", "...##...##..", "....#....#..", "............", "............"},
    {// Prior
     "............", ".......#....", "......##....", ".....###....", "....####....", "...#####....",
     "....####....", ".....###....", "......##....", ".......#....", "............"},
    {// Next
     "............", "....#.......", "....##......", "....###.....", "....####....", "....#####...",
     "....####....", "....###.....", "....##......", "....#.......", "............"},
    {// NextPage
     "............", "............", "..#....#....", "..##...##...", "..###..###..", "..####.####.",
     "..###..###..", "..##...##...", "..#....#....", "............", "............"},
    {// Last
     "............", "...#.....#..", "...##....#..", "...###...#..", "...####..#..", "...#####.#..",
     "...####..#..", "...###...#..", "...##....#..", "...#.....#..", "............"},
    {// Insert
     "............", ".....##.....", ".....##.....", ".....##.....", "..########..", "..########..",
     ".....##.....", ".....##.....", ".....##.....", ".....##.....", "............"},
    {// Append
     "............", ".....##.....", ".....##.....", "..########..", "..########..", ".....##.....",
     ".....##.....", ".....##.....", "............", ".##########.", "............"},
    {// Delete
     "............", "............", "............", "............", "..########..", "..########..",
     "............", "............", "............", "............", "............"},
    {// Edit
     "............", "............", "............", ".....##.....", "....####....", "...######...",
     "..########..", ".##########.", "............", "............", "............"},
    {// Post
     "............", "............", "..........g.", ".........gg.", "........gg..", ".g.....gg...",
     ".gg...gg....", "..gg.gg.....", "...ggg......", "....g.......", "............"},
    {// Cancel
     "............", ".rr......rr.", "..rr....rr..", "...rr..rr...", "....rrrr....", ".....rr.....",
     "....rrrr....", "...rr..rr...", "..rr....rr..", ".rr......rr.", "............"},
    {// Refresh
     "............", "....####.#..", "...#....##..", "..#....###..", "..#.........", "..#......#..",
     "..#......#..", "...#....#...", "....####....", "............", "............"},
    {// SaveBookmark
     "............", "..bbbbb.....", "..bbbbb.....", "..bbbbb.....", "..bbbbb..#..", "..bbbbb.###.",
     "..bbbbb..#..", "..bbbbb.....", "..bb.bb.....", "..bb.bb.....", "............"},
    {// GotoBookmark
     "............", "..bbbbb.....", "..bbbbb.....", "..bbbbb.#...", "..bbbbb.##..", "..bbbbb.###.",
     "..bbbbb.##..", "..bbbbb.#...", "..bb.bb.....", "..bb.bb.....", "............"},
    {// Filter
     "............", ".##########.", "..########..", "...######...", "....####....", ".....##.....",
     ".....##.....", ".....##.....", ".....##.....", ".....##.....", "............"},
};

TColor GlyphColor(char c) {
    switch (c) {
    case '#':
        return clBlack;
    case 'g':
        return clGreen;
    case 'r':
        return clMaroon;
    case 'b':
        return clNavy;
    default:
        return clOlive;
    }
}

std::unique_ptr<TCustomImageList> defaultImages;

} // namespace

TCustomImageList* GetNavigatorDefaultImages() {
    if (defaultImages) return defaultImages.get();
    TBitmap strip;
    strip.SetSize(GlyphWidth * NavigatorButtonCount, GlyphHeight);
    TCanvas* canvas = strip.GetCanvas();
    for (int i = 0; i < NavigatorButtonCount; ++i)
        for (int y = 0; y < GlyphHeight; ++y)
            for (int x = 0; x < GlyphWidth; ++x) canvas->SetPixel(i * GlyphWidth + x, y, GlyphColor(Glyphs[i][y][x]));
    defaultImages = std::make_unique<TCustomImageList>(nullptr, GlyphWidth, GlyphHeight);
    defaultImages->AddMasked(&strip, clOlive);
    return defaultImages.get();
}

void FinalizeNavigatorUnit() {
    defaultImages.reset();
}

} // namespace zorvy
