#include "controls/editors/popup/PopupLookAndFeel.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <vector>

namespace zorvy::test {
namespace {

using PopupLookAndFeel = EditorsTest;

TEST_F(PopupLookAndFeel, RefreshAnnouncesWhatChangedInTheEditorAndThePopupsControlsFollow) {
    TcxLookAndFeelData editor;
    editor.Kind = lfOffice11;
    TcxEditPopupControlLookAndFeel lf(nullptr, [&] { return editor; });
    std::vector<TcxLookAndFeelValues> told;
    lf.OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues changed) { told.push_back(changed); };
    TcxLookAndFeel list(nullptr);
    list.SetMaster(&lf);

    lf.Refresh();
    EXPECT_EQ(lf.GetKind(), lfOffice11);
    EXPECT_EQ(list.GetKind(), lfOffice11) << "a control in the popup follows";
    lf.Refresh();
    editor.NativeStyle = true;
    editor.SkinName = "Lilian";
    lf.Refresh();
    EXPECT_TRUE(lf.GetNativeStyle());
    EXPECT_EQ(lf.GetSkinName(), "Lilian");
    const TcxLookAndFeelValues nativeAndSkin = LookAndFeelValue(lfvNativeStyle) | LookAndFeelValue(lfvSkinName);
    EXPECT_EQ(told, (std::vector<TcxLookAndFeelValues>{LookAndFeelValue(lfvKind), nativeAndSkin}))
        << "nothing is announced when nothing changed";
    list.SetMaster(nullptr);
}

} // namespace
} // namespace zorvy::test
