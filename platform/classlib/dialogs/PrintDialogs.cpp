#include "platform/classlib/dialogs/PrintDialogs.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/dialogs/DialogForm.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"

#include <charconv>

namespace zorvy {
namespace {

// A whole number in [least, most], or -1.
int ParseCount(const std::string& text, int least, int most) {
    const std::string t = Trim(text);
    int value = -1;
    auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc() || end != t.data() + t.size() || value < least || value > most) return -1;
    return value;
}

// The drawn dialog; its parts carry names (PrinterCombo, CopiesEdit, AllPages, PageNums, FromEdit,
// ToEdit, ToFileBox, OkButton) for code that drives it.
class TPrintDialogForm : public TForm {
  public:
    TPrintDialogForm(TPrintDialog* dialog, TPrinter* printer) : TForm(nullptr), dialog_(dialog), printer_(printer) {
        SetBorderStyle(bsDialog);
        Position = poScreenCenter;
        SetColor(clBtnFace);
        SetCaption("打印");
        SetClientWidth(420);
        SetClientHeight(250);
        const auto& printers = printer->GetPrinters();

        auto* box = Add<TGroupBox>("", 8, 6, 404, 78);
        box->SetCaption("打印机");
        printerCombo_ = Add<TComboBox>("PrinterCombo", 70, 24, 320, 21, box);
        printerCombo_->SetStyle(csDropDownList);
        for (const std::string& name : printers)
            printerCombo_->GetItems()->Add(name);
        AddLabel("名称(&N):", 10, 27, printerCombo_, box);
        toFile_ = Add<TCheckBox>("ToFileBox", 70, 52, 200, 17, box);
        toFile_->SetCaption("打印到文件(&L)");
        if (printers.empty()) {
            printerCombo_->GetItems()->Add("(没有安装打印机)");
            printerCombo_->SetItemIndex(0);
            printerCombo_->SetEnabled(false);
            toFile_->SetChecked(true);
            toFile_->SetEnabled(false);
        } else {
            printerCombo_->SetItemIndex(std::max(printer->GetPrinterIndex(), 0));
            toFile_->SetChecked(dialog->PrintToFile);
        }

        auto* range = Add<TGroupBox>("", 8, 90, 240, 110);
        range->SetCaption("打印范围");
        allPages_ = Add<TRadioButton>("AllPages", 12, 22, 200, 17, range);
        allPages_->SetCaption("全部(&A)");
        pageNums_ = Add<TRadioButton>("PageNums", 12, 48, 70, 17, range);
        pageNums_->SetCaption("页码(&G)");
        from_ = Add<TEdit>("FromEdit", 90, 46, 50, 21, range);
        AddLabel("到", 148, 50, nullptr, range);
        to_ = Add<TEdit>("ToEdit", 170, 46, 50, 21, range);
        if (dialog->FromPage > 0) from_->SetText(std::to_string(dialog->FromPage));
        if (dialog->ToPage > 0) to_->SetText(std::to_string(dialog->ToPage));
        (dialog->PrintRange == prPageNums ? pageNums_ : allPages_)->SetChecked(true);

        auto* copies = Add<TGroupBox>("", 256, 90, 156, 110);
        copies->SetCaption("份数");
        copies_ = Add<TEdit>("CopiesEdit", 70, 30, 60, 21, copies);
        copies_->SetText(std::to_string(std::max(dialog->Copies, 1)));
        AddLabel("份数(&C):", 12, 34, copies_, copies);

        auto* ok = Add<TButton>("OkButton", 250, 214, 75, 25);
        ok->SetCaption("确定");
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Accept(); };
        auto* cancel = Add<TButton>("", 337, 214, 75, 25);
        cancel->SetCaption("取消");
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
        SetActiveControl(ok);
    }

  private:
    template <class T> T* Add(const char* name, int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(this);
        if (*name) c->SetName(name);
        c->SetParent(parent ? parent : this);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void AddLabel(const std::string& caption, int left, int top, TWinControl* focus, TWinControl* parent) {
        auto* label = new TLabel(this);
        label->SetParent(parent ? parent : this);
        label->SetLeft(left);
        label->SetTop(top);
        label->SetCaption(caption);
        label->SetFocusControl(focus);
    }
    void Accept() {
        const int copies = ParseCount(copies_->GetText(), 1, 999);
        if (copies < 0) {
            MessageDlg("份数必须是 1 到 999 之间的整数。", mtWarning, 1u << mbOK);
            return;
        }
        int from = 0, to = 0;
        if (pageNums_->GetChecked()) {
            const int most = dialog_->MaxPage > 0 ? dialog_->MaxPage : 9999;
            const int least = dialog_->MinPage > 0 ? dialog_->MinPage : 1;
            from = ParseCount(from_->GetText(), least, most);
            to = ParseCount(to_->GetText(), least, most);
            if (from < 0 || to < 0 || to < from) {
                MessageDlg("页码范围应在 " + std::to_string(least) + " 到 " + std::to_string(most) + " 之间。",
                           mtWarning, 1u << mbOK);
                return;
            }
        }
        std::string file;
        if (toFile_->GetChecked()) {
            TSaveDialog save(nullptr);
            save.Title = "打印到文件";
            save.Filter = "PDF 文件 (*.pdf)|*.pdf";
            save.DefaultExt = "pdf";
            save.Options |= ofOverwritePrompt;
            if (!save.Execute()) return;
            file = save.FileName;
        }
        if (!printer_->GetPrinters().empty()) printer_->SetPrinterIndex(std::max(printerCombo_->GetItemIndex(), 0));
        printer_->Copies = copies;
        printer_->FileName = file;
        dialog_->Copies = copies;
        dialog_->PrintToFile = toFile_->GetChecked();
        dialog_->PrintRange = pageNums_->GetChecked() ? prPageNums : prAllPages;
        dialog_->FromPage = from;
        dialog_->ToPage = to;
        SetModalResult(mrOk);
    }

    TPrintDialog* dialog_;
    TPrinter* printer_;
    TComboBox* printerCombo_;
    TCheckBox* toFile_;
    TRadioButton* allPages_;
    TRadioButton* pageNums_;
    TEdit* from_;
    TEdit* to_;
    TEdit* copies_;
};

} // namespace

TPrintDialog::TPrintDialog(TComponent* owner) : TComponent(owner) {}

bool TPrintDialog::Execute() {
    InitializeForms();
    return RunDialogForm(new TPrintDialogForm(this, Target ? Target : Printer())) == mrOk;
}

} // namespace zorvy
