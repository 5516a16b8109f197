// The platform's own controls beside the check box photos, to compare sizes and colours at 100%.
#include "CheckSheets.h"

#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"

namespace zorvy::gallery {

namespace {

template <class T>
T* Put(TWinControl* parent, int left, int top, int width, int height, const std::string& caption) {
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    return control;
}

} // namespace

void AddPlatformControls(TWinControl* parent, int left) {
    const char* captions[] = {"未选 Unchecked", "选中 Checked", "灰 Grayed"};
    for (int i = 0; i < 3; ++i) {
        auto* box = Put<TCheckBox>(parent, left, 8 + 24 * i, 160, 21, captions[i]);
        box->AllowGrayed = true;
        box->SetState(TCheckBoxState(i));
    }
    auto* disabled = Put<TCheckBox>(parent, left, 80, 160, 21, "禁用 Disabled");
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
    auto* edit = Put<TEdit>(parent, left, 104, 160, 21, "");
    edit->SetText("03 07 12");
    auto* off = Put<TEdit>(parent, left, 128, 160, 21, "");
    off->SetText("禁用 disabled");
    off->SetEnabled(false);
    auto* group = Put<TGroupBox>(parent, left, 152, 230, 68, "平台 Group box");
    Put<TCheckBox>(group, 8, 20, 90, 21, "胆码选择")->SetChecked(true);
    Put<TEdit>(group, 100, 20, 120, 21, "")->SetText("01 02 03");
    Put<TCheckBox>(group, 8, 44, 90, 21, "自定位");
    Put<TButton>(parent, left, 232, 110, 25, "平台 &Button");
    Put<TButton>(parent, left + 115, 232, 110, 25, "禁用 Disabled")->SetEnabled(false);
}

} // namespace zorvy::gallery
