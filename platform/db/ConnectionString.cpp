#include "platform/db/ConnectionString.h"

#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <string_view>

namespace zorvy {
namespace {

// Whether value is already one braced ODBC value: "{", the text with every "}" doubled, "}".
bool IsBracedOdbcValue(const std::string& value) {
    if (value.size() < 2 || value.front() != '{' || value.back() != '}') return false;
    const std::string_view inner = std::string_view(value).substr(1, value.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i)
        if (inner[i] == '}' && (++i == inner.size() || inner[i] != '}')) return false;
    return true;
}

// An ODBC value that holds ";" or braces must be braced, with "}" doubled; one braced already stays.
std::string OdbcValue(const std::string& value) {
    if (IsBracedOdbcValue(value)) return value;
    if (value.find_first_of(";{}") == std::string::npos && value == Trim(value)) return value;
    std::string out = "{";
    for (char c : value) {
        out += c;
        if (c == '}') out += '}';
    }
    return out + "}";
}

} // namespace

ConnectionStringPairs ParseConnectionString(const std::string& text) {
    ConnectionStringPairs pairs;
    size_t i = 0;
    while (i < text.size()) {
        size_t eq = text.find('=', i);
        size_t semi = text.find(';', i);
        if (semi != std::string::npos && (eq == std::string::npos || semi < eq)) {
            if (!Trim(text.substr(i, semi - i)).empty())
                throw EDatabaseError("Invalid connection string entry: \"" + Trim(text.substr(i, semi - i)) +
                                     "\"");
            i = semi + 1;
            continue;
        }
        if (eq == std::string::npos) {
            if (!Trim(text.substr(i)).empty())
                throw EDatabaseError("Invalid connection string entry: \"" + Trim(text.substr(i)) + "\"");
            break;
        }
        std::string key = Trim(text.substr(i, eq - i));
        size_t v = eq + 1;
        while (v < text.size() && (text[v] == ' ' || text[v] == '\t'))
            ++v;
        std::string value;
        if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
            char quote = text[v];
            size_t k = v + 1;
            for (;; ++k) {
                if (k >= text.size())
                    throw EDatabaseError("Unterminated quote in the connection string value of \"" + key +
                                         "\"");
                if (text[k] == quote) {
                    if (k + 1 < text.size() && text[k + 1] == quote) {
                        value += quote;
                        ++k;
                        continue;
                    }
                    break;
                }
                value += text[k];
            }
            size_t end = text.find(';', k + 1);
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            size_t end = text.find(';', v);
            value = Trim(text.substr(v, end == std::string::npos ? std::string::npos : end - v));
            i = end == std::string::npos ? text.size() : end + 1;
        }
        if (key.empty()) throw EDatabaseError("Invalid connection string entry without a key");
        pairs.emplace_back(key, value);
    }
    return pairs;
}

ConnectionStringPairs ParseOdbcConnectionString(const std::string& text) {
    ConnectionStringPairs pairs;
    size_t i = 0;
    while (i < text.size()) {
        const size_t semi = text.find(';', i), eq = text.find('=', i);
        if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
            const std::string entry = Trim(text.substr(i, semi == std::string::npos ? semi : semi - i));
            if (!entry.empty())
                throw EDatabaseError("Invalid ODBC connection string entry: \"" + entry + "\"");
            if (semi == std::string::npos) break;
            i = semi + 1;
            continue;
        }
        const std::string key = Trim(text.substr(i, eq - i));
        if (key.empty()) throw EDatabaseError("Invalid ODBC connection string entry without a key");
        size_t v = eq + 1;
        while (v < text.size() && (text[v] == ' ' || text[v] == '\t'))
            ++v;
        std::string value;
        size_t end;
        if (v < text.size() && text[v] == '{') {
            size_t k = v + 1;
            for (;; ++k) {
                if (k >= text.size())
                    throw EDatabaseError("Unclosed brace in the ODBC connection string value of \"" + key +
                                         "\"");
                if (text[k] == '}') {
                    if (k + 1 < text.size() && text[k + 1] == '}') {
                        value += '}';
                        ++k;
                        continue;
                    }
                    break;
                }
                value += text[k];
            }
            end = text.find(';', k + 1);
            if (!Trim(text.substr(k + 1, end == std::string::npos ? end : end - k - 1)).empty())
                throw EDatabaseError(
                    "Text after the closing brace of the ODBC connection string value of \"" + key + "\"");
        } else {
            end = text.find(';', v);
            value = Trim(text.substr(v, end == std::string::npos ? end : end - v));
        }
        pairs.emplace_back(key, value);
        i = end == std::string::npos ? text.size() : end + 1;
    }
    return pairs;
}

