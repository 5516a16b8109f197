// The image editor: its settings, the picture as the value, clipboard, keys, context menu, dialogs
// and registration.
#include "controls/editors/image/ImageEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/image/ImageViewInfo.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryImageItem, "Image|Represents an image editor");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionCut, "Cu&t");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionCopy, "&Copy");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionPaste, "&Paste");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionDelete, "&Delete");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionLoad, "&Load...");
ZORVY_RESOURCESTRING(scxSMenuItemCaptionSave, "Save &As...");

// ---- menu layout ----

void TcxPopupMenuLayout::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxPopupMenuLayout*>(source);
    if (!other) return TPersistent::Assign(source);
    MenuItems = other->MenuItems;
    CustomMenuItemCaption = other->CustomMenuItemCaption;
    SetCustomMenuItemGlyph(other->glyph_ ? other->glyph_.get() : nullptr);
}

TBitmap* TcxPopupMenuLayout::GetCustomMenuItemGlyph() {
    if (!glyph_) glyph_ = std::make_unique<TBitmap>();
    return glyph_.get();
}

void TcxPopupMenuLayout::SetCustomMenuItemGlyph(TBitmap* value) {
    if (!value) return glyph_.reset();
    GetCustomMenuItemGlyph()->Assign(value);
}

// ---- settings ----

TcxCustomImageProperties::TcxCustomImageProperties(TPersistent* owner)
    : TcxCustomEditProperties(owner), graphicClass_(GetDefaultGraphicClass()),
      popupMenuLayout_(std::make_unique<TcxPopupMenuLayout>()) {}

const TMetaClass* TcxCustomImageProperties::GetDefaultGraphicClass() {
    const auto& classes = GetRegisteredGraphicClasses();
    return classes.empty() ? nullptr : classes.front();
}

void TcxCustomImageProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomImageProperties*>(source);
    if (!other) return TcxCustomEditProperties::Assign(source);
    BeginChanges();
    TcxCustomEditProperties::Assign(source);
    SetCaption(other->caption_);
    SetCenter(other->center_);
    SetCustomFilter(other->customFilter_);
    SetGraphicClass(other->graphicClass_);
    SetGraphicTransparency(other->graphicTransparency_);
    popupMenuLayout_->Assign(other->popupMenuLayout_.get());
    SetShowFocusRect(other->showFocusRect_);
    SetStretch(other->stretch_);
    OnAssignPicture = other->OnAssignPicture;
    OnCustomClick = other->OnCustomClick;
    OnGetGraphicClass = other->OnGetGraphicClass;
    EndChanges();
}

void TcxCustomImageProperties::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    Changed();
}

void TcxCustomImageProperties::SetCenter(bool value) {
    if (value == center_) return;
    center_ = value;
    Changed();
}

void TcxCustomImageProperties::SetCustomFilter(const std::string& value) {
    if (value == customFilter_) return;
    customFilter_ = value;
    Changed();
}

void TcxCustomImageProperties::SetGraphicClassName(const std::string& value) {
    if (value.empty()) return SetGraphicClass(nullptr);
    if (const TMetaClass* found = FindGraphicClassByName(value)) SetGraphicClass(found);
}

void TcxCustomImageProperties::SetGraphicClass(const TMetaClass* value) {
    if (value == graphicClass_) return;
    graphicClass_ = value;
    Changed();
}

void TcxCustomImageProperties::SetGraphicTransparency(TcxImageTransparency value) {
    if (value == graphicTransparency_) return;
    graphicTransparency_ = value;
    Changed();
}

void TcxCustomImageProperties::SetShowFocusRect(bool value) {
    if (value == showFocusRect_) return;
    showFocusRect_ = value;
    Changed();
}

void TcxCustomImageProperties::SetStretch(bool value) {
    if (value == stretch_) return;
    stretch_ = value;
    Changed();
}

