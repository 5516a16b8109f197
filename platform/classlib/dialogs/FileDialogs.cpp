// The open and save dialogs: the dialog components and the drawn form that runs them.
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/dialogs/DialogForm.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/dialogs/PathList.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/FileListing.h"
#include "platform/classlib/stdctrls/Images.h"
#include "platform/classlib/stdctrls/Labels.h"

#include <filesystem>

namespace zorvy {

namespace fs = std::filesystem;

// The drawn dialog. Its controls carry names (PathEdit, Folders, FileList, NameEdit, FilterCombo,
// OkButton, Preview), so that code driving the dialog finds them with FindComponent.
class TFileDialogForm : public TForm {
  public:
    TFileDialogForm(TOpenDialog* dialog);
    TEdit* PathEdit;
    TPathList* Folders;
    TPathList* FileList;
    TEdit* NameEdit;
    TComboBox* FilterCombo;
    TButton* OkButton;
    TImage* Preview = nullptr;
    TLabel* PreviewSize = nullptr;

    void Navigate(const std::string& folder);
    void Accept();

  private:
    struct TFilter {
        std::string description, masks;
    };
    TLabel* AddLabel(const std::string& caption, int left, int top, TWinControl* focus);
    void Refresh();
    void ChooseFilter(int index);
    void FileSelected();
    void ShowPreview(const std::string& path);
    std::string CurrentMasks() const;

    TOpenDialog* dialog_;
    std::string folder_;
    std::vector<TFilter> filters_;
    int filterIndex_ = 0;
    std::string typedMask_; // a mask typed into the name edit replaces the filter's
};

// ---- The dialog form ----

namespace {

std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= filter.size() && !filter.empty()) {
        std::size_t end = filter.find('|', from);
        if (end == std::string::npos) end = filter.size();
        parts.push_back(filter.substr(from, end - from));
        from = end + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        pairs.emplace_back(parts[i], parts[i + 1]);
    // A description without masks is a filter of its own, matching what it says.
    if (parts.size() % 2 == 1 && !parts.back().empty()) pairs.emplace_back(parts.back(), parts.back());
    return pairs;
}

std::string Quoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "\"" : " \"") + n + "\"";
    return text;
}

} // namespace

