#pragma once
// Shared by the dialogs of this folder: runs a dialog's form modally, with forms that stay on top out of
// its way, and frees it afterwards.
#include "platform/classlib/Forms.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

#include <functional>
#include <vector>

namespace zorvy {

// Shows form modally (forms that stay on top hidden meanwhile) and answers its modal result. beforeFree
// (if any) reads the form once the loop ends; the form is then freed, unless something freed it meanwhile,
// also when the loop raises.
inline TModalResult RunDialogForm(TCustomForm* form,
                                  const std::function<void(TModalResult)>& beforeFree = nullptr) {
    TWeakLink<TCustomForm> link(form);
    // A form that stays on top would hide the dialog that asks for the user's answer (a window manager
    // keeps a border-less one above every managed window): it steps aside until the answer is given.
    std::vector<TWeakLink<TCustomForm>> aside;
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* other = Screen->GetForm(i);
        if (other == form || !other->GetVisible() || other->GetFormStyle() != fsStayOnTop ||
            !other->HandleAllocated())
            continue;
        ShowWindow(other->GetHandle(), SW_HIDE);
        aside.emplace_back(other);
    }
    auto stepBack = [&aside] {
        for (const TWeakLink<TCustomForm>& link : aside)
            if (TCustomForm* other = link.Get(); other && other->GetVisible())
                ShowWindow(other->GetHandle(), SW_SHOWNOACTIVATE);
    };
    TModalResult result = mrNone;
    try {
        result = form->ShowModal();
        stepBack();
        if (beforeFree) beforeFree(result);
    } catch (...) {
        stepBack();
        delete link.Get();
        throw;
    }
    delete link.Get();
    return result;
}

} // namespace zorvy
