#pragma once
// Text laid out in rows inside a rectangle and drawn, independently of the platform's formatted
// drawing: word and character breaking, line breaks, tabs, justification, vertical and horizontal
// alignment with distribution, an end ellipsis on the last visible row, row-by-row clipping and a
// selected range in its own colours. Lengths and positions are UTF-8 byte offsets; a multi-byte
// character is never split.
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"

#include <string>
#include <vector>

namespace zorvy {

class TCanvas;

// Text-row flags.
enum : int {
    trfCenterHorz = 0x1,
    trfRight = 0x2,
    trfJustify = 0x3, // the last row of a paragraph is not stretched
    trfDistributeHorz = 0x4,
    trfCenterVert = 0x10,
    trfBottom = 0x20,
    trfDistributeVert = 0x30,
    trfNoLeftOverflow = 0x40,
    trfNoTopOverflow = 0x80,
    trfWordBreak = 0x100,
    trfSingleLine = 0x200,
    trfExpandTabs = 0x400,
    trfEndEllipsis = 0x800,
    trfExternalLeading = 0x2000,
    trfWholeRowsOnly = 0x4000,
    trfNoClip = 0x8000,
    trfBit16 = 0x10000, // kept in the parameters, not used by the layout
    trfCharBreak = 0x20000,
    trfCalcRect = 0x100000,
    trfReturnRowCount = 0x200000,
};

struct TcxTextRowParams {
    int FontHeight = 0;
    int ExternalLeading = 0;
    int LineHeight = 0; // the vertical distribution may enlarge it
    int EllipsisWidth = 0;
    char32_t BreakChar = U' ';
    uint8_t HorzAlign = 0;
    uint8_t VertAlign = 0;
    bool WordBreak = false;
    bool SingleLine = false;
    bool ExpandTabs = false;
    bool EndEllipsis = false;
    bool ExternalLeadingFlag = false;
    bool WholeRowsOnly = false;
    bool NoClip = false;
    bool Bit16 = false;
    bool NoLeftOverflow = false;
    bool NoTopOverflow = false;
    bool CharBreak = false;
    bool ReturnRowCount = false;
    bool CalcOnly = false;
    int MaxCharWidth = 0;
    uint8_t CharSet = 0;
};

struct TcxTextRow {
    const char* Text = nullptr; // inside the caller's text
    int TextLength = 0;         // bytes
    int Width = 0;
    int Height = 0;
    int BreakCount = 0; // break characters and tabs, for justification
    int Left = 0;
    int Top = 0;
    int TextOffset = 0; // of the row's first byte in the whole text
};
using TcxTextRows = std::vector<TcxTextRow>;

// Whether the system locale is Chinese, Japanese or Korean (from LC_ALL, LC_CTYPE or LANG); there
// character breaking is always on.
bool IsFarEastSystemLocale();
void SetFarEastSystemLocale(bool value);

void InitTextRowParamsForDC(HDC dc, int flags, TcxTextRowParams& params);
void InitTextRowParams(TCanvas* canvas, int flags, TcxTextRowParams& params);
// Breaks text into rows for r's width; false when the row limit cut it.
bool SplitTextIntoRowsOnDC(HDC dc, const std::string& text, const TRect& r, TcxTextRowParams& params,
                           TcxTextRows& rows, int& rowCount, int maxRowCount = 0);
bool SplitTextIntoRows(TCanvas* canvas, const std::string& text, const TRect& r, TcxTextRowParams& params,
                       TcxTextRows& rows, int& rowCount, int maxRowCount = 0);
// Sets every row's Left and Top; answers rowCount.
int PlaceTextRows(HDC dc, const TRect& r, TcxTextRowParams& params, TcxTextRows& rows, int rowCount);
// Draws placed rows; the context's font, background mode, text colour, justification and clip
// region are as before afterwards.
void DrawTextRows(HDC dc, const TRect& r, const TcxTextRowParams& params, TcxTextRows& rows, int rowCount,
                  int selStart, int selLength, TColor selBkColor, TColor selTextColor, bool forceEndEllipsis);
int WidestTextRow(const TcxTextRows& rows, int count);
TRect NarrowTextRect(const TRect& r, const TcxTextRowParams& params, int leftIndent, int rightIndent);
TRect WidenTextRect(const TRect& r, const TcxTextRowParams& params, int leftIndent, int rightIndent);

// The whole pipeline: lays out and draws (or, with trfCalcRect, sets r to the rectangle the text
// needs). Answers the height of the rows, or their number with trfReturnRowCount or when the height
// is 0.
int DrawTextByRowsOnDC(HDC dc, const std::string& text, TRect& r, int flags, int selStart, int selLength,
                       TColor selBkColor, TColor selTextColor, int maxRowCount = 0, int leftIndent = 0,
                       int rightIndent = 0);
int DrawTextByRowsOnCanvas(TCanvas* canvas, const std::string& text, TRect& r, int flags, int selStart,
                           int selLength, TColor selBkColor, TColor selTextColor, int maxRowCount = 0,
                           int leftIndent = 0, int rightIndent = 0);
int DrawTextByRows(TCanvas* canvas, const std::string& text, TRect& r, int flags, int maxRowCount = 0,
                   int leftIndent = 0, int rightIndent = 0);

} // namespace zorvy
