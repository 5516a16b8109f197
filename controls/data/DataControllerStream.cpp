// The controller's record stream ("DataController1"): the value types of the stored items and
// every record, in the order of the items.
#include "controls/data/DataController.h"
#include "controls/data/DataResources.h"
#include "controls/data/ValueStream.h"
#include "platform/rtl/Streams.h"

namespace zorvy {

namespace {

const char* const kStreamIdentifier = "DataController1";

[[noreturn]] void InvalidStreamFormat() {
    RaiseDataControllerError(cxSDataInvalidStreamFormat);
}

TcxCustomDataField* FieldOfDef(TcxValueDef* def) {
    return static_cast<TcxCustomDataField*>(def->GetLink());
}

// Keeps the storage's streaming order (the items' order) for one scope.
class StreamOrder {
  public:
    explicit StreamOrder(TcxDataStorage& storage) : storage_(storage) {
        storage_.BeginStreamOrder([](TcxValueDef* a, TcxValueDef* b) {
            return FieldOfDef(a)->GetIndex() - FieldOfDef(b)->GetIndex();
        });
    }
    ~StreamOrder() { storage_.EndStreamOrder(); }
    StreamOrder(const StreamOrder&) = delete;
    StreamOrder& operator=(const StreamOrder&) = delete;

  private:
    TcxDataStorage& storage_;
};

// Marks the definitions of external fields as stored in the stream; answers their number.
int MarkStreamStored(TcxValueDefs& defs) {
    int count = 0;
    for (int i = 0; i < defs.GetCount(); ++i) {
        TcxValueDef* def = defs.GetItem(i);
        bool stored = !FieldOfDef(def)->IsInternal();
        def->SetStreamStored(stored);
        if (stored) ++count;
    }
    return count;
}

} // namespace

void TcxCustomDataController::SaveToStream(TStream& stream) {
    TcxWriter writer(stream);
    writer.WriteText(kStreamIdentifier);
    TcxValueDefs& defs = storage_->GetValueDefs();
    if (IsProviderMode()) {
        // The records live in the record source; nothing of them can be loaded back.
        writer.WriteInt(0);
        return;
    }
    writer.WriteInt(MarkStreamStored(defs));
    StreamOrder order(*storage_);
    for (int i = 0; i < defs.GetCount(); ++i)
        if (defs.GetItem(i)->GetStreamStored())
            writer.WriteText(defs.GetItem(i)->GetValueTypeClass()->ClassName());
    writer.WriteInt(GetRecordCount());
    for (int record = 0; record < GetRecordCount(); ++record)
        storage_->SaveRecord(record, stream);
}

void TcxCustomDataController::LoadFromStream(TStream& stream) {
    if (IsProviderMode()) RaiseDataControllerError(cxSDataProviderModeError);
    TcxReader reader(stream);
    std::string text;
    reader.ReadText(text);
    if (text != kStreamIdentifier) InvalidStreamFormat();
    TcxValueDefs& defs = storage_->GetValueDefs();
    int count = reader.ReadInt();
    if (count != MarkStreamStored(defs)) InvalidStreamFormat();
    StreamOrder order(*storage_);
    for (int i = 0; i < defs.GetCount(); ++i) {
        TcxValueDef* def = defs.GetItem(i);
        if (!def->GetStreamStored()) continue;
        reader.ReadText(text);
        if (text != def->GetValueTypeClass()->ClassName()) InvalidStreamFormat();
    }
    int recordCount = reader.ReadInt();
    LockUpdate();
    try {
        // The storage reads the records aside and swaps them in only when all of them read.
        storage_->LoadRecords(recordCount, stream);
        ClearSelection();
        if (provider_->IsEditing()) provider_->ForgetEditingRecord();
        DataChanged(dcsAll, -1, -1);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

} // namespace zorvy
