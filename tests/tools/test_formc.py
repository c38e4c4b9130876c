"""Behaviour of the form compiler, tools/formc.py."""

import contextlib
import io
import os
import struct
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import formc  # noqa: E402

RESOURCES = os.path.join(ROOT, "resources")

FORMS = {
    "Main.form": ("TForm1", 1719),
    "List.form": ("TForm2", 544),
    "Display.form": ("TForm3", 493),
    "Unit4.form": ("TForm4", 1043),
    "Unit5.form": ("TForm5", 815),
}

# The bytes every one-property test form starts with: signature, class TX,
# object X, property name P.
HEAD = b"TPF0\x02TX\x01X\x01P"
TAIL = b"\x00\x00"


def compile_source(text, path="test.form"):
    return formc.compile_text(path, text)


def value_bytes(value_text):
    """The encoded value of property P in a one-property form."""
    data = compile_source(f"object X: TX\n  P = {value_text}\nend\n")
    assert data.startswith(HEAD) and data.endswith(TAIL), data
    return data[len(HEAD):-len(TAIL)]


def short(text):
    data = text.encode("cp932")
    return bytes([len(data)]) + data


class IntegerTags(unittest.TestCase):
    def check(self, value, tag, fmt):
        self.assertEqual(value_bytes(str(value)),
                         bytes([tag]) + struct.pack(fmt, value))

    def test_int8_covers_minus_128_to_127(self):
        for value in (-128, -12, 0, 127):
            self.check(value, 2, "<b")

    def test_int16_starts_just_outside_int8(self):
        for value in (-32768, -129, 128, 192, 32767):
            self.check(value, 3, "<h")

    def test_int32_starts_just_outside_int16(self):
        for value in (-2**31, -32769, 32768, 2**31 - 1):
            self.check(value, 4, "<i")

    def test_worked_values(self):
        self.assertEqual(value_bytes("192"), b"\x03\xC0\x00")
        self.assertEqual(value_bytes("-12"), b"\x02\xF4")

    def test_hex_is_a_32_bit_pattern(self):
        self.assertEqual(value_bytes("0x7F"), b"\x02\x7F")
        self.assertEqual(value_bytes("0x8000000F"),
                         b"\x04" + struct.pack("<I", 0x8000000F))

    def test_out_of_range_is_an_error(self):
        for text in ("2147483648", "-2147483649", "0x100000000"):
            with self.assertRaisesRegex(formc.FormError,
                                        r"^test\.form:2: .*32 bits"):
                value_bytes(text)


class Strings(unittest.TestCase):
    def test_caption_is_written_in_shift_jis(self):
        self.assertEqual(value_bytes('"再生リスト"'),
                         b"\x06\x0A\x8D\xC4\x90\xB6\x83\x8A\x83\x58\x83\x67")

    def test_font_name_keeps_its_single_byte_space(self):
        self.assertEqual(
            value_bytes('"ＭＳ Ｐゴシック"'),
            b"\x06\x0F\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62"
            b"\x83\x4E")

    def test_trail_byte_5c_stays_as_it_is(self):
        self.assertEqual(value_bytes('"表示"'), b"\x06\x04\x95\x5C\x8E\xA6")

    def test_empty_string(self):
        self.assertEqual(value_bytes('""'), b"\x06\x00")

    def test_255_bytes_fit_a_short_string(self):
        self.assertEqual(value_bytes('"' + "a" * 255 + '"'),
                         b"\x06\xFF" + b"a" * 255)

    def test_longer_strings_take_the_long_tag(self):
        self.assertEqual(value_bytes('"' + "あ" * 128 + '"'),
                         b"\x0C" + struct.pack("<I", 256)
                         + "あ".encode("cp932") * 128)

    def test_plus_joins_pieces(self):
        self.assertEqual(value_bytes('"ALL|*.WAV"\n    + "|wave"'),
                         b"\x06\x0EALL|*.WAV|wave")

    def test_escapes(self):
        self.assertEqual(value_bytes(r'"a\"b\\c\td"'), b"\x06\x07a\"b\\c\td")

    def test_unknown_escape_is_an_error(self):
        with self.assertRaisesRegex(formc.FormError,
                                    r"^test\.form:2: unknown escape '\\q'"):
            value_bytes(r'"\q"')

    def test_text_without_a_code_page_932_form_is_an_error(self):
        with self.assertRaisesRegex(formc.FormError,
                                    r"^test\.form:2: .*code page 932"):
            value_bytes('"5 €"')


