// Every framework class that a form description may name.
#include "runtime/BarCtrls.h"
#include "runtime/Buttons.h"
#include "runtime/CheckCtrls.h"
#include "runtime/ComCtrls.h"
#include "runtime/Dialogs.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/ImgList.h"
#include "runtime/Menus.h"
#include "runtime/MediaPlayer.h"
#include "runtime/Spin.h"
#include "runtime/StdCtrls.h"
#include "runtime/Frames.h"
#include "runtime/TabCtrls.h"

void RegisterRuntimeClasses() {
    static const bool done = [] {
        for (auto info : {&TComponent::StaticClassInfo, &TControl::StaticClassInfo, &TWinControl::StaticClassInfo,
                          &TGraphicControl::StaticClassInfo, &TCustomControl::StaticClassInfo, &TCustomForm::StaticClassInfo,
                          &TForm::StaticClassInfo, &TLabel::StaticClassInfo, &TEdit::StaticClassInfo, &TComboBox::StaticClassInfo,
                          &TButton::StaticClassInfo, &TBitBtn::StaticClassInfo, &TSpeedButton::StaticClassInfo, &TMenuButton::StaticClassInfo,
                          &TProgressBar::StaticClassInfo,
                          &TImage::StaticClassInfo, &TTimer::StaticClassInfo, &TPanel::StaticClassInfo, &TImageList::StaticClassInfo,
                          &TMessageForm::StaticClassInfo, &TStringList::StaticClassInfo, &TMemoryStream::StaticClassInfo,
                          &TFont::StaticClassInfo, &TPen::StaticClassInfo, &TBrush::StaticClassInfo, &TBitmap::StaticClassInfo,
                          &TPicture::StaticClassInfo, &TListBox::StaticClassInfo, &TMemo::StaticClassInfo,
                          &TScrollBar::StaticClassInfo, &TScrollBox::StaticClassInfo, &TListView::StaticClassInfo,
                          &TTreeView::StaticClassInfo, &TCheckBox::StaticClassInfo, &TRadioButton::StaticClassInfo,
                          &TGroupBox::StaticClassInfo, &TRadioGroup::StaticClassInfo, &TCheckGroup::StaticClassInfo,
                          &TPageControl::StaticClassInfo, &TTabSheet::StaticClassInfo, &TTabControl::StaticClassInfo,
                          &TTabSet::StaticClassInfo, &TStatusBar::StaticClassInfo, &THeaderControl::StaticClassInfo,
                          &TToolBar::StaticClassInfo, &TFrame::StaticClassInfo, &TTrackBar::StaticClassInfo,
                          &TUpDown::StaticClassInfo, &TDateTimePicker::StaticClassInfo, &TSpinEdit::StaticClassInfo,
                          &TMenuItem::StaticClassInfo, &TMainMenu::StaticClassInfo, &TPopupMenu::StaticClassInfo,
                          &TMediaPlayer::StaticClassInfo})
            info();
        return true;
    }();
    (void)done;
}
