#pragma once
// Handles of the drawing layer. A handle points to a reference-counted object: DeleteObject drops the
// creator's reference, and a device context holds its own reference to every object selected into it,
// so deleting a selected object only frees it once it is no longer selected.
#include <cstdint>

namespace zorvy {

enum class TGdiObjectKind : uint8_t { Pen, Brush, Font, Bitmap, Region };

class TGdiObject {
  public:
    explicit TGdiObject(TGdiObjectKind kind) : kind_(kind) {}
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    virtual ~TGdiObject() = default;

    TGdiObjectKind Kind() const { return kind_; }
    bool IsStock() const { return stock_; }
    void MarkStock() { stock_ = true; }
    void AddRef() { ++refs_; }
    // Frees the object when the last reference goes; stock objects are never freed.
    void Release();
    // The creator's reference, dropped once by DeleteObject.
    bool Deleted() const { return deleted_; }
    void MarkDeleted() { deleted_ = true; }

  private:
    TGdiObjectKind kind_;
    bool stock_ = false;
    bool deleted_ = false;
    int refs_ = 1;
};

class TPenObject;
class TBrushObject;
class TFontObject;
class TBitmapObject;
class TRegionObject;
class TDeviceContext;

using HGDIOBJ = TGdiObject*;
using HPEN = TPenObject*;
using HBRUSH = TBrushObject*;
using HFONT = TFontObject*;
using HBITMAP = TBitmapObject*;
using HRGN = TRegionObject*;
using HDC = TDeviceContext*;

// Drops the creator's reference; false for a null handle or an object already deleted.
// Stock objects are left alone and answer true.
bool DeleteObject(HGDIOBJ object);

} // namespace zorvy
