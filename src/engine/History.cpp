// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/History.h"

#include "engine/Position.h"
#include "engine/PuzzleCode.h"
#include "engine/WholeNumber.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace game {

namespace {

constexpr int kFormatVersion = 3;
constexpr const char* kMagic = "#SpEcTrUmIx-history";

// The columns of this version, in the order it writes them.
enum Column : std::size_t {
    kUtc,
    kVertices,
    kColors,
    kEdges,
    kPar,
    kResult,
    kGood,
    kTeaching,
    kEnding,
    kSolveMs
};
constexpr std::array<std::string_view, 10> kColumns = {
    "utc", "vertices", "colors", "edges", "par", "result", "par_or_better", "teaching", "ending", "solve_ms"};
// The puzzle's code, written from version 2 on after the others. A file begun by version 1 has
// no such name in its header, yet a game of today appends its code to the lines it adds there:
// then the field after the named ones is taken when it reads as a code.
constexpr std::string_view kCodeColumn = "code";
// The game's clicks (ClicksText), written from version 3 on after the code. A file begun by an
// older version names no such column: the field after the code is taken when it reads as clicks.
// An older version reading a line of today passes over the field it does not name.
constexpr std::string_view kClicksColumn = "clicks";
constexpr std::array<std::string_view, 3> kEndings = {"solved", "new_puzzle", "solution_asked"};

// The tab-separated fields of a line, up to a generous number of columns (more are ignored);
// kept on the stack, as a history of many thousands of games is read line by line.
struct Fields {
    std::array<std::string_view, 48> at;
    std::size_t count = 0;
};

Fields Split(std::string_view line) {
    Fields fields;
    std::size_t start = 0;
    while (fields.count < fields.at.size()) {
        const std::size_t tab = line.find('\t', start);
        fields.at[fields.count++] =
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

bool Flag(std::string_view field, bool& value) {
    if (field != "0" && field != "1")
        return false;
    value = field == "1";
    return true;
}

// Where each column of this version stands in the file's lines, and where the code and the
// clicks do.
struct ColumnMap {
    std::array<std::size_t, kColumns.size()> at;
    std::size_t code;
    std::size_t clicks;
};
constexpr ColumnMap kOwnOrder = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, 11};

ColumnMap MapColumns(std::string_view header) {
    const Fields names = Split(header);
    ColumnMap map{};
    // The first field is the format's name and version; the columns follow.
    const auto find = [&](std::string_view name) {
        for (std::size_t i = 1; i < names.count; ++i) {
            if (names.at[i] == name)
                return i;
        }
        return std::size_t{0};
    };
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        const std::size_t found = find(kColumns[column]);
        if (!found)
            return kOwnOrder;  // not a header this version understands: read the own order
        map.at[column] = found - 1;
    }
    const std::size_t code = find(kCodeColumn);
    map.code = code ? code - 1 : names.count - 1;
    const std::size_t clicks = find(kClicksColumn);
    map.clicks = clicks ? clicks - 1 : std::max(names.count - 1, map.code + 1);
    return map;
}

// Reads a game from its line; its clicks field, unread, goes to `clicks` ("-": none).
bool ReadLine(std::string_view line, const ColumnMap& map, GameRecord& game, std::string_view& clicks) {
    const Fields fields = Split(line);
    for (std::size_t index : map.at) {
        if (index >= fields.count)
            return false;
    }
    const auto at = [&](Column column) { return fields.at[map.at[column]]; };
    const std::string_view utc = at(kUtc);
    if (utc.size() < 20 || utc.size() >= game.utc.size() || utc.back() != 'Z' || utc[4] != '-' ||
        utc[10] != 'T' || utc.find('\0') != std::string_view::npos)
        return false;
    game.utc.fill('\0');
    utc.copy(game.utc.data(), utc.size());
    bool ending = false;
    for (std::size_t e = 0; e < kEndings.size(); ++e) {
        if (at(kEnding) == kEndings[e]) {
            game.ending = static_cast<Ending>(e);
            ending = true;
        }
    }
    if (!ending || !ReadWholeNumber(at(kVertices), game.vertices) || !ReadWholeNumber(at(kColors), game.colors) ||
        !Flag(at(kEdges), game.edgesShown) || !ReadWholeNumber(at(kPar), game.par) ||
        !ReadWholeNumber(at(kResult), game.result) || !Flag(at(kGood), game.parOrBetter) ||
        !Flag(at(kTeaching), game.teaching))
        return false;
    if (game.par < 1 || game.par > kLargestPar || game.result < 0 || game.result > kLargestResult)
        return false;
    game.solveMs = -1;
    if (at(kSolveMs) != "-" &&
        (!ReadWholeNumber(at(kSolveMs), game.solveMs) || game.solveMs < 0 || game.solveMs > kLongestSolveMs))
        return false;
    // A code is kept only when it names a puzzle of this very shape; anything else in its place
    // (a damaged field, another version's column) leaves the game without one.
    game.code.fill('\0');
    if (map.code < fields.count) {
        const CodeReading reading = ReadPuzzleCode(fields.at[map.code]);
        if (reading.ok() && reading.recipe.vertices == game.vertices && reading.recipe.colors == game.colors &&
            reading.recipe.edgesShown == game.edgesShown)
            game.code = PuzzleCodeOf(reading.recipe);
    }
    // Clicks are kept only with the code they were played on; a field that does not read as
    // clicks leaves the game without them, its figures as they were.
    game.clicks.clear();
    clicks = !game.Code().empty() && map.clicks < fields.count ? fields.at[map.clicks] : std::string_view("-");
    return game.Level() != 0;
}

// Calls `each` with every line of `text` and whether it is the header.
template <typename Each>
void ForEachLine(std::string_view text, Each each) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool broken = end == std::string_view::npos;  // the last line, its write cut short
        if (broken)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        each(line, text.substr(start, end - start + (broken ? 0 : 1)), broken);
        start = end + 1;
    }
}

}  // namespace

