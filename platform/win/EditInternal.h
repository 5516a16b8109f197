#pragma once
// Internal to the EDIT window class: the state of one edit window and the operations its message
// handling is built from (editing, caret moves, view and painting).
#include "platform/gdi/DeviceContext.h"
#include "platform/win/EditLines.h"
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

// What a change is, for undo merging and the checks that apply.
enum class TEditChangeKind { Typing, Paste, Program };

struct TEditUndo {
    bool valid = false;
    std::size_t pos = 0;
    std::string removed;  // what the change took out
    std::string inserted; // what it put in
};

struct TEditState {
    HWND hwnd = 0;
    std::string text;
    std::size_t chars = 0; // characters in text
    TEditLines lines;
    std::size_t anchor = 0, caret = 0; // the selection runs between them; the caret is where it grows
    std::size_t limit = 0x7FFFFFFE;    // characters
    int marginLeft = 1, marginRight = 1;
    char32_t passwordChar = 0;
    bool modified = false;
    TEditUndo undo;
    bool mergeTyping = false; // the next typed character joins the last undo record
    int firstLine = 0;        // multi-line: the top display line
    int scrollX = 0;          // pixels scrolled to the left
    int maxLineWidth = 0;     // widest line measured so far, for the horizontal bar
    int desiredX = -1;        // up/down keep this column (pixels), -1 until set
    std::string preedit;      // being composed by the input method
    int preeditCursor = 0;
    bool focused = false;
    bool selecting = false; // the left button drags a selection
    HFONT font = nullptr;
    HDC measureDc = nullptr;
    int lineHeight = 13;
    int lastScroll[2][3] = {{-1, -1, -1}, {-1, -1, -1}}; // range, page, pos last given to each bar
};

TEditState* FindEditState(HWND hwnd);

// Style questions.
bool IsMultiLine(const TEditState& e);
bool IsReadOnly(const TEditState& e);
bool WordWraps(const TEditState& e);
std::size_t SelStart(const TEditState& e);
std::size_t SelEnd(const TEditState& e);

// Editing (EditEditing.cpp). ReplaceRange answers false when nothing could change (read-only where
// the user types, or the limit leaves no room).
bool ReplaceRange(TEditState& e, std::size_t from, std::size_t to, std::string insert, TEditChangeKind kind);
// Without `notify` (while the window is being made) the parent hears nothing.
void SetEditText(TEditState& e, const std::string& text, bool notify = true);
bool UndoEdit(TEditState& e);
void CopySelection(TEditState& e);
void PasteClipboard(TEditState& e);
void SetSelection(TEditState& e, std::size_t anchor, std::size_t caret);
void Notify(TEditState& e, UINT code);
// Positions step over whole characters and over "\r\n" as one.
std::size_t NextPos(const std::string& text, std::size_t pos);
std::size_t PrevPos(const std::string& text, std::size_t pos);
// A position snapped back onto a character boundary (and before a "\r\n"), within the text.
std::size_t SnapPos(const std::string& text, std::size_t pos);
std::size_t WordStart(const std::string& text, std::size_t pos); // Ctrl+Left
std::size_t WordEnd(const std::string& text, std::size_t pos);   // Ctrl+Right
// The word (run of one kind of character) around a position, for a double click.
void WordAround(const std::string& text, std::size_t pos, std::size_t& from, std::size_t& to);

// View (EditView.cpp).
void UpdateFont(TEditState& e);
void RelayoutLines(TEditState& e); // after a size, font or wrap change
TRect FormatRect(const TEditState& e);
int VisibleLines(const TEditState& e);
// Pixel offset of pos within its display line (from the line's left edge, no alignment or scroll).
int XInLine(TEditState& e, int line, std::size_t pos);
// Client point of a position: its left edge at the top of its line.
TPoint PosToPoint(TEditState& e, std::size_t pos);
std::size_t PointToPos(TEditState& e, TPoint p);
// Keeps the caret in view; answers whether the view scrolled.
bool ScrollToCaret(TEditState& e);
void ScrollLines(TEditState& e, int firstLine); // multi-line
void ScrollHorizontally(TEditState& e, int x);
void UpdateScrollBars(TEditState& e);
void PlaceCaret(TEditState& e);
void PaintEdit(TEditState& e, HDC dc);
void InvalidateEdit(TEditState& e);

// Input (EditInput.cpp).
void EditKeyDown(TEditState& e, WPARAM vk);
void EditChar(TEditState& e, char32_t ch);
void EditMouseDown(TEditState& e, TPoint p, bool shift, bool doubleClick);
void EditMouseMove(TEditState& e, TPoint p);
void EditComposition(TEditState& e);

} // namespace zorvy
