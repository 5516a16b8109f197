// zorvy-gallery [folder]: draws one PNG sheet per painter (painter-<name>.png) and the control, editor,
// check-box, popup, page control, text-effect and grid sheets into the folder (default "gallery"), with
// every element in every state, for people to look at.
#include "CheckSheets.h"
#include "ControlSheets.h"
#include "DateTimeSheets.h"
#include "EditorSheets.h"
#include "FilterControlSheets.h"
#include "GridSheets.h"
#include "GroupSheets.h"
#include "ListSheets.h"
#include "LookupSheets.h"
#include "PageSheets.h"
#include "PainterSheets.h"
#include "PopupSheets.h"
#include "StandardEditorSheets.h"
#include "TextEffectSheets.h"
#include "ValueEditorSheets.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    using namespace zorvy;
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        // An option would otherwise become a folder of that name.
        std::fprintf(stderr, "usage: zorvy-gallery [folder]   (writes the PNG sheets into folder, default gallery)\n");
        return argc == 2 && std::string(argv[1]) == "--help" ? 0 : 2;
    }
    const std::string folder = argc > 1 ? argv[1] : "gallery";
    try {
        std::filesystem::create_directories(folder);
        THeadlessDisplay display;
        InitializeFoundationUnits();
        for (const gallery::TPainterSheet& sheet : gallery::PainterSheets()) {
            const std::string path = folder + "/painter-" + sheet.Name + ".png";
            gallery::DrawPainterSheet(sheet.Painter,
                                      std::string(sheet.Painter->ClassName()) + " — " + sheet.Name +
                                          (sheet.Name == "WinXP" ? " (visual styles off 无主题)" : ""),
                                      path);
            std::printf("%s\n", path.c_str());
        }
        for (const std::string& path : gallery::DrawControlSheets(display, folder))
            std::printf("%s\n", path.c_str());
        std::printf("%s\n", gallery::DrawTextEditPhoto(display, folder).c_str());
        std::printf("%s\n", gallery::DrawMaskEditPhoto(display, folder).c_str());
        std::printf("%s\n", gallery::DrawValueEditorPhoto(display, folder).c_str());
        for (const std::string& path : gallery::DrawEditorSheets(folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawDateTimePhotos(display, folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawCheckBoxPhotos(display, folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawGroupPhotos(display, folder))
            std::printf("%s\n", path.c_str());
        std::printf("%s\n", gallery::DrawListPhoto(display, folder).c_str());
        std::printf("%s\n", gallery::DrawLookupPhoto(display, folder).c_str());
        for (const std::string& path : gallery::DrawStandardEditorPhotos(display, folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawPopupSheets(folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawPageSheets(display, folder))
            std::printf("%s\n", path.c_str());
        std::printf("%s\n", gallery::DrawTextEffectSheet(folder).c_str());
        for (const std::string& path : gallery::DrawGridSheets(display, folder))
            std::printf("%s\n", path.c_str());
        for (const std::string& path : gallery::DrawFilterControlSheets(display, folder))
            std::printf("%s\n", path.c_str());
        FinalizeFoundationUnits();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorvy-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
