// A list box's selection and what the user does to it: keys, type-ahead, clicks and drags.
#include "platform/rtl/Strings.h"
#include "platform/win/Input.h"
#include "platform/win/ListBoxInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr std::uint64_t TypeAheadPause = 1000; // ms between keys that start a new search

bool Down(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// Runs a change of the selection and tells the parent when the selection is not what it was.
template <typename F> void ChangeSelection(TListBoxState& s, F change) {
    std::vector<bool> before;
    const int current = s.current;
    if (SelectionMode(s) == TSelectionMode::Multiple || SelectionMode(s) == TSelectionMode::Extended)
        for (const auto& item : s.items)
            before.push_back(item.selected);
    change();
    if (!FindListBoxState(s.hwnd)) return;
    bool changed = s.current != current;
    for (std::size_t i = 0; i < before.size() && !changed; ++i)
        changed = before[i] != s.items[i].selected;
    if (changed) NotifyParent(s, LBN_SELCHANGE);
}

void MoveTo(TListBoxState& s, int index) {
    const int n = Count(s);
    if (n == 0) return;
    index = std::clamp(index, 0, n - 1);
    const TSelectionMode mode = SelectionMode(s);
    ChangeSelection(s, [&] {
        if (mode == TSelectionMode::Single) {
            SelectOnly(s, index);
        } else if (mode == TSelectionMode::Extended && !Down(VK_CONTROL)) {
            if (Down(VK_SHIFT) && s.anchor >= 0) {
                for (auto& item : s.items)
                    item.selected = false;
                SelectRange(s, s.anchor, index, true);
            } else {
                SelectOnly(s, index);
                s.anchor = index;
            }
        }
        SetCaret(s, index);
    });
}

bool StartsWithText(const std::string& item, const std::string& prefix) {
    return item.size() >= prefix.size() &&
           AnsiSameText(std::string_view(item).substr(0, prefix.size()), prefix);
}

} // namespace

bool IsSelected(const TListBoxState& s, int index) {
    if (index < 0 || index >= Count(s)) return false;
    if (SelectionMode(s) == TSelectionMode::Single) return index == s.current;
    return s.items[static_cast<std::size_t>(index)].selected;
}

void SelectOnly(TListBoxState& s, int index) {
    if (SelectionMode(s) == TSelectionMode::None) return;
    if (SelectionMode(s) == TSelectionMode::Single) {
        if (index == s.current) return;
        InvalidateItem(s, s.current);
        s.current = index;
        InvalidateItem(s, index);
        return;
    }
    for (int i = 0; i < Count(s); ++i) {
        auto& item = s.items[static_cast<std::size_t>(i)];
        const bool want = i == index;
        if (item.selected != want) {
            item.selected = want;
            InvalidateItem(s, i);
        }
    }
}

void SelectRange(TListBoxState& s, int from, int to, bool select) {
    if (from > to) std::swap(from, to);
    from = std::max(from, 0);
    to = std::min(to, Count(s) - 1);
    for (int i = from; i <= to; ++i) {
        auto& item = s.items[static_cast<std::size_t>(i)];
        if (item.selected != select) {
            item.selected = select;
            InvalidateItem(s, i);
        }
    }
}

void SetCaret(TListBoxState& s, int index) {
    if (index != s.caret) {
        InvalidateItem(s, s.caret);
        s.caret = index;
        InvalidateItem(s, index);
    }
    MakeVisible(s, index);
}

int FindItem(const TListBoxState& s, int after, const std::string& text, bool exact) {
    const int n = Count(s);
    if (n == 0 || !HasStrings(s)) return -1;
    const int start = after < 0 || after >= n ? 0 : after + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        const std::string& item = s.items[static_cast<std::size_t>(i)].text;
        if (exact ? AnsiSameText(item, text) : StartsWithText(item, text)) return i;
    }
    return -1;
}

