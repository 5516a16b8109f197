// stdctrls-gallery: a form with every standard control on a real display through SDL, to look at.
// --shot PATH writes a PNG of the screen once the form shows; --dialog open|save|print|message
// opens that dialog over it first (the shot then shows the dialog); with --shot the program ends
// after the picture.
#include "GalleryForm.h"
#include "ScreenShot.h"
#include "platform/display/SdlDisplay.h"
#include "platform/classlib/Timer.h"
#include "platform/classlib/dialogs/FileDialogs.h"
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/classlib/dialogs/PrintDialogs.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    using namespace zorvy;
    std::string shot, dialog;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--shot") shot = argv[i + 1];
        if (option == "--dialog") dialog = argv[i + 1];
    }
    try {
        TSdlDisplay display;
        InitializeForms();
        Application->Title = "Zorvy";
        auto* form = Application->CreateForm<TGalleryForm>();
        // One timer opens the dialog once the form shows; another takes the picture (inside the
        // dialog's modal loop when there is one) and ends the program.
        auto* shoot = new TTimer(form);
        shoot->SetEnabled(false);
        shoot->SetInterval(1500);
        shoot->SetOnTimer([&](TObject*) {
            shoot->SetEnabled(false);
            if (!SaveScreenPng(shot)) std::fprintf(stderr, "stdctrls-gallery: no X display to read\n");
            Application->Terminate();
        });
        auto* open = new TTimer(form);
        open->SetInterval(300);
        open->SetOnTimer([&](TObject*) {
            open->SetEnabled(false);
            if (!shot.empty()) shoot->SetEnabled(true);
            if (dialog == "open") {
                TOpenDialog d(nullptr);
                d.Filter = "Ini files(*.ini)|*.ini|All files(*.*)|*.*";
                d.Execute();
            } else if (dialog == "save") {
                TSaveDialog d(nullptr);
                d.Filter = "Txt files(*.Txt)|*.Txt";
                d.DefaultExt = "Txt";
                d.Execute();
            } else if (dialog == "print") {
                TPrintDialog d(nullptr);
                d.Execute();
            } else if (dialog == "message") {
                MessageDlg("你真要退出吗？", mtConfirmation, mbYesNoCancel);
            }
        });
        Application->Run();
        FinalizeForms();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stdctrls-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
