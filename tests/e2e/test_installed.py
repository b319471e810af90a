"""The installed game: the package unpacked with dpkg-deb -x into a temporary root, run with HOME a folder
there. It finds its data in the tree, keeps its saved game in the player's own folder, and writes nowhere
else, also when started in its own data folder (as a launcher may start it); without HOME it saves nothing."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from velmo_driver import DARK_RED, Game, check, run_cases  # noqa: E402

STARTS = [  # how it is started: in its data folder (with XDG_DATA_HOME set) or not, and the folders the save
    # adds under HOME before saved.dat (None: HOME is unset)
    ("from an empty folder", False, [".local", ".local/share", ".local/share/velmo"]),
    ("from its data folder", True, ["xdg", "xdg/velmo"]),
    ("without HOME", False, None)]


def files_under(root):
    """Every file and folder under root, with its size and time of change."""
    return {os.path.join(folder, name): (os.lstat(os.path.join(folder, name)).st_size,
                                         os.lstat(os.path.join(folder, name)).st_mtime_ns)
            for folder, folders, names in os.walk(root) for name in folders + names}


def test_saves_only_in_the_players_folder(display, build):
    debs = glob.glob(os.path.join(os.path.abspath(build), "package-test", "velmo_*.deb"))
    check(len(debs) == 1, f"one package in {build}/package-test: {debs}")
    for start, in_data_folder, folders in STARTS:
        root = tempfile.mkdtemp(prefix="velmo-installed-")
        subprocess.run(["dpkg-deb", "-x", debs[0], root], check=True)
        home, data = os.path.join(root, "home"), os.path.join(root, "usr", "share", "games", "velmo")
        os.mkdir(home)
        before = files_under(root)
        env = {"HOME": None if folders is None else home,
               "XDG_DATA_HOME": os.path.join(home, "xdg") if in_data_folder else None}
        with Game(display, build, program=os.path.join(root, "usr", "games", "velmo"), env=env,
                  cwd=data if in_data_folder else None) as game:
            game.wait_intro()
            check(not game.grab().only(0, 0, 800, 600, {DARK_RED}), f"{start}: the intro's picture from the tree")
            game.pass_intro()
            check(game.settled().box() is None, f"{start}: the data files were found")
            if folders:
                check(game.answer("s") == ["The game has been saved."], f"{start}: saved")
                game.wait_main_screen()
                check(game.answer("l") == ["The saved game was successfully restored."], f"{start}: loaded back")
            else:
                check(game.answer("s") == ["The game could not be saved.",
                                           "There is no folder to keep it in: HOME is not set."], f"{start}: told")
                game.wait_main_screen()
                check(game.answer("l") == ["There are no saved games to restore!"], f"{start}: none to load")
            game.wait_main_screen()
            check(os.listdir(game.folder) == [], f"{start}: the working folder gained nothing")
        after = files_under(root)
        made = [os.path.join(home, p) for p in folders + [folders[-1] + "/saved.dat"]] if folders else []
        check(sorted(set(after) - set(before)) == made, f"{start}: only the saved game and its folders are new")
        check(all(after[p] == before[p] for p in before if p != home), f"{start}: nothing else changed")
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    run_cases([test_saves_only_in_the_players_folder])
