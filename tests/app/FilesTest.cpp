// Schemes, the result file, printed tickets and the prize check.
#include "app/Results.h"
#include "app/Schemes.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/classlib/printers/Printers.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/app/AppFixture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace zorvy::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TConditionCheckBox* Box(const std::string& name) { return dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent(name)); }
TConditionEdit* Edit(const std::string& name) { return dynamic_cast<TConditionEdit*>(Frmain->FindComponent(name)); }

// What a scheme restores: digits, ticks, texts and which edits are enabled.
std::string WindowState() {
    std::string state;
    for (int p = 0; p < 6; ++p)
        for (int d = 0; d < 10; ++d)
            state += Frmain->DigitButtons[p][d]->GetFlat() ? '.' : 'x';
    for (int i = 0; i < Frmain->GetComponentCount(); ++i) {
        TComponent* c = Frmain->GetComponent(i);
        if (auto* box = dynamic_cast<TConditionCheckBox*>(c); box && box->GetChecked()) state += " " + box->GetName();
        if (auto* edit = dynamic_cast<TConditionEdit*>(c)) {
            if (!edit->GetText().empty()) state += " " + edit->GetName() + "=" + edit->GetText();
            if (edit->GetEnabled()) state += " +" + edit->GetName();
        }
    }
    return state;
}

class Schemes : public AppTest {
  protected:
    std::string Path(const std::string& name) { return folder.Path() + "/" + name; }
    // Answers the next message box with Enter and keeps its text.
    void AnswerMessage() {
        Soon([this] {
            if (TCustomForm* box = Screen->GetActiveForm())
                for (int i = 0; i < box->GetComponentCount(); ++i)
                    if (auto* label = dynamic_cast<TLabel*>(box->GetComponent(i))) message += label->GetCaption();
            display.PressKey(VK_RETURN);
        });
    }
    TempFolder folder;
    std::string message;
};

TEST_F(Schemes, AFileHoldsTheChosenDigitsTicksAndTextsInComponentOrder) {
    Start();
    Frmain->Allcom->SetItemIndex(1);
    Frmain->AllcomChange(nullptr);
    Frmain->DigitClick(0, Frmain->DigitButtons[0][3]);
    Frmain->DigitClick(0, Frmain->DigitButtons[0][7]);
    Box("gw1chk")->SetChecked(true);
    Edit("gw1Edit")->SetText("j=1/");
    ASSERT_TRUE(Frmain->SaveScheme(Path("a.ini")));
    EXPECT_EQ(ReadFile(Path("a.ini")), "[selectm]\ngw3=gw3\ngw7=gw7\n[CheckBox]\ngw1chk=1\n[ButtonEdit]\ngw1Edit=j=1/\n");
}

TEST_F(Schemes, SavedAndLoadedGivesTheSameWindow) {
    Start();
    Frmain->PositionComs[2]->SetItemIndex(7);
    Frmain->PositionComChange(2);
    for (const char* stem : {"xhtz10", "Tb9", "tb16", "sww19"}) {
        Box(std::string(stem) + "chk")->SetChecked(true);
        Edit(std::string(stem) + "Edit")->SetText(std::string("xfw= 1 3 /说明") + stem);
    }
    Edit("gw5Edit")->SetText("y=1/"); // a text without its tick
    Frmain->Tj_danmachk->SetChecked(true);
    Frmain->Tj_danmaEdit->SetText("dm=3 7");
    const std::string before = WindowState();
    ASSERT_TRUE(Frmain->SaveScheme(Path("b.ini")));
    Frmain->BtclearTjClick(nullptr);
    ASSERT_NE(WindowState(), before);
    ASSERT_TRUE(Frmain->LoadScheme(Path("b.ini")));
    EXPECT_EQ(WindowState(), before);
}

TEST_F(Schemes, SavingReplacesTheOldFileAndAnEmptyWindowSavesNothing) {
    Start();
    WriteFile(Path("c.ini"), "[selectm]\nsww9=sww9\n[CheckBox]\ntb1chk=1\n[Other]\nx=1\n");
    Frmain->Allcom->SetItemIndex(1);
    Frmain->AllcomChange(nullptr);
    Box("gw2chk")->SetChecked(true);
    Edit("gw2Edit")->SetText("j=0/");
    ASSERT_TRUE(Frmain->SaveScheme(Path("c.ini")));
    EXPECT_EQ(ReadFile(Path("c.ini")), "[CheckBox]\ngw2chk=1\n[ButtonEdit]\ngw2Edit=j=0/\n");
    Frmain->BtclearTjClick(nullptr);
    AnswerMessage();
    EXPECT_FALSE(Frmain->SaveScheme(Path("d.ini")));
    EXPECT_FALSE(FileExists(Path("d.ini")));
    EXPECT_FALSE(message.empty()) << "saving nothing is said";
}

