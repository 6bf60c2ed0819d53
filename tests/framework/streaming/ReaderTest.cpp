#include "framework/streaming/Reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/base/Exceptions.h"
#include "framework/components/StringList.h"
#include "framework/streaming/PropertyHelpers.h"

namespace {

// What the test components did, in order.
std::vector<std::string> gLog;

// A windowed control that logs its Loaded call and records its state when
// its Probe property is set.
class TLogPanel : public TCustomControl {
 public:
  SORTARIUM_CLASS(TLogPanel)
  explicit TLogPanel(TComponent* owner) : TCustomControl(owner) {}
  void SetProbe(int v) {
    probe = v;
    stateAtProbe = ComponentState();
    gLog.push_back("Probe " + Name());
  }
  void Loaded() override {
    stateAtLoaded = ComponentState();
    gLog.push_back("Loaded " + Name());
    TCustomControl::Loaded();
  }
  TStringList* Lines() { return &lines; }
  int probe = 0;
  TComponentState stateAtProbe;
  TComponentState stateAtLoaded;
  TStringList lines;
};

class TLogLabel : public TGraphicControl {
 public:
  SORTARIUM_CLASS(TLogLabel)
  explicit TLogLabel(TComponent* owner) : TGraphicControl(owner) {}
  void Loaded() override {
    gLog.push_back("Loaded " + Name());
    TGraphicControl::Loaded();
  }
};

class TLogComponent : public TComponent {
 public:
  SORTARIUM_CLASS(TLogComponent)
  explicit TLogComponent(TComponent* owner) : TComponent(owner) {}
  void Loaded() override {
    gLog.push_back("Loaded " + Name());
    TComponent::Loaded();
  }
};

class TReaderTestForm : public TForm {
 public:
  SORTARIUM_CLASS(TReaderTestForm)
  using TForm::TForm;
  void Loaded() override {
    stateAtLoaded = ComponentState();
    gLog.push_back("Loaded " + Name());
    TForm::Loaded();
  }
  void Panel1Click(TComponent* sender) {
    ++clicks;
    lastSender = sender;
  }
  TLogPanel* Panel1 = nullptr;  // published field
  int clicks = 0;
  TComponent* lastSender = nullptr;
  TComponentState stateAtLoaded;
};

// Not registered: reading into it must fail.
class TUnregisteredForm : public TForm {
 public:
  SORTARIUM_CLASS(TUnregisteredForm)
  using TForm::TForm;
};

void RegisterTestClasses() {
  RegisterFrameworkClasses();
  TClassRegistry& reg = TClassRegistry::Instance();
  RegisterComponentClass<TLogPanel>("TLogPanel", "TCustomControl");
  RegisterIntProperty("TLogPanel", "Probe", &TLogPanel::SetProbe);
  RegisterSubObjectProperty("TLogPanel", "Lines", &TLogPanel::Lines);
  RegisterComponentClass<TLogLabel>("TLogLabel", "TGraphicControl");
  RegisterComponentClass<TLogComponent>("TLogComponent", "TComponent");
  reg.RegisterClass("TReaderTestForm", "TForm");
  reg.RegisterField("TReaderTestForm", "Panel1", [](TComponent* form, TComponent* c) {
    static_cast<TReaderTestForm*>(form)->Panel1 = dynamic_cast<TLogPanel*>(c);
  });
  reg.RegisterMethod("TReaderTestForm", "Panel1Click", [](TComponent* form) -> TNotifyEvent {
    auto* f = static_cast<TReaderTestForm*>(form);
    return [f](TComponent* sender) { f->Panel1Click(sender); };
  });
}

const char* const kDescription =
    "object MainForm: TReaderTestForm\n"
    "  Left = 100\n"
    "  Top = 50\n"
    "  BorderStyle = bsSingle\n"
    "  BorderIcons = [biSystemMenu, biMinimize]\n"
    "  ClientWidth = 300\n"
    "  ClientHeight = 200\n"
    "  Caption = 'Сортарий'\n"
    "  Color = clBtnFace\n"
    "  Font.Height = -11\n"
    "  Font.Name = 'MS Sans Serif'\n"
    "  Font.Style = [fsBold]\n"
    "  Font.Charset = RUSSIAN_CHARSET\n"
    "  KeyPreview = True\n"
    "  object Panel1: TLogPanel\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 200\n"
    "    Height = 100\n"
    "    Anchors = [akLeft, akTop, akRight]\n"
    "    Caption = 'Первая строка'#13#10'вторая'\n"
    "    Color = $00C0FFEE\n"
    "    Probe = 1\n"
    "    OnClick = Panel1Click\n"
    "    Lines.Strings = (\n"
    "      'возрастанию'\n"
    "      'убыванию')\n"
    "    object Inner: TLogPanel\n"
    "      Left = 4\n"
    "      Top = 4\n"
    "      Width = 50\n"
    "      Height = 20\n"
    "      Font.Height = -13\n"
    "      TabOrder = 0\n"
    "      Probe = 2\n"
    "      object Label1: TLogLabel\n"
    "        Caption = 'x'\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object Timer1: TLogComponent\n"
    "    Tag = 7\n"
    "  end\n"
    "end\n";

class ReaderTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    RegisterTestClasses();
    gLog.clear();
  }

  TReaderTestForm* NewForm() { return Application->CreateForm<TReaderTestForm>(); }

  // Reads `text` into a fresh form and answers the error message ("" when
  // it read), checking that nothing is left marked as loading or reading.
  std::string ReadError(const std::string& text) {
    TReaderTestForm* form = NewForm();
    std::string message;
    try {
      TReader(text, "Unit1").ReadRootComponent(form);
    } catch (const EReadError& e) {
      message = e.Message();
    }
    EXPECT_FALSE(form->IsLoading() || form->IsReading()) << text;
    for (int i = 0; i < form->ComponentCount(); ++i)
      EXPECT_FALSE(form->Components(i)->IsLoading() || form->Components(i)->IsReading()) << text;
    TComponent::Free(form);
    return message;
  }
};

