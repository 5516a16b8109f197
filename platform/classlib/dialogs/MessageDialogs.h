#pragma once
// Message dialogs and input boxes drawn by the program: MessageDlg (a message with an icon by kind
// and the buttons asked for, answering the modal result of the button pressed: Enter presses the
// default button, Esc the cancelling one), InputQuery and InputBox (a prompt over a one-line edit).
#include "platform/classlib/ControlTypes.h"

#include <string>

namespace zorvy {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = unsigned; // a set of TMsgDlgBtn: bit 1 << button
constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
    TMsgDlgButtons set = 0;
    for (TMsgDlgBtn b : buttons)
        set |= 1u << b;
    return set;
}
constexpr TMsgDlgButtons mbYesNo = 1u << mbYes | 1u << mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYesNo | 1u << mbCancel;
constexpr TMsgDlgButtons mbOKCancel = 1u << mbOK | 1u << mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = 1u << mbAbort | 1u << mbRetry | 1u << mbIgnore;

constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;
constexpr TModalResult mrHelp = 12;

// The buttons stand in the order of TMsgDlgBtn. Default: defaultButton when it is among them, else
// OK, else Yes, else the first. Cancel (Esc and the close box): Cancel, else No, else OK; with none
// of them Esc answers mrCancel. No button at all shows OK.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                        TMsgDlgBtn defaultButton);

// Shows caption and prompt over an edit holding value; OK stores the edit's text in value and
// answers true, Cancel leaves value and answers false.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The text typed, or defaultValue when the box is cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);

} // namespace zorvy
