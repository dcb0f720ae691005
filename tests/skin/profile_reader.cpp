// The profile reader, case by case: how lines, sections, keys and values are read.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/profile.h"

namespace gorvo::skin {
namespace {

using namespace std::string_literals;

std::optional<std::string> value_of(const std::string& text, const char* section, const char* key) {
    return Profile::parse(text).find(section, key);
}

TEST(ProfileLines, EndAtCrLfOrCrlfAndAreTrimmedOfBlanks) {
    const Profile ini = Profile::parse("[s]\ra=1\nb=2\r\nc=3\r\r\n\n \t d = 4 \t\r\n\te\t=\t5");
    EXPECT_EQ(ini.find("s", "a"), "1");
    EXPECT_EQ(ini.find("s", "b"), "2");
    EXPECT_EQ(ini.find("s", "c"), "3");
    EXPECT_EQ(ini.find("s", "d"), "4");
    EXPECT_EQ(ini.find("s", "e"), "5");
}

TEST(ProfileLines, ByteOrderMarkDoesNotHideTheFirstSection) {
    EXPECT_EQ(value_of("\xEF\xBB\xBF[Common]\nSkinDir=x\n", "Common", "SkinDir"), "x");
}

TEST(ProfileLines, NulEndsItsLineOnly) {
    const Profile ini = Profile::parse("[s]\nkey=ab\0cd=e\nnext=1\n"s);
    EXPECT_EQ(ini.find("s", "key"), "ab");
    EXPECT_EQ(ini.find("s", "cd"), std::nullopt);
    EXPECT_EQ(ini.find("s", "next"), "1");
}

TEST(ProfileLines, EmptyAndBlankTextDefineNothing) {
    EXPECT_EQ(value_of("", "s", "k"), std::nullopt);
    EXPECT_EQ(value_of("\r\n\n \t\n", "s", "k"), std::nullopt);
}

TEST(ProfileSections, NameIsTrimmedTextUpToTheLastBracket) {
    EXPECT_EQ(value_of("[ Common ]\nk=1", "Common", "k"), "1");
    EXPECT_EQ(value_of("[Common] trailing words\nk=2", "Common", "k"), "2");
    EXPECT_EQ(value_of("[a]b]\nk=3", "a]b", "k"), "3");
    EXPECT_EQ(value_of("[]\nk=4", "", "k"), "4");
}

TEST(ProfileSections, BracketLineWithoutCloseIsAnOrdinaryLine) {
    const Profile ini = Profile::parse("[s]\n[abc=5\n[def\nk=6");
    EXPECT_EQ(ini.find("s", "[abc"), "5");
    EXPECT_EQ(ini.find("s", "k"), "6");  // still in [s]
    EXPECT_EQ(ini.find("def", "k"), std::nullopt);
}

TEST(ProfileSections, NamesAndKeysIgnoreCase) {
    const Profile ini = Profile::parse("[ImAgE12]\nFILENAME=a.png");
    EXPECT_EQ(ini.find("image12", "filename"), "a.png");
    EXPECT_EQ(ini.find("IMAGE12", "FileName"), "a.png");
}

TEST(ProfileSections, LinesBeforeTheFirstSectionCannotBeRead) {
    const Profile ini = Profile::parse("k=early\n[s]\nother=1");
    EXPECT_EQ(ini.find("s", "k"), std::nullopt);
    EXPECT_EQ(ini.find("", "k"), std::nullopt);
}

TEST(ProfileSections, FirstKeyAndFirstSectionOfANameWin) {
    const Profile ini = Profile::parse("[s]\nk=1\nK=2\n[t]\nk=t\n[S]\nk=3\nonly_later=4");
    EXPECT_EQ(ini.find("s", "k"), "1");
    EXPECT_EQ(ini.find("s", "only_later"), std::nullopt);
    EXPECT_EQ(ini.find("t", "k"), "t");
}

TEST(ProfileValues, LineSplitsAtItsFirstEquals) {
    const Profile ini = Profile::parse("[s]\na=b=c\nno equals here\n=empty key\n");
    EXPECT_EQ(ini.find("s", "a"), "b=c");
    EXPECT_EQ(ini.find("s", "no equals here"), std::nullopt);
    EXPECT_EQ(ini.find("s", ""), "empty key");
}

TEST(ProfileValues, KeyWithoutValueExistsAndIsEmpty) {
    const Profile ini = Profile::parse("[s]\nFilename=\nLeft =  \n");
    EXPECT_EQ(ini.read_string("s", "Filename", "default"), "");
    EXPECT_EQ(ini.read_string("s", "Left", "default"), "");
    EXPECT_EQ(ini.read_int("s", "Left", 7), 7);  // empty is not an integer
    EXPECT_EQ(ini.read_string("s", "Missing", "default"), "default");
    EXPECT_EQ(ini.read_string("nosuch", "Filename", "default"), "default");
}

TEST(ProfileValues, NoCommentSyntax) {
    const Profile ini = Profile::parse("[s]\n;Left=5\nLeft=5 ; px\n#Top=1\n");
    EXPECT_EQ(ini.find("s", ";Left"), "5");
    EXPECT_EQ(ini.find("s", "#Top"), "1");
    EXPECT_EQ(ini.find("s", "Left"), "5 ; px");
    EXPECT_EQ(ini.read_int("s", "Left", -3), -3);
}

TEST(ProfileValues, OneMatchingPairOfQuotesIsRemoved) {
    const Profile ini = Profile::parse(
        "[s]\n"
        "a=\" a \"\n"
        "b=\"\"x\"\"\n"
        "c='single'\n"
        "d=\"unmatched\n"
        "e=\"mixed'\n"
        "f=\"\n"
        "g=\"\"\n"
        "h=  ' 12'  \n");
    EXPECT_EQ(ini.find("s", "a"), " a ");
    EXPECT_EQ(ini.find("s", "b"), "\"x\"");
    EXPECT_EQ(ini.find("s", "c"), "single");
    EXPECT_EQ(ini.find("s", "d"), "\"unmatched");
    EXPECT_EQ(ini.find("s", "e"), "\"mixed'");
    EXPECT_EQ(ini.find("s", "f"), "\"");
    EXPECT_EQ(ini.find("s", "g"), "");
    EXPECT_EQ(ini.read_int("s", "h", 0), 12);  // leading blanks of an integer are allowed
}

TEST(ProfileValues, LongValuesAreCut) {
    const std::string exact(Profile::kMaxValueLength, 'x');
    EXPECT_EQ(value_of("[s]\nk=" + exact, "s", "k"), exact);
    EXPECT_EQ(value_of("[s]\nk=" + exact + "yz", "s", "k"), exact);
    // Quotes are removed before the cut, so a long quoted value loses only its end.
    EXPECT_EQ(value_of("[s]\nk=\"" + exact + "yz\"", "s", "k"), exact);
    // A character of several bytes is never split.
    const std::string wide = std::string(Profile::kMaxValueLength - 1, 'x') + "\xC3\xA9";
    EXPECT_EQ(value_of("[s]\nk=" + wide, "s", "k"), std::string(Profile::kMaxValueLength - 1, 'x'));
}

TEST(ProfileFiles, UnreadableFileHasNoProfile) {
    EXPECT_FALSE(Profile::load("/nonexistent/folder/Config.ini").has_value());
}

// Arbitrary bytes must never crash the reader or make it read out of bounds.
TEST(ProfileFiles, SurvivesArbitraryBytes) {
    std::mt19937 random(250);
    const std::string alphabet = "[]=\"' \t\r\n\0abcAB$x\xEF\xBB\xBF"s;
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 200, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        const Profile ini = Profile::parse(text);
        (void)ini.read_int("a", "b", 0);
        (void)ini.read_string("", "", "");
    }
    SUCCEED();
}

}  // namespace
}  // namespace gorvo::skin
