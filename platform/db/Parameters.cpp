#include "platform/db/Parameters.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cctype>

namespace zorvy {
namespace {

bool NameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

MarkedStatement MarkParameters(const std::string& sql) {
    MarkedStatement marked;
    size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        if (c == '\'' || c == '"' || c == '[' || c == '`') {
            char close = c == '[' ? ']' : c;
            size_t end = sql.find(close, i + 1);
            end = end == std::string::npos ? sql.size() : end + 1;
            marked.sql.append(sql, i, end - i);
            i = end;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            size_t end = sql.find('\n', i);
            end = end == std::string::npos ? sql.size() : end;
            marked.sql.append(sql, i, end - i);
            i = end;
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            end = end == std::string::npos ? sql.size() : end + 2;
            marked.sql.append(sql, i, end - i);
            i = end;
        } else if (c == ':' && i + 1 < sql.size() && sql[i + 1] == ':') {
            marked.sql += "::"; // a PostgreSQL cast, not a parameter
            i += 2;
        } else if (c == ':' && i + 1 < sql.size() && NameChar(sql[i + 1])) {
            size_t end = i + 1;
            while (end < sql.size() && NameChar(sql[end]))
                ++end;
            marked.names.push_back(sql.substr(i + 1, end - i - 1));
            marked.sql += '?';
            i = end;
        } else {
            marked.sql += c;
            ++i;
        }
    }
    return marked;
}

TParameter* TParameters::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[index].get();
}

TParameter* TParameters::FindParam(const std::string& name) const {
    for (const auto& item : items_)
        if (SameText(item->GetName(), name)) return item.get();
    return nullptr;
}

TParameter* TParameters::ParamByName(const std::string& name) const {
    TParameter* parameter = FindParam(name);
    if (!parameter) throw EDatabaseError("Parameter '" + name + "' not found");
    return parameter;
}

TParameter* TParameters::AddParameter(const std::string& name) {
    items_.push_back(std::make_unique<TParameter>(name));
    return items_.back().get();
}

void TParameters::ParseSQL(const std::string& sql) {
    std::vector<std::unique_ptr<TParameter>> old = std::move(items_);
    items_.clear();
    for (const std::string& name : MarkParameters(sql).names) {
        if (FindParam(name)) continue;
        auto kept = std::find_if(old.begin(), old.end(),
                                 [&](const auto& p) { return p && SameText(p->GetName(), name); });
        if (kept != old.end())
            items_.push_back(std::move(*kept));
        else
            items_.push_back(std::make_unique<TParameter>(name));
    }
}

} // namespace zorvy
