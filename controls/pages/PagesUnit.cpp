// Start-up and shutdown of the page control units.
#include "controls/pages/PagesUnit.h"

#include "controls/pages/DefaultPainter.h"
#include "controls/pages/PaintersFactory.h"

namespace zorvy {
namespace {

int pagesUnitCount = 0;

} // namespace

void InitializePagesUnit() {
    if (pagesUnitCount++ > 0) return;
    RegisterPCPainterClass(TcxPCDefaultPainter::Class());
}

void FinalizePagesUnit() {
    if (pagesUnitCount == 0 || --pagesUnitCount > 0) return;
    UnregisterPCPainterClass(TcxPCDefaultPainter::Class());
    FinalizePaintersFactory();
}

} // namespace zorvy
