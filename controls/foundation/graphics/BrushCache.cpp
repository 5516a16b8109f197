// The solid brush cache and the system-colour brush table.
#include "controls/foundation/graphics/BrushCache.h"

#include "platform/classlib/Controls.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>

namespace zorvy {

namespace {

// Posted to the cache's window after an eviction.
constexpr UINT CM_RELEASEEVICTEDBRUSHES = WM_APP + 0x131;

std::vector<HBRUSH>* systemColorBrushes = nullptr;
TcxSolidBrushCache* sharedCache = nullptr;

} // namespace

TcxSolidBrushCache::TcxSolidBrushCache(int maxDepth)
    : colors_(size_t(std::max(maxDepth, 1))), brushes_(colors_.size()), counts_(colors_.size()),
      notifier_(std::make_unique<TcxSystemPaletteChangedNotifier>(true)) {
    notifier_->OnSystemPaletteChanged = [this](TObject*) { SystemPaletteChanged(); };
    window_ = AllocateHWnd([this](TMessage& m) {
        if (m.Msg == CM_RELEASEEVICTEDBRUSHES) ReleaseEvicted();
    });
}

TcxSolidBrushCache::~TcxSolidBrushCache() {
    notifier_.reset();
    ReleaseAll();
    ReleaseEvicted();
    if (window_) DeallocateHWnd(window_);
}

HBRUSH TcxSolidBrushCache::BrushForColor(TColor color) {
    const auto value = static_cast<uint32_t>(color);
    if (systemColorBrushes && value >= uint32_t(clSystemColor) && value <= uint32_t(clSystemColor) + 30)
        return (*systemColorBrushes)[value - uint32_t(clSystemColor)];
    auto below = [](TColor entry, uint32_t v) { return static_cast<uint32_t>(entry) < v; };
    int p = static_cast<int>(std::lower_bound(colors_.begin(), colors_.begin() + depth_, value, below) -
                             colors_.begin());
    if (p < depth_ && colors_[size_t(p)] == color) {
        ++counts_[size_t(p)];
        return brushes_[size_t(p)];
    }
    if (depth_ == GetMaxDepth()) {
        const int victim =
            static_cast<int>(std::min_element(counts_.begin(), counts_.begin() + depth_) - counts_.begin());
        Evict(victim);
        if (victim < p) --p;
    }
    colors_.insert(colors_.begin() + p, color);
    brushes_.insert(brushes_.begin() + p, CreateSolidBrush(ColorToRGB(color)));
    counts_.insert(counts_.begin() + p, 0u);
    colors_.pop_back();
    brushes_.pop_back();
    counts_.pop_back();
    ++depth_;
    return brushes_[size_t(p)];
}

void TcxSolidBrushCache::Evict(int index) {
    evicted_.push_back(brushes_[size_t(index)]);
    if (evicted_.size() == 1 && window_) PostMessage(window_, CM_RELEASEEVICTEDBRUSHES);
    colors_.erase(colors_.begin() + index);
    brushes_.erase(brushes_.begin() + index);
    counts_.erase(counts_.begin() + index);
    colors_.push_back(0);
    brushes_.push_back(nullptr);
    counts_.push_back(0);
    --depth_;
}

void TcxSolidBrushCache::ReleaseEvicted() {
    for (HBRUSH brush : evicted_)
        DeleteObject(brush);
    evicted_.clear();
}

void TcxSolidBrushCache::ReleaseAll() {
    for (int i = 0; i < depth_; ++i) {
        DeleteObject(brushes_[size_t(i)]);
        brushes_[size_t(i)] = nullptr;
    }
    depth_ = 0;
}

void TcxSolidBrushCache::SystemPaletteChanged() {
    ReleaseAll();
}

HBRUSH SolidBrushFromCache(TColor color) {
    if (!sharedCache) InitializeBrushCache();
    return sharedCache->BrushForColor(color);
}

HBRUSH SolidBrushFromCacheForCanvas(TcxCanvas*, TColor color) {
    return SolidBrushFromCache(color);
}

HBRUSH SolidBrushFromCacheForTCanvas(TCanvas*, TColor color) {
    return SolidBrushFromCache(color);
}

TcxSolidBrushCache* SharedSolidBrushCache() {
    return sharedCache;
}

void LoadSystemColorBrushes() {
    if (systemColorBrushes) return;
    systemColorBrushes = new std::vector<HBRUSH>(SystemColorCount);
    for (int i = 0; i < SystemColorCount; ++i)
        (*systemColorBrushes)[size_t(i)] = GetSysColorBrush(i);
}

void ClearSystemColorBrushes() {
    FreeAndNil(systemColorBrushes);
}

void InitializeBrushCache() {
    LoadSystemColorBrushes();
    if (!sharedCache) sharedCache = new TcxSolidBrushCache(128);
}

void FinalizeBrushCache() {
    FreeAndNil(sharedCache);
    ClearSystemColorBrushes();
}

} // namespace zorvy
