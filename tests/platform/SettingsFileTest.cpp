// SPDX-License-Identifier: GPL-3.0-or-later
// The game's settings file: what a starting game reads, what a closing game writes.
#include "engine/SettingsFile.h"

#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "engine/Game.h"
#include "platform/HistoryFile.h"
#include "support/FullDisk.h"
#include "support/ScratchDir.h"
#include "support/Utf16Bytes.h"

namespace {

using game::GameSettings;
using gametest::FullDisk;
using gametest::ReadBytes;
using gametest::ScratchDir;
using gametest::Utf16;
using gametest::WriteBytes;

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Every field of the fifteen keys every file has away from its default, a negative number among them.
GameSettings Unusual() {
    GameSettings s;
    s.RandomNumberOfVertices = true;
    s.NumberOfVertices = 14;
    s.ShowEdges = false;
    s.RandomEdgeProbability = false;
    s.EdgeProbability = 17;
    s.RandomNumberOfColors = false;
    s.NumberOfColors = 2;
    s.ShowToolTips = false;
    s.TeachingMode = false;
    s.TeachingModePrimaryLevel = -5;
    s.TeachingModeSecondaryLevel = 1;
    s.TeachingModeLastGameGood = true;
    s.TeachingModeConsecutiveGoodGames = 2;
    s.TimerActive = true;
    s.PlayComputer = true;
    return s;
}

constexpr const char* kDefaultFile =
    "[Level 1]\n"
    "NumOfVertices=6\n"
    "ShowEdges=1\n"
    "RandomNumberOfVertices=0\n"
    "RandomNumberOfColors=1\n"
    "RandomEdgeProbability=1\n"
    "EdgeNumFactor=63\n"
    "NumOfColors=3\n"
    "ShowToolTips=1\n"
    "TeachingModeOn=1\n"
    "TeachingModePrimaryLevel=0\n"
    "TeachingModeSecondaryLevel=0\n"
    "TeachingModeLastGameGood=0\n"
    "TeachingModeConsecutiveGoodGames=0\n"
    "PlayComputer=0\n"
    "TimerActive=0\n";

// What a saving game leaves in the configuration folder: the file and the lock beside it.
const std::vector<std::string> kSettingsAndLock{".SpEcTrUmIx.ini.lock", "SpEcTrUmIx.ini"};

class SettingsFileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    // The configuration directory does not exist yet, as on a fresh account.
    ScopedEnv config{"XDG_CONFIG_HOME", (dir / "config").c_str()};
    ScopedEnv home{"HOME", (dir / "home").c_str()};
    std::string file = dir / "config/SpEcTrUmIx.ini";

    // The test's own game, whose settings are loaded and saved.
    game::Game game;
    GameSettings& Settings = game.Settings;

    // Loads from a file holding `text`, starting from values unlike the defaults so that
    // every field the load leaves alone would show.
    GameSettings LoadFrom(std::string_view text) {
        std::filesystem::create_directories(dir / "config");
        WriteBytes(file, text);
        Settings = Unusual();
        game::LoadSettings(game);
        return Settings;
    }
};

TEST(ReadIntegerText, FollowsTheFilesIntegerSyntax) {
    struct Case {
        const char* text;
        std::int32_t expected;
    };
    constexpr std::int32_t d = -99;  // the default
    // clang-format off
    const Case cases[] = {
        {"0x0C", 12}, {"0X0c", 12}, {"$0C", 12}, {"$0c", 12}, {"0x0", 0}, {"   42", 42}, {"+7", 7}, {"-7", -7},
        {"-0", 0}, {"007", 7}, {"$0000000000000010", 16}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"$7FFFFFFF", INT_MAX}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(game::ReadIntegerText(c.text, d), c.expected) << '"' << c.text << '"';
    }
    // Not a number of the file's syntax, or beyond 32 bits in either notation: the default.
    const char* unusable[] = {"",          "   ",        "12abc",       "42 ",
                              "1 2",       "$",          "-",           "+",
                              "+$10",      "-$10",       "0x",          "0X",
                              "0x$10",     " 0x10",      "$G",          "1e3",
                              "x",         "2147483648", "-2147483649", "99999999999999999999999",
                              "$80000000", "$FFFFFFFF",  "0xFFFFFFFF",  "$100000000"};
    for (const char* text : unusable) {
        EXPECT_EQ(game::ReadIntegerText(text, d), d) << '"' << text << '"';
    }
}