TEST_F(ReaderTest, ReadsTheFormItsChildrenAndTheirProperties) {
  TReaderTestForm* form = NewForm();
  TReader(kDescription, "Unit1").ReadRootComponent(form);

  EXPECT_EQ(form->Name(), "MainForm");
  EXPECT_EQ(form->Left(), 100);
  EXPECT_EQ(form->Top(), 50);
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->Caption(), "Сортарий");
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->Font()->Height(), -11);
  EXPECT_EQ(form->Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(form->Font()->Charset(), RUSSIAN_CHARSET);
  EXPECT_TRUE(form->KeyPreview());

  // Components in stored order, owned by the form, parents from the nesting.
  ASSERT_EQ(form->ComponentCount(), 4);
  const char* names[] = {"Panel1", "Inner", "Label1", "Timer1"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form->Components(i)->Name(), names[i]);
  auto* panel = dynamic_cast<TLogPanel*>(form->Components(0));
  auto* inner = dynamic_cast<TLogPanel*>(form->Components(1));
  auto* label = dynamic_cast<TLogLabel*>(form->Components(2));
  auto* timer = dynamic_cast<TLogComponent*>(form->Components(3));
  ASSERT_TRUE(panel && inner && label && timer);
  EXPECT_EQ(form->Panel1, panel);
  EXPECT_EQ(panel->Parent(), form);
  EXPECT_EQ(inner->Parent(), panel);
  EXPECT_EQ(label->Parent(), inner);
  EXPECT_EQ(timer->Tag(), 7);

  EXPECT_EQ(panel->BoundsRect(), TRect::FromBounds(8, 8, 200, 100));
  EXPECT_EQ(panel->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(panel->Caption(), "Первая строка\r\nвторая");
  EXPECT_EQ(panel->Color(), 0x00C0FFEE);
  EXPECT_EQ(panel->lines.ToVector(), (std::vector<std::string>{"возрастанию", "убыванию"}));
  EXPECT_EQ(inner->Font()->Height(), -13);
  EXPECT_FALSE(inner->ParentFont());
  EXPECT_EQ(inner->BoundsRect(), TRect::FromBounds(4, 4, 50, 20));
  EXPECT_EQ(label->Caption(), "x");

  // The event is bound to the form's published method.
  panel->Click();
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(form->lastSender, panel);
}

TEST_F(ReaderTest, LoadedRunsOnceForEveryComponentAfterAllProperties) {
  TReaderTestForm* form = NewForm();
  TReader(kDescription, "Unit1").ReadRootComponent(form);
  const std::vector<std::string> expected = {"Probe Panel1",  "Probe Inner",  "Loaded MainForm", "Loaded Panel1",
                                             "Loaded Inner",  "Loaded Label1", "Loaded Timer1"};
  EXPECT_EQ(gLog, expected);

  // While its properties were set a component was loading and reading; when
  // Loaded ran, reading was over for everyone but loading was not yet.
  auto* panel = form->Panel1;
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->stateAtProbe.Contains(csLoading));
  EXPECT_TRUE(panel->stateAtProbe.Contains(csReading));
  EXPECT_TRUE(panel->stateAtLoaded.Contains(csLoading));
  EXPECT_FALSE(panel->stateAtLoaded.Contains(csReading));
  EXPECT_TRUE(form->stateAtLoaded.Contains(csLoading));
  EXPECT_FALSE(form->stateAtLoaded.Contains(csReading));
  EXPECT_FALSE(form->IsLoading() || form->IsReading());
  for (int i = 0; i < form->ComponentCount(); ++i) {
    EXPECT_FALSE(form->Components(i)->IsLoading()) << i;
    EXPECT_FALSE(form->Components(i)->IsReading()) << i;
  }
}

