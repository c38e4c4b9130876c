#include "EmbeddedResources.h"
#include "FormSourceTrees.h"
#include "TReader.h"
#include "TStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Reads each form resource back with the reader's primitives alone (no component classes)
// and writes its object tree as text: one line per object and per property, children
// indented. Each text must be the tree the window's form source in resources/ describes.

namespace {

std::string ValueText(TReader& reader) {
  switch (reader.PeekValueTag()) {
  case ValueInt8:
  case ValueInt16:
  case ValueInt32:
    return std::to_string(reader.ReadInteger());
  case ValueString:
  case ValueLongString:
    return '"' + reader.ReadString() + '"';
  case ValueIdent:
    return reader.ReadIdentifier();
  case ValueFalse:
  case ValueTrue:
    return reader.ReadBoolean() ? "true" : "false";
  case ValueSet: {
    reader.ReadValueTag();
    std::string members;
    for (String member = reader.ReadShortString(); !member.empty();
         member = reader.ReadShortString()) {
      members += (members.empty() ? "" : ", ") + member;
    }
    return '[' + members + ']';
  }
  default:
    ADD_FAILURE() << "unexpected value tag " << static_cast<int>(reader.PeekValueTag());
    reader.SkipValue();
    return "?";
  }
}

void ObjectText(TReader& reader, const std::string& indent, std::string& text) {
  EXPECT_EQ(reader.ReadPrefix().flags, 0);
  const String className = reader.ReadShortString();
  text += indent + "object " + reader.ReadShortString() + ": " + className + '\n';
  while (!reader.EndOfList()) {
    const String name = reader.ReadShortString();
    text += indent + "  " + name + " = " + ValueText(reader) + '\n';
  }
  reader.ReadListEnd();
  while (!reader.EndOfList()) {
    ObjectText(reader, indent + "  ", text);
  }
  reader.ReadListEnd();
  text += indent + "end\n";
}

// The resource as text; also checks that the root's closing byte is its last byte.
std::string FormText(std::string_view name) {
  const std::span<const std::uint8_t> bytes = FindEmbeddedResource(name);
  TMemoryStream stream(bytes);
  TReader reader(stream);
  reader.ReadSignature();
  std::string text;
  ObjectText(reader, "", text);
  EXPECT_EQ(reader.Position(), static_cast<std::int64_t>(bytes.size())) << name;
  return text;
}

} // namespace

TEST(FormTree, PlayerWindow) {
  EXPECT_EQ(FormText("TFORM1"), std::string(FormSourceTree("TFORM1")));
}

TEST(FormTree, PlayListWindow) {
  EXPECT_EQ(FormText("TFORM2"), std::string(FormSourceTree("TFORM2")));
}

TEST(FormTree, DisplayWindow) {
  EXPECT_EQ(FormText("TFORM3"), std::string(FormSourceTree("TFORM3")));
}

TEST(FormTree, VersionWindow) {
  EXPECT_EQ(FormText("TFORM4"), std::string(FormSourceTree("TFORM4")));
}

TEST(FormTree, TimeWindow) { EXPECT_EQ(FormText("TFORM5"), std::string(FormSourceTree("TFORM5"))); }
