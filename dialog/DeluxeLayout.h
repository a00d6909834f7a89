#pragma once
// Where the message dialog's parts stand, in twips, for a prompt of a given height and the
// buttons in use. Kept free of widgets so that the figures can be checked exactly.
#include <array>

#include "resources/Measure.h"

struct DeluxeLayout {
    double Width = 0, Height = 0;
    double TitleLeft = 0, TitleTop = 0, TitleWidth = 0, TitleHeight = 0;
    double PromptLeft = 0, PromptTop = 0, PromptWidth = 0, PromptHeight = 0;
    double IconLeft = 0, IconTop = 0, IconSize = 0;
    double ButtonTop = 0, ButtonWidth = 0, ButtonHeight = 0;
    std::array<double, 3> ButtonLeft{};
    std::array<bool, 3> ButtonVisible{};
};

// The prompt's fixed width; it wraps its text at it and takes the height that needs.
inline constexpr double DeluxePromptWidth = 3375;
// The dialog's height beyond the prompt's: title strip, margins and the button row.
inline constexpr double DeluxeExtraHeight = 1140;

DeluxeLayout LayOutDeluxe(double promptHeight, bool hasButton2, bool hasButton3);
