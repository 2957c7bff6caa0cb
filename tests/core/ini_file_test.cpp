#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "storage/ini_file.h"

using namespace brumelle;

TEST(IniFile, NamesIgnoreCaseAndValuesAreTrimmed)
{
    const IniFile f = IniFile::FromBytes("top=outside\r\n"
                                         "[General]\r\n"
                                         "  bon_fichier = 1 \r\n"
                                         "P=\t95000\t\r\n"
                                         "[ Un point ]\r\n"
                                         "TS=\r\n"
                                         "HR=50,5\r\n"
                                         "[general]\r\n"
                                         "P=1\r\n"
                                         "[Temperature seche]\r\n"
                                         "; no key\r\n");
    EXPECT_EQ(f.ReadString("GENERAL", "BON_FICHIER", "x"), "1");
    EXPECT_EQ(f.ReadString("general", "p", "x"), "95000"); // the first section of that name
    EXPECT_EQ(f.ReadString("un POINT", "hr", "x"), "50,5");
    EXPECT_EQ(f.ReadString("Un point", "TS", "x"), ""); // present but empty: no default
    EXPECT_EQ(f.ReadString("Un point", "dessin", "x"), "x");
    EXPECT_EQ(f.ReadString("Vapeur", "TS", "x"), "x");
    EXPECT_EQ(f.ReadString("", "top", "x"), "x"); // lines before any section belong to none
    EXPECT_TRUE(f.ValueExists("Un point", "ts"));
    EXPECT_FALSE(f.ValueExists("Un point", "P"));
    EXPECT_TRUE(f.SectionHasKeys("general"));
    EXPECT_FALSE(f.SectionHasKeys("CTA"));
    EXPECT_FALSE(f.SectionHasKeys("temperature seche"));
}

TEST(IniFile, Encodings)
{
    // Windows-1252: "Température" with é = 0xE9, and the euro sign 0x80.
    IniFile cp = IniFile::FromBytes("[A]\r\nk=Temp\xE9rature \x80\r\n");
    EXPECT_EQ(cp.ReadString("A", "k", ""), "Temp\xC3\xA9rature \xE2\x82\xAC");
    // Written back in Windows-1252; an overlong line end stays inside its value.
    cp.WriteString("A", "v", "\xE2\x82\xAC\xC0\x8A");
    EXPECT_EQ(cp.ToBytes(), "[A]\r\nk=Temp\xE9rature \x80\r\nv=\x80??\r\n");
    // UTF-8 with and without byte order mark is taken as is.
    const IniFile bom = IniFile::FromBytes("\xEF\xBB\xBF[A]\nk=Temp\xC3\xA9rature\n");
    EXPECT_EQ(bom.ReadString("a", "K", ""), "Temp\xC3\xA9rature");
    const IniFile utf = IniFile::FromBytes("[A]\nk=\xC2\xB0\x43\n");
    EXPECT_EQ(utf.ReadString("A", "k", ""), "\xC2\xB0" "C");
}

TEST(IniFile, BooleansAreIntegers)
{
    struct Case {
        const char *value;
        bool expected;
    };
    const Case cases[] = {
        {"1", true},   {"2", true},  {"-1", true},  {"0", false},          {"0x10", true},      {"0X0", false},
        {"$F", true},  {"oui", false}, {"", false},   {"0x", false},         {"1.0", false},
        {" 1 ", true}, {"-", false},  {"$", false},  {"4294967296", false}, {"$FFFFFFFF", true},
    };
    for (const Case &c : cases) {
        const IniFile f = IniFile::FromBytes(std::string("[S]\nb=") + c.value + "\n");
        EXPECT_EQ(f.ReadBool("S", "b"), c.expected) << c.value;
    }
    // Missing keys, and values that are not integers, give the default.
    const IniFile f = IniFile::FromBytes("[S]\nb=oui\n");
    EXPECT_TRUE(f.ReadBool("S", "b", true));
    EXPECT_TRUE(f.ReadBool("S", "missing", true));
    EXPECT_FALSE(f.ReadBool("T", "b"));
}

