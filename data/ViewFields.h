#pragma once
// The fields of a view query: its persistent data columns and its calculated trend columns, reading a
// row's draw from them and writing the calculated columns back.
#include "data/ViewCalculator.h"
#include "data/ViewKinds.h"

#include <string>
#include <unordered_map>

namespace zorvy {

class TDataSet;
class TField;

// The calculated fields of one view query by name, for writing rows without searching the field list.
using TViewFieldMap = std::unordered_map<std::string, TField*>;

// Creates the persistent columns of a view query (LotteryID, Issue, ResultA1, EndTime, ResultB1) and its
// calculated columns; the query must be closed and have no fields yet.
TViewFieldMap DefineViewFields(TDataSet* query, TTrendView view);

// The draw of the query's row being calculated. A `ResultA1` that is not six balls, an `Issue` that is not
// a number or an empty `EndTime` raise EConvertError "Draw <issue>, column <column>: <what is wrong>".
TDrawRow ReadViewRow(TDataSet* query);

// Writes the row's calculated columns; marker columns not named keep the empty value they start with.
void WriteViewColumns(const TViewFieldMap& fields, const TViewRowColumns& columns);

} // namespace zorvy