TEST_F(ReaderTest, RootMayBeDescribedByARegisteredAncestor) {
  TReaderTestForm* form = NewForm();
  TReader("object F: TForm\n  Caption = 'a'\nend\n", "x").ReadRootComponent(form);
  EXPECT_EQ(form->Caption(), "a");
  EXPECT_EQ(form->Name(), "F");

  TForm* plain = Application->CreateForm<TForm>();
  EXPECT_NO_THROW(TReader("object G: TForm\nend\n", "x").ReadRootComponent(plain));
}

TEST_F(ReaderTest, ErrorsNameTheLineAndWhatWentWrong) {
  const struct {
    std::string text;
    std::vector<const char*> parts;  // each must appear in the message
  } cases[] = {
      {"object F: TReaderTestForm\n  Left = 1\n  Top = 2\n  Width = 3\n  Height = 4\n  Caption = 'x'\n  Color = = 5\nend",
       {"Unit1 line 7: "}},
      {"object F: TReaderTestForm\n  object Panel1: TLogPanel\n    Foo = 1\n  end\nend",
       {"Unit1 line 3: ", "Panel1", "Property Foo does not exist"}},
      {"object F: TReaderTestForm\n  Font.Foo = 1\nend", {"Unit1 line 2: ", "Property Font.Foo does not exist"}},
      {"object F: TReaderTestForm\n  Caption.Foo = 1\nend", {"line 2: ", "Property Caption.Foo does not exist"}},
      {"object F: TReaderTestForm\n  Font = 1\nend", {"line 2: ", "Font is an object"}},
      {"object F: TReaderTestForm\n\n  object B: TNoSuchThing\n  end\nend", {"Unit1 line 3: ", "Class TNoSuchThing not found"}},
      {"object F: TReaderTestForm\n  object C: TControl\n  end\nend", {"line 2: ", "TControl cannot be created"}},
      {"object F: TReaderTestForm\n  Left = 'abc'\nend", {"Unit1 line 2: ", "Integer expected but string 'abc' found"}},
      {"object F: TReaderTestForm\n  Visible = 1\nend", {"line 2: ", "True or False expected but integer 1 found"}},
      {"object F: TReaderTestForm\n  Caption = Hello\nend", {"line 2: ", "String expected but identifier Hello found"}},
      {"object F: TReaderTestForm\n  Left = 5000000000\nend", {"line 2: ", "out of range"}},
      {"object F: TReaderTestForm\n  Align = alSideways\nend", {"line 2: ", "Invalid property value alSideways"}},
      {"object F: TReaderTestForm\n  Anchors = [akLeft, akMiddle]\nend", {"line 2: ", "Invalid set element akMiddle"}},
      {"object F: TReaderTestForm\n  Anchors = akLeft\nend", {"line 2: ", "Set value expected"}},
      {"object F: TReaderTestForm\n  Color = clPlaid\nend", {"line 2: ", "Invalid colour clPlaid"}},
      {"object F: TReaderTestForm\n  Font.Charset = 300\nend", {"line 2: ", "Invalid character set 300"}},
      {"object F: TReaderTestForm\n  OnClick = NoSuchHandler\nend",
       {"line 2: ", "Method NoSuchHandler not found in TReaderTestForm"}},
      {"object F: TReaderTestForm\n  OnClick = 'Panel1Click'\nend", {"line 2: ", "Method name expected"}},
      {"object F: TSomethingElse\nend", {"Unit1 line 1: ", "TSomethingElse does not match the root class TReaderTestForm"}},
      {"object F: TReaderTestForm\n  object A: TLogLabel\n  end\n  object A: TLogLabel\n  end\nend",
       {"line 4: ", "A component named A already exists"}},
      {"object F: TReaderTestForm\n  object P: TLogPanel\n    Lines.Strings = 'x'\n  end\nend",
       {"line 3: ", "String list expected"}},
      {"object F: TReaderTestForm\n  object P: TLogPanel\n", {"Unit1 line 3: ", "Unexpected end of file"}},
  };
  for (const auto& c : cases) {
    const std::string message = ReadError(c.text);
    for (const char* part : c.parts) EXPECT_NE(message.find(part), std::string::npos) << message << "\n" << c.text;
  }
}

