// The blob editor's settings, display texts, popup content and buttons, and registration.
#include "controls/editors/blob/BlobEdit.h"

#include "controls/editors/blob/BlobEditViewInfo.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/image/ImageViewInfo.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryBlobItem, "BlobEdit|Represents the BLOB editor");
ZORVY_RESOURCESTRING(scxSBlobMemoEmpty, "(memo)");
ZORVY_RESOURCESTRING(scxSBlobMemo, "(MEMO)");
ZORVY_RESOURCESTRING(scxSBlobPictureEmpty, "(picture)");
ZORVY_RESOURCESTRING(scxSBlobPicture, "(PICTURE)");
ZORVY_RESOURCESTRING(scxSBlobButtonOK, "&OK");
ZORVY_RESOURCESTRING(scxSBlobButtonCancel, "&Cancel");
ZORVY_RESOURCESTRING(scxSBlobButtonClose, "&Close");

// ---- settings ----

TcxCustomBlobEditProperties::TcxCustomBlobEditProperties(TPersistent* owner)
    : TcxCustomPopupEditProperties(owner), pictureGraphicClass_(TcxCustomImageProperties::GetDefaultGraphicClass()) {
    ImmediatePopup = true;
    SetPopupMinWidth(160);
    SetPopupMinHeight(140);
    SetPopupWidth(250);
    SetPopupHeight(200);
    if (GetButtons()->GetCount() > 0) GetButtons()->ButtonAt(0)->SetKind(bkEllipsis);
}

void TcxCustomBlobEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomBlobEditProperties*>(source);
    if (!other) return TcxCustomPopupEditProperties::Assign(source);
    BeginChanges();
    TcxCustomPopupEditProperties::Assign(source);
    AlwaysSaveData = other->AlwaysSaveData;
    SetBlobEditKind(other->blobEditKind_);
    SetBlobPaintStyle(other->blobPaintStyle_);
    MemoAutoReplace = other->MemoAutoReplace;
    MemoWantReturns = other->MemoWantReturns;
    MemoWantTabs = other->MemoWantTabs;
    MemoOEMConvert = other->MemoOEMConvert;
    MemoWordWrap = other->MemoWordWrap;
    MemoMaxLength = other->MemoMaxLength;
    MemoCharCase = other->MemoCharCase;
    MemoScrollBars = other->MemoScrollBars;
    PictureAutoSize = other->PictureAutoSize;
    PictureFilter = other->PictureFilter;
    pictureGraphicClass_ = other->pictureGraphicClass_;
    PictureTransparency = other->PictureTransparency;
    ShowExPopupItems = other->ShowExPopupItems;
    ShowPicturePopup = other->ShowPicturePopup;
    OnAssignPicture = other->OnAssignPicture;
    OnGetGraphicClass = other->OnGetGraphicClass;
    Changed();
    EndChanges();
}

void TcxCustomBlobEditProperties::SetBlobEditKind(TcxBlobEditKind value) {
    if (value == blobEditKind_) return;
    blobEditKind_ = value;
    if (GetButtons()->GetCount() > 0)
        GetButtons()->ButtonAt(0)->SetKind(value == bekMemo || value == bekPict ? bkDown : bkEllipsis);
    Changed();
}

void TcxCustomBlobEditProperties::SetBlobPaintStyle(TcxBlobPaintStyle value) {
    if (value == blobPaintStyle_) return;
    blobPaintStyle_ = value;
    Changed();
}

void TcxCustomBlobEditProperties::ResolveAutoKind() {
    if (blobEditKind_ != bekAuto) return;
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    if (provider && !provider->HasData()) return;
    static constexpr TcxBlobEditKind Kinds[] = {bekBlob, bekBlob, bekPict, bekMemo, bekOle};
    const int kind = provider ? provider->GetDefaultBlobKind() : 0;
    const bool locked = IsChangeLocked();
    SuppressChanged(true);
    SetBlobEditKind(kind >= 0 && kind <= 4 ? Kinds[kind] : bekBlob);
    SuppressChanged(locked);
}

