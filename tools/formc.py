#!/usr/bin/env python3
"""Compile a form description into the binary form resource the program loads.

The source notation is described in docs/form-notation.md. The output starts
with the signature "TPF0", followed by the root object record; strings are
written in code page 932, integers in the narrowest tag that holds them.

Usage: formc.py SOURCE -o OUTPUT
"""

import argparse
import re
import struct
import sys
from dataclasses import dataclass, field

SIGNATURE = b"TPF0"
ENCODING = "cp932"

TAG_END = 0
TAG_LIST = 1
TAG_INT8 = 2
TAG_INT16 = 3
TAG_INT32 = 4
TAG_STRING = 6
TAG_IDENT = 7
TAG_FALSE = 8
TAG_TRUE = 9
TAG_SET = 11
TAG_LONG_STRING = 12
TAG_NIL = 13

# A byte of 0xF0 or more where a class name starts is read as a prefix byte,
# so a class name's length byte must stay below it.
MAX_CLASS_NAME = 0xEF
MAX_SHORT_STRING = 0xFF

# Words that shape the object tree and so cannot stand as identifier values.
KEYWORDS = ("object", "end")

ESCAPES = {'"': '"', "\\": "\\", "n": "\n", "r": "\r", "t": "\t"}
ESCAPE_PATTERN = re.compile(r"\\(.)")

TOKEN_PATTERN = re.compile(r"""
    (?P<space>[ \t\r]+)
  | (?P<newline>\n)
  | (?P<comment>\#[^\n]*)
  | (?P<int>-?0[xX][0-9A-Fa-f]+|-?[0-9]+)
  | (?P<name>[A-Za-z_][A-Za-z0-9_]*)
  | (?P<string>"(?:[^"\\\n]|\\.)*")
  | (?P<punct>[:=\[\](),.+])
""", re.VERBOSE)


class FormError(Exception):
    """A malformed source, reported as file:line: message."""

    def __init__(self, path, line, message):
        super().__init__(f"{path}:{line}: {message}")


@dataclass
class Token:
    kind: str
    text: str
    line: int


@dataclass
class Ident:
    """An identifier value: enumeration member, constant, component or
    method name."""
    name: str


@dataclass
class SetValue:
    members: list


@dataclass
class FormObject:
    class_name: str
    name: str
    line: int
    properties: list = field(default_factory=list)
    children: list = field(default_factory=list)


def tokenize(path, text):
    tokens = []
    line = 1
    position = 0
    while position < len(text):
        match = TOKEN_PATTERN.match(text, position)
        if match is None:
            raise FormError(path, line, unexpected_text(text[position]))
        kind = match.lastgroup
        if kind == "newline":
            line += 1
        elif kind not in ("space", "comment"):
            tokens.append(Token(kind, match.group(), line))
        position = match.end()
    tokens.append(Token("eof", "", line))
    return tokens


def unexpected_text(char):
    if char == '"':
        return "string not closed on its line"
    return f"unexpected character {char!r}"


class Parser:
    """Recursive descent over the token list; builds FormObject trees."""

    def __init__(self, path, tokens):
        self.path = path
        self.tokens = tokens
        self.index = 0

    def error(self, message, token=None):
        token = token or self.peek()
        return FormError(self.path, token.line, message)

    def peek(self):
        return self.tokens[self.index]

    def advance(self):
        token = self.tokens[self.index]
        if token.kind != "eof":
            self.index += 1
        return token

    def accept(self, text):
        token = self.peek()
        if token.kind in ("punct", "name") and token.text == text:
            return self.advance()
        return None

    def expect(self, text):
        token = self.accept(text)
        if token is None:
            raise self.error(
                f"expected '{text}', found {describe(self.peek())}")
        return token

    def expect_name(self, what):
        token = self.peek()
        if token.kind != "name":
            raise self.error(f"expected {what}, found {describe(token)}")
        return self.advance().text

    def parse_file(self):
        if self.peek().text != "object":
            raise self.error("expected 'object' to start the form")
        root = self.parse_object()
        if self.peek().kind != "eof":
            raise self.error(
                f"unexpected {describe(self.peek())} after the form's 'end'")
        return root

    def parse_object(self):
        line = self.expect("object").line
        first = self.expect_name("an object name or class name")
        if self.accept(":"):
            obj = FormObject(self.expect_name("a class name"), first, line)
        else:
            obj = FormObject(first, "", line)
        while not self.accept("end"):
            if self.peek().kind == "eof":
                raise FormError(self.path, line,
                                f"object {obj.name or obj.class_name} "
                                "has no 'end'")
            if self.peek().text == "object":
                obj.children.append(self.parse_object())
            else:
                obj.properties.append(self.parse_property())
        return obj

    def parse_property(self):
        token = self.peek()
        path = [self.expect_name("a property name or 'object'")]
        while self.accept("."):
            path.append(self.expect_name("a property name after '.'"))
        self.expect("=")
        return ".".join(path), self.parse_value(), token.line

    def parse_value(self):
        token = self.peek()
        if token.kind == "int":
            return self.parse_int(self.advance())
        if token.kind == "string":
            return self.parse_strings()
        if token.kind == "name" and token.text not in KEYWORDS:
            return keyword_value(self.advance().text)
        if self.accept("["):
            return SetValue(self.parse_sequence("]", self.parse_member))
        if self.accept("("):
            return self.parse_sequence(")", self.parse_value)
        raise self.error(f"expected a value, found {describe(token)}")

    def parse_int(self, token):
        text = token.text
        negative = text.startswith("-")
        digits = text.lstrip("-")
        if digits[:2].lower() == "0x":
            value = int(digits, 16)
            if value > 0xFFFFFFFF:
                raise self.error(f"integer {text} does not fit in 32 bits",
                                 token)
            value = struct.unpack("<i", struct.pack("<I", value))[0]
        else:
            value = int(digits)
        value = -value if negative else value
        if not -2**31 <= value < 2**31:
            raise self.error(f"integer {text} does not fit in 32 bits", token)
        return value

    def parse_strings(self):
        text = self.parse_string(self.advance())
        while self.accept("+"):
            token = self.peek()
            if token.kind != "string":
                raise self.error(
                    f"expected a string after '+', found {describe(token)}")
            text += self.parse_string(self.advance())
        return text

    def parse_string(self, token):
        def unescape(match):
            if match.group(1) not in ESCAPES:
                raise self.error(f"unknown escape '{match.group()}'", token)
            return ESCAPES[match.group(1)]
        return ESCAPE_PATTERN.sub(unescape, token.text[1:-1])

    def parse_member(self):
        return self.expect_name("a set member")

    def parse_sequence(self, closing, parse_item):
        items = []
        if self.accept(closing):
            return items
        items.append(parse_item())
        while self.accept(","):
            items.append(parse_item())
        self.expect(closing)
        return items