const TMetaClass* TcxCustomImageProperties::GetGraphicClass(TObject* item, int recordIndex, bool pasting) {
    const TMetaClass* result = graphicClass_ ? graphicClass_ : pasting ? TBitmap::StaticClass() : nullptr;
    if (OnGetGraphicClass) OnGetGraphicClass(item, recordIndex, pasting, result);
    return result;
}

void TcxCustomImageProperties::FormatDisplayText(const Variant& value, std::string& text, bool) {
    text = value.IsNull() ? std::string() : caption_;
}

void TcxCustomImageProperties::VerifyDisplayValue(Variant&, std::string&, TcxCustomEdit* edit, bool&) {
    auto* image = dynamic_cast<TcxCustomImage*>(edit);
    if (!image) return;
    TWeakLink<TcxCustomImage> self(image);
    image->CountValueLock(true);
    struct Unlock {
        TWeakLink<TcxCustomImage>& edit;
        ~Unlock() {
            if (edit) edit->CountValueLock(false);
        }
    } unlock{self};
    if (OnAssignPicture) OnAssignPicture(image, image->GetPicture());
    if (self && image->GetRepositoryItem()) {
        auto* shared = dynamic_cast<TcxCustomImageProperties*>(image->GetRepositoryItem()->GetProperties());
        if (shared && shared->OnAssignPicture) shared->OnAssignPicture(image, image->GetPicture());
    }
    if (!self) return;
    image->PushModifiedFlags();
    image->SetEditModified(false);
    image->RequestEditing();
    if (self) image->PopModifiedFlags();
}

const TMetaClass* TcxCustomImageProperties::GetEditControlClass() const {
    return TcxImage::StaticClass();
}

TcxCustomEdit* TcxCustomImageProperties::CreateEditControl(bool inplace) const {
    return new TcxImage(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomImageProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool) {
    return new TcxImageViewData(this, style, isInplace);
}

TcxCustomEditViewInfoClass TcxCustomImageProperties::GetViewInfoClass() const {
    return TcxImageViewInfo::StaticClass();
}

void TcxCustomImageProperties::DefineProperties(TFiler* filer) {
    TcxCustomEditProperties::DefineProperties(filer);
    filer->DefineProperty(
        "IsGraphicClassNameEmpty",
        [this](TReader& reader) {
            if (reader.ReadBoolean()) SetGraphicClass(nullptr);
        },
        [](TWriter& writer) { writer.WriteBoolean(true); }, graphicClass_ == nullptr);
}

// ---- the control ----

TcxCustomImage::TcxCustomImage(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), picture_(std::make_unique<TPicture>()) {
    RecreateStylesAndViewInfo();
    picture_->OnChange = [this](TObject* sender) { PictureChanged(sender); };
    SetAutoSize(false);
    SetBounds(GetLeft(), GetTop(), 140, 100);
}

TcxCustomImage::~TcxCustomImage() {
    picture_->OnChange = nullptr;
}

template <class F> void TcxCustomImage::AsUser(F f) {
    const bool was = IsUserChange();
    BeginUserChange();
    struct Restore {
        TcxCustomImage* edit;
        bool was;
        ~Restore() { was ? edit->BeginUserChange() : edit->EndUserChange(); }
    } restore{this, was};
    f();
}

Variant TcxCustomImage::GetPictureValue() {
    if (unreadable_) return unreadableValue_;
    TGraphic* graphic = picture_->GetGraphic();
    if (!graphic || graphic->Empty()) return Variant::Null();
    std::string bytes;
    SavePictureToString(*picture_, bytes);
    return Variant::FromBytes(std::move(bytes));
}

void TcxCustomImage::StoreEditValue(const Variant& value) {
    settingValue_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{settingValue_};
    unreadable_ = false;
    unreadableValue_ = Variant();
    const TcxPictureLoadResult result = LoadPictureFromValue(*picture_, GetGraphicClass(false), value);
    if (result == TcxPictureLoadResult::Unreadable) {
        // The stored bytes stay the value: an editor that cannot show them must not replace them.
        unreadable_ = true;
        unreadableValue_ = value;
    }
    TcxCustomEdit::StoreEditValue(unreadable_ ? value : GetPictureValue());
    SetEditModified(false);
    Invalidate();
}

void TcxCustomImage::PictureChanged(TObject*) {
    TWeakLink<TcxCustomImage> self(this);
    {
        TcxEditChangeEventsHold hold(this, true);
        TcxCustomImageProperties* p = GetImageProperties();
        TGraphic* graphic = picture_->GetGraphic();
        if (p->GetGraphicTransparency() != gtDefault && graphic && !graphic->Empty()) {
            const TNotifyEvent handler = graphic->OnChange;
            graphic->OnChange = nullptr;
            graphic->SetTransparent(p->GetGraphicTransparency() == gtTransparent);
            graphic->OnChange = handler;
        }
        if (!settingValue_) {
            // A picture the user gives replaces an unreadable stored one.
            unreadable_ = false;
            unreadableValue_ = Variant();
            if (IsUserChange()) SetChangedSinceEnter(true);
            TcxCustomEdit::StoreEditValue(GetPictureValue());
            if (!self) return;
            NotifyChanged();
        }
        if (!self) return;
        if (p->ImmediatePost && HasPendingInput() && ValidateInput(true)) PostEditValue(false);
    }
    if (!self) return;
    PlaceInnerControl();
    Invalidate();
}

bool TcxCustomImage::AutoSizeInEffect() const {
    TGraphic* graphic = picture_->GetGraphic();
    return TcxCustomEdit::AutoSizeInEffect() && graphic && !graphic->Empty();
}

void TcxCustomImage::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (HasState(csLoading)) return;
    TcxCustomEdit::ApplyPropertiesChange(properties);
    Invalidate();
}

