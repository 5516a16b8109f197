// The combo box: its list measured, opened and chosen from by keys and mouse, Revertable stepping,
// item drawing in the closed editor, and its filter helper.
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/ComboBoxViewInfo.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

constexpr int Row = 16; // a fixed item height, so that sizes are known without measuring text

std::vector<std::string> Numbers(int count, const std::string& suffix = {}) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) items.push_back(std::to_string(i) + suffix);
    return items;
}

class ComboBox : public EditorsTest {
  protected:
    ComboBox() { InitializePopupEditUnit(); }
    ~ComboBox() override {
        delete form;
        FinalizePopupEditUnit();
    }
    // A combo box of the items at (10, 10) on a form at (50, 50).
    TcxComboBox* Make(const std::vector<std::string>& items, bool focus = true) {
        form = NewForm(400, 300);
        combo = new TcxComboBox(nullptr);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 100, 21);
        props = combo->GetProperties();
        props->SetItemHeight(Row);
        props->SetItems(items);
        props->OnClosePopup = [this](TObject*, int reason) { reasons.push_back(reason); };
        form->Show();
        Pump();
        if (focus) {
            combo->SetFocus();
            Pump();
        }
        return combo;
    }
    void Key(std::uint16_t vk, bool alt = false) {
        if (alt) InjectKey(VK_MENU, true);
        InjectKey(vk, true);
        InjectKey(vk, false);
        if (alt) InjectKey(VK_MENU, false);
        Pump();
    }
    void Open() {
        combo->DropDown();
        Pump();
        ASSERT_TRUE(combo->GetDroppedDown());
    }
    TcxCustomEditListBox* List() const { return combo->GetLookupList(); }
    // The screen point in the middle of a list row.
    TPoint RowPoint(int index) const {
        const TRect r = List()->ItemRect(index);
        return List()->ClientToScreen({r.Left + 10, (r.Top + r.Bottom) / 2});
    }
    void ClickAt(TPoint p) {
        InjectMouseMove(p);
        InjectMouseButton(TInputButton::Left, true, p);
        InjectMouseButton(TInputButton::Left, false, p);
        Pump();
    }

    TForm* form = nullptr;
    TcxComboBox* combo = nullptr;
    TcxComboBoxProperties* props = nullptr;
    std::vector<int> reasons;
};

