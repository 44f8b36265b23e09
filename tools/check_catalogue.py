#!/usr/bin/env python3
"""Check the language files of an installer package folder.

    check_catalogue.py [PACKAGE_DIR]      (default: the package folder of this tree)

Looks at PACKAGE_DIR/Languages:
  - texts.txt lists every English text the program shows, one per line;
  - Language.ini maps language identifiers to names;
  - <name>.lng must be UTF-16 LE with a byte-order mark and translate every
    listed text in its [ProgramOutStr] section, keeping the printf
    placeholders of the English text in the same order (English.lng, when
    there is one, may leave texts out);
  - License_<name>.txt must exist for every language, also English, and be
    UTF-16 LE with a byte-order mark (the program takes it as raw UTF-16).

The ini files are read the way the Windows reader reads them: names are
matched without regard to case, blanks around keys and values are dropped and
a value's enclosing quotes are removed. Exits with 1 when anything is wrong.
"""

import codecs
import os
import re
import sys

SECTION = "programoutstr"
EMPTY_MARKER = "[~NullInfoPelko~]"
MAX_TRANSLATION = 1022  # the program reads at most this many characters

# A printf conversion as the program's wide formatting understands it.
PLACEHOLDER = re.compile(
    r"%(?:%|[-+ #0]*(?:\*|\d+)?(?:\.(?:\*|\d+))?"
    r"(?:hh|h|ll|l|L|j|z|t|I64|I32|I|w)?[diouxXeEfFgGaAcCsSpn])")


class Report:
    def __init__(self):
        self.errors = 0

    def error(self, where, message):
        self.errors += 1
        print("error: %s: %s" % (where, message))

    def warning(self, where, message):
        print("warning: %s: %s" % (where, message))


def decode_ini(data):
    """Text of an ini file as Windows takes it: UTF-16 LE after its BOM,
    otherwise the system code page (Latin-1 keeps every byte here)."""
    if data.startswith(codecs.BOM_UTF16_LE):
        return data[2:].decode("utf-16-le")
    return data.decode("latin-1")


