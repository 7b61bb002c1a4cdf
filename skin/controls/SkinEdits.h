// The painters of the text-entry controls. They let the control draw its own text and draw only borders
// and buttons, into the window DC after the control's own painting:
//   TSkinEdit      the flat skinned border of single- and multi-line edits (borderless edits are left
//                  alone); finds the spin button inside an edit and gives it a TSkinUpDown;
//   TSkinComBox    a combo box's border and drop-down button from the combo-button strips, hot and
//                  pressed following the mouse, the edit child of a drop-down combo, the list painters;
//   TSkinDateTime  a date-time picker's border, its drop-down button covered by a TArrowButton.
#pragma once

#include "skin/controls/WinSubClass.h"

#include <commctrl.h>

class TSkinUpDown;
struct TComboEditLink;

class TSkinEdit : public TSkinControl {
    GRV_CLASS(TSkinEdit)
public:
    explicit TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
    ~TSkinEdit() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
    void Notification(TComponent* component, TOperation operation) override;

    TSkinUpDown* FUpDown = nullptr; // the painter of the spin button inside the edit, or none

private:
    void FindSpinButton();
    void PrintBorder(HDC dc);
};

class TSkinComBox : public TSkinControl {
    GRV_CLASS(TSkinComBox)
public:
    explicit TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
    ~TSkinComBox() override;
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    void Unskin() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    DWORD FStyle = 0;
    DWORD FExStyle = 0;
    HWND FListWindow = nullptr;
    HWND FEditWindow = nullptr;
    TSkinControl* FListScroll = nullptr;  // the list of a simple combo box (owned)
    TSkinControl* FListPainter = nullptr; // the drop-down list (owned)
    COMBOBOXINFO FComboInfo{};
    RECT FButtonRect{};

    // The subclassed edit child ran its own procedure on this message.
    void EditMessage(UINT msg);
    // The edit child is being destroyed: its subclassing is gone with it.
    void EditDestroyed();

private:
    bool ReadComboInfo();
    void SubclassEdit();
    void RestoreEdit();
    void FreeListPainters();
    void DrawSimple(HDC dc, const RECT& r, int frame, bool onLeft);
    void Notification(TComponent* component, TOperation operation) override;
    TComboEditLink* FEditLink = nullptr; // the link behind the edit child's subclassing
};

class TArrowButton;

class TSkinDateTime : public TSkinControl {
    GRV_CLASS(TSkinDateTime)
public:
    explicit TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    TArrowButton* FArrow = nullptr; // owned as a component
};

// A small skinned button over a date-time picker's own drop-down button: a click opens the calendar.
class TArrowButton : public TCustomControl {
    GRV_CLASS(TArrowButton)
public:
    TArrowButton(TComponent* owner, TSkinDateTime* painter, TWinControl* picker);
    int FButtonSize = 0;
    TWinControl* FPicker = nullptr;
    HWND FPickerHandle = nullptr;
    TSkinDateTime* FPainter = nullptr;
    bool FHot = false;

protected:
    void Paint() override;
    void Dispatch(TMessage& m) override;
};

// The painters of a combo box's list windows. The scroll-bar painters provide them; until they exist
// (and for lists they cannot serve) the answer is none and the list keeps the system's look.
TSkinControl* CreateComboListPainter(TComponent* owner, HWND list, bool dropDown, TSkinData* skinData,
                                     TWinSkinForm* formSkin);
