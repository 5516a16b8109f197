// The program's one hit-test object per class, and the link between a hit test and its cell.
#include "controls/grid/view/HitTests.h"

#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/view/CellViewInfo.h"

#include <utility>
#include <vector>

namespace zorvy {

namespace {

// In creation order; a handful of classes, so a linear search beats any map and allocates nothing.
std::vector<std::pair<const TMetaClass*, TcxCustomGridHitTest*>>& HitTestCache() {
    static std::vector<std::pair<const TMetaClass*, TcxCustomGridHitTest*>> cache;
    return cache;
}

} // namespace

TcxCustomGridHitTest::~TcxCustomGridHitTest() {
    SetViewInfo(nullptr);
}

TcxCustomGridHitTest* TcxCustomGridHitTest::GetInstance(const TMetaClass* hitTestClass, TPoint p) {
    auto& cache = HitTestCache();
    TcxCustomGridHitTest* hitTest = nullptr;
    for (auto& [cls, object] : cache)
        if (cls == hitTestClass) {
            hitTest = object;
            break;
        }
    if (!hitTest) {
        hitTest = CreateInstance<TcxCustomGridHitTest>(hitTestClass);
        cache.emplace_back(hitTestClass, hitTest);
    }
    hitTest->Pos = p;
    return hitTest;
}

void TcxCustomGridHitTest::SetViewInfo(TcxCustomGridCellViewInfo* value) {
    if (viewInfo_ == value) return;
    if (viewInfo_ && viewInfo_->hitTest_ == this) viewInfo_->hitTest_ = nullptr;
    viewInfo_ = value;
    if (!viewInfo_) return;
    // A cell keeps one link back: a hit test of another class it answered before loses the cell,
    // so no hit test is left pointing at a freed cell.
    if (viewInfo_->hitTest_ && viewInfo_->hitTest_ != this) viewInfo_->hitTest_->viewInfo_ = nullptr;
    viewInfo_->hitTest_ = this;
}

TCursor TcxGridDesignSelectorHitTest::GetCursor() const {
    return crcxHand;
}

void FinalizeGridHitTests() {
    auto& cache = HitTestCache();
    for (auto& entry : cache) delete entry.second;
    cache.clear();
}

} // namespace zorvy
