// zorvy-gridview: the embedded database's draws in a trend window's banded grid, on a real display
// through SDL (an X display or Xvfb), so that the banded grid can be seen and scrolled.
//   zorvy-gridview [VIEW]     VIEW: xh, gw (the default), sw, bw, qw, ww, sww or tb
#include "TrendGrid.h"

#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "data/DataModule.h"
#include "platform/classlib/Forms.h"
#include "platform/display/SdlDisplay.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

constexpr const char* kViewNames[] = {"xh", "gw", "sw", "bw", "qw", "ww", "sww", "tb"};

} // namespace

int main(int argc, char** argv) {
    using namespace zorvy;
    TTrendView kind = TTrendView::gw;
    if (argc > 1) {
        int found = -1;
        for (int i = 0; i < TrendViewCount; ++i)
            if (std::strcmp(argv[1], kViewNames[i]) == 0) found = i;
        if (found < 0) {
            std::fprintf(stderr, "zorvy-gridview: unknown view \"%s\" (xh, gw, sw, bw, qw, ww, sww or tb)\n", argv[1]);
            return 2;
        }
        kind = static_cast<TTrendView>(found);
    }
    try {
        TSdlDisplay display;
        InitializeForms();
        InitializeFoundationUnits();
        InitializeGridUnits();
        InitializeTextEditUnit();
        Application->Title = "Zorvy grid view";
        {
            TData data(nullptr);
            if (!data.RefreshView(kind, "2003001", "2026096")) {
                std::fprintf(stderr, "zorvy-gridview: the draw view could not be opened\n");
                return 1;
            }
            auto* form = Application->CreateForm<TForm>();
            form->SetCaption(std::string("Zorvy grid view: ") + kViewNames[static_cast<int>(kind)]);
            form->SetBounds(40, 40, 865, 694);
            auto* grid = new TcxGrid(form);
            grid->SetName("cxGrid1");
            grid->SetParent(form);
            grid->SetAlign(alClient);
            grid->GetLookAndFeel()->SetKind(lfStandard);
            grid->GetLookAndFeel()->SetNativeStyle(false);
            CreateTrendView(grid, data.ViewSource(kind), kind);
            Application->Run();
        }
        FinalizeTextEditUnit();
        FinalizeGridUnits();
        FinalizeFoundationUnits();
        FinalizeForms();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorvy-gridview: %s\n", e.what());
        return 1;
    }
    return 0;
}
