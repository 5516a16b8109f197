#pragma once
// TADOConnection: the connection of the ADO-style components, over ODBC. Its ConnectionString keeps
// the program's form ("Provider=MSDASQL.1;Data Source=zorvy"); see ConnectionString.h for how it
// reaches ODBC and when the embedded SQLite database stands in.
#include "platform/rtl/Components.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

namespace odbc {
class Connection;
}
class TCustomADODataSet;

class TADOConnection : public TComponent {
    ZORVY_CLASS(TADOConnection, TComponent)
  public:
    explicit TADOConnection(TComponent* owner);
    ~TADOConnection() override;

    const std::string& GetConnectionString() const { return connectionString_; }
    // EDatabaseError while connected.
    void SetConnectionString(const std::string& text);
    // The program never prompts for a login; the flag is kept for the forms that set it.
    bool GetLoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }

    // Seconds to wait for the database when connecting (default 15) and for a statement (default 30);
    // the connection string's "Connect Timeout" and "Command Timeout" take precedence. 0: no limit.
    int GetConnectionTimeout() const { return connectionTimeout_; }
    void SetConnectionTimeout(int seconds) { connectionTimeout_ = seconds; }
    int GetCommandTimeout() const { return commandTimeout_; }
    void SetCommandTimeout(int seconds) { commandTimeout_ = seconds; }

    // False once the database is found gone (a server stopped or restarted); the next use connects
    // again, once, when no transaction was open.
    bool GetConnected() const;
    void SetConnected(bool connected);
    void Open();
    // Closes the datasets that use the connection, then the connection.
    void Close();

    // Transactions of the program; posts inside one become part of it. When a transaction is rolled
    // back or fails to commit, its datasets take its changes out again (see TDataSet::UndoTransaction).
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool GetInTransaction() const;

    // Runs a statement that returns no rows; the number of rows it changed.
    int64_t Execute(const std::string& commandText);

    // True when the embedded SQLite database serves this connection.
    bool IsEmbedded() const { return embedded_; }
    // Why nothing can be saved through the connection ("... is read-only: saving is unavailable"), or
    // empty when it can: an embedded database whose file or folder cannot be written is opened for
    // reading only, so the draws can still be read.
    const std::string& GetReadOnlyReason() const { return readOnlyReason_; }
    // Why changes committed to the database cannot be read and do not show, or empty when every
    // committed row can be read (an embedded database in a read-only folder whose log cannot be opened).
    const std::string& GetUnreadChanges() const { return unreadChanges_; }
    // The open ODBC connection (connecting first when needed).
    odbc::Connection& OdbcConnection();
    // Runs an action on the open ODBC connection. When it finds the server gone and no transaction
    // was open, the connection is made again and the action runs once more, unless the action had
    // cleared mayRetry (its outcome on the server unknown, as for a commit under way).
    void Perform(const std::function<void(odbc::Connection& connection, bool& mayRetry)>& action);

  private:
    friend class TCustomADODataSet;
    void AddDataSet(TCustomADODataSet* dataSet);
    void RemoveDataSet(TCustomADODataSet* dataSet);
    void Connect();
    // Commits or rolls back; a failure still ends the transaction, as a rollback.
    void FinishTransaction(bool commit);
    void EndTransaction(bool committed);

    std::string connectionString_;
    bool loginPrompt_ = true;
    bool embedded_ = false;
    std::string readOnlyReason_;
    std::string unreadChanges_;
    int connectionTimeout_ = 15;
    int commandTimeout_ = 30;
    std::unique_ptr<odbc::Connection> connection_;
    std::vector<TCustomADODataSet*> dataSets_;
};

} // namespace zorvy
