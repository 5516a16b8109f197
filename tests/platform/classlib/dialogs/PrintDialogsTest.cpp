// The print dialog handing its choices to a printer whose print queues a stand-in lpstat lists.
#include "platform/classlib/dialogs/PrintDialogs.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
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

class PrintDialogs : public ClassLibTest {
  protected:
    PrintDialogs() { printer_.ToolFolder = folder_; }
    void DefineQueues(const std::string& names) {
        const std::string path = (fs::path(folder_) / "lpstat").string();
        std::ofstream(path) << "#!/bin/sh\n[ \"$1\" = -e ] && printf '" << names << "'\n";
        fs::permissions(path, fs::perms::owner_all);
        printer_.Refresh();
    }
    template <class T> static T* Part(const char* name) {
        return static_cast<T*>(Screen->GetActiveForm()->FindComponent(name));
    }

    ScratchFolder scratch_{"zorvy-printdlg-test"};
    const std::string folder_ = scratch_.Path();
    TPrinter printer_;
};

TEST_F(PrintDialogs, TheChosenQueueAndCopiesGoToThePrinter) {
    DefineQueues("office\\nzorvy_pdf\\n");
    TPrintDialog dialog(Application);
    dialog.Target = &printer_;
    Soon([&] {
        // The queue list: opened with F4, Down takes the second queue, Enter closes it.
        Part<TComboBox>("PrinterCombo")->SetFocus();
        display.PressKey(VK_F4);
        display.PressKey(VK_DOWN);
        display.PressKey(VK_RETURN);
        Pump();
        Part<TEdit>("CopiesEdit")->SetText("x");
        Soon([&] { display.PressKey(VK_RETURN); }); // the complaint about the copies
        display.PressKey(VK_RETURN);
        Pump();
        Part<TEdit>("CopiesEdit")->SetText("3");
        display.PressKey(VK_RETURN);
        Pump();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(printer_.GetPrinterIndex(), 1);
    EXPECT_EQ(printer_.GetPrinterName(), "zorvy_pdf");
    EXPECT_EQ(printer_.Copies, 3);
    EXPECT_TRUE(printer_.FileName.empty());
}

TEST_F(PrintDialogs, WithoutAQueueOnlyAFileCanBeChosen) {
    TPrintDialog dialog(Application);
    dialog.Target = &printer_; // no lpstat in the tool folder: no print queue
    bool boxEnabled = true, boxChecked = false;
    Soon([&] {
        boxEnabled = Part<TCheckBox>("ToFileBox")->GetEnabled();
        boxChecked = Part<TCheckBox>("ToFileBox")->GetChecked();
        // OK asks for the file; the save dialog's name is typed and taken.
        Soon([&] {
            static_cast<TEdit*>(Screen->GetActiveForm()->FindComponent("NameEdit"))
                ->SetText((fs::path(folder_) / "tickets").string());
            display.PressKey(VK_RETURN);
        });
        display.PressKey(VK_RETURN);
        Pump();
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_FALSE(boxEnabled);
    EXPECT_TRUE(boxChecked);
    EXPECT_EQ(printer_.FileName, (fs::path(folder_) / "tickets.pdf").string());
    EXPECT_TRUE(dialog.PrintToFile);
}

} // namespace
} // namespace zorvy::test
