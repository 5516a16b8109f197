// Activating an in-place editor over a cell: the column's editor obtained from the grid's list (its
// settings copied in) and the cell's value assigned with change events held, as a grid does at every
// cell it edits; beside it, only copying the settings. The text column carries 1,000 lookup items,
// which every activation copies and searches.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zorvy {
namespace {

struct TInplaceBench {
    TInplaceBench() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        column.GetButtons()->AddButton()->SetKind(bkEllipsis);
        std::vector<std::string> items;
        for (int i = 0; i < 1000; ++i) items.push_back("第" + std::to_string(i) + "期");
        lookupColumn.SetLookupItems(items);
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
    }
    ~TInplaceBench() {
        list.Clear();
        delete form;
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    TcxCustomEditProperties column{nullptr};
    TcxTextEditProperties lookupColumn{nullptr};
    TcxInplaceEditList list;
    TForm* form = nullptr;
};

void BM_ObtainEditorAndAssignValue(benchmark::State& state) {
    TInplaceBench bench;
    int i = 0;
    for (auto _ : state) {
        TcxCustomEdit* editor = bench.list.ObtainEditor(&bench.column);
        editor->HoldChangeEvents(true, false);
        editor->SetEditValue(Variant(++i));
        editor->HoldChangeEvents(false, false);
        benchmark::DoNotOptimize(editor);
    }
}
BENCHMARK(BM_ObtainEditorAndAssignValue)->Unit(benchmark::kMicrosecond);

// The whole activation over a text cell of a column with 1,000 lookup items: the editor obtained
// (settings and items copied), parented over the cell, the cell's value assigned, the editor shown
// and focused with its text, then hidden again as the grid does when the edit ends.
void BM_ActivateOverLookupColumn(benchmark::State& state) {
    TInplaceBench bench;
    int i = 0;
    for (auto _ : state) {
        TcxCustomEdit* editor = bench.list.ObtainEditor(&bench.lookupColumn);
        editor->SetParent(bench.form);
        editor->SetBounds(10, 10, 120, 20);
        editor->HoldChangeEvents(true, false);
        editor->SetEditValue(Variant("第" + std::to_string(i++ % 1000) + "期"));
        editor->HoldChangeEvents(false, false);
        editor->SelectAllText();
        TcxCustomEditData* data = nullptr;
        editor->ActivateInplace(0, data);
        editor->FinishEditing();
        editor->SetVisible(false);
        editor->SetParent(nullptr);
        benchmark::DoNotOptimize(editor);
    }
}
BENCHMARK(BM_ActivateOverLookupColumn)->Unit(benchmark::kMicrosecond);

void BM_CopyLookupSettingsOnly(benchmark::State& state) {
    TInplaceBench bench;
    TcxTextEditProperties copy(nullptr);
    for (auto _ : state) copy.Assign(&bench.lookupColumn);
}
BENCHMARK(BM_CopyLookupSettingsOnly)->Unit(benchmark::kMicrosecond);

void BM_CopySettingsOnly(benchmark::State& state) {
    TInplaceBench bench;
    TcxCustomEditProperties copy(nullptr);
    for (auto _ : state) copy.Assign(&bench.column);
}
BENCHMARK(BM_CopySettingsOnly)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
