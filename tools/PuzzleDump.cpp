// SPDX-License-Identifier: GPL-3.0-or-later
// puzzle-dump: prints the puzzle that NewPuzzle builds with every clock reading pinned to
// one time of day, as one JSON object per line. A developer's and reviewer's tool.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/Game.h"
#include "engine/Views.h"

namespace {

struct Request {
    std::int32_t timeMs = 0;
    std::int32_t vertices = 6;
    std::int32_t colors = 3;
    std::int32_t edgeProbability = 63;
    bool randomVertices = false;
    bool randomColors = false;
    bool randomEdgeProbability = false;
};

constexpr std::int32_t kMsPerDay = 24 * 60 * 60 * 1000;

std::optional<std::int64_t> ParseInteger(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        return std::nullopt;
    return value;
}

std::string Validate(const Request& r) {
    if (r.timeMs < 0 || r.timeMs >= kMsPerDay)
        return "time must be 0..86399999 milliseconds";
    if (r.vertices < game::kMinVertices || r.vertices > game::kMaxVertices)
        return "vertices must be 6..16";
    if (r.colors < game::kMinColors || r.colors > game::kMaxColors)
        return "colors must be 2..4";
    if (r.edgeProbability < 1 || r.edgeProbability > 100)
        return "edge probability must be 1..100";
    return {};
}

std::string Dump(const Request& r) {
    game::Game game;
    game.PinClock(r.timeMs);
    game.Settings.NumberOfVertices = r.vertices;
    game.Settings.NumberOfColors = r.colors;
    game.Settings.EdgeProbability = r.edgeProbability;
    game.Settings.RandomNumberOfVertices = r.randomVertices;
    game.Settings.RandomNumberOfColors = r.randomColors;
    game.Settings.RandomEdgeProbability = r.randomEdgeProbability;
    game.Settings.ShowEdges = false;

    std::vector<std::pair<int, int>> edges;
    game.SetEdgeListener(
        [](int u, int v, void* sink) {
            static_cast<std::vector<std::pair<int, int>>*>(sink)->emplace_back(u, v);
        },
        &edges);
    game.NewPuzzle();
    game.SetEdgeListener(nullptr, nullptr);

    const int n = game.Settings.NumberOfVertices;
    const game::PuzzleState& p = game.Puzzle;
    std::ostringstream out;
    out << "{\"vertices\":" << n << ",\"colors\":" << game.Settings.NumberOfColors
        << ",\"edgeProbability\":" << game.Settings.EdgeProbability << ",\"hiddenColoring\":[";
    for (int k = 1; k <= n; ++k) out << (k > 1 ? "," : "") << p.HiddenColoring[k];
    out << "],\"edges\":[";
    for (std::size_t i = 0; i < edges.size(); ++i) {
        out << (i ? "," : "") << '[' << edges[i].first << ',' << edges[i].second << ']';
    }
    out << "],\"edgeCount\":" << p.EdgeCount
        << ",\"parShown\":" << game::ParFor(n, true, p.HiddenColorCount, p.EdgeCount)
        << ",\"parHidden\":" << game::ParFor(n, false, p.HiddenColorCount, p.EdgeCount) << '}';
    return out.str();
}

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "puzzle-dump: " << message << '\n';
    std::exit(2);
}

int RunBatch() {
    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::istringstream in(line);
        std::vector<std::string> fields;
        for (std::string field; in >> field;) fields.push_back(field);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (fields.size() != 7)
            Fail(where + "expected seven integers \"T N C P RV RC RP\"");
        std::int64_t v[7];
        for (int i = 0; i < 7; ++i) {
            const auto parsed = ParseInteger(fields[static_cast<std::size_t>(i)]);
            if (!parsed)
                Fail(where + "not an integer: " + fields[static_cast<std::size_t>(i)]);
            v[i] = *parsed;
        }
        for (int i = 4; i < 7; ++i) {
            if (v[i] != 0 && v[i] != 1)
                Fail(where + "flags must be 0 or 1");
        }
        for (int i = 0; i < 4; ++i) {
            if (v[i] < INT32_MIN || v[i] > INT32_MAX)
                Fail(where + "value out of range: " + fields[static_cast<std::size_t>(i)]);
        }
        Request r{static_cast<std::int32_t>(v[0]),
                  static_cast<std::int32_t>(v[1]),
                  static_cast<std::int32_t>(v[2]),
                  static_cast<std::int32_t>(v[3]),
                  v[4] == 1,
                  v[5] == 1,
                  v[6] == 1};
        if (const std::string error = Validate(r); !error.empty())
            Fail(where + error);
        std::cout << Dump(r) << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--batch")
        return RunBatch();

    Request r;
    bool haveTime = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::int32_t {
            if (i + 1 >= args.size())
                Fail(a + " needs a value");
            const auto parsed = ParseInteger(args[++i]);
            if (!parsed || *parsed < INT32_MIN || *parsed > INT32_MAX)
                Fail(a + " needs an integer, got \"" + args[i] + "\"");
            return static_cast<std::int32_t>(*parsed);
        };
        if (a == "--time-ms") {
            r.timeMs = value();
            haveTime = true;
        } else if (a == "--vertices") {
            r.vertices = value();
        } else if (a == "--colors") {
            r.colors = value();
        } else if (a == "--edge-probability") {
            r.edgeProbability = value();
        } else if (a == "--random-vertices") {
            r.randomVertices = true;
        } else if (a == "--random-colors") {
            r.randomColors = true;
        } else if (a == "--random-edge-probability") {
            r.randomEdgeProbability = true;
        } else {
            Fail("unknown argument \"" + a +
                 "\" (usage: puzzle-dump --time-ms T --vertices N --colors C "
                 "--edge-probability P [--random-vertices] [--random-colors] [--random-edge-probability] | "
                 "--batch)");
        }
    }
    if (!haveTime)
        Fail("--time-ms is required");
    if (const std::string error = Validate(r); !error.empty())
        Fail(error);
    std::cout << Dump(r) << '\n';
    return 0;
}
