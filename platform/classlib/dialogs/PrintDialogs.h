#pragma once
// TPrintDialog: the printer to print on (one of the print queues), the number of copies, the pages,
// and "print to file", which asks for the PDF file to write instead. OK hands the choices to the
// printer; without a print queue only printing to a file is offered.
#include "platform/classlib/ControlTypes.h"

#include <string>

namespace zorvy {

class TPrinter;

enum TPrintRange { prAllPages, prSelection, prPageNums };

class TPrintDialog : public TComponent {
    ZORVY_CLASS(TPrintDialog, TComponent)
  public:
    explicit TPrintDialog(TComponent* owner);

    int Copies = 1;
    TPrintRange PrintRange = prAllPages;
    int FromPage = 0, ToPage = 0; // with prPageNums
    int MinPage = 0, MaxPage = 0; // the pages the document has (0: not known)
    bool PrintToFile = false;
    // The printer the choices go to (nullptr: the shared Printer()).
    TPrinter* Target = nullptr;

    // True when the user chose OK: the printer then has the queue, the copies and the file (or none).
    bool Execute();
};

} // namespace zorvy
