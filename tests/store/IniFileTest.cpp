// The INI reader and writer, the money text form and the number reader.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <optional>
#include <set>

#include "store/AtomicFile.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/MoneyText.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

// Names match whatever their letter case, blanks around names and values are ignored, the first
// section and the first key of a name win, and CR LF lines read like LF lines.
TEST(IniFile, ReadsNamesCaseInsensitivelyAndFirstMatchWins) {
  TempDir dir;
  std::string path = dir.Path() + "a.ini";
  WriteFile(path,
            "Top=before any section\r\n"
            "  [ SeTTings ]  \r\n"
            "; Credits=commented\r\n"
            "  cReDiTs  =  12.50  \r\n"
            "Credits=99.00\r\n"
            "Empty=\r\n"
            "[settings]\r\n"
            "Spins=7\r\n"
            "[Other]\n"
            "Credits=1.00");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("Settings", "Credits", "d"), "12.50");
  EXPECT_EQ(ini.ReadString("SETTINGS", "empty", "d"), "");
  // The second section of the same name is never looked at.
  EXPECT_EQ(ini.ReadString("Settings", "Spins", "d"), "d");
  EXPECT_EQ(ini.ReadString("Other", "Credits", "d"), "1.00");
  EXPECT_EQ(ini.ReadString("Settings", "Top", "d"), "d");
  EXPECT_EQ(ini.ReadString("Missing", "Credits", "d"), "d");
  EXPECT_EQ(IniFile(dir.Path() + "none.ini").ReadString("Settings", "Credits", "d"), "d");
}

// A value longer than 1023 characters is read as its first 1023.
TEST(IniFile, CutsLongValuesOnRead) {
  TempDir dir;
  std::string path = dir.Path() + "a.ini";
  WriteFile(path, "[S]\nK=" + std::string(1500, 'x') + "\n");
  EXPECT_EQ(IniFile(path).ReadString("S", "K", ""), std::string(1023, 'x'));
}

