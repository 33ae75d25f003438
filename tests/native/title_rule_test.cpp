#include "app/text_rules.h"

#include <gtest/gtest.h>

#include "tests/native/code_pages.h"

namespace {
void asciiLower(char* text) {
    for (; *text; ++text)
        if (*text >= 'A' && *text <= 'Z')
            *text = static_cast<char>(*text - 'A' + 'a');
}

std::string lastLowered;
void recordingLower(char* text) {
    lastLowered = text;
    asciiLower(text);
}

TEST(ApplicationTitle, FileNameCutBeforeFirstDotWithTheRestLowered) {
    const LeadBytes lead = singleByte();
    EXPECT_EQ(applicationTitle("C:\\Program Files\\NOTE.EXE", lead, asciiLower), "Note");
    EXPECT_EQ(applicationTitle("C:\\Program Files\\MY.NOTE.EXE", lead, asciiLower), "My");
    EXPECT_EQ(applicationTitle("C:\\old.dir\\TARVISSEL.EXE", lead, asciiLower), "Tarvissel");
    EXPECT_EQ(applicationTitle("NOTE", lead, asciiLower), "Note");
    EXPECT_EQ(applicationTitle("C:\\.EXE", lead, asciiLower), "");
    EXPECT_EQ(applicationTitle("C:\\dir\\", lead, asciiLower), "");
}

TEST(ApplicationTitle, LowersOnlyAfterTheFirstWholeCharacter) {
    lastLowered.clear();
    EXPECT_EQ(applicationTitle("C:\\\x81\x41XY.EXE", codePage936(), recordingLower), "\x81\x41xy");
    EXPECT_EQ(lastLowered, "XY");
}

TEST(ApplicationTitle, TrailByteBackslashIsNoDirectorySeparator) {
    const std::string path = "C:\\\x95\x5c" "AB.EXE";
    EXPECT_EQ(applicationTitle(path, codePage936(), asciiLower), "\x95\x5c" "ab");
    EXPECT_EQ(applicationTitle(path, singleByte(), asciiLower), "Ab");
}

TEST(ApplicationTitle, TrailByteDotDoesNotCutTheName) {
    const std::string path = "C:\\N\x81\x2eOTE.EXE";
    EXPECT_EQ(applicationTitle(path, codePage936(), asciiLower), "N\x81\x2eote");
    EXPECT_EQ(applicationTitle(path, singleByte(), asciiLower), "N\x81");
}
}  // namespace
