#pragma once
// The fields of a view query: its persistent data columns and its calculated trend columns, reading a
// row's draw from them and writing the calculated columns back.
#include "data/ViewCalculator.h"
#include "data/ViewKinds.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace zorvy {

class TDataSet;
class TField;

// The calculated fields of one view query by name, for writing rows without searching the field list.
using TViewFieldMap = std::unordered_map<std::string, TField*>;

// Creates the persistent columns of a view query (LotteryID, Issue, ResultA1, EndTime, ResultB1) and its
// calculated columns; the query must be closed and have no fields yet.
TViewFieldMap DefineViewFields(TDataSet* query, TTrendView view);

// The calculated fields of one view query as the columns of a row name them: writing a row finds each
// field by its place, without building or hashing its name.
class TViewFieldSlots {
  public:
    TViewFieldSlots() = default;
    explicit TViewFieldSlots(const TViewFieldMap& fields);
    // The field of a column; EDatabaseError "Field '<name>' not found" when the query has none.
    TField* Field(TField* slot, const char* prefix, int number = -1) const;

    // Integer columns.
    TField *Jsv = nullptr, *Jsca = nullptr, *sx3hz = nullptr, *sx3ca = nullptr;
    // Marker columns chosen by a flag: [0] when it holds, [1] when not.
    TField *qihao[2] = {}, *date[2] = {}, *week[2] = {}, *bh[2] = {}, *Js[2] = {}, *f[2] = {}, *H[2] = {};
    TField *da = nullptr, *xiao = nullptr, *deng = nullptr;
    // Numbered marker columns, by their number.
    std::vector<TField*> JJ, y, fw, Hz;
    // The gap lists.
    TField *chongv = nullptr, *Rev = nullptr, *wenv = nullptr, *lengv = nullptr;
};

// The draw of the query's row being calculated. A `ResultA1` that is not six balls, an `Issue` that is not
// a number or an empty `EndTime` raise EConvertError "Draw <issue>, column <column>: <what is wrong>".
TDrawRow ReadViewRow(TDataSet* query);

// Writes the row's calculated columns; marker columns not named keep the empty value they start with.
void WriteViewColumns(const TViewFieldSlots& fields, const TViewRowColumns& columns);

} // namespace zorvy
