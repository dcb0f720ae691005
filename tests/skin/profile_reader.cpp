// The profile reader, case by case: how lines, sections, keys and values are read.
#include <gtest/gtest.h>

#include <string>

#include "skin/profile.h"

namespace gorvo::skin {
namespace {

using namespace std::string_literals;

struct Case {
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

void expect_reads(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Profile::parse(c.text).find(c.section, c.key), c.value)
            << "[" << c.section << "] " << c.key << " in: " << c.text;
    }
}

TEST(Profile, LinesEndAtCrLfOrCrlfAreTrimmedAndStopAtNul) {
    const std::string text =
        "\xEF\xBB\xBF[s]\ra=1\nb=2\r\nc=3\r\r\n\n \t d = 4 \t\r\nn=ab\0cd=e\nz=9"s;
    expect_reads({{text, "s", "a", "1"},
                  {text, "s", "b", "2"},
                  {text, "s", "c", "3"},
                  {text, "s", "d", "4"},
                  {text, "s", "n", "ab"},
                  {text, "s", "cd", std::nullopt},
                  {text, "s", "z", "9"}});
}

TEST(Profile, SectionsAndKeys) {
    expect_reads({
        {"[ Common ] words\nk=1", "COMMON", "K", "1"},
        {"[a]b]\nk=2", "a]b", "k", "2"},
        {"[s]\n[abc=3\n[def\nk=4", "s", "[abc", "3"},  // no ']': an ordinary line
        {"[s]\n[abc=3\n[def\nk=4", "s", "k", "4"},
        {"k=early\n[s]\n", "s", "k", std::nullopt},  // before any section
        {"[s]\nk=1\nK=2\n[t]\n[S]\nk=3\nlater=4", "s", "k", "1"},
        {"[s]\nk=1\nK=2\n[t]\n[S]\nk=3\nlater=4", "s", "later", std::nullopt},
        {"[s]\na=b=c", "s", "a", "b=c"},
        {"[s]\nno equals", "s", "no equals", std::nullopt},
        {"[s]\n;Left=5", "s", ";Left", "5"},  // no comment syntax
        {"[s]\nFilename=", "s", "Filename", ""},
    });
}

TEST(Profile, ValuesLoseOnePairOfQuotesAndAreCut) {
    const std::string exact(Profile::kMaxValueLength, 'x');
    expect_reads({
        {"[s]\nk=\" a \"", "s", "k", " a "},
        {"[s]\nk=\"\"x\"\"", "s", "k", "\"x\""},
        {"[s]\nk='q'", "s", "k", "q"},
        {"[s]\nk=\"open", "s", "k", "\"open"},
        {"[s]\nk=\"mixed'", "s", "k", "\"mixed'"},
        {"[s]\nk=\"", "s", "k", "\""},
        {"[s]\nk=" + exact + "yz", "s", "k", exact},
        {"[s]\nk=\"" + exact + "yz\"", "s", "k", exact},
        // a character of two bytes is not split
        {"[s]\nk=" + exact.substr(1) + "\xC3\xA9", "s", "k", exact.substr(1)},
    });
}

TEST(Profile, ReadsFallBackToTheirDefaults) {
    const Profile ini = Profile::parse("[s]\nempty=\nint=' 12'\nunit=5 ; px\n");
    EXPECT_EQ(ini.read_string("s", "empty", "d"), "");
    EXPECT_EQ(ini.read_string("s", "missing", "d"), "d");
    EXPECT_EQ(ini.read_string("none", "empty", "d"), "d");
    EXPECT_EQ(ini.read_int("s", "int", 0), 12);
    EXPECT_EQ(ini.read_int("s", "unit", -3), -3);
    EXPECT_EQ(ini.read_int("s", "empty", 7), 7);
    EXPECT_FALSE(Profile::load("/nonexistent/folder/Config.ini").has_value());
}

}  // namespace
}  // namespace gorvo::skin