void TcxCustomImage::ClearValue() {
    if (RequestEditing()) picture_->SetGraphic(nullptr);
}

void TcxCustomImage::CopyToClipboard() {
    TGraphic* graphic = picture_->GetGraphic();
    if (!graphic || graphic->Empty()) return;
    if (auto* png = dynamic_cast<TdxPNGImage*>(graphic)) {
        SetClipboardImage(png->GetAsBitmap()->GetHandle());
        return;
    }
    TBitmap bitmap;
    bitmap.Assign(graphic);
    SetClipboardImage(bitmap.GetHandle());
}

void TcxCustomImage::CutToClipboard() {
    CopyToClipboard();
    ClearValue();
}

bool TcxCustomImage::CanPasteFromClipboard() {
    if (GetImageProperties()->GetGraphicClassRef() == TIcon::StaticClass()) return false;
    HBITMAP image = GetClipboardImage();
    if (!image) return false;
    DeleteObject(image);
    return true;
}

void TcxCustomImage::PasteFromClipboard() {
    if (!CanPasteFromClipboard() || !RequestEditing()) return;
    HBITMAP image = GetClipboardImage();
    if (!image) return;
    TBitmap bitmap;
    bitmap.SetHandle(image);
    const TMetaClass* kind = GetGraphicClass(true);
    std::unique_ptr<TGraphic> graphic(CreateInstance<TGraphic>(kind ? kind : TBitmap::StaticClass()));
    if (auto* png = dynamic_cast<TdxPNGImage*>(graphic.get()))
        png->Assign(&bitmap);
    else if (auto* asBitmap = dynamic_cast<TBitmap*>(graphic.get()))
        asBitmap->Assign(&bitmap);
    else
        return picture_->SetGraphic(&bitmap);
    picture_->SetGraphic(graphic.get());
}

void TcxCustomImage::CustomClick() {
    TWeakLink<TcxCustomImage> self(this);
    auto* own = static_cast<TcxCustomImageProperties*>(GetProperties());
    if (own->OnCustomClick) own->OnCustomClick(this);
    if (!self || !GetRepositoryItem()) return;
    auto* shared = dynamic_cast<TcxCustomImageProperties*>(GetRepositoryItem()->GetProperties());
    if (shared && shared->OnCustomClick) shared->OnCustomClick(this);
}