TEST_F(SettingsFileTest, LivesInTheConfigurationDirectory) {
    EXPECT_EQ(game::SettingsFilePath(), dir / "config/SpEcTrUmIx.ini");
    {
        ScopedEnv empty{"XDG_CONFIG_HOME", ""};
        EXPECT_EQ(game::SettingsFilePath(), dir / "home/.config/SpEcTrUmIx.ini");
    }
    {
        ScopedEnv relative{"XDG_CONFIG_HOME", "relative/dir"};
        EXPECT_EQ(game::SettingsFilePath(), dir / "home/.config/SpEcTrUmIx.ini");
    }
    {
        ScopedEnv unset{"XDG_CONFIG_HOME", nullptr};
        EXPECT_EQ(game::SettingsFilePath(), dir / "home/.config/SpEcTrUmIx.ini");
    }
}

// The settings and the history are found by one rule, so they always stay together: an absolute
// XDG folder counts, a relative or empty one is ignored, and a HOME that is missing, empty or
// relative gives way to the password entry's home, never to the folder the game was started in.
TEST_F(SettingsFileTest, SettingsAndHistoryShareTheirFoldersWhateverTheEnvironment) {
    enum Value { Absolute, Relative, Empty, Missing };
    enum Folder { Xdg, Home, PasswordHome };
    struct Case {
        Value xdg, home;
        Folder expected;
    };
    // clang-format off
    const Case cases[] = {
        {Absolute, Absolute, Xdg},  {Absolute, Relative, Xdg},          {Absolute, Empty, Xdg},
        {Absolute, Missing, Xdg},   {Relative, Absolute, Home},         {Empty, Absolute, Home},
        {Missing, Absolute, Home},  {Relative, Relative, PasswordHome}, {Relative, Empty, PasswordHome},
        {Relative, Missing, PasswordHome}, {Empty, Relative, PasswordHome}, {Empty, Empty, PasswordHome},
        {Empty, Missing, PasswordHome},    {Missing, Relative, PasswordHome}, {Missing, Empty, PasswordHome},
        {Missing, Missing, PasswordHome}};
    // clang-format on
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const std::string passwordHome = entry->pw_dir;
    const auto text = [&](Value value, const std::string& absolute) -> const char* {
        switch (value) {
            case Absolute:
                return absolute.c_str();
            case Relative:
                return "relative/folder";
            case Empty:
                return "";
            case Missing:
                return nullptr;
        }
        return nullptr;
    };
    const std::string config = dir / "config", data = dir / "data", home = dir / "home";
    for (const Case& c : cases) {
        ScopedEnv configHome{"XDG_CONFIG_HOME", text(c.xdg, config)};
        ScopedEnv dataHome{"XDG_DATA_HOME", text(c.xdg, data)};
        ScopedEnv homeFolder{"HOME", text(c.home, home)};
        const std::string base = c.expected == Home ? home : passwordHome;
        const std::string settings = c.expected == Xdg ? config : base + "/.config";
        const std::string history = c.expected == Xdg ? data : base + "/.local/share";
        EXPECT_EQ(game::SettingsFilePath(), settings + "/SpEcTrUmIx.ini") << "case " << &c - cases;
        EXPECT_EQ(platform::HistoryPath(), history + "/SpEcTrUmIx/history.tsv") << "case " << &c - cases;
    }
}

TEST_F(SettingsFileTest, AFirstRunTakesTheDefaultsAndItsCloseCreatesTheFile) {
    Settings = Unusual();
    game::LoadSettings(game);
    EXPECT_EQ(Settings, GameSettings{});

    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file), kDefaultFile)
        << "section \"Level 1\", the fifteen keys in the order of writing";
}

