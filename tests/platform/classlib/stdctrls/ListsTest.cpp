// List boxes, the file list box and combo boxes over the system's LISTBOX and EDIT classes.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/ListBoxes.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/rtl/ScratchFolder.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <filesystem>
#include <fstream>

namespace zorvy::test {
namespace {

namespace fs = std::filesystem;

class Lists : public ClassLibTest {
  protected:
    template <class T> T* Add(TForm* form, int left, int top, int width, int height) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void ClickIn(TForm* form, TControl* c, TPoint p) {
        const TPoint f = form->ScreenToClient(c->ClientToScreen(p));
        display.Click(form->GetHandle(), f.X, f.Y);
        Pump();
    }
};

TEST_F(Lists, AListBoxKeepsItsItemsAndSelectionAcrossItsWindow) {
    TForm* form = NewForm();
    auto* list = Add<TListBox>(form, 10, 10, 120, 100);
    list->SetSorted(true);
    for (const char* item : {"余2", "全选", "奇数", "偶数"})
        list->GetItems()->Add(item);
    list->SetItemIndex(1);
    form->Show();
    Pump();
    ASSERT_EQ(list->GetCount(), 4);
    const std::string chosen = list->GetItems()->Get(list->GetItemIndex());
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    const int h = list->GetItemHeight();
    ClickIn(form, list, {5, 2 * h + h / 2});
    EXPECT_EQ(list->GetItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->ItemAtPos({5, 3 * h + 1}, true), 3);
    EXPECT_EQ(list->ItemAtPos({5, 90}, true), -1) << "below the last item";
    list->SetMultiSelect(true); // a new window: the items and the chosen one come along
    EXPECT_EQ(list->GetCount(), 4);
    EXPECT_TRUE(list->GetSelected(2));
    list->SetSelected(0, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->GetSelCount(), 3);
    EXPECT_FALSE(chosen.empty());
    EXPECT_THROW(list->GetItems()->Get(9), EListError);
}

TEST_F(Lists, AnOwnerDrawnListBoxPaintsItsItemsThroughItsHandler) {
    TForm* form = NewForm();
    auto* list = Add<TListBox>(form, 10, 10, 120, 100);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    for (const char* item : {"gw", "sw", "bw"})
        list->GetItems()->Add(item);
    list->SetItemIndex(1);
    std::vector<int> drawn;
    list->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        drawn.push_back(index);
        list->GetCanvas()->GetBrush()->SetColor((state & odSelected) ? clBlue : clLime);
        list->GetCanvas()->FillRect(rect);
    };
    form->Show();
    Pump();
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2}));
    // Rows of 20 pixels inside the sunken border: the second, selected, is blue.
    const TPoint second = form->ScreenToClient(list->ClientToScreen({5, 30}));
    const TPoint first = form->ScreenToClient(list->ClientToScreen({5, 10}));
    EXPECT_EQ(PixelAt(form, second.X, second.Y), ColorToRGB(clBlue));
    EXPECT_EQ(PixelAt(form, first.X, first.Y), ColorToRGB(clLime));
}

TEST_F(Lists, AVirtualListBoxAsksForItsTextsAndFindsTypedOnes) {
    TForm* form = NewForm();
    auto* list = Add<TListBox>(form, 10, 10, 120, 100);
    list->SetStyle(lbVirtual);
    std::vector<int> asked;
    list->OnData = [&](TWinControl*, int index, std::string& text) {
        asked.push_back(index);
        text = std::to_string(index);
    };
    list->OnDataFind = [](TWinControl*, const std::string& typed) { return std::stoi(typed); };
    list->SetCount(1000);
    EXPECT_THROW(list->GetItems()->Add("x"), EInvalidOperation);
    form->Show();
    list->SetFocus();
    Pump();
    EXPECT_EQ(list->GetCount(), 1000);
    EXPECT_EQ(list->GetItems()->Get(42), "42");
    const int visible = list->GetClientHeight() / list->GetItemHeight() + 1;
    EXPECT_LE(static_cast<int>(asked.size()), visible + 1) << "only the items shown (and the one read) are asked for";
    display.TypeText("42"); // within the delay: one text "42"
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 42);
    display.Clock().Advance(600); // past AutoCompleteDelay: a new text
    display.TypeText("7");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 7);
    list->AutoComplete = false;
    display.TypeText("9");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 7) << "without AutoComplete typing finds nothing";
}

