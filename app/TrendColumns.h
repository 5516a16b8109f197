#pragma once
// The bands and columns of a trend window's banded view, its footer summaries and the features its
// choice box offers: what each of the eight windows shows of its view query.
#include "data/ViewKinds.h"

#include <string>
#include <vector>

namespace zorvy {

struct TTrendColumn {
    std::string Field;
    std::string Caption;
    bool Visible = true;
};

struct TTrendBand {
    std::string Caption;
    int Width = 0; // 0: as wide as its columns
    std::vector<TTrendColumn> Columns;
};

enum class TTrendSummaryKind { Count, Average };

struct TTrendSummary {
    std::string Field;
    TTrendSummaryKind Kind = TTrendSummaryKind::Count;
    std::string Format; // of an average
};

// The fields of the first band, which the analysis window's hidden-columns group shows and hides.
inline constexpr const char* BasicColumnFields[3] = {"Issue", "EndTime", "ResultA1"};

// The fifteen bands in order, with their columns in band order.
std::vector<TTrendBand> TrendBands(TTrendView view);
// The view's column collection, whose order differs from the band order: the analysis window
// addresses columns by index in it.
std::vector<std::string> TrendColumnOrder(TTrendView view);
// The index in TrendColumnOrder of JJ0, the first of the seven interval columns.
int FirstIntervalColumn(TTrendView view);
// The footer: the count of Issue, the averages of Jsv and sx3hz, the count of every mark column.
std::vector<TTrendSummary> TrendSummaries(TTrendView view);
// The bands of every view, and the columns of the last one, whose lists of digits vary in length.
inline constexpr int TrendBandCount = 15;
inline constexpr const char* HotColdColumnFields[4] = {"chongv", "Rev", "wenv", "lengv"};
// Two columns of the collection that belong to no band and are never shown.
inline constexpr const char* UnbandedColumnFields[2] = {"bgxt", "bgbt"};

// The features of the window's choice box, in the order the data module numbers them.
std::vector<std::string> TrendFeatures(TTrendView view);

} // namespace zorvy
