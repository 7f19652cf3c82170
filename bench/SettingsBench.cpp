// SPDX-License-Identifier: GPL-3.0-or-later
// How long a starting game takes to read its settings file and a closing game to save it, for
// a small file and for files near the 1 MiB read bound (blank lines, or lines of other keys).
// Works in a scratch folder of its own, never on the player's file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "engine/SettingsFile.h"
#include "engine/Game.h"

namespace {

enum Kind { Small, BlankLines, KeyLines };

// Room left below the bound for the fifteen keys a save adds.
constexpr std::size_t kNearBound = (std::size_t{1} << 20) - 1024;

void WriteFile(Kind kind) {
    std::string text = "[Level 1]\nNumOfVertices=9\n";
    if (kind == BlankLines) {
        text.resize(kNearBound, '\n');
    } else if (kind == KeyLines) {
        for (int i = 0; text.size() + 16 < kNearBound; ++i) text += "k" + std::to_string(i) + "=v\n";
    }
    std::ofstream(game::SettingsFilePath(), std::ios::binary | std::ios::trunc) << text;
}

void BM_Load(benchmark::State& state) {
    WriteFile(static_cast<Kind>(state.range(0)));
    game::Game game;
    for (auto _ : state) {
        game::LoadSettings(game);
        benchmark::DoNotOptimize(game.Settings.NumberOfVertices);
    }
}

// Each save has one value changed, so that every round really writes.
void BM_Save(benchmark::State& state) {
    WriteFile(static_cast<Kind>(state.range(0)));
    game::Game game;
    game::LoadSettings(game);
    for (auto _ : state) {
        game.Settings.TeachingModePrimaryLevel ^= 1;
        if (game::SaveSettings(game) != game::SaveOutcome::Saved)
            state.SkipWithError("the save failed");
    }
}

void Register() {
    const std::pair<const char*, Kind> kinds[] = {
        {"small", Small}, {"blank_lines", BlankLines}, {"key_lines", KeyLines}};
    for (const auto& [name, kind] : kinds) {
        benchmark::RegisterBenchmark((std::string("Load/") + name).c_str(), BM_Load)
            ->Arg(kind)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Save/") + name).c_str(), BM_Save)
            ->Arg(kind)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = (std::filesystem::temp_directory_path() / "spectrumix-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return 1;
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
