#include "EmbeddedResources.h"
#include "TReader.h"
#include "TStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Reads each form resource back with the reader's primitives alone (no component classes)
// and writes its object tree as text: one line per object and per property, children
// indented. The texts below are the windows' layouts.

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
  EXPECT_EQ(FormText("TFORM1"), R"form(object Form1: TForm1
  Left = 192
  Top = 106
  Width = 230
  Height = 105
  ActiveControl = START
  Caption = "Sorvane"
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = "ＭＳ Ｐゴシック"
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = false
  PixelsPerInch = 96
  TextHeight = 12
  object START: TButton
    Left = 0
    Top = 32
    Width = 65
    Height = 25
    Caption = "START"
    TabOrder = 0
    OnClick = STARTClick
  end
  object STOP: TButton
    Left = 72
    Top = 32
    Width = 65
    Height = 25
    Caption = "STOP"
    TabOrder = 1
    OnClick = STOPClick
  end
  object Prev: TButton
    Left = 160
    Top = 32
    Width = 25
    Height = 25
    Caption = "<"
    TabOrder = 2
    OnClick = PrevClick
  end
  object Button4: TButton
    Left = 197
    Top = 32
    Width = 25
    Height = 25
    Caption = ">"
    TabOrder = 3
    OnClick = Button4Click
  end
  object Edit1: TEdit
    Left = 0
    Top = 0
    Width = 220
    Height = 20
    Color = clLime
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clRed
    Font.Height = -12
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Pitch = fpFixed
    Font.Style = []
    ParentFont = false
    TabOrder = 4
  end
  object MediaPlayer1: TMediaPlayer
    Left = 0
    Top = 104
    Width = 253
    Height = 30
    Visible = false
    TabOrder = 5
  end
  object OpenDialog1: TOpenDialog
    Filter = "ALL|*.WAV;*.MP3;*.CDA;*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V;*.MOV;*.AVI|wave|*.WAV|mp3|*.MP3|cda|*.CDA|mpeg|*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V|mov|*.MOV|avi|*.AVI"
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing]
    Top = 64
  end
  object MainMenu1: TMainMenu
    Left = 40
    Top = 32
    object File1: TMenuItem
      Caption = "ファイル(&F)"
      object O1: TMenuItem
        Caption = "開く(&O)"
        OnClick = O1Click
      end
      object S1: TMenuItem
        Caption = "リストに追加(&S)"
        OnClick = S1Click
      end
      object Close1: TMenuItem
        Caption = "閉じる(&C)"
        OnClick = Close1Click
      end
    end
    object O2: TMenuItem
      Caption = "オプション(&O)"
      object renzoku: TMenuItem
        Caption = "連続再生(&S)"
        OnClick = renzokuClick
      end
      object repeat: TMenuItem
        Caption = "リピート(&R)"
        OnClick = repeatClick
      end
    end
    object N3: TMenuItem
      Caption = "バージョン(&V)"
      OnClick = N3Click
    end
  end
  object Timer1: TTimer
    Enabled = false
    Interval = 100
    OnTimer = Timer1Timer
    Left = 8
    Top = 32
  end
end
)form");
}

TEST(FormTree, PlayListWindow) {
  EXPECT_EQ(FormText("TFORM2"), R"form(object Form2: TForm2
  Left = 192
  Top = 211
  Width = 230
  Height = 197
  BorderIcons = []
  Caption = "再生リスト"
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = "ＭＳ Ｐゴシック"
  Font.Style = []
  OldCreateOrder = false
  Visible = true
  PixelsPerInch = 96
  TextHeight = 12
  object ListBox1: TListBox
    Left = 0
    Top = 0
    Width = 222
    Height = 169
    Color = clBlack
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clLime
    Font.Height = -12
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = []
    ItemHeight = 12
    MultiSelect = true
    ParentFont = false
    TabOrder = 0
    OnDblClick = ListBox1DblClick
    OnKeyDown = ListBox1KeyDown
  end
end
)form");
}

