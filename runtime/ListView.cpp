#include "runtime/ComCtrls.h"
#include "runtime/StdCtrls.h"

#include <commctrl.h>

const TEnumInfo ViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

namespace {

void LoadListViewClass() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
}

std::vector<std::wstring> Cells(const std::string& line) {
    std::vector<std::wstring> out;
    size_t from = 0;
    for (;;) {
        size_t at = line.find(';', from);
        out.push_back(WideFromAnsi(line.substr(from, at == std::string::npos ? std::string::npos : at - from)));
        if (at == std::string::npos) return out;
        from = at + 1;
    }
}

} // namespace

const TClassInfo& TCustomListView::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomListView, TWinControl>("TCustomListView")
        .Enum("BorderStyle", BorderStyleInfo, &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle)
        .Object<TStrings>("Columns", &TCustomListView::Columns, nullptr)
        .Object<TStrings>("Items", &TCustomListView::Items, nullptr)
        .Enum("ViewStyle", ViewStyleInfo, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
        .Register();
    return info;
}

const TClassInfo& TListView::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TListView, TCustomListView>("TListView").Register();
    return info;
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TStringList>()), items_(std::make_unique<TStringList>()) {
    LoadListViewClass();
    width_ = 250;
    height_ = 150;
    color_ = clWindow;
    tabStop_ = true;
    columns_->OnChange = [this](TObject*) { sync(); };
    items_->OnChange = [this](TObject*) { sync(); };
}

TCustomListView::~TCustomListView() { DestroyHandle(); }

void TCustomListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_LISTVIEWW;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[viewStyle_] | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    if (borderStyle_) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
    TWinControl::CreateWnd();
    sync();
}

void TCustomListView::sync() {
    if (!handle_) return;
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {}
    for (int i = 0; i < columns_->Count(); ++i) {
        std::string caption = columns_->Strings(i);
        int width = 100;
        if (size_t eq = caption.find('='); eq != std::string::npos) {
            width = std::atoi(caption.c_str() + eq + 1);
            caption.resize(eq);
        }
        std::wstring text = WideFromAnsi(caption);
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        c.cx = width;
        c.pszText = text.data();
        c.iSubItem = i;
        SendMessageW(handle_, LVM_INSERTCOLUMNW, WPARAM(i), reinterpret_cast<LPARAM>(&c));
    }
    for (int row = 0; row < items_->Count(); ++row) {
        std::vector<std::wstring> cells = Cells(items_->Strings(row));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = cells[0].data();
        int at = int(SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t cell = 1; cell < cells.size() && at >= 0; ++cell) {
            LVITEMW sub{};
            sub.iSubItem = int(cell);
            sub.pszText = cells[cell].data();
            SendMessageW(handle_, LVM_SETITEMTEXTW, WPARAM(at), reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

void TCustomListView::SetViewStyle(TViewStyle v) {
    if (v == viewStyle_) return;
    viewStyle_ = v;
    RecreateWnd();
}

void TCustomListView::SetBorderStyle(int b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    RecreateWnd();
}
