#pragma once
// TADOCommand: a statement without rows (CREATE, DROP, INSERT ...) run on a connection, with named
// parameters.
#include "platform/db/Parameters.h"
#include "platform/rtl/Components.h"

#include <string>

namespace zorvy {

class TADOConnection;

class TADOCommand : public TComponent {
    ZORVY_CLASS(TADOCommand, TComponent)
  public:
    explicit TADOCommand(TComponent* owner);

    TADOConnection* GetConnection() const { return connection_; }
    void SetConnection(TADOConnection* connection);
    const std::string& GetCommandText() const { return commandText_; }
    void SetCommandText(const std::string& text);
    TParameters& GetParameters() { return parameters_; }

    // Runs the command; the number of rows it changed.
    int64_t Execute();

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    TADOConnection* connection_ = nullptr;
    std::string commandText_;
    TParameters parameters_;
};

} // namespace zorvy
