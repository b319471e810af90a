#include "data/game_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/loaders.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSavedFile = "saved.dat";
constexpr const char* kSettingsFile = "velmo.cfg";

// The folder without "." or ".." parts or a trailing separator.
fs::path Tidy(const fs::path& folder) {
    fs::path tidy = folder.lexically_normal();
    return tidy.has_filename() || tidy == tidy.root_path() ? tidy : tidy.parent_path();
}

bool HoldsData(const fs::path& folder) {
    std::error_code ignored;
    return fs::is_regular_file(folder / kSquadFile, ignored);  // the file that marks a data folder
}

// The same folder, also when one path reaches it through a link.
bool SameFolder(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code unknown;
    return a == b || fs::equivalent(a, b, unknown);
}

// ../share/games/velmo from an executable in games/ or bin/, or "".
fs::path InstalledDataFolder(const std::string& executable) {
    if (executable.empty()) return {};
    const fs::path bin = fs::path(executable).parent_path();
    if (bin.filename() != "games" && bin.filename() != "bin") return {};
    return Tidy(bin.parent_path() / "share" / "games" / "velmo");
}

// One of the player's own folders, as the XDG base directories define them:
// the variable's value, else `fallback` under HOME. A relative path names no
// folder (it would land wherever the game runs), so it counts as unset, like
// an empty one.
fs::path UserFolder(const std::string& xdg_value, const std::string& home, const fs::path& fallback) {
    const fs::path xdg = xdg_value;
    if (xdg.is_absolute()) return xdg;
    if (fs::path(home).is_absolute()) return fs::path(home) / fallback;
    return {};
}

fs::path UserDataHome(const FolderFacts& facts) {
    return UserFolder(facts.xdg_data_home, facts.home, fs::path(".local") / "share");
}

std::string SettingsFile(const FolderFacts& facts) {
    const fs::path config = UserFolder(facts.xdg_config_home, facts.home, ".config");
    return config.empty() ? "" : (config / "velmo" / kSettingsFile).string();
}

GameFolders SavingBeside(const fs::path& data, const FolderFacts& facts) {
    return {data.string(), (data / kSavedFile).string(), false, SettingsFile(facts)};
}

// Makes `folder` and any missing parent, each new one with mode 0700.
// Returns "" or what went wrong.
std::string MakeFolders(const fs::path& folder) {
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (mkdir(made.c_str(), 0700) == 0 || errno == EEXIST) continue;
        return std::strerror(errno);
    }
    std::error_code ignored;
    return fs::is_directory(folder, ignored) ? "" : std::strerror(ENOTDIR);
}

}  // namespace

GameFolders ChooseGameFolders(const FolderFacts& facts) {
    const fs::path working = Tidy(facts.working_folder);
    if (!facts.data_option.empty()) {
        return SavingBeside(Tidy(working / facts.data_option), facts);
    }
    const fs::path installed = InstalledDataFolder(facts.executable);
    // The installed data folder as the working folder (a launcher may start
    // the game there) is still the installed game, which never saves in it.
    if (HoldsData(working) && !SameFolder(working, installed)) return SavingBeside(working, facts);
    if (installed.empty() || !HoldsData(installed)) return SavingBeside(working, facts);

    GameFolders folders{installed.string(), "", true, SettingsFile(facts)};
    const fs::path user = UserDataHome(facts);
    if (!user.empty()) folders.saved_game = (user / "velmo" / kSavedFile).string();
    return folders;
}

std::string MakeFolderOf(const std::string& file) {
    const fs::path folder = fs::path(file).parent_path();
    return MakeFolders(folder.empty() ? "." : folder);  // a bare file name lies in the working folder
}

std::string PrepareSaveFolder(const GameFolders& folders) {
    if (!folders.per_user) return "";
    if (folders.saved_game.empty()) {
        return "The game could not be saved. \n"
               "There is no folder to keep it in: HOME is not set.";
    }
    const fs::path folder = fs::path(folders.saved_game).parent_path();
    const std::string fault = MakeFolders(folder);
    if (fault.empty()) return "";
    return "The game could not be saved. \nThe folder " + folder.string() +
           " \ncould not be made: " + fault + ".";
}