const TMetaClass* TcxCustomBlobEditProperties::GetGraphicClass(TObject* item, int recordIndex, bool pasting) {
    const TMetaClass* result = pictureGraphicClass_ ? pictureGraphicClass_ : pasting ? TBitmap::StaticClass() : nullptr;
    if (OnGetGraphicClass) OnGetGraphicClass(item, recordIndex, pasting, result);
    return result;
}

void TcxCustomBlobEditProperties::SetPictureGraphicClassName(const std::string& value) {
    if (value.empty()) {
        pictureGraphicClass_ = nullptr;
    } else if (const TMetaClass* found = FindGraphicClassByName(value)) {
        pictureGraphicClass_ = found;
    } else {
        return;
    }
    Changed();
}

int TcxCustomBlobEditProperties::GetCapabilities() const {
    return GetButtons()->GetCount() > 0 ? 36 : 4;
}

int TcxCustomBlobEditProperties::GetSpecialFeatures() const {
    return TcxCustomPopupEditProperties::GetSpecialFeatures() | (blobEditKind_ == bekPict ? 1 : 0);
}

std::string FormatBlobText(const Variant& value, TcxCustomBlobEditProperties* p, bool isEditing) {
    p->ResolveAutoKind();
    const TcxBlobEditKind kind = p->GetBlobEditKind();
    if (isEditing && kind == bekMemo && value.IsString()) return VarToStr(value);
    if (p->GetBlobPaintStyle() == bpsDefault) {
        if (kind == bekMemo) return ResolveResourceString(value.IsNull() ? scxSBlobMemoEmpty : scxSBlobMemo);
        if (kind == bekPict) return ResolveResourceString(value.IsNull() ? scxSBlobPictureEmpty : scxSBlobPicture);
        return {};
    }
    if (p->GetBlobPaintStyle() == bpsText && kind == bekMemo && value.IsString())
        return CutAtFirstLineBreak(VarToStr(value), 0);
    return {};
}

void TcxCustomBlobEditProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    text.clear();
    if (value.IsNull()) return;
    ResolveAutoKind();
    switch (blobEditKind_) {
    case bekMemo: text = FormatBlobText(value, this, isEditing); break;
    case bekPict: text = ResolveResourceString(scxSBlobPicture); break;
    case bekOle: text = "OLE"; break;
    case bekBlob: text = "BLOB"; break;
    case bekAuto: break;
    }
}

bool TcxCustomBlobEditProperties::SameDisplayValue(const Variant& a, const Variant& b) {
    return blobPaintStyle_ == bpsText && blobEditKind_ == bekMemo && a.IsString() && b.IsString() &&
           VarToStr(a) == VarToStr(b);
}

bool TcxCustomBlobEditProperties::UsesDefaultFormatting(bool) const {
    IcxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
    return blobEditKind_ == bekMemo && !(provider && provider->IsBlobValue());
}

const TMetaClass* TcxCustomBlobEditProperties::GetEditControlClass() const {
    return TcxBlobEdit::StaticClass();
}

