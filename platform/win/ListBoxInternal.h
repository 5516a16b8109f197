#pragma once
// Internal to the LISTBOX window class: the state of one list box and the operations its message
// handling is built from.
#include "platform/gdi/DeviceContext.h"
#include "platform/win/Handles.h"

#include <string>
#include <vector>

namespace zorvy {

struct TListItem {
    std::string text;
    std::intptr_t data = 0;
    bool selected = false; // multiple and extended selection
    int height = 0;        // variable owner draw
};

struct TListBoxState {
    HWND hwnd = 0;
    std::vector<TListItem> items;
    int top = 0;      // first visible item
    int current = -1; // single selection: the selected item
    int caret = -1;   // the focused item
    int anchor = -1;  // extended selection: where a Shift range starts
    int itemHeight = 13;
    int horizontalExtent = 0; // how wide the items may be drawn, for horizontal scrolling
    int scrollX = 0;          // pixels scrolled to the left
    bool scrollBar = false;   // made with WS_VSCROLL (the bar itself comes and goes with the range)
    bool hScrollBar = false;  // made with WS_HSCROLL
    bool focused = false;
    bool tracking = false; // the left button drags the selection
    std::string search;    // typed so far, for finding an item by its start
    std::uint64_t lastKeyTime = 0;
    HFONT font = nullptr;
};

enum class TSelectionMode { None, Single, Multiple, Extended };

TListBoxState* FindListBoxState(HWND hwnd);
TSelectionMode SelectionMode(const TListBoxState& s);
bool IsOwnerDraw(const TListBoxState& s);
bool IsVariable(const TListBoxState& s);
bool HasStrings(const TListBoxState& s);
int Count(const TListBoxState& s);
void NotifyParent(TListBoxState& s, UINT code); // with LBS_NOTIFY only

// View (ListBoxView.cpp).
int ItemHeightOf(const TListBoxState& s, int index);
int VisibleItems(const TListBoxState& s); // whole items that fit from the top item
TRect ItemRect(const TListBoxState& s, int index);
int ItemFromPoint(const TListBoxState& s, TPoint p, bool& outside);
void SetTop(TListBoxState& s, int top);
void SetScrollX(TListBoxState& s, int x);
void MakeVisible(TListBoxState& s, int index);
void UpdateScrollBar(TListBoxState& s);
void InvalidateItem(TListBoxState& s, int index);
void PaintListBox(TListBoxState& s, HDC dc);
void MeasureItem(TListBoxState& s, int index);
void FitIntegralHeight(TListBoxState& s);

// Selection and input (ListBoxInput.cpp).
bool IsSelected(const TListBoxState& s, int index);
void SelectOnly(TListBoxState& s, int index); // single: the current item; else just that one
void SelectRange(TListBoxState& s, int from, int to, bool select);
void SetCaret(TListBoxState& s, int index);
void ListKeyDown(TListBoxState& s, WPARAM vk);
void ListChar(TListBoxState& s, char32_t ch);
void ListMouseDown(TListBoxState& s, TPoint p, WPARAM keys, bool doubleClick);
void ListMouseMove(TListBoxState& s, TPoint p);
int FindItem(const TListBoxState& s, int after, const std::string& text, bool exact);

} // namespace zorvy
