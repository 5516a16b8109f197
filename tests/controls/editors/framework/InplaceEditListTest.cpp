// The in-place editor list: one editor per properties object, reuse after the properties die,
// settings copied at every activation without change events.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

using InplaceEditListTest = EditorsTest;

TEST_F(InplaceEditListTest, EditorsFollowTheirPropertiesAndAreReusedAfterThem) {
    TcxInplaceEditList list;
    auto* first = new TcxCustomEditProperties(nullptr);
    TcxCustomEditProperties second(nullptr);
    TcxCustomEdit* a = list.ObtainEditor(first);
    TcxCustomEdit* b = list.ObtainEditor(&second);
    EXPECT_NE(a, b);
    EXPECT_TRUE(a->IsInplace());
    EXPECT_FALSE(a->GetVisible());
    EXPECT_EQ(list.ObtainEditor(first), a);

    delete first; // the entry becomes class-keyed
    TcxCustomEditProperties third(nullptr);
    EXPECT_EQ(list.ObtainEditor(&third), a);
    EXPECT_EQ(list.Count(), 2);

    TcxCustomEditProperties stranger(nullptr);
    list.RemoveEditor(&stranger); // no entry, no adoption
    EXPECT_EQ(list.Count(), 2);
    list.RemoveEditor(&second);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(InplaceEditListTest, EachActivationCopiesTheSettingsWithoutChangeEvents) {
    TcxInplaceEditList list;
    TcxCustomEditProperties column(nullptr);
    int changes = 0;
    column.OnChange = [&](TObject*) { ++changes; };
    TcxCustomEdit* editor = list.ObtainEditor(&column);
    column.SetReadOnly(true);
    column.GetButtons()->AddButton();
    EXPECT_FALSE(editor->GetProperties()->GetReadOnly());
    EXPECT_EQ(list.ObtainEditor(&column), editor);
    EXPECT_TRUE(editor->GetProperties()->GetReadOnly());
    EXPECT_EQ(editor->GetProperties()->GetButtons()->GetCount(), 1);
    EXPECT_EQ(changes, 0);
    // The column's editor is keyed by the column: a class request makes another.
    TcxCustomEdit* free = list.ObtainEditorOfClass(TcxCustomEditProperties::StaticClass());
    EXPECT_NE(free, editor);
    EXPECT_EQ(list.ObtainEditorOfClass(TcxCustomEditProperties::StaticClass()), free);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(InplaceEditListTest, ListsComeAndGoWhileProperties) {
    auto* properties = new TcxCustomEditProperties(nullptr);
    {
        TcxInplaceEditList a, b;
        a.ObtainEditor(properties);
        b.ObtainEditor(properties);
    }
    delete properties; // no list left to tell
    TcxInplaceEditList again;
    TcxCustomEditProperties p(nullptr);
    EXPECT_NE(again.ObtainEditor(&p), nullptr);
}

} // namespace
} // namespace zorvy::test
