#pragma once
// Shared by the dialogs of this folder: runs a dialog's form modally and frees it afterwards.
#include "platform/classlib/Forms.h"

#include <functional>

namespace zorvy {

// Shows form modally and answers its modal result. beforeFree (if any) reads the form once the loop
// ends; the form is then freed, unless something freed it meanwhile, also when the loop raises.
inline TModalResult RunDialogForm(TCustomForm* form,
                                  const std::function<void(TModalResult)>& beforeFree = nullptr) {
    TWeakLink<TCustomForm> link(form);
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
