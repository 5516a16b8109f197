#pragma once
// The Filter builder: a filter control linked to a view, with Open, Save As, Apply, OK and Cancel;
// its files are criteria streams ("*.flt"). The dialog remembers where it was for the next one.
#include "platform/classlib/Forms.h"

#include <string>

namespace zorvy {

class TOpenDialog;
class TPanel;
class TSaveDialog;
class TcxButton;
class TcxCustomFilterControl;
class TcxLookAndFeel;

class TfmFilterControlDialog : public TForm {
    ZORVY_CLASS(TfmFilterControlDialog, TForm)
  public:
    explicit TfmFilterControlDialog(TComponent* owner);

    // Hosts the control (which stays the caller's) and sets texts, dialogs and placement.
    void Initialize(TcxCustomFilterControl* filterControl, const std::string& initialDir);
    void SetLookAndFeel(TcxLookAndFeel* lookAndFeel);
    // Shows the file name in the caption and proposes it for saving.
    void SetFileName(const std::string& name);
    TcxCustomFilterControl* GetFilterControl() const { return filterControl_; }

    TPanel* pnlBottom;
    TcxButton* btOpen;
    TcxButton* btSave;
    TPanel* pnlBottomRight;
    TcxButton* btOk;
    TcxButton* btCancel;
    TcxButton* btApply;
    TOpenDialog* OpenDialog;
    TSaveDialog* SaveDialog;

    // Handlers. Apply and OK report a filter that cannot be applied and keep the dialog open.
    void acOpenExecute(TObject* sender);
    void acSaveExecute(TObject* sender);
    void acApplyExecute(TObject* sender);
    void acOkExecute(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void FormKeyPress(TObject* sender, char32_t& key);

  private:
    bool TryApply();
    TcxCustomFilterControl* filterControl_ = nullptr;
    bool hadPopup_ = false;
};

// Shows a Filter builder with a filter control of the given class on the link component; True when
// it closed with OK. The apply handler becomes the control's OnApplyFilter.
bool ExecuteFilterControlDialog(const TMetaClass* filterControlClass, TComponent* linkComponent,
                                TcxLookAndFeel* lookAndFeel, TFont* font, const std::string& initialDir,
                                TColor color, TNotifyEvent showHandler, TNotifyEvent applyHandler);
bool ShowFilterControlDialog(TComponent* linkComponent, TcxLookAndFeel* lookAndFeel, TFont* font,
                             const std::string& initialDir = {}, TColor color = clDefault,
                             TNotifyEvent showHandler = nullptr, TNotifyEvent applyHandler = nullptr);

// Where the last Filter builder was (-1 until one closed).
struct TFilterControlDialogPlacement {
    int Left = -1, Top = -1, Width = -1, Height = -1;
};
TFilterControlDialogPlacement& FilterControlDialogPlacement();

} // namespace zorvy
