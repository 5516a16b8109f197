#pragma once
// TcxInplaceEditList: the hidden in-place editors a grid (or a filter dialog) keeps for reuse, keyed
// by the properties object they serve or, while none claims them, by their class. Every list is known
// to one global list, so a dying properties object can be forgotten by all of them.
#include "platform/rtl/Components.h"

#include <utility>
#include <vector>

namespace zorvy {

class TcxCustomEdit;
class TcxCustomEditProperties;

class TcxInplaceEditList : public TObject {
    ZORVY_CLASS(TcxInplaceEditList, TObject)
  public:
    TcxInplaceEditList();
    ~TcxInplaceEditList() override;

    // An in-place editor whose own properties equal the given ones now.
    TcxCustomEdit* ObtainEditor(TcxCustomEditProperties* properties);
    // An editor of the class the properties class edits with; no properties are copied.
    TcxCustomEdit* ObtainEditorOfClass(const TMetaClass* propertiesClass);
    // The entry of the properties, else a class-keyed entry adopted for them; nil when none.
    TcxCustomEdit* FindEditor(TcxCustomEditProperties* properties);
    TcxCustomEdit* FindEditorOfClass(const TMetaClass* propertiesClass);
    void RemoveEditor(TcxCustomEditProperties* properties);
    // The entry keeps its editor but loses its key.
    void ForgetProperties(TcxCustomEditProperties* properties);
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }
    TcxCustomEdit* EditorAt(int index) const { return index < 0 ? nullptr : entries_[index].first; }
    void DeleteAt(int index);

  protected:
    virtual TcxCustomEdit* CreateHiddenEditor(const TMetaClass* propertiesClass);
    void AssignEditorProperties(TcxCustomEdit* editor, TcxCustomEditProperties* properties);
    int IndexOfProperties(TcxCustomEditProperties* properties, bool adopt);
    int IndexOfClass(const TMetaClass* propertiesClass) const;

  private:
    std::vector<std::pair<TcxCustomEdit*, TcxCustomEditProperties*>> entries_;
};

// Every list forgets the properties (their destructor calls it).
void DisconnectPropertiesEverywhere(TcxCustomEditProperties* properties);

} // namespace zorvy