TEST_F(SettingsFileTest, EverySettingSurvivesARestart) {
    Settings = Unusual();
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    Settings = GameSettings{};
    game::LoadSettings(game);
    EXPECT_EQ(Settings, Unusual());
    EXPECT_NE(ReadBytes(file).find("TeachingModePrimaryLevel=-5\n"), std::string::npos);

    // A second close with the same values leaves the file as it was.
    const std::string once = ReadBytes(file);
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file), once);
}

// Each row of the settings table is a key of the file: a value away from its default is written
// under the row's key at the row's place in the write order and read back into the row's field.
TEST_F(SettingsFileTest, EverySettingIsWrittenAtItsPlaceAndReadBackIntoItsField) {
    for (const game::SettingRow& row : game::kSettings) {
        game.Settings = GameSettings{};
        game.SettingsInFile.reset();
        std::filesystem::remove(file);
        const std::int32_t far = row.defaultValue != row.range.max ? row.range.max : row.range.min;
        const std::int32_t unlike = row.IsFlag() ? 1 - row.defaultValue : far;
        GameSettings expected;
        row.Store(expected, unlike);
        Settings = expected;
        ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
        // Keys that join the file only when set stay out of it at their defaults.
        int before = 0;
        for (const game::SettingRow& other : game::kSettings)
            before += other.writePosition < row.writePosition && !other.joinsWhenSet ? 1 : 0;
        std::istringstream lines(ReadBytes(file));
        std::string line;
        for (int i = 0; i <= before + 1; ++i) std::getline(lines, line);  // after "[Level 1]"
        EXPECT_EQ(line, std::string(row.key) + "=" + std::to_string(unlike));

        Settings = GameSettings{};
        game::LoadSettings(game);
        EXPECT_EQ(Settings, expected) << row.key;
    }
}

// The colour marks and colour-safe colours came after the fifteen first keys: a player who never
// turns them on keeps a file without them, byte for byte; once in the file, a key stays and
// follows the player's choice.
TEST_F(SettingsFileTest, NewerKeysJoinTheFileOnlyOnceSetAndThenStay) {
    std::filesystem::create_directories(dir / "config");
    WriteBytes(file, kDefaultFile);
    game::LoadSettings(game);
    Settings.NumberOfVertices = 9;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    std::string expected(kDefaultFile);
    expected.replace(expected.find("NumOfVertices=6"), 15, "NumOfVertices=9");
    EXPECT_EQ(ReadBytes(file), expected) << "neither key joins at its default";

    Settings.ColourSafeColours = true;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    expected += "ColourSafeColours=1\n";
    EXPECT_EQ(ReadBytes(file), expected);
    Settings = GameSettings{};
    game::LoadSettings(game);
    EXPECT_TRUE(Settings.ColourSafeColours);
    EXPECT_FALSE(Settings.ColourMarks);

    Settings.ColourSafeColours = false;
    Settings.ColourMarks = true;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    expected.replace(expected.find("ColourSafeColours=1"), 19, "ColourSafeColours=0");
    expected += "ColourMarks=1\n";
    EXPECT_EQ(ReadBytes(file), expected) << "turned off, the key stays where it stands";

    // Turned off after the player took the line out by hand, it does not come back.
    WriteBytes(file, kDefaultFile);
    Settings.ColourMarks = false;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file), kDefaultFile);
}

TEST_F(SettingsFileTest, HandWrittenValuesReadLikeTheOriginalGame) {
    GameSettings s = LoadFrom("[Level 1]\nNumOfVertices=0x0C\nShowEdges=2\nRandomNumberOfVertices=x\n");
    EXPECT_EQ(s.NumberOfVertices, 12);
    EXPECT_TRUE(s.ShowEdges);
    EXPECT_FALSE(s.RandomNumberOfVertices);
    EXPECT_EQ(s.EdgeProbability, 63) << "a missing key takes its default";

    s = LoadFrom("[Level 1]\nNumOfVertices=$0C\nShowEdges=x\nTeachingModeOn=0\nPlayComputer=-1\n");
    EXPECT_EQ(s.NumberOfVertices, 12);
    EXPECT_TRUE(s.ShowEdges) << "unusable text gives the default, which is true here";
    EXPECT_FALSE(s.TeachingMode);
    EXPECT_TRUE(s.PlayComputer);

    EXPECT_EQ(LoadFrom("[Level 1]\nNumOfVertices=12abc\n").NumberOfVertices, 6);
    EXPECT_EQ(LoadFrom("[Level 1]\nNumOfVertices=\n").NumberOfVertices, 6);
    EXPECT_EQ(LoadFrom("[Level 1]\nNumOfVertices=2147483648\n").NumberOfVertices, 6);
    EXPECT_EQ(LoadFrom("\xEF\xBB\xBF[level 1]\r\n  numofvertices = 9 \r\n").NumberOfVertices, 9);

    // Only section "Level 1" counts.
    s = LoadFrom("NumOfVertices=10\n[Level 2]\nNumOfVertices=11\nShowEdges=0\n");
    EXPECT_EQ(s.NumberOfVertices, 6);
    EXPECT_TRUE(s.ShowEdges);
}

