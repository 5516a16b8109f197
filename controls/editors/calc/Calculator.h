#pragma once
// The calculator drawn as a control: 27 painter-drawn buttons laid out from the button height, the
// arithmetic engine behind them on extended-precision numbers, and the mouse and keyboard that
// press them. It has no display of its own: it reads and writes its display text through
// GetDisplayText and SetDisplayText, so that the popup calculator uses its editor's text.
#include "controls/editors/calc/CalcNumbers.h"
#include "controls/editors/popup/EditPopupWindow.h"
#include "controls/foundation/control/Control.h"

#include <array>
#include <functional>
#include <string>

namespace zorvy {

enum TcxCalcButtonKind {
    cbBack, cbCancel, cbClear, cbMC, cbMR, cbMS, cbMP,
    cbNum0, cbNum1, cbNum2, cbNum3, cbNum4, cbNum5, cbNum6, cbNum7, cbNum8, cbNum9,
    cbSign, cbDecimal, cbDiv, cbMul, cbSub, cbAdd, cbSqrt, cbPercent, cbRev, cbEqual, cbNone
};
constexpr int cxCalcButtonCount = 27;

// 0 waiting for a new number (the display shows a result), 1 entering a number, 2 error.
enum TcxCalcState { csFirst = 0, csValid = 1, csError = 2 };

struct TcxCalcButtonInfo {
    TcxCalcButtonKind Kind = cbNone;
    std::string Text;
    TColor FontColor = clBlack;
    TRect Bounds{};
    bool Down = false;
    bool Grayed = false;
};

using TcxButtonClickEvent = std::function<void(TObject* sender, TcxCalcButtonKind& button)>;
using TcxCalcCloseRequestEvent = std::function<void(TObject* sender, TcxEditCloseUpReason reason)>;

class TcxCustomCalculator : public TcxControl {
    ZORVY_CLASS(TcxCustomCalculator, TcxControl)
  public:
    explicit TcxCustomCalculator(TComponent* owner);
    ~TcxCustomCalculator() override;

    // ---- the engine ----
    void ButtonClick(TcxCalcButtonKind button);
    // 0 in the error status; a display text that is no number raises EConvertError.
    TcxCalcValue GetDisplayValue();
    // General format with max(Precision, 2) digits; a value beyond the extended range is an error.
    void SetDisplayValue(TcxCalcValue value);
    void Reset();
    void CopyToClipboard();
    // A text that is no number (after the currency string is taken out) is ignored with a beep.
    void PasteFromClipboard();
    void UpdateMemoryButtons();

    // ---- settings ----
    bool GetFontFollowsSize() const { return autoFontSize_; }
    void SetFontFollowsSize(bool value);
    bool BeepOnError = true;
    bool ShowFocusRect = true;
    int GetPrecision() const { return precision_; }
    void SetPrecision(std::uint8_t value) { precision_ = value; }
    TcxControlBorderStyle CalcBorderStyle = cxcbsNone;

    // ---- state a caller may read ----
    TcxCalcState GetCalcState() const { return state_; }
    TcxCalcValue GetMemory() const { return memory_; }
    TcxCalcButtonKind GetPendingOperator() const { return pendingOperator_; }
    const TcxCalcButtonInfo& GetButton(TcxCalcButtonKind kind) const { return buttons_[kind]; }
    int GetButtonHeight() const { return buttonHeight_; }
    int GetButtonFontSize() const { return fontSize_; }
    TcxCalcButtonKind GetHotButton() const { return hotButton_; }
    TcxCalcButtonKind GetButtonAt(int x, int y) const;
    bool IsPopupControl() const { return isPopupControl_; }
    // The text the error status shows.
    static std::string GetErrorText();

    TNotifyEvent OnDisplayTextChanged;
    TcxButtonClickEvent OnBeforeButtonAction;
    TNotifyEvent OnResultReady;
    TcxCalcCloseRequestEvent OnCloseRequest;

    // ---- the display ----
    virtual std::string GetDisplayText() { return {}; }
    virtual void SetDisplayText(const std::string&) {}
    virtual void HidePopup(TObject* sender, TcxEditCloseUpReason reason);

    // Sizes the buttons from the width and height (or the font) and lays them out again.
    void FitToSize(int width, int height);

    // The standard painter.
    TcxLookAndFeelPainterClass GetLookAndFeelPainter() const override;

  protected:
    void Paint() override;
    void CreateParams(TCreateParams& params) override;
    void SetEnabled(bool value) override;
    void FontPropertyChanged() override;
    void FocusStateChanged() override;
    void MouseExited(TControl* control) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void Resize() override;

    // Presses the button a key maps to (none does nothing).
    void PressKeyButton(TcxCalcButtonKind button, bool repeats);
    void ReleaseKeyButton();
    void InvalidateButton(TcxCalcButtonKind kind);
    // Puts a memory back after a re-layout cleared it.
    void KeepMemory(TcxCalcValue memory);
    bool isPopupControl_ = false;

  private:
    void LayoutButtons();
    void ShowError();
    // The result shown, or the error when it lies beyond the extended range.
    void ShowResult(TcxCalcValue value);
    // Status 0 becomes 1 with the display "0".
    void StartNumber();
    void Calculate(TcxCalcButtonKind button);
    void PaintButton(TcxCanvas* canvas, const TcxCalcButtonInfo& info);

    bool autoFontSize_ = true;
    int fontSize_ = 8;
    int buttonWidth_ = 28;
    int buttonHeight_ = 22;
    int largeButtonWidth_ = 47;
    int xSpace_ = 3;
    int ySpace_ = 3;
    int calcWidth_ = 198;
    int calcHeight_ = 131;
    TcxCalcValue memory_ = 0;
    TcxCalcButtonKind pendingOperator_ = cbEqual;
    TcxCalcValue operand_ = 0;
    std::uint8_t precision_ = 15;
    TcxCalcState state_ = csFirst;
    std::array<TcxCalcButtonInfo, cxCalcButtonCount> buttons_;
    TcxCalcButtonKind hotButton_ = cbNone;
    TcxCalcButtonKind mouseButton_ = cbNone;
    TcxCalcButtonKind keyButton_ = cbNone;
    bool tracking_ = false;
    // Setting the client size after fitting comes back through Resize.
    bool sizing_ = false;
};

} // namespace zorvy