TEST_F(ComboBox, SettingsMapTheListStyleToAnInputStyleAndKeepTheirLimits) {
    TcxComboBoxProperties p(nullptr);
    EXPECT_EQ(p.GetDropDownListStyle(), lsEditList);
    EXPECT_EQ(p.GetDropDownRows(), 8);
    const std::pair<TcxEditDropDownListStyle, TcxEditInputStyle> table[] = {
        {lsEditFixedList, istListCompleted}, {lsEditList, istFreeText}, {lsFixedList, istListOnly}};
    for (auto [style, input] : table) {
        p.SetDropDownListStyle(style);
        EXPECT_EQ(p.GetInputStyle(), input);
        EXPECT_EQ(p.IsFixedListStyle(), style == lsFixedList);
    }
    TChangeCounter changes(p);
    p.SetDropDownRows(0);
    p.SetDropDownRows(-3);
    EXPECT_EQ(p.GetDropDownRows(), 8) << "0 or less is ignored";
    EXPECT_EQ(changes.Count, 0);
    p.SetDropDownRows(17);
    EXPECT_EQ(p.GetDefaultListRows(), 17) << "a page of stepping is a list of rows";
    p.SetDropDownWidth(-5);
    EXPECT_EQ(p.GetPopupWidth(), 0);
    p.Revertable = true;
    p.SetItems({"a", "b"});
    TcxComboBoxProperties copy(nullptr);
    copy.Assign(&p);
    EXPECT_EQ(copy.GetDropDownRows(), 17);
    EXPECT_EQ(copy.GetDropDownListStyle(), lsFixedList);
    EXPECT_TRUE(copy.Revertable);
    EXPECT_EQ(copy.GetItems(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(ComboBox, SixteenItemsInSeventeenRowsShowAllWithoutAScrollBarAndEightRowsAddOne) {
    // Items wider than the editor, so that the list's width is theirs.
    Make(Numbers(16, " 号码组合 wide enough to pass the editor"));
    props->SetDropDownRows(17);
    Open();
    TcxCustomEditPopupWindow* popup = combo->GetPopupWindow();
    const TRect client = popup->GetPopupViewInfo()->ClientRect;
    EXPECT_EQ(client.Height(), 16 * Row);
    EXPECT_EQ(List()->GetHeight(), 16 * Row) << "the list fills the popup's client area";
    EXPECT_FALSE(List()->GetVScrollBar()->GetVisible());
    const int wide = popup->GetWidth();
    EXPECT_GT(wide, combo->GetWidth());
    combo->SetDroppedDown(false);

    props->SetDropDownRows(8);
    Open();
    EXPECT_EQ(popup->GetPopupViewInfo()->ClientRect.Height(), 8 * Row);
    EXPECT_TRUE(List()->GetVScrollBar()->GetVisible());
    EXPECT_EQ(popup->GetWidth(), wide + GetSystemMetrics(SM_CXVSCROLL)) << "wider by the scroll bar";
}

TEST_F(ComboBox, OnMeasureItemGivesEachRowItsHeightInTheListAndInItsSize) {
    Make({"a", "tall", "c"});
    props->SetDropDownRows(3);
    props->OnMeasureItem = [](TcxCustomComboBox*, int index, TcxCanvas*, int& height) {
        if (index == 1) height = 20;
    };
    Open();
    EXPECT_EQ(combo->GetPopupWindow()->GetPopupViewInfo()->ClientRect.Height(), Row + 20 + Row);
    EXPECT_EQ(List()->ItemRect(1).Height(), 20);
    EXPECT_EQ(List()->ItemRect(2).Height(), Row);
}

TEST_F(ComboBox, AnEmptyListNeverOpens) {
    Make({});
    combo->DropDown();
    Pump();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(combo->IsPopupPrepared());
}

TEST_F(ComboBox, KeysTakeTheListsSelectionOnlyWhenTheyAcceptIt) {
    Make({"apple", "apricot", "banana"});
    combo->SetText("apple");
    Key(VK_F4);
    ASSERT_TRUE(combo->GetDroppedDown());
    EXPECT_EQ(List()->GetItemIndex(), 0) << "the list opens on the current item";
    combo->GetLookupData()->SetItemIndex(2);
    Key(VK_ESCAPE);
    EXPECT_EQ(combo->GetText(), "apple") << "cancel keeps the text";
    Key(VK_F4);
    EXPECT_EQ(List()->GetItemIndex(), 0) << "the list shows the current item again";
    combo->GetLookupData()->SetItemIndex(2);
    Key(VK_F4);
    EXPECT_EQ(combo->GetText(), "banana");
    EXPECT_EQ(combo->GetItemIndex(), 2);
    Key(VK_DOWN, true);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(List()->GetItemIndex(), 0) << "the keys step through the open list";
    EXPECT_EQ(combo->GetText(), "banana") << "without changing the text";
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(combo->GetText(), "apricot");
    EXPECT_EQ(reasons, (std::vector<int>{crCancel, crToggle, crEnter}));
    Key(VK_DOWN);
    EXPECT_EQ(combo->GetText(), "banana") << "closed, the keys step the item itself";
}

TEST_F(ComboBox, TheArrowsStepAFixedListOpenOrClosed) {
    Make({"apple", "apricot", "banana"});
    props->SetDropDownListStyle(lsFixedList);
    combo->SetItemIndex(0);
    Open();
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(List()->GetItemIndex(), 2) << "the open list's selection follows the keys";
    EXPECT_EQ(combo->GetText(), "apple");
    Key(VK_RETURN);
    EXPECT_EQ(combo->GetText(), "banana");
    Key(VK_UP);
    EXPECT_EQ(combo->GetText(), "apricot") << "closed, the keys step the item itself";
}

TEST_F(ComboBox, TabAcceptsTheListOnlyWhenPostPopupValueOnTabIsOn) {
    Make({"one", "two"});
    props->PostPopupValueOnTab = true;
    Open();
    combo->GetLookupData()->SetItemIndex(1);
    Key(VK_TAB);
    EXPECT_EQ(combo->GetText(), "two");
    EXPECT_EQ(reasons, std::vector<int>{crTab});
}

TEST_F(ComboBox, AReleaseOverAnItemAcceptsItAndClosesTheList) {
    Make({"red", "blue", "green"});
    Open();
    ClickAt(RowPoint(2));
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetText(), "green");
    EXPECT_EQ(reasons, std::vector<int>{crEnter});
}

TEST_F(ComboBox, TheRowUnderAMovingPointerIsSelectedButNotUnderOneRestingAsTheListOpens) {
    Make({"a", "b", "c", "d"});
    combo->SetText("a");
    // The pointer rests where the list's third row will appear.
    InjectMouseMove({50 + 10 + 20, 50 + 10 + 21 + 2 * Row + Row / 2 + 1});
    Pump();
    Open();
    ASSERT_EQ(List()->GetItemIndex(), 0);
    ASSERT_TRUE(combo->GetLookupData()->IsScreenPointInList(RowPoint(2)));
    InjectMouseMove({RowPoint(2).X + 1, RowPoint(2).Y});
    Pump();
    EXPECT_EQ(List()->GetItemIndex(), 0) << "the first move under the resting pointer is swallowed";
    InjectMouseMove(RowPoint(3));
    Pump();
    EXPECT_EQ(List()->GetItemIndex(), 3);
    InjectMouseMove(RowPoint(1));
    Pump();
    EXPECT_EQ(List()->GetItemIndex(), 1) << "hot tracking never skips a move of its own";
    EXPECT_EQ(combo->GetText(), "a") << "tracking changes nothing until the user commits";
}

TEST_F(ComboBox, ARevertableComboCyclesOnDoubleClickAndWrapsButNotWhileOpen) {
    Make({"x", "y", "z"});
    combo->SetText("y");
    // On the text, as a user double-clicks.
    auto doubleClick = [&] {
        SendMessage(combo->GetInnerTextEdit()->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(5, 5));
        Pump();
    };
    doubleClick();
    EXPECT_EQ(combo->GetText(), "y") << "not revertable";
    props->Revertable = true;
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        doubleClick();
        seen.push_back(combo->GetText());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"z", "x", "y"}));
    Open();
    doubleClick();
    combo->SetDroppedDown(false);
    EXPECT_EQ(combo->GetText(), "y");
}

