#!/usr/bin/env python3
"""Faults that check_catalogue.py must catch, each made in a copy of the demo package.

    python3 tools/test_check_catalogue.py
"""

import codecs
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "check_catalogue.py")
PACKAGE = os.path.join(HERE, os.pardir, "package")


def edit_bytes(relative, change):
    def apply(root):
        path = os.path.join(root, relative)
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(change(data))
    return apply


def edit_catalogue(change):
    """Change the Chinese catalogue's text, keeping its encoding."""
    return edit_bytes(os.path.join("Languages", "Chinese.lng"),
                      lambda data: codecs.BOM_UTF16_LE
                      + change(data[2:].decode("utf-16-le")).encode("utf-16-le"))


def remove(relative):
    return lambda root: os.remove(os.path.join(root, relative))


FAULTS = [
    # (what is wrong, how to make it, what the report must say)
    ("catalogue without BOM", edit_bytes("Languages/Chinese.lng", lambda b: b[2:]),
     "byte-order mark"),
    ("catalogue saved as UTF-8",
     edit_bytes("Languages/Chinese.lng", lambda b: b[2:].decode("utf-16-le").encode("utf-8")),
     "byte-order mark"),
    ("catalogue cut in a character", edit_bytes("Languages/Chinese.lng", lambda b: b + b"\0"),
     "odd number"),
    ("no section", edit_catalogue(lambda t: t.replace("[ProgramOutStr]", "[Strings]")),
     "no [ProgramOutStr]"),
    ("text left out", edit_catalogue(lambda t: t.replace("Sure to exit?=", "; ")),
     "no translation of 'Sure to exit?'"),
    ("key spelled other than the program's text",
     edit_catalogue(lambda t: t.replace("Cann't launch the installation", "Can't launch the installation")),
     "not a text the program shows"),
    ("empty translation", edit_catalogue(lambda t: t.replace("=完成", "=")),
     "empty translation"),
    ("same key twice in another case", edit_catalogue(lambda t: t + "done=完毕\r\n"),
     "again"),
    ("placeholder the English text lacks", edit_catalogue(lambda t: t.replace("=完成", "=完成 %s")),
     "placeholders"),
    ("lone percent sign", edit_catalogue(lambda t: t.replace("=完成", "=完成 100%")),
     "lone"),
    ("catalogue missing", remove("Languages/Chinese.lng"), "missing"),
    ("licence without BOM", edit_bytes("Languages/License_English.txt", lambda b: b[2:]),
     "byte-order mark"),
    ("licence with a zero character",
     edit_bytes("Languages/License_Chinese.txt", lambda b: b[:100] + b"\0\0" + b[100:]),
     "zero character"),
    ("licence missing", remove("Languages/License_Chinese.txt"), "missing"),
    ("listed text with a trailing blank", edit_bytes("Languages/texts.txt", lambda b: b + b"Exit \n"),
     "blanks"),
    ("language id with a leading zero",
     edit_bytes("Languages/Language.ini", lambda b: b.replace(b"2052=", b"02052=")),
     "leading zeros"),
]


class CheckCatalogueTest(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.mkdtemp()
        self.root = os.path.join(self.temp, "package")
        shutil.copytree(PACKAGE, self.root)

    def tearDown(self):
        shutil.rmtree(self.temp)

    def run_checker(self):
        return subprocess.run([sys.executable, CHECKER, self.root],
                              stdout=subprocess.PIPE, universal_newlines=True)

    def test_demo_package_passes(self):
        result = self.run_checker()
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_names_match_without_regard_to_case(self):
        edit_catalogue(lambda t: t.replace("[ProgramOutStr]", "[programoutstr]")
                       .replace("Install Now=", "INSTALL NOW="))(self.root)
        result = self.run_checker()
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_faults_are_reported(self):
        for name, make, expected in FAULTS:
            with self.subTest(name):
                shutil.rmtree(self.root)
                shutil.copytree(PACKAGE, self.root)
                make(self.root)
                result = self.run_checker()
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(expected, result.stdout)


if __name__ == "__main__":
    unittest.main()
