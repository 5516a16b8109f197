#pragma once
// The open and save dialogs, drawn by the program: a folder list, a file list filtered by the chosen
// filter, a name edit and the filter choice. A typed folder is opened, a typed mask filters, a name
// without an extension gets DefaultExt; an open dialog may insist that the file exists, a save dialog
// asks before replacing one. The dialogs only name files: they open nothing and run nothing.
#include "platform/rtl/StringList.h"
#include "platform/classlib/ControlTypes.h"

#include <memory>
#include <string>

namespace zorvy {

enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofAllowMultiSelect = 1u << 4,
    ofPathMustExist = 1u << 5,
    ofFileMustExist = 1u << 6,
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
    ZORVY_CLASS(TOpenDialog, TComponent)
  public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;

    // "Description|mask;mask|Description|mask": pairs of a shown text and its masks.
    std::string Filter;
    int FilterIndex = 1; // 1-based; set to the filter chosen when the dialog closes
    std::string DefaultExt; // without the dot
    std::string InitialDir;
    std::string FileName;   // in: the proposed name (and folder); out: the full path chosen
    std::string Title;      // empty: "打开" or "另存为"
    TOpenOptions Options = ofHideReadOnly;
    // With ofAllowMultiSelect, every file chosen (full paths); else the one of FileName.
    TStringList* GetFiles() { return files_.get(); }

    // Runs the dialog modally: true when a name was chosen (FileName and Files are set).
    virtual bool Execute();

  protected:
    friend class TFileDialogForm;
    virtual bool IsSaveDialog() const { return false; }
    virtual bool ShowsPreview() const { return false; }

  private:
    std::unique_ptr<TStringList> files_;
};

class TSaveDialog : public TOpenDialog {
    ZORVY_CLASS(TSaveDialog, TOpenDialog)
  public:
    using TOpenDialog::TOpenDialog;

  protected:
    bool IsSaveDialog() const override { return true; }
};

// The open dialog with the picture kinds as its filter and a preview of the picture chosen.
class TOpenPictureDialog : public TOpenDialog {
    ZORVY_CLASS(TOpenPictureDialog, TOpenDialog)
  public:
    explicit TOpenPictureDialog(TComponent* owner);

  protected:
    bool ShowsPreview() const override { return true; }
};

class TSavePictureDialog : public TSaveDialog {
    ZORVY_CLASS(TSavePictureDialog, TSaveDialog)
  public:
    explicit TSavePictureDialog(TComponent* owner);

  protected:
    bool ShowsPreview() const override { return true; }
};

} // namespace zorvy