TEST_F(ComboBox, DraggingTheGripResizesTheListInWholeRowsAndTheNextDropDownKeepsIt) {
    Make(Numbers(30));
    props->SetDropDownSizeable(true);
    Open();
    TcxCustomEditPopupWindow* popup = combo->GetPopupWindow();
    ASSERT_TRUE(popup->GetSysPanelStyle()) << "a sizeable list has a size grip";
    const int extent = popup->GetHeight() - popup->GetPopupViewInfo()->ClientRect.Height();
    const TPoint grip{popup->GetLeft() + popup->GetWidth() - 6, popup->GetTop() + popup->GetHeight() - 6};
    InjectMouseMove(grip);
    InjectMouseButton(TInputButton::Left, true, grip);
    InjectMouseMove({grip.X, grip.Y + 2 * Row + 5});
    InjectMouseButton(TInputButton::Left, false, {grip.X, grip.Y + 2 * Row + 5});
    Pump();
    EXPECT_EQ(popup->GetHeight() - extent, 10 * Row) << "two more whole rows";
    const int sized = popup->GetHeight();
    combo->SetDroppedDown(false);
    Open();
    EXPECT_EQ(popup->GetHeight(), sized);
}

TEST_F(ComboBox, AFixedListDrawsItsItemThroughOnDrawItemInTheEditorAndInAGridCell) {
    struct TCall {
        TcxCustomComboBox* Control;
        int Index;
        TOwnerDrawState State;
    };
    std::vector<TCall> calls;
    Make({"plus", "minus"}, false);
    props->SetDropDownListStyle(lsFixedList);
    props->OnDrawItem = [&](TcxCustomComboBox* c, TcxCanvas*, int index, const TRect&, TOwnerDrawState state) {
        calls.push_back({c, index, state});
    };
    combo->SetText("minus");
    combo->GetLookupData()->SyncWithEditText();
    TcxEditStyle style(nullptr);
    TPaintSurface surface(100, 20);
    auto draw = [&](TcxCustomEditViewData* data, TcxCustomEditViewInfo* info) {
        data->FillViewInfo(surface.Canvas(), Rect(0, 0, 100, 20), {-1, -1}, 0, 0, info, false);
        calls.clear();
        static_cast<TcxCustomComboBoxViewInfo*>(info)->DrawItem(surface.Canvas(), Rect(0, 0, 100, 20));
    };
    std::unique_ptr<TcxCustomEditViewData> own(props->MakeViewData(&style, false));
    own->Edit = combo;
    std::unique_ptr<TcxCustomEditViewInfo> ownInfo(static_cast<TcxCustomEditViewInfo*>(props->CreateViewInfo()));
    draw(own.get(), ownInfo.get());
    EXPECT_EQ(static_cast<TcxCustomComboBoxViewInfo*>(ownInfo.get())->ItemIndex, 1) << "the current item";
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Control, combo);
    EXPECT_EQ(calls[0].State, odComboBoxEdit);
    own->Focused = true;
    draw(own.get(), ownInfo.get());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].State, odSelected | odFocused | odComboBoxEdit);

    // A grid cell: no control, the item equal to the cell's value.
    std::unique_ptr<TcxCustomEditViewData> data(props->MakeViewData(&style, true));
    std::unique_ptr<TcxCustomEditViewInfo> info(static_cast<TcxCustomEditViewInfo*>(props->CreateViewInfo()));
    data->FillViewInfo(surface.Canvas(), Rect(0, 0, 100, 20), {-1, -1}, 0, 0, info.get(), false);
    data->FillEditorViewInfo(Variant(std::string("plus")), info.get());
    auto* vi = static_cast<TcxCustomComboBoxViewInfo*>(info.get());
    EXPECT_EQ(vi->ItemIndex, 0);
    calls.clear();
    vi->DrawItem(surface.Canvas(), Rect(0, 0, 100, 20));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Control, nullptr);
    EXPECT_EQ(calls[0].Index, 0);
    data->FillEditorViewInfo(Variant(std::string("other")), info.get());
    EXPECT_EQ(vi->ItemIndex, -1);
}