// Writing replaces a key in place, adds a missing key after the section's last non-blank line
// (blank lines before the next section stay where they are), adds a missing section at the end,
// and leaves every other byte as it was, CR LF lines included.
TEST(IniFile, WritesInPlaceAndKeepsForeignLinesByteForByte) {
  TempDir dir;
  std::string path = dir.Path() + "a.ini";
  WriteFile(path,
            "; my notes\r\n"
            "[Settings]\r\n"
            "Credits = 5.00\r\n"
            "Unknown=keep me\r\n"
            "\r\n"
            "\n"
            "[Other]\n"
            "x=1\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteString("settings", "CREDITS", "7.00"));
  ASSERT_TRUE(ini.WriteString("Settings", "Spins", "3"));
  ASSERT_TRUE(ini.WriteInteger("New", "A", -12));
  ASSERT_TRUE(ini.WriteBool("New", "B", true));
  EXPECT_EQ(ReadFile(path),
            "; my notes\r\n"
            "[Settings]\r\n"
            "CREDITS=7.00\n"
            "Unknown=keep me\r\n"
            "Spins=3\n"
            "\r\n"
            "\n"
            "[Other]\n"
            "x=1\n"
            "[New]\n"
            "A=-12\n"
            "B=1\n");
}

// A missing file is created with the section and the key; a value holding a line break cannot
// inject a line of its own.
TEST(IniFile, CreatesFileAndNeverSplitsAValue) {
  TempDir dir;
  std::string path = dir.Path() + "a.ini";
  IniFile ini(path);
  ASSERT_TRUE(ini.WriteString("S", "Name", "a\nCredits=1000000.00\r"));
  EXPECT_EQ(ReadFile(path), "[S]\nName=a Credits=1000000.00 \n");
  EXPECT_EQ(ini.ReadString("S", "Credits", "none"), "none");
}

// Integers: decimal with sign, "0x" (only when longer than two characters) and "$"
// hexadecimal, leading blanks; anything else, out of range included, gives the default.
TEST(IniFile, ReadsIntegersAndBooleans) {
  TempDir dir;
  std::string path = dir.Path() + "a.ini";
  WriteFile(path,
            "[S]\n"
            "a=0x2\nb=0X1f\nc=$ff\nd=-$10\ne=-2147483648\nf=2147483647\ng=2147483648\n"
            "h=12abc\ni=\nj=0x\nk=yes\nl=+5\nm=0x8000000F\nn=0x100000000\no=-2147483649\n"
            "p=2\nq=0\nr=1 2\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("S", "a", -1), 2);
  EXPECT_EQ(ini.ReadInteger("S", "b", -1), 31);
  EXPECT_EQ(ini.ReadInteger("S", "c", -1), 255);
  EXPECT_EQ(ini.ReadInteger("S", "d", -1), -16);
  EXPECT_EQ(ini.ReadInteger("S", "e", -1), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("S", "f", -1), INT32_MAX);
  EXPECT_EQ(ini.ReadInteger("S", "l", -1), 5);
  EXPECT_EQ(ini.ReadInteger("S", "m", -1), static_cast<int32_t>(0x8000000F));
  for (const char* bad : {"g", "h", "i", "j", "k", "n", "o", "r", "missing"}) {
    EXPECT_EQ(ini.ReadInteger("S", bad, -7), -7) << bad;
  }
  EXPECT_TRUE(ini.ReadBool("S", "p", false));
  EXPECT_FALSE(ini.ReadBool("S", "q", true));
  EXPECT_TRUE(ini.ReadBool("S", "k", true));
  EXPECT_FALSE(ini.ReadBool("S", "k", false));
}

// A save that fails at any of its steps, or meets a read-only file, leaves the old file byte for
// byte and no temporary file behind; a later save goes through as a whole.
TEST(IniFile, FailedSaveLeavesOldFileWhole) {
  // Fails the next replace that reaches the step, once.
  struct FailOnce : ReplaceFaults {
    std::optional<ReplaceStep> Step;
    bool FailsAt(ReplaceStep s) override {
      if (Step != s) return false;
      Step.reset();
      return true;
    }
  };
  struct Case {
    const char* What;
    std::optional<ReplaceStep> Step;  // none: the file is read-only
  };
  const Case cases[] = {{"create", ReplaceStep::CreateTemporary},
                        {"write", ReplaceStep::Write},
                        {"flush", ReplaceStep::Flush},
                        {"rename", ReplaceStep::Rename},
                        {"read-only", std::nullopt}};
  for (const Case& c : cases) {
    TempDir dir;
    std::string path = dir.Path() + "a.ini";
    WriteFile(path, "[S]\nK=old\n");
    FailOnce faults;
    faults.Step = c.Step;
    if (!c.Step)
      std::filesystem::permissions(
          path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    IniDocument doc(path, &faults);
    doc.WriteString("S", "K", "new");
    doc.WriteString("S", "A", "1");
    EXPECT_FALSE(doc.Save()) << c.What;
    EXPECT_EQ(ReadFile(path), "[S]\nK=old\n") << c.What;
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.exists();
    EXPECT_EQ(files, 1) << c.What;
    if (c.Step) {
      EXPECT_TRUE(doc.Save()) << c.What;  // the hook fails one save only
      EXPECT_EQ(ReadFile(path), "[S]\nK=new\nA=1\n") << c.What;
    }
  }
  TempDir dir;
  WriteFile(dir.Path() + "plain", "x");
  IniFile under(dir.Path() + "plain/a.ini");
  EXPECT_FALSE(under.WriteString("S", "K", "v"));
  EXPECT_EQ(under.ReadString("S", "K", "d"), "d");
}

// A UTF-8 byte-order mark is skipped on reading and kept on writing; a save into a missing
// folder creates it; only temporary files of our own pattern beside our files are cleared.
TEST(IniFile, MarkedFilesMissingFoldersAndLeftovers) {
  TempDir dir;
  const std::string marked = dir.Path() + "ZANDOR.INI";
  WriteFile(marked, "\xEF\xBB\xBF[Settings]\r\nCredits=5000.00\r\n");
  IniDocument doc(marked);
  EXPECT_EQ(doc.ReadString("Settings", "Credits", "d"), "5000.00");
  doc.WriteString("Settings", "Spins", "3");
  ASSERT_TRUE(doc.Save());
  EXPECT_EQ(ReadFile(marked), "\xEF\xBB\xBF[Settings]\r\nCredits=5000.00\r\nSpins=3\n");

  const std::string deep = dir.Path() + "new/folder/POWER.INI";
  ASSERT_TRUE(IniFile(deep).WriteString("S", "K", "v"));
  EXPECT_EQ(ReadFile(deep), "[S]\nK=v\n");

  for (const char* name :
       {"ZANDOR.INI.Ab3dE9", "POWER.INI.zZzzzz", "ZANDOR.INI.toolong7", "ZANDOR.INI.abc",
        "OTHER.INI.abcdef", "ZANDOR.INI.ab-def", "POWER.INI.backup"})
    WriteFile(dir.Path() + name, "x");
  std::filesystem::create_directory(dir.Path() + "ZANDOR.INI.Folder");
  EXPECT_EQ(RemoveLeftoverTemporaries(dir.Path(), {"ZANDOR.INI", "POWER.INI"}), 2);
  std::set<std::string> left;
  for (auto& e : std::filesystem::directory_iterator(dir.Path())) left.insert(e.path().filename());
  EXPECT_EQ(left, (std::set<std::string>{"ZANDOR.INI", "ZANDOR.INI.toolong7", "ZANDOR.INI.abc",
                                         "OTHER.INI.abcdef", "ZANDOR.INI.ab-def",
                                         "ZANDOR.INI.Folder", "POWER.INI.backup", "new"}));
}

// Paths that are directories, binary garbage or a single line as long as a file may be (1 MiB)
// neither crash nor hang.
TEST(IniFile, SurvivesHostileFiles) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() + "isdir.ini");
  IniFile d(dir.Path() + "isdir.ini");
  EXPECT_EQ(d.ReadString("S", "K", "d"), "d");
  EXPECT_FALSE(d.WriteString("S", "K", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "isdir.ini"));

  std::string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char>((i * 7919) & 0xff);
  std::string gpath = dir.Path() + "garbage.ini";
  WriteFile(gpath, garbage);
  IniFile g(gpath);
  g.ReadString("S", "K", "d");
  ASSERT_TRUE(g.WriteString("Zandor", "K", "v"));
  EXPECT_EQ(g.ReadString("Zandor", "K", "d"), "v");
  EXPECT_EQ(ReadFile(gpath).substr(0, garbage.size()), garbage);

  std::string big = dir.Path() + "big.ini";
  WriteFile(big, "[S]\nK=" + std::string(IniDocument::MaxFileSize - 6, '7'));
  auto start = std::chrono::steady_clock::now();
  IniFile b(big);
  EXPECT_EQ(b.ReadString("S", "K", "").size(), 1023u);
  EXPECT_EQ(b.ReadInteger("S", "K", 4), 4);
  EXPECT_TRUE(b.WriteString("S", "J", "1"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Money is written with two decimals whatever the locale, and padded to ten characters only in
// the padded form; a number read from a file is rounded to the cent half away from zero on its
// 18-digit decimal form.
TEST(Money, Formats) {
  const std::pair<const char*, const char*> cases[] = {
      {"1000", "1000.00"},      {"5e-2", "0.05"},   {"625e-1", "62.50"},
      {"-1e-2", "-0.01"},       {"125e-3", "0.13"},  // an exact half goes away from zero
      {"-125e-3", "-0.13"},     {"115e-3", "0.12"},  // 0.115000000000000005 in 18 digits
      {"1005e-3", "1.00"},                           // 1.00499999999999989 in 18 digits
      {"999995e-3", "1000.00"}, {"4e-3", "0.00"},   {"-1e-13", "0.00"},
  };
  for (const auto& [text, written] : cases)
    EXPECT_EQ(FormatMoney(ParseMoney(text)), written) << text;
  EXPECT_EQ(FormatMoneyPadded(Money::Dollars(1000)), "   1000.00");
  EXPECT_EQ(FormatMoneyPadded(Money::Dollars(12345678901)), "12345678901.00");
  EXPECT_EQ(FormatMoney(Money::Cents(1234567890125)), "12345678901.25");
  EXPECT_EQ(FormatMoneyPadded(Money::Cents(-525)), "     -5.25");
  EXPECT_EQ(FormatMoney(Money::Cents(-1)), "-0.01");
  EXPECT_EQ(FormatMoney(Money::Cents(5)), "0.05");
}

// The reader takes a whole valid number, else the digits read up to the first misfit.
TEST(Money, ReadsNumbersLeniently) {
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("  12"), 12);
  EXPECT_EQ(ReadNumber("-12.5"), -12.5);
  EXPECT_EQ(ReadNumber("+3"), 3);
  EXPECT_EQ(ReadNumber("1.5e2"), 150);
  EXPECT_EQ(ReadNumber("12abc"), 12);
  EXPECT_EQ(ReadNumber("-12x"), 12);
  EXPECT_EQ(ReadNumber("12.5x"), 125);
  EXPECT_EQ(ReadNumber("1e"), 1);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("abc"), 0);
  EXPECT_EQ(ReadNumber("\t5"), 0);
  EXPECT_EQ(ReadNumber("1e999"), 0);
}

// Money text: one decimal counts as hundredths, extra decimals are dropped, the whole part is
// cut to ten characters, and a sign belongs to the whole amount. What is read is whole cents
// and writes back the bytes the file would hold; an amount too long for the text (a stored
// 1e17) is cut as reading its written text back would cut it.
TEST(Money, Parses) {
  struct Case {
    const char* Text;
    int64_t Cents;
    const char* Written;
  };
  const Case cases[] = {
      {"7.5", 705, "7.05"},
      {"1000.257", 100025, "1000.25"},
      {"1000.25", 100025, "1000.25"},
      {"12", 1200, "12.00"},
      {"12abc", 1200, "12.00"},
      {"abc", 0, "0.00"},
      {"", 0, "0.00"},
      {"0.10", 10, "0.10"},
      {"   1000.00", 100000, "1000.00"},
      {"12345678901.00", 123456789000, "1234567890.00"},
      {"9999999999.99", 999999999999, "9999999999.99"},
      {"-9999999999.99", -99999999999, "-999999999.99"},
      {"-5.25", -525, "-5.25"},
      {"-0.01", -1, "-0.01"},
      {"1..5", 100, "1.00"},
      {"2.675", 267, "2.67"},
      {"1e17", 100000000000, "1000000000.00"},
      {"-1e17", -10000000000, "-100000000.00"},
      {"1e400", 0, "0.00"},
  };
  for (const Case& c : cases) {
    const Money m = ParseMoney(c.Text);
    EXPECT_EQ(m.InCents(), c.Cents) << c.Text;
    EXPECT_EQ(FormatMoney(m), c.Written) << c.Text;
  }
  // Every whole cent survives the round trip exactly.
  for (int64_t cents = -1000; cents < 100000; cents += 7) {
    const Money m = Money::Cents(cents);
    ASSERT_EQ(ParseMoney(FormatMoney(m)), m) << cents;
  }
}

// Only spaces are trimmed, from both ends.
TEST(Money, TrimsSpacesOnly) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta "), "\ta");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

}  // namespace