TcxCustomEdit* TcxCustomBlobEditProperties::CreateEditControl(bool inplace) const {
    return new TcxBlobEdit(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomBlobEditProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool) {
    return new TcxBlobEditViewData(this, style, isInplace);
}

TcxCustomEditViewInfoClass TcxCustomBlobEditProperties::GetViewInfoClass() const {
    return TcxBlobEditViewInfo::StaticClass();
}

void TcxCustomBlobEditProperties::DefineProperties(TFiler* filer) {
    TcxCustomPopupEditProperties::DefineProperties(filer);
    filer->DefineProperty(
        "IsPictureGraphicClassNameEmpty",
        [this](TReader& reader) {
            if (reader.ReadBoolean()) pictureGraphicClass_ = nullptr;
        },
        [](TWriter& writer) { writer.WriteBoolean(true); }, pictureGraphicClass_ == nullptr);
}

int BlobPopupKeyResult(std::uint16_t key, TShiftState shift, bool enterCloses, bool alwaysSave) {
    const bool alt = (shift & ssAlt) != 0;
    if ((key == VK_F4 && !alt) || key == VK_ESCAPE || (alt && (key == VK_UP || key == VK_DOWN)))
        return alwaysSave && key != VK_ESCAPE ? 1 : 2;
    if (key == VK_RETURN && (enterCloses || (shift & ssCtrl))) return 1;
    return 0;
}

// ---- the editor ----

TcxCustomBlobEdit::TcxCustomBlobEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomPopupEdit(owner, inplace, propertiesClass) {
    RecreateStylesAndViewInfo();
    SetTabStop(true);
}

TcxCustomBlobEdit::~TcxCustomBlobEdit() {
    FreePopupControls();
}

TcxMemo* TcxCustomBlobEdit::GetPopupMemo() const {
    return dynamic_cast<TcxMemo*>(content_);
}

TcxImage* TcxCustomBlobEdit::GetPopupImage() const {
    return dynamic_cast<TcxImage*>(content_);
}

void TcxCustomBlobEdit::FreePopupControls() {
    if (host_ && GetBlobProperties()->GetPopupControl() == host_.get()) GetBlobProperties()->SetPopupControl(nullptr);
    host_.reset();
    content_ = nullptr;
    okButton_ = cancelButton_ = nullptr;
    buttonBar_ = nullptr;
}

bool TcxCustomBlobEdit::CanDropDown() {
    GetBlobProperties()->ResolveAutoKind();
    const TcxBlobEditKind kind = GetBlobProperties()->GetBlobEditKind();
    return kind == bekMemo || kind == bekPict;
}

const TMetaClass* TcxCustomBlobEdit::GetGraphicClass(bool pasting) {
    TcxCustomBlobEditProperties* p = GetBlobProperties();
    if (IsInplace()) return p->GetGraphicClass(nullptr, -1, pasting);
    const TMetaClass* result = p->GetPictureGraphicClass() ? p->GetPictureGraphicClass()
                               : pasting                   ? TBitmap::StaticClass()
                                                           : nullptr;
    if (OnGetGraphicClass) OnGetGraphicClass(this, pasting, result);
    return result;
}

void TcxCustomBlobEdit::BeforePopup() {
    CreatePopupControls();
    TcxCustomPopupEdit::BeforePopup();
}

void TcxCustomBlobEdit::PopupShown() {
    TWeakLink<TcxCustomBlobEdit> self(this);
    TcxCustomPopupEdit::PopupShown();
    if (self && content_ && content_->CanFocus()) content_->SetFocus();
}

void TcxCustomBlobEdit::CreatePopupControls() {
    TcxCustomBlobEditProperties* p = GetBlobProperties();
    p->ResolveAutoKind();
    const TcxBlobEditKind kind = p->GetBlobEditKind();
    const bool wantMemo = kind == bekMemo, wantImage = kind == bekPict;
    if (!wantMemo && !wantImage) return FreePopupControls();
    if ((wantMemo && !GetPopupMemo()) || (wantImage && !GetPopupImage())) {
        FreePopupControls();
        host_ = std::make_unique<TPanel>(nullptr);
        host_->SetBevelOuter(bvNone);
        buttonBar_ = new TPanel(host_.get());
        buttonBar_->SetParent(host_.get());
        buttonBar_->SetBevelOuter(bvNone);
        buttonBar_->SetAlign(alBottom);
        if (wantMemo)
            content_ = new TcxMemo(host_.get());
        else
            content_ = new TcxImage(host_.get());
        content_->SetParent(host_.get());
        content_->SetAlign(alClient);
        content_->OnEditing = [this](TObject*, bool& canEdit) { canEdit = IsValueChangeAllowed(); };
        content_->GetProperties()->OnChange = [this](TObject*) {
            if (okButton_) okButton_->SetEnabled(true);
        };
        content_->OnKeyDown = [this, wantMemo](TObject*, std::uint16_t& key, TShiftState shift) {
            ContentKeyDown(key, shift, !wantMemo || !GetBlobProperties()->MemoWantReturns);
        };
    }
    const bool readOnly = !IsValueChangeAllowed();
    content_->GetProperties()->SetReadOnly(readOnly);
    if (TcxMemo* memo = GetPopupMemo()) {
        TcxMemoProperties* mp = memo->GetProperties();
        mp->SetCharCase(p->MemoCharCase);
        mp->SetMaxLength(p->MemoMaxLength);
        mp->SetOEMConvert(p->MemoOEMConvert);
        mp->SetScrollBars(p->MemoScrollBars);
        mp->SetWantReturns(p->MemoWantReturns);
        mp->SetWantTabs(p->MemoWantTabs);
        mp->SetWordWrap(p->MemoWordWrap);
        p->SetPopupAutoSize(false);
        memo->SetEditValue(GetEditValue().IsString() ? GetEditValue() : Variant(std::string()));
        if (replacingChar_ && !readOnly && p->MemoAutoReplace) {
            memo->SetText(CodePointToUtf8(replacingChar_));
            memo->GetInnerMemo()->SetCaretPos({0, static_cast<int>(memo->GetText().size())});
            memo->SetChangedSinceEnter(true);
        }
    } else if (TcxImage* image = GetPopupImage()) {
        TcxImageProperties* ip = image->GetProperties();
        ip->SetShowFocusRect(false);
        ip->SetStretch(true);
        ip->SetCustomFilter(p->PictureFilter);
        ip->SetGraphicTransparency(p->PictureTransparency);
        ip->SetGraphicClass(p->GetPictureGraphicClass());
        TcxPopupMenuItems items = 63;
        if (!p->ShowPicturePopup)
            items = 0;
        else if (!p->ShowExPopupItems)
            items &= ~(PopupMenuItemBit(pmiLoad) | PopupMenuItemBit(pmiSave));
        ip->GetPopupMenuLayout()->MenuItems = items;
        image->OnGetGraphicClass = [this](TObject*, bool pasting, const TMetaClass*& c) { c = GetGraphicClass(pasting); };
        LoadPictureFromValue(*image->GetPicture(), GetGraphicClass(false), GetEditValue());
        p->SetPopupAutoSize(p->PictureAutoSize);
    }
    content_->SetEditModified(false);
    replacingChar_ = 0;
    popupResult_ = 0;
    CreatePopupButtons(readOnly);
    p->SetPopupSysPanelStyle(true);
    p->SetPopupControl(host_.get());
}

void TcxCustomBlobEdit::CreatePopupButtons(bool readOnly) {
    TCanvas* canvas = GetParentForm(this) ? GetParentForm(this)->GetCanvas() : nullptr;
    const std::string first = ResolveResourceString(readOnly ? scxSBlobButtonClose : scxSBlobButtonCancel);
    const std::string ok = ResolveResourceString(scxSBlobButtonOK);
    const int w = canvas ? std::max(canvas->TextWidth(first + "00"), canvas->TextWidth(ok + "00")) : 60;
    const int h = canvas ? canvas->TextHeight("Wg") * 20 / 13 : 22;
    buttonBar_->SetHeight(h + h / 3);
    if (!cancelButton_) {
        cancelButton_ = new TcxButton(buttonBar_);
        cancelButton_->SetParent(buttonBar_);
        cancelButton_->OnClick = [this](TObject*) {
            popupResult_ = 2;
            CloseWithReason(crCancel);
        };
    }
    cancelButton_->SetCaption(first);
    cancelButton_->SetBounds(buttonBar_->GetWidth() - h / 6 - w, h / 6, w, h);
    cancelButton_->SetAnchors(akRight | akBottom);
    if (readOnly) {
        delete okButton_;
        okButton_ = nullptr;
        return;
    }
    if (!okButton_) {
        okButton_ = new TcxButton(buttonBar_);
        okButton_->SetParent(buttonBar_);
        okButton_->OnClick = [this](TObject*) {
            popupResult_ = 1;
            CloseWithReason(crEnter);
        };
    }
    okButton_->SetCaption(ok);
    okButton_->SetBounds(cancelButton_->GetLeft() - h / 3 - w, h / 6, w, h);
    okButton_->SetAnchors(akRight | akBottom);
    okButton_->SetEnabled(content_->GetModified());
}

TSize TcxCustomBlobEdit::CalcPopupSize() {
    TcxCustomBlobEditProperties* p = GetBlobProperties();
    if (TcxImage* image = GetPopupImage(); image && p->PictureAutoSize) {
        const int bar = buttonBar_ ? buttonBar_->GetHeight() : 0;
        return {image->GetPicture()->GetWidth() + 4, image->GetPicture()->GetHeight() + 4 + bar};
    }
    return {p->GetPopupWidth(), p->GetPopupHeight()};
}

void TcxCustomBlobEdit::ContentKeyDown(std::uint16_t& key, TShiftState shift, bool enterCloses) {
    const int result = BlobPopupKeyResult(key, shift, enterCloses, GetBlobProperties()->AlwaysSaveData);
    if (result == 0) return;
    key = 0;
    popupResult_ = result;
    CloseWithReason(result == 1 ? crEnter : crCancel);
}

Variant TcxCustomBlobEdit::GetCurrentValue() {
    if (GetDroppedDown()) {
        if (TcxMemo* memo = GetPopupMemo()) return Variant(memo->GetText());
        if (TcxImage* image = GetPopupImage()) return image->GetPictureValue();
    }
    return GetEditValue();
}

bool TcxCustomBlobEdit::ShouldSavePopupData() {
    if (!content_ || !content_->GetModified()) return false;
    // A close by the popup's own means (a click outside) is neither OK nor Cancel.
    if (popupResult_ == 0 && GetCloseUpReason() == crCancel) popupResult_ = 2;
    const bool accepted = popupResult_ == 1 || (popupResult_ != 2 && GetBlobProperties()->AlwaysSaveData);
    return accepted && RequestEditing();
}

void TcxCustomBlobEdit::SavePopupData() {
    if (!ShouldSavePopupData()) return;
    TWeakLink<TcxCustomBlobEdit> self(this);
    if (TcxMemo* memo = GetPopupMemo())
        SetValueAsUser(Variant(memo->GetText()));
    else if (TcxImage* image = GetPopupImage())
        SetValueAsUser(image->GetPictureValue());
    if (!self) return;
    SetChangedSinceEnter(true);
    if (TcxImage* image = GetPopupImage()) {
        TcxCustomBlobEditProperties* p = GetBlobProperties();
        CountValueLock(true);
        if (p->OnAssignPicture) p->OnAssignPicture(this, image->GetPicture());
        if (self) CountValueLock(false);
    }
    if (self && GetBlobProperties()->ImmediatePost && HasPendingInput() && ValidateInput(true)) PostEditValue(false);
}

void TcxCustomBlobEdit::PopupClosed() {
    TWeakLink<TcxCustomBlobEdit> self(this);
    {
        TcxEditChangeEventsHold hold(this, true);
        SavePopupData();
        if (!self) return;
        TcxCustomPopupEdit::PopupClosed();
    }
}

void TcxCustomBlobEdit::ProcessEditKeyPress(char32_t& ch) {
    // A character typed on the closed memo kind may open the popup with the text replaced by it.
    if (ch >= 32 && GetBlobProperties()->GetBlobEditKind() == bekMemo && GetBlobProperties()->MemoAutoReplace &&
        !GetDroppedDown() && IsValueChangeAllowed()) {
        replacingChar_ = ch;
        ch = 0;
        DropDown();
        return;
    }
    TcxCustomPopupEdit::ProcessEditKeyPress(ch);
}

// ---- registration ----

namespace {
int blobEditUnitCounter = 0;
}

void InitializeBlobEditUnit() {
    if (blobEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxBlobEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryBlobItem));
}

void FinalizeBlobEditUnit() {
    if (blobEditUnitCounter > 0) --blobEditUnitCounter;
}

} // namespace zorvy
