#pragma once
// The game's pictures, drawn by our own code and cached per device pixel ratio, so they are crisp
// on any screen. Image numbers are those of the table's image list (engine/state/TableModel.h):
// 1..48 card faces, 49 the back, 50..53 the suit symbols; PictureNoTrumps the panel's
// red disc with a white bar.
#include <QIcon>
#include <QPixmap>
#include <QSize>

// Logical sizes in pixels (15 twips to the pixel). The faces are a little smaller than the back,
// and a card box takes the size of the picture it shows.
inline constexpr QSize CardFaceSize{71, 96};      // images 1..48
inline constexpr QSize CardBackSize{72, 98};      // image 49
inline constexpr QSize SuitPictureSize{32, 32};
inline constexpr QSize DialogIconSize{32, 32};
inline constexpr QSize HelpCardSize{55, 55};     // the small card faces of the help pages

// A picture of the table's image list, or PictureNoTrumps; a null pixmap for any other number.
QPixmap TablePicture(int image, qreal devicePixelRatio);
// Its logical size; empty for a number without a picture.
QSize TablePictureSize(int image);

// The message dialog's icons: 1 two picture cards on dark green, 2 a white question mark on a
// green disc, 3 a white "i" on a dark blue disc.
QPixmap DialogIconPicture(int icon, qreal devicePixelRatio);

// The small face of card k (1..48) shown on the help pages.
QPixmap HelpCardPicture(int cardIndex, qreal devicePixelRatio);

// Two playing cards on a teal ground: the table window's and the About window's icon.
QIcon WindowIcon();
QPixmap WindowIconPicture(int logicalSize, qreal devicePixelRatio);
