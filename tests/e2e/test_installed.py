"""The installed game, its package unpacked into a temporary root with HOME there: it finds its data in the tree and
writes only its saved game in the player's folder, also when started in its data folder; without HOME, nothing."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_RED, Game, check, run_cases  # noqa: E402

STARTS = [  # how it is started: in its data folder (with XDG_DATA_HOME set) or not, and what the save adds
    # under HOME (nothing: HOME is unset)
    ("from an empty folder", False, [".local", ".local/share", ".local/share/velmo", ".local/share/velmo/saved.dat"]),
    ("from its data folder", True, ["xdg", "xdg/velmo", "xdg/velmo/saved.dat"]),
    ("without HOME", False, [])]
SAVED, WITHOUT_HOME = ["The game has been saved."], ["The game could not be saved.",
                                                      "There is no folder to keep it in: HOME is not set."]


def files_under(root):  # every file and folder under root, with its size and time of change
    paths = [os.path.join(folder, name) for folder, folders, names in os.walk(root) for name in folders + names]
    return {path: (os.lstat(path).st_size, os.lstat(path).st_mtime_ns) for path in paths}


def test_saves_only_in_the_players_folder(display, build):
    debs = glob.glob(os.path.join(os.path.abspath(build), "package-test", "velmo_*.deb"))
    check(len(debs) == 1, f"one package in {build}/package-test: {debs}")
    for start, in_data_folder, made in STARTS:
        root = tempfile.mkdtemp(prefix="velmo-installed-")
        subprocess.run(["dpkg-deb", "-x", debs[0], root], check=True)
        home, data = os.path.join(root, "home"), os.path.join(root, "usr", "share", "games", "velmo")
        os.mkdir(home)
        before = files_under(root)
        env = {"HOME": home if made else None,
               "XDG_DATA_HOME": os.path.join(home, "xdg") if in_data_folder else None}
        with Game(display, build, program=os.path.join(root, "usr", "games", "velmo"), env=env,
                  cwd=data if in_data_folder else None) as game:
            game.wait_intro()
            check(not game.grab().only(0, 0, 800, 600, {DARK_RED}), f"{start}: the intro's picture from the tree")
            game.pass_intro()
            check(game.settled().box() is None, f"{start}: the data files were found")
            check(game.answer("s") == (SAVED if made else WITHOUT_HOME), f"{start}: saved, or told why not")
            check(os.listdir(game.folder) == [], f"{start}: the working folder gained nothing")
        after = files_under(root)
        check(sorted(set(after) - set(before)) == [os.path.join(home, p) for p in made],
              f"{start}: only the saved game and its folders are new")
        check(all(after[p] == before[p] for p in before if p != home), f"{start}: nothing else changed")
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    run_cases([test_saves_only_in_the_players_folder])
