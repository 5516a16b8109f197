#pragma once
// A gallery sheet: a white bitmap with a title, state headings along the top and one labelled row per
// element, each cell drawn by a callback into its own rectangle.
#include "controls/foundation/graphics/Canvas.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy::gallery {

using TCellPainter = std::function<void(TcxCanvas* canvas, const TRect& cell)>;

class TGallerySheet {
  public:
    TGallerySheet(const std::string& title, std::vector<std::string> columns, int width, int height);
    // A row of cells under the column headings; rowHeight includes the cell padding.
    void AddRow(const std::string& label, const std::vector<TCellPainter>& cells, int rowHeight = 34);
    void Save(const std::string& path);
    static constexpr int LabelWidth = 150;
    static constexpr int CellWidth = 96;

  private:
    void Text(const std::string& text, const TRect& r, int flags, TColor color = clBlack);
    TBitmap bitmap_;
    std::unique_ptr<TcxCanvas> canvas_;
    TFont font_;
    int top_ = 0;
    std::vector<std::string> columns_;
};

} // namespace zorvy::gallery
