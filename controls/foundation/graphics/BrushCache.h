#pragma once
// Solid brushes for the many small fills of editors and painters: system colours come from the
// platform's system-colour brushes, other colours from a bounded cache sorted by colour that evicts
// its least-used entry and empties itself when the system colours change.
#include "controls/foundation/graphics/PaletteNotifier.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Handles.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TCanvas;

class TcxSolidBrushCache {
  public:
    explicit TcxSolidBrushCache(int maxDepth = 128);
    virtual ~TcxSolidBrushCache();
    TcxSolidBrushCache(const TcxSolidBrushCache&) = delete;
    TcxSolidBrushCache& operator=(const TcxSolidBrushCache&) = delete;

    // The brush stays the cache's (or the platform's): use it for the fill at hand, never delete it.
    HBRUSH BrushForColor(TColor color);
    void ReleaseAll();
    int GetDepth() const { return depth_; }
    int GetMaxDepth() const { return static_cast<int>(colors_.size()); }

    // Deletes the brushes that evictions took out of the cache. An evicted brush may still be in use
    // by the paint that asked for it, so evictions only queue it and post a message whose handling
    // (after the current message, so after any paint in progress) calls this.
    void ReleaseEvicted();
    int EvictedCount() const { return static_cast<int>(evicted_.size()); }

  protected:
    virtual void SystemPaletteChanged();

  private:
    void Evict(int index);
    std::vector<TColor> colors_;
    std::vector<HBRUSH> brushes_;
    std::vector<uint32_t> counts_;
    int depth_ = 0;
    std::vector<HBRUSH> evicted_;
    HWND window_ = 0; // receives the posted release
    std::unique_ptr<TcxSystemPaletteChangedNotifier> notifier_;
};

HBRUSH SolidBrushFromCache(TColor color);
HBRUSH SolidBrushFromCacheForCanvas(TcxCanvas* canvas, TColor color);
HBRUSH SolidBrushFromCacheForTCanvas(TCanvas* canvas, TColor color);
// The shared cache (depth 128), made by InitializeBrushCache.
TcxSolidBrushCache* SharedSolidBrushCache();
void LoadSystemColorBrushes();
void ClearSystemColorBrushes();
void InitializeBrushCache();
void FinalizeBrushCache();

} // namespace zorvy
