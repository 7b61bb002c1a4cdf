// Skinned drawing of a form's framework menus: the items of its popup menus (and, with xcMenuItem, of its main
// menus below the bar) get drawing and measuring handlers that draw them with the skin's menu elements.
#pragma once

class TComponent;
class TMenuItem;
class TSkinData;

// Every popup menu owned by `component` (and by the forms and frames it owns) whose Tag is not the skin's
// DisableTag becomes owner-drawn with the skinned handlers (on), or gets the system's look back (off).
void SkinPopupMenus(TComponent* component, TSkinData* skin, bool on);
// Every main menu owned by `component`: its items below the top level that have no drawing handler of their
// own get the skinned handlers (on); off clears them.
void SkinMainMenus(TComponent* component, TSkinData* skin, bool on);
// The item and all its sub-items get the skinned drawing (on) or lose it (off).
void SetMenuItemOwnerDraw(TMenuItem* item, TSkinData* skin, bool on);
