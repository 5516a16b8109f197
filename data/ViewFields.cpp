#include "data/ViewFields.h"

#include "data/TrendMarker.h"
#include "engine/DrawContext.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

namespace zorvy {

namespace {

constexpr int MarkerColumnSize = 20;

template <class FieldClass>
TField* AddField(TDataSet* query, const std::string& name, TFieldKind kind, int size = 0) {
    TField* field = new FieldClass(query);
    field->SetFieldName(name);
    field->SetFieldKind(kind);
    if (size > 0) field->SetSize(size);
    field->SetDataSet(query);
    return field;
}

std::vector<std::string> StringColumns(TTrendView view) {
    std::vector<std::string> names{"Js", "Ous"};
    for (int k = 0; k < 3; ++k)
        names.push_back(ColumnName("y", k));
    for (int k = 0; k < FwColumnCount(view); ++k)
        names.push_back(ColumnName("fw", k));
    for (int k = 0; k <= 6; ++k)
        names.push_back(ColumnName("Hz", k));
    for (int k = 0; k <= 6; ++k)
        names.push_back(ColumnName("JJ", k));
    for (const char* name : {"bh", "fbh", "da", "xiao", "deng", "datext", "datebt", "weekxt", "weekbt",
                             "qihaoxt", "qihaobt", "f0", "f1", "H0", "H1", "chongv", "Rev", "wenv", "lengv"})
        names.push_back(name);
    if (IsPositionView(view)) {
        names.push_back("bgxt");
        names.push_back("bgbt");
    }
    return names;
}

} // namespace

TViewFieldMap DefineViewFields(TDataSet* query, TTrendView view) {
    AddField<TIntegerField>(query, "LotteryID", TFieldKind::fkData);
    TField* issue = AddField<TWideStringField>(query, "Issue", TFieldKind::fkData, 7);
    issue->SetFixedChar(true);
    AddField<TWideStringField>(query, "ResultA1", TFieldKind::fkData, 50);
    AddField<TDateTimeField>(query, "EndTime", TFieldKind::fkData)->SetDisplayFormat("yyyy-mm-dd");
    AddField<TWideStringField>(query, "ResultB1", TFieldKind::fkData);

    TViewFieldMap fields;
    for (const char* name : {"Jsv", "Jsca", "sx3hz", "sx3ca"})
        fields[name] = AddField<TIntegerField>(query, name, TFieldKind::fkCalculated);
    for (const std::string& name : StringColumns(view))
        fields[name] = AddField<TWideStringField>(query, name, TFieldKind::fkCalculated, MarkerColumnSize);
    return fields;
}

TDrawRow ReadViewRow(TDataSet* query) {
    const std::string issueText = query->FieldByName("Issue")->GetAsString();
    // Each column's fault names the draw and the column, so the user knows which cell to mend.
    auto read = [&](const char* column, const auto& reader) {
        try {
            return reader();
        } catch (const EConvertError& e) {
            throw EConvertError("Draw " + issueText + ", column " + column + ": " + e.Message());
        }
    };
    TDrawRow row;
    row.Issue = read("Issue", [&] { return StrToInt(issueText); });
    row.Balls = read("ResultA1",
                     [&] { return ReadDrawBalls(query->FieldByName("ResultA1")->GetAsString(), issueText); });
    TField* endTime = query->FieldByName("EndTime");
    if (endTime->IsNull())
        throw EConvertError("Draw " + issueText + ", column EndTime: the closing date is empty");
    const TDateTime date = endTime->GetAsDateTime();
    row.DayOfMonth = DayOf(date);
    row.WeekDay = DayOfTheWeek(date);
    return row;
}

void WriteViewColumns(const TViewFieldMap& fields, const TViewRowColumns& columns) {
    auto field = [&](const std::string& name) {
        const auto found = fields.find(name);
        if (found == fields.end()) throw EDatabaseError("Field '" + name + "' not found");
        return found->second;
    };
    ForEachCommonColumn(
        columns.Common, [&](const std::string& name) { field(name)->SetAsString(TrendMarker); },
        [&](const std::string& name, int32_t value) { field(name)->SetAsInteger(value); });
    const TGapColumns& gaps = columns.Gaps;
    const std::pair<const char*, const std::string*> lists[] = {
        {"chongv", &gaps.chongv}, {"Rev", &gaps.Rev}, {"wenv", &gaps.wenv}, {"lengv", &gaps.lengv}};
    for (const auto& [name, text] : lists)
        if (!text->empty()) field(name)->SetAsString(*text);
}

} // namespace zorvy
