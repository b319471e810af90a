// Where the game reads its data and keeps its saved game, on real folders:
// --data, the working folder, the installed tree, and the player's own folder.
#include "data/game_folders.h"

#include <sys/stat.h>

#include "test_league.h"

namespace fs = std::filesystem;

namespace {

// root/work: an unrelated working folder; root/usr/{games,bin}: programs;
// root/usr/share/games/velmo: the installed data; root/home: HOME.
class GameFolderChoice : public ::testing::Test, protected ScratchFolder {
protected:
    void SetUp() override {
        for (const char* folder : {"work", "usr/games", "usr/bin", "usr/share/games/velmo", "home"})
            fs::create_directories(Path(folder));
        Write("usr/share/games/velmo/velmo.dat", "x");
        facts_.working_folder = Path("work");
        facts_.executable = Path("usr/games/velmo");
        facts_.home = Path("home");
    }
    static unsigned Mode(const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
    // The data folder, the saved game and per_user chosen, relative to root.
    void ExpectChoice(const std::string& data, const std::string& saved, bool per_user, const std::string& why) {
        const GameFolders chosen = ChooseGameFolders(facts_);
        EXPECT_EQ(std::make_tuple(chosen.data, chosen.saved_game, chosen.per_user),
                  std::make_tuple(Path(data), Path(saved), per_user)) << why;
    }

    FolderFacts facts_;
};

TEST_F(GameFolderChoice, WithoutDataAnywhereTheWorkingFolderIsUsedAndTheLoaderComplains) {
    fs::create_directories(Path("build"));
    fs::create_directories(Path("games/share/games/velmo"));  // no velmo.dat in it
    for (const char* program : {"build/velmo", "games/velmo", ""}) {
        facts_.executable = program[0] ? Path(program) : "";
        ExpectChoice("work", "work/saved.dat", false, program);
    }
}

// Started from its own data folder (a launcher may do so), by any path to it, the installed
// game still saves in the player's folder.
TEST_F(GameFolderChoice, AnInstalledTreeIsFoundBesideGamesOrBinAndSavesPerUser) {
    fs::create_directory_symlink(Path("usr/share/games/velmo"), Path("link"));
    for (const char* working : {"work", "usr/share/games/velmo", "usr/share/games/velmo/", "link"}) {
        for (const char* program : {"usr/games/velmo", "usr/bin/velmo", "usr/games/../games/velmo"}) {
            facts_.working_folder = Path(working);
            facts_.executable = Path(program);
            ExpectChoice("usr/share/games/velmo", "home/.local/share/velmo/saved.dat", true,
                         std::string(working) + " " + program);
        }
    }
}

TEST_F(GameFolderChoice, AWorkingFolderHoldingTheSquadFileThenTheDataOptionWinAndSaveBesideTheData) {
    Write("work/velmo.dat", "x");
    ExpectChoice("work", "work/saved.dat", false, "the working folder");
    EXPECT_EQ(PrepareSaveFolder(ChooseGameFolders(facts_)), "");
    for (const auto& [option, folder] : {std::pair{"mine", "work/mine"},
                                         std::pair{"./mine/../mine/", "work/mine"},
                                         std::pair{"../usr/share/games/velmo", "usr/share/games/velmo"}}) {
        facts_.data_option = option;
        ExpectChoice(folder, std::string(folder) + "/saved.dat", false, option);
    }
    facts_.data_option = Path("elsewhere");  // absolute, and need not hold the data yet
    EXPECT_EQ(ChooseGameFolders(facts_).data, Path("elsewhere"));
}

// A relative XDG folder counts as unset; a relative HOME as none.
TEST_F(GameFolderChoice, ThePlayersFoldersFollowXdgThenHome) {
    const struct {
        const char* xdg;
        const char* home;  // relative to root, or as given when it starts with "relative"
        const char* saved;
        const char* settings;
    } cases[] = {
        {"xdg", "home", "xdg/velmo/saved.dat", "xdg/velmo/velmo.cfg"},
        {"", "home", "home/.local/share/velmo/saved.dat", "home/.config/velmo/velmo.cfg"},
        {"relative/xdg", "home", "home/.local/share/velmo/saved.dat", "home/.config/velmo/velmo.cfg"},
        {"relative/xdg", "", "", ""},
        {"", "", "", ""},
        {"", "relative/home", "", ""},
    };
    const auto absolute = [&](const std::string& p) { return p.empty() || p.rfind("relative", 0) == 0 ? p : Path(p); };
    for (const char* working_squad : {"", "work/velmo.dat"}) {  // the settings, whichever the data folder
        if (working_squad[0]) Write(working_squad, "x");
        for (const auto& c : cases) {
            facts_.xdg_data_home = facts_.xdg_config_home = absolute(c.xdg);
            facts_.home = absolute(c.home);
            const GameFolders chosen = ChooseGameFolders(facts_);
            if (!working_squad[0])
                EXPECT_EQ(std::make_tuple(chosen.saved_game, chosen.per_user), std::make_tuple(absolute(c.saved), true))
                    << c.xdg << " " << c.home;
            EXPECT_EQ(chosen.settings, absolute(c.settings)) << c.xdg << " " << c.home << " " << working_squad;
        }
    }
    EXPECT_EQ(MakeFolderOf(Path("cfg/velmo/velmo.cfg")), "");
    EXPECT_EQ(Mode(Path("cfg/velmo")), 0700u);
    Write("blocked", "x");
    EXPECT_NE(MakeFolderOf(Path("blocked/velmo/velmo.cfg")), "");
}

TEST_F(GameFolderChoice, ThePlayersFolderIsMadeOwnerOnlyOnlyWhenSavingOrSaysWhyNot) {
    facts_.xdg_data_home = Path("home/data");
    const GameFolders chosen = ChooseGameFolders(facts_);
    EXPECT_FALSE(fs::exists(Path("home/data"))) << "choosing makes nothing";
    chmod(Path("home").c_str(), 0755);
    EXPECT_EQ(PrepareSaveFolder(chosen), "");
    EXPECT_EQ(std::make_tuple(Mode(Path("home/data")), Mode(Path("home/data/velmo")), Mode(Path("home"))),
              std::make_tuple(0700u, 0700u, 0755u)) << "an existing folder keeps its mode";
    EXPECT_EQ(PrepareSaveFolder(chosen), "") << "a second save finds it made";
    EXPECT_EQ(fs::directory_iterator(Path("home/data/velmo")), fs::directory_iterator());

    facts_.xdg_data_home = facts_.home = "";
    EXPECT_EQ(PrepareSaveFolder(ChooseGameFolders(facts_)),
              "The game could not be saved. \nThere is no folder to keep it in: HOME is not set.");
    facts_.home = Path("home");
    Write("home/.local", "x");  // a file where a folder must go
    EXPECT_EQ(PrepareSaveFolder(ChooseGameFolders(facts_)),
              "The game could not be saved. \nThe folder " + Path("home/.local/share/velmo") +
                  " \ncould not be made: Not a directory.");
    EXPECT_TRUE(fs::is_regular_file(Path("home/.local")));
    EXPECT_EQ(fs::directory_iterator(Path("work")), fs::directory_iterator()) << "nothing written elsewhere";
}

}  // namespace
