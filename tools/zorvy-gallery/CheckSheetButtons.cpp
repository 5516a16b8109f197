// The push buttons of the check box photos.
#include "CheckSheets.h"

#include "controls/editors/buttons/PushButton.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"

namespace zorvy::gallery {

void AddPushButtons(TWinControl* parent, int top, TcxLookAndFeelKind kind) {
    const char* captions[] = {"过滤 &Filter", "默认 Default", "下拉 Menu", "禁用 Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new TcxButton(parent);
        button->SetParent(parent);
        button->SetBounds(10 + i * 125, top, 115, 25);
        button->SetCaption(captions[i]);
        button->GetLookAndFeel()->SetKind(kind);
        button->GetLookAndFeel()->SetNativeStyle(false);
        if (i == 1) button->SetDefault(true);
        if (i == 2) button->SetKind(cxbkDropDownButton);
        if (i == 3) button->SetEnabled(false);
    }
}

} // namespace zorvy::gallery
