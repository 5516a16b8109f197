#include "data/ViewFields.h"

#include "data/TrendMarker.h"
#include "engine/DrawContext.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <tuple>
#include <utility>

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

TViewFieldSlots::TViewFieldSlots(const TViewFieldMap& fields) {
    auto Find = [&](const std::string& name) -> TField* {
        const auto found = fields.find(name);
        return found == fields.end() ? nullptr : found->second;
    };
    Jsv = Find("Jsv");
    Jsca = Find("Jsca");
    sx3hz = Find("sx3hz");
    sx3ca = Find("sx3ca");
    const std::pair<TField**, std::pair<const char*, const char*>> pairs[] = {
        {qihao, {"qihaoxt", "qihaobt"}}, {date, {"datext", "datebt"}}, {week, {"weekxt", "weekbt"}},
        {bh, {"bh", "fbh"}},             {Js, {"Js", "Ous"}},          {f, {"f0", "f1"}},
        {H, {"H0", "H1"}}};
    for (const auto& [slots, names] : pairs) {
        slots[0] = Find(names.first);
        slots[1] = Find(names.second);
    }
    da = Find("da");
    xiao = Find("xiao");
    deng = Find("deng");
    const std::pair<std::vector<TField*>*, const char*> numbered[] = {
        {&JJ, "JJ"}, {&y, "y"}, {&fw, "fw"}, {&Hz, "Hz"}};
    for (const auto& [slots, prefix] : numbered)
        for (int k = 0;; ++k) {
            TField* field = Find(ColumnName(prefix, k));
            if (!field) break;
            slots->push_back(field);
        }
    chongv = Find("chongv");
    Rev = Find("Rev");
    wenv = Find("wenv");
    lengv = Find("lengv");
}

TField* TViewFieldSlots::Field(TField* slot, const char* prefix, int number) const {
    if (slot) return slot;
    throw EDatabaseError("Field '" + (number < 0 ? std::string(prefix) : ColumnName(prefix, number)) +
                         "' not found");
}

namespace {

// The field of a numbered column; a number past the defined columns raises as its name would.
TField* NumberedField(const TViewFieldSlots& fields, const std::vector<TField*>& slots, const char* prefix,
                      int32_t number) {
    TField* slot = number >= 0 && static_cast<size_t>(number) < slots.size() ? slots[number] : nullptr;
    return fields.Field(slot, prefix, number);
}

} // namespace

void WriteViewColumns(const TViewFieldSlots& fields, const TViewRowColumns& columns) {
    // The same columns, in the same order, as ForEachCommonColumn names them.
    const TCommonColumns& c = columns.Common;
    auto number = [&](TField* slot, const char* name, int32_t value) {
        fields.Field(slot, name)->SetAsInteger(value);
    };
    auto mark = [&](TField* field) { field->SetAsString(TrendMarker); };
    auto choose = [&](TField* const* slots, bool flag, const char* yes, const char* no) {
        mark(fields.Field(slots[flag ? 0 : 1], flag ? yes : no));
    };
    number(fields.Jsv, "Jsv", c.Jsv);
    number(fields.Jsca, "Jsca", c.Jsca);
    number(fields.sx3hz, "sx3hz", c.sx3hz);
    number(fields.sx3ca, "sx3ca", c.sx3ca);
    choose(fields.qihao, c.qihaoxt, "qihaoxt", "qihaobt");
    choose(fields.date, c.datext, "datext", "datebt");
    choose(fields.week, c.weekxt, "weekxt", "weekbt");
    if (c.JJ >= 0) mark(NumberedField(fields, fields.JJ, "JJ", c.JJ));
    choose(fields.bh, c.bh, "bh", "fbh");
    if (c.Direction == TDirection::da)
        mark(fields.Field(fields.da, "da"));
    else if (c.Direction == TDirection::xiao)
        mark(fields.Field(fields.xiao, "xiao"));
    else
        mark(fields.Field(fields.deng, "deng"));
    choose(fields.Js, c.Js, "Js", "Ous");
    mark(NumberedField(fields, fields.y, "y", c.y));
    choose(fields.f, c.f0, "f0", "f1");
    choose(fields.H, c.H0, "H0", "H1");
    mark(NumberedField(fields, fields.fw, "fw", c.fw));
    mark(NumberedField(fields, fields.Hz, "Hz", c.sx3hz));
    const TGapColumns& gaps = columns.Gaps;
    const std::tuple<TField*, const char*, const std::string*> lists[] = {
        {fields.chongv, "chongv", &gaps.chongv},
        {fields.Rev, "Rev", &gaps.Rev},
        {fields.wenv, "wenv", &gaps.wenv},
        {fields.lengv, "lengv", &gaps.lengv}};
    for (const auto& [slot, name, text] : lists)
        if (!text->empty()) fields.Field(slot, name)->SetAsString(*text);
}

} // namespace zorvy