const TMetaClass* TcxCustomImage::GetGraphicClass(bool pasting) {
    TcxCustomImageProperties* p = GetImageProperties();
    if (IsInplace()) return p->GetGraphicClass(nullptr, -1, pasting);
    const TMetaClass* result = p->GetGraphicClassRef() ? p->GetGraphicClassRef()
                               : pasting              ? TBitmap::StaticClass()
                                                      : nullptr;
    if (OnGetGraphicClass) OnGetGraphicClass(this, pasting, result);
    return result;
}

void TcxCustomImage::LoadPicture() {
    if (!IsValueChangeAllowed()) return;
    TcxCustomImageProperties* p = GetImageProperties();
    TOpenPictureDialog dialog(nullptr);
    dialog.Filter = p->GetCustomFilter().empty() ? TPicture::GraphicFilter() : p->GetCustomFilter();
    dialogOpen_ = true;
    bool chosen = false;
    try {
        chosen = dialog.Execute();
    } catch (...) {
        dialogOpen_ = false;
        throw;
    }
    dialogOpen_ = false;
    if (chosen && RequestEditing()) {
        const std::vector<std::uint8_t> bytes = ReadImageFileBytes(dialog.FileName);
        const TMetaClass* kind = GetGraphicClass(false);
        std::unique_ptr<TGraphic> graphic(CreateInstance<TGraphic>(kind ? kind : TdxPNGImage::StaticClass()));
        LoadGraphicFromBytes(*graphic, bytes);
        picture_->SetGraphic(graphic.get());
        FireClosePopup(4);
        return;
    }
    FireClosePopup(3);
}

void TcxCustomImage::SavePicture() {
    TGraphic* graphic = picture_->GetGraphic();
    if (!graphic || graphic->Empty()) return;
    TSavePictureDialog dialog(nullptr);
    const std::string custom = GetImageProperties()->GetCustomFilter();
    dialog.Filter = custom.empty() ? TPicture::GraphicFilter() : custom;
    dialog.DefaultExt = dynamic_cast<TdxPNGImage*>(graphic)   ? "png"
                        : dynamic_cast<TJPEGImage*>(graphic) ? "jpg"
                        : dynamic_cast<TIcon*>(graphic)      ? "ico"
                                                             : "bmp";
    if (!dialog.Execute()) return;
    // An encoder that fails is reported here, where the picture is saved.
    WriteImageFileBytes(dialog.FileName, SaveGraphicToBytes(*graphic));
}

void TcxCustomImage::RunMenuCommand(TcxPopupMenuItem command) {
    AsUser([&] {
        switch (command) {
        case pmiCut: CutToClipboard(); break;
        case pmiCopy: CopyToClipboard(); break;
        case pmiPaste: PasteFromClipboard(); break;
        case pmiDelete: ClearValue(); break;
        case pmiLoad: LoadPicture(); break;
        case pmiSave: SavePicture(); break;
        case pmiCustom: CustomClick(); break;
        }
    });
}

void TcxCustomImage::MenuItemClick(TObject* sender) {
    if (auto* item = dynamic_cast<TMenuItem*>(sender)) RunMenuCommand(TcxPopupMenuItem(item->GetTag()));
}

