// The meld panel (FramDeclare), the marriage suit panel (FramMarriage) and the melds reminder
// (FramMeldHelp): hidden until the engine shows them.
#include <QPushButton>
#include <array>

#include "table/TableBindings.h"
#include "table/TableControls.h"
#include "table/TableLook.h"
#include "widgets/FlatButton.h"

namespace {

struct ButtonDesign {
    const char* Name;
    const char* Caption;
    const char* ToolTip;
    int Left, Top, Width, Height;
    QColor Back;
    double Points;
    unsigned Style;
    TableCommands::Plain Command;
};

// An indexed handler bound to its button's index.
TableCommands::Plain WithIndex(const TableCommands::Indexed& command, int16_t index)
{
    return [command, index](Game& g) { command(g, index); };
}

constexpr unsigned MeldStyle = Bold | Underline;

std::array<ButtonDesign, 10> DeclareButtons(const TableCommands& c)
{
    return {{
        {"CmdDBezique", "Double Pinochle", "Click here if you have a Double Pinochle", 480, 480, 2052, 372,
         Look::MeldButton, 10.5, MeldStyle, c.CmdDBezique_Click},
        {"CmdBezique", "Pinochle", "Click here to Meld  a Pinochle", 2520, 480, 2052, 372, Look::MeldButton,
         10.5, MeldStyle, c.CmdBezique_Click},
        {"CmdSequence", "Run in Trumps", "Click here to Meld a Sequence", 480, 840, 2052, 372,
         Look::MeldButton, 10.5, MeldStyle, c.CmdSequence_Click},
        {"CmdFours(3)", "Four Aces", "Click here to Meld 4 Aces", 2520, 840, 2052, 372, Look::MeldButton,
         11.25, MeldStyle, WithIndex(c.CmdFours_Click, 3)},
        {"CmdFours(0)", "Four Kings", "Click here to Meld 4 Kings", 480, 1200, 2052, 372, Look::MeldButton,
         10.5, MeldStyle, WithIndex(c.CmdFours_Click, 0)},
        {"CmdFours(1)", "Four Queens", "Click here to Meld 4 Queens", 2520, 1200, 2052, 372,
         Look::MeldButton, 10.5, MeldStyle, WithIndex(c.CmdFours_Click, 1)},
        {"CmdFours(2)", "Four Jacks", "Click here to Meld 4 Jacks", 480, 1560, 2052, 372, Look::MeldButton,
         10.5, MeldStyle, WithIndex(c.CmdFours_Click, 2)},
        {"cmdDec7Trumps", "Dix- 9 Trumps", "Click here to Meld a 9 of Trumps", 2520, 1560, 2052, 372,
         Look::MeldButton, 10.5, MeldStyle, c.cmdDec7Trumps_Click},
        {"CmdMakeMarriage(4)", "Make Marriage", "Click here to make a marriage", 1440, 1920, 1950, 330,
         Look::MeldButton, 10.5, MeldStyle, WithIndex(c.CmdMakeMarriage_Click, 4)},
        {"CmdCancel", "C&ancel and Take Card", "", 720, 2520, 3495, 384, Look::Green, 11.25, Bold,
         c.CmdCancel_Click},
    }};
}

std::array<ButtonDesign, 4> MarriageButtons(const TableCommands& c)
{
    return {{
        {"CmdMarriage(1)", "Diamonds", "Click here to declare Marriage in Diamonds", 360, 480, 1995, 300,
         Look::MeldButton, 9.75, MeldStyle, WithIndex(c.CmdMarriage_Click, 1)},
        {"CmdMarriage(2)", "Clubs", "Click here to declare Marriage in Clubs", 360, 840, 1995, 300,
         Look::MeldButton, 9.75, MeldStyle, WithIndex(c.CmdMarriage_Click, 2)},
        {"CmdMarriage(3)", "Hearts", "Click here to declare Marriage in Hearts", 360, 1215, 1995, 300,
         Look::MeldButton, 9.75, MeldStyle, WithIndex(c.CmdMarriage_Click, 3)},
        {"CmdMarriage(4)", "Spades", "Click here to declare Marriage in Spades", 360, 1560, 1995, 300,
         Look::MeldButton, 9.75, MeldStyle, WithIndex(c.CmdMarriage_Click, 4)},
    }};
}

ButtonDesign OkButton(const TableCommands& c)
{
    return {"Command1", "&O.K", "", 1680, 4440, 1335, 375, Look::Green, 10.5, Bold, c.Command1_Click};
}

struct ReminderLine {
    const char* Name;
    int Top, Height;
    const char* Text;
};

const std::array<ReminderLine, 6> ReminderLines{{
    {"LblDix", 240, 612, "Dix - 9 of trumps swapped up card and melded. 10 points."},
    {"Label1", 840, 732, "Marriage - King and Queen of same suit. 40 points if trumps else 20 points each."},
    {"Label4", 1560, 612, "Single Pinochle - Queen  Spades -Jack Diamonds - 40 points."},
    {"Label9", 2160, 852,
     "Four cards same value but different suits - can be Aces at 100 points, Kings at 80 points, Queens "
     "at 60 points and Jacks at 40 points."},
    {"Label12", 3000, 612, "A run of Ace,Ten,King,Queen and Jack in Trumps - worth 150 points."},
    {"Label7", 3600, 732, "Double Pinochle - two Queen of Spades and two Jack of Diamonds - 500 points."},
}};

void AddButtons(QWidget* frame, const ButtonDesign* first, size_t count, const RunCommand& run)
{
    for (size_t i = 0; i < count; ++i) {
        const ButtonDesign& d = first[i];
        auto* button = new FlatButton(frame, d.Name, PxRect(d.Left, d.Top, d.Width, d.Height), d.Back,
                                      SerifFont(d.Points, d.Style), QString::fromUtf8(d.Caption),
                                      QString::fromUtf8(d.ToolTip));
        QObject::connect(button, &QPushButton::clicked, button, [run, command = d.Command] { run(command); });
    }
}

TablePanel* MeldFrame(QWidget* parent, const char* name, QRect rect, const char* caption, QColor text,
                      const QFont& font)
{
    auto* frame = new TablePanel(parent, name, rect, Look::MeldFrame);
    frame->SetCaption(QString::fromUtf8(caption), text, font);
    frame->hide();
    return frame;
}

}  // namespace