TEST_F(ComboBox, AClosedFixedListPaintsItsItemThroughOnDrawItemOnScreen) {
    struct TCall {
        TcxCustomComboBox* Control;
        int Index;
        TOwnerDrawState State;
    };
    std::vector<TCall> calls;
    Make({"plus", "minus"});
    props->SetDropDownListStyle(lsFixedList);
    props->OnDrawItem = [&](TcxCustomComboBox* c, TcxCanvas* canvas, int index, const TRect& r, TOwnerDrawState state) {
        calls.push_back({c, index, state});
        canvas->FillRectSolid(r, index == 1 ? clLime : clRed);
    };
    combo->SetText("minus");
    combo->GetLookupData()->SyncWithEditText();
    auto repaint = [&] {
        calls.clear();
        combo->Invalidate();
        Pump();
    };
    repaint();
    ASSERT_FALSE(calls.empty()) << "the closed editor paints through the handler";
    EXPECT_EQ(calls.back().Control, combo);
    EXPECT_EQ(calls.back().Index, 1);
    EXPECT_EQ(calls.back().State, odSelected | odFocused | odComboBoxEdit);
    EXPECT_EQ(PixelAt(form, 10 + 10, 10 + 10), RGB(0, 255, 0)) << "what it painted shows";

    auto* other = new TCharSink(form);
    other->SetParent(form);
    other->SetBounds(10, 100, 50, 20);
    other->SetFocus();
    repaint();
    ASSERT_FALSE(calls.empty()) << "also when not focused";
    EXPECT_EQ(calls.back().State, odComboBoxEdit);
    EXPECT_EQ(PixelAt(form, 10 + 10, 10 + 10), RGB(0, 255, 0));

    // Without the handler the text is painted as usual.
    props->OnDrawItem = nullptr;
    repaint();
    EXPECT_TRUE(calls.empty());
    EXPECT_NE(PixelAt(form, 10 + 10, 10 + 10), RGB(0, 255, 0));
}

TEST_F(ComboBox, NoHintShowsWhileTheListIsOpen) {
    Make({"a", "b"});
    EXPECT_EQ(combo->Perform(CM_HINTSHOW), 0);
    Open();
    EXPECT_NE(combo->Perform(CM_HINTSHOW), 0);
    EXPECT_NE(combo->GetInnerTextEdit()->Perform(CM_HINTSHOW), 0) << "nor over its text";
    combo->SetDroppedDown(false);
    EXPECT_EQ(combo->GetInnerTextEdit()->Perform(CM_HINTSHOW), 0);
}

TEST_F(ComboBox, ThePopupReadsTheWayItsEditorDoes) {
    Make({"a"});
    combo->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(combo->GetPopupWindow()->GetBiDiMode(), bdRightToLeft);
    combo->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(combo->GetPopupWindow()->GetBiDiMode(), bdLeftToRight);
}

TEST_F(ComboBox, TheWheelOverTheEditorScrollsItsOpenList) {
    Make(Numbers(40));
    Open();
    ASSERT_EQ(List()->GetTopIndex(), 0);
    const TPoint over = combo->ClientToScreen({20, 10});
    SendMessage(combo->GetHandle(), WM_MOUSEWHEEL, MakeWParam(0, -120), MakeLParam(over.X, over.Y));
    Pump();
    EXPECT_GT(List()->GetTopIndex(), 0);
    EXPECT_EQ(combo->GetText(), "") << "scrolling chooses nothing";
}

