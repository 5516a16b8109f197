// Saving results and schemes over an existing file where the disk refuses it: a read-only folder, file
// or mount, a full disk. The old file stays as it was and the error names the cause.
#include "app/Results.h"
#include "app/Schemes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/support/FileRights.h"
#include "tests/support/PrivateMount.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

namespace zorvy {
namespace {

const std::string OldFileText = "the old file\r\n";

struct Save {
    const char* what;
    const char* fileName;
    std::function<void(const std::string& path)> write;
};

// A result list and a scheme, each larger than the old file, so that a full disk cannot take them.
const std::vector<Save>& Saves() {
    static const std::vector<Save> saves = {
        {"results", "results.Txt",
         [](const std::string& path) {
             TStringList lines;
             for (int i = 0; i < 2000; ++i)
                 lines.Add("02 05 10 27 29 33    " + std::to_string(i));
             SaveResultFile(path, lines);
         }},
        {"scheme", "mine.ini",
         [](const std::string& path) {
             TScheme scheme;
             scheme.Digits = {"gw1", "gw2"};
             scheme.Checked = {"gw1chk"};
             scheme.Texts = {{"xhtz1Edit", std::string(16000, '1')}};
             WriteSchemeFile(path, scheme);
         }},
    };
    return saves;
}

void PlaceOldFiles(const std::string& folder) {
    for (const Save& save : Saves())
        std::ofstream(folder + "/" + save.fileName, std::ios::binary) << OldFileText;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Each save over its old file in folder: "" when every one failed with the cause expected and left the
// old file and nothing else, otherwise what went wrong.
std::string SavesFailWith(const std::string& folder, const std::string& cause) {
    std::string wrong;
    for (const Save& save : Saves()) {
        const std::string path = folder + "/" + save.fileName;
        try {
            save.write(path);
            wrong += std::string(save.what) + " saved; ";
        } catch (const EFCreateError& e) {
            const std::string expected = "Cannot create file \"" + path + "\": " + cause;
            if (e.Message() != expected) wrong += std::string(save.what) + ": \"" + e.Message() + "\"; ";
        }
        if (FileText(path) != OldFileText) wrong += std::string(save.what) + ": the old file changed; ";
    }
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    if (files > Saves().size() + 1) wrong += "files left behind; ";
    return wrong;
}

TEST(SaveFault, AReadOnlyFolderOrFileKeepsTheOldFileAndSaysPermissionIsLacking) {
    for (const bool readOnlyFolder : {true, false}) {
        test::TempFolder folder;
        PlaceOldFiles(folder.Path());
        if (readOnlyFolder)
            std::filesystem::permissions(folder.Path(), std::filesystem::perms(0555));
        else
            for (const Save& save : Saves())
                std::filesystem::permissions(folder.Path() + "/" + save.fileName,
                                             std::filesystem::perms(0444));
        {
            test::OrdinaryFileRights rights;
            EXPECT_EQ(SavesFailWith(folder.Path(), "no permission to write there (Permission denied)"), "")
                << (readOnlyFolder ? "read-only folder" : "read-only files");
        }
        std::filesystem::permissions(folder.Path(), std::filesystem::perms(0755));
    }
}

// In a child process that alone sees a small file system over folder, with the old files on it:
// `spoil` makes the disk refuse writes, then every save must fail with `cause`. Exits 0 when they did.
[[noreturn]] void SaveOnASpoiledDisk(const std::string& folder, const std::function<std::string()>& spoil,
                                     const std::string& cause) {
    if (const std::string why = test::MountPrivateFileSystem(folder, "1m"); !why.empty()) {
        std::cerr << "no small file system: " << why;
        std::_Exit(2);
    }
    PlaceOldFiles(folder);
    if (const std::string why = spoil(); !why.empty()) {
        std::cerr << why;
        std::_Exit(2);
    }
    const std::string wrong = SavesFailWith(folder, cause);
    std::cerr << wrong;
    std::_Exit(wrong.empty() ? 0 : 1);
}

TEST(SaveFault, AFullDiskKeepsTheOldFileAndSaysTheDiskIsFull) {
    test::TempFolder disk("zorvy-disk");
    const auto fill = [&] {
        std::ofstream filler(disk.Path() + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
        return std::string();
    };
    EXPECT_EXIT(SaveOnASpoiledDisk(disk.Path(), fill, "the disk is full (No space left on device)"),
                ::testing::ExitedWithCode(0), "");
}

TEST(SaveFault, AReadOnlyMountKeepsTheOldFileAndSaysTheDiskIsReadOnly) {
    test::TempFolder disk("zorvy-disk");
    EXPECT_EXIT(SaveOnASpoiledDisk(
                    disk.Path(), [&] { return test::RemountReadOnly(disk.Path()); },
                    "the disk is read-only (Read-only file system)"),
                ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace zorvy
