#pragma once
// TMemo: a multi-line text box over a line-indexed buffer, made for long result lists: appending is
// cheap, painting touches only the visible lines, and scrolling or selecting everything does not
// walk the text. It scrolls with the window's own scroll bars, the keys and the wheel, selects with
// the mouse and Shift with the keys, and copies its selection to the clipboard (Ctrl+C; Ctrl+A
// selects all).
// Unless ReadOnly, the user edits it: typing replaces the selection, Enter breaks the line,
// Backspace and Delete remove a whole character (or join lines), Ctrl+X cuts and Ctrl+V pastes.
// Its window answers the messages of a multi-line edit control (EM_GETSEL, EM_SETSEL, EM_REPLACESEL,
// EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINESCROLL, WM_GETTEXT ...; positions are bytes of the text with
// CR LF between lines) and tells its parent EN_CHANGE, EN_VSCROLL and EN_HSCROLL, so that code made
// for an edit control drives it; its Text is the lines joined by CR LF.
#include "platform/classlib/Controls.h"
#include "platform/classlib/stdctrls/MemoLines.h"

#include <memory>
#include <vector>

namespace zorvy {

// A place in the text: a line and a byte offset on a character boundary within it.
struct TMemoPos {
    int Line = 0;
    int Offset = 0;
    friend bool operator==(const TMemoPos&, const TMemoPos&) = default;
    friend auto operator<=>(const TMemoPos&, const TMemoPos&) = default;
};

class TMemo : public TCustomControl {
    ZORVY_CLASS(TMemo, TCustomControl)
  public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TMemoLines* GetLines() { return lines_.get(); }
    bool ReadOnly = false;
    // Enter breaks the line (else it goes to the form, as Ctrl+Enter still breaks it); Tab types a
    // tab character (else it moves the focus).
    bool WantReturns = true;
    bool WantTabs = false;
    // Which of the window's scroll bars it has; the memo scrolls with the keys and wheel either way.
    TScrollStyle GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);

    // Words wrap at the view's width: a line then shows as several rows and nothing scrolls sideways.
    // Off by default, so that a long result list is laid out by its lines alone.
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // Scrolling: the first row shown (the first line unless words wrap), kept between 0 and the last
    // row that fills the view.
    int GetTopLine() const { return topLine_; }
    void SetTopLine(int row);
    int GetLineHeight() const;
    // Whole rows that fit in the view (at least 1).
    int GetVisibleLineCount() const;
    // Rows of the text: its lines, or more when words wrap.
    int GetRowCount() const;
    // Scrolls the least that shows line (its first row).
    void ScrollInView(int line);
    // Horizontal scrolling: how many pixels of the text lie left of the view.
    int GetLeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int pixels);

    // Selection, as the caret and the anchor the selection runs from.
    TMemoPos GetCaretPos() const { return caret_; }
    void SetCaretPos(TMemoPos pos, bool extend = false);
    TMemoPos GetSelStartPos() const { return std::min(anchor_, caret_); }
    TMemoPos GetSelEndPos() const { return std::max(anchor_, caret_); }
    // In bytes of the text with CR LF after every line.
    std::size_t GetSelStart() const { return TextOffset(GetSelStartPos()); }
    std::size_t GetSelLength() const { return TextOffset(GetSelEndPos()) - GetSelStart(); }
    std::string GetSelText() const;
    void SelectAll();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Replaces the selection with text (which may hold line breaks) and puts the caret after it.
    void SetSelText(const std::string& text);
    void ClearSelection() { SetSelText({}); }
    void Clear() { lines_->Clear(); }
    // Whether the user changed the text since Modified was last cleared.
    bool Modified = false;
    // Raised after each change the user makes.
    TNotifyEvent OnChange;

    // Geometry: the text area and the place under a client point.
    TRect TextRect() const;
    TMemoPos PosAtPoint(TPoint client) const;

    void Dispatch(TMessage& message) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    std::string GetTextValue() const override;
    void SetTextValue(const std::string& text) override;
    // The messages of a multi-line edit control; false for any other message.
    bool EditMessage(TMessage& m);
    // Tells the parent window a notification of an edit control (EN_CHANGE ...).
    void NotifyParent(UINT code);
    TMemoPos PosOfOffset(std::size_t offset) const;
    // An edit by the user: the selection replaced, then OnChange.
    void UserEdit(const std::string& text);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void LinesChanged(TMemoLines::TChange change, int firstLine);

  private:
    // A row: the part [Start, End) of a line that one line of the view shows.
    struct TRow {
        int Line, Start, End;
    };
    TRow RowAt(int row) const;
    int RowOf(TMemoPos pos) const;
    void EnsureRows() const;
    void ScrollRowInView(int row);
    // The offset in row nearest to x pixels from the row's start, on a character boundary.
    int OffsetAtX(const TRow& row, int x) const;
    int RowExtent(const TRow& row, int offset) const;
    void UpdateScrollBars();
    void ScrollMessage(TMessage& m, bool vertical);
    // The width of the longest line, which sets the horizontal range.
    int TextWidth() const;
    int TextExtentOf(int line, int offset) const;
    std::size_t TextOffset(TMemoPos pos) const;
    int MaxTopLine() const;
    TMemoPos Clamp(TMemoPos pos) const;

    std::unique_ptr<TMemoLines> lines_;
    TScrollStyle scrollBars_ = ssNone;
    int topLine_ = 0;
    TMemoPos caret_, anchor_;
    mutable int lineHeight_ = 0;
    mutable int visibleLines_ = 0; // 0: to be measured
    bool selecting_ = false;
    int leftOffset_ = 0;
    bool wordWrap_ = false;
    mutable std::vector<TRow> rows_; // when words wrap
    mutable bool rowsValid_ = false;
    bool barsPending_ = false; // an update of the scroll bars is posted
};

} // namespace zorvy
