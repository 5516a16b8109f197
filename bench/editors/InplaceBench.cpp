// Activating an in-place editor over a cell: the column's editor obtained from the grid's list (its
// settings copied in) and the cell's value assigned with change events held, as a grid does at every
// cell it edits; beside it, only copying the settings.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/vcl/Forms.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

struct TInplaceBench {
    TInplaceBench() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        column.GetButtons()->AddButton()->SetKind(bkEllipsis);
    }
    ~TInplaceBench() {
        list.Clear();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
    TcxCustomEditProperties column{nullptr};
    TcxInplaceEditList list;
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

void BM_CopySettingsOnly(benchmark::State& state) {
    TInplaceBench bench;
    TcxCustomEditProperties copy(nullptr);
    for (auto _ : state) copy.Assign(&bench.column);
}
BENCHMARK(BM_CopySettingsOnly)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
