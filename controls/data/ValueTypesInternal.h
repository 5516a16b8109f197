#pragma once
// Unaligned loads and stores of cell contents, shared by the value type files.
#include <cstring>

namespace zorvy::value_type_internal {

template <typename T> T Load(const void* cell) {
    T value;
    std::memcpy(&value, cell, sizeof(T));
    return value;
}

template <typename T> void Store(void* cell, T value) {
    std::memcpy(cell, &value, sizeof(T));
}

template <typename T> T* LoadPointer(const void* cell) {
    return Load<T*>(cell);
}

template <typename T> void StorePointer(void* cell, T* pointer) {
    Store<T*>(cell, pointer);
}

} // namespace zorvy::value_type_internal