std::int32_t LevelOf(std::int32_t vertices, std::int32_t colors, bool edgesShown) {
    if (vertices < 6 || vertices > 16 || colors < 2 || colors > 4)
        return 0;
    return (vertices - 6) * 6 + (colors - 2) * 2 + (edgesShown ? 1 : 2);
}

LevelShape DecodeLevel(std::int32_t level) {
    if (level < 1 || level > 66)
        return {};
    const std::int32_t index = level - 1;
    return {6 + index / 6, 2 + index % 6 / 2, index % 2 == 0};
}

std::string HistoryHeader() {
    std::string header = std::string(kMagic) + " " + std::to_string(kFormatVersion);
    for (std::string_view name : kColumns) (header += '\t') += name;
    (header += '\t') += kCodeColumn;
    (header += '\t') += kClicksColumn;
    return header + '\n';
}

std::string HistoryLine(const GameRecord& g) {
    std::string line(g.Utc());
    for (const std::string& field :
         {std::to_string(g.vertices), std::to_string(g.colors), std::string(g.edgesShown ? "1" : "0"),
          std::to_string(g.par), std::to_string(g.result), std::string(g.parOrBetter ? "1" : "0"),
          std::string(g.teaching ? "1" : "0"), std::string(kEndings[static_cast<std::size_t>(g.ending)]),
          g.solveMs >= 0 ? std::to_string(g.solveMs) : std::string("-"),
          g.Code().empty() ? std::string("-") : std::string(g.Code()),
          g.Code().empty() || g.clicks.empty() || g.clicks.size() > kLargestClicksKept ? std::string("-")
                                                                                        : ClicksText(g.clicks)})
        (line += '\t') += field;
    return line + '\n';
}

std::string HistoryLine(const GameRecord& g, std::string_view fileHeader) {
    std::string own = HistoryLine(g);
    fileHeader = fileHeader.substr(0, fileHeader.find('\n'));
    if (!fileHeader.empty() && fileHeader.back() == '\r')
        fileHeader.remove_suffix(1);
    if (fileHeader.substr(0, std::string_view(kMagic).size()) != kMagic)
        return own;  // read in this version's order
    const ColumnMap map = MapColumns(fileHeader);
    if (map.at == kOwnOrder.at && map.code == kOwnOrder.code && map.clicks == kOwnOrder.clicks)
        return own;
    // The own line's fields, this version's columns and then the code, go where the header
    // puts them; a column the header names and this version does not know gets "-".
    const Fields mine = Split(std::string_view(own).substr(0, own.size() - 1));
    std::size_t width = Split(fileHeader).count - 1;
    for (std::size_t at : map.at) width = std::max(width, at + 1);
    width = std::max({width, map.code + 1, map.clicks + 1});
    std::vector<std::string_view> fields(width, "-");
    for (std::size_t column = 0; column < kColumns.size(); ++column) fields[map.at[column]] = mine.at[column];
    fields[map.code] = mine.at[kColumns.size()];
    fields[map.clicks] = mine.at[kColumns.size() + 1];
    std::string line;
    for (std::string_view field : fields) (line += field) += '\t';
    line.back() = '\n';
    return line;
}

