// The open and save dialogs driven from the keyboard and the mouse over a small folder tree.
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/dialogs/PathList.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Images.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/rtl/ScratchFolder.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace zorvy::test {
namespace {

namespace fs = std::filesystem;

class FileDialogs : public ClassLibTest {
  protected:
    FileDialogs() {
        for (const char* name : {"b.Txt", "a.txt", "scheme.ini", "notes.md"})
            std::ofstream(fs::path(folder_) / name) << "x";
        fs::create_directory(fs::path(folder_) / "FangAn");
        std::ofstream(fs::path(folder_) / "FangAn" / "3月9日8时5分7秒.ini") << "x";
    }

    static TComponent* Part(const char* name) { return Screen->GetActiveForm()->FindComponent(name); }
    static TPathList* Files() { return static_cast<TPathList*>(Part("FileList")); }
    static TPathList* Folders() { return static_cast<TPathList*>(Part("Folders")); }
    // Types a name and presses Enter; the dialog handles both before this returns.
    void Type(const std::string& text) {
        static_cast<TEdit*>(Part("NameEdit"))->SetText(text);
        display.PressKey(VK_RETURN);
        Pump();
    }

    ScratchFolder scratch_{"zorvy-dialog-test"};
    const std::string folder_ = scratch_.Path();
};

TEST_F(FileDialogs, TheFilterListsMatchingFilesWhateverTheirCase) {
    TOpenDialog dialog(Application);
    dialog.Filter = "Txt files(*.Txt)|*.Txt|Ini files(*.ini)|*.ini";
    dialog.InitialDir = folder_;
    std::vector<std::string> files, folders, afterMask, inFolder, iniFiles;
    Soon([&] {
        files = Files()->GetItems();
        folders = Folders()->GetItems();
        Type("*.md"); // a typed mask filters the list
        afterMask = Files()->GetItems();
        Type("FangAn"); // a typed folder opens
        inFolder = Files()->GetItems();
        static_cast<TWinControl*>(Part("FilterCombo"))->SetFocus();
        display.PressKey(VK_DOWN); // the next filter: Ini files
        Pump();
        iniFiles = Files()->GetItems();
        display.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(files, (std::vector<std::string>{"a.txt", "b.Txt"}));
    EXPECT_EQ(folders, (std::vector<std::string>{"..", "FangAn"}));
    EXPECT_EQ(afterMask, std::vector<std::string>{"notes.md"});
    EXPECT_EQ(inFolder, std::vector<std::string>{}) << "the Txt filter shows no scheme file";
    EXPECT_EQ(iniFiles, std::vector<std::string>{"3月9日8时5分7秒.ini"});
    EXPECT_EQ(dialog.FilterIndex, 1) << "a cancelled dialog keeps its filter index";
    EXPECT_TRUE(dialog.FileName.empty()) << "a cancelled dialog names nothing";
}

TEST_F(FileDialogs, ASaveDialogAddsTheDefaultExtensionAndAsksBeforeReplacing) {
    TSaveDialog dialog(Application);
    dialog.Filter = "Txt files(*.Txt)|*.Txt";
    dialog.DefaultExt = "Txt";
    dialog.InitialDir = folder_;
    dialog.Options |= ofOverwritePrompt;
    Soon([&] { Type("result"); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, (fs::path(folder_) / "result.Txt").string());

    // a.txt exists: the question comes, No keeps the dialog open, Yes takes the name.
    Soon([&] {
        Soon([&] { display.PressKey(VK_ESCAPE); }); // No
        Type("a.txt");
        Soon([&] { display.PressKey(VK_RETURN); }); // Yes
        Type("a.txt");
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, (fs::path(folder_) / "a.txt").string());
}

TEST_F(FileDialogs, AnOpenDialogTakesSeveralFilesAndInsistsOnExistingOnes) {
    TOpenDialog dialog(Application);
    dialog.Filter = "All|*.*";
    dialog.InitialDir = folder_;
    dialog.Options |= ofAllowMultiSelect | ofFileMustExist;
    Soon([&] {
        // A missing file: the warning comes and the dialog stays.
        Soon([&] { display.PressKey(VK_RETURN); });
        Type("missing.txt");
        // Click the first file, Shift+click the third, and open them.
        TPathList* files = Files();
        const int h = files->GetItemHeight();
        TForm* form = static_cast<TForm*>(Screen->GetActiveForm());
        auto clickRow = [&](int row) {
            const TPoint p = form->ScreenToClient(files->ClientToScreen({10, row * h + h / 2}));
            display.Click(form->GetHandle(), p.X, p.Y);
        };
        clickRow(0);
        InjectKey(VK_SHIFT, true);
        clickRow(2);
        InjectKey(VK_SHIFT, false);
        display.PressKey(VK_RETURN);
        Pump();
    });
    ASSERT_TRUE(dialog.Execute());
    ASSERT_EQ(dialog.GetFiles()->GetCount(), 3);
    EXPECT_EQ(dialog.GetFiles()->Get(0), (fs::path(folder_) / "a.txt").string());
    EXPECT_EQ(dialog.GetFiles()->Get(2), (fs::path(folder_) / "notes.md").string());
    EXPECT_EQ(dialog.FileName, dialog.GetFiles()->Get(0));
}

TEST_F(FileDialogs, ThePictureDialogPreviewsThePictureChosen) {
    HBITMAP bitmap = CreateBitmap(54, 48, 1, 32);
    SavePngFile(bitmap, (fs::path(folder_) / "logo.png").string());
    DeleteObject(bitmap);
    TOpenPictureDialog dialog(Application);
    dialog.InitialDir = folder_;
    int width = 0, height = 0;
    std::vector<std::string> files;
    Soon([&] {
        files = Files()->GetItems();
        Files()->SetItemIndex(0);
        Files()->OnChange(Files());
        auto* preview = static_cast<TImage*>(Part("Preview"));
        width = preview->GetPicture()->GetWidth();
        height = preview->GetPicture()->GetHeight();
        display.PressKey(VK_RETURN);
        Pump();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(files, std::vector<std::string>{"logo.png"}) << "the picture kinds are the filter";
    EXPECT_EQ(width, 54);
    EXPECT_EQ(height, 48);
    EXPECT_EQ(dialog.FileName, (fs::path(folder_) / "logo.png").string());
}

} // namespace
} // namespace zorvy::test
