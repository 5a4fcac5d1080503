// Reading and writing the key file: the line rules, the lookups and the integer forms.

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "myIniFiles.h"

namespace {

using KeyFileTest = TempFolderTest;

// Every line ending, blanks of all kinds, repeated sections and keys, and bracketed names
// in places where they are not headers.
const char* const kLookupFile =
    "top=before any section\r\n"
    "[Main]\r\n"
    " Key1 = value one \r\n"
    "Key2=a=b\n"
    "Empty=\r"
    "Empty=later\r\n"
    "Dup=first\r\n"
    "Dup=second\r\n"
    "\r\n"
    "=5\r\n"
    "note without equals\r\n"
    "\t Key5 \x01=\x01 v5\x7f \r\n"
    "Key6=\xa0x\xa0\r\n"
    "[Other]\r\n"
    "Key1=other\r\n"
    "text [Inline] text\r\n"
    "Key8=after inline\r\n"
    "  [Spaced]  \r\n"
    "Key7=spaced\r\n"
    "[Main]\r\n"
    "Key3=second main section\r\n"
    "x=see [Hidden] here\r\n"
    "Key4=hidden\r\n"
    "[MapData]\r\n"
    "W=8";

struct LookupCase {
    const char* section;
    const char* key;
    const char* expected;  // "d" is the default
};

TEST_F(KeyFileTest, ReadStringFollowsTheLookupRules) {
    const std::string path = PathOf("lookup.ini");
    WriteBytes(path, kLookupFile);
    const TMyIniFile file(path);
    const LookupCase cases[] = {
        {"Main", "Key1", "value one"},       // blanks around key, "=" and value
        {"Main", "Key2", "a=b"},             // the value keeps later "="
        {"Main", "Empty", "d"},              // empty value: default, the later line is not read
        {"Main", "Dup", "first"},            // the first line of a key wins
        {"Main", "", "d"},                   // the empty key, even with "=5" in the section
        {"Main", "Key3", "d"},               // only the first section of a name is read
        {"Main", "key1", "d"},               // key names are exact
        {"Main", " Key1", "d"},              // the name asked for is not trimmed
        {"Main", "top", "d"},                // lines before the section are not in it
        {"Main", "Key5", "v5\x7f"},          // every code up to 32 is trimmed, 127 is not
        {"Main", "Key6", "\xa0x\xa0"},       // bytes above 127 are not blanks
        {"Other", "Key1", "other"},
        {"Other", "Key8", "after inline"},   // a line holding "[Inline]" is no header
        {"Inline", "Key8", "after inline"},  // ... but it opens section Inline
        {"Other", "Key7", "d"},              // a header with blanks around ends the section
        {"Spaced", "Key7", "spaced"},
        {"Hidden", "Key4", "hidden"},        // opened by a key line that holds "[Hidden]"
        {"MapData", "W", "8"},               // a last line without a line end
        {"Map", "W", "d"},                   // sections are found by "[" + name + "]"
        {"mapdata", "W", "d"},               // ... case and all
        {"Missing", "Key1", "d"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        EXPECT_EQ(file.ReadString(c.section, c.key, "d"), c.expected);
    }
}

TEST_F(KeyFileTest, ReadIntegerAcceptsDecimalAndHexadecimalForms) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    constexpr int32_t d = 77;
    const Case cases[] = {
        {"0x1F", 31}, {"0X1f", 31}, {"$1f", 31}, {"x1F", 31}, {"X1f", 31}, {"$abcDEF", 0xABCDEF},
        {"-12", -12}, {"+12", 12}, {"007", 7}, {" 42 ", 42}, {"0", 0}, {"-0", 0},
        {"-$10", -16}, {"+$10", 16}, {"-0x10", -16},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"0002147483647", INT32_MAX},
        {"$FFFFFFFF", -1}, {"$0FFFFFFFF", -1}, {"$7FFFFFFF", INT32_MAX},
        {"$80000000", INT32_MIN}, {"-$80000000", INT32_MIN}, {"-$FFFFFFFF", 1},
        // No value: the default.
        {"", d}, {"-", d}, {"+", d}, {"$", d}, {"x", d}, {"0x", d}, {"-0x", d},
        {"12a", d}, {"1 2", d}, {"1e3", d}, {"0x1g", d}, {"00x1", d}, {"$-1", d}, {"--1", d},
        {"+-1", d}, {"2147483648", d}, {"+2147483648", d}, {"-2147483649", d},
        {"99999999999999999999", d}, {"$100000000", d}, {"0b1", d}, {"1.0", d},
    };
    TMyIniFile file(PathOf("numbers.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        file.WriteString("N", "v", c.text);
        EXPECT_EQ(file.ReadInteger("N", "v", d), c.expected);
    }
}

TEST_F(KeyFileTest, LinesAreSplitAtEveryLineEndAndWrittenBackWithCrLf) {
    struct Case {
        std::string before;
        std::string after;  // once "z=9" is written to section S
    };
    const Case cases[] = {
        {"[S]\r\na=1\r\n", "[S]\r\na=1\r\nz=9\r\n"},
        {"[S]\ra=1\nb=2\r\nc=3", "[S]\r\na=1\r\nb=2\r\nc=3\r\nz=9\r\n"},  // lone CR, lone LF, no end
        {"[S]\r\r\na=1\n\n", "[S]\r\n\r\na=1\r\n\r\nz=9\r\n"},          // CR then CR LF: an empty line
        {"[S]\n\r", "[S]\r\n\r\nz=9\r\n"},                            // LF then CR: two line ends
        {std::string("[S]\r\na=1\0b=2\r\n", 14), "[S]\r\na=1\r\nz=9\r\n"},  // NUL ends the text
        {std::string("\0[S]\r\n", 6), "[S]\r\nz=9\r\n"},
        {"", "[S]\r\nz=9\r\n"},
        {"[S]   \r\n  keep  me \r\n", "[S]   \r\n  keep  me \r\nz=9\r\n"},  // untouched lines stay as they were
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before));
        const std::string path = PathOf("lines.ini");
        WriteBytes(path, c.before);
        TMyIniFile file(path);
        file.WriteString("S", "z", "9");
        EXPECT_EQ(ReadBytes(path), c.after);
    }
}

