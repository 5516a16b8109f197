// Printing: pages written as a PDF file and read back with the poppler tools, the text channel's
// paging, the hand-over to a print queue by argument vector, and a real CUPS queue taking a job.
#include "platform/gdi/Text.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/classlib/printers/Spooler.h"
#include "tests/platform/rtl/SavedEnvironment.h"
#include "tests/platform/rtl/ScratchFolder.h"
#include "tests/support/CupsServer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>

namespace zorvy::test {
namespace {

namespace fs = std::filesystem;

class Printing : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return (fs::path(folder_) / name).string(); }
    static int PageCount(const std::string& pdf) {
        const TProgramResult info = RunProgram("pdfinfo", {pdf});
        const std::size_t at = info.output.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.output.c_str() + at + 6);
    }
    // The text of each page (pdftotext ends every page with a form feed).
    static std::vector<std::string> PageTexts(const std::string& pdf) {
        const std::string text = RunProgram("pdftotext", {pdf, "-"}).output;
        std::vector<std::string> pages;
        std::stringstream in(text);
        std::string page;
        while (std::getline(in, page, '\f'))
            pages.push_back(page);
        if (!pages.empty() && pages.back().find_first_not_of("\n ") == std::string::npos) pages.pop_back();
        return pages;
    }
    void WriteScript(const std::string& name, const std::string& body) {
        const std::string path = PathOf(name);
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, fs::perms::owner_all);
    }

    ScratchFolder scratch_{"zorvy-print-test"};
    const std::string folder_ = scratch_.Path();
};

// The texts are Latin, as tickets are: cairo 1.16 leaks a little when it embeds a Chinese font, which
// the leak checker of the sanitized build would report against this test.
TEST_F(Printing, TwoPagesGoToAPdfFileWithTheirTexts) {
    TPrinter printer;
    printer.FileName = PathOf("tickets.pdf");
    printer.Title = "彩票打印";
    printer.BeginDoc();
    EXPECT_TRUE(printer.GetPrinting());
    printer.GetCanvas()->TextOut(0, 0, "Page one");
    printer.NewPage();
    EXPECT_EQ(printer.GetPageNumber(), 2);
    printer.GetCanvas()->TextOut(300, 400, "02 05 10 27 29 33 +08");
    printer.GetCanvas()->Rectangle(100, 100, 600, 300); // drawing that is no text is kept as a picture
    printer.EndDoc();
    EXPECT_FALSE(printer.GetPrinting());
    ASSERT_EQ(PageCount(printer.FileName), 2);
    const auto pages = PageTexts(printer.FileName);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Page one"), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("02 05 10 27 29 33 +08"), std::string::npos) << pages[1];
    EXPECT_EQ(pages[1].find("Page one"), std::string::npos);
}

