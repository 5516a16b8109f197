#include "platform/classlib/stdctrls/ListBoxes.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Files.h"
#include "platform/classlib/stdctrls/FileListing.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/classlib/stdctrls/SystemClassInput.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

#include <filesystem>

namespace zorvy {

// ---- TListBoxStrings ----

int TListBoxStrings::GetCount() const {
    if (box_->IsVirtual()) return box_->virtualCount_;
    if (HWND h = box_->Window()) return static_cast<int>(SendMessage(h, LB_GETCOUNT));
    return box_->saved_.GetCount();
}

std::string TListBoxStrings::Get(int index) const {
    if (box_->IsVirtual()) {
        CheckListIndex(index, GetCount());
        std::string text;
        if (box_->OnData) box_->OnData(box_, index, text);
        return text;
    }
    HWND h = box_->Window();
    if (!h) return box_->saved_.Get(index);
    std::string text;
    if (SendMessage(h, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text)) == LB_ERR)
        Error(index);
    return text;
}

TObject* TListBoxStrings::GetObject(int index) const {
    HWND h = box_->Window();
    if (!h) return box_->saved_.GetObject(index);
    const LRESULT data = SendMessage(h, LB_GETITEMDATA, static_cast<WPARAM>(index));
    if (data == LB_ERR && (index < 0 || index >= GetCount())) Error(index);
    return reinterpret_cast<TObject*>(data);
}

void TListBoxStrings::PutObject(int index, TObject* object) {
    HWND h = box_->Window();
    if (!h) {
        box_->saved_.PutObject(index, object);
        return;
    }
    if (SendMessage(h, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object)) == LB_ERR)
        Error(index);
}

void TListBoxStrings::Put(int index, const std::string& text) {
    // Replaced in place: the item keeps its object and selection.
    const int selected = box_->GetItemIndex();
    TObject* object = GetObject(index);
    Delete(index);
    Insert(index, text);
    PutObject(index, object);
    if (selected == index) box_->SetItemIndex(index);
}

void TListBoxStrings::Clear() {
    if (box_->IsVirtual()) throw EInvalidOperation("The items of a virtual list box come from its OnData");
    if (HWND h = box_->Window())
        SendMessage(h, LB_RESETCONTENT);
    else
        box_->saved_.Clear();
}

void TListBoxStrings::Delete(int index) {
    if (box_->IsVirtual()) throw EInvalidOperation("The items of a virtual list box come from its OnData");
    HWND h = box_->Window();
    if (!h) {
        box_->saved_.Delete(index);
        return;
    }
    if (SendMessage(h, LB_DELETESTRING, static_cast<WPARAM>(index)) == LB_ERR) Error(index);
}

void TListBoxStrings::Insert(int index, const std::string& text) {
    if (box_->IsVirtual()) throw EInvalidOperation("The items of a virtual list box come from its OnData");
    HWND h = box_->Window();
    if (!h) {
        box_->saved_.Insert(index, text);
        return;
    }
    if (index < 0 || index > GetCount()) Error(index);
    SendMessage(h, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text));
}

int TListBoxStrings::Add(const std::string& text) {
    if (box_->IsVirtual()) throw EInvalidOperation("The items of a virtual list box come from its OnData");
    HWND h = box_->Window();
    if (!h) return box_->saved_.Add(text);
    // The window places the item when it sorts.
    return static_cast<int>(SendMessage(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&text)));
}

// ---- TCustomListBox ----

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(this)), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->Control = this;
    ControlStyle = csSetCaption | csDoubleClicks;
    color_ = clWindow;
    tabStop_ = true;
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() {
    Destroying();
    canvas_->FreeHandle();
}

void TCustomListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CreateSubClass(p, "LISTBOX");
    p.style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    // Virtual items are drawn by the control from their texts, which the window never holds.
    if (!IsVirtual()) p.style |= LBS_HASSTRINGS;
    if (IsVirtual()) p.style |= LBS_OWNERDRAWFIXED;
    if (sorted_ && !IsVirtual()) p.style |= LBS_SORT;
    if (multiSelect_) p.style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (style_ == lbOwnerDrawFixed) p.style |= LBS_OWNERDRAWFIXED;
    if (style_ == lbOwnerDrawVariable) p.style |= LBS_OWNERDRAWVARIABLE;
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
    TWinControl::CreateWnd();
    if (itemHeight_ > 0) SendMessage(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
    for (int i = 0; IsVirtual() && i < virtualCount_; ++i)
        SendMessage(handle_, LB_ADDSTRING);
    // The items kept while there was no window move into it, with their selection.
    for (int i = 0; i < saved_.GetCount(); ++i) {
        const std::string text = saved_.Get(i);
        const auto at = static_cast<int>(SendMessage(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&text)));
        SendMessage(handle_, LB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(saved_.GetObject(i)));
    }
    saved_.Clear();
    if (multiSelect_)
        for (int i : savedSelection_)
            SendMessage(handle_, LB_SETSEL, 1, i);
    else
        SendMessage(handle_, LB_SETCURSEL, static_cast<WPARAM>(savedIndex_));
    SendMessage(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(savedTop_));
    savedSelection_.clear();
}

