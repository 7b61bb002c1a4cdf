// Forms and the application: the hidden "TApplication" window, the message loop, the list of open forms,
// the start-up hook (COM, single-threaded apartment) and the forms' streaming from their descriptions.
#pragma once

#include "runtime/Controls.h"

#include <functional>
#include <string_view>
#include <vector>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint32_t;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
extern const TEnumInfo FormBorderStyleInfo, BorderIconInfo, PositionInfo;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

constexpr UINT CM_RELEASE = CM_BASE + 19;

class TMainMenu;
class TPopupMenu;

class TCustomForm : public TWinControl {
    GRV_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Streams the form from its description: the RT_RCDATA resource named after the class ("TMAINFORM"),
    // or a given text. Throws EReadError when the description is missing or wrong.
    void ReadFromResource();
    void ReadFromResource(const std::wstring& resourceName);
    void ReadFromText(std::string_view text);

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    RECT ClientRect() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    bool Modal() const { return modal_; }
    // The form's menu bar and context menu.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    // The main menu's items changed: the window gets the menu's new handle, then CM_MENUCHANGED.
    void MenuChanged();

    void Show();
    void Close();
    bool CloseQuery();
    TModalResult ShowModal();
    // Frees the form once the messages now queued have been handled.
    void Release();
    bool Active() const;

    TNotifyEvent OnCreate, OnShow, OnHide, OnActivate, OnDeactivate, OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    bool OwnPaint() const override { return true; }
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DoClose(TCloseAction& action);

private:
    friend class TApplication;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
    TPosition position_ = poDesigned;
    int clientWidth_ = -1, clientHeight_ = -1;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    int pixelsPerInch_ = 96, textHeight_ = 13;
    bool oldCreateOrder_ = false, scaled_ = true;
    bool createdEventDone_ = false;
    TMainMenu* menu_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
};

class TForm : public TCustomForm {
    GRV_CLASS(TForm)
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The parent form (top-most parent) of a control, when it is a form.
TCustomForm* GetParentForm(TControl* control);

class TApplication : public TComponent {
    GRV_CLASS(TApplication)
public:
    TApplication();
    ~TApplication() override;

    // The hidden application window, made on first use (Initialize makes it after the start-up hooks).
    HWND Handle();
    std::string Title() const { return title_; }
    void SetTitle(const std::string& title);
    HICON Icon() const { return icon_; }
    HICON SmallIcon() const { return smallIcon_; }

    // Runs the start-up hooks (COM for this thread, as a single-threaded apartment) before any window.
    void Initialize();
    void AddInitProc(std::function<void()> proc) { initProcs_.push_back(std::move(proc)); }
    // Run at the end of Run, last registered first, after the forms are freed and before COM is released.
    void AddExitProc(std::function<void()> proc) { exitProcs_.push_back(std::move(proc)); }

    // Creates a form owned by the application; the first becomes the main form.
    template <class T> T* CreateForm(T** reference = nullptr) {
        T* form = new T(this);
        if (reference) *reference = form;
        if (!mainForm_) mainForm_ = form;
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form, runs the message loop until Terminate, then frees the forms and runs the exit hooks.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();
    void HandleMessage(); // waits for and handles one message
    bool ProcessMessage(MSG& msg);

    // The open forms, in creation order.
    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int index) const;
    TCustomForm* ActiveForm() const;

    void HandleException(const std::exception& e);
    void Finish(); // frees the forms, runs the exit hooks and releases COM (Run does it at its end)

private:
    friend class TCustomForm;
    friend void WakeMainThread();
    static LRESULT CALLBACK AppWndProc(HWND, UINT, WPARAM, LPARAM);
    bool isKeyMessage(MSG& msg);
    HWND handle_ = nullptr;
    std::string title_;
    HICON icon_ = nullptr, smallIcon_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    std::vector<TCustomForm*> forms_;
    std::vector<std::function<void()>> initProcs_, exitProcs_;
    bool terminated_ = false;
    bool initialized_ = false;
    bool comInitialized_ = false;
    bool finished_ = false;
};

// The one application object, created on first use (on the main thread).
struct TApplicationRef {
    TApplication* operator->() const { return get(); }
    operator TApplication*() const { return get(); }
    TApplication* get() const;
};
extern const TApplicationRef Application;

// Registers every class of the framework for streaming by class name.
void RegisterRuntimeClasses();