TEST_F(Schemes, AGbkFileWithCrLfLoadsAsUtf8Does) {
    Start();
    WriteFile(Path("gbk.ini"), "[selectm]\r\ngw3=gw3\r\n[CheckBox]\r\ngw1chk=1\r\n[ButtonEdit]\r\ngw1Edit=xfw= 1 3 /\xCB\xB5\xC3\xF7\r\n");
    ASSERT_TRUE(Frmain->LoadScheme(Path("gbk.ini")));
    EXPECT_EQ(Edit("gw1Edit")->GetText(), "xfw= 1 3 /说明");
    EXPECT_TRUE(Box("gw1chk")->GetChecked());
    EXPECT_TRUE(Edit("gw1Edit")->GetEnabled());
    EXPECT_EQ(Selected(0), "3");
}

TEST_F(Schemes, AKeyOfTheWrongKindIsSkippedAndABrokenFileChangesNothing) {
    Start();
    WriteFile(Path("e.ini"), "[selectm]\ngw1chk=gw1chk\ngw3=gw3\nnothing=nothing\n[CheckBox]\ngw3=1\ngw2chk=0\n"
                             "[ButtonEdit]\ngw2chk=text\ngw2Edit=j=1/\n");
    AnswerMessage();
    ASSERT_TRUE(Frmain->LoadScheme(Path("e.ini")));
    EXPECT_EQ(Selected(0), "3");
    EXPECT_FALSE(Box("gw1chk")->GetChecked());
    EXPECT_TRUE(Box("gw2chk")->GetChecked()) << "presence counts, not the value";
    EXPECT_EQ(Edit("gw2Edit")->GetText(), "j=1/");
    EXPECT_NE(message.find("[selectm] gw1chk"), std::string::npos) << message;
    EXPECT_NE(message.find("[CheckBox] gw3"), std::string::npos) << message;
    EXPECT_EQ(message.find("nothing"), std::string::npos) << "a key naming no component is ignored";

    const std::string before = WindowState();
    message.clear();
    AnswerMessage();
    EXPECT_FALSE(Frmain->LoadScheme(Path("missing.ini")));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(WindowState(), before);
}

TEST(SchemeNames, AutomaticAndTypedNames) {
    EXPECT_EQ(AutomaticSchemeName(EncodeDate(2026, 3, 9) + EncodeTime(8, 5, 7, 0)), "3月9日8时5分7秒.ini");
    EXPECT_EQ(AutomaticSchemeName(EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 59, 0)), "12月31日23时59分59秒.ini");
    EXPECT_EQ(SchemeFileName("/s/mine"), "/s/mine.ini");
    EXPECT_EQ(SchemeFileName("/s/MINE.INI"), "/s/MINE.INI");
    EXPECT_EQ(SchemeFileName("/s/a.ini.bak"), "/s/a.ini.bak");
}

TEST(ResultLines, TicketsBlueBallsAndDraws) {
    EXPECT_EQ(TicketLine("02 05 10 27 29 33    1234", "08"), "02 05 10 27 29 33 +08");
    EXPECT_EQ(TicketLine("02 05", "08"), "02 05+08") << "a short line is printed as it is";
    EXPECT_EQ(TicketLine("02 05 10 27 29 3说明", "08"), "02 05 10 27 29 3+08") << "no character is split";
    for (const char* good : {"01", "08", "16"})
        EXPECT_TRUE(IsValidBlueBall(good)) << good;
    for (const char* bad : {"", "0", "8", "00", "17", "1a", "080"})
        EXPECT_FALSE(IsValidBlueBall(bad)) << bad;
    const std::vector<int> draw{2, 5, 10, 27, 29, 33};
    EXPECT_EQ(ParseCheckedDraw("02 05 10 27 29 33"), draw);
    EXPECT_EQ(ParseCheckedDraw("02 05 10 27 29 33 "), draw);
    EXPECT_EQ(ParseCheckedDraw("02 05 10 27 29 33+08"), draw);
    for (const char* bad : {"", "05", "02 05 10", "02 05 10 27 29 34", "05 02 10 27 29 33", "02 05 10 27 29 29",
                            "02 05 10 27 29 33+17", "02 05 10 27 29 33 x", "2 5 10 27 29 33"})
        EXPECT_TRUE(ParseCheckedDraw(bad).empty()) << bad;
    EXPECT_TRUE(TicketMatches("02 05 10 27 29 33    77", draw));
    EXPECT_FALSE(TicketMatches("02 05 10 27 29 32    77", draw));
    EXPECT_FALSE(TicketMatches("02 05 10 27 29 33    77", {}));
}

TEST_F(Schemes, ResultFilesHaveOneCrLfLineAResult) {
    TStringList lines;
    lines.Add("02 05 10 27 29 33    1");
    lines.Add("01 02 03 04 05 06    2");
    SaveResultFile(Path("r.Txt"), lines);
    EXPECT_EQ(ReadFile(Path("r.Txt")), "02 05 10 27 29 33    1\r\n01 02 03 04 05 06    2\r\n");
}

