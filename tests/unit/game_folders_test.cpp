// Where the game reads its data and keeps its saved game, on real folders:
// --data, the working folder, the installed tree, and the player's own folder.
#include "data/game_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class GameFolderChoice : public ::testing::Test {
protected:
    // root/work: an unrelated working folder; root/usr/{games,bin}: programs;
    // root/usr/share/games/velmo: the installed data; root/home: HOME.
    void SetUp() override {
        char pattern[] = "/tmp/velmo_folders_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        for (const char* folder : {"work", "usr/games", "usr/bin", "usr/share/games/velmo", "home"})
            fs::create_directories(root_ / folder);
        Touch("usr/share/games/velmo/velmo.dat");
        facts_.working_folder = Path("work");
        facts_.executable = Path("usr/games/velmo");
        facts_.home = Path("home");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string Path(const std::string& relative) const { return (root_ / relative).string(); }
    void Touch(const std::string& relative) const { std::ofstream(root_ / relative) << "x"; }
    static unsigned Mode(const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    fs::path root_;
    FolderFacts facts_;
};

TEST_F(GameFolderChoice, DataOptionWinsAndKeepsTheSaveBesideItsData) {
    Touch("work/velmo.dat");  // would otherwise be chosen
    for (const auto& [option, folder] : {std::pair{"mine", "work/mine"},
                                         std::pair{"./mine/../mine/", "work/mine"},
                                         std::pair{"../usr/share/games/velmo", "usr/share/games/velmo"}}) {
        facts_.data_option = option;
        const GameFolders chosen = ChooseGameFolders(facts_);
        EXPECT_EQ(chosen.data, Path(folder)) << option;
        EXPECT_EQ(chosen.saved_game, Path(folder) + "/saved.dat") << option;
        EXPECT_FALSE(chosen.per_user) << option;
    }
    facts_.data_option = Path("elsewhere");  // absolute, and need not hold the data yet
    EXPECT_EQ(ChooseGameFolders(facts_).data, Path("elsewhere"));
}

TEST_F(GameFolderChoice, AWorkingFolderHoldingTheSquadFileIsUsedAsToday) {
    Touch("work/velmo.dat");
    const GameFolders chosen = ChooseGameFolders(facts_);
    EXPECT_EQ(chosen.data, Path("work"));
    EXPECT_EQ(chosen.saved_game, Path("work/saved.dat"));
    EXPECT_FALSE(chosen.per_user);
    EXPECT_EQ(PrepareSaveFolder(chosen), "");
}

TEST_F(GameFolderChoice, AnInstalledTreeIsFoundBesideGamesOrBinAndSavesPerUser) {
    fs::create_directory_symlink(root_ / "usr/share/games/velmo", root_ / "link");
    // Started from its own data folder (a launcher may do so), by any path to it, the installed
    // game still saves in the player's folder.
    for (const char* working : {"work", "usr/share/games/velmo", "usr/share/games/velmo/", "link"}) {
        for (const char* program : {"usr/games/velmo", "usr/bin/velmo", "usr/games/../games/velmo"}) {
            facts_.working_folder = Path(working);
            facts_.executable = Path(program);
            const GameFolders chosen = ChooseGameFolders(facts_);
            EXPECT_EQ(chosen.data, Path("usr/share/games/velmo")) << working << " " << program;
            EXPECT_EQ(chosen.saved_game, Path("home/.local/share/velmo/saved.dat")) << working << " " << program;
            EXPECT_TRUE(chosen.per_user) << working << " " << program;
        }
    }
}

TEST_F(GameFolderChoice, WithoutDataAnywhereTheWorkingFolderIsUsedAndTheLoaderComplains) {
    fs::create_directories(root_ / "build");
    fs::create_directories(root_ / "games" / "share" / "games" / "velmo");  // no velmo.dat in it
    for (const char* program : {"build/velmo", "games/velmo", ""}) {
        facts_.executable = program[0] ? Path(program) : "";
        const GameFolders chosen = ChooseGameFolders(facts_);
        EXPECT_EQ(chosen.data, Path("work")) << program;
        EXPECT_EQ(chosen.saved_game, Path("work/saved.dat")) << program;
        EXPECT_FALSE(chosen.per_user) << program;
    }
}

TEST_F(GameFolderChoice, ThePlayersFolderFollowsXdgDataHomeThenHome) {
    const struct {
        const char* xdg;
        const char* home;  // relative to root, or as given when it is not absolute
        const char* saved;
    } cases[] = {
        {"xdg", "home", "xdg/velmo/saved.dat"},
        {"", "home", "home/.local/share/velmo/saved.dat"},
        {"relative/xdg", "home", "home/.local/share/velmo/saved.dat"},  // counts as unset
        {"relative/xdg", "", ""},
        {"", "", ""},
        {"", "relative/home", ""},
    };
    for (const auto& c : cases) {
        const auto absolute = [&](const std::string& p) {
            return p.empty() || p.rfind("relative", 0) == 0 ? p : Path(p);
        };
        facts_.xdg_data_home = absolute(c.xdg);
        facts_.home = absolute(c.home);
        const GameFolders chosen = ChooseGameFolders(facts_);
        EXPECT_EQ(chosen.saved_game, c.saved[0] ? Path(c.saved) : "") << c.xdg << " " << c.home;
        EXPECT_TRUE(chosen.per_user);
    }
}

// The settings file is the player's own whichever folder the data comes from.
TEST_F(GameFolderChoice, TheSettingsFollowXdgConfigHomeThenHome) {
    const struct {
        const char* xdg;
        const char* home;
        const char* settings;
    } cases[] = {
        {"cfg", "home", "cfg/velmo/velmo.cfg"},
        {"", "home", "home/.config/velmo/velmo.cfg"},
        {"relative/cfg", "home", "home/.config/velmo/velmo.cfg"},  // counts as unset
        {"", "", ""},
    };
    for (const char* working_squad : {"", "work/velmo.dat"}) {
        if (working_squad[0]) Touch(working_squad);
        for (const auto& c : cases) {
            facts_.xdg_config_home = c.xdg[0] && c.xdg[0] != 'r' ? Path(c.xdg) : c.xdg;
            facts_.home = c.home[0] ? Path(c.home) : "";
            EXPECT_EQ(ChooseGameFolders(facts_).settings, c.settings[0] ? Path(c.settings) : "")
                << c.xdg << " " << c.home << " " << working_squad;
        }
    }
    EXPECT_EQ(MakeFolderOf(Path("cfg/velmo/velmo.cfg")), "");
    EXPECT_EQ(Mode(Path("cfg/velmo")), 0700u);
    Touch("blocked");
    EXPECT_NE(MakeFolderOf(Path("blocked/velmo/velmo.cfg")), "");
}

TEST_F(GameFolderChoice, ThePlayersFolderIsMadeOwnerOnlyOnlyWhenSaving) {
    facts_.xdg_data_home = Path("home/data");
    const GameFolders chosen = ChooseGameFolders(facts_);
    EXPECT_FALSE(fs::exists(Path("home/data"))) << "choosing makes nothing";

    chmod(Path("home").c_str(), 0755);
    EXPECT_EQ(PrepareSaveFolder(chosen), "");
    EXPECT_EQ(Mode(Path("home/data")), 0700u);
    EXPECT_EQ(Mode(Path("home/data/velmo")), 0700u);
    EXPECT_EQ(Mode(Path("home")), 0755u) << "an existing folder keeps its mode";
    EXPECT_EQ(PrepareSaveFolder(chosen), "") << "a second save finds it made";
    EXPECT_EQ(fs::directory_iterator(Path("home/data/velmo")), fs::directory_iterator())
        << "nothing is written in it but the saved game";
}

TEST_F(GameFolderChoice, NowhereToSaveIsReportedAndWritesNothing) {
    facts_.home = "";
    const std::string nowhere = PrepareSaveFolder(ChooseGameFolders(facts_));
    EXPECT_EQ(nowhere, "The game could not be saved. \nThere is no folder to keep it in: HOME is not set.");

    facts_.home = Path("home");
    Touch("home/.local");  // a file where a folder must go
    const std::string blocked = PrepareSaveFolder(ChooseGameFolders(facts_));
    EXPECT_EQ(blocked.rfind("The game could not be saved. \nThe folder " + Path("home/.local/share/velmo"), 0), 0u)
        << blocked;
    EXPECT_TRUE(fs::is_regular_file(Path("home/.local")));
    EXPECT_EQ(fs::directory_iterator(Path("work")), fs::directory_iterator());
}

}  // namespace