def read_utf16_bom(path, report):
    """Text of a file that must be UTF-16 LE with a BOM, or None."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(codecs.BOM_UTF16_LE):
        report.error(path, "not UTF-16 LE with a byte-order mark (FF FE)")
        return None
    if len(data) % 2:
        report.error(path, "odd number of bytes: the last character is cut")
        return None
    try:
        return data[2:].decode("utf-16-le")
    except UnicodeDecodeError as e:
        report.error(path, "broken UTF-16: %s" % e)
        return None


def unquote(value):
    if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
        return value[1:-1]
    return value


def parse_section(text, section, path, report):
    """Entries of one section, in file order, as (line number, key, value)."""
    entries = []
    inside = False
    for number, line in enumerate(text.splitlines(), 1):
        line = line.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("["):
            inside = line[1:].split("]", 1)[0].strip().lower() == section
            continue
        if not inside:
            continue
        if "=" not in line:
            report.warning("%s:%d" % (path, number), "line without '=' is ignored")
            continue
        key, value = line.split("=", 1)
        entries.append((number, key.strip(), unquote(value.strip())))
    return entries


def placeholders(text):
    return [m for m in PLACEHOLDER.findall(text) if m != "%%"]


def stray_percent(text):
    """True when a '%' is not part of any placeholder."""
    return "%" in PLACEHOLDER.sub("", text)


def unknown_escapes(value):
    rest = value.replace("\\r\\n", "").replace("\\n", "")
    return "\\" in rest


def read_texts(path, report):
    texts = []
    seen = {}
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, text in enumerate(lines, 1):
        where = "%s:%d" % (path, number)
        if not text:
            continue
        if text != text.strip():
            report.error(where, "blanks around %r: the ini reader drops them, so it can never be found" % text)
        if "=" in text or text.lstrip()[:1] in ("[", ";"):
            report.error(where, "%r cannot be an ini key" % text)
        lowered = text.lower()
        if lowered in seen:
            report.error(where, "%r listed twice (also line %d)" % (text, seen[lowered]))
            continue
        seen[lowered] = number
        texts.append(text)
    return texts


def check_catalogue(path, texts, complete, report):
    text = read_utf16_bom(path, report)
    if text is None:
        return
    entries = parse_section(text, SECTION, path, report)
    if not entries:
        report.error(path, "no [ProgramOutStr] entries")
        return
    wanted = {t.lower(): t for t in texts}
    found = {}
    for number, key, value in entries:
        where = "%s:%d" % (path, number)
        lowered = key.lower()
        if lowered in found:
            report.error(where, "%r again: only the first entry is ever read" % key)
            continue
        found[lowered] = value
        if lowered not in wanted:
            report.error(where, "%r is not a text the program shows (see texts.txt)" % key)
            continue
        english = wanted[lowered]
        if not value:
            report.error(where, "%r has an empty translation" % english)
            continue
        if placeholders(value) != placeholders(english):
            report.error(where, "placeholders of %r are %s, the translation has %s"
                         % (english, placeholders(english), placeholders(value)))
        elif stray_percent(value) and not stray_percent(english):
            report.error(where, "a lone '%%' in the translation of %r" % english)
        if unknown_escapes(value):
            report.warning(where, "a backslash other than \\n or \\r\\n is shown as it stands")
        shown = value.replace("\\r\\n", "\r\n").replace("\\n", "\n").replace(EMPTY_MARKER, "")
        if len(shown) > MAX_TRANSLATION:
            report.error(where, "translation longer than %d characters is cut" % MAX_TRANSLATION)
    for lowered, english in wanted.items():
        if complete and lowered not in found:
            report.error(path, "no translation of %r" % english)


def check_licence(path, report):
    if not os.path.isfile(path):
        report.error(path, "missing")
        return
    text = read_utf16_bom(path, report)
    if text is None:
        return
    if "\0" in text:
        report.error(path, "contains a zero character: the text shown ends there")
    elif not text.strip():
        report.warning(path, "empty licence text")


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    package = argv[1] if len(argv) > 1 else os.path.join(here, os.pardir, "package")
    languages = os.path.join(package, "Languages")
    report = Report()

    texts_path = os.path.join(languages, "texts.txt")
    if not os.path.isfile(texts_path):
        report.error(texts_path, "missing")
        return 1
    texts = read_texts(texts_path, report)

    names = ["English"]
    list_path = os.path.join(languages, "Language.ini")
    if os.path.isfile(list_path):
        with open(list_path, "rb") as f:
            list_text = decode_ini(f.read())
        for number, key, name in parse_section(list_text, "lcid", list_path, report):
            where = "%s:%d" % (list_path, number)
            if not key.isdigit() or int(key) > 0xFFFF:
                report.error(where, "%r is not a decimal language identifier" % key)
            elif key != str(int(key)):
                report.error(where, "%r has leading zeros; the program looks up %r" % (key, str(int(key))))
            if not name:
                report.warning(where, "empty name: that language gets English")
            elif re.search(r'[\\/:*?"<>|]', name):
                report.error(where, "%r cannot be part of a file name" % name)
            elif name not in names:
                names.append(name)
    else:
        report.warning(list_path, "missing: every system gets English")

    for name in names:
        catalogue = os.path.join(languages, name + ".lng")
        if os.path.isfile(catalogue):
            # An English catalogue may reword a few texts; any other must be complete.
            check_catalogue(catalogue, texts, name != "English", report)
        elif name != "English":
            report.error(catalogue, "missing: %s would be shown in English" % name)
        check_licence(os.path.join(languages, "License_%s.txt" % name), report)

    if report.errors:
        print("%d problem(s) found" % report.errors)
        return 1
    print("ok: %d texts, languages %s" % (len(texts), ", ".join(names)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