TEST_F(ReaderTest, UnregisteredRootClassIsRefused) {
  auto* form = Application->CreateForm<TUnregisteredForm>();
  try {
    TReader("object F: TUnregisteredForm\nend", "u").ReadRootComponent(form);
    FAIL() << "read into an unregistered class";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "u line 1: Class TUnregisteredForm not found");
  }
}

TEST_F(ReaderTest, AnErrorKeepsWhatWasMadeOwnedAndUnmarked) {
  TReaderTestForm* form = NewForm();
  EXPECT_THROW(TReader("object F: TReaderTestForm\n  object Panel1: TLogPanel\n    Probe = 3\n  end\n"
                       "  object Inner: TLogPanel\n    Nope = 1\n  end\nend",
                       "Unit1")
                   .ReadRootComponent(form),
               EReadError);
  ASSERT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(form->Panel1, form->Components(0));
  EXPECT_EQ(form->Panel1->probe, 3);
  EXPECT_TRUE(gLog.size() == 1 && gLog[0] == "Probe Panel1") << "Loaded must not run after a failed read";
  EXPECT_FALSE(form->IsLoading() || form->IsReading());
  EXPECT_FALSE(form->Components(1)->IsLoading() || form->Components(1)->IsReading());
  TComponent::Free(form);  // frees both panels
}

TEST_F(ReaderTest, DeepNestingFailsCleanly) {
  std::string text = "object F: TReaderTestForm\n";
  for (int i = 0; i < 10000; ++i) text += "object P" + std::to_string(i) + ": TLogPanel\n";
  const std::string message = ReadError(text);
  EXPECT_EQ(message, "Unit1 line 65: Objects nested too deeply");
}

TEST_F(ReaderTest, EveryTruncationOfAGoodDescriptionFails) {
  // Cutting the text anywhere before its last "end" leaves it unfinished.
  const std::string full = kDescription;
  const size_t lastEnd = full.rfind("end");
  for (size_t cut = 0; cut < lastEnd; cut += 5) {
    const std::string message = ReadError(full.substr(0, cut));
    EXPECT_EQ(message.rfind("Unit1 line ", 0), 0u) << "cut at " << cut << ": " << message;
  }
  EXPECT_EQ(ReadError(full.substr(0, lastEnd + 3)), "");
}

TEST_F(ReaderTest, BinaryGarbageFailsWithAReadError) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 200; ++round) {
    std::string text = round % 2 ? "object F: TReaderTestForm\n" : "";
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) text += static_cast<char>(random() & 0xFF);
    const std::string message = ReadError(text);
    EXPECT_EQ(message.rfind("Unit1 line ", 0), 0u) << round << ": " << message;
  }
}

TEST_F(ReaderTest, ReadsAFormThatHoldsStandardClassesOnly) {
  TForm* form = Application->CreateForm<TForm>();
  TReader(
      "object Plain: TForm\n"
      "  BorderStyle = bsNone\n"
      "  ClientWidth = 200\n"
      "  ClientHeight = 100\n"
      "  Position = poScreenCenter\n"
      "  WindowState = wsNormal\n"
      "  FormStyle = fsStayOnTop\n"
      "  Font.Size = 12\n"
      "  Font.Color = clRed\n"
      "  Font.Pitch = fpFixed\n"
      "  Tag = -3\n"
      "  object Box: TCustomControl\n"
      "    Align = alClient\n"
      "    TabStop = True\n"
      "    Enabled = False\n"
      "    ParentColor = True\n"
      "    Font.Charset = 204\n"
      "  end\n"
      "end\n",
      "plain")
      .ReadRootComponent(form);
  EXPECT_EQ(form->Position(), TPosition::poScreenCenter);
  EXPECT_EQ(form->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_EQ(form->Font()->Size(), 12);
  EXPECT_EQ(form->Font()->Color(), clRed);
  EXPECT_EQ(form->Font()->Pitch(), TFontPitch::fpFixed);
  EXPECT_EQ(form->Tag(), -3);
  ASSERT_EQ(form->ComponentCount(), 1);
  auto* box = dynamic_cast<TCustomControl*>(form->Components(0));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Parent(), form);
  EXPECT_EQ(box->Align(), TAlign::alClient);
  EXPECT_TRUE(box->TabStop());
  EXPECT_FALSE(box->Enabled());
  EXPECT_EQ(box->Font()->Charset(), 204);
  // Aligned once loading was over: the box fills the client area.
  EXPECT_EQ(box->BoundsRect(), form->ClientRect());
}

