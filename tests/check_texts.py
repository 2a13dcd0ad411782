#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text a user sees reaches the translation catalogues.

Two checks over the program's sources (the tests are left out):
1. No prose in a Qt string literal (QStringLiteral, QLatin1String, QString::fromLatin1/fromUtf8,
   u"..."_s) outside tr() and translate(): two words with a blank between them are a sentence a
   user may read, and belong in tr() or QT_TRANSLATE_NOOP("Messages", ...) with Words. What is no
   prose a user reads (a font's family name, markup) is listed in NOT_PROSE with its reason.
2. Every text marked for translation (tr, QT_TR_NOOP, QT_TRANSLATE_NOOP, QT_TRANSLATE_N_NOOP,
   QCoreApplication::translate) stands in each catalogue, so that a forgotten update_translations
   is found before a German user meets an English line.

Usage: check_texts.py SOURCE_DIR. Prints each finding and exits 1 when there is one.
"""
import html
import os
import re
import sys

FOLDERS = ["about", "app", "core", "editor", "exchange", "mainwindow", "platform", "print",
           "scan", "sync", "update"]
NOT_PROSE = {
    "Courier New": "a font's family name",
    "<p style='white-space:pre'>": "markup that keeps a tooltip's text as it is",
}
LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QString::fromLatin1|QString::fromUtf8)'
                     r'\(\s*"((?:[^"\\]|\\.)*)"|u"((?:[^"\\]|\\.)*)"_s')
PROSE = re.compile(r"[A-Za-z%0-9]{2,}[,.:;!?]* +[A-Za-z]{2,}")
# A marked text: its (context-free) source, possibly split over adjacent literals.
STRINGS = r'((?:"(?:[^"\\]|\\.)*"\s*)+)'
MARKED = re.compile(r'\b(?:tr|QT_TR_NOOP)\(\s*' + STRINGS +
                    r'|\bQT_TRANSLATE_N?_?NOOP\(\s*"[^"]*"\s*,\s*' + STRINGS +
                    r'|\btranslate\(\s*"[^"]*"\s*,\s*' + STRINGS)


def joined(literals):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', literals)
    text = "".join(parts)
    return (text.replace('\\"', '"').replace("\\n", "\n").replace("\\r", "\r")
            .replace("\\t", "\t").replace("\\\\", "\\"))


def sources(root):
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(folder, name)


def catalogue(path):
    with open(path, encoding="utf-8") as file:
        # The catalogue keeps a line break's CR as it likes; the words are what must match.
        return {html.unescape(re.sub(r'<byte value="x([0-9a-fA-F]+)"/>',
                                     lambda byte: chr(int(byte.group(1), 16)), source))
                .replace("\r", "")
                for source in re.findall(r"<source>(.*?)</source>", file.read(), re.S)}


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    findings = []
    catalogues = {name: catalogue(os.path.join(root, "app/translations", name))
                  for name in sorted(os.listdir(os.path.join(root, "app/translations")))
                  if name.endswith(".ts")}
    for path in sources(root):
        with open(os.path.join(root, path), encoding="utf-8") as file:
            text = file.read()
        for number, line in enumerate(text.splitlines(), 1):
            for match in LITERAL.finditer(line):
                literal = match.group(1) if match.group(1) is not None else match.group(2)
                if PROSE.search(literal) and literal not in NOT_PROSE:
                    findings.append(f"{path}:{number}: prose outside the catalogues: {literal}")
        for match in MARKED.finditer(text):
            marked = joined(next(group for group in match.groups() if group)).replace("\r", "")
            for name, sources_in in catalogues.items():
                if marked not in sources_in:
                    number = text.count("\n", 0, match.start()) + 1
                    findings.append(f"{path}:{number}: not in {name} (run the "
                                    f"update_translations target): {marked!r}")
    for finding in findings:
        print(finding)
    print(f"texts: {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