TEST_F(SettingsFileTest, OnlyVertexAndColourCountsAreKeptInRange) {
    GameSettings s = LoadFrom("[Level 1]\nNumOfVertices=5\nNumOfColors=1\nEdgeNumFactor=500\n");
    EXPECT_EQ(s.NumberOfVertices, 6);
    EXPECT_EQ(s.NumberOfColors, 3);
    EXPECT_EQ(s.EdgeProbability, 500) << "no other value is range-checked";

    s = LoadFrom("[Level 1]\nNumOfVertices=17\nNumOfColors=5\nTeachingModeSecondaryLevel=-3\n");
    EXPECT_EQ(s.NumberOfVertices, 6);
    EXPECT_EQ(s.NumberOfColors, 3);
    EXPECT_EQ(s.TeachingModeSecondaryLevel, -3);

    s = LoadFrom("[Level 1]\nNumOfVertices=16\nNumOfColors=4\n");
    EXPECT_EQ(s.NumberOfVertices, 16);
    EXPECT_EQ(s.NumberOfColors, 4);
    EXPECT_EQ(LoadFrom("[Level 1]\nNumOfVertices=-1\nNumOfColors=2\n").NumberOfColors, 2);
}

TEST_F(SettingsFileTest, SavingKeepsEverythingElseInTheFileByteForByte) {
    std::filesystem::create_directories(dir / "config");
    WriteBytes(file,
               "; Settings of SpEcTrUmIx\r\n"
               "[Window]\r\n"
               "NumOfVertices=99\r\n"
               "\r\n"
               "[LEVEL 1]\r\n"
               "ShowEdges = 1\r\n"
               "FavouriteColour=purple\r\n"
               "numofvertices=8\r\n"
               "NumOfVertices=15\r\n"
               "\r\n"
               "; the end\r\n");
    Settings = Unusual();
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file),
              "; Settings of SpEcTrUmIx\r\n"
              "[Window]\r\n"
              "NumOfVertices=99\r\n"
              "\r\n"
              "[LEVEL 1]\r\n"
              "ShowEdges = 0\r\n"
              "FavouriteColour=purple\r\n"
              "numofvertices=14\r\n"
              "NumOfVertices=15\r\n"
              "RandomNumberOfVertices=1\r\n"
              "RandomNumberOfColors=0\r\n"
              "RandomEdgeProbability=0\r\n"
              "EdgeNumFactor=17\r\n"
              "NumOfColors=2\r\n"
              "ShowToolTips=0\r\n"
              "TeachingModeOn=0\r\n"
              "TeachingModePrimaryLevel=-5\r\n"
              "TeachingModeSecondaryLevel=1\r\n"
              "TeachingModeLastGameGood=1\r\n"
              "TeachingModeConsecutiveGoodGames=2\r\n"
              "PlayComputer=1\r\n"
              "TimerActive=1\r\n"
              "\r\n"
              "; the end\r\n");
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
    // A directory where the file should be.
    ASSERT_TRUE(std::filesystem::create_directories(file));
    WriteBytes(file + "/keep", "precious");
    Settings = Unusual();
    EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::CannotWrite);
    EXPECT_EQ(ReadBytes(file + "/keep"), "precious");
    EXPECT_EQ(dir.Entries(dir / "config"), kSettingsAndLock);

    // A regular file where the configuration directory should be.
    WriteBytes(dir / "plainfile", "x");
    ScopedEnv underFile{"XDG_CONFIG_HOME", (dir / "plainfile/config").c_str()};
    EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::CannotWrite);
    EXPECT_EQ(ReadBytes(dir / "plainfile"), "x");
}

