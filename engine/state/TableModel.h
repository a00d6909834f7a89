#pragma once
// What the table window shows, written by the engine and mirrored by the Qt window.
// Positions are in twips from the top left of the window's client area.
#include <array>
#include <cstdint>
#include <string>

// Pictures of the table's image list: 1..48 card faces, 49 the back, 50..53 the suit symbols.
inline constexpr int16_t ImageBack = 49;
inline constexpr int16_t ImageSuitBase = 49;  // ImageSuitBase + suit code
// Panel 1's picture before trumps are fixed: a red disc with a white bar. Not in the image list.
inline constexpr int16_t PictureNoTrumps = 54;

inline constexpr int CardBoxWidth = 1080;
inline constexpr int CardBoxHeight = 1470;

struct CardBox {
    int16_t Picture = 0;  // image number; 0 before start-up gives it one
    int Left = 0;
    int Top = 0;
    bool Visible = false;
    uint64_t Z = 0;  // stacking order among boxes and frames: higher lies on top
};

struct LabelModel {
    std::string Caption;
    bool Visible = true;
};

struct FrameModel {
    bool Visible = false;
    uint64_t Z = 0;
};

struct PanelModel {
    std::string Text;
    int16_t Picture = 0;  // 0 none
};

struct TableModel {
    std::array<CardBox, 49> PicCard{};  // 1..48; element 0 unused

    // Score board: the user's panel (FrameTricks) and the computer's (Frame1).
    LabelModel LblLastTrickP{"0"}, LblTotTricksP{"0"}, LblLastMeldP{"0"}, LblTotalMeldsP{"0"},
        LblTotalScoreP{"0"};
    LabelModel LblLastTrickC{"0"}, LblTotTricskC{"0"}, LbllLastMeldC{"0"}, LblTotMeldsC{"0"},
        LblTotScoreC{"0"};

    // Names: LblPlayer(0) on the table, LblPname(1) in the user's panel; LblBotsName and LblBName.
    LabelModel LblPlayer{"Player"}, LblPname{"Player"}, LblBotsName{"Opponent"}, LblBName{"Opponent"};

    LabelModel LblStock{"Stock", true};
    LabelModel LblKnock{"Knock?", false};
    LabelModel CmdSort{"&Sort Same", false};

    FrameModel FramDeclare, FramMarriage, FramMeldHelp;

    std::array<PanelModel, 5> StatusBar{};  // panels 1..4; element 0 unused

    std::string Caption = "Quillmere";

    uint64_t NextZ = 1;

    TableModel();

    void BringToFront(int cardIndex) { PicCard[cardIndex].Z = NextZ++; }
    void BringToFront(FrameModel& frame) { frame.Z = NextZ++; }
    void Move(int cardIndex, int left, int top)
    {
        PicCard[cardIndex].Left = left;
        PicCard[cardIndex].Top = top;
    }
};

// Caption text as shown: an ampersand marks the access key and is not shown ("&&" shows one).
std::string ShownCaption(const std::string& caption);