TEST_F(Lists, AFileListBoxListsTheMaskedFilesOfItsFolder) {
    const ScratchFolder scratch("zorvy-filelist-test");
    const std::string& folder = scratch.Path();
    for (const char* name : {"3月9日8时5分7秒.ini", "b.INI", "notes.txt"})
        std::ofstream(fs::path(folder) / name) << "x";
    const std::string before = GetCurrentDir();
    TForm* form = NewForm();
    auto* files = Add<TFileListBox>(form, 10, 10, 200, 100);
    files->SetMask("*.ini");
    files->SetDirectory(folder);
    EXPECT_EQ(GetCurrentDir(), fs::path(folder).lexically_normal().string()) << "the folder becomes the current one";
    ASSERT_EQ(files->GetCount(), 2);
    // Deleting what the list shows by the names it shows, then listing again.
    for (int i = 0; i < files->GetCount(); ++i)
        DeleteFile(files->GetItems()->Get(i));
    files->Update();
    EXPECT_EQ(files->GetCount(), 0);
    EXPECT_TRUE(fs::exists(fs::path(folder) / "notes.txt"));
    SetCurrentDir(before);
}

TEST_F(Lists, AComboBoxDropsDownAndIsChosenFromByKeyboard) {
    TForm* form = NewForm(300, 300);
    auto* combo = Add<TComboBox>(form, 10, 10, 150, 21);
    combo->SetStyle(csDropDownList);
    for (const char* item : {"全选", "清除", "奇数", "偶数", "大数"})
        combo->GetItems()->Add(item);
    int changes = 0, selects = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->OnSelect = [&](TObject*) { ++selects; };
    combo->SetItemIndex(0);
    EXPECT_EQ(changes, 0) << "a change made in code raises no OnChange";
    form->Show();
    combo->SetFocus();
    Pump();
    bool droppedDuring = false;
    combo->OnDropDown = [&](TObject*) { droppedDuring = true; };
    display.PressKey(VK_F4);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_TRUE(droppedDuring);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(combo->GetText(), "奇数");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selects, 1);
    display.PressKey(VK_F4);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_ESCAPE);
    display.PressKey(VK_UP); // closed, the arrows step through the items
    Pump();
    EXPECT_EQ(combo->GetItemIndex(), 1) << "Esc left the list unchanged, Up stepped back";
    EXPECT_EQ(changes, 2);
    combo->SetText("大数");
    EXPECT_EQ(combo->GetItemIndex(), 4);
    EXPECT_EQ(changes, 2);
}

TEST_F(Lists, ADropDownComboBoxTakesTypedTextAndTheMouse) {
    TForm* form = NewForm(300, 300);
    auto* combo = Add<TComboBox>(form, 10, 10, 150, 21);
    for (int i = 0; i <= 20; ++i)
        combo->GetItems()->Add(std::to_string(i));
    combo->DropDownCount = 16;
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetText("0");
    form->Show();
    combo->SetFocus();
    Pump();
    display.TypeText("12"); // replaces the selected text
    Pump();
    EXPECT_EQ(combo->GetText(), "12");
    EXPECT_EQ(combo->GetItemIndex(), 12) << "the typed text names an item";
    EXPECT_GT(changes, 0);
    // A click on the button opens the list: 16 rows of the font's height below the field.
    const TRect list = combo->DropDownRect();
    EXPECT_EQ(list.Height(), 16 * combo->GetItemHeight() + 2);
    const TRect button = combo->ButtonRect();
    const TPoint onButton = combo->ClientToScreen({button.Left + 3, button.Top + 3});
    const TPoint onThird{list.Left + 10, list.Top + 1 + 2 * combo->GetItemHeight() + 2};
    InjectMouseButton(TInputButton::Left, true, onButton);
    InjectMouseButton(TInputButton::Left, false, onButton);
    InjectMouseMove(onThird);
    InjectMouseButton(TInputButton::Left, true, onThird);
    InjectMouseButton(TInputButton::Left, false, onThird);
    Pump();
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(combo->GetText(), "2");
}

} // namespace
} // namespace zorvy::test