TEST_F(SettingsFileTest, AFullDiskKeepsTheValuesOfTheStartOfTheRun) {
    std::filesystem::create_directories(dir / "config");
    const std::string atStart = std::string(kDefaultFile) + "; " + std::string(400, '=') + "\n";
    WriteBytes(file, atStart);
    Settings = Unusual();
    game::SaveOutcome error = game::SaveOutcome::Saved;
    {
        FullDisk full(100);
        error = game::SaveSettings(game);
    }
    EXPECT_EQ(error, game::SaveOutcome::CannotWrite);
    EXPECT_EQ(ReadBytes(file), atStart);
    EXPECT_EQ(dir.Entries(dir / "config"), kSettingsAndLock);
}

TEST_F(SettingsFileTest, ASaveThatFailsPartWayWritesNoKeyAtAll) {
    std::filesystem::create_directories(dir / "config");
    WriteBytes(file, kDefaultFile);
    Settings = Unusual();
    game::SaveOutcome error = game::SaveOutcome::Saved;
    {
        // Room for the first keys of the new text, not for all of them.
        FullDisk full(std::string_view(kDefaultFile).size());
        error = game::SaveSettings(game);
    }
    EXPECT_EQ(error, game::SaveOutcome::CannotWrite);
    EXPECT_EQ(ReadBytes(file), kDefaultFile);
    EXPECT_EQ(dir.Entries(dir / "config"), kSettingsAndLock);
}

TEST_F(SettingsFileTest, AFileTooLargeForSettingsGivesTheDefaultsAndIsKept) {
    std::string huge = "[Level 1]\nNumOfVertices=9\n";
    huge.resize((std::size_t{1} << 20) + 1, ';');
    Settings = Unusual();
    GameSettings s = LoadFrom(huge);
    EXPECT_EQ(s, GameSettings{});
    Settings.NumberOfVertices = 9;
    EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::CannotWrite);
    EXPECT_EQ(ReadBytes(file), huge);
}

// A save killed at any moment (logout, a crash, the power) leaves the file holding one whole
// set of settings, the old or the new, with the player's own lines, and its leftovers go
// with the next save.
TEST_F(SettingsFileTest, AKillAtAnyMomentOfASaveLeavesOneWholeSet) {
    std::filesystem::create_directories(dir / "config");
    const std::string own = "; mine\n[Other]\nNumOfVertices=1\n";
    WriteBytes(file, own);
    const GameSettings first{};
    const GameSettings second = Unusual();
    Settings = first;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);

    std::srand(14);
    int sawSecond = 0;
    // Kills within 4 ms of the start, longer where a machine or build is so slow that none of
    // them has yet come after a whole save: they are to fall all over the first saves.
    int window = 4000;
    for (int round = 0; round < 200; ++round) {
        if (round % 20 == 19 && sawSecond == 0)
            window *= 2;
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            ::alarm(10);  // never outlives a test run that went wrong
            for (bool flip = false;; flip = !flip) {
                Settings = flip ? first : second;
                (void)game::SaveSettings(game);
            }
        }
        ::usleep(static_cast<useconds_t>(std::rand() % window));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);

        Settings = GameSettings{};
        game::LoadSettings(game);
        ASSERT_TRUE(Settings == first || Settings == second) << "round " << round;
        sawSecond += Settings == second ? 1 : 0;
        const std::string text = ReadBytes(file);
        ASSERT_EQ(text.substr(0, own.size()), own) << "round " << round;
        ASSERT_EQ(text.find("[Level 1]"), text.rfind("[Level 1]"));
    }
    EXPECT_GT(sawSecond, 0) << "the kills did land during saves";

    Settings = second;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(dir.Entries(dir / "config"), kSettingsAndLock);
}

