// The banded header's hit tests.
#include "controls/grid/bandedview/BandedHitTests.h"

#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/bandedview/BandSizing.h"

namespace zorvy {

TCursor TcxGridBandHeaderSizingEdgeHitTest::GetCursor() const {
    return crcxHorzSize;
}

const TMetaClass* TcxGridBandHeaderSizingEdgeHitTest::GetDragAndDropObjectClass() const {
    return TcxGridBandSizingObject::StaticClass();
}

TCursor TcxGridColumnHeaderVertSizingEdgeHitTest::GetCursor() const { return crcxVertSize; }

const TMetaClass* TcxGridColumnHeaderVertSizingEdgeHitTest::GetDragAndDropObjectClass() const {
    return TcxGridColumnVertSizingObject::StaticClass();
}

} // namespace zorvy
