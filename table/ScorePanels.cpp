// The two score panels: the computer's (Frame1) at the top right, the user's (FrameTricks) at
// the bottom right.
#include <array>

#include "table/TableBindings.h"
#include "table/TableControls.h"
#include "table/TableLook.h"

namespace {

constexpr int PanelLeft = 10440;
constexpr int PanelWidth = 2415;
constexpr int PanelHeight = 2520;
constexpr int RowCount = 5;
constexpr int TotalRow = 4;

struct RowDesign {
    int Top;
    const char* Caption;
    int CaptionWidth;
};

constexpr std::array<RowDesign, RowCount> Rows{{
    {480, "Last Trick:-", 1095},
    {840, "Total Tricks:-", 1215},
    {1200, "Last Meld:-", 1095},
    {1560, "Total Melds:-", 1095},
    {2040, "TOTAL SCORE", 0},  // width per side
}};

struct ValueDesign {
    const char* Name;
    LabelModel TableModel::*Field;
    const char* ToolTip;
};

struct SideDesign {
    const char* Frame;
    int Top;
    QColor Back;
    const char* NameLabel;
    LabelModel TableModel::*Name;
    int NameLeft;
    std::array<const char*, RowCount> CaptionLabels;
    int TotalLeft;
    int TotalWidth;
    std::array<ValueDesign, RowCount> Values;
};

const std::array<SideDesign, 2> Sides{{
    {"Frame1", 120, Look::BotPanel, "LblBName", &TableModel::LblBName, 480,
     {"Label13", "Label10", "Label11", "Label6", "Label3"}, 120, 1455,
     {{{"LblLastTrickC", &TableModel::LblLastTrickC, ""},
       {"LblTotTricskC", &TableModel::LblTotTricskC, ""},
       {"LbllLastMeldC", &TableModel::LbllLastMeldC, "Last Meld Score Merriel"},
       {"LblTotMeldsC", &TableModel::LblTotMeldsC, ""},
       {"LblTotScoreC", &TableModel::LblTotScoreC, "Total score Merriel"}}}},
    {"FrameTricks", 9120, Look::PlayerPanel, "LblPname(1)", &TableModel::LblPname, 600,
     {"Label2", "Label5", "LastMeld", "Label8", "LblTotal"}, 240, 1335,
     {{{"LblLastTrickP", &TableModel::LblLastTrickP, "Your last trick score"},
       {"LblTotTricksP", &TableModel::LblTotTricksP, "Your current trick scores"},
       {"LblLastMeldP", &TableModel::LblLastMeldP, ""},
       {"LblTotalMeldsP", &TableModel::LblTotalMeldsP, ""},
       {"LblTotalScoreP", &TableModel::LblTotalScoreP, ""}}}},
}};

void BuildSide(QWidget* parent, const SideDesign& side, TableBindings& bindings)
{
    auto* frame = new TablePanel(parent, side.Frame, PxRect(PanelLeft, side.Top, PanelWidth, PanelHeight),
                                 side.Back);
    frame->SetCaption("Current and Total  Scores", Qt::black, SerifFont(9.75, Bold | Underline));
    // Line2 (Line1 on the user's panel), between the fourth and the fifth rows.
    frame->AddLine({Px(0), Px(1920)}, {Px(2400), Px(1920)}, 4, Qt::black);

    const QFont nameFont = SerifFont(9.75, Bold | Underline);
    const TableModel design;
    auto* name = new TableLabel(frame, side.NameLabel,
                                QRect(Px(side.NameLeft), Px(240), 0, QFontMetrics(nameFont).height()),
                                {side.Back, Qt::black, nameFont, false, false, true},
                                (design.*side.Name).Caption);
    bindings.Labels.emplace_back(side.Name, name);

    // The captions stand on the panel's own colour; the total's may run over its border.
    const LabelLook captionLook{QColor(), Qt::black, SerifFont(9.75, Bold), false, false, false};
    const LabelLook totalLook{QColor(), Qt::black, SerifFont(11.25, Bold | Underline), false, false, false};
    const LabelLook valueLook{Look::ValueBack, Qt::black, SerifFont(9.75, Bold), true, true, false};
    for (int r = 0; r < RowCount; ++r) {
        const RowDesign& row = Rows[r];
        const bool total = r == TotalRow;
        const int left = total ? side.TotalLeft : 480;
        const int width = total ? side.TotalWidth : row.CaptionWidth;
        // The total's caption reaches down to the panel's foot, room for its two lines.
        const int height = total ? PanelHeight - row.Top : 255;
        new TableLabel(frame, side.CaptionLabels[r], PxRect(left, row.Top, width, height),
                       total ? totalLook : captionLook, row.Caption);

        const ValueDesign& v = side.Values[r];
        auto* value = new TableLabel(frame, v.Name, PxRect(1680, row.Top, 615, 255), valueLook,
                                     (design.*v.Field).Caption);
        value->setToolTip(QString::fromUtf8(v.ToolTip));
        bindings.Labels.emplace_back(v.Field, value);
    }
}

}  // namespace

void BuildScorePanels(QWidget* parent, TableBindings& bindings)
{
    for (const SideDesign& side : Sides)
        BuildSide(parent, side, bindings);
}
