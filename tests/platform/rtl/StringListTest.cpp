#include "platform/rtl/StringList.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;

namespace {

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i)
        items.push_back(list.Get(i));
    return items;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(RtlStringList, SortedListsHonourTheDuplicateRule) {
    struct Case {
        TDuplicates rule;
        Lines expected;
        bool raises;
    } cases[] = {{dupIgnore, {"a", "B", "c"}, false},
                 {dupAccept, {"a", "b", "B", "c"}, false},
                 {dupError, {"a", "B", "c"}, true}};
    for (const Case& c : cases) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.rule);
        for (const char* s : {"c", "B", "a"})
            list.Add(s);
        if (c.raises) {
            try {
                list.Add("b");
                ADD_FAILURE();
            } catch (const EStringListError& e) {
                EXPECT_EQ(e.Message(), "String list does not allow duplicates");
            }
        } else {
            list.Add("b");
        }
        EXPECT_EQ(Items(list), c.expected);
    }
    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Add("x");
    EXPECT_THROW(sorted.Insert(0, "a"), EStringListError);
    EXPECT_THROW(sorted.Put(0, "a"), EStringListError);
    sorted.Add("y");
    EXPECT_THROW(sorted.Move(0, 1), EStringListError);
    EXPECT_EQ(sorted.GetCount(), 2); // nothing was lost on the way
    int index;
    EXPECT_FALSE(sorted.Find("m", index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(sorted.IndexOf("X"), 0);
    sorted.SetCaseSensitive(true);
    EXPECT_EQ(sorted.IndexOf("X"), -1);
}

TEST(RtlStringList, ObjectsIndexesAndErrors) {
    TStringList list;
    TComponent a(nullptr), b(nullptr);
    list.AddObject("one", &a);
    list.AddObject("two", &b);
    list.Insert(1, "half");
    EXPECT_EQ(list.GetObject(2), &b);
    EXPECT_EQ(list.IndexOfObject(&a), 0);
    EXPECT_EQ(list.IndexOf("TWO"), 2);
    list.Exchange(0, 2);
    EXPECT_EQ(Items(list), (Lines{"two", "half", "one"}));
    EXPECT_EQ(list.GetObject(0), &b);
    list.Move(0, 2);
    EXPECT_EQ(Items(list), (Lines{"half", "one", "two"}));
    EXPECT_EQ(list.GetObject(2), &b);
    try {
        list.Get(3);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(5, "x"), EStringListError);

    list.CustomSort(
        [](TStringList& l, int i, int j) { return static_cast<int>(l.Get(i).size() - l.Get(j).size()); });
    EXPECT_EQ(Items(list), (Lines{"one", "two", "half"}));

    TStringList owning;
    owning.SetOwnsObjects(true);
    owning.AddObject("x", new TComponent(nullptr));
    owning.AddObject("y", new TComponent(nullptr));
    owning.Delete(0); // deletes the object; the rest go with the list
}

TEST(RtlStringList, TextCommaTextAndNameValuePairs) {
    TStringList list;
    list.SetText("a\r\nb\rc\n\nd\n");
    EXPECT_EQ(Items(list), (Lines{"a", "b", "c", "", "d"}));
    EXPECT_EQ(list.GetText(), "a\nb\nc\n\nd\n");

    struct Case {
        Lines items;
        const char* comma;
    } cases[] = {{{"a", "b c", "d\"e", ""}, "a,\"b c\",\"d\"\"e\",\"\""},
                 {{"x,y"}, "\"x,y\""},
                 {{""}, "\"\""},
                 {{}, ""}};
    for (const Case& c : cases) {
        TStringList l;
        for (const std::string& s : c.items)
            l.Add(s);
        EXPECT_EQ(l.GetCommaText(), c.comma);
        TStringList back;
        back.SetCommaText(c.comma);
        EXPECT_EQ(Items(back), c.items) << c.comma;
    }
    list.SetCommaText(" a b , c,");
    EXPECT_EQ(Items(list), (Lines{"a", "b", "c", ""}));
    list.SetDelimiter(';');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText("a b;c");
    EXPECT_EQ(Items(list), (Lines{"a b", "c"}));

    TStringList pairs;
    pairs.Add("Key=a=b");
    pairs.Add("plain");
    EXPECT_EQ(pairs.GetName(0), "Key");
    EXPECT_EQ(pairs.GetValue("KEY"), "a=b");
    EXPECT_EQ(pairs.GetName(1), "");
    pairs.SetValue("key", "c");
    EXPECT_EQ(pairs.Get(0), "key=c");
    pairs.SetValue("new", "1");
    EXPECT_EQ(pairs.GetCount(), 3);
    pairs.SetValue("new", "");
    EXPECT_EQ(pairs.GetCount(), 2);
}

TEST(RtlStringList, UpdateCountingFiresChangeOnceAndAssignCopies) {
    TStringList list;
    int changes = 0, changings = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.OnChanging = [&](TObject*) { ++changings; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changings, 1);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(changings, 2);
    list.EndUpdate(); // unbalanced: ignored
    EXPECT_EQ(list.GetUpdateCount(), 0);

    TStringList copy;
    copy.Add("old");
    copy.Assign(&list);
    EXPECT_TRUE(copy.Equals(list));
    TComponent other(nullptr);
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}
