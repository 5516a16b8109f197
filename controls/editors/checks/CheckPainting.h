#pragma once
// One check mark in every look the editors have: a custom glyph strip, a skin painter, the system
// theme, or a classic frame with the system's or our own content and a tick through the shared tick
// mask; its size and the inset of its frame. Shared by the check box, check group, check list box and
// check combo box.
#include <string>

#include "controls/editors/checks/CheckStates.h"
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/painters/Painter.h"
#include "platform/gdi/Geometry.h"

namespace zorvy {

class TBitmap;
class TcxCanvas;
class TFont;

// The visual state of a mark.
enum TcxEditCheckState { ecsNormal = 0, ecsHot = 1, ecsPressed = 2, ecsDisabled = 3 };

// The tick: black where a checked system box differs from an empty one. Built at start-up.
TBitmap* CheckMarkMask();
void LoadCheckMarkMask();
void FreeCheckMarkMask();

bool IsCheckGlyphUsable(const TBitmap* glyph, int glyphCount);
// The cell of a glyph strip for a state: rows of 3 cells (grayed cells, or a count that is odd or a
// multiple of 3) or 2, the pressed row after the normal one.
int CheckGlyphCellIndex(TcxCheckBoxState checkState, TcxEditCheckState buttonState, int glyphCount, bool grayedGlyphs);
// The themed check-box state: 1 + 4 x check state + button state.
int CheckThemeStateId(TcxCheckBoxState checkState, TcxEditCheckState buttonState);
// Pixels between the mark's rectangle and its content.
int CheckFrameInset(TcxEditBorderStyle frameStyle, bool nativeStyle, bool hasGlyph, TcxLookAndFeelPainterClass painter);

TSize MeasureEditCheck(TcxCanvas* canvas, bool nativeStyle, TBitmap* glyph, TcxLookAndFeelPainterClass painter,
                       int glyphCount);
void PaintEditCheck(TcxCanvas* canvas, const TRect& rect, TcxCheckBoxState checkState, TcxEditCheckState buttonState,
                    TBitmap* glyph, int glyphCount, TcxEditBorderStyle frameStyle, bool nativeStyle, TColor borderColor,
                    TColor backgroundColor, bool paintBackground, bool isDesigning, bool focused, bool grayedGlyphs,
                    TcxLookAndFeelPainterClass painter, TcxCheckBoxNullValueShowingStyle nullStyle);
// The caption beside a mark, on a clear brush.
void PaintCheckCaption(TcxCanvas* canvas, const std::string& text, TFont* font, bool enabled, int flags,
                       const TRect& rect, TColor color);

} // namespace zorvy
