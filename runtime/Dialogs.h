// Modal message dialogs: a framework form of window class "TMessageForm" with an icon, the text and buttons.
#pragma once

#include "runtime/Forms.h"

#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = uint32_t; // bits of TMsgDlgBtn
constexpr TMsgDlgButtons mbOKCancel = (1u << mbOK) | (1u << mbCancel);
constexpr TMsgDlgButtons mbYesNoCancel = (1u << mbYes) | (1u << mbNo) | (1u << mbCancel);

class TMessageForm : public TForm {
    GRV_CLASS(TMessageForm)
public:
    explicit TMessageForm(TComponent* owner) : TForm(owner) {}
};

// Builds the dialog (not shown). The text is 8-bit in the system code page, or wide.
TMessageForm* CreateMessageDialog(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows it modally; answers the modal result of the button pressed (mrOk, mrCancel, ...).
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
int MessageDlgW(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& text);