void BuildMeldPanels(QWidget* parent, TableBindings& bindings, const TableCommands& commands,
                     const RunCommand& run)
{
    auto* declare = MeldFrame(parent, "FramDeclare", PxRect(3840, 0, 4965, 3015),
                              "Select a Declaration or Cancel to receive a card", Look::MeldFrameText,
                              SerifFont(10.5, Bold | Underline));
    declare->AddBox(PxRect(360, 360, 4296, 2016), 3, Look::ShapeRed);  // Shape6
    const auto declareButtons = DeclareButtons(commands);
    AddButtons(declare, declareButtons.data(), declareButtons.size(), run);
    bindings.Frames.emplace_back(&TableModel::FramDeclare, declare);

    auto* marriage = MeldFrame(parent, "FramMarriage", PxRect(4800, 120, 2775, 2205),
                               "Select Marriage suit  to Make", Look::Yellow, SerifFont(8.25, Bold | Underline));
    marriage->AddBox(PxRect(270, 360, 2175, 1635), 3, Look::ShapeRed);  // Shape4
    const auto marriageButtons = MarriageButtons(commands);
    AddButtons(marriage, marriageButtons.data(), marriageButtons.size(), run);
    bindings.Frames.emplace_back(&TableModel::FramMarriage, marriage);

    auto* reminder = MeldFrame(parent, "FramMeldHelp", PxRect(3960, 120, 4575, 5052), "Meld Quick Reminder",
                               Look::Yellow, SerifFont(10.5, Bold | Underline));
    const LabelLook lineLook{Look::MeldButton, Qt::black, SerifFont(10.5, Bold), true, true, false};
    for (const ReminderLine& line : ReminderLines)
        new TableLabel(reminder, line.Name, PxRect(120, line.Top, 4332, line.Height), lineLook, line.Text);
    const ButtonDesign ok = OkButton(commands);
    AddButtons(reminder, &ok, 1, run);
    bindings.Frames.emplace_back(&TableModel::FramMeldHelp, reminder);
}
