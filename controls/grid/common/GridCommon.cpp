// Small shared pieces of the grid.
#include "controls/grid/common/GridCommon.h"

namespace zorvy {

void AddTextMargins(int& size) {
    size += 4;
}

int AlignmentToTextFlags(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return 2;
    case taCenter:
        return 3;
    default:
        return 1;
    }
}

} // namespace zorvy
