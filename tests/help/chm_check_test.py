#!/usr/bin/env python3
"""The help file checker on damaged copies of a good help file: each must be refused with a
message that names the damage, while the good file passes.

    chm_check_test.py FILE.chm HELP_FOLDER

HELP_FOLDER is the folder the file was compiled from: a garbled compressed section may still
decompress, into bytes that differ from the sources.
"""

import contextlib
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import chm_check  # noqa: E402

GOOD_FILE = None
SOURCES = None


def _in_directory(data, old, new):
    """The file with a name of its directory changed to another of the same length, so that
    the directory still reads but the name points nowhere."""
    chm = chm_check.ChmFile(data)
    start, end = chm.dir_offset, chm.dir_offset + chm.dir_length
    at = data.find(old, start, end)
    if at < 0:
        raise AssertionError("%r is not in the directory" % old)
    return data[:at] + new + data[at + len(old):]


def _compressed_garbled(data):
    """The middle of the compressed section overwritten with a pattern."""
    chm = chm_check.ChmFile(data)
    content = chm.entries[chm_check.CONTENT]
    middle = chm.content_offset + content.offset + content.length // 2
    return data[:middle] + bytes([0xA5]) * 256 + data[middle + 256:]


# What is done to the good file, and what the checker must then say (one of the texts, when
# several are given).
DAMAGES = [
    ("cut in half", lambda d: d[:len(d) // 2], "cut short"),
    ("last byte missing", lambda d: d[:-1], "cut short"),
    ("bytes added", lambda d: d + b"\0" * 16, "has bytes added"),
    ("only the start of the header", lambda d: d[:0x40], "too short for an ITSF header"),
    ("empty", lambda d: b"", "too short for an ITSF header"),
    ("not a help file", lambda d: b"MZ" + d[2:], "ITSF signature"),
    ("directory header damaged", lambda d: d.replace(b"ITSP", b"ITSQ", 1), "ITSP signature"),
    ("listing chunk damaged", lambda d: d.replace(b"PMGL", b"PMGX", 1), "not a PMGL listing chunk"),
    ("compressed section garbled", _compressed_garbled,
     ("the compressed section does not decompress", "differs from the help folder's")),
    ("a page of the contents missing",
     lambda d: _in_directory(d, b"/welcome.html", b"/welcomX.html"),
     "the contents file names welcome.html, which is not inside"),
    ("a picture missing",
     lambda d: _in_directory(d, b"/images/dialog-text.png", b"/images/dialog-teXt.png"),
     "dialog-text.html refers to images/dialog-text.png, which is not inside"),
    ("the contents file missing",
     lambda d: _in_directory(d, b"/contents.hhc", b"/contentX.hhc"),
     "the contents file contents.hhc is not inside"),
]


def run_checker(data):
    """The checker's status and printed lines for a file holding data."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "ornamo.chm")
        with open(path, "wb") as target:
            target.write(data)
        output = io.StringIO()
        with contextlib.redirect_stdout(output):
            status = chm_check.main([path, "--sources", SOURCES])
    return status, output.getvalue()


class CheckerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(GOOD_FILE, "rb") as source:
            cls.good = source.read()

    def test_good_file_passes(self):
        status, output = run_checker(self.good)
        self.assertEqual(status, 0, output)
        self.assertIn("all present", output)

    def test_damaged_files_are_refused(self):
        for name, damage, expected in DAMAGES:
            with self.subTest(name):
                status, output = run_checker(damage(self.good))
                self.assertEqual(status, 1, output)
                texts = expected if isinstance(expected, tuple) else (expected,)
                self.assertTrue(any(text in output for text in texts), output)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    SOURCES = sys.argv.pop()
    GOOD_FILE = sys.argv.pop()
    unittest.main(verbosity=2)
