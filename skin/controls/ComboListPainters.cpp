// The seam between the combo-box painter and the painters of its list windows (the scroll-bar family).
#include "skin/controls/SkinEdits.h"

TSkinControl* CreateComboListPainter(TComponent*, HWND, bool, TSkinData*, TWinSkinForm*) { return nullptr; }
