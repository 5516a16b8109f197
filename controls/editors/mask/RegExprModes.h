#pragma once
// The mask modes of the regular-expression kinds. They keep a TcxRegExpr in step with the text before the
// caret (the head) and refuse any edit after which the text would no longer be the start of a match: a
// refused character, or an edit in the middle after which the rest of the text (the tail) no longer
// fits, beeps and changes nothing. The extended mode also types the characters the expression forces
// (a separator, a fixed prefix) as soon as they are the only possible continuation, and deletes and
// skips them together with the character that caused them.
#include "controls/editors/mask/MaskModes.h"
#include "controls/editors/mask/RegExpr.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
  public:
    TcxMaskEditRegExprMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties);

    TcxEditMaskKind ModeMaskKind() const override { return emkRegExpr; }
    // EcxMaskEditError "Regular expression errors:" with every error on a line of its own.
    void CompileMask(const std::string& mask) override;
    std::string GetEmptyMaskText() override { return {}; }
    std::string FormatWithMask(const std::string& text, bool textHoldsLiterals) override;
    std::string GetDisplayTextForMask(const std::string& text, bool) override { return text; }
    bool IsTextValid(const std::string& text) override;
    void PrepareForSelectAll() override;
    void RefreshMaskDisplay() override { mouseAction_ = true; }
    void BeforePaste() override {}
    void AfterPaste() override {}
    void UpdateEditValue() override {}
    void SetText(const std::string& text) override;
    void SyncEditValue() override;
    bool IsCaretAtStart() override;
    bool IsCaretAtEnd() override;
    bool ProcessHome() override;
    bool ProcessEnd() override;
    bool ProcessLeft() override;
    bool ProcessRight() override;
    bool ProcessChar(std::string& character) override;
    bool ProcessBackspace() override;
    bool ProcessDelete() override;

    TcxRegExpr& Expression() { return expression_; }
    const std::string& Head() const { return head_; }
    const std::string& Tail() const { return tail_; }

  protected:
    // Rebuilds head and tail from the caret after moves the mode did not see.
    void Resync();
    // Whether the tail can follow the head; the expression ends where it started.
    bool TailFits();
    // Takes the selected text out of the front of the tail or the end of the head.
    virtual void CutSelection();
    virtual void RestoreSelection();
    // Compiles another expression from this mode's mask; false when that fails.
    bool CompileCopy(TcxRegExpr& copy);
    bool Feed(std::string& character) { return expression_.ConsumeChar(character); }
    void StepBack() { expression_.UnconsumeChar(); }
    int SelStart() const;
    int SelLength() const;
    bool CaseInsensitive() const;

    TcxRegExpr expression_;
    std::string head_;
    std::string tail_;
    std::string selection_; // the selected text while an operation runs
    bool selectionAtStart_ = false;
    bool mouseAction_ = false;
};

class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
  public:
    TcxMaskEditRegExprExMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties);

    TcxEditMaskKind ModeMaskKind() const override { return emkRegExprEx; }
    void CompileMask(const std::string& mask) override;
    void UpdateEditValue() override;
    // The characters the expression forces at its start.
    std::string GetEmptyMaskText() override;
    std::string FormatWithMask(const std::string& text, bool textHoldsLiterals) override;
    bool IsTextValid(const std::string& text) override;
    void BeforePaste() override { SyncToCaret(); }
    void SetText(const std::string& text) override;
    bool ProcessHome() override;
    bool ProcessEnd() override;
    bool ProcessLeft() override;
    bool ProcessRight() override;
    bool ProcessChar(std::string& character) override;
    bool ProcessBackspace() override;
    bool ProcessDelete() override;

  private:
    // The characters the expression forces from its position on, consumed as it reports them.
    std::string Continuation();
    // How many characters at the end of the head the expression forced.
    size_t TrailingForced(const std::vector<std::string>& head);
    // Rebuilds head and tail from the edit's text and caret.
    void SyncToCaret();
    // Shows head and tail with the caret after the head.
    void ShowHead();
    std::string ForcedPrefix();

    std::string forced_; // forced characters the expression reported
};

} // namespace zorvy
