"""The installed game: the package unpacked with dpkg-deb -x into a temporary root and run from an
unrelated, empty working folder with HOME a temporary folder. It finds its data in the tree, keeps its
saved game in the player's own folder, and writes nowhere else."""

import glob
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_RED, Game, check, run_cases  # noqa: E402

NOT_SAVED = ["The game could not be saved.", "There is no folder to keep it in: HOME is not set."]


class InstalledTree:
    """The package's files under a temporary root, with an empty HOME beside them."""

    def __init__(self, build):
        debs = glob.glob(os.path.join(os.path.abspath(build), "package-test", "velmo_*.deb"))
        check(len(debs) == 1, f"one package in {build}/package-test: {debs}")
        self.root = tempfile.mkdtemp(prefix="velmo-installed-")
        subprocess.run(["dpkg-deb", "-x", debs[0], self.root], check=True)
        self.program = os.path.join(self.root, "usr", "games", "velmo")
        self.data = os.path.join(self.root, "usr", "share", "games", "velmo")
        self.home = os.path.join(self.root, "home")
        os.mkdir(self.home)

    def files(self):
        """Every file and folder under the root, with its size and time of change."""
        return {os.path.join(folder, name): (os.lstat(os.path.join(folder, name)).st_size,
                                             os.lstat(os.path.join(folder, name)).st_mtime_ns)
                for folder, folders, names in os.walk(self.root) for name in folders + names}

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


def is_new_league(text):
    """The 21 lines of a saved game at matchday 0: "0 ", then twenty clubs, all counters 0, ids 0..19."""
    lines = text.split("\n")
    clubs = [re.fullmatch(r"\S+ 0 0 0 0 0 0 (\d+) ", line) for line in lines[1:21]]
    return (len(lines) == 22 and lines[0] == "0 " and lines[21] == "" and all(clubs)
            and sorted(int(c.group(1)) for c in clubs) == list(range(20)))


def test_saves_in_the_players_folder_and_nowhere_else(display, build):
    saves_in_the_players_folder(display, build, from_data_folder=False)


def test_started_in_its_data_folder_it_still_saves_in_the_players_folder(display, build):
    saves_in_the_players_folder(display, build, from_data_folder=True)


def saves_in_the_players_folder(display, build, from_data_folder):
    """From an empty folder with HOME set, or from its own data folder (as a launcher may start it)
    with XDG_DATA_HOME set: either way the saved game goes to the player's folder only."""
    tree = InstalledTree(build)
    before = tree.files()
    data_home = os.path.join(tree.home, "xdg") if from_data_folder else os.path.join(tree.home, ".local", "share")
    saved = os.path.join(data_home, "velmo", "saved.dat")
    env = {"HOME": tree.home, "XDG_DATA_HOME": data_home if from_data_folder else None}
    with Game(display, build, program=tree.program, env=env, cwd=tree.data if from_data_folder else None) as game:
        game.wait_intro()
        check(not game.grab().only(0, 0, 800, 600, {DARK_RED}), "the intro shows its picture from the tree")
        game.screenshot("installed_intro")
        game.pass_intro()
        check(game.settled().box() is None, "the data files were found: no message")
        game.screenshot("installed_main_screen")
        check(game.answer("s") == ["The game has been saved."], "saved")
        game.wait_main_screen()
        with open(saved) as f:
            check(is_new_league(f.read()), "~/.local/share/velmo/saved.dat holds a new league")
        check(stat.S_IMODE(os.stat(os.path.dirname(saved)).st_mode) == 0o700, "its folder is the owner's only")
        check(game.answer("l") == ["The saved game was successfully restored."], "loaded back")
        game.wait_main_screen()
        check(os.listdir(game.folder) == [], "the working folder gained nothing")
    after = tree.files()
    gained = sorted(set(after) - set(before))
    made = ["xdg", "xdg/velmo", "xdg/velmo/saved.dat"] if from_data_folder else [
        ".local", ".local/share", ".local/share/velmo", ".local/share/velmo/saved.dat"]
    check(gained == [os.path.join(tree.home, p) for p in made], f"only the saved game and its folders are new: {gained}")
    check(all(after[p] == before[p] for p in before if p.startswith(tree.data)), "the data folder is untouched")
    tree.remove()


def test_without_home_the_save_is_refused(display, build):
    tree = InstalledTree(build)
    before = tree.files()
    with Game(display, build, program=tree.program, env={"HOME": None, "XDG_DATA_HOME": None}) as game:
        game.pass_intro()
        check(game.ask("s") == NOT_SAVED, "the player is told the game could not be saved")
        game.screenshot("installed_not_saved")
        game.dismiss_box()
        game.wait_main_screen()
        check(game.answer("l") == ["There are no saved games to restore!"], "and there is none to load")
        check(os.listdir(game.folder) == [], "the working folder gained nothing")
    check(tree.files() == before, "nothing was written in the tree")
    tree.remove()


if __name__ == "__main__":
    run_cases([test_saves_in_the_players_folder_and_nowhere_else,
               test_started_in_its_data_folder_it_still_saves_in_the_players_folder,
               test_without_home_the_save_is_refused])