std::string ConnectionStringValue(const ConnectionStringPairs& pairs, const std::string& key) {
    for (const auto& [k, v] : pairs)
        if (SameText(k, key)) return v;
    return {};
}

namespace {

// A data source the user asked for is never dropped unsaid, also with a driver named.
void RequireKnownDataSource(const std::string& dataSource) {
    if (!dataSource.empty() && !IsProgramDataSource(dataSource) && !odbc::DataSourceDefined(dataSource))
        throw EDatabaseError("Data source \"" + dataSource + "\" is not defined in the ODBC configuration");
}

} // namespace

OdbcTarget MapConnectionString(const std::string& adoConnectionString) {
    ConnectionStringPairs pairs = ParseConnectionString(adoConnectionString);
    for (const auto& [key, provider] : pairs)
        if (SameText(key, "Provider") && !provider.empty() && !StartsText("MSDASQL", provider))
            throw EDatabaseError("Provider \"" + provider +
                                 "\" is not available: only the ODBC provider (MSDASQL) is");

    OdbcTarget target;
    std::string odbc;
    std::string dataSource;
    bool hasDriver = false;
    for (const auto& [key, value] : pairs) {
        if (SameText(key, "Provider") || SameText(key, "User ID") || SameText(key, "Password") ||
            SameText(key, "Persist Security Info") || SameText(key, "UID") || SameText(key, "PWD"))
            continue;
        if (SameText(key, "Data Source") || SameText(key, "DSN")) {
            // Every data source named is checked, not only the last one: none is dropped unsaid.
            RequireKnownDataSource(value);
            dataSource = value;
            continue;
        }
        if (SameText(key, "Connect Timeout") || SameText(key, "Command Timeout")) {
            int seconds = 0;
            if (!TryStrToInt(value, seconds) || seconds < 0)
                throw EDatabaseError("\"" + key + "\" must be a whole number of seconds, not \"" + value +
                                     "\"");
            (SameText(key, "Connect Timeout") ? target.connectTimeout : target.commandTimeout) = seconds;
            continue;
        }
        if (SameText(key, "Extended Properties")) {
            odbc += value;
            if (!odbc.empty() && odbc.back() != ';') odbc += ';';
            for (const auto& [k, v] : ParseOdbcConnectionString(value))
                if (SameText(k, "Driver"))
                    hasDriver = true;
                else if (SameText(k, "DSN"))
                    RequireKnownDataSource(v), dataSource = v;
            continue;
        }
        if (SameText(key, "Driver")) hasDriver = true;
        odbc += key + "=" + OdbcValue(value) + ";";
    }

    if (!dataSource.empty() && odbc::DataSourceDefined(dataSource)) {
        target.connectionString = "DSN=" + OdbcValue(dataSource) + ";" + odbc;
        // The data source's own section may set the waits; the connection string's keys win.
        for (auto [entry, wait] : {std::pair{"LoginTimeout", &target.connectTimeout},
                                   std::pair{"QueryTimeout", &target.commandTimeout}}) {
            int seconds = 0;
            const std::string value = odbc::DataSourceSetting(dataSource, entry);
            if (wait->has_value() || value.empty()) continue;
            if (!TryStrToInt(value, seconds) || seconds < 0)
                throw EDatabaseError("\"" + std::string(entry) + "\" of the data source \"" + dataSource +
                                     "\" must be a whole number of seconds, not \"" + value + "\"");
            *wait = seconds;
        }
        return target;
    }
    if (!dataSource.empty()) {
        target.embedded = true;
        target.databaseFile = EmbeddedDatabaseFile();
        target.connectionString = SqliteConnectionString(target.databaseFile);
        return target;
    }
    if (!hasDriver) throw EDatabaseError("The connection string names no data source");
    target.connectionString = odbc;
    return target;
}

} // namespace zorvy
