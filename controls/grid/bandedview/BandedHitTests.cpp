// The banded header's hit tests.
#include "controls/grid/bandedview/BandedHitTests.h"

#include "controls/foundation/services/ControlUnit.h"

namespace zorvy {

TCursor TcxGridBandHeaderSizingEdgeHitTest::GetCursor() const {
    return crcxHorzSize;
}

TCursor TcxGridColumnHeaderVertSizingEdgeHitTest::GetCursor() const { return crcxVertSize; }

} // namespace zorvy
