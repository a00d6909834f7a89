// The game totals against the target: the knock offered to the user and made by the computer
// while the stock lasts, the rise of the target at a hand's end, and the end of a game.
#include "engine/hand/GameEnd.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/Flow.h"
#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/settings/Settings.h"
#include "engine/steps/ScoreBoard.h"

namespace {

constexpr int16_t TargetRise = 250;

bool Over(int16_t total, int16_t target) { return total >= target; }

void CheckDuringRound1(Game& g)
{
    const int16_t p = g.TotalScoreP, c = g.TotalScoreC, target = g.TargetScore;
    if (Over(p, target) && !Over(c, target)) {
        Pause(g);
        g.Table.LblKnock.Visible = true;
    }
    if (g.PlayerKnocked) {
        g.Table.LblKnock.Visible = false;
        if (Over(g.TotalScoreP, g.TargetScore) && !Over(g.TotalScoreC, g.TargetScore)) {
            PlayerWinsGame(g);
            return;
        }
    }
    if (Over(g.TotalScoreC, g.TargetScore) && !Over(g.TotalScoreP, g.TargetScore)) {
        PlaySoundFile(g, "knock.wav");
        {
            const PaceScope knock(g, KnockExtra);
            Pause(g);
        }
        ComputerWinsGame(g);
    }
}

void CheckAtHandEnd(Game& g)
{
    if (Over(g.TotalScoreP, g.TargetScore) && Over(g.TotalScoreC, g.TargetScore)) {
        g.TargetScore = AddPoints(g.TargetScore, TargetRise);
        g.Table.Caption = "Target Score:- " + std::to_string(g.TargetScore);
        DeluxeMsgBox(g, "As you are both over target score it will increase by 250 and another hand played.",
                     "O.K", "", "", IconCards, "Both over target");
    }
    const bool userOver = Over(g.TotalScoreP, g.TargetScore);
    const bool computerOver = Over(g.TotalScoreC, g.TargetScore);
    if (computerOver && !userOver)
        ComputerWinsGame(g);
    else if (userOver && !computerOver)
        PlayerWinsGame(g);
}

// Counts the game, asks whether to play on, saves the statistics and replaces the flow.
[[noreturn]] void EndGame(Game& g, int32_t winner, const char* verdict)
{
    g.GamesWon[winner] += 1;
    const std::string prompt = g.PlayerName + verdict + std::to_string(g.TotalScoreP) + " against " +
                               std::to_string(g.TotalScoreC) + " for " + g.BotName +
                               "Click on Play for another game or Exit to leave the game.";
    // A dialog closed without a click must not leave the program on a stale answer.
    g.DialogButton = AnswerButton1;
    DeluxeMsgBox(g, prompt, "Play", "Exit", "", IconCards, "Play again?");
    SaveSettings(g);
    if (g.DialogButton == AnswerButton1) {
        g.GameInProgress = false;
        ReplaceFlow(g, FlowRequest::NewHand);
    }
    ReplaceFlow(g, FlowRequest::Exit);
}

}  // namespace

void CheckForWinner(Game& g)
{
    if (!g.GameInProgress)
        return;
    if (g.InRound1)
        CheckDuringRound1(g);
    else if (g.InRound2)
        CheckAtHandEnd(g);
}

void PlayerWinsGame(Game& g)
{
    if (g.GameInProgress)
        EndGame(g, SidePlayer, " well done, you won that game with points ");
}

void ComputerWinsGame(Game& g)
{
    if (g.GameInProgress)
        EndGame(g, SideComputer, " unfortunately, you lost that game with points ");
}