def describe(token):
    if token.kind == "eof":
        return "end of file"
    return f"'{token.text}'"


def keyword_value(word):
    lowered = word.lower()
    if lowered == "true":
        return True
    if lowered == "false":
        return False
    if lowered == "nil":
        return None
    return Ident(word)


class Encoder:
    """Writes FormObject trees as form resource bytes."""

    def __init__(self, path):
        self.path = path
        self.out = bytearray()
        self.component_names = {}

    def encode_form(self, root):
        self.out += SIGNATURE
        self.encode_object(root)
        return bytes(self.out)

    def encode_object(self, obj):
        self.check_component_name(obj)
        self.short_string(obj.class_name, obj.line, MAX_CLASS_NAME)
        self.short_string(obj.name, obj.line)
        seen = {}
        for name, value, line in obj.properties:
            if name.lower() in seen:
                raise FormError(self.path, line,
                                f"property {name} already set on line "
                                f"{seen[name.lower()]}")
            seen[name.lower()] = line
            self.short_string(name, line)
            self.value(value, line)
        self.out.append(TAG_END)
        for child in obj.children:
            self.encode_object(child)
        self.out.append(TAG_END)

    def check_component_name(self, obj):
        # Every component of a form is owned by the form, and an owner's
        # components need names that differ without regard to case.
        key = obj.name.lower()
        if not key:
            return
        if key in self.component_names:
            raise FormError(self.path, obj.line,
                            f"component name {obj.name} already used on line "
                            f"{self.component_names[key]}")
        self.component_names[key] = obj.line

    def value(self, value, line):
        if isinstance(value, bool):
            self.out.append(TAG_TRUE if value else TAG_FALSE)
        elif value is None:
            self.out.append(TAG_NIL)
        elif isinstance(value, int):
            self.integer(value)
        elif isinstance(value, str):
            self.string(value, line)
        elif isinstance(value, Ident):
            self.out.append(TAG_IDENT)
            self.short_string(value.name, line)
        elif isinstance(value, SetValue):
            self.set_value(value, line)
        else:
            self.list_value(value, line)

    def integer(self, value):
        if -128 <= value <= 127:
            self.out.append(TAG_INT8)
            self.out += struct.pack("<b", value)
        elif -32768 <= value <= 32767:
            self.out.append(TAG_INT16)
            self.out += struct.pack("<h", value)
        else:
            self.out.append(TAG_INT32)
            self.out += struct.pack("<i", value)

    def string(self, text, line):
        data = self.encode_text(text, line)
        if len(data) <= MAX_SHORT_STRING:
            self.out.append(TAG_STRING)
            self.out.append(len(data))
        else:
            self.out.append(TAG_LONG_STRING)
            self.out += struct.pack("<I", len(data))
        self.out += data

    def set_value(self, value, line):
        self.out.append(TAG_SET)
        for member in value.members:
            self.short_string(member, line)
        self.out.append(0)

    def list_value(self, items, line):
        self.out.append(TAG_LIST)
        for item in items:
            self.value(item, line)
        self.out.append(TAG_END)

    def short_string(self, text, line, limit=MAX_SHORT_STRING):
        data = self.encode_text(text, line)
        if len(data) > limit:
            raise FormError(self.path, line,
                            f"name '{text}' is {len(data)} bytes long; "
                            f"at most {limit} fit")
        self.out.append(len(data))
        self.out += data

    def encode_text(self, text, line):
        try:
            return text.encode(ENCODING)
        except UnicodeEncodeError as error:
            bad = text[error.start:error.end]
            raise FormError(self.path, line,
                            f"{bad!r} has no code page 932 form") from None


def compile_text(path, text):
    """Compiles the source text read from path; returns the resource bytes."""
    root = Parser(path, tokenize(path, text)).parse_file()
    return Encoder(path).encode_form(root)


def compile_file(path):
    with open(path, "rb") as source:
        data = source.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as error:
        line = data.count(b"\n", 0, error.start) + 1
        raise FormError(path, line, "not UTF-8 text") from None
    return compile_text(path, text)


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Compile a form description into a form resource.")
    parser.add_argument("source", help="form description (.form, UTF-8)")
    parser.add_argument("-o", "--output", required=True,
                        help="resource file to write")
    args = parser.parse_args(argv)
    try:
        data = compile_file(args.source)
    except (FormError, OSError) as error:
        print(f"formc: {error}", file=sys.stderr)
        return 1
    with open(args.output, "wb") as output:
        output.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
