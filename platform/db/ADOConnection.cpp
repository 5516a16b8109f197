#include "platform/db/ADOConnection.h"

#include "platform/db/ADODataSet.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TADOConnection::~TADOConnection() {
    for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_))
        dataSet->SetConnection(nullptr);
    try {
        if (connection_) connection_->Close();
    } catch (...) {
    }
}

void TADOConnection::SetConnectionString(const std::string& text) {
    if (text == connectionString_) return;
    if (GetConnected())
        throw EDatabaseError(GetName() + ": Cannot change the connection string of an open connection");
    connectionString_ = text;
}

bool TADOConnection::GetConnected() const {
    return connection_ && connection_->IsOpen();
}

void TADOConnection::SetConnected(bool connected) {
    if (connected)
        Open();
    else
        Close();
}

void TADOConnection::Open() {
    if (GetConnected()) return;
    OdbcTarget target = MapConnectionString(connectionString_);
    if (target.embedded) CreateEmbeddedDatabase(target.databaseFile);
    auto connection = std::make_unique<odbc::Connection>();
    connection->Open(target.connectionString);
    if (target.embedded) CreateProgramTables(*connection);
    connection_ = std::move(connection);
    embedded_ = target.embedded;
}

void TADOConnection::Close() {
    if (!connection_) return;
    for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_))
        dataSet->Close();
    connection_->Close();
    connection_.reset();
    embedded_ = false;
}

odbc::Connection& TADOConnection::OdbcConnection() {
    Open();
    return *connection_;
}

int TADOConnection::BeginTrans() {
    OdbcConnection().BeginTransaction();
    return 1;
}

void TADOConnection::CommitTrans() {
    if (!GetConnected()) throw EDatabaseError(GetName() + ": Connection is not open");
    connection_->Commit();
}

void TADOConnection::RollbackTrans() {
    if (!GetConnected()) throw EDatabaseError(GetName() + ": Connection is not open");
    connection_->Rollback();
}

bool TADOConnection::GetInTransaction() const {
    return GetConnected() && connection_->InTransaction();
}

int64_t TADOConnection::Execute(const std::string& commandText) {
    return ExecuteStatement(*this, commandText, nullptr);
}

void TADOConnection::AddDataSet(TCustomADODataSet* dataSet) {
    if (std::find(dataSets_.begin(), dataSets_.end(), dataSet) == dataSets_.end())
        dataSets_.push_back(dataSet);
}

void TADOConnection::RemoveDataSet(TCustomADODataSet* dataSet) {
    dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), dataSet), dataSets_.end());
}

} // namespace zorvy
