#include "platform/db/ADOCommand.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

TADOCommand::TADOCommand(TComponent* owner) : TComponent(owner) {}

void TADOCommand::SetConnection(TADOConnection* connection) {
    if (connection_) connection_->RemoveFreeNotification(this);
    connection_ = connection;
    if (connection_) connection_->FreeNotification(this);
}

void TADOCommand::SetCommandText(const std::string& text) {
    commandText_ = text;
    parameters_.ParseSQL(text);
}

int64_t TADOCommand::Execute() {
    if (!connection_) throw EDatabaseError(GetName() + ": Missing Connection");
    return ExecuteStatement(*connection_, commandText_, &parameters_);
}

void TADOCommand::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == connection_) connection_ = nullptr;
}

} // namespace zorvy
