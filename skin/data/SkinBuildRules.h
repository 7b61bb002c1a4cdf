// The rules of the element builder that need no bitmap and no window: which sections are caption
// buttons, how many frames an image holds, where the MDI buttons and combo cells sit.
#pragma once

#include <string>
#include <string_view>

// Upper-cases the ASCII letters a to z only.
std::string UpperAscii(std::string_view text);

// A section that describes a caption button: its upper-cased name begins with "BUTTON" and is none of
// "BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX".
bool IsCaptionButtonSection(std::string_view sectionName);

// A caption button section with "Action=-1" and a non-zero "Visibility" describes no button.
constexpr bool IsDroppedCaptionButton(int action, int visibility) { return action == -1 && visibility != 0; }

// Default of "Visibility1": -1 for a button whose action is -1, else 0.
constexpr int CaptionButtonVisibility1Default(int action) { return action == -1 ? -1 : 0; }

struct TCaptionButtonFrames {
    int frameCount;
    bool dropImage; // the button draws no image of its own (actions 3 and 11)
};

// The frame count of a caption button from its "frame" key and its image. A non-zero key is kept as it
// is. Otherwise: 6, or for a non-empty image 3 when width / height is at most 3.8 and 6 when wider, and
// always 6 for a negative action.
TCaptionButtonFrames CaptionButtonFrames(int frameKey, int imageWidth, int imageHeight, int action);

// The MDI image holds 12 cells; MDI button i (0 to 2) takes cells 4i to 4i+3 and sits at this XCoord.
inline constexpr int MdiCellCount = 12;
inline constexpr int MdiCellsPerButton = 4;
constexpr int MdiButtonXCoord(int cellWidth, int index) { return (cellWidth + 4) * (3 - index); }

// "RadioButtonFrame" / "CheckButtonFrame" when the key gave 0: cells of 13 pixels for an image under 16
// pixels high, 16 otherwise, and at least 4.
int CheckFrameCountFromImage(int frameKey, int imageWidth, int imageHeight);

// "Tile" of most elements: values above 1 become 0. Borders, the menu bar and the progress bar clamp to 1.
constexpr int TileOrZero(int tile) { return tile > 1 ? 0 : tile; }
constexpr int TileOrOne(int tile) { return tile > 1 ? 1 : tile; }

// The tab pane's margins are at most 4.
constexpr int TabPaneMargin(int margin) { return margin > 4 ? 4 : margin; }

struct TCellRect {
    int left, top, right, bottom;
};

// The combo strip: cells of 50 x 21, the button drawn into the right part, the text area kept magenta.
inline constexpr int ComboCellWidth = 50;
inline constexpr int ComboCellHeight = 21;
// bw: the system's horizontal scroll arrow width + 2.
constexpr TCellRect ComboButtonPart(int bw) { return {ComboCellWidth - bw, 0, ComboCellWidth, ComboCellHeight}; }
constexpr TCellRect ComboTextPart(int bw) { return {2, 2, ComboCellWidth - 1 - bw, 18}; }

// The combo arrow: 17 x 17 cells cut from the combo button strip, whose cells are cellWidth wide.
inline constexpr int ComboArrowSize = 17;
constexpr TCellRect ComboArrowSource(int cellWidth, int index) {
    return {(index + 1) * cellWidth - 19, 2, (index + 1) * cellWidth - 2, 19};
}

// The toolbar background: 10 x 40, a vertical gradient. Its bottom colour blends the border colour with
// white by this weight when the border colour's saturation is above 110.
inline constexpr int ToolbarBackWidth = 10;
inline constexpr int ToolbarBackHeight = 40;
constexpr bool ToolbarUsesSaturatedBorder(int saturation) { return saturation > 110; }
constexpr int ToolbarBorderWeight(int saturation) { return (225 - saturation) * 25 / 140 + 50; }