TEST(FormTree, DisplayWindow) {
  EXPECT_EQ(FormText("TFORM3"), R"form(object Form3: TForm3
  Left = 422
  Top = 107
  AutoScroll = false
  Caption = "ディスプレイ"
  ClientHeight = 256
  ClientWidth = 266
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = "ＭＳ Ｐゴシック"
  Font.Style = []
  OldCreateOrder = false
  PixelsPerInch = 96
  TextHeight = 12
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 265
    Height = 241
    Alignment = taLeftJustify
    BevelOuter = bvNone
    Color = clBlack
    TabOrder = 0
  end
  object ScrollBar1: TScrollBar
    Left = 0
    Top = 240
    Width = 265
    Height = 16
    PageSize = 0
    TabOrder = 1
    OnScroll = ScrollBar1Scroll
  end
end
)form");
}

TEST(FormTree, VersionWindow) {
  EXPECT_EQ(FormText("TFORM4"), R"form(object Form4: TForm4
  Left = 296
  Top = 181
  Width = 300
  Height = 140
  Caption = "バージョン情報"
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = "ＭＳ Ｐゴシック"
  Font.Style = []
  OldCreateOrder = false
  PixelsPerInch = 96
  TextHeight = 12
  object Label1: TLabel
    Left = 104
    Top = 8
    Width = 68
    Height = 20
    Caption = "Sorvane"
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clRed
    Font.Height = -20
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = [fsItalic]
    ParentFont = false
  end
  object Label2: TLabel
    Left = 56
    Top = 32
    Width = 187
    Height = 15
    Caption = "Sorvane ver2.0.0  10/2/2002"
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clLime
    Font.Height = -15
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = []
    ParentFont = false
  end
  object Label3: TLabel
    Left = 120
    Top = 80
    Width = 165
    Height = 12
    Caption = "製作：Sorvane 開発プロジェクト"
  end
  object Label4: TLabel
    Left = 8
    Top = 56
    Width = 267
    Height = 12
    Caption = "ホームページ：http://www.sorvane.example/player/ja/"
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clBlue
    Font.Height = -12
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = []
    ParentFont = false
  end
  object Button1: TButton
    Left = 112
    Top = 96
    Width = 75
    Height = 17
    Caption = "CLOSE"
    TabOrder = 0
    OnClick = Button1Click
  end
end
)form");
}

TEST(FormTree, TimeWindow) {
  EXPECT_EQ(FormText("TFORM5"), R"form(object Form5: TForm5
  Left = 423
  Top = 106
  Width = 230
  Height = 105
  Caption = "TIME"
  Color = clBtnFace
  Font.Charset = SHIFTJIS_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = "ＭＳ Ｐゴシック"
  Font.Style = []
  OldCreateOrder = false
  PixelsPerInch = 96
  TextHeight = 12
  object Label1: TLabel
    Left = 88
    Top = 0
    Width = 132
    Height = 49
    Alignment = taRightJustify
    AutoSize = false
    Caption = "Label1"
    Color = clWindowText
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clLime
    Font.Height = -40
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = [fsUnderline]
    ParentColor = false
    ParentFont = false
  end
  object Label2: TLabel
    Left = 0
    Top = 0
    Width = 89
    Height = 49
    AutoSize = false
    Caption = "Time"
    Color = clBlack
    Font.Charset = SHIFTJIS_CHARSET
    Font.Color = clAqua
    Font.Height = -43
    Font.Name = "ＭＳ Ｐゴシック"
    Font.Style = []
    ParentColor = false
    ParentFont = false
  end
  object ScrollBar1: TScrollBar
    Left = 0
    Top = 56
    Width = 220
    Height = 21
    PageSize = 0
    TabOrder = 0
    OnScroll = ScrollBar1Scroll
  end
end
)form");
}