// A close writes what the run changed into the file as it is then: the player's edits made
// while the game ran stay, unless the run changed that very key.
TEST_F(SettingsFileTest, ACloseKeepsWhatThePlayerEditedWhileTheGameRan) {
    std::filesystem::create_directories(dir / "config");
    WriteBytes(file, std::string(kDefaultFile) + "; mine\n");
    game::LoadSettings(game);
    Settings.TeachingMode = false;
    Settings.NumberOfVertices = 9;
    std::string edited = ReadBytes(file);
    for (const auto& [from, to] :
         {std::pair{"EdgeNumFactor=63", "EdgeNumFactor = 0x28"},
          std::pair{"NumOfVertices=6", "NumOfVertices=12"}, std::pair{"TimerActive=0\n", ""}}) {
        edited.replace(edited.find(from), std::string_view(from).size(), to);
    }
    WriteBytes(file, edited);

    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    std::string expected = edited;
    expected.replace(expected.find("TeachingModeOn=1"), 16, "TeachingModeOn=0");
    expected.replace(expected.find("NumOfVertices=12"), 16, "NumOfVertices=9");
    expected.insert(expected.find("; mine"), "TimerActive=0\n");
    EXPECT_EQ(ReadBytes(file), expected) << "the hand edit kept as written, the run's change made, the "
                                            "key that went missing put back";

    // Once saved, a value counts as the file's: a later edit of it survives the next close.
    WriteBytes(file, kDefaultFile);
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file), kDefaultFile);
}

// Two games on one file, each changing a different setting, closing at the same moment: the
// file ends with both changes, whichever saves last.
TEST_F(SettingsFileTest, TwoGamesClosingTogetherKeepEachOthersChanges) {
    std::filesystem::create_directories(dir / "config");
    for (int round = 0; round < 40; ++round) {
        WriteBytes(file, kDefaultFile);
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t games[2];
        for (int g = 0; g < 2; ++g) {
            games[g] = ::fork();
            ASSERT_GE(games[g], 0);
            if (games[g] == 0) {
                ::alarm(10);
                game::LoadSettings(game);
                (g == 0 ? Settings.TeachingModePrimaryLevel : Settings.EdgeProbability) = 40 + round;
                char byte = 0;
                (void)!::read(go[0], &byte, 1);
                ::_exit(game::SaveSettings(game) == game::SaveOutcome::Saved ? 0 : 1);
            }
        }
        ASSERT_EQ(::write(go[1], "xx", 2), 2);
        for (const pid_t g : games) {
            int status = -1;
            ::waitpid(g, &status, 0);
            ASSERT_EQ(status, 0) << "round " << round;
        }
        ::close(go[0]);
        ::close(go[1]);
        game::LoadSettings(game);
        ASSERT_EQ(Settings.TeachingModePrimaryLevel, 40 + round) << "round " << round;
        ASSERT_EQ(Settings.EdgeProbability, 40 + round) << "round " << round;
    }
    EXPECT_EQ(dir.Entries(dir / "config"), kSettingsAndLock);
}

// The game reads files up to 1 MiB; a save that would pass that is refused, with the old file
// kept whole, so the next start still finds every setting.
TEST_F(SettingsFileTest, ASaveNeverMakesAFileTooLargeToRead) {
    std::filesystem::create_directories(dir / "config");
    constexpr std::size_t kBound = std::size_t{1} << 20;
    // This run switches the timer on, and the file lacks its key.
    const std::string added = "TimerActive=1\n";
    std::string withoutTimer(kDefaultFile);
    withoutTimer.erase(withoutTimer.find("TimerActive=0\n"));
    for (const std::size_t after : {kBound, kBound + 1}) {
        const std::size_t dashes = after - withoutTimer.size() - added.size() - 3;
        const std::string atStart = withoutTimer + "; " + std::string(dashes, '-') + "\n";
        game::LoadSettings(game);  // no file yet, or the one of the last round
        WriteBytes(file, atStart);
        game::LoadSettings(game);
        Settings.TimerActive = true;
        const game::SaveOutcome outcome = game::SaveSettings(game);
        if (after == kBound) {
            EXPECT_EQ(outcome, game::SaveOutcome::Saved);
            EXPECT_EQ(ReadBytes(file).size(), kBound);
            EXPECT_NE(ReadBytes(file).find(added), std::string::npos);
        } else {
            EXPECT_EQ(outcome, game::SaveOutcome::CannotWrite) << "one byte past the bound";
            EXPECT_EQ(ReadBytes(file), atStart);
        }
    }
}

