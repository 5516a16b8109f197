// The Filter builder dialog: its form, the file buttons, apply and OK, Esc that first closes an
// open list of the filter control, and the placement kept for the next dialog.
#include "controls/grid/filtercontrol/FilterControlDialog.h"

#include "controls/editors/buttons/PushButton.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/win/VirtualKeys.h"

#include <memory>

namespace zorvy {

namespace {

TcxButton* AddDialogButton(TComponent* owner, TWinControl* parent, const std::string& name, int left) {
    auto* button = new TcxButton(owner);
    button->SetName(name);
    button->SetParent(parent);
    button->SetBounds(left, 8, 100, 23);
    return button;
}

TPanel* AddDialogPanel(TComponent* owner, TWinControl* parent, const std::string& name, TAlign align) {
    auto* panel = new TPanel(owner);
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetAlign(align);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    return panel;
}

} // namespace

TFilterControlDialogPlacement& FilterControlDialogPlacement() {
    static TFilterControlDialogPlacement placement;
    return placement;
}

TfmFilterControlDialog::TfmFilterControlDialog(TComponent* owner) : TForm(owner) {
    SetClientWidth(552);
    SetClientHeight(316);
    GetConstraints()->MinWidth = 560;
    GetConstraints()->MinHeight = 165;
    KeyPreview = true;
    Position = poDesigned;
    GetFont()->SetHeight(-11);
    pnlBottom = AddDialogPanel(this, this, "pnlBottom", alBottom);
    pnlBottom->SetHeight(38);
    btOpen = AddDialogButton(this, pnlBottom, "btOpen", 6);
    btOpen->SetHint("Open|Opens an existing filter");
    btOpen->OnClick = [this](TObject* sender) { acOpenExecute(sender); };
    btSave = AddDialogButton(this, pnlBottom, "btSave", 112);
    btSave->SetHint("Save As|Saves the active filter with a new name");
    btSave->OnClick = [this](TObject* sender) { acSaveExecute(sender); };
    pnlBottomRight = AddDialogPanel(this, pnlBottom, "pnlBottomRight", alRight);
    pnlBottomRight->SetWidth(318);
    btOk = AddDialogButton(this, pnlBottomRight, "btOk", 0);
    btOk->OnClick = [this](TObject* sender) { acOkExecute(sender); };
    btCancel = AddDialogButton(this, pnlBottomRight, "btCancel", 106);
    btCancel->Cancel = true;
    btCancel->ModalResult = mrCancel;
    btApply = AddDialogButton(this, pnlBottomRight, "btApply", 212);
    btApply->OnClick = [this](TObject* sender) { acApplyExecute(sender); };
    OpenDialog = new TOpenDialog(this);
    SaveDialog = new TSaveDialog(this);
    SaveDialog->Options = ofOverwritePrompt | ofHideReadOnly;
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    OnKeyDown = [this](TObject* sender, std::uint16_t& key, TShiftState shift) { FormKeyDown(sender, key, shift); };
    OnKeyPress = [this](TObject* sender, char32_t& key) { FormKeyPress(sender, key); };
}

void TfmFilterControlDialog::SetLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    for (TcxButton* button : {btOpen, btSave, btOk, btCancel, btApply}) button->GetLookAndFeel()->SetMaster(lookAndFeel);
    if (filterControl_) filterControl_->GetLookAndFeel()->SetMaster(lookAndFeel);
}

void TfmFilterControlDialog::SetFileName(const std::string& name) {
    SaveDialog->FileName = name;
    SetCaption(ResolveResourceString(cxSFilterControlDialogCaption) + " - [" + name + "]");
}

void TfmFilterControlDialog::Initialize(TcxCustomFilterControl* filterControl, const std::string& initialDir) {
    filterControl_ = filterControl;
    SetFileName(ResolveResourceString(cxSFilterControlDialogNewFile));
    for (TOpenDialog* dialog : {OpenDialog, static_cast<TOpenDialog*>(SaveDialog)}) {
        dialog->InitialDir = initialDir;
        dialog->DefaultExt = ResolveResourceString(cxSFilterControlDialogFileExt);
        dialog->Filter = ResolveResourceString(cxSFilterControlDialogFileFilter);
    }
    OpenDialog->Title = ResolveResourceString(cxSFilterControlDialogOpenDialogCaption);
    SaveDialog->Title = ResolveResourceString(cxSFilterControlDialogSaveDialogCaption);
    btSave->SetCaption(ResolveResourceString(cxSFilterControlDialogActionSaveCaption));
    btOpen->SetCaption(ResolveResourceString(cxSFilterControlDialogActionOpenCaption));
    btApply->SetCaption(ResolveResourceString(cxSFilterControlDialogActionApplyCaption));
    btOk->SetCaption(ResolveResourceString(cxSFilterControlDialogActionOkCaption));
    btCancel->SetCaption(ResolveResourceString(cxSFilterControlDialogActionCancelCaption));
    if (filterControl_) {
        filterControl_->SetParent(this);
        filterControl_->SetAlign(alClient);
    }
    const TFilterControlDialogPlacement& kept = FilterControlDialogPlacement();
    if (kept.Left == -1 || kept.Top == -1) {
        Position = poScreenCenter;
    } else {
        SetLeft(kept.Left);
        SetTop(kept.Top);
    }
    if (kept.Width > 0 && kept.Height > 0) SetBounds(GetLeft(), GetTop(), kept.Width, kept.Height);
}