TEST_F(Schemes, ThreeResultsPrintAsThreeTicketsWithTheirBlueBall) {
    TStringList lines;
    for (const char* line : {"02 05 10 27 29 33    1", "01 02 03 04 05 06    2", "11 12 13 14 15 16    3"})
        lines.Add(line);
    TPrinter printer;
    printer.FileName = Path("tickets.pdf");
    PrintTickets(printer, lines, "16");
    const std::string text = Path("tickets.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + printer.FileName + "' '" + text + "'").c_str()), 0);
    std::istringstream in(ReadFile(text));
    std::vector<std::string> printed;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f' || line.back() == '\r')) line.pop_back();
        const size_t start = line.find_first_not_of(" \f");
        if (start != std::string::npos) printed.push_back(line.substr(start));
    }
    const std::vector<std::string> expected{"02 05 10 27 29 33 +16", "01 02 03 04 05 06 +16", "11 12 13 14 15 16 +16"};
    EXPECT_EQ(printed, expected);
}

TEST_F(Schemes, AnEmptyListSaysSoForSavePrintAndCheck) {
    Start();
    for (auto operation : {&TFrmain::ToolButton5Click, &TFrmain::ToolButton8Click, &TFrmain::N14Click}) {
        message.clear();
        AnswerMessage();
        (Frmain->*operation)(nullptr);
        EXPECT_EQ(message, "没有投注结果!");
    }
}

TEST_F(Schemes, ThePrizeCheckComparesWholeDraws) {
    Start();
    Frmain->Memo1->GetLines()->Add("02 05 10 27 29 33    1");
    Frmain->Memo1->GetLines()->Add("01 02 03 04 05 06    2");
    struct Case {
        const char* typed;
        bool win;
    };
    const Case cases[] = {{"05", false}, {"02 05", false}, {"01 02 03 04 05 06", true}, {"02 05 10 27 29 33+08", true},
                          {"01 02 03 04 05 07", false}};
    for (const Case& c : cases) {
        message.clear();
        Soon([&] {
            display.TypeText(c.typed);
            display.PressKey(VK_RETURN);
            AnswerMessage();
        });
        Frmain->N14Click(nullptr);
        EXPECT_EQ(message == "恭喜你中奖了!", c.win) << c.typed << ": " << message;
        EXPECT_FALSE(message.empty()) << c.typed;
    }
    message.clear();
    Soon([&] { display.PressKey(VK_ESCAPE); });
    Frmain->N14Click(nullptr);
    EXPECT_EQ(message, "") << "Cancel reports nothing";
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(Schemes, ClearingTheFolderAsksAndDeletesOnlySchemeFiles) {
    Start();
    const std::string folder = SchemeFolder();
    WriteFile(folder + "/a.ini", "[CheckBox]\ngw1chk=1\n");
    WriteFile(folder + "/B.INI", "[CheckBox]\ngw2chk=1\n");
    WriteFile(folder + "/notes.txt", "keep");
    ForceDirectories(folder + "/sub");
    Soon([&] { display.PressKey(VK_ESCAPE); });
    Frmain->N6Click(nullptr);
    EXPECT_TRUE(FileExists(folder + "/a.ini")) << "Cancel deletes nothing";
    Soon([&] { display.PressKey(VK_RETURN); });
    Frmain->N6Click(nullptr);
    EXPECT_FALSE(FileExists(folder + "/a.ini"));
    EXPECT_FALSE(FileExists(folder + "/B.INI"));
    EXPECT_TRUE(FileExists(folder + "/notes.txt"));
    EXPECT_TRUE(DirectoryExists(folder + "/sub"));
    EXPECT_EQ(folder.substr(folder.size() - 7), "/FangAn");
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(Schemes, PrintingReportsHowFarItGotAndACancelPrintsNothing) {
    TStringList lines;
    for (int i = 0; i < 1200; ++i)
        lines.Add("02 05 10 27 29 33    1");
    TPrinter printer;
    printer.FileName = Path("all.pdf");
    std::vector<int> seen;
    EXPECT_TRUE(PrintTickets(printer, lines, "08", [&](int done, int total) {
        EXPECT_EQ(total, 1200);
        seen.push_back(done);
        return true;
    }));
    EXPECT_EQ(seen, (std::vector<int>{0, 500, 1000, 1200}));
    EXPECT_TRUE(FileExists(printer.FileName));

    TPrinter cancelled;
    cancelled.FileName = Path("cancelled.pdf");
    EXPECT_FALSE(PrintTickets(cancelled, lines, "08", [](int done, int) { return done < 500; }));
    EXPECT_FALSE(cancelled.GetPrinting());
    EXPECT_FALSE(FileExists(cancelled.FileName)) << "a cancelled job prints nothing";
}

TEST_F(Schemes, AnOpenedSchemeNameWithoutItsExtensionMeansTheSchemeFile) {
    Start();
    Frmain->Allcom->SetItemIndex(1);
    Frmain->AllcomChange(nullptr);
    Frmain->DigitClick(0, Frmain->DigitButtons[0][3]);
    ASSERT_TRUE(Frmain->SaveScheme(SchemeFolder() + "/three.ini"));
    Frmain->Allcom->SetItemIndex(0);
    Frmain->AllcomChange(nullptr);
    Soon([&] {
        display.TypeText("three");
        display.PressKey(VK_RETURN);
    });
    Frmain->ToolButton1Click(nullptr);
    EXPECT_EQ(Selected(0), "3") << "three.ini was loaded";
}

} // namespace
} // namespace zorvy::test
