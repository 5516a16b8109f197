// Start-up and shutdown of the page control units.
#include "controls/pages/PagesUnit.h"

#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/PaintersFactory.h"

namespace zorvy {
namespace {

int pagesUnitCount = 0;

} // namespace

void InitializePagesUnit() {
    if (pagesUnitCount++ > 0) return;
    InitializePCPainters();
}

void FinalizePagesUnit() {
    if (pagesUnitCount == 0 || --pagesUnitCount > 0) return;
    FinalizePCPainters();
    FinalizePaintersFactory();
}

} // namespace zorvy
