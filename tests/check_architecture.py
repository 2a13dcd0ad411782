#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the code to the map in docs/architecture.md.

Usage: check_architecture.py SOURCE_FOLDER [QT_INCLUDE_DIRS...]

Reads the CMakeLists.txt files for each target's sources and links, and every source file for
its includes, and fails with the list of what breaks the map:
  - the map's table says what TARGETS below says (rows, order, "May use", "Never uses" Qt);
  - a target uses only rows above it, and a plain one only plain ones;
  - a file includes only headers of its own target or of targets its target may use, and
    nothing its row never uses; a target links only what it may use;
  - plain code has no Qt: no <Q...> or <qt...> include, no Q_OBJECT, QString or other Qt name;
  - a Qt include belongs to a Qt module its target may use (QT_INCLUDE_DIRS: Qt's include
    folders, as CMake names them; without them this one check is left out);
  - every throw throws a MoonrillError;
  - every folder with sources is on the map and has a tests/ folder of its name, or says
    here why not.
"""
import glob
import os
import re
import sys

# The map, row by row, in the table's order: (target, folder, the targets it may use, the Qt
# modules it may use; None for plain code, which uses no Qt at all). A target may also use what
# the targets it names may use. Every name a target uses stands in a row above it.
TARGETS = [
    ("core", "core", [], None),
    ("platform_base", "platform", ["core"], None),
    ("platform_notify", "platform", ["platform_base"], None),
    ("platform_dbus", "platform", ["platform_base"], ["QtDBus"]),
    ("platform_text", "platform", ["platform_base"], ["QtCore"]),
    ("platform", "platform", ["platform_base", "platform_text"], ["QtWidgets"]),
    ("about_core", "about", ["core"], None),
    ("about", "about", ["about_core", "platform"], []),
    ("scan_core", "scan", ["core", "platform_base"], None),
    ("scan", "scan", ["scan_core", "platform_text", "platform", "about"], []),
    ("editor_core", "editor", ["core"], None),
    ("editor", "editor", ["editor_core", "platform", "about"], []),
    ("exchange_core", "exchange", ["core"], None),
    ("list_core", "list", ["exchange_core"], None),
    ("print_core", "print", ["core"], None),
    ("print", "print", ["print_core", "platform", "editor"], ["QtPrintSupport"]),
    ("update_core", "update", [], None),
    ("update", "update", ["update_core", "platform", "about"], ["QtNetwork"]),
    ("sync", "sync", ["list_core", "platform_base"],
     ["QtNetwork", "QtConcurrent", "QtKeychain"]),
    ("mainwindow", "mainwindow", ["platform_dbus", "about", "scan", "editor", "list_core"], []),
    ("mainwindow_services", "mainwindow",
     ["mainwindow", "exchange_core", "list_core", "print", "update", "sync"], []),
    ("GuiModule.h", "app", [], None),  # the libraries' entry points, a header alone
    ("moonrill_gui", "app", ["mainwindow", "scan", "GuiModule.h"], ["QtWidgets"]),
    ("moonrill_services", "app", ["mainwindow_services", "sync", "GuiModule.h"], ["QtWidgets"]),
    ("moonrill_notify", "app", ["platform_notify", "scan_core", "GuiModule.h"], None),
    ("moonrill", "app", ["scan_core", "platform_base", "GuiModule.h"], None),
    ("makeclips", "tools", [], []),
    ("makeicons", "tools", [], ["QtWidgets"]),  # compiles the main window's artwork itself
    ("core_bench", "bench", ["core", "scan_core"], []),
    ("exchange_bench", "bench", ["exchange_core"], []),
    ("peer_files", "bench", ["core"], []),
    ("window_bench", "bench", ["mainwindow"], ["QtWidgets"]),
    ("bare_window", "bench", [], ["QtWidgets"]),
    ("floor_scan", "bench", [], []),
    ("map_timer", "bench", [], []),
]

# Headers no source file of the same name places: the target each belongs to.
HEADER_OWNERS = {
    "platform/Text.h": ["platform_text"],  # over QtCore alone
    "about/Maker.h": ["about"],  # made from Maker.h.in
    "platform/AppId.h": ["platform_base"],  # made from AppId.h.in, plain
    "app/GuiModule.h": ["GuiModule.h"],  # GuiModule.cpp is only one of its two sides
    # The services' interface: the window calls it, the services library implements it.
    "mainwindow/WindowServices.h": ["mainwindow"],
}

# What a row's "Never uses" says beyond Qt: headers its files never include.
EVENT_HEADERS = {"clsEvent.h", "EventLine.h", "EventOptions.h", "EventFields.h", "EventState.h",
                 "EventFile.h", "EventTypes.h", "Occurrence.h", "Recovery.h", "ClipboardText.h",
                 "BirthYear.h", "EventList.h"}
NEVER_INCLUDES = {
    "platform_base": EVENT_HEADERS,
    "platform_notify": EVENT_HEADERS,
    "platform_dbus": EVENT_HEADERS,
    "platform_text": EVENT_HEADERS,
    "platform": EVENT_HEADERS,
    "editor": {"EventState.h", "EventList.h"},
}

# Source folders without a tests/ folder of their own, and why.
UNTESTED_FOLDERS = {
    "mainwindow": "its windows are tested with Qt Test in tests/gui",
    "app": "the program is run end to end in tests/e2e",
    "tools": "build-time generators and scripts, which the build itself runs",
    "bench": "benchmarks, run by hand",
}
# tests/ folders that mirror no source folder.
TEST_ONLY_FOLDERS = {"gui", "e2e", "fuzz", "support"}

# A throw of something else than a MoonrillError written out: a kept MoonrillError thrown again.
KEPT_ERRORS = {("core/EventFileSave.cpp", "*m_writeError")}

QT_MODULE_NEEDS = {"QtGui": ["QtCore"], "QtWidgets": ["QtGui"], "QtPrintSupport": ["QtWidgets"],
                   "QtNetwork": ["QtCore"], "QtDBus": ["QtCore"], "QtConcurrent": ["QtCore"],
                   "QtKeychain": ["QtCore"]}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"][^\n]*', re.M)
COMMENT_OR_TEXT = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
QT_NAME = re.compile(r'\b(Q_[A-Z_]+|Q[A-Z][a-z]\w*)\b')
THROW = re.compile(r'\bthrow\b\s*([^;]*)')


def code_of(text):
    """The text without includes, comments and literals, so that only code is searched."""
    return COMMENT_OR_TEXT.sub(" ", INCLUDE.sub(" ", text))


def reachable(start, edges):
    """Everything reached from `start` along `edges` (a target's uses, a Qt module's needs)."""
    seen, todo = set(), list(start)
    while todo:
        item = todo.pop()
        if item not in seen:
            seen.add(item)
            todo.extend(edges.get(item, []))
    return seen


def read_cmake(root, folder):
    """The targets a folder's CMakeLists.txt builds: {name: (sources, linked names)}."""
    text = open(os.path.join(root, folder, "CMakeLists.txt"), encoding="utf-8").read()
    text = re.sub(r"#[^\n]*", "", text)
    sources, links = {}, {}
    for command, args in re.findall(r"\b(add_library|add_executable|target_link_libraries)"
                                    r"\s*\(([^)]*)\)", text):
        words = [w.strip('"') for w in args.split()]
        name, rest = words[0], words[1:]
        if command == "target_link_libraries":
            links.setdefault(name, []).extend(
                w for w in rest if w not in ("PUBLIC", "PRIVATE", "INTERFACE"))
            continue
        files = []
        for word in rest:
            word = (word.replace("${CMAKE_SOURCE_DIR}/", "").replace("${PROJECT_SOURCE_DIR}/", "")
                    .replace("${CMAKE_CURRENT_SOURCE_DIR}/", folder + "/"))
            if word.endswith((".cpp", ".c")):
                files.append(word if "/" in word else folder + "/" + word)
        sources[name] = files
    return {name: (files, links.get(name, [])) for name, files in sources.items()}


