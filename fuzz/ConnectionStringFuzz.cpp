// Connection strings of fuzzed text: split into pairs, looked up, and mapped to ODBC. What the mapping
// hands the driver manager is an ODBC connection string that gives every passed-on value back as it was
// given, and a mapping succeeds only when every provider is the ODBC one and every data source named
// is defined or the program's own.
#include "fuzz/FuzzSupport.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Strings.h"

#include <string>

using namespace zorvy;

namespace {

// A value as ODBC reads it: one whole braced value loses its braces and doubled "}".
std::string AsOdbcReadsIt(const std::string& value) {
    try {
        const ConnectionStringPairs pairs = ParseOdbcConnectionString("k=" + value);
        if (pairs.size() == 1 && value.starts_with('{') && value.ends_with('}')) return pairs[0].second;
    } catch (const Exception&) {
    }
    return value;
}

void CheckMapping(const std::string& text) {
    const ConnectionStringPairs ado = ParseConnectionString(text);
    const OdbcTarget target = MapConnectionString(text);
    for (const auto& [key, value] : ado) {
        if (SameText(key, "Provider"))
            fuzz::Require(value.empty() || StartsText("MSDASQL", value), "a foreign provider was taken");
        if ((SameText(key, "Data Source") || SameText(key, "DSN")) && !value.empty())
            fuzz::Require(IsProgramDataSource(value) || odbc::DataSourceDefined(value),
                          "an undefined data source was dropped");
    }
    if (target.embedded) return;
    const ConnectionStringPairs odbc = ParseOdbcConnectionString(target.connectionString);
    // Extended Properties may name a driver of their own first.
    if (!ConnectionStringValue(ado, "Extended Properties").empty()) return;
    for (const char* key : {"Driver", "Database"})
        fuzz::Require(ConnectionStringValue(odbc, key) == AsOdbcReadsIt(ConnectionStringValue(ado, key)),
                      "a value reaches the driver manager changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::Try([&] {
        const ConnectionStringPairs pairs = ParseConnectionString(text);
        for (const char* key : {"Provider", "Data Source", "Extended Properties", "Password"})
            ConnectionStringValue(pairs, key);
    });
    fuzz::Try([&] { ParseOdbcConnectionString(text); });
    fuzz::Try([&] { CheckMapping(text); });
    return 0;
}
