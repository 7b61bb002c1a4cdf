// The painters of the range controls: TSkinProgress draws progress bars wholly from the skin (trough, bar
// or chunks, horizontal and vertical); TSkinTrackBar replaces a track bar's channel and thumb through the
// control's custom-draw notifications and leaves the tick marks to the system; TSkinUpDown draws the two
// arrow buttons of up-down controls, also those inside spin edits and tab rows.
#pragma once

#include "skin/controls/WinSubClass.h"

#include <commctrl.h>

class TSkinProgress : public TSkinControl {
    GRV_CLASS(TSkinProgress)
public:
    explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;

private:
    void DrawChunks(HDC dc, const RECT& r, bool vertical);
};

class TSkinTrackBar : public TSkinControl {
    GRV_CLASS(TSkinTrackBar)
public:
    explicit TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void SkinChanged() override;

private:
    LRESULT CustomDraw(const NMCUSTOMDRAW& cd);
    void DrawChannel(HDC dc);
    void DrawThumb(HDC dc);
};

class TSkinUpDown : public TSkinControl {
    GRV_CLASS(TSkinUpDown)
public:
    explicit TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    bool FInEdit = false;  // inside an edit whose border the edit painter draws
    int FHorizontal = 0;   // 1: a left/right pair even without UDS_HORZ (tab rows)
};
