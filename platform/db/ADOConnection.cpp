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
    return connection_ && connection_->IsOpen() && !connection_->IsLost();
}

void TADOConnection::SetConnected(bool connected) {
    if (connected)
        Open();
    else
        Close();
}

void TADOConnection::Open() {
    if (GetConnected()) return;
    if (connection_ && connection_->InTransaction()) {
        // The transaction went with the connection: it must be ended (and its loss reported) first.
        connection_->CheckUsable();
    }
    Connect();
}

void TADOConnection::Connect() {
    OdbcTarget target = MapConnectionString(connectionString_);
    auto connection = std::make_unique<odbc::Connection>();
    connection->SetDatabaseFile(target.databaseFile);
    connection->SetQueryTimeout(target.commandTimeout.value_or(commandTimeout_));
    const int loginTimeout = target.connectTimeout.value_or(connectionTimeout_);
    TEmbeddedOpening opening;
    if (target.embedded) {
        // The embedded database's lock wait is part of a statement's time, and never longer than it.
        const int commandTimeout = target.commandTimeout.value_or(0);
        connection->SetLockTimeout(commandTimeout > 0 ? std::min(EmbeddedLockTimeout, 1000 * commandTimeout)
                                                      : EmbeddedLockTimeout);
        opening = OpenEmbeddedDatabase(*connection, target.databaseFile, loginTimeout);
    } else {
        connection->Open(target.connectionString, loginTimeout);
    }
    connection_ = std::move(connection);
    embedded_ = target.embedded;
    readOnlyReason_ = opening.readOnlyReason;
    unreadChanges_ = opening.unreadChanges;
}

void TADOConnection::Close() {
    if (!connection_) return;
    for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_))
        dataSet->Close();
    connection_->Close();
    connection_.reset();
    embedded_ = false;
    readOnlyReason_.clear();
    unreadChanges_.clear();
}

odbc::Connection& TADOConnection::OdbcConnection() {
    Open();
    return *connection_;
}

void TADOConnection::Perform(
    const std::function<void(odbc::Connection& connection, bool& mayRetry)>& action) {
    odbc::Connection& connection = OdbcConnection();
    const bool inTransaction = connection.InTransaction();
    bool mayRetry = true;
    try {
        action(connection, mayRetry);
    } catch (const odbc::Error& error) {
        if (error.GetFault() != odbc::Fault::ConnectionLost || inTransaction || !mayRetry) throw;
        Connect();
        action(*connection_, mayRetry);
    }
}

int TADOConnection::BeginTrans() {
    OdbcConnection().BeginTransaction();
    return 1;
}

void TADOConnection::CommitTrans() {
    FinishTransaction(true);
}

void TADOConnection::RollbackTrans() {
    FinishTransaction(false);
}

void TADOConnection::FinishTransaction(bool commit) {
    if (!connection_ || !connection_->IsOpen()) throw EDatabaseError(GetName() + ": Connection is not open");
    try {
        if (commit)
            connection_->Commit();
        else
            connection_->Rollback();
    } catch (...) {
        EndTransaction(false);
        throw;
    }
    EndTransaction(commit);
}

void TADOConnection::EndTransaction(bool committed) {
    for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_)) {
        if (committed) {
            dataSet->ForgetTransaction();
            continue;
        }
        try {
            dataSet->UndoTransaction();
        } catch (const Exception&) {
            // It had to read its records again and could not: rather than show changes the database
            // no longer holds, it closes; the failure of the transaction is what gets reported.
            try {
                dataSet->Close();
            } catch (const Exception&) {
            }
        }
    }
}

bool TADOConnection::GetInTransaction() const {
    return connection_ && connection_->IsOpen() && connection_->InTransaction();
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
