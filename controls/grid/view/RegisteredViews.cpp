// The registry of view classes.
#include "controls/grid/view/RegisteredViews.h"

#include <memory>

namespace zorvy {

namespace {

std::unique_ptr<TcxGridRegisteredViews> registeredViews;

bool StartsWithDB(const std::string& description) {
    return description.compare(0, 2, "DB") == 0;
}

} // namespace

TcxGridRegisteredViews::TcxGridRegisteredViews() : TcxRegisteredClasses(true) {
    SetSortedOrder(true);
}

int TcxGridRegisteredViews::CompareItems(int index1, int index2) const {
    const bool db1 = StartsWithDB(GetDescription(index1)), db2 = StartsWithDB(GetDescription(index2));
    if (db1 != db2) return db1 ? 1 : -1;
    return TcxRegisteredClasses::CompareItems(index1, index2);
}

TcxGridRegisteredViews* GetGridRegisteredViews() {
    return registeredViews.get();
}

void InitializeRegisteredViews() {
    if (!registeredViews) registeredViews = std::make_unique<TcxGridRegisteredViews>();
}

void FinalizeRegisteredViews() {
    registeredViews.reset();
}

} // namespace zorvy
