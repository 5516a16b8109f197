// Styles: the assigned flags of a style, the merge of a part's values, the style sets told when a
// style changes or goes, and the style sheets a set may use.
#include "controls/grid/styles/Styles.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

// A style set whose owner gives fixed defaults and counts how often it was asked.
class TCountingStyles : public TcxStyles {
    ZORVY_CLASS(TCountingStyles, TcxStyles)
  public:
    explicit TCountingStyles(TPersistent* owner) : TcxStyles(owner) {}
    int DefaultsAsked = 0;
    std::vector<int> Changes;
    TFont DefaultFont;

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override {
        TcxStyles::GetDefaultViewParams(index, data, params);
        ++DefaultsAsked;
        params.Color = clYellow;
        params.TextColor = clNavy;
        params.Font = &DefaultFont;
    }
    void HandleStyleChange(int index) override { Changes.push_back(index); }
};

// A listener that never unregisters itself.
class TStubbornListener : public IcxStyleListener {
  public:
    int Destroying = 0;
    void StyleValuesChanged(TcxCustomStyle*) override {}
    void StyleDestroying(TcxCustomStyle*) override { ++Destroying; }
};

class Styles : public GridTest {
  protected:
    Styles() : repository(new TcxStyleRepository(nullptr)) {}
    ~Styles() override { delete repository; }
    TcxStyle* NewStyle() { return static_cast<TcxStyle*>(repository->CreateStyle(TcxStyle::StaticClass())); }
    TcxStyleRepository* repository;
};

TEST_F(Styles, AssignedValuesFollowWhatIsSet) {
    TcxStyle* style = NewStyle();
    EXPECT_EQ(style->GetAssignedValues(), 0u);
    style->SetColor(clRed);
    EXPECT_EQ(style->GetAssignedValues(), StyleValueSet(svColor));
    style->SetColor(clDefault);
    EXPECT_EQ(style->GetAssignedValues(), 0u) << "clDefault drops the flag";
    style->SetTextColor(clBlue);
    EXPECT_TRUE(style->IsTextColorStored());
    EXPECT_FALSE(style->IsColorStored());

    TBitmap picture;
    picture.SetSize(4, 4);
    style->SetBitmap(&picture);
    EXPECT_TRUE(StyleHasValue(style, svBitmap));
    TBitmap empty;
    style->SetBitmap(&empty);
    EXPECT_FALSE(StyleHasValue(style, svBitmap));
    TFont font;
    font.SetName("Serif");
    style->SetFont(&font);
    EXPECT_TRUE(StyleHasValue(style, svFont));

    TcxStyle* copy = NewStyle();
    copy->Assign(style);
    EXPECT_EQ(copy->GetAssignedValues(), style->GetAssignedValues());
    EXPECT_EQ(copy->GetTextColor(), clBlue);

    style->ResetToDefaults();
    EXPECT_EQ(style->GetAssignedValues(), 0u);
    EXPECT_EQ(style->GetTextColor(), clDefault);
    EXPECT_EQ(style->GetFont()->GetName(), "Serif") << "the font keeps its value, unassigned";
    EXPECT_FALSE(StyleHasValue(nullptr, svColor));
    EXPECT_EQ(style->GetStyleRepository(), repository);
    EXPECT_EQ(repository->GetCount(), 2);
}

TEST_F(Styles, APartTakesTheExplicitStyleThenItsOwnThenTheDefaultsAskedOnce) {
    TCountingStyles styles(nullptr);
    TcxPartParams params;
    styles.GetViewParams(3, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, clYellow);
    EXPECT_EQ(params.TextColor, clNavy);
    EXPECT_EQ(params.Font, &styles.DefaultFont);
    EXPECT_EQ(styles.DefaultsAsked, 1);
    EXPECT_EQ(styles.GetMaxDefaultViewParamsIndex(), 3);

    TcxStyle* own = NewStyle();
    own->SetColor(clRed);
    own->SetTextColor(clGreen);
    styles.SetStyle(3, own);
    TcxStyle* explicitStyle = NewStyle();
    explicitStyle->SetColor(clBlue);
    styles.GetViewParams(3, nullptr, explicitStyle, params);
    EXPECT_EQ(params.Color, clBlue) << "the explicit style first";
    EXPECT_EQ(params.TextColor, clGreen) << "then the part's own";
    EXPECT_EQ(params.Font, &styles.DefaultFont) << "then the defaults";
    EXPECT_EQ(styles.DefaultsAsked, 2);

    TFont font;
    own->SetFont(&font);
    styles.GetViewParams(3, nullptr, nullptr, params);
    EXPECT_EQ(params.Font, own->GetFont());
    EXPECT_EQ(styles.DefaultsAsked, 2) << "nothing missing: no defaults asked";
    EXPECT_EQ(params.Bitmap, nullptr) << "no bitmaps unless asked for";

    TcxStyles plain(nullptr);
    plain.GetViewParams(0, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, clDefault);
    EXPECT_EQ(params.Font, nullptr);
}

