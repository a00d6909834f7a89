// Writes the game's four sounds into the folder given: gensounds <folder>
#include <cstdio>
#include <filesystem>

#include "tools/SoundSynth.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gensounds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const SoundRecipe& r : SoundRecipes()) {
        const std::filesystem::path file = folder / r.file;
        if (!WriteWavFile(file.string(), WavBytes(RenderSound(r), SoundRate))) {
            std::fprintf(stderr, "gensounds: cannot write %s\n", file.string().c_str());
            return 1;
        }
    }
    return 0;
}
