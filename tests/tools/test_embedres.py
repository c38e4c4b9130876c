"""Behaviour of the resource embedder, tools/embedres.py."""

import contextlib
import io
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import embedres  # noqa: E402


class TableSource(unittest.TestCase):
    def test_arrays_and_entries_in_argument_order(self):
        source = embedres.table_source([("TFORM2", b"TPF0"),
                                        ("TFORM1", bytes(range(13)))])
        self.assertIn("constexpr std::uint8_t kTFORM2[] = {\n"
                      "    0x54, 0x50, 0x46, 0x30,\n};", source)
        self.assertIn("    0x0C,\n};", source)
        self.assertLess(source.index('{"TFORM2", kTFORM2}'),
                        source.index('{"TFORM1", kTFORM1}'))

    def test_entry_needs_a_name_and_a_file(self):
        for text in ("TFORM1", "=x.bin", "T FORM=x.bin", "TFORM1="):
            with self.subTest(entry=text):
                with self.assertRaises(ValueError):
                    embedres.parse_entry(text)

    def test_empty_file_is_refused(self):
        with tempfile.TemporaryDirectory() as directory:
            empty = os.path.join(directory, "empty.bin")
            open(empty, "wb").close()
            errors = io.StringIO()
            with contextlib.redirect_stderr(errors):
                status = embedres.main(["-o",
                                        os.path.join(directory, "a.cpp"),
                                        f"TFORM1={empty}"])
            self.assertEqual(status, 1)
            self.assertIn("empty.bin is empty", errors.getvalue())


if __name__ == "__main__":
    unittest.main()
