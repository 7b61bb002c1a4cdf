#include "runtime/ComCtrls.h"
#include "runtime/StdCtrls.h"

#include <commctrl.h>

#include <vector>

const TClassInfo& TCustomTreeView::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomTreeView, TWinControl>("TCustomTreeView")
        .Enum("BorderStyle", BorderStyleInfo, &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle)
        .Object<TStrings>("Items", &TCustomTreeView::Items, nullptr)
        .Register();
    return info;
}

const TClassInfo& TTreeView::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTreeView, TCustomTreeView>("TTreeView").Register();
    return info;
}

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
    width_ = 121;
    height_ = 97;
    color_ = clWindow;
    tabStop_ = true;
    items_->OnChange = [this](TObject*) { sync(); };
}

TCustomTreeView::~TCustomTreeView() { DestroyHandle(); }

void TCustomTreeView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_TREEVIEWW;
    p.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (borderStyle_) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
    TWinControl::CreateWnd();
    sync();
}

void TCustomTreeView::sync() {
    if (!handle_) return;
    SendMessageW(handle_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    std::vector<std::pair<int, HTREEITEM>> path; // (depth, node) from the root down to the last node
    for (const std::string& line : items_->Items()) {
        const int depth = int(line.find_first_not_of(' ') == std::string::npos ? line.size() : line.find_first_not_of(' '));
        while (!path.empty() && path.back().first >= depth) path.pop_back();
        std::wstring text = WideFromAnsi(line.substr(size_t(depth)));
        TVINSERTSTRUCTW ins{};
        ins.hParent = path.empty() ? TVI_ROOT : path.back().second;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        ins.item.pszText = text.data();
        auto node = reinterpret_cast<HTREEITEM>(SendMessageW(handle_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        if (node) path.emplace_back(depth, node);
    }
    FullExpand();
}

void TCustomTreeView::FullExpand() {
    if (!handle_) return;
    std::vector<HTREEITEM> todo;
    auto first = reinterpret_cast<HTREEITEM>(SendMessageW(handle_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (first) todo.push_back(first);
    while (!todo.empty()) {
        HTREEITEM node = todo.back();
        todo.pop_back();
        SendMessageW(handle_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
        if (auto next = reinterpret_cast<HTREEITEM>(SendMessageW(handle_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)))) todo.push_back(next);
        if (auto child = reinterpret_cast<HTREEITEM>(SendMessageW(handle_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(node)))) todo.push_back(child);
    }
}

void TCustomTreeView::SetBorderStyle(int b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    RecreateWnd();
}