TPopupMenu* TcxCustomImage::UpdatePopupMenu() {
    if (!menu_) {
        menu_ = std::make_unique<TPopupMenu>(nullptr);
        const int tags[] = {pmiCut, pmiCopy, pmiPaste, pmiDelete, -1, pmiLoad, pmiSave, -1, pmiCustom};
        for (int tag : tags) {
            auto* item = new TMenuItem(menu_.get());
            item->SetTag(tag);
            if (tag < 0) item->Caption = "-";
            item->ImageIndex = tag < 0 || tag == pmiCustom ? -1 : tag;
            item->OnClick = [this](TObject* sender) { MenuItemClick(sender); };
            menu_->GetItems()->Add(item);
        }
    }
    TcxCustomImageProperties* p = GetImageProperties();
    const TcxPopupMenuItems shown = p->GetPopupMenuLayout()->MenuItems;
    auto has = [&](TcxPopupMenuItem c) { return (shown & PopupMenuItemBit(c)) != 0; };
    const TResourceString* const captions[] = {&scxSMenuItemCaptionCut,    &scxSMenuItemCaptionCopy, &scxSMenuItemCaptionPaste,
                                    &scxSMenuItemCaptionDelete, &scxSMenuItemCaptionLoad, &scxSMenuItemCaptionSave};
    TGraphic* graphic = picture_->GetGraphic();
    const bool mayChange = IsValueChangeAllowed();
    const bool empty = !graphic || graphic->Empty();
    const bool icon = p->GetGraphicClassRef() == TIcon::StaticClass();
    TMenuItem* items = menu_->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) {
        TMenuItem* item = items->GetItem(i);
        const int tag = static_cast<int>(item->GetTag());
        if (tag < 0) {
            item->Visible = i == 4 ? has(pmiLoad) || has(pmiSave) : has(pmiCustom);
            continue;
        }
        const auto command = TcxPopupMenuItem(tag);
        item->Visible = has(command);
        if (command == pmiCustom)
            item->Caption = p->GetPopupMenuLayout()->CustomMenuItemCaption;
        else
            item->Caption = ResolveResourceString(*captions[command]);
        switch (command) {
        case pmiCut: item->Enabled = mayChange && !empty && !icon; break;
        case pmiCopy: item->Enabled = !empty && !icon; break;
        case pmiPaste: item->Enabled = mayChange && CanPasteFromClipboard(); break;
        case pmiDelete: item->Enabled = mayChange && !empty; break;
        case pmiLoad: item->Enabled = mayChange; break;
        case pmiSave: item->Enabled = !empty; break;
        case pmiCustom: item->Enabled = true; break;
        }
    }
    return menu_.get();
}

void TcxCustomImage::DoContextPopup(TPoint mousePos, bool& handled) {
    if (GetPopupMenu() || GetImageProperties()->GetPopupMenuLayout()->MenuItems == 0)
        return TcxCustomEdit::DoContextPopup(mousePos, handled);
    handled = true;
    if (mousePos.X == -1 && mousePos.Y == -1) mousePos = {10, 10};
    TPopupMenu* menu = UpdatePopupMenu();
    const TPoint screen = ClientToScreen(mousePos);
    menu->Popup(screen.X, screen.Y);
}

void TcxCustomImage::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomImage> self(this);
    TcxCustomEdit::KeyDown(key, shift);
    if (!self || key == 0) return;
    const TShiftState mods = shift & (ssShift | ssCtrl | ssAlt);
    AsUser([&] {
        if (key == VK_INSERT && mods == ssShift)
            PasteFromClipboard();
        else if (key == VK_INSERT && mods == ssCtrl)
            CopyToClipboard();
        else if (key == VK_DELETE && mods == ssShift)
            CutToClipboard();
    });
}

void TcxCustomImage::KeyPress(char32_t& key) {
    TWeakLink<TcxCustomImage> self(this);
    TcxCustomEdit::KeyPress(key);
    if (!self) return;
    AsUser([&] {
        if (key == 3)
            CopyToClipboard();
        else if (key == 22)
            PasteFromClipboard();
        else if (key == 24)
            CutToClipboard();
    });
}

// ---- registration ----

namespace {
int imageUnitCounter = 0;
}

void InitializeImageUnit() {
    if (imageUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxImageProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryImageItem));
}

void FinalizeImageUnit() {
    if (imageUnitCounter > 0) --imageUnitCounter;
}

} // namespace zorvy
