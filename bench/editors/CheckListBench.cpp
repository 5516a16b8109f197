// A check list box of 1,000 items, half of them checked, created, laid out and painted; then only
// repainted. Beside it the platform's own list box with the same 1,000 texts, as the baseline.
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/lists/CheckListBox.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/ListBoxes.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace zorvy {
namespace {

constexpr int ItemCount = 1000;

struct TListUnits {
    TListUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeCheckBoxUnit();
    }
    ~TListUnits() {
        FinalizeCheckBoxUnit();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    void Paint(TForm* form) {
        HBITMAP image = display.Capture(form->GetHandle());
        DeleteObject(image);
    }
    THeadlessDisplay display;
};

TForm* NewListForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 300, 400);
    form->Show();
    return form;
}

void FillCheckList(TForm* form) {
    auto* box = new TcxCheckListBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 300, 400);
    box->SetEditValueFormat(cvfStatesString);
    TcxCheckListBoxItems* items = box->GetItems();
    items->BeginUpdate();
    for (int i = 0; i < ItemCount; ++i) {
        TcxCheckListBoxItem* item = items->Add();
        item->SetText("第 " + std::to_string(i + 1) + " 期 issue");
        item->SetChecked(i % 2 == 0);
    }
    items->EndUpdate();
}

void FillPlainList(TForm* form) {
    auto* box = new TListBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 300, 400);
    for (int i = 0; i < ItemCount; ++i) box->GetItems()->Add("第 " + std::to_string(i + 1) + " 期 issue");
}

void BM_ListCreateLayoutPaint(benchmark::State& state, void (*fill)(TForm*)) {
    TListUnits units;
    for (auto _ : state) {
        TForm* form = NewListForm();
        fill(form);
        Application->ProcessMessages();
        units.Paint(form);
        delete form;
        Application->ProcessMessages();
    }
}

void BM_ListRepaint(benchmark::State& state, void (*fill)(TForm*)) {
    TListUnits units;
    TForm* form = NewListForm();
    fill(form);
    Application->ProcessMessages();
    units.Paint(form);
    for (auto _ : state) {
        form->Invalidate();
        for (int i = 0; i < form->GetControlCount(); ++i)
            if (auto* child = dynamic_cast<TWinControl*>(form->GetControl(i))) child->Invalidate();
        units.Paint(form);
    }
    delete form;
}

BENCHMARK_CAPTURE(BM_ListCreateLayoutPaint, platform, FillPlainList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListCreateLayoutPaint, checklist, FillCheckList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListRepaint, platform, FillPlainList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListRepaint, checklist, FillCheckList)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