TFileDialogForm::TFileDialogForm(TOpenDialog* dialog) : TForm(nullptr), dialog_(dialog) {
    const bool save = dialog->IsSaveDialog();
    const bool preview = dialog->ShowsPreview();
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetColor(clBtnFace);
    SetCaption(!dialog->Title.empty() ? dialog->Title : save ? "另存为" : "打开");
    SetClientWidth(preview ? 700 : 520);
    SetClientHeight(320);

    PathEdit = new TEdit(this);
    PathEdit->SetParent(this);
    PathEdit->SetBounds(100, 10, 320, 21);
    auto* up = new TButton(this);
    up->SetParent(this);
    up->SetCaption("上一级(&U)");
    up->SetBounds(430, 8, 80, 25);
    up->OnClick = [this](TObject*) { Navigate(fs::path(folder_).parent_path().string()); };

    Folders = new TPathList(this);
    Folders->SetParent(this);
    Folders->SetBounds(10, 60, 180, 180);
    FileList = new TPathList(this);
    FileList->SetParent(this);
    FileList->SetBounds(200, 60, 310, 180);
    FileList->MultiSelect = (dialog->Options & ofAllowMultiSelect) != 0;
    AddLabel("查找范围(&I):", 10, 13, PathEdit);
    AddLabel("文件夹(&D):", 10, 42, Folders);
    AddLabel("文件(&F):", 200, 42, FileList);

    NameEdit = new TEdit(this);
    NameEdit->SetParent(this);
    NameEdit->SetBounds(100, 254, 320, 21);
    AddLabel("文件名(&N):", 10, 257, NameEdit);
    OkButton = new TButton(this);
    OkButton->SetParent(this);
    OkButton->SetCaption(save ? "保存(&S)" : "打开(&O)");
    OkButton->SetDefault(true);
    OkButton->SetBounds(430, 252, 80, 25);
    OkButton->OnClick = [this](TObject*) { Accept(); };

    FilterCombo = new TComboBox(this);
    FilterCombo->SetParent(this);
    FilterCombo->SetStyle(csDropDownList);
    FilterCombo->SetBounds(100, 286, 320, 21);
    AddLabel("文件类型(&T):", 10, 290, FilterCombo);
    FilterCombo->OnChange = [this](TObject*) { ChooseFilter(FilterCombo->GetItemIndex()); };
    auto* cancel = new TButton(this);
    cancel->SetParent(this);
    cancel->SetCaption("取消");
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;
    cancel->SetBounds(430, 284, 80, 25);

    if (preview) {
        AddLabel("预览:", 525, 42, nullptr);
        Preview = new TImage(this);
        Preview->SetName("Preview");
        Preview->SetParent(this);
        Preview->SetBounds(525, 60, 165, 180);
        Preview->SetCenter(true);
        Preview->SetProportional(true);
        PreviewSize = new TLabel(this);
        PreviewSize->SetParent(this);
        PreviewSize->SetBounds(525, 245, 165, 17);
    }

    for (const auto& [description, masks] : ParseFilter(dialog->Filter))
        filters_.push_back({description, masks});
    if (filters_.empty()) filters_.push_back({"所有文件 (*.*)", "*.*"});
    PathEdit->SetName("PathEdit");
    Folders->SetName("Folders");
    FileList->SetName("FileList");
    NameEdit->SetName("NameEdit");
    FilterCombo->SetName("FilterCombo");
    OkButton->SetName("OkButton");
    for (const TFilter& filter : filters_)
        FilterCombo->GetItems()->Add(filter.description);
    filterIndex_ = std::clamp(dialog->FilterIndex - 1, 0, static_cast<int>(filters_.size()) - 1);
    FilterCombo->SetItemIndex(filterIndex_);

    Folders->OnDblClick = [this](TObject*) {
        const int i = Folders->GetItemIndex();
        if (i >= 0) Navigate((fs::path(folder_) / Folders->GetItems()[static_cast<std::size_t>(i)]).lexically_normal().string());
    };
    FileList->OnChange = [this](TObject*) { FileSelected(); };
    FileList->OnDblClick = [this](TObject*) {
        if (FileList->GetItemIndex() >= 0) Accept();
    };

    // Where to start: the initial folder, else the proposed name's folder, else the current one.
    std::error_code error;
    const fs::path proposed(dialog->FileName);
    std::string start = dialog->InitialDir;
    if (start.empty() || !fs::is_directory(start, error)) {
        start = proposed.has_parent_path() && fs::is_directory(proposed.parent_path(), error)
                    ? proposed.parent_path().string()
                    : fs::current_path(error).string();
    }
    NameEdit->SetText(proposed.filename().string());
    Navigate(start);
    SetActiveControl(NameEdit);
}

TLabel* TFileDialogForm::AddLabel(const std::string& caption, int left, int top, TWinControl* focus) {
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    label->SetFocusControl(focus);
    return label;
}

std::string TFileDialogForm::CurrentMasks() const {
    return typedMask_.empty() ? filters_[static_cast<std::size_t>(filterIndex_)].masks : typedMask_;
}

