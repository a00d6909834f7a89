#include "engine/state/TableModel.h"

TableModel::TableModel()
{
    StatusBar[1] = {"Trump", PictureNoTrumps};
    StatusBar[2] = {"General Information", 0};
    StatusBar[3] = {"Tricks", 0};
    StatusBar[4] = {"Rounds", 0};
}

std::string ShownCaption(const std::string& caption)
{
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}