class OtherValues(unittest.TestCase):
    def test_identifier(self):
        self.assertEqual(value_bytes("clBtnFace"),
                         b"\x07" + short("clBtnFace"))

    def test_booleans_in_any_case(self):
        self.assertEqual(value_bytes("false"), b"\x08")
        self.assertEqual(value_bytes("True"), b"\x09")

    def test_nil(self):
        self.assertEqual(value_bytes("nil"), b"\x0D")

    def test_empty_set(self):
        self.assertEqual(value_bytes("[]"), b"\x0B\x00")

    def test_set_members_are_short_strings(self):
        self.assertEqual(value_bytes("[ofHideReadOnly, ofEnableSizing]"),
                         b"\x0B" + short("ofHideReadOnly")
                         + short("ofEnableSizing") + b"\x00")

    def test_list_of_values(self):
        self.assertEqual(value_bytes('("a", 1, fpFixed)'),
                         b"\x01\x06\x01a\x02\x01\x07" + short("fpFixed")
                         + b"\x00")

    def test_empty_list(self):
        self.assertEqual(value_bytes("()"), b"\x01\x00")


class ObjectRecords(unittest.TestCase):
    def test_properties_then_children_each_closed_by_zero(self):
        data = compile_source(
            "object Form9: TForm9  # a comment\n"
            "  Font.Style = []\n"
            "  object Item: TItem\n"
            "  end\n"
            "end\n")
        self.assertEqual(
            data,
            b"TPF0" + short("TForm9") + short("Form9")
            + short("Font.Style") + b"\x0B\x00" + b"\x00"
            + short("TItem") + short("Item") + b"\x00\x00"
            + b"\x00")

    def test_object_without_name(self):
        self.assertEqual(compile_source("object TThing end"),
                         b"TPF0" + short("TThing") + b"\x00\x00\x00")


class Errors(unittest.TestCase):
    def check(self, text, line, pattern):
        with self.assertRaisesRegex(formc.FormError,
                                    rf"^bad\.form:{line}: {pattern}"):
            compile_source(text, "bad.form")

    def test_missing_equals(self):
        self.check("object A: TA\n  Left 3\nend\n", 2, "expected '='")

    def test_missing_value(self):
        self.check("object A: TA\n  Left =\nend\n", 3, "expected a value")

    def test_unexpected_character(self):
        self.check("object A: TA\n  Left = 3;\nend\n", 2,
                   "unexpected character ';'")

    def test_unterminated_string(self):
        self.check('object A: TA\n  Caption = "abc\nend\n', 2,
                   "string not closed on its line")

    def test_missing_end_names_the_object(self):
        self.check("object A: TA\n  object B: TB\n  end\n", 1,
                   "object A has no 'end'")

    def test_text_after_the_form(self):
        self.check("object A: TA\nend\nLeft = 1\n", 3, "unexpected 'Left'")

    def test_must_start_with_object(self):
        self.check("\n# nothing\nLeft = 1\n", 3, "expected 'object'")

    def test_duplicate_property(self):
        self.check("object A: TA\n  Top = 1\n  top = 2\nend\n", 3,
                   "property top already set on line 2")

    def test_duplicate_component_name_ignores_case(self):
        self.check("object A: TA\n  object Label1: TLabel\n  end\n"
                   "  object LABEL1: TLabel\n  end\nend\n", 4,
                   "component name LABEL1 already used on line 2")

    def test_class_name_must_not_look_like_a_prefix_byte(self):
        self.check(f"object A: T{'x' * 239}\nend\n", 1,
                   "name 'Tx+' is 240 bytes long; at most 239 fit")

    def test_bad_set_member(self):
        self.check("object A: TA\n  Style = [fsBold, 3]\nend\n", 2,
                   "expected a set member")

    def test_source_that_is_not_utf8(self):
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "bad.form")
            with open(path, "wb") as source:
                source.write(b'object A: TA\n  Caption = "\x82\xa0"\nend\n')
            with self.assertRaisesRegex(formc.FormError,
                                        r"bad\.form:2: not UTF-8 text"):
                formc.compile_file(path)


