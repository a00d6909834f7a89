#include "dialog/DeluxeLayout.h"

namespace {

constexpr double DialogWidth = 4500;
constexpr double TitleLeft = 45, TitleTop = 60, TitleHeight = 300, TitleInset = 90;
constexpr double PromptLeft = 90, PromptTop = 450;
constexpr double IconLeft = 3900, IconSize = 510;
constexpr double ButtonWidth = 1275, ButtonHeight = 300, ButtonBottomMargin = 90;
constexpr double ThreeButtonGap = 45, TwoButtonHalfGap = 23;

}  // namespace

DeluxeLayout LayOutDeluxe(double promptHeight, bool hasButton2, bool hasButton3)
{
    DeluxeLayout l;
    l.Width = DialogWidth;
    l.Height = promptHeight + DeluxeExtraHeight;
    const double w = l.Width, h = l.Height;

    l.TitleLeft = TitleLeft;
    l.TitleTop = TitleTop;
    l.TitleWidth = w - TitleInset;
    l.TitleHeight = TitleHeight;

    l.PromptLeft = PromptLeft;
    l.PromptTop = PromptTop;
    l.PromptWidth = DeluxePromptWidth;
    l.PromptHeight = promptHeight;

    l.IconLeft = IconLeft;
    l.IconSize = IconSize;
    l.IconTop = h / 2 - IconSize / 2;

    l.ButtonWidth = ButtonWidth;
    l.ButtonHeight = ButtonHeight;
    l.ButtonTop = h - ButtonHeight - ButtonBottomMargin;
    const double w0 = ButtonWidth, w1 = ButtonWidth;
    // The three-button places; the first is centred when it stands alone.
    l.ButtonLeft = {w / 2 - w0 / 2, w / 2 - w1 / 2, w / 2 + w1 / 2 + ThreeButtonGap};
    l.ButtonVisible = {true, hasButton2, hasButton3};
    if (hasButton2 && hasButton3) {
        l.ButtonLeft[0] = w / 2 - w0 - w1 / 2 - ThreeButtonGap;
    } else if (hasButton2) {
        l.ButtonLeft[0] = w / 2 - w0 - TwoButtonHalfGap;
        l.ButtonLeft[1] = w / 2 + TwoButtonHalfGap;
    }
    // A third button without a second keeps its three-button place, clear of the centred first.
    return l;
}
