// The calculator's engine, sizing and layout, memory and clipboard.
#include "controls/editors/calc/Calculator.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"

#include <cmath>
#include <cstdlib>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSCalcError, "Error");

namespace {

constexpr TColor kCalcMaroon = 0x000080;
constexpr TColor kCalcRed = 0x0000FF;
constexpr TColor kCalcBlue = 0xFF0000;
constexpr TColor kCalcNavy = 0x800000;

struct TCalcButtonRow {
    const char* Text;
    TColor Color;
};

const TCalcButtonRow kCalcButtonTable[cxCalcButtonCount] = {
    {"Back", kCalcMaroon}, {"CE", kCalcMaroon}, {"C", kCalcMaroon},   {"MC", kCalcRed},    {"MR", kCalcRed},
    {"MS", kCalcRed},      {"M+", kCalcRed},    {"0", kCalcBlue},     {"1", kCalcBlue},    {"2", kCalcBlue},
    {"3", kCalcBlue},      {"4", kCalcBlue},    {"5", kCalcBlue},     {"6", kCalcBlue},    {"7", kCalcBlue},
    {"8", kCalcBlue},      {"9", kCalcBlue},    {"+/-", kCalcBlue},   {",", kCalcBlue},    {"/", kCalcRed},
    {"*", kCalcRed},       {"-", kCalcRed},     {"+", kCalcRed},      {"sqrt", kCalcNavy}, {"%", kCalcNavy},
    {"1/x", kCalcNavy},    {"=", kCalcRed},
};

// The key pad's rows 1 to 4, columns 1 to 5.
const TcxCalcButtonKind kCalcKeyPad[4][5] = {
    {cbNum7, cbNum8, cbNum9, cbDiv, cbSqrt},
    {cbNum4, cbNum5, cbNum6, cbMul, cbPercent},
    {cbNum1, cbNum2, cbNum3, cbSub, cbRev},
    {cbNum0, cbSign, cbDecimal, cbAdd, cbEqual},
};

bool IsArithmeticOperator(TcxCalcButtonKind kind) {
    return kind == cbDiv || kind == cbMul || kind == cbSub || kind == cbAdd;
}

std::string Trimmed(const std::string& text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

} // namespace

TcxCustomCalculator::TcxCustomCalculator(TComponent* owner) : TcxControl(owner) {
    ControlStyle |= csOpaque | csCaptureMouse;
    SetBounds(GetLeft(), GetTop(), 198, 131);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetTabStop(true);
    SetWantedKeys(wkAllKeys | wkArrowKeys | wkCharKeys | wkTabKey);
    LayoutButtons();
}

TcxCustomCalculator::~TcxCustomCalculator() = default;

TcxLookAndFeelPainterClass TcxCustomCalculator::GetLookAndFeelPainter() const {
    return TcxStandardLookAndFeelPainter::Instance();
}

void TcxCustomCalculator::HidePopup(TObject* sender, TcxEditCloseUpReason reason) {
    if (OnCloseRequest) OnCloseRequest(sender, reason);
}

// ---- sizing and layout ----

void TcxCustomCalculator::FitToSize(int width, int height) {
    int h = 22;
    if (autoFontSize_) {
        const int available = std::min(MulDiv(width, 131, 198), height);
        auto distance = [available](int b) { return std::abs(5 * b + 6 * MulDiv(b, 3, 22) - available); };
        while (distance(h + 1) < distance(h)) ++h;
    } else {
        h = 2 * GetActiveCanvas()->MeasureFontLineHeight(GetFont());
    }
    buttonHeight_ = h;
    buttonWidth_ = MulDiv(h, 28, 22);
    xSpace_ = ySpace_ = MulDiv(h, 3, 22);
    largeButtonWidth_ = MulDiv(buttonWidth_, 17, 10);
    fontSize_ = MulDiv(h, 8, 22);
    calcHeight_ = 5 * h + 6 * ySpace_;
    calcWidth_ = 6 * buttonWidth_ + 8 * xSpace_ + 4;
    LayoutButtons();
}

void TcxCustomCalculator::Resize() {
    if (!sizing_) {
        sizing_ = true;
        try {
            FitToSize(GetClientWidth(), GetClientHeight());
            SetClientWidth(calcWidth_);
            SetClientHeight(calcHeight_);
        } catch (...) {
            sizing_ = false;
            throw;
        }
        sizing_ = false;
    }
    TcxControl::Resize();
}

void TcxCustomCalculator::LayoutButtons() {
    const char separator = FormatSettings().DecimalSeparator;
    for (int i = 0; i < cxCalcButtonCount; ++i) {
        TcxCalcButtonInfo& b = buttons_[i];
        b.Kind = static_cast<TcxCalcButtonKind>(i);
        b.Text = i == cbDecimal ? std::string(1, separator) : kCalcButtonTable[i].Text;
        b.FontColor = kCalcButtonTable[i].Color;
        b.Down = b.Grayed = false;
    }
    const int w = buttonWidth_;
    const int h = buttonHeight_;
    const int x = xSpace_;
    const int y = ySpace_;
    const int keyPad = 3 * x + w + 4;
    auto rowTop = [&](int r) { return r * (y + h) + y; };
    auto rowBottom = [&](int r) { return (r + 1) * (y + h); };
    const TcxCalcButtonKind memoryColumn[4] = {cbMC, cbMR, cbMS, cbMP};
    for (int r = 1; r <= 4; ++r) {
        buttons_[memoryColumn[r - 1]].Bounds = TRect{x, rowTop(r), x + w, rowBottom(r)};
        for (int c = 1; c <= 5; ++c) {
            const int left = keyPad + (c - 1) * (w + x);
            buttons_[kCalcKeyPad[r - 1][c - 1]].Bounds = TRect{left, rowTop(r), left + w, rowBottom(r)};
        }
    }
    const int right = buttons_[cbEqual].Bounds.Right;
    const int large = largeButtonWidth_;
    buttons_[cbClear].Bounds = TRect{right - large, y, right, y + h};
    buttons_[cbCancel].Bounds = TRect{right - 2 * large - y, y, right - large - y, y + h};
    buttons_[cbBack].Bounds = TRect{right - 3 * large - 2 * y, y, right - 2 * large - 2 * y, y + h};
    Reset();
    UpdateMemoryButtons();
}

TcxCalcButtonKind TcxCustomCalculator::GetButtonAt(int x, int y) const {
    for (const TcxCalcButtonInfo& b : buttons_)
        if (PtInRect(b.Bounds, TPoint{x, y})) return b.Kind;
    return cbNone;
}

void TcxCustomCalculator::SetFontFollowsSize(bool value) {
    if (autoFontSize_ == value) return;
    autoFontSize_ = value;
    FontPropertyChanged();
}

// ---- the engine ----

void TcxCustomCalculator::Reset() {
    pendingOperator_ = cbEqual;
    state_ = csFirst;
    memory_ = 0;
}

void TcxCustomCalculator::UpdateMemoryButtons() {
    const bool empty = memory_ == 0;
    buttons_[cbMC].Grayed = buttons_[cbMR].Grayed = empty;
    InvalidateButton(cbMC);
    InvalidateButton(cbMR);
}

TcxCalcValue TcxCustomCalculator::GetDisplayValue() {
    if (state_ == csError) return 0;
    std::string text = Trimmed(GetDisplayText());
    if (text.empty()) text = "0";
    std::erase(text, FormatSettings().ThousandSeparator);
    TcxCalcValue value = 0;
    if (!TextToExtended(text, value))
        throw EConvertError(Format("'%s' is not a valid floating point value", {text}));
    return value;
}

void TcxCustomCalculator::SetDisplayValue(TcxCalcValue value) {
    if (!std::isfinite(value)) {
        ShowError();
        return;
    }
    const std::string text = FormatGeneralExtended(value, std::max<int>(precision_, 2));
    if (text == GetDisplayText()) return;
    SetDisplayText(text);
    if (OnDisplayTextChanged) OnDisplayTextChanged(this);
}

void TcxCustomCalculator::ShowResult(TcxCalcValue value) {
    if (std::isfinite(value))
        SetDisplayValue(value);
    else
        ShowError();
}

std::string TcxCustomCalculator::GetErrorText() {
    return ResolveResourceString(scxSCalcError);
}

void TcxCustomCalculator::KeepMemory(TcxCalcValue memory) {
    if (memory_ == memory) return;
    memory_ = memory;
    UpdateMemoryButtons();
}

void TcxCustomCalculator::ShowError() {
    state_ = csError;
    SetDisplayText(GetErrorText());
    if (OnDisplayTextChanged) OnDisplayTextChanged(this);
    if (BeepOnError) MessageBeep(0);
}

void TcxCustomCalculator::StartNumber() {
    if (state_ != csFirst) return;
    state_ = csValid;
    SetDisplayText("0");
}

void TcxCustomCalculator::ButtonClick(TcxCalcButtonKind button) {
    if (OnBeforeButtonAction) OnBeforeButtonAction(this, button);
    if (button == cbNone) return;
    if (state_ == csError && button != cbCancel && button != cbClear) {
        ShowError();
        return;
    }
    if (button == cbDecimal) {
        StartNumber();
        const std::string text = GetDisplayText();
        const char separator = FormatSettings().DecimalSeparator;
        if (text.find(separator) == std::string::npos) SetDisplayText(text + separator);
        return;
    }
    Calculate(button);
}

void TcxCustomCalculator::Calculate(TcxCalcButtonKind button) {
    if (button >= cbNum0 && button <= cbNum9) {
        StartNumber();
        std::string text = GetDisplayText();
        if (text == "0") text.clear();
        const std::size_t limit = std::max<std::size_t>(precision_, 2) + (text.find('-') != std::string::npos ? 1 : 0);
        if (text.size() < limit) {
            SetDisplayText(text + char('0' + (button - cbNum0)));
        } else if (BeepOnError) {
            MessageBeep(0);
        }
        return;
    }
    switch (button) {
    case cbBack: {
        StartNumber();
        std::string text = GetDisplayText();
        if (text.size() <= 1 || (text.size() == 2 && text[0] == '-'))
            text = "0";
        else
            text.pop_back();
        SetDisplayText(text);
        return;
    }
    case cbSign: ShowResult(-GetDisplayValue()); return;
    case cbSqrt:
    case cbRev: {
        state_ = IsArithmeticOperator(pendingOperator_) ? csValid : csFirst;
        const TcxCalcValue value = GetDisplayValue();
        if (button == cbSqrt ? value < 0 : value == 0)
            ShowError();
        else
            ShowResult(button == cbSqrt ? std::sqrt(value) : 1 / value);
        return;
    }
    case cbDiv:
    case cbMul:
    case cbSub:
    case cbAdd:
    case cbPercent:
    case cbEqual: {
        if (state_ == csValid) {
            state_ = csFirst;
            TcxCalcValue x = GetDisplayValue();
            if (button == cbPercent) {
                if (pendingOperator_ == cbDiv || pendingOperator_ == cbMul)
                    x = x / 100;
                else if (pendingOperator_ == cbSub || pendingOperator_ == cbAdd)
                    x = operand_ * x / 100;
            }
            switch (pendingOperator_) {
            case cbDiv:
                if (x == 0)
                    ShowError();
                else
                    ShowResult(operand_ / x);
                break;
            case cbMul: ShowResult(operand_ * x); break;
            case cbSub: ShowResult(operand_ - x); break;
            case cbAdd: ShowResult(operand_ + x); break;
            default: break;
            }
        }
        pendingOperator_ = button;
        operand_ = GetDisplayValue();
        if ((button == cbPercent || button == cbEqual) && OnResultReady) OnResultReady(this);
        return;
    }
    case cbCancel:
    case cbClear:
        state_ = csFirst;
        SetDisplayValue(0);
        pendingOperator_ = cbEqual;
        return;
    case cbMP:
    case cbMS: {
        state_ = csFirst;
        const TcxCalcValue value = GetDisplayValue();
        const TcxCalcValue memory = button == cbMP ? memory_ + value : value;
        if (!std::isfinite(memory)) {
            ShowError();
            return;
        }
        memory_ = memory;
        UpdateMemoryButtons();
        return;
    }
    case cbMR:
        state_ = csFirst;
        StartNumber();
        SetDisplayValue(memory_);
        return;
    case cbMC:
        memory_ = 0;
        UpdateMemoryButtons();
        return;
    default: return;
    }
}

// ---- clipboard ----

void TcxCustomCalculator::CopyToClipboard() {
    SetClipboardText(GetDisplayText());
}

void TcxCustomCalculator::PasteFromClipboard() {
    const std::optional<std::string> clip = GetClipboardText();
    if (!clip) return;
    std::string text = *clip;
    const std::string& currency = FormatSettings().CurrencyString;
    if (!currency.empty())
        for (std::size_t at = text.find(currency); at != std::string::npos; at = text.find(currency, at))
            text.erase(at, currency.size());
    TcxCalcValue value = 0;
    if (!TextToExtended(Trimmed(text), value)) {
        if (BeepOnError) MessageBeep(0);
        return;
    }
    SetDisplayValue(value);
    state_ = csValid;
}

} // namespace zorvy
