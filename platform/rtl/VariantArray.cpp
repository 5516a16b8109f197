#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Variant.h"

namespace zorvy {

namespace {

[[noreturn]] void IndexError() {
    throw EVariantError("Variant array index out of bounds");
}

size_t ElementCount(const std::vector<TVarArrayBound>& bounds) {
    size_t count = 1;
    for (const TVarArrayBound& b : bounds)
        count *= static_cast<size_t>(b.HighBound - b.LowBound + 1);
    return count;
}

Variant EmptyElement(TVarType elementType) {
    switch (elementType) {
    case varVariant:
        return Variant();
    case varOleStr:
        return Variant(std::string());
    case varString:
        return Variant::FromBytes("");
    case varBoolean:
        return Variant(false);
    default:
        return VarAsType(Variant(0), elementType);
    }
}

} // namespace

TVarArray::TVarArray(std::vector<TVarArrayBound> bounds, TVarType elementType)
    : bounds_(std::move(bounds)), elementType_(elementType) {
    if (bounds_.empty()) throw EVariantError("Error creating variant or safe array");
    for (const TVarArrayBound& b : bounds_)
        if (b.HighBound < b.LowBound - 1 || b.HighBound - b.LowBound >= 1 << 26)
            throw EVariantError("Error creating variant or safe array");
    items_.assign(ElementCount(bounds_), EmptyElement(elementType_));
}

size_t TVarArray::Offset(const std::vector<int>& indices) const {
    if (indices.size() != bounds_.size()) IndexError();
    size_t offset = 0;
    for (size_t d = 0; d < bounds_.size(); ++d) {
        const TVarArrayBound& b = bounds_[d];
        if (indices[d] < b.LowBound || indices[d] > b.HighBound) IndexError();
        offset = offset * static_cast<size_t>(b.HighBound - b.LowBound + 1) + (indices[d] - b.LowBound);
    }
    return offset;
}

Variant& TVarArray::At(const std::vector<int>& indices) {
    return items_[Offset(indices)];
}
const Variant& TVarArray::At(const std::vector<int>& indices) const {
    return items_[Offset(indices)];
}

void TVarArray::Redim(int highBound) {
    TVarArrayBound& last = bounds_.back();
    if (highBound < last.LowBound - 1 || highBound - last.LowBound >= 1 << 26)
        throw EVariantError("Variant array index out of bounds");
    // The last dimension varies fastest, so resizing it means re-laying out every row.
    std::vector<TVarArrayBound> newBounds = bounds_;
    newBounds.back().HighBound = highBound;
    size_t oldRow = static_cast<size_t>(last.HighBound - last.LowBound + 1);
    size_t newRow = static_cast<size_t>(highBound - last.LowBound + 1);
    size_t rows = oldRow ? items_.size() / oldRow : ElementCount(newBounds) / std::max<size_t>(newRow, 1);
    std::vector<Variant> items(ElementCount(newBounds), EmptyElement(elementType_));
    for (size_t r = 0; r < rows && newRow; ++r)
        for (size_t k = 0; k < std::min(oldRow, newRow); ++k)
            items[r * newRow + k] = std::move(items_[r * oldRow + k]);
    items_ = std::move(items);
    bounds_ = std::move(newBounds);
}

const Variant& Variant::operator[](int index) const {
    if (!array_) throw EVariantError("Variant is not an array");
    return array_->At({index});
}

Variant& Variant::operator[](int index) {
    if (!array_) throw EVariantError("Variant is not an array");
    return array_->At({index});
}

Variant VarArrayCreate(const std::vector<TVarArrayBound>& bounds, TVarType elementType) {
    Variant v = Variant::OfType(varArray | elementType);
    v.array_ = std::make_unique<TVarArray>(bounds, elementType);
    return v;
}

Variant VarArrayOf(std::initializer_list<Variant> values) {
    Variant v = VarArrayCreate({{0, static_cast<int>(values.size()) - 1}}, varVariant);
    int i = 0;
    for (const Variant& value : values)
        v[i++] = value;
    return v;
}

int VarArrayDimCount(const Variant& v) {
    return v.IsArray() ? v.Array()->DimCount() : 0;
}

static const TVarArrayBound& BoundOf(const Variant& v, int dim) {
    if (!v.IsArray() || dim < 1 || dim > v.Array()->DimCount())
        throw EVariantError("Variant array index out of bounds");
    return v.Array()->Bounds()[dim - 1];
}

int VarArrayLowBound(const Variant& v, int dim) {
    return BoundOf(v, dim).LowBound;
}
int VarArrayHighBound(const Variant& v, int dim) {
    return BoundOf(v, dim).HighBound;
}

void VarArrayRedim(Variant& v, int highBound) {
    if (!v.IsArray()) throw EVariantError("Variant is not an array");
    v.Array()->Redim(highBound);
}

} // namespace zorvy