TEST_F(KeyFileTest, WriteStringReplacesInsertsOrAppends) {
    struct Case {
        const char* what;
        const char* before;
        const char* section;
        const char* key;
        const char* after;
    };
    const Case cases[] = {
        {"replace in place, old spacing lost", "; c\r\n[A]\r\n  k =  old \r\nz=1\r\n", "A", "k",
         "; c\r\n[A]\r\nk=new\r\nz=1\r\n"},
        {"insert after the section's last line, blank lines included", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A",
         "k", "[A]\r\nx=1\r\n\r\nk=new\r\n[B]\r\ny=2\r\n"},
        {"insert at the end of the last section", "[A]\nx=1", "A", "k", "[A]\r\nx=1\r\nk=new\r\n"},
        {"append a missing section", "[A]\r\nx=1\r\n", "B", "k", "[A]\r\nx=1\r\n[B]\r\nk=new\r\n"},
        {"empty key: header only", "[A]\r\nx=1\r\n", "B", "", "[A]\r\nx=1\r\n[B]\r\n"},
        {"empty key: nothing changes, still saved", "[A]\nx=1\n\n=5\n", "A", "", "[A]\r\nx=1\r\n\r\n=5\r\n"},
        {"first of two keys and first of two sections", "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n", "A", "k",
         "[A]\r\nk=new\r\nk=2\r\n[A]\r\nk=3\r\n"},
        {"section opened by a key line", "x=[A]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k",
         "x=[A]\r\nk=new\r\n[A]\r\nk=2\r\n"},
        {"a key of another case is another key", "[A]\r\nK=1\r\n", "A", "k", "[A]\r\nK=1\r\nk=new\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = PathOf("write.ini");
        WriteBytes(path, c.before);
        TMyIniFile file(path);
        file.WriteString(c.section, c.key, "new");
        EXPECT_EQ(ReadBytes(path), c.after);
    }
}

TEST_F(KeyFileTest, ANewFileGetsTheHeaderThenTheKeysInWriteOrder) {
    const std::string path = PathOf("new.ini");
    TMyIniFile file(path);
    EXPECT_FALSE(file.FileExisted());
    file.WriteInteger("Option", "Width", 8);
    file.WriteInteger("Option", "Low", INT32_MIN);
    file.WriteString("Option", "Text", "a = b");
    file.WriteInteger("Option", "Width", 1000);
    EXPECT_EQ(ReadBytes(path), "[Option]\r\nWidth=1000\r\nLow=-2147483648\r\nText=a = b\r\n");

    const TMyIniFile reread(path);
    EXPECT_TRUE(reread.FileExisted());
    EXPECT_EQ(reread.ReadInteger("Option", "Low", 0), INT32_MIN);
    EXPECT_EQ(reread.ReadString("Option", "Text", ""), "a = b");
}

TEST_F(KeyFileTest, WriteStringsSetsEveryKeyAndSavesOnce) {
    const std::string path = PathOf("batch.ini");
    WriteBytes(path, "[A]\r\nb=old\r\n[C]\r\n");
    TMyIniFile file(path);
    file.WriteStrings("A", {{"a", "1"}, {"b", "2"}, {"a", "3"}});
    EXPECT_EQ(ReadBytes(path), "[A]\r\nb=2\r\na=3\r\n[C]\r\n");
}

TEST_F(KeyFileTest, AMissingFileReadsAsDefaultsAndIsNotCreatedByReading) {
    const std::string path = PathOf("absent.ini");
    {
        const TMyIniFile file(path);
        EXPECT_EQ(file.ReadString("Option", "Width", "x"), "x");
        EXPECT_EQ(file.ReadInteger("Option", "Width", 12), 12);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    // A name under a plain file cannot exist either: no error until a write.
    WriteBytes(PathOf("plain"), "");
    EXPECT_NO_THROW(TMyIniFile(PathOf("plain/absent.ini")));
}

TEST_F(KeyFileTest, LinesAreReadOnceAndTheObjectNeverSavesOnItsOwn) {
    const std::string path = PathOf("once.ini");
    WriteBytes(path, "[A]\nk=1\n");
    {
        TMyIniFile file(path);
        WriteBytes(path, "[A]\nk=changed elsewhere\n");
        EXPECT_EQ(file.ReadString("A", "k", ""), "1");
    }
    EXPECT_EQ(ReadBytes(path), "[A]\nk=changed elsewhere\n");
}

TEST_F(KeyFileTest, AMillionCharacterLineIsReadAndWrittenWhole) {
    const std::string path = PathOf("long.ini");
    const std::string value(1'000'000, '7');
    {
        TMyIniFile file(path);
        file.WriteString("MapData", "Map", value);
        file.WriteInteger("MapData", "After", 1);
    }
    const TMyIniFile file(path);
    EXPECT_EQ(file.ReadString("MapData", "Map", ""), value);
    EXPECT_EQ(file.ReadInteger("MapData", "After", 0), 1);
}

}  // namespace