TEST_F(ReaderTest, DynamicPropertiesReceiveWhatTheClassDoesNotList) {
  struct Seen {
    std::string path;
    int64_t value;
  };
  static std::vector<Seen> seen;
  seen.clear();
  TClassRegistry::Instance().RegisterDynamicProperties(
      "TLogComponent", [](TPersistent*, const std::string& path, const TPropValue& v, TReader&) {
        seen.push_back({path, v.AsInt64()});
      });
  TReaderTestForm* form = NewForm();
  TReader("object F: TReaderTestForm\n  object T: TLogComponent\n    Tag = 1\n    Skin.Index = 5\n    Other = 6\n"
          "  end\nend",
          "d")
      .ReadRootComponent(form);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].path, "Skin.Index");
  EXPECT_EQ(seen[0].value, 5);
  EXPECT_EQ(seen[1].path, "Other");
  EXPECT_EQ(form->Components(0)->Tag(), 1);
  TClassRegistry::Instance().RegisterDynamicProperties("TLogComponent", {});
}

TEST(ClassRegistryTest, LookupsWalkParentsIgnoreCaseAndSurviveLoops) {
  TClassRegistry& reg = TClassRegistry::Instance();
  reg.RegisterClass("TRegA", "");
  reg.RegisterClass("TRegB", "TRegA");
  reg.RegisterProperty("TRegA", "Depth", [](TPersistent*, const TPropValue&, TReader&) {});
  EXPECT_TRUE(reg.HasClass("tregb"));
  EXPECT_NE(reg.FindProperty("TRegB", "depth"), nullptr);
  EXPECT_EQ(reg.FindProperty("TRegA", "Width"), nullptr);
  EXPECT_TRUE(reg.InheritsFrom("TRegB", "TREGA"));
  EXPECT_FALSE(reg.InheritsFrom("TRegA", "TRegB"));
  EXPECT_EQ(reg.Create("TRegB", nullptr), nullptr) << "no factory";

  // A class known only through its properties is not a class yet.
  reg.RegisterProperty("TRegOnlyProps", "X", [](TPersistent*, const TPropValue&, TReader&) {});
  EXPECT_FALSE(reg.HasClass("TRegOnlyProps"));

  // A parent loop must not hang a lookup.
  reg.RegisterClass("TLoopA", "TLoopB");
  reg.RegisterClass("TLoopB", "TLoopA");
  EXPECT_EQ(reg.FindProperty("TLoopA", "Nothing"), nullptr);
  EXPECT_FALSE(reg.InheritsFrom("TLoopA", "TRegA"));
}

TEST(PropValueTest, ConversionsCheckTheKind) {
  TPropValue i;
  i.kind = TPropValue::Kind::Integer;
  i.integer = 0x80000005LL;
  i.line = 4;
  EXPECT_EQ(i.AsInt(), static_cast<int>(0x80000005u)) << "hex colours wrap to 32 bits";
  EXPECT_DOUBLE_EQ(i.AsReal(), 2147483653.0);
  i.integer = -2147483649LL;
  EXPECT_THROW(i.AsInt(), EReadError);
  EXPECT_EQ(i.AsInt64(), -2147483649LL);

  TPropValue id;
  id.kind = TPropValue::Kind::Ident;
  id.text = "true";
  id.line = 9;
  EXPECT_TRUE(id.AsBool());
  EXPECT_EQ(id.AsIdent(), "true");
  try {
    (void)id.AsString();
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "line 9: String expected but identifier true found");
  }
  try {
    (void)i.AsIdent();
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "line 4: Identifier expected but integer -2147483649 found");
  }
}

}  // namespace