TEST_F(Styles, SettingAStyleReportsOnlyRealChanges) {
    TCountingStyles styles(nullptr);
    TcxStyle* style = NewStyle();
    styles.SetStyle(2, nullptr);
    styles.SetStyle(2, style);
    styles.SetStyle(2, style);
    EXPECT_EQ(styles.Changes, std::vector<int>{2});
    style->SetColor(clRed);
    EXPECT_EQ(styles.Changes, (std::vector<int>{2, 2}));
    styles.SetStyle(2, nullptr);
    EXPECT_EQ(styles.GetItemCount(), 0);
    EXPECT_EQ(style->GetListenerCount(), 0);
}

TEST_F(Styles, AFreedStyleLeavesEverySetThatUsedIt) {
    TCountingStyles a(nullptr), b(nullptr), c(nullptr);
    TcxStyle* style = NewStyle();
    TcxStyle* other = NewStyle();
    a.SetStyle(0, style);
    a.SetStyle(4, style);
    b.SetStyle(1, style);
    c.SetStyle(2, style);
    c.SetStyle(3, other);
    for (TCountingStyles* s : {&a, &b, &c}) s->Changes.clear();
    delete style;
    EXPECT_EQ(a.Changes, (std::vector<int>{4, 0}));
    EXPECT_EQ(b.Changes, std::vector<int>{1});
    EXPECT_EQ(c.Changes, std::vector<int>{2});
    EXPECT_EQ(a.GetStyle(0), nullptr);
    EXPECT_EQ(c.GetStyle(3), other);
    EXPECT_EQ(repository->GetCount(), 1);
}

// A listener that does not unregister itself is detached before it is told, so the style's
// destruction ends (it used to call the last listener for ever).
TEST_F(Styles, AListenerThatDoesNotUnregisterCannotHoldUpTheStylesEnd) {
    TcxStyle* style = NewStyle();
    TStubbornListener stubborn;
    style->RegisterListener(&stubborn);
    style->RegisterListener(&stubborn);
    EXPECT_EQ(style->GetListenerCount(), 1);
    delete style;
    EXPECT_EQ(stubborn.Destroying, 1);
}

TEST_F(Styles, ASetFallsBackToItsSheetAndRefusesSheetsItCannotUse) {
    auto* sheet = repository->CreateSheet(TcxCustomStyleSheet::StaticClass());
    auto* second = repository->CreateSheet(TcxCustomStyleSheet::StaticClass());
    TcxStyle* style = NewStyle();
    sheet->GetStyles()->SetStyle(1, style);
    TcxCustomStyles users(nullptr);
    users.SetStyleSheet(sheet);
    EXPECT_EQ(users.GetStyle(1), style);
    EXPECT_EQ(sheet->GetUserCount(), 1);

    // Another class of set, the sheet's own set, and chains leading back to the sheet.
    TcxStyles otherClass(nullptr);
    otherClass.SetStyleSheet(sheet);
    EXPECT_EQ(otherClass.GetStyleSheet(), nullptr);
    sheet->GetStyles()->SetStyleSheet(sheet);
    EXPECT_EQ(sheet->GetStyles()->GetStyleSheet(), nullptr);
    second->GetStyles()->SetStyleSheet(sheet);
    ASSERT_EQ(second->GetStyles()->GetStyleSheet(), sheet);
    sheet->GetStyles()->SetStyleSheet(second);
    EXPECT_EQ(sheet->GetStyles()->GetStyleSheet(), nullptr) << "second leads back to sheet";
    EXPECT_EQ(second->GetStyles()->GetStyle(1), style) << "through the chain";

    // While its owner is written, a set reports only its own styles.
    TComponent owner(nullptr);
    TcxCustomStyles written(&owner);
    written.SetStyleSheet(sheet);
    owner.SetComponentStateFlag(csWriting, true);
    EXPECT_EQ(written.GetStyle(1), nullptr);
    owner.SetComponentStateFlag(csWriting, false);
    EXPECT_EQ(written.GetStyle(1), style);

    delete sheet;
    EXPECT_EQ(users.GetStyleSheet(), nullptr) << "a freed sheet leaves its users";
    EXPECT_EQ(second->GetStyles()->GetStyleSheet(), nullptr);
    EXPECT_EQ(repository->GetStyleSheetCount(), 1);
}

TEST_F(Styles, ASheetsCaptionIsItsNameUntilSetOtherwise) {
    auto* sheet = repository->CreateSheet(TcxCustomStyleSheet::StaticClass());
    sheet->SetName("Sheet1");
    EXPECT_EQ(sheet->GetCaption(), "Sheet1");
    sheet->SetCaption("SHEET1");
    EXPECT_FALSE(sheet->IsCaptionStored());
    sheet->SetCaption("趋势");
    EXPECT_EQ(sheet->GetCaption(), "趋势");
    EXPECT_TRUE(sheet->IsCaptionStored());
}

TEST_F(Styles, AStylesParentMustBeARepository) {
    TcxStyle* style = NewStyle();
    TComponent other(nullptr);
    EXPECT_THROW(style->SetParentComponent(&other), EInvalidCast);
    TcxStyleRepository second(nullptr);
    style->SetParentComponent(&second);
    EXPECT_EQ(repository->GetCount(), 0);
    EXPECT_EQ(second.GetCount(), 1);
}

} // namespace
} // namespace zorvy::test