TEST_F(Printing, TheTextChannelStartsANewPageWhenOneIsFull) {
    TPrinter printer;
    printer.FileName = PathOf("lines.pdf");
    // The canvas font at 96 pixels per inch, height -11 (8 points): at 300 dpi a height of -34.
    LOGFONT font = printer.GetCanvas()->GetFont()->LogFont();
    font.lfHeight = -34;
    HDC dc = CreateScreenDC();
    HFONT handle = CreateFontIndirect(font);
    SelectObject(dc, handle);
    TSize line;
    GetTextExtentPoint32(dc, "02 05 10 27 29 33 +16", line);
    DeleteDC(dc);
    DeleteObject(handle);
    // A4 is 297 mm high; less two quarter-inch margins that is 3358 pixels at 300 dpi.
    const int perPage = 3358 / line.cy;
    ASSERT_EQ(printer.GetPageHeight(), 3358);

    TPrinterText text(&printer);
    text.Rewrite();
    for (int i = 0; i < perPage + 3; ++i)
        text.WriteLine("02 05 10 27 29 33 +16");
    text.Close();
    ASSERT_EQ(PageCount(printer.FileName), 2);
    const auto pages = PageTexts(printer.FileName);
    ASSERT_EQ(pages.size(), 2u);
    auto count = [](const std::string& s) {
        std::size_t n = 0;
        for (std::size_t at = s.find("+16"); at != std::string::npos; at = s.find("+16", at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(pages[0]), static_cast<std::size_t>(perPage));
    EXPECT_EQ(count(pages[1]), 3u);
}

TEST_F(Printing, AQueueGetsThePdfByArgumentVector) {
    WriteScript("lpstat", "case \"$1\" in -e) printf 'office\\nzorvy_pdf\\n';; -d) echo 'system default destination: zorvy_pdf';; esac\n");
    // The fake lp notes each argument on a line of its own and keeps a copy of the file it got.
    WriteScript("lp", "for a in \"$@\"; do echo \"$a\"; done > \"$(dirname \"$0\")/args.txt\"\n"
                      "for a in \"$@\"; do last=\"$a\"; done; cp \"$last\" \"$(dirname \"$0\")/copy.pdf\"\n");
    TPrinter printer;
    printer.ToolFolder = folder_;
    EXPECT_EQ(printer.GetPrinters(), (std::vector<std::string>{"zorvy_pdf", "office"})) << "the default first";
    printer.Title = "票 $(touch pwned); rm -rf x";
    printer.BeginDoc();
    printer.GetCanvas()->TextOut(0, 0, "ticket");
    printer.EndDoc();
    std::ifstream args(PathOf("args.txt"));
    std::vector<std::string> lines;
    for (std::string l; std::getline(args, l);)
        lines.push_back(l);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"-d", "zorvy_pdf", "-t", "票 $(touch pwned); rm -rf x"}));
    EXPECT_TRUE(lines[4].ends_with(".pdf"));
    EXPECT_FALSE(fs::exists(lines[4])) << "the spooled file is removed";
    EXPECT_FALSE(fs::exists("pwned"));
    EXPECT_EQ(PageCount(PathOf("copy.pdf")), 1);
}

TEST_F(Printing, NoPrinterAndARefusedJobAreClearErrors) {
    // The job is spooled in this test's folder, where no other test's job can be seen passing.
    const std::string spool = PathOf("spool");
    fs::create_directory(spool);
    SavedEnvironmentVariable savedTemp("TMPDIR");
    setenv("TMPDIR", spool.c_str(), 1);
    TPrinter printer;
    printer.ToolFolder = folder_; // no lpstat here: no print system
    EXPECT_TRUE(printer.GetPrinters().empty());
    EXPECT_THROW(printer.BeginDoc(), EInOutError);
    EXPECT_FALSE(printer.GetPrinting());
    EXPECT_THROW(printer.NewPage(), EPrinter);

    WriteScript("lpstat", "[ \"$1\" = -e ] && echo office\n");
    WriteScript("lp", "echo 'lp: The printer or class does not exist.' >&2; exit 1\n");
    printer.Refresh();
    printer.BeginDoc();
    try {
        printer.EndDoc();
        FAIL() << "the refused job raised nothing";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "lp: The printer or class does not exist.");
    }
    EXPECT_FALSE(printer.GetPrinting()) << "a refused job leaves the printer ready for the next";
    for (const auto& entry : fs::directory_iterator(spool))
        ADD_FAILURE() << "the refused job left " << entry.path();
}

// Through a CUPS scheduler of the test's own, whose one queue writes what it prints to a file.
TEST_F(Printing, ARealQueueTakesTheJob) {
    CupsServer cups;
    TPrinter printer;
    EXPECT_EQ(printer.GetPrinters(), std::vector<std::string>{CupsServer::QueueName()});
    printer.Title = "Zorvy 彩票 $(touch pwned)";
    printer.BeginDoc();
    printer.GetCanvas()->TextOut(0, 0, "Zorvy test page");
    printer.NewPage();
    printer.GetCanvas()->TextOut(300, 400, "02 05 10 27 29 33 +08");
    ASSERT_NO_THROW(printer.EndDoc());

    const CupsServer::Job job = cups.WaitForJob();
    EXPECT_EQ(job.title, "Zorvy 彩票 $(touch pwned)");
    ASSERT_EQ(PageCount(job.file), 2);
    const auto pages = PageTexts(job.file);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Zorvy test page"), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("02 05 10 27 29 33 +08"), std::string::npos) << pages[1];
}

} // namespace
} // namespace zorvy::test
