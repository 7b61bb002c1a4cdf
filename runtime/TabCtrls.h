// Tab controls over the common-controls tab control: a tab row with its own pages (TPageControl and its
// TTabSheet pages), a plain tab row over one client area (TTabControl) and a tab row without pages (TTabSet).
// They publish what the tab painters read: Style, TabPosition, Images, the tab texts and the close-box flag.
#pragma once

#include "runtime/Controls.h"
#include "runtime/ImgList.h"

#include <memory>
#include <vector>

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
extern const TEnumInfo TabStyleInfo, TabPositionInfo;

// A row of tabs over the system tab control; the tabs are the lines of an own string list unless a derived
// class names them (TabItems).
class TTabRow : public TWinControl {
    GRV_CLASS(TTabRow)
public:
    explicit TTabRow(TComponent* owner);
    ~TTabRow() override;
    TStrings* Tabs() const { return tabs_.get(); }
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle s);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition p);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int TabIndex() const;
    void SetTabIndex(int i);
    RECT DisplayRect();     // the area of the pages inside the control, in client coordinates
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;
    // The tab texts and pictures, in order; the window's items are rebuilt from them.
    virtual std::vector<std::pair<std::wstring, int>> TabItems() const;
    void SyncTabs();
    virtual void Changed();
    int tabIndex_ = -1;

private:
    std::unique_ptr<TStringList> tabs_;
    TTabStyle style_ = tsTabs;
    TTabPosition tabPosition_ = tpTop;
    bool multiLine_ = false;
    TImageList* images_ = nullptr;
};

// The family of tab controls with a client area: plain tab controls and page controls.
class TCustomTabControl : public TTabRow {
    GRV_CLASS(TCustomTabControl)
public:
    explicit TCustomTabControl(TComponent* owner) : TTabRow(owner) {}
};

// A tab row over one client area; the tabs are the lines of Tabs.
class TTabControl : public TCustomTabControl {
    GRV_CLASS(TTabControl)
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};

// A row of tabs without pages, hanging below its row.
class TTabSet : public TTabRow {
    GRV_CLASS(TTabSet)
public:
    explicit TTabSet(TComponent* owner);
};

class TPageControl;

// One page of a page control: its tab shows the page's Caption and ImageIndex.
class TTabSheet : public TCustomControl {
    GRV_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    void SetParent(TWinControl* parent) override;
    void SetWideText(const std::wstring& text) override;

protected:
    void Paint() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    int imageIndex_ = -1;
};

// Pages with a tab each; only the active page is shown. Ctrl+Tab and Ctrl+Shift+Tab step through the pages.
class TPageControl : public TCustomTabControl {
    GRV_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int i) const { return i >= 0 && i < PageCount() ? pages_[std::size_t(i)] : nullptr; }
    TTabSheet* ActivePage() const { return Pages(tabIndex_); }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return tabIndex_; }
    void SetActivePageIndex(int i);
    void SelectNextPage(bool forward);
    // Set: no close boxes on the tabs even when the skin would draw them.
    bool HideCloseBoxes() const { return hideCloseBoxes_; }
    void SetHideCloseBoxes(bool v) { hideCloseBoxes_ = v; }
    void SetBounds(int left, int top, int width, int height) override;

protected:
    std::vector<std::pair<std::wstring, int>> TabItems() const override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;
    void Changed() override;

private:
    friend class TTabSheet;
    void insertPage(TTabSheet* page);
    void removePage(TTabSheet* page);
    void showActive();
    std::vector<TTabSheet*> pages_;
    bool hideCloseBoxes_ = false;
};
