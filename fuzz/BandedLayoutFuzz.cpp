// A banded view's stored layout on fuzzed texts: each line "Object.Property=Value" restores one
// stored value of a band ("Band" + ID, made when the layout names one the view lacks) or of a
// column ("Column" + number). Bad indexes and values are clamped or skipped, never raised, and the
// view always ends consistent: every column sits in no band or in exactly one row of its band,
// no row is empty, and only columns in visible bands are visible.
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <sstream>
#include <string>

using namespace zorvy;

namespace {

struct TWorld {
    TWorld() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeGridUnits();
        grid = new TcxGrid(nullptr);
        level = new TcxGridLevel(nullptr);
        grid->GetRootLevel()->Add(level);
    }
    ~TWorld() {
        delete level;
        delete grid;
        FinalizeGridUnits();
    }
    THeadlessDisplay display;
    TcxGrid* grid;
    TcxGridLevel* level;
};

// A value that reads as a whole number is stored as one, anything else as text.
Variant StoredValue(const std::string& text) {
    try {
        size_t used = 0;
        const int number = std::stoi(text, &used);
        if (used == text.size()) return Variant(number);
    } catch (const std::exception&) {
    }
    return Variant(text);
}

void Check(TcxGridBandedTableView* view) {
    TcxGridBands* bands = view->GetBands();
    for (int i = 0; i < view->GetColumnCount(); ++i) {
        TcxGridBandedColumn* column = view->GetColumn(i);
        TcxGridBand* band = column->GetPosition()->GetBand();
        if (!band) {
            fuzz::Require(!column->GetActuallyVisible(), "a column in no band is visible");
            continue;
        }
        fuzz::Require(band->GetBands() == bands, "a column sits in a band of no view");
        int rows = 0;
        for (int r = 0; r < band->GetRows()->GetCount(); ++r)
            if (band->GetRows()->GetItem(r)->IndexOf(column) >= 0) ++rows;
        fuzz::Require(rows == 1, "a column in a band is not in exactly one row");
        fuzz::Require(!column->GetActuallyVisible() || band->IsActuallyVisible(), "a column of a hidden band shows");
    }
    for (int b = 0; b < bands->GetCount(); ++b)
        for (int r = 0; r < bands->GetItem(b)->GetRows()->GetCount(); ++r)
            fuzz::Require(bands->GetItem(b)->GetRows()->GetItem(r)->GetCount() > 0, "an empty row stays");
    fuzz::Require(view->GetVisibleItemCount() <= view->GetItemCount(), "more visible columns than columns");
}

} // namespace

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TWorld world;
    auto* view = static_cast<TcxGridBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), world.grid, false));
    world.level->SetGridView(view);
    for (int b = 0; b < 3; ++b) view->GetBands()->Add();
    view->GetBands()->GetItem(2)->GetPosition()->SetBandIndex(1);
    for (int c = 0; c < 4; ++c) view->CreateColumn()->GetPosition()->SetBandIndex(c % 3);

    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    view->BeforeRestoring();
    while (std::getline(lines, line)) {
        const size_t dot = line.find('.');
        const size_t equals = line.find('=', dot == std::string::npos ? 0 : dot);
        if (dot == std::string::npos || equals == std::string::npos) continue;
        const std::string object = line.substr(0, dot);
        const std::string property = line.substr(dot + 1, equals - dot - 1);
        const Variant value = StoredValue(line.substr(equals + 1));
        fuzz::Try([&] {
            if (object.rfind("Column", 0) == 0) {
                const int index = std::atoi(object.c_str() + 6);
                if (index >= 0 && index < view->GetColumnCount()) {
                    // Only the positions: the plain column's own entries are not what this target checks.
                    if (property == "BandIndex" || property == "RowIndex" || property == "ColIndex" ||
                        property == "LineCount")
                        view->GetColumn(index)->SetStoredPropertyValue(property, value);
                }
                return;
            }
            TcxGridBand* band = nullptr;
            for (int i = 0; i < view->GetBands()->GetCount() && !band; ++i)
                if (view->GetBands()->GetItem(i)->GetStoredObjectName() == object) band = view->GetBands()->GetItem(i);
            if (!band && view->GetBands()->GetCount() < 16)
                band = static_cast<TcxGridBand*>(view->GetBands()->CreateChild(object, "TcxGridBand"));
            if (band) band->SetStoredPropertyValue(property, value);
        });
    }
    fuzz::Try([&] { view->AfterRestoring(); });
    Check(view);
    world.level->SetGridView(nullptr);
    delete view;
    return 0;
}