// Line ends of old Macs read and stay; a file whose encoding the game cannot tell for sure
// reads as the defaults and is never rewritten in another encoding; UTF-32 is written back
// as UTF-32.
TEST_F(SettingsFileTest, UnusualEncodingsAreReadRightOrLeftAlone) {
    std::filesystem::create_directories(dir / "config");
    EXPECT_EQ(LoadFrom("; old Mac\r[Level 1]\rNumOfVertices=9\rShowEdges=0\r").NumberOfVertices, 9);
    EXPECT_FALSE(Settings.ShowEdges);
    Settings.NumberOfVertices = 10;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    const std::string mac = ReadBytes(file);
    EXPECT_EQ(mac.substr(0, 49), "; old Mac\r[Level 1]\rNumOfVertices=10\rShowEdges=0\r");
    EXPECT_EQ(mac.find('\n'), std::string::npos) << "the keys added end in CR too";

    const auto utf32 = [](std::string_view ascii) {
        std::string bytes("\xFF\xFE\0\0", 4);
        for (const char c : ascii) bytes.append(1, c).append(3, '\0');
        return bytes;
    };
    EXPECT_EQ(LoadFrom(utf32("[Level 1]\nNumOfVertices=9\n")).NumberOfVertices, 9);
    Settings.NumberOfVertices = 11;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file).substr(0, 4 * 28), utf32("[Level 1]\nNumOfVertices=11\n").substr(0, 4 * 28))
        << "written back in UTF-32";

    // UTF-16 without its mark, and a Latin-1 value in the game's section.
    const std::string noMark = Utf16("[Level 1]\r\nNumOfVertices=9\r\n", true).substr(2);
    for (const std::string& unsure : {noMark, std::string("[Level 1]\nNumOfVertices=9\nName=caf\xE9\n")}) {
        EXPECT_EQ(LoadFrom(unsure), GameSettings{});
        Settings.NumberOfVertices = 10;
        EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::CannotWrite);
        EXPECT_EQ(ReadBytes(file), unsure);
    }
    EXPECT_EQ(LoadFrom("; caf\xE9\n[Level 1]\nNumOfVertices=9\n").NumberOfVertices, 9)
        << "any bytes in a comment";
    // Behind the byte-order mark an editor may put first, that comment is a comment still: the
    // keys are read, and a close writes its change, the mark and the comment's bytes kept.
    EXPECT_EQ(LoadFrom("\xEF\xBB\xBF; caf\xE9\n[Level 1]\nNumOfVertices=9\n").NumberOfVertices, 9);
    Settings.NumberOfVertices = 10;
    ASSERT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_TRUE(ReadBytes(file).starts_with("\xEF\xBB\xBF; caf\xE9\n[Level 1]\nNumOfVertices=10\n"))
        << ReadBytes(file);
}

// A file the game reads as the defaults and will not rewrite (UTF-16 without its mark, more
// than 1 MiB, read-only) costs a run that changed nothing neither a write nor an error box.
TEST_F(SettingsFileTest, ACloseThatChangedNothingNeitherWritesNorFails) {
    std::string huge = "[Level 1]\nNumOfVertices=9\n";
    huge.resize((std::size_t{1} << 20) + 1, ';');
    const std::string noMark = Utf16("[Level 1]\r\nNumOfVertices=9\r\n", true).substr(2);
    for (const std::string& unread : {huge, noMark}) {
        EXPECT_EQ(LoadFrom(unread), GameSettings{});
        EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
        EXPECT_EQ(ReadBytes(file), unread);
    }
    EXPECT_EQ(LoadFrom("[Level 1]\nNumOfVertices=9\n").NumberOfVertices, 9);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(game::SaveSettings(game), game::SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(file), "[Level 1]\nNumOfVertices=9\n");
}

}  // namespace
