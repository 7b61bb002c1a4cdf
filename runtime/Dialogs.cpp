#include "runtime/Dialogs.h"

#include "runtime/ExtCtrls.h"
#include "runtime/StdCtrls.h"

#include <algorithm>
#include <memory>

const TClassInfo& TMessageForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMessageForm, TForm>("TMessageForm").Register();
    return info;
}

namespace {
const wchar_t* const captions[] = {L"Warning", L"Error", L"Information", L"Confirm", nullptr};
const LPCWSTR icons[] = {IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, IDI_QUESTION, nullptr};
const wchar_t* const buttonCaptions[] = {L"&Yes", L"&No", L"OK", L"Cancel", L"&Abort", L"&Retry", L"&Ignore", L"&All",
                                         L"N&o to All", L"Yes to &All", L"&Help"};
const int buttonResults[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll, mrYesToAll, 0};

// The dialog's icon, drawn straight onto whatever the form's background is (the system's face or a skin's),
// with the icon's own transparency.
class TMessageIcon : public TImage {
public:
    TMessageIcon(TComponent* owner, HICON icon) : TImage(owner), icon_(icon) {}

protected:
    void Paint() override { DrawIconEx(Canvas()->Handle(), 0, 0, icon_, Width(), Height(), 0, nullptr, DI_NORMAL); }

private:
    HICON icon_; // shared by the system: never destroyed
};
} // namespace

TMessageForm* CreateMessageDialog(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    if (!(buttons & 0x7FF)) buttons = 1u << mbOK;
    auto* form = new TMessageForm(Application);
    try {
        form->SetBorderStyle(bsDialog);
        form->SetPosition(poScreenCenter);
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) form->Font()->SetLogFont(ncm.lfMessageFont);
        std::wstring caption = captions[type] ? captions[type] : WideFromAnsi(Application->Title());
        form->SetWideText(caption);

        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, form->Font()->Handle());
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
        DrawTextW(dc, text.c_str(), int(text.size()), &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        int buttonTextWidth = 0;
        for (int b = 0; b <= mbHelp; ++b)
            if (buttons & (1u << b)) {
                RECT r{0, 0, 0, 0};
                DrawTextW(dc, buttonCaptions[b], -1, &r, DT_CALCRECT | DT_SINGLELINE);
                buttonTextWidth = std::max<int>(buttonTextWidth, r.right);
            }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);

        const int margin = 8, spacing = 10, iconSize = 32;
        bool hasIcon = icons[type] != nullptr;
        int buttonWidth = std::max(75, buttonTextWidth + 16), buttonHeight = 25, buttonSpacing = 8;
        int buttonCount = 0;
        for (int b = 0; b <= mbHelp; ++b) buttonCount += (buttons >> b) & 1;
        int textLeft = margin + (hasIcon ? iconSize + spacing : 0);
        int textHeight = std::max<int>(textRect.bottom, hasIcon ? iconSize : 0);
        int buttonsWidth = buttonCount * buttonWidth + (buttonCount - 1) * buttonSpacing;
        int clientWidth = std::max<int>(textLeft + textRect.right + margin, buttonsWidth + 2 * margin);
        int clientHeight = margin + textHeight + spacing + buttonHeight + margin;
        form->SetClientWidth(clientWidth);
        form->SetClientHeight(clientHeight);

        if (hasIcon) {
            auto* image = new TMessageIcon(form, LoadIconW(nullptr, icons[type]));
            image->SetName("Image");
            image->SetParent(form);
            image->SetBounds(margin, margin, iconSize, iconSize);
        }
        auto* message = new TLabel(form);
        message->SetName("Message");
        message->SetParent(form);
        message->SetShowAccelChar(false);
        message->SetWordWrap(true);
        message->SetAutoSize(false);
        message->SetBounds(textLeft, margin, textRect.right, textRect.bottom);
        message->SetWideText(text);

        int x = (clientWidth - buttonsWidth) / 2;
        bool defaultSet = false;
        for (int b = 0; b <= mbHelp; ++b) {
            if (!(buttons & (1u << b))) continue;
            auto* button = new TButton(form);
            static const char* const names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help"};
            button->SetName(names[b]);
            button->SetParent(form);
            button->SetWideText(buttonCaptions[b]);
            button->SetModalResult(buttonResults[b]);
            button->SetBounds(x, clientHeight - margin - buttonHeight, buttonWidth, buttonHeight);
            if (!defaultSet) {
                button->SetDefault(true);
                form->SetActiveControl(button);
                defaultSet = true;
            }
            if (b == mbCancel || (buttonCount == 1 && (b == mbOK)))
                button->SetCancel(true);
            x += buttonWidth + buttonSpacing;
        }
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

int MessageDlgW(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, type, buttons));
    return form->ShowModal();
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return MessageDlgW(WideFromAnsi(text), type, buttons, helpContext);
}

void ShowMessage(const std::string& text) { MessageDlgW(WideFromAnsi(text), mtCustom, 1u << mbOK); }

void ShowException(const std::exception& e) {
    // One at a time: an error raised again while its dialog is up (say, in painting) is not shown again.
    static bool showing = false;
    if (showing) return;
    showing = true;
    try {
        MessageDlg(e.what(), mtError, 1u << mbOK);
    } catch (...) {
        MessageBoxW(nullptr, WideFromAnsi(e.what()).c_str(), L"Error", MB_ICONERROR | MB_OK);
    }
    showing = false;
}
