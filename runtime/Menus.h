// Menus: TMenuItem (a caption with its accelerator, shortcut, check mark, image and sub-items), TMainMenu (a
// form's menu bar) and TPopupMenu (a context menu). A menu builds the system's menu from its items and
// builds it again whenever an item changes; a main menu then tells its form (CM_MENUCHANGED). Command ids
// are unique in the program, so a WM_COMMAND, WM_MEASUREITEM or WM_DRAWITEM finds its item by id alone.
#pragma once

#include <windows.h>

#include "runtime/Classes.h"

#include <functional>
#include <string>
#include <vector>

class TCanvas;
class TImageList;
class TMenu;

// A shortcut: the virtual key in the low byte, plus these modifier bits.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
std::wstring ShortCutToText(TShortCut shortcut);

using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const RECT& Rect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
    GRV_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    TShortCut ShortCut() const { return shortcut_; }
    void SetShortCut(int shortcut);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    bool Default() const { return default_; }
    void SetDefault(bool on);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool IsLine() const { return caption_ == L"-"; }

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    TMenu* GetParentMenu() const;

    UINT Command() const { return command_; }
    // The sub-menu's handle while the menu's handle exists (none for an item without sub-items).
    HMENU Handle() const { return handle_; }

    // Runs the click: a radio item becomes the checked one of its group first.
    void Click();
    // Owner drawing: the item's handlers when set, else the system's colours and the menu font.
    void DrawItem(TCanvas* canvas, const RECT& rect, bool selected);
    void MeasureItem(TCanvas* canvas, int& width, int& height);

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }

private:
    friend class TMenu;
    void Changed();
    void AppendTo(HMENU menu, bool ownerDraw);
    void ForgetHandles();

    // Sets a property and tells the menu, when the value changes.
    template <class T> void Assign(T& field, const T& value);

    std::wstring caption_;
    TShortCut shortcut_ = 0;
    bool checked_ = false, radioItem_ = false, enabled_ = true, visible_ = true, default_ = false;
    int imageIndex_ = -1;
    int groupIndex_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on the root item of a menu
    UINT command_ = 0;
    HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
    GRV_CLASS(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_; }
    HMENU Handle();
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on);
    bool IsRightToLeft() const { return rightToLeft_; }

    // The item with this command id among this menu's items, or none.
    TMenuItem* FindItem(UINT command) const;
    // Runs the click of the item with this command id; false when it is not one of this menu's.
    bool DispatchCommand(UINT command);
    // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn item of this menu: false when not one of its items.
    bool MenuItemMessage(UINT message, LPARAM lParam);

    // An item changed: the system's menu is built again on the next use of Handle.
    virtual void MenuChanged();
    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual HMENU CreateHandle() = 0;
    void DestroyHandle();
    HMENU handle_ = nullptr;
    bool building_ = false;

private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    bool rightToLeft_ = false;
};

class TCustomForm;

class TMainMenu : public TMenu {
    GRV_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    // The form showing this menu (set by the form's Menu property).
    TCustomForm* Form() const { return form_; }
    void SetForm(TCustomForm* form) { form_ = form; }
    void MenuChanged() override;

protected:
    HMENU CreateHandle() override;

private:
    TCustomForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
    GRV_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    // Opens the menu at the screen point with `owner` receiving its messages; the chosen item's click runs
    // after the menu has closed.
    void Popup(int x, int y, HWND owner = nullptr);
    TComponent* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

protected:
    HMENU CreateHandle() override;

private:
    bool autoPopup_ = true;
};

// The item with this command id in any menu of the program, or none.
TMenuItem* FindMenuItemByCommand(UINT command);
