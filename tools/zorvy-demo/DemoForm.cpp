#include "DemoForm.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"

#include <string>

namespace zorvy {

namespace {
constexpr TColor Idle = 0xC07830;    // blue
constexpr TColor Clicked = 0x1E90F0; // orange
} // namespace

TDemoButton::TDemoButton(TComponent* owner) : TCustomControl(owner) {
    tabStop_ = true;
    SetCursor(crHandPoint);
}

void TDemoButton::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    c->GetBrush()->SetColor(clicks_ % 2 ? Clicked : Idle);
    c->FillRect(r);
    DrawEdge(c->GetHandle(), r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    c->GetFont()->SetColor(clWhite);
    c->GetFont()->SetHeight(-16);
    c->GetFont()->SetStyle(fsBold);
    c->GetBrush()->SetStyle(bsClear);
    TRect t = GetClientRect();
    const std::string caption = "开始过滤  (" + std::to_string(clicks_) + ")";
    DrawText(c->GetHandle(), caption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TDemoButton::Click() {
    ++clicks_;
    Invalidate();
    TCustomControl::Click();
}

void TDemoButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = true;
    Invalidate();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TDemoButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = false;
    Invalidate();
    TCustomControl::MouseUp(button, shift, x, y);
}

TBallRow::TBallRow(TComponent* owner) : TGraphicControl(owner) {}

void TBallRow::Paint() {
    TCanvas* c = GetCanvas();
    c->GetFont()->SetHeight(-12);
    for (int i = 0; i < 7; ++i) {
        const int x = i * 40;
        const bool blue = i == 6;
        const bool chosen = i == Selected;
        c->GetPen()->SetColor(clBlack);
        c->GetBrush()->SetColor(blue ? clBlue : chosen ? clYellow : clRed);
        c->Ellipse(x, 0, x + 32, 32);
        c->GetBrush()->SetStyle(bsClear);
        c->GetFont()->SetColor(chosen && !blue ? clBlack : clWhite);
        TRect t = Rect(x, 0, x + 32, 32);
        const int number = blue ? 12 : i * 5 + 3;
        const std::string text = Format("%.2d", number);
        DrawText(c->GetHandle(), text, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c->GetBrush()->SetStyle(bsSolid);
    }
}

void TBallRow::Click() {
    Selected = (Selected + 1) % 6;
    Invalidate();
    TGraphicControl::Click();
}

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
    SetCaption("Zorvy demo");
    SetBorderStyle(bsSingle);
    SetColor(clBtnFace);
    SetBounds(60, 60, 480, 240);
    button_ = new TDemoButton(this);
    button_->SetName("StartButton");
    button_->SetParent(this);
    button_->SetBounds(20, 20, 220, 60);
    balls_ = new TBallRow(this);
    balls_->SetParent(this);
    balls_->SetBounds(20, 110, 280, 32);
    clock_ = new TTimer(this);
    clock_->SetInterval(1000);
    clock_->SetOnTimer([this](TObject*) {
        clockText_ = FormatDateTime("hh:nn:ss", Now());
        Invalidate();
    });
}

void TDemoForm::Paint() {
    TCanvas* c = GetCanvas();
    c->GetFont()->SetColor(clWindowText);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(20, 170, "双色球 · 红球 1-33 · 蓝球 1-16");
    if (!clockText_.empty()) c->TextOut(20, 195, clockText_);
}

} // namespace zorvy