void TFileDialogForm::Navigate(const std::string& folder) {
    std::error_code error;
    const fs::path target = fs::absolute(folder.empty() ? fs::path("/") : fs::path(folder), error).lexically_normal();
    if (error || !fs::is_directory(target, error)) return;
    folder_ = target.string();
    if (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    Refresh();
}

void TFileDialogForm::Refresh() {
    PathEdit->SetText(folder_);
    std::vector<std::string> folders = ListFolder(folder_, {}, TListKind::Folders);
    if (fs::path(folder_).has_parent_path() && folder_ != "/") folders.insert(folders.begin(), "..");
    Folders->SetItems(std::move(folders), true);
    FileList->SetItems(ListFolder(folder_, CurrentMasks(), TListKind::Files), false);
}

void TFileDialogForm::ChooseFilter(int index) {
    if (index < 0) return;
    filterIndex_ = index;
    typedMask_.clear();
    Refresh();
}

void TFileDialogForm::FileSelected() {
    std::vector<std::string> names;
    for (int i : FileList->SelectedIndexes())
        names.push_back(FileList->GetItems()[static_cast<std::size_t>(i)]);
    if (names.empty()) return;
    NameEdit->SetText(names.size() == 1 ? names[0] : Quoted(names));
    if (Preview) ShowPreview((fs::path(folder_) / names[0]).string());
}

void TFileDialogForm::ShowPreview(const std::string& path) {
    try {
        Preview->GetPicture()->LoadFromFile(path);
        PreviewSize->SetCaption(std::to_string(Preview->GetPicture()->GetWidth()) + " x " +
                                std::to_string(Preview->GetPicture()->GetHeight()));
    } catch (const std::exception&) {
        // Not a picture this program reads: no preview.
        Preview->GetPicture()->SetGraphic(nullptr);
        PreviewSize->SetCaption({});
    }
}

void TFileDialogForm::Accept() {
    // Enter in the folder field or on the folder list opens that folder.
    TWinControl* active = GetActiveControl();
    if (active == PathEdit) {
        Navigate(PathEdit->GetText());
        return;
    }
    if (active == Folders && Folders->GetItemIndex() >= 0) {
        Navigate((fs::path(folder_) / Folders->GetItems()[static_cast<std::size_t>(Folders->GetItemIndex())]).string());
        return;
    }
    const std::string text = Trim(NameEdit->GetText());
    if (text.empty()) return;
    std::vector<std::string> names;
    if (text.front() == '"' && (dialog_->Options & ofAllowMultiSelect)) {
        // "a.txt" "b.txt": several names of the current folder.
        std::size_t from = 0;
        while ((from = text.find('"', from)) != std::string::npos) {
            const std::size_t end = text.find('"', from + 1);
            if (end == std::string::npos) break;
            names.push_back(text.substr(from + 1, end - from - 1));
            from = end + 1;
        }
    } else {
        names.push_back(text);
    }
    std::error_code error;
    if (names.size() == 1) {
        const fs::path typed = fs::path(folder_) / names[0];
        if (fs::is_directory(typed, error)) {
            Navigate(typed.string());
            NameEdit->SetText({});
            return;
        }
        if (names[0].find_first_of("*?") != std::string::npos) {
            typedMask_ = names[0];
            Refresh();
            return;
        }
    }
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        fs::path path = (fs::path(folder_) / name).lexically_normal();
        if (!path.has_extension() && !dialog_->DefaultExt.empty()) path += "." + dialog_->DefaultExt;
        const bool exists = fs::exists(path, error);
        if (!fs::is_directory(path.parent_path(), error)) {
            MessageDlg(path.parent_path().string() + "\n路径不存在。请检查路径是否正确。", mtWarning, 1u << mbOK);
            return;
        }
        if (!dialog_->IsSaveDialog() && (dialog_->Options & ofFileMustExist) && !exists) {
            MessageDlg(path.filename().string() + "\n找不到文件。请检查文件名是否正确。", mtWarning, 1u << mbOK);
            return;
        }
        if (dialog_->IsSaveDialog() && (dialog_->Options & ofOverwritePrompt) && exists &&
            MessageDlg(path.filename().string() + " 已存在。\n要替换它吗?", mtWarning, mbYesNo) != mrYes)
            return;
        paths.push_back(path.string());
    }
    dialog_->FileName = paths.front();
    dialog_->GetFiles()->Clear();
    for (const std::string& p : paths)
        dialog_->GetFiles()->Add(p);
    dialog_->FilterIndex = filterIndex_ + 1;
    SetModalResult(mrOk);
}

// ---- The components ----

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute() {
    InitializeForms();
    return RunDialogForm(new TFileDialogForm(this)) == mrOk;
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) {
    Filter = TPicture::GraphicFilter();
}

TSavePictureDialog::TSavePictureDialog(TComponent* owner) : TSaveDialog(owner) {
    Filter = TPicture::GraphicFilter();
}

} // namespace zorvy
