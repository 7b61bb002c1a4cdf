// Writes the images the builder composes from the stored skin (combo strips, combo arrow, toolbar
// background, MDI buttons, built-in tracks, menu glyphs) as .bmp files into a folder, to be looked at.
#include "SkinTestSupport.h"

#include "runtime/ImgList.h"

#include <cstdio>
#include <string>

namespace {

void Save(TBitmap& bitmap, const std::string& path) {
    if (bitmap.Empty()) return;
    TMemoryStream out;
    bitmap.SaveToStream(out);
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(out.Memory(), 1, static_cast<std::size_t>(out.Size()), f);
        std::fclose(f);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    StreamedSkinData s("    Active = True\n", StoredSkinPackage());
    TSkinData& d = *s.data;
    if (d.IsEmpty) return 1;
    Save(*d.ComboButton->Bitmap, folder + "/combobutton_strip.bmp");
    Save(*d.ComboButton->Bitmap2, folder + "/combobutton_mirror.bmp");
    Save(*d.SunkEdge->Bitmap, folder + "/sunkedge_strip.bmp");
    Save(*d.ComboArrow->Bitmap, folder + "/comboarrow.bmp");
    Save(*d.ToolbarBack->Bitmap, folder + "/toolbarback.bmp");
    for (int i = 0; i < 3; ++i) Save(*d.SysButtons[7 + i]->Bitmap, folder + "/mdi" + std::to_string(i) + ".bmp");
    StreamedSkinData bare("", MakePackage({{"skin.ini", TextBytes("[x]\n")}}));
    Save(*bare.data->Track->Bitmap, folder + "/builtin_track.bmp");
    Save(*bare.data->TrackVert->Bitmap, folder + "/builtin_trackvert.bmp");
    // The glyphs as the system menu draws them: masked, over a light ground.
    for (int i = 0; i < d.MenuGlyphs->Count(); ++i) {
        TBitmap glyph;
        glyph.SetPixelFormat(pf24bit);
        glyph.SetSize(16, 16);
        glyph.Canvas()->Brush()->SetColor(0xF0E8E0);
        glyph.Canvas()->FillRect(RECT{0, 0, 16, 16});
        d.MenuGlyphs->Draw(glyph.Canvas(), 0, 0, i);
        Save(glyph, folder + "/menuglyph" + std::to_string(i) + ".bmp");
    }
    std::printf("written to %s\n", folder.c_str());
    return 0;
}
