#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "testing/memory_file_system.h"

namespace kalkora {

TEST(IniFile, ReadsAsTheProfileFunctionsDo) {
  const IniFile ini = IniFile::parse(
      "garbage before any section\r\n"
      "[Nastaveni]\r\n"
      "  Oddelovac =  ;  \r\n"
      "Quoted=\"  a b  \"\r\n"
      "Single='x'\r\n"
      "Half=\"x\r\n"
      "key without equals\r\n"
      "; Komentar=1\r\n"
      "=no key\r\n"
      "Hex=0x1F\r\n"
      "Dollar=$10\r\n"
      "Bad=12a\r\n"
      "Empty=\r\n"
      "oddelovac=second wins never\r\n"
      "[ nastaveni ]\r\n"
      "Jiny=from the duplicate section\r\n");
  EXPECT_EQ(ini.read("NASTAVENI", "ODDELOVAC"), ";");
  EXPECT_EQ(ini.read("Nastaveni", "Quoted"), "  a b  ");
  EXPECT_EQ(ini.read("Nastaveni", "Single"), "x");
  EXPECT_EQ(ini.read("Nastaveni", "Half"), "\"x");
  EXPECT_EQ(ini.read("Nastaveni", "key without equals"), std::nullopt);
  EXPECT_EQ(ini.read("Nastaveni", "; Komentar"), std::nullopt);
  EXPECT_EQ(ini.read("Nastaveni", "Jiny"), std::nullopt);
  EXPECT_EQ(ini.read("Chybi", "Oddelovac"), std::nullopt);
  EXPECT_EQ(ini.readInteger("Nastaveni", "Hex", 0), 31);
  EXPECT_EQ(ini.readInteger("Nastaveni", "Dollar", 0), 16);
  EXPECT_EQ(ini.readInteger("Nastaveni", "Bad", 7), 7);
  EXPECT_EQ(ini.readInteger("Nastaveni", "Empty", 7), 7);
  EXPECT_EQ(ini.readString("Nastaveni", "Empty", "default"), "");
  EXPECT_EQ(ini.readString("Nastaveni", "Missing", "default"), "default");
  EXPECT_TRUE(ini.readFlag("Nastaveni", "Hex", false));
  EXPECT_TRUE(ini.readFlag("Nastaveni", "Bad", true));
}

TEST(IniFile, WritesInPlaceAndKeepsEveryOtherLine) {
  IniFile ini = IniFile::parse(
      "; hlavicka\n"
      "[A]\n"
      "x = 1\n"
      "garbage\n"
      "\n"
      "[B]\n"
      "y=2\n"
      "[a]\n"
      "x=duplicate\n");
  ini.write("a", "X", "10");
  ini.write("A", "z", "3");
  ini.write("C", "w", "4");
  ini.write("C", "v", "line\r\nbreak");
  EXPECT_EQ(ini.serialize(),
            "; hlavicka\r\n[A]\r\nx=10\r\ngarbage\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[a]\r\nx=duplicate\r\n\r\n[C]\r\nw=4\r\n"
            "v=line  break\r\n");
  EXPECT_EQ(ini.read("C", "v"), "line  break");

  IniFile empty;
  empty.write("S", "k", "v");
  EXPECT_EQ(empty.serialize(), "[S]\r\nk=v\r\n");
}

TEST(IniFile, LongValuesAreCutOnReadButKeptInTheFile) {
  const std::string huge(10 * 1024 * 1024, 'a');
  IniFile ini = IniFile::parse("[S]\r\nk=" + huge + "\r\nc=" + std::string(2046, 'b') + "č\r\n");
  EXPECT_EQ(ini.read("S", "k")->size(), IniFile::kMaxValueLength);
  EXPECT_EQ(ini.read("S", "c"), std::string(2046, 'b') + "č");  // characters, not bytes
  ini.write("S", "n", "1");
  EXPECT_NE(ini.serialize().find("k=" + huge + "\r\n"), std::string::npos);
}

TEST(IniFile, KeepsTheEncodingItWasReadIn) {
  IniFile cp = IniFile::parse("[S]\r\nk=\xE8\r\n");  // "č" in windows-1250
  EXPECT_EQ(cp.read("S", "k"), "č");
  cp.write("S", "m", "ř");
  EXPECT_EQ(cp.serialize(), "[S]\r\nk=\xE8\r\nm=\xF8\r\n");
  cp.write("S", "z", "中");  // not in windows-1250: the file turns UTF-8 rather than lose it
  EXPECT_EQ(cp.serialize(), "[S]\r\nk=č\r\nm=ř\r\nz=中\r\n");

  IniFile utf = IniFile::parse("\xEF\xBB\xBF[S]\r\nk=č\r\n");
  utf.write("S", "m", "ř");
  EXPECT_EQ(utf.serialize(), "\xEF\xBB\xBF[S]\r\nk=č\r\nm=ř\r\n");
}

TEST(IniFile, MissingAndUnwritableFiles) {
  MemoryFileSystem fs;
  IniFile ini = IniFile::load(fs, "missing.ini");
  EXPECT_EQ(ini.read("S", "k"), std::nullopt);
  ini.write("S", "k", "v");
  fs.unwritable = "ro.ini";
  try {
    ini.save(fs, "ro.ini");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), settingsWriteMessage("ro.ini", "Soubor nelze zapsat: ro.ini."));
  }
  EXPECT_EQ(ini.read("S", "k"), "v");
  ini.save(fs, "ok.ini");
  EXPECT_EQ(fs.files["ok.ini"], "[S]\r\nk=v\r\n");
}

}  // namespace kalkora
