#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace vornith {
namespace {

TEST(Cp1252, AllBytesRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(cp1252Char(0x96), QChar(0x2013)); // en dash
    EXPECT_EQ(cp1252Char(0x80), QChar(0x20AC)); // euro
    EXPECT_EQ(cp1252Char(0xD7), QChar(0x00D7)); // multiplication sign
    EXPECT_EQ(cp1252Byte(QChar(0x00BA)), 0xBA); // masculine ordinal
    EXPECT_EQ(toCp1252(QStringLiteral("Física º ñ")), QByteArray("F\xEDsica \xBA \xF1"));
    EXPECT_EQ(fromCp1252(QByteArray("Din\xE1mica")), QStringLiteral("Dinámica"));
}

TEST(Cp1252, UnmappableBecomesOneQuestionMark) {
    EXPECT_EQ(cp1252Byte(QChar(0x03B1)), -1);
    EXPECT_EQ(toCp1252(QStringLiteral("a\u03B1b")), QByteArray("a?b"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
}

} // namespace
} // namespace vornith