void ListKeyDown(TListBoxState& s, WPARAM vk) {
    const int n = Count(s);
    if (n == 0) return;
    const int from = s.caret < 0 ? 0 : s.caret;
    const int page = std::max(1, VisibleItems(s) - 1);
    switch (vk) {
    case VK_UP:
    case VK_DOWN:
        // Without a selection the first arrow selects the focused item.
        if (s.caret < 0 || (SelectionMode(s) == TSelectionMode::Single && s.current < 0))
            MoveTo(s, from);
        else
            MoveTo(s, from + (vk == VK_UP ? -1 : 1));
        break;
    case VK_PRIOR:
        MoveTo(s, from - page);
        break;
    case VK_NEXT:
        MoveTo(s, from + page);
        break;
    case VK_HOME:
        MoveTo(s, 0);
        break;
    case VK_END:
        MoveTo(s, n - 1);
        break;
    case VK_SPACE:
        if (s.caret >= 0 && (SelectionMode(s) == TSelectionMode::Multiple ||
                             (SelectionMode(s) == TSelectionMode::Extended && Down(VK_CONTROL)))) {
            ChangeSelection(s, [&] {
                SelectRange(s, s.caret, s.caret, !IsSelected(s, s.caret));
                s.anchor = s.caret;
            });
        }
        break;
    default:
        break;
    }
}

void ListChar(TListBoxState& s, char32_t ch) {
    if (ch < 0x20 || !HasStrings(s)) return;
    const std::uint64_t now = GetMessageTime();
    if (now - s.lastKeyTime > TypeAheadPause) s.search.clear();
    s.lastKeyTime = now;
    char buf[4];
    int len = 0;
    if (ch < 0x80) {
        buf[len++] = static_cast<char>(ch);
    } else if (ch < 0x800) {
        buf[len++] = static_cast<char>(0xC0 | (ch >> 6));
        buf[len++] = static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        buf[len++] = static_cast<char>(0xE0 | (ch >> 12));
        buf[len++] = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        buf[len++] = static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        buf[len++] = static_cast<char>(0xF0 | (ch >> 18));
        buf[len++] = static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        buf[len++] = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        buf[len++] = static_cast<char>(0x80 | (ch & 0x3F));
    }
    s.search.append(buf, static_cast<std::size_t>(len));
    // A first letter looks beyond the current item (pressing it again walks the items with that
    // letter); a longer search may stay on the current item.
    const int from =
        s.caret < 0 ? -1 : (s.search.size() == static_cast<std::size_t>(len) ? s.caret : s.caret - 1);
    const int found = FindItem(s, from, s.search, false);
    if (found >= 0) MoveTo(s, found);
}

void ListMouseDown(TListBoxState& s, TPoint p, WPARAM keys, bool doubleClick) {
    if (GetFocus() != s.hwnd) SetFocus(s.hwnd);
    if (!FindListBoxState(s.hwnd) || Count(s) == 0) return;
    bool outside = false;
    const int index = ItemFromPoint(s, p, outside);
    if (outside) return;
    const TSelectionMode mode = SelectionMode(s);
    ChangeSelection(s, [&] {
        if (mode == TSelectionMode::Multiple) {
            SelectRange(s, index, index, !IsSelected(s, index));
        } else if (mode == TSelectionMode::Extended) {
            if ((keys & MK_SHIFT) && s.anchor >= 0) {
                if (!(keys & MK_CONTROL))
                    for (auto& item : s.items)
                        item.selected = false;
                SelectRange(s, s.anchor, index, true);
            } else if (keys & MK_CONTROL) {
                SelectRange(s, index, index, !IsSelected(s, index));
                s.anchor = index;
            } else {
                SelectOnly(s, index);
                s.anchor = index;
            }
        } else {
            SelectOnly(s, index);
        }
        SetCaret(s, index);
    });
    if (!FindListBoxState(s.hwnd)) return;
    if (doubleClick) {
        NotifyParent(s, LBN_DBLCLK);
        return;
    }
    if (mode == TSelectionMode::Single || mode == TSelectionMode::Extended) {
        s.tracking = true;
        SetCapture(s.hwnd);
    }
}

void ListMouseMove(TListBoxState& s, TPoint p) {
    if (!s.tracking || GetCapture() != s.hwnd || Count(s) == 0) return;
    bool outside = false;
    const int index = ItemFromPoint(s, p, outside);
    if (index == s.caret) return;
    ChangeSelection(s, [&] {
        if (SelectionMode(s) == TSelectionMode::Extended && s.anchor >= 0) {
            for (auto& item : s.items)
                item.selected = false;
            SelectRange(s, s.anchor, index, true);
            InvalidateRect(s.hwnd, nullptr, true);
        } else {
            SelectOnly(s, index);
        }
        SetCaret(s, index);
    });
}

} // namespace zorvy
