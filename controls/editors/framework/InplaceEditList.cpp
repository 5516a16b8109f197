#include "controls/editors/framework/InplaceEditList.h"

#include "controls/editors/framework/Edit.h"

#include <algorithm>
#include <memory>

namespace zorvy {

namespace {
// The global list of lists: made with the first list, freed with the last.
std::vector<TcxInplaceEditList*>* allLists = nullptr;

// The editor class a properties class edits with.
const TMetaClass* EditControlClassOf(const TMetaClass* propertiesClass) {
    std::unique_ptr<TcxCustomEditProperties> sample(CreateInstance<TcxCustomEditProperties>(propertiesClass, nullptr));
    return sample->GetEditControlClass();
}
} // namespace

TcxInplaceEditList::TcxInplaceEditList() {
    if (!allLists) allLists = new std::vector<TcxInplaceEditList*>();
    allLists->push_back(this);
}

TcxInplaceEditList::~TcxInplaceEditList() {
    std::erase(*allLists, this);
    if (allLists->empty()) {
        delete allLists;
        allLists = nullptr;
    }
    Clear();
}

void DisconnectPropertiesEverywhere(TcxCustomEditProperties* properties) {
    if (!allLists) return;
    for (TcxInplaceEditList* list : *allLists) list->ForgetProperties(properties);
}

TcxCustomEdit* TcxInplaceEditList::ObtainEditor(TcxCustomEditProperties* properties) {
    TcxCustomEdit* editor = FindEditor(properties);
    if (!editor) {
        editor = CreateHiddenEditor(properties->ClassType());
        entries_.emplace_back(editor, properties);
    }
    AssignEditorProperties(editor, properties);
    return editor;
}

TcxCustomEdit* TcxInplaceEditList::ObtainEditorOfClass(const TMetaClass* propertiesClass) {
    TcxCustomEdit* editor = FindEditorOfClass(propertiesClass);
    if (!editor) {
        editor = CreateHiddenEditor(propertiesClass);
        entries_.emplace_back(editor, nullptr);
    }
    return editor;
}

TcxCustomEdit* TcxInplaceEditList::FindEditor(TcxCustomEditProperties* properties) {
    return EditorAt(IndexOfProperties(properties, true));
}

TcxCustomEdit* TcxInplaceEditList::FindEditorOfClass(const TMetaClass* propertiesClass) {
    return EditorAt(IndexOfClass(propertiesClass));
}

void TcxInplaceEditList::RemoveEditor(TcxCustomEditProperties* properties) {
    DeleteAt(IndexOfProperties(properties, false));
}

void TcxInplaceEditList::ForgetProperties(TcxCustomEditProperties* properties) {
    const int index = IndexOfProperties(properties, false);
    if (index >= 0) entries_[index].second = nullptr;
}

void TcxInplaceEditList::Clear() {
    while (!entries_.empty()) DeleteAt(0);
}

void TcxInplaceEditList::DeleteAt(int index) {
    if (index < 0) return;
    TcxCustomEdit* editor = entries_[index].first;
    entries_.erase(entries_.begin() + index);
    editor->SetParent(nullptr);
    delete editor;
}

TcxCustomEdit* TcxInplaceEditList::CreateHiddenEditor(const TMetaClass* propertiesClass) {
    std::unique_ptr<TcxCustomEditProperties> sample(CreateInstance<TcxCustomEditProperties>(propertiesClass, nullptr));
    TcxCustomEdit* editor = sample->CreateEditControl(true);
    editor->SetVisible(false);
    return editor;
}

void TcxInplaceEditList::AssignEditorProperties(TcxCustomEdit* editor, TcxCustomEditProperties* properties) {
    TcxEditChangeEventsHold hold(editor, false);
    editor->GetProperties()->Assign(properties);
}

int TcxInplaceEditList::IndexOfProperties(TcxCustomEditProperties* properties, bool adopt) {
    for (int i = 0; i < Count(); ++i)
        if (entries_[i].second == properties) return i;
    if (!adopt) return -1;
    const int index = IndexOfClass(properties->ClassType());
    if (index >= 0) entries_[index].second = properties;
    return index;
}

int TcxInplaceEditList::IndexOfClass(const TMetaClass* propertiesClass) const {
    const TMetaClass* editorClass = EditControlClassOf(propertiesClass);
    for (int i = 0; i < Count(); ++i)
        if (!entries_[i].second && entries_[i].first->ClassType() == editorClass) return i;
    return -1;
}

} // namespace zorvy
