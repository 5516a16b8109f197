#pragma once
// A headless display with the forms unit initialised, and a probe control that records its events.
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/Windows.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorvy::test {

class TProbe : public TCustomControl {
  public:
    explicit TProbe(TComponent* owner, std::vector<std::string>* log = nullptr)
        : TCustomControl(owner), log_(log) {
        tabStop_ = true;
        OnClick = [this](TObject*) { Note("click"); };
        OnDblClick = [this](TObject*) { Note("dblclick"); };
        OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int, int) {
            Note(std::string(b == mbLeft ? "down" : "rdown") + ((s & ssDouble) ? "(double)" : ""));
        };
        OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            Note(b == mbLeft ? "up" : "rup");
        };
        OnEnter = [this](TObject*) { Note("enter:" + GetName()); };
        OnExit = [this](TObject*) { Note("exit:" + GetName()); };
    }
    TColor PaintColor = clRed;
    int Paints = 0;

  protected:
    void Paint() override {
        ++Paints;
        GetCanvas()->GetBrush()->SetColor(PaintColor);
        GetCanvas()->FillRect(GetClientRect());
    }

  private:
    void Note(const std::string& s) {
        if (log_) log_->push_back(s);
    }
    std::vector<std::string>* log_;
};

// A probe owned by form and placed on it.
inline TProbe* AddProbe(TForm* form, int left, int top, int width, int height,
                        std::vector<std::string>* log = nullptr) {
    auto* probe = new TProbe(form, log);
    probe->SetParent(form);
    probe->SetBounds(left, top, width, height);
    return probe;
}

class ClassLibTest : public ::testing::Test {
  protected:
    ClassLibTest() { InitializeForms(); }
    ~ClassLibTest() override { FinalizeForms(); }

    TForm* NewForm(int w = 300, int h = 200) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, w, h);
        return form;
    }
    static void Pump() { Application->ProcessMessages(); }
    // Runs action once the modal loop that is about to start handles its first messages.
    static void Soon(std::function<void()> action) {
        auto shared = std::make_shared<std::function<void()>>(std::move(action));
        auto id = std::make_shared<std::uintptr_t>(0);
        *id = SetTimer(0, 0, 1, [shared, id](HWND, UINT, std::uintptr_t, std::uint64_t) {
            KillTimer(0, *id);
            (*shared)();
        });
    }
    COLORREF PixelAt(TWinControl* top, int x, int y) {
        HBITMAP image = display.Capture(top->GetHandle());
        const std::uint32_t p = image->Row(y)[x] & 0xFFFFFF;
        DeleteObject(image);
        return RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                   static_cast<std::uint8_t>(p));
    }

    THeadlessDisplay display;
};

} // namespace zorvy::test