TEST_F(ComboBox, ThePressThatOpensTheListCanBeDraggedIntoItAndReleasedOnAnItem) {
    Make({"red", "blue", "green", "black"});
    Open();
    const TPoint target = RowPoint(2);
    combo->SetDroppedDown(false);
    reasons.clear();
    const TPoint button = combo->ClientToScreen({100 - 8, 10});
    InjectMouseMove(button);
    InjectMouseButton(TInputButton::Left, true, button);
    Pump();
    ASSERT_TRUE(combo->GetDroppedDown());
    InjectMouseMove({target.X, target.Y - 3});
    InjectMouseMove(target);
    InjectMouseButton(TInputButton::Left, false, target);
    Pump();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetText(), "green");
    EXPECT_EQ(reasons, std::vector<int>{crEnter});
}

TEST_F(ComboBox, AClickIntoAFixedListOpensIt) {
    Make({"<", "=", ">"});
    props->SetDropDownListStyle(lsFixedList);
    ClickAt(combo->ClientToScreen({20, 10}));
    EXPECT_TRUE(combo->GetDroppedDown());
}

TEST_F(ComboBox, TheClickThatStartsAnInPlaceFixedListDoesNotOpenItButTheNextDoes) {
    form = NewForm(400, 300);
    combo = new TcxComboBox(nullptr, true);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 100, 21);
    props = combo->GetProperties();
    props->SetItems({"<", "=", ">"});
    props->SetDropDownListStyle(lsFixedList);
    form->Show();
    Pump();
    TcxCustomEditData* data = nullptr;
    combo->ActivateByMouse(ssLeft, 10 + 20, 10 + 10, data);
    Pump();
    ASSERT_TRUE(combo->IsFocused());
    EXPECT_FALSE(combo->GetDroppedDown());
    Wait(GetDoubleClickTime() + 1);
    ClickAt(combo->ClientToScreen({20, 10}));
    EXPECT_TRUE(combo->GetDroppedDown());
    combo->SetDroppedDown(false);
    delete data;
}

TEST_F(ComboBox, ThePopupsWindowGoesWithTheEditorsAndComesBackAtTheNextDropDown) {
    Make({"red", "blue", "green"});
    Open();
    TcxCustomEditPopupWindow* popup = combo->GetPopupWindow();
    combo->RecreateWnd();
    Pump();
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(reasons, std::vector<int>{crUnknown});
    EXPECT_FALSE(combo->IsPopupPrepared());
    EXPECT_FALSE(popup->HandleAllocated());
    combo->SetFocus();
    Pump();
    Open();
    EXPECT_EQ(combo->GetPopupWindow(), popup);
    EXPECT_TRUE(List()->HandleAllocated() && IsWindowVisible(List()->GetHandle())) << "the list shows again";
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetText(), "red");
}

TEST_F(ComboBox, ALongListNearTheScreensEdgeShowsOnlyWholeRows) {
    Make(Numbers(80));
    props->SetDropDownRows(80);
    TRect work;
    GetMonitorWorkArea({0, 0}, work);
    // The editor in the middle of the screen: neither side has room for 80 rows.
    form->SetTop(work.Height() / 2 - 40);
    Pump();
    Open();
    TcxCustomEditPopupWindow* popup = combo->GetPopupWindow();
    const int listHeight = popup->GetPopupViewInfo()->ClientRect.Height();
    EXPECT_LT(listHeight, 80 * Row);
    EXPECT_EQ(listHeight % Row, 0) << "no row is cut";
    EXPECT_EQ(List()->GetHeight(), listHeight);
    EXPECT_LE(popup->GetBoundsRect().Bottom, work.Bottom);
    EXPECT_GE(popup->GetBoundsRect().Top, work.Top);
}