def qt_module_finder(args):
    """Which Qt module a header such as <QString> belongs to, from Qt's include folders."""
    roots = [d for arg in args for d in arg.split(";") if os.path.isdir(os.path.join(d, "QtCore"))]
    if not roots:
        return None
    known = {}
    for path in glob.glob(os.path.join(roots[0], "Qt*", "Q*")):
        known.setdefault(os.path.basename(path), os.path.basename(os.path.dirname(path)))

    def module_of(header):
        if header.startswith("qt6keychain/"):
            return "QtKeychain"
        if "/" in header:
            return header.split("/")[0]
        return known.get(header, "an unknown Qt module")
    return module_of


def check_map_table(root, qt_modules, failures):
    """The table in docs/architecture.md says what TARGETS says."""
    names = [t[0] for t in TARGETS]
    by_name = {t[0]: t for t in TARGETS}
    listed = []
    for line in open(os.path.join(root, "docs", "architecture.md"), encoding="utf-8"):
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if not line.startswith("|") or len(cells) != 5:
            continue
        folder, target, _, may_use, never = cells
        row = [n for n in re.findall(r"`([^`]+)`", target) if n in by_name]
        if not row:
            continue
        listed += row
        said = {n for n in re.findall(r"`([^`]+)`", may_use) if n in by_name}
        meant = {u for n in row for u in by_name[n][2]}
        if said != meant:
            failures.append(f"the map's row of {', '.join(row)} says it may use {sorted(said)}, "
                            f"this check says {sorted(meant)}")
        said = {"Qt" + m for m in re.findall(r"\bQt ?([A-Z]\w+)", may_use)}
        meant = {m for n in row for m in (by_name[n][3] or [])}
        if said != meant:
            failures.append(f"the map's row of {', '.join(row)} says it may use the Qt modules "
                            f"{sorted(said)}, this check says {sorted(meant)}")
        plain = re.search(r"\bQt\b(?! ?[A-Z])", never) is not None
        if plain != all(by_name[n][3] is None for n in row):
            failures.append(f"the map's row of {', '.join(row)} " +
                            ("says it never uses Qt" if plain else "does not say it never uses Qt")
                            + ", which this check does not say")
        for module in ("Qt" + m for m in re.findall(r"\bQt ?([A-Z]\w+)", never)):
            if any(module in qt_modules[n] for n in row):
                failures.append(f"the map's row of {', '.join(row)} says it never uses {module}, "
                                "which this check lets it use")
        for n in row:
            if f"`{by_name[n][1]}/`" not in folder:
                failures.append(f"the map puts {n} in {folder}, this check in {by_name[n][1]}/")
    if listed != names:
        same = 0
        while same < min(len(listed), len(names)) and listed[same] == names[same]:
            same += 1
        failures.append(f"after {names[same - 1] if same else 'the start'} the map's rows name "
                        f"{listed[same:same + 3]}, this check's {names[same:same + 3]}")


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), ".."))
    module_of = qt_module_finder(sys.argv[2:])
    failures = []
    names = [t[0] for t in TARGETS]
    uses = {t[0]: t[2] for t in TARGETS}
    modules = {t[0]: t[3] for t in TARGETS}
    plain = {name for name in names if modules[name] is None}
    reach = {name: reachable(uses[name], uses) for name in names}
    may_include = {name: reach[name] | {name} for name in names}
    qt_modules = {name: reachable([m for n in may_include[name] for m in modules[n] or []],
                                  QT_MODULE_NEEDS) for name in names}
    check_map_table(root, qt_modules, failures)
    for position, name in enumerate(names):
        for used in uses[name]:
            if used not in names[:position]:
                failures.append(f"{name} uses {used}, which is not a row above it")
            elif name in plain and used not in plain:
                failures.append(f"{name} is plain but uses {used}, which uses Qt")

    # The targets as the build makes them.
    folders = sorted({t[1] for t in TARGETS})
    built = {}
    for folder in folders:
        built.update(read_cmake(root, folder))
    for name in built:
        if name not in uses:
            failures.append(f"{name} is built but has no row on the map")
    header_alone = {n for owned in HEADER_OWNERS.values() for n in owned if n not in built}
    for name in names:
        if name not in built and name not in header_alone:
            failures.append(f"{name} is on the map but nothing builds it")
    for name, (_, links) in built.items():
        for link in links:
            module = ("QtKeychain" if link.startswith("Qt6Keychain::")
                      else "Qt" + link[5:] if link.startswith("Qt6::") else None)
            if link in uses and link not in reach.get(name, set()):
                failures.append(f"{name} links {link}, which the map does not let it use")
            if module and module not in qt_modules.get(name, set()):
                failures.append(f"{name} links {link}, a Qt module the map does not let it use")

    # Which target each file belongs to.
    owners = {}
    for name, (files, _) in built.items():
        for path in files:
            owners.setdefault(path, []).append(name)
    headers = {}
    for folder in folders:
        for path in sorted(glob.glob(os.path.join(root, folder, "*"))):
            relative = os.path.relpath(path, root)
            if relative.endswith((".cpp", ".c")) and relative not in owners:
                failures.append(f"{relative} is compiled by no target")
            if not relative.endswith((".h", ".h.in")):
                continue
            relative = relative.removesuffix(".in")
            if os.path.basename(relative) in headers:
                failures.append(f"{relative}: another folder has a header of that name")
            headers[os.path.basename(relative)] = relative
            stem = relative[:-2]
            in_folder = [t[0] for t in TARGETS if t[1] == folder]
            owner = (HEADER_OWNERS.get(relative) or owners.get(stem + ".cpp")
                     or owners.get(stem + ".c") or (in_folder if len(in_folder) == 1 else None))
            if owner:
                owners[relative] = owner
            else:
                failures.append(f"{relative}: which target it belongs to is not clear; "
                                "name it in HEADER_OWNERS")

    for path in sorted(owners):
        file = os.path.join(root, path)
        text = open(file if os.path.exists(file) else file + ".in", encoding="utf-8").read()
        code = code_of(text)
        for name in owners[path]:
            for kind, header in INCLUDE.findall(text):
                if kind == "<":
                    if name in plain and header.startswith(("Q", "qt")):
                        failures.append(f"{path} ({name}, plain) includes <{header}>")
                    elif module_of and header.startswith(("Q", "qt")) and \
                            module_of(header) not in qt_modules[name]:
                        failures.append(f"{path} ({name}) includes <{header}> of "
                                        f"{module_of(header)}, which the map does not let it use")
                    continue
                if header.endswith(".moc"):
                    continue
                if header not in headers:
                    failures.append(f"{path} includes \"{header}\", which no folder of ours holds")
                    continue
                if not set(owners[headers[header]]) & may_include[name]:
                    failures.append(f"{path} ({name}) includes {headers[header]} of "
                                    f"{', '.join(owners[headers[header]])}, which the map does "
                                    "not let it use")
                if header in NEVER_INCLUDES.get(name, ()):
                    failures.append(f"{path} ({name}) includes {header}, which its row never uses")
            if name in plain:
                for word in sorted(set(QT_NAME.findall(code))):
                    failures.append(f"{path} ({name}, plain) names {word}")
        for thrown in THROW.findall(code):
            thrown = thrown.split("(")[0].strip()
            if thrown and not thrown.startswith("MoonrillError") and \
                    (path, thrown) not in KEPT_ERRORS:
                failures.append(f"{path} throws {thrown}, not a MoonrillError")

    # Every folder with sources is on the map, and the tests mirror the folders.
    for entry in sorted(os.listdir(root)):
        folder = os.path.join(root, entry)
        if entry.startswith(".") or entry in ("tests", "docs") or not os.path.isdir(folder) or \
                os.path.exists(os.path.join(folder, "CMakeCache.txt")):
            continue
        has_sources = any(f.endswith((".cpp", ".c", ".h")) for f in os.listdir(folder))
        if has_sources and entry not in folders:
            failures.append(f"{entry}/ has sources but no row on the map")
        if has_sources and entry not in UNTESTED_FOLDERS and \
                not os.path.isdir(os.path.join(root, "tests", entry)):
            failures.append(f"{entry}/ has sources but no tests/{entry}/ (or a reason in "
                            "UNTESTED_FOLDERS)")
    for entry in sorted(os.listdir(os.path.join(root, "tests"))):
        if os.path.isdir(os.path.join(root, "tests", entry)) and entry not in TEST_ONLY_FOLDERS \
                and not os.path.isdir(os.path.join(root, entry)):
            failures.append(f"tests/{entry}/ mirrors no folder (or belongs in TEST_ONLY_FOLDERS)")

    if not module_of:
        print("Qt's include folders not given: the Qt module of an include is not checked")
    if failures:
        print("The code and docs/architecture.md disagree:")
        for failure in failures:
            print("  " + failure)
        return 1
    print(f"The map holds: {len(names)} targets, {len(owners)} files.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