HistoryText ParseHistory(std::string_view text) {
    HistoryText history;
    history.games.reserve(text.size() / 48);
    std::vector<std::string_view> clicksFields;
    clicksFields.reserve(history.games.capacity());
    ColumnMap map = kOwnOrder;
    GameRecord game;
    std::string_view clicks;
    ForEachLine(text, [&](std::string_view line, std::string_view, bool broken) {
        if (line.substr(0, std::string_view(kMagic).size()) == kMagic) {
            map = MapColumns(line);
        } else if (!broken && ReadLine(line, map, game, clicks)) {
            history.games.push_back(game);
            clicksFields.push_back(clicks);
        } else if (!line.empty()) {
            ++history.skipped;
        }
    });
    // The clicks of each level's last games, the ones the statistics window lists to be
    // reviewed; decoding every game's would make a long history slower to open for nothing.
    std::array<std::size_t, 67> newer{};
    for (std::size_t i = history.games.size(); i-- > 0;) {
        GameRecord& read = history.games[i];
        std::size_t& listed = newer[static_cast<std::size_t>(read.Level())];
        if (listed < kClicksReadPerLevel && clicksFields[i] != "-")
            ReadClicks(clicksFields[i], kLargestClicksKept, read.clicks);
        ++listed;
    }
    return history;
}

std::string WithoutLevel(std::string_view text, std::int32_t level) {
    std::string kept;
    kept.reserve(text.size());
    ColumnMap map = kOwnOrder;
    GameRecord game;
    ForEachLine(text, [&](std::string_view line, std::string_view whole, bool broken) {
        if (line.substr(0, std::string_view(kMagic).size()) == kMagic)
            map = MapColumns(line);
        else if (std::string_view clicks; !broken && ReadLine(line, map, game, clicks) && game.Level() == level)
            return;
        kept += whole;
    });
    return kept;
}

Tally Summarize(std::span<const GameRecord> games, std::int32_t level) {
    // Every game read holds figures within the bounds above, so the 64-bit totals hold the
    // sums of far more games than a history file of its largest readable size can keep.
    Tally tally;
    for (const GameRecord& game : games) {
        const std::int32_t at = game.Level();
        if (level != 0 && at != level)
            continue;
        CountInto(tally, game);
    }
    return tally;
}

void CountInto(Tally& tally, const GameRecord& game) {
    ++tally.games;
    tally.parOrBetter += game.parOrBetter ? 1 : 0;
    tally.totalFromPar += game.result - game.par;
    if (game.Level() > tally.highestLevel)
        tally.highestLevel = game.Level();
    if (game.Timed()) {
        ++tally.timed;
        tally.totalMs += game.solveMs;
        if (tally.bestMs < 0 || game.solveMs < tally.bestMs)
            tally.bestMs = game.solveMs;
    }
}

std::string TimeText(std::int64_t ms, char point) {
    // Half up without adding first, so that no time is too long to be written.
    const std::int64_t tenths = ms < 0 ? 0 : ms / 100 + (ms % 100 >= 50 ? 1 : 0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld%c%lld", static_cast<long long>(tenths / 600),
                  static_cast<long long>(tenths / 10 % 60), point, static_cast<long long>(tenths % 10));
    return buffer;
}

std::array<char, 32> UtcText(std::int64_t ms) {
    // Days to a civil date (proleptic Gregorian), after Howard Hinnant's algorithm.
    std::int64_t days = (ms >= 0 ? ms : ms - 86'399'999) / 86'400'000;
    const std::int64_t inDay = ms - days * 86'400'000;
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t doe = days - era * 146'097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    // Written digit by digit: every field has a fixed width, the year kept to four digits.
    std::array<char, 32> text{};
    std::size_t at = 0;
    const auto put = [&](std::int64_t value, int width, char after) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            text[at + static_cast<std::size_t>(i)] = char('0' + value % 10);
        at += static_cast<std::size_t>(width);
        text[at++] = after;
    };
    put(std::clamp<std::int64_t>(year, 0, 9999), 4, '-');
    put(month, 2, '-');
    put(day, 2, 'T');
    put(inDay / 3'600'000, 2, ':');
    put(inDay / 60'000 % 60, 2, ':');
    put(inDay / 1000 % 60, 2, '.');
    put(inDay % 1000, 3, 'Z');
    return text;
}

}  // namespace game