TEST_F(ComboBox, ChoosingTheCurrentItemAgainStillReachesTheEditorWhenEditingIsGranted) {
    Make(Numbers(9));
    combo->SetText("2");
    TcxCustomTextEditLookupData* data = combo->GetLookupData();
    ASSERT_EQ(data->GetCurrentKey(), 1);
    int selected = 0;
    const TNotifyEvent take = data->OnSelectItem;
    data->OnSelectItem = [&](TObject* sender) {
        ++selected;
        take(sender);
    };
    data->SetCurrentKeyValue(Variant(20));
    EXPECT_EQ(data->GetCurrentKey(), 1) << "a key past the items changes nothing";
    EXPECT_EQ(selected, 0) << "the text already is the item's";
    combo->GetInnerTextEdit()->SetText("x");
    data->SetCurrentKeyValue(Variant(20));
    EXPECT_EQ(selected, 1) << "the text differs from the current item's";
    EXPECT_EQ(combo->GetText(), "2");
    Open();
    bool granted = false;
    combo->OnEditing = [&](TObject*, bool& canEdit) { canEdit = granted; };
    data->CommitListSelection();
    EXPECT_EQ(selected, 1) << "refused";
    granted = true;
    data->CommitListSelection();
    EXPECT_EQ(selected, 2);
    TcxCustomEditListBox* list = List();
    list->SetItemCount(4);
    EXPECT_EQ(list->GetCount(), 4);
    list->SetItemCount(12);
    EXPECT_EQ(list->GetCount(), 12);
}

TEST_F(ComboBox, InPlaceAnOpenListLeavesControlKeysToTheEditorNotToItsButton) {
    form = NewForm(400, 300);
    combo = new TcxComboBox(nullptr, true);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 100, 21);
    props = combo->GetProperties();
    props->SetItems({"a", "b"});
    int clicks = 0;
    props->OnButtonClick = [&](TObject*, int) { ++clicks; };
    form->Show();
    Pump();
    TcxCustomEditData* data = nullptr;
    combo->ActivateInplace(0, data);
    Pump();
    Open();
    for (std::uint16_t key : {std::uint16_t(VK_BACK), std::uint16_t(VK_SPACE)}) {
        InjectKey(key, true);
        InjectKey(key, false);
        Pump();
    }
    EXPECT_EQ(clicks, 0);
    delete data;
}

TEST_F(ComboBox, AFilterValueIsTypedInAPlainEditListComboBox) {
    const TcxFilterEditHelperClass helperClass =
        GetFilterEditHelperRegistry()->LookupHelperClass(TcxComboBoxProperties::StaticClass());
    ASSERT_EQ(helperClass, TcxFilterComboBoxHelper::StaticClass());
    EXPECT_TRUE(FilterEditHelper(helperClass)->KeepsEditButtons());
    TcxComboBoxProperties column(nullptr);
    column.SetDropDownListStyle(lsFixedList);
    column.SetDropDownRows(17);
    column.Revertable = true;
    column.ImmediateDropDown = true;
    column.SetItems({"<", ">"});
    column.OnChange = [](TObject*) {};
    column.SetAutoSelect(false);
    std::unique_ptr<TcxCustomEdit> editor(AcquireFilterEditor(helperClass, &column, nullptr));
    auto* p = dynamic_cast<TcxComboBoxProperties*>(editor->GetEffectiveProperties());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetDropDownListStyle(), lsEditList);
    EXPECT_EQ(p->GetDropDownRows(), 8);
    EXPECT_FALSE(p->Revertable);
    EXPECT_FALSE(p->ImmediateDropDown);
    EXPECT_EQ(p->GetItems(), (std::vector<std::string>{"<", ">"}));
    EXPECT_FALSE(p->OnChange);
    EXPECT_EQ(p->GetButtons()->GetCount(), 1) << "the drop-down button stays";
    EXPECT_TRUE(p->GetAutoSelect()) << "prepared as a text editor first";

    // Like and not like only for text without a mask, as in a masked editor.
    const TcxCustomFilterEditHelper* helper = FilterEditHelper(helperClass);
    TcxComboBoxProperties masked(nullptr);
    masked.SetEditMask("00;0;_");
    constexpr TcxFilterControlOperators comparisons = 1662, likes = 384;
    EXPECT_EQ(helper->GetAllowedOperators(&column, &cxStringValueType, false), comparisons | likes);
    EXPECT_EQ(helper->GetAllowedOperators(&masked, &cxStringValueType, false), comparisons);
    std::unique_ptr<TcxCustomEdit> maskedEditor(AcquireFilterEditor(helperClass, &masked, nullptr));
    EXPECT_FALSE(maskedEditor->GetEffectiveProperties()->GetAutoSelect()) << "a masked value is typed, not selected";
}

TEST_F(ComboBox, RegistersItsSettingsAsAnEditorKind) {
    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    const int index = registry->IndexOfClass(TcxComboBoxProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(registry->GetDescription(index), "ComboBox|Represents the combo box editor");
}

} // namespace
} // namespace zorvy::test
