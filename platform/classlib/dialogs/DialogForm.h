#pragma once
// Shared by the dialogs of this folder: runs a dialog's form modally, in front of forms that stay on top,
// and frees it afterwards.
#include "platform/classlib/Forms.h"

#include <functional>

namespace zorvy {

// Shows form modally (staying on top while another form does) and answers its modal result. beforeFree (if any) reads the form once the loop
// ends; the form is then freed, unless something freed it meanwhile, also when the loop raises.
inline TModalResult RunDialogForm(TCustomForm* form,
                                  const std::function<void(TModalResult)>& beforeFree = nullptr) {
    TWeakLink<TCustomForm> link(form);
    // A form that stays on top would hide the dialog that asks for the user's answer: it joins them.
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* other = Screen->GetForm(i);
        if (other != form && other->GetVisible() && other->GetFormStyle() == fsStayOnTop)
            form->SetFormStyle(fsStayOnTop);
    }
    TModalResult result = mrNone;
    try {
        result = form->ShowModal();
        if (beforeFree) beforeFree(result);
    } catch (...) {
        delete link.Get();
        throw;
    }
    delete link.Get();
    return result;
}

} // namespace zorvy