void TfmFilterControlDialog::acOpenExecute(TObject*) {
    OpenDialog->FileName.clear();
    if (!OpenDialog->Execute()) return;
    try {
        filterControl_->LoadFromFile(OpenDialog->FileName);
    } catch (const std::exception& e) {
        Application->ShowException(e);
        return;
    }
    SetFileName(OpenDialog->FileName);
}

void TfmFilterControlDialog::acSaveExecute(TObject*) {
    if (!SaveDialog->Execute()) return;
    try {
        filterControl_->SaveToFile(SaveDialog->FileName);
    } catch (const std::exception& e) {
        Application->ShowException(e);
        return;
    }
    SetFileName(SaveDialog->FileName);
}

bool TfmFilterControlDialog::TryApply() {
    try {
        // A pending value is checked first: a refused one raises and stays in its editor.
        filterControl_->EndValueEditing(true);
        if (!filterControl_->IsValid()) {
            MessageDlg(ResolveResourceString(cxSFilterControlDialogIncomplete), mtError, MsgDlgButtons({mbOK}));
            return false;
        }
        filterControl_->ApplyFilter();
    } catch (const std::exception& e) {
        Application->ShowException(e);
        return false;
    }
    return true;
}

void TfmFilterControlDialog::acApplyExecute(TObject*) {
    TryApply();
}

void TfmFilterControlDialog::acOkExecute(TObject*) {
    if (TryApply()) SetModalResult(mrOk);
}

void TfmFilterControlDialog::FormClose(TObject*, TCloseAction&) {
    TFilterControlDialogPlacement& kept = FilterControlDialogPlacement();
    kept = {GetLeft(), GetTop(), GetWidth(), GetHeight()};
}

void TfmFilterControlDialog::FormKeyDown(TObject*, std::uint16_t&, TShiftState) {
    TWinControl* active = GetActiveControl();
    hadPopup_ = (active && ControlHasOpenPopup(active)) ||
                (filterControl_ && filterControl_->GetDropDownKind() != fddNone &&
                 filterControl_->GetDropDownKind() != fddValueEditor);
}

void TfmFilterControlDialog::FormKeyPress(TObject*, char32_t& key) {
    if (key != 27 || hadPopup_) return;
    key = 0;
    SetModalResult(mrCancel);
}

bool ExecuteFilterControlDialog(const TMetaClass* filterControlClass, TComponent* linkComponent,
                                TcxLookAndFeel* lookAndFeel, TFont* font, const std::string& initialDir,
                                TColor color, TNotifyEvent showHandler, TNotifyEvent applyHandler) {
    std::unique_ptr<TfmFilterControlDialog> dialog(new TfmFilterControlDialog(Application));
    std::unique_ptr<TcxCustomFilterControl> control(CreateInstance<TcxCustomFilterControl>(filterControlClass, nullptr));
    dialog->Initialize(nullptr, initialDir);
    if (lookAndFeel) {
        dialog->SetLookAndFeel(lookAndFeel);
        control->GetLookAndFeel()->SetMaster(lookAndFeel);
    }
    if (font) ScaleFormToFont(dialog.get(), font);
    if (auto* link = dynamic_cast<IcxFilterControlLink*>(control.get())) link->SetLinkComponent(linkComponent);
    if (color != clDefault) control->SetColor(color);
    control->OnApplyFilter = applyHandler;
    dialog->Initialize(control.get(), initialDir);
    dialog->OnShow = showHandler;
    bool ok = false;
    try {
        ok = dialog->ShowModal() == mrOk;
    } catch (...) {
        control->SetParent(nullptr);
        throw;
    }
    control->SetParent(nullptr);
    return ok;
}

bool ShowFilterControlDialog(TComponent* linkComponent, TcxLookAndFeel* lookAndFeel, TFont* font,
                             const std::string& initialDir, TColor color, TNotifyEvent showHandler,
                             TNotifyEvent applyHandler) {
    return ExecuteFilterControlDialog(TcxFilterControl::StaticClass(), linkComponent, lookAndFeel, font, initialDir,
                                      color, showHandler, applyHandler);
}

} // namespace zorvy
