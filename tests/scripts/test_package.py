#!/usr/bin/env python3
"""The Debian package that cpack made in BUILD/package-test: name, fields,
dependencies, paths, what its files hold, and Debian's own checkers
(desktop-file-validate, appstreamcli, lintian) with nothing to report."""
import argparse
import glob
import gzip
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = os.path.join(REPO, "game")
RESULTS = {"passed": 0, "failed": 0}
DOCS = ["copyright", "changelog.gz", "README.TXT", "calcio.rtf"]
DESKTOP = "usr/share/applications/org.example.velmo.desktop"
METAINFO = "usr/share/metainfo/org.example.velmo.metainfo.xml"
ICONS = [f"usr/share/icons/hicolor/{n}x{n}/apps/velmo.png" for n in (48, 64, 128, 256)]


def check(name, condition, detail=""):
    RESULTS["passed" if condition else "failed"] += 1
    if not condition:
        print(f"FAIL {name} {detail}")


def output(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def expected_files():
    """Every file the package must hold, no more."""
    data = [os.path.relpath(os.path.join(folder, name), GAME)
            for folder, _, names in os.walk(os.path.join(GAME, "media")) for name in names]
    data += ["velmo.dat", "teams.dat", "calendario.dat"]
    return sorted(["usr/games/velmo", DESKTOP, METAINFO, "usr/share/man/man6/velmo.6.gz", *ICONS]
                  + ["usr/share/games/velmo/" + name for name in data]
                  + ["usr/share/doc/velmo/" + name for name in DOCS])


def test_name_fields_and_dependencies(deb, version):
    arch = output("dpkg", "--print-architecture").strip()
    check("file name", os.path.basename(deb) == f"velmo_{version}_{arch}.deb", deb)
    fields = {name: output("dpkg-deb", "-f", deb, name).strip()
              for name in ("Package", "Version", "Architecture", "Section", "Description", "Depends")}
    check("fields", (fields["Package"], fields["Version"], fields["Architecture"], fields["Section"])
          == ("velmo", version, arch, "games"), fields)
    check("an extended description", len(fields["Description"].splitlines()) >= 3, fields["Description"])
    depends = [d.split()[0] for d in fields["Depends"].split(", ")]
    check("dependencies from dpkg-shlibdeps", {"liballegro4.4", "libjpgalleg4.4", "libc6"} <= set(depends)
          and all(re.search(r"\(>= [^)]+\)", d) for d in fields["Depends"].split(", ")), depends)
    check("no development packages", not any(d.endswith("-dev") for d in depends), depends)


def test_paths(deb):
    """Modes, owners, stripping and compression are lintian's to check (below)."""
    entries = [line.split() for line in output("dpkg-deb", "-c", deb).splitlines()]
    files = sorted(e[5][2:] for e in entries if not e[0].startswith("d"))
    check("exactly the expected files", files == expected_files(),
          sorted(set(files) ^ set(expected_files())))


def test_what_the_files_hold(root, version):
    for name in ["velmo.dat", "teams.dat", "calendario.dat", "media/intro.jpg", "media/badge/velmo.bmp"]:
        with open(os.path.join(GAME, name), "rb") as a, open(os.path.join(root, "usr/share/games/velmo", name), "rb") as b:
            check(f"{name} as shipped in game/", a.read() == b.read())
    with gzip.open(os.path.join(root, "usr/share/man/man6/velmo.6.gz"), "rt") as f:
        check("the manual page carries the version", f'"velmo {version}"' in f.readline())
    with gzip.open(os.path.join(root, "usr/share/doc/velmo/changelog.gz"), "rt") as f:
        check("the changelog's newest entry is this version", f.readline().startswith(f"velmo ({version}) "))
    releases = ElementTree.parse(os.path.join(root, METAINFO)).getroot().find("releases")
    check("the metainfo's newest release is this version", releases[0].get("version") == version)
    with open(os.path.join(root, DESKTOP)) as f:
        entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
    check("the menu entry", (entry.get("Exec"), entry.get("Icon"), entry.get("Categories"))
          == ("velmo", "velmo", "Game;SportsGame;"), entry)


def test_debian_checkers(deb, root):
    for command in (["desktop-file-validate", os.path.join(root, DESKTOP)],
                    ["appstreamcli", "validate", "--no-net", "--pedantic", os.path.join(root, METAINFO)]):
        run = subprocess.run(command, capture_output=True, text=True)
        check(command[0], run.returncode == 0 and not re.search(r"^[EWI]:|warning|error", run.stdout, re.M),
              run.stdout + run.stderr)
    # Errors and warnings fail; informational tags (lintian -I) are allowed.
    run = subprocess.run(["lintian", "--fail-on", "error,warning", deb], capture_output=True, text=True)
    tags = [line for line in run.stdout.splitlines() if re.match(r"[EW]: ", line)]
    check("lintian", run.returncode == 0 and tags == [], run.stdout + run.stderr)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    build = os.path.abspath(parser.parse_args().build)
    with open(os.path.join(build, "CMakeCache.txt")) as f:
        version = re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", f.read(), re.M).group(1)
    debs = glob.glob(os.path.join(build, "package-test", "velmo_*.deb"))
    if len(debs) != 1:
        sys.exit(f"expected one package in {build}/package-test, found {debs}")
    deb = debs[0]
    with tempfile.TemporaryDirectory() as root:
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        test_name_fields_and_dependencies(deb, version)
        test_paths(deb)
        test_what_the_files_hold(root, version)
        test_debian_checkers(deb, root)
    print(f"{RESULTS['passed']} passed, {RESULTS['failed']} failed")
    sys.exit(1 if RESULTS["failed"] else 0)


if __name__ == "__main__":
    main()
