#include "data/note_cipher.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace velta::data;

namespace {

QByteArray bytes(std::initializer_list<int> b) {
    QByteArray out;
    for (int x : b)
        out.append(char(x));
    return out;
}

// A 32-byte key whose first 16 bytes are the published IDEA test key
// 0001 0002 ... 0008 written low byte first; the last 16 bytes take no part.
QByteArray testVectorKey() {
    QByteArray key;
    for (int w = 1; w <= 8; ++w)
        key.append(char(w)).append(char(0));
    key.append(QByteArray(16, 'z'));
    return key;
}

} // namespace

TEST(NoteCipher, PublishedIdeaTestVectorWithLowByteFirstWords) {
    // Key 0001..0008, plain 0000 0001 0002 0003, cipher 11FB ED2B 0198 6DE5.
    const QByteArray plain = bytes({0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00});
    const QByteArray cipher = bytes({0xFB, 0x11, 0x2B, 0xED, 0x98, 0x01, 0xE5, 0x6D});
    EXPECT_EQ(encipherNote(plain, testVectorKey()), cipher);
    EXPECT_EQ(decipherNote(cipher, testVectorKey()), plain);

    // The same through the core: standard IDEA on words.
    const auto keys = idea::expandKey({1, 2, 3, 4, 5, 6, 7, 8});
    std::array<std::uint16_t, 4> block{0, 1, 2, 3};
    idea::transform(block, keys);
    EXPECT_EQ(block, (std::array<std::uint16_t, 4>{0x11FB, 0xED2B, 0x0198, 0x6DE5}));
    idea::transform(block, idea::invertKey(keys));
    EXPECT_EQ(block, (std::array<std::uint16_t, 4>{0, 1, 2, 3}));
}

TEST(NoteCipher, EmptyKeyLeavesDataAndAdvancesThePosition) {
    QByteArray data = "any text at all, longer than a block";
    const QByteArray before = data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(EncipherStream(buffer, QByteArray(), data.size()));
    EXPECT_EQ(buffer.pos(), before.size());
    buffer.seek(0);
    EXPECT_TRUE(DecipherStream(buffer, QByteArray(), data.size()));
    EXPECT_EQ(data, before);
}

TEST(NoteCipher, RoundTripOfEveryLengthAndUnchangedTail) {
    const QByteArray keys[] = {"k", "0123456789abcdef0123456789abcdef", noteKey(),
                               QByteArray(37, '\xEA') + "x", QByteArray(100, 'q')};
    for (const QByteArray& key : keys) {
        for (int n = 0; n <= 100; ++n) {
            QByteArray plain;
            for (int i = 0; i < n; ++i)
                plain.append(char(i * 31 + n));
            const QByteArray enc = encipherNote(plain, key);
            ASSERT_EQ(enc.size(), plain.size());
            EXPECT_EQ(enc.right(n % 8), plain.right(n % 8)) << "tail changed, n=" << n;
            if (n >= 8) {
                EXPECT_NE(enc.left(n - n % 8), plain.left(n - n % 8)) << n;
            }
            EXPECT_EQ(decipherNote(enc, key), plain) << "key " << key.constData() << " n=" << n;
        }
    }
}

TEST(NoteCipher, BlocksAreIndependentAndLaterKeyBytesAreFoldedIn) {
    const QByteArray key = "a note key";
    const QByteArray two = encipherNote(QByteArray("ABCDEFGHABCDEFGH"), key);
    EXPECT_EQ(two.left(8), two.mid(8));

    // 32 equal bytes, then a difference: the 33rd byte is folded into the buffer.
    const QByteArray base(32, 'm');
    EXPECT_NE(idea::foldKey(base + "1"), idea::foldKey(base + "2"));
    // A key of 37 characters is extended to 64 bytes by repeating it.
    const QByteArray k37 = "0123456789012345678901234567890123456";
    EXPECT_EQ(idea::foldKey(k37), idea::foldKey(k37 + k37.left(27)));
    // Bytes 16 to 31 of the buffer take no part.
    EXPECT_EQ(encipherNote("12345678", QByteArray(16, 'a') + QByteArray(16, 'b')),
              encipherNote("12345678", QByteArray(16, 'a') + QByteArray(16, 'c')));
}

TEST(NoteCipher, UnreadableStreamFails) {
    QByteArray data = "0123456789abcdef";
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(EncipherStream(buffer, "key", data.size()));
}