TEST(IniFile, WritingKeepsEveryOtherLine)
{
    const std::string original = "; my notes\r\n"
                                 "[General]\r\n"
                                 "bon_fichier = 0\r\n"
                                 "P=101325\r\n"
                                 "\r\n"
                                 "[Laveur]\r\n"
                                 "TS=20\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "[Vapeur]\r\n"
                                 "qm=1";
    IniFile f = IniFile::FromBytes(original);
    f.WriteString("GENERAL", "Bon_Fichier", "1");  // in place, the key keeps its spelling and blanks
    f.WriteString("General", "P", "101325");        // same value: line untouched
    f.WriteString("laveur", "R_sortie", "9");       // after the section's last key, before its blank lines
    f.WriteString("Vapeur", "dessin", "1");         // the last line gets its line end first
    f.WriteString("CTA", "Q_sensible", "-4");       // new section at the end
    EXPECT_EQ(f.ToBytes(), "; my notes\r\n"
                           "[General]\r\n"
                           "bon_fichier = 1\r\n"
                           "P=101325\r\n"
                           "\r\n"
                           "[Laveur]\r\n"
                           "TS=20\r\n"
                           "R_sortie=9\r\n"
                           "\r\n"
                           "\r\n"
                           "[Vapeur]\r\n"
                           "qm=1\r\n"
                           "dessin=1\r\n"
                           "[CTA]\r\n"
                           "Q_sensible=-4\r\n");
    EXPECT_EQ(IniFile::FromBytes(original).ToBytes(), original);
}

TEST(IniFile, WritingKeepsLineEndsAndEncoding)
{
    // LF file: new lines get LF; an empty section gets its key after the header.
    IniFile lf = IniFile::FromBytes("[A]\nx=1\n[B]\n");
    lf.WriteString("B", "y", "2");
    lf.WriteString("A", "x", "3");
    EXPECT_EQ(lf.ToBytes(), "[A]\nx=3\n[B]\ny=2\n");

    // A new file is written with CR LF.
    IniFile fresh;
    fresh.WriteBool("General", "bon_fichier", true);
    fresh.WriteString("General", "P", "101325");
    EXPECT_EQ(fresh.ToBytes(), "[General]\r\nbon_fichier=1\r\nP=101325\r\n");

    // A Windows-1252 file stays Windows-1252, its other bytes unchanged.
    IniFile cp = IniFile::FromBytes("[A]\r\nk=Temp\xE9rature\r\n");
    cp.WriteString("A", "j", "\xC3\xA0 vapeur");
    EXPECT_EQ(cp.ToBytes(), "[A]\r\nk=Temp\xE9rature\r\nj=\xE0 vapeur\r\n");

    // The byte order mark stays; a line break in a value cannot add a line.
    IniFile bom = IniFile::FromBytes("\xEF\xBB\xBF[A]\r\n");
    bom.WriteString("A", "k", "a\r\n[B]");
    EXPECT_EQ(bom.ToBytes(), "\xEF\xBB\xBF[A]\r\nk=a  [B]\r\n");
}

TEST(IniFile, Files)
{
    const std::string path = ::testing::TempDir() + "brumelle_ini_file_test.ini";
    IniFile f;
    f.WriteString("General", "P", "95000");
    ASSERT_TRUE(f.SaveToFile(path));
    IniFile g;
    ASSERT_TRUE(g.LoadFromFile(path));
    EXPECT_EQ(g.ReadString("general", "p", ""), "95000");
    std::remove(path.c_str());
    // A file that cannot be read leaves nothing of the previous one.
    EXPECT_FALSE(g.LoadFromFile(path));
    EXPECT_EQ(g.ReadString("general", "p", "none"), "none");
}
