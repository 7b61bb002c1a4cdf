// The skinned drawing of framework tool bars: the background from the skin's tool-bar image, the buttons with
// the skin's push-button element, and a tool bar's menu drawn like the other skinned menus.
#pragma once

class TControl;
class TComponent;
class TWinSkinForm;

// Points the tool bar's unassigned custom-draw events at the skinned handlers of the frame painter.
void InstallToolBarHandlers(TWinSkinForm& skinner, TControl* toolBar);
// The tool bar's menu: every top item and its sub-items get the skinned item drawing.
void OwnerDrawToolBarMenu(TWinSkinForm& skinner, TControl* toolBar);
// Skinning leaves the form: the tool bars owned by it lose the skinned handlers and menu drawing.
void RemoveToolBarHandlers(TComponent* form);