class CommandLine(unittest.TestCase):
    def test_writes_the_resource(self):
        with tempfile.TemporaryDirectory() as directory:
            output = os.path.join(directory, "TFORM2.bin")
            status = formc.main([os.path.join(RESOURCES, "List.form"),
                                 "-o", output])
            self.assertEqual(status, 0)
            with open(output, "rb") as result:
                self.assertEqual(len(result.read()), 544)

    def test_reports_errors_on_stderr(self):
        with tempfile.TemporaryDirectory() as directory:
            source = os.path.join(directory, "broken.form")
            with open(source, "w", encoding="utf-8") as text:
                text.write("object A: TA\n  Left = \n")
            errors = io.StringIO()
            with contextlib.redirect_stderr(errors):
                status = formc.main([source, "-o",
                                     os.path.join(directory, "out.bin")])
            self.assertEqual(status, 1)
            self.assertIn("broken.form:3: expected a value",
                          errors.getvalue())
            self.assertFalse(os.path.exists(
                os.path.join(directory, "out.bin")))


class PlayerForms(unittest.TestCase):
    def compiled(self, name):
        return formc.compile_file(os.path.join(RESOURCES, name))

    def test_sizes(self):
        for name, (_, size) in FORMS.items():
            with self.subTest(form=name):
                self.assertEqual(len(self.compiled(name)), size)

    def test_each_starts_with_its_class_and_object_name(self):
        for name, (class_name, _) in FORMS.items():
            with self.subTest(form=name):
                self.assertTrue(self.compiled(name).startswith(
                    b"TPF0" + short(class_name) + short(class_name[1:])))

    def test_play_list_form_starts_as_laid_out(self):
        expected = (b"TPF0" + short("TForm2") + short("Form2")
                    + short("Left") + b"\x03\xC0\x00"
                    + short("Top") + b"\x03\xD3\x00"
                    + short("Width") + b"\x03\xE6\x00"
                    + short("Height") + b"\x03\xC5\x00"
                    + short("BorderIcons") + b"\x0B\x00"
                    + short("Caption") + b"\x06\x0A"
                    + "再生リスト".encode("cp932"))
        self.assertEqual(self.compiled("List.form")[:len(expected)], expected)

    def test_only_the_value_kinds_of_the_player(self):
        # The five forms use integers of one and two bytes, strings,
        # identifiers, booleans and sets, nothing else.
        for name in FORMS:
            with self.subTest(form=name):
                with open(os.path.join(RESOURCES, name),
                          encoding="utf-8") as source:
                    text = source.read()
                root = formc.Parser(name, formc.tokenize(name, text))
                self.assertLessEqual(value_kinds(root.parse_file()),
                                     {"int8", "int16", "str", "Ident",
                                      "bool", "SetValue"})


def value_kinds(obj):
    kinds = set()
    for _, value, _ in obj.properties:
        if isinstance(value, bool) or not isinstance(value, int):
            kinds.add(type(value).__name__)
        else:
            kinds.add("int8" if -128 <= value <= 127 else "int16"
                      if -32768 <= value <= 32767 else "int32")
    for child in obj.children:
        kinds |= value_kinds(child)
    return kinds


if __name__ == "__main__":
    unittest.main()