void TCustomListBox::DestroyWnd() {
    savedIndex_ = GetItemIndex();
    savedTop_ = GetTopIndex();
    savedSelection_.clear();
    const int count = IsVirtual() ? 0 : static_cast<int>(SendMessage(handle_, LB_GETCOUNT));
    saved_.Clear();
    for (int i = 0; i < count; ++i) {
        std::string text;
        SendMessage(handle_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
        saved_.AddObject(text, reinterpret_cast<TObject*>(SendMessage(handle_, LB_GETITEMDATA, static_cast<WPARAM>(i))));
        if (multiSelect_ && SendMessage(handle_, LB_GETSEL, static_cast<WPARAM>(i)) > 0) savedSelection_.push_back(i);
    }
    TWinControl::DestroyWnd();
}

int TCustomListBox::GetItemIndex() const {
    if (!handle_) return savedIndex_;
    return static_cast<int>(SendMessage(handle_, multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int index) {
    if (!handle_) {
        savedIndex_ = index;
        return;
    }
    if (multiSelect_) {
        SendMessage(handle_, LB_SETSEL, 0, -1);
        if (index >= 0) SendMessage(handle_, LB_SETSEL, 1, index);
        SendMessage(handle_, LB_SETCARETINDEX, static_cast<WPARAM>(index));
    } else {
        SendMessage(handle_, LB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

bool TCustomListBox::GetSelected(int index) const {
    CheckListIndex(index, GetCount());
    if (!handle_) return multiSelect_ ? std::find(savedSelection_.begin(), savedSelection_.end(), index) != savedSelection_.end()
                                      : index == savedIndex_;
    if (!multiSelect_) return GetItemIndex() == index;
    return SendMessage(handle_, LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
    CheckListIndex(index, GetCount());
    if (!multiSelect_) {
        if (value)
            SetItemIndex(index);
        else if (GetItemIndex() == index)
            SetItemIndex(-1);
        return;
    }
    if (!handle_) {
        std::erase(savedSelection_, index);
        if (value) savedSelection_.push_back(index);
        return;
    }
    SendMessage(handle_, LB_SETSEL, value ? 1 : 0, index);
}

int TCustomListBox::GetSelCount() const {
    if (!multiSelect_) return GetItemIndex() >= 0 ? 1 : 0;
    if (!handle_) return static_cast<int>(savedSelection_.size());
    return static_cast<int>(SendMessage(handle_, LB_GETSELCOUNT));
}

void TCustomListBox::ClearSelection() {
    if (multiSelect_ && handle_)
        SendMessage(handle_, LB_SETSEL, 0, -1);
    else if (multiSelect_)
        savedSelection_.clear();
    else
        SetItemIndex(-1);
}

void TCustomListBox::SelectAll() {
    if (!multiSelect_) return;
    if (handle_) {
        SendMessage(handle_, LB_SETSEL, 1, -1);
        return;
    }
    savedSelection_.clear();
    for (int i = 0; i < GetCount(); ++i)
        savedSelection_.push_back(i);
}

void TCustomListBox::SetMultiSelect(bool value) {
    if (value == multiSelect_) return;
    multiSelect_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool value) {
    if (value == extendedSelect_) return;
    extendedSelect_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListBox::SetSorted(bool value) {
    if (value == sorted_) return;
    sorted_ = value;
    saved_.SetSorted(value);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListBox::SetCount(int count) {
    if (!IsVirtual()) throw EInvalidOperation("Only a virtual list box takes a count of items");
    virtualCount_ = std::max(count, 0);
    if (!HandleAllocated()) return;
    // The window holds one empty item per virtual item, for its selection and scrolling.
    const int index = GetItemIndex();
    SendMessage(handle_, LB_RESETCONTENT);
    for (int i = 0; i < virtualCount_; ++i)
        SendMessage(handle_, LB_ADDSTRING);
    if (index < virtualCount_) SetItemIndex(index);
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
    if (value == style_) return;
    style_ = value;
    if (HandleAllocated()) RecreateWnd();
}

int TCustomListBox::GetItemHeight() const {
    if (handle_) return static_cast<int>(SendMessage(handle_, LB_GETITEMHEIGHT));
    if (itemHeight_ > 0) return itemHeight_;
    return FontTextHeight(*font_);
}

void TCustomListBox::SetItemHeight(int value) {
    itemHeight_ = std::max(value, 0);
    if (handle_ && itemHeight_ > 0) SendMessage(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
}

int TCustomListBox::GetTopIndex() const {
    return handle_ ? static_cast<int>(SendMessage(handle_, LB_GETTOPINDEX)) : savedTop_;
}

void TCustomListBox::SetTopIndex(int index) {
    if (handle_)
        SendMessage(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(index));
    else
        savedTop_ = index;
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) const {
    if (!handle_) return -1;
    const LRESULT r = SendMessage(handle_, LB_ITEMFROMPOINT, 0, MakeLParam(p.X, p.Y));
    const int index = LoWord(static_cast<std::uintptr_t>(r));
    const bool outside = HiWord(static_cast<std::uintptr_t>(r)) != 0;
    if (GetCount() == 0 || (existing && outside)) return -1;
    return index;
}

TRect TCustomListBox::ItemRect(int index) const {
    TRect r{};
    if (handle_) SendMessage(handle_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    // A virtual list box draws its own texts unless it is owner-drawn too.
    if (OnDrawItem && style_ != lbVirtual) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    // Without a handler, the item is drawn as a plain list draws it.
    TCanvas* c = canvas_.get();
    c->GetBrush()->SetColor((state & odSelected) ? clHighlight : color_);
    c->FillRect(rect);
    if (index < 0 || index >= GetCount()) return;
    c->GetFont()->Assign(GetFont());
    c->GetFont()->SetColor((state & odSelected) ? clHighlightText : clWindowText);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(rect.Left + 2, rect.Top, items_->Get(index));
}

void TCustomListBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HiWord(m.WParam) == LBN_SELCHANGE) Click();
        if (HiWord(m.WParam) == LBN_DBLCLK) DblClick();
        return;
    case CN_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        if (!item) return;
        TOwnerDrawState state = 0;
        if (item->itemState & ODS_SELECTED) state |= odSelected;
        if (item->itemState & ODS_DISABLED) state |= odDisabled;
        if (item->itemState & ODS_FOCUS) state |= odFocused;
        canvas_->PaintOn(item->hDC, [&] { DrawItem(item->itemID, item->rcItem, state); });
        m.Result = 1;
        return;
    }
    case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (item && OnMeasureItem) OnMeasureItem(this, item->itemID, item->itemHeight);
        m.Result = 1;
        return;
    }
    default:
        if (IsSystemClassMouseMessage(m.Msg) && HandleAllocated()) {
            TWeakLink<TCustomListBox> self(this);
            DefaultHandler(m);
            if (!self) return;
        }
        TWinControl::Dispatch(m);
    }
}

int TCustomListBox::FindItemByPrefix(const std::string& prefix) const {
    if (IsVirtual()) return OnDataFind ? OnDataFind(const_cast<TCustomListBox*>(this), prefix) : -1;
    if (!handle_) return -1;
    return static_cast<int>(SendMessage(handle_, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&prefix)));
}

void TCustomListBox::DefaultHandler(TMessage& m) {
    if (m.Msg != WM_CHAR || !HandleAllocated() || m.WParam < 0x20) {
        TWinControl::DefaultHandler(m);
        return;
    }
    // The window's own type-ahead stays out of it.
    if (!AutoComplete) return;
    const auto key = static_cast<char32_t>(m.WParam);
    const std::uint64_t now = GetMessageTime();
    if (now - lastTyped_ > static_cast<std::uint64_t>(std::max(AutoCompleteDelay, 0))) typed_.clear();
    lastTyped_ = now;
    if (key < 0x80) {
        typed_ += static_cast<char>(key);
    } else {
        std::u16string unit;
        if (key > 0xFFFF) {
            unit += static_cast<char16_t>(0xD800 + ((key - 0x10000) >> 10));
            unit += static_cast<char16_t>(0xDC00 + ((key - 0x10000) & 0x3FF));
        } else {
            unit += static_cast<char16_t>(key);
        }
        typed_ += Utf16ToUtf8(unit);
    }
    const int found = FindItemByPrefix(typed_);
    if (found >= 0 && found != GetItemIndex()) {
        SetItemIndex(found);
        Click();
    }
}

// ---- TFileListBox ----

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner) {
    directory_ = GetCurrentDir();
}

void TFileListBox::SetDirectory(const std::string& folder) {
    std::error_code error;
    const std::string full = std::filesystem::absolute(folder, error).lexically_normal().string();
    directory_ = error ? folder : full;
    if (!directory_.empty() && directory_.size() > 1 && directory_.back() == '/') directory_.pop_back();
    SetCurrentDir(directory_);
    Update();
}

void TFileListBox::SetMask(const std::string& mask) {
    mask_ = mask.empty() ? "*.*" : mask;
    Update();
}

void TFileListBox::Update() {
    items_->BeginUpdate();
    items_->Clear();
    for (const std::string& name : ListFolder(directory_, mask_, TListKind::Files))
        items_->Add(name);
    items_->EndUpdate();
    TCustomListBox::Update();
}

std::string TFileListBox::GetFileName() const {
    const int index = GetItemIndex();
    if (index < 0 || index >= GetCount()) return {};
    return (std::filesystem::path(directory_) / items_->Get(index)).string();
}

} // namespace zorvy
