#include "data/note_cipher.h"

#include <QBuffer>

namespace velta::data {

QByteArray& noteKey() {
    static QByteArray key = QByteArrayLiteral("Velta2 note key: kept for older notes");
    return key;
}

namespace idea {

namespace {

std::uint16_t mul(std::uint32_t a, std::uint32_t b) {
    // Multiplication modulo 65537, where 0 stands for 65536.
    if (a == 0)
        a = 65536;
    if (b == 0)
        b = 65536;
    const std::uint64_t r = (std::uint64_t(a) * b) % 65537;
    return std::uint16_t(r & 0xFFFF);
}

std::uint16_t mulInverse(std::uint16_t x) {
    if (x <= 1)
        return x; // 0 (65536) and 1 are their own inverses
    // Fermat: x^(p-2) mod p with p = 65537.
    std::uint64_t result = 1, base = x, e = 65535;
    while (e) {
        if (e & 1)
            result = result * base % 65537;
        base = base * base % 65537;
        e >>= 1;
    }
    return std::uint16_t(result & 0xFFFF);
}

std::uint16_t addInverse(std::uint16_t x) {
    return std::uint16_t(0x10000 - x);
}

std::uint32_t rotl32(std::uint32_t v, unsigned n) {
    n &= 31;
    return n ? (v << n) | (v >> (32 - n)) : v;
}

} // namespace

Subkeys expandKey(const std::array<std::uint16_t, 8>& key) {
    Subkeys z{};
    // The 128-bit key, first word most significant.
    unsigned __int128 k = 0;
    for (std::uint16_t w : key)
        k = (k << 16) | w;
    int n = 0;
    while (n < 52) {
        for (int i = 0; i < 8 && n < 52; ++i, ++n)
            z[size_t(n)] = std::uint16_t(k >> (16 * (7 - i)));
        k = (k << 25) | (k >> (128 - 25));
    }
    return z;
}

Subkeys invertKey(const Subkeys& z) {
    Subkeys d{};
    d[0] = mulInverse(z[48]);
    d[1] = addInverse(z[49]);
    d[2] = addInverse(z[50]);
    d[3] = mulInverse(z[51]);
    d[4] = z[46];
    d[5] = z[47];
    for (int r = 1; r < 8; ++r) {
        const int e = 48 - 6 * r;
        d[size_t(6 * r)] = mulInverse(z[size_t(e)]);
        d[size_t(6 * r + 1)] =
            addInverse(z[size_t(e + 2)]); // the two addition keys swap in the middle rounds
        d[size_t(6 * r + 2)] = addInverse(z[size_t(e + 1)]);
        d[size_t(6 * r + 3)] = mulInverse(z[size_t(e + 3)]);
        d[size_t(6 * r + 4)] = z[size_t(e - 2)];
        d[size_t(6 * r + 5)] = z[size_t(e - 1)];
    }
    d[48] = mulInverse(z[0]);
    d[49] = addInverse(z[1]);
    d[50] = addInverse(z[2]);
    d[51] = mulInverse(z[3]);
    return d;
}

void transform(std::array<std::uint16_t, 4>& block, const Subkeys& k) {
    std::uint16_t x1 = block[0], x2 = block[1], x3 = block[2], x4 = block[3];
    for (int r = 0; r < 8; ++r) {
        const std::uint16_t* z = k.data() + 6 * r;
        x1 = mul(x1, z[0]);
        x2 = std::uint16_t(x2 + z[1]);
        x3 = std::uint16_t(x3 + z[2]);
        x4 = mul(x4, z[3]);
        std::uint16_t t0 = mul(std::uint16_t(x1 ^ x3), z[4]);
        std::uint16_t t1 = mul(std::uint16_t((x2 ^ x4) + t0), z[5]);
        t0 = std::uint16_t(t0 + t1);
        x1 ^= t1;
        x4 ^= t0;
        const std::uint16_t a = std::uint16_t(x2 ^ t0);
        x2 = std::uint16_t(x3 ^ t1);
        x3 = a;
    }
    block[0] = mul(x1, k[48]);
    block[1] = std::uint16_t(x3 + k[49]);
    block[2] = std::uint16_t(x2 + k[50]);
    block[3] = mul(x4, k[51]);
}

std::array<std::uint16_t, 8> foldKey(const QByteArray& key) {
    QByteArray t = key;
    for (qsizetype i = 0; t.size() % 32 != 0; ++i)
        t.append(t[i]);
    std::array<std::uint32_t, 8> buffer{};
    for (qsizetype g = 0; g * 4 < t.size(); ++g) {
        const auto* p = reinterpret_cast<const unsigned char*>(t.constData() + g * 4);
        const std::uint32_t x = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                std::uint32_t(p[3]) << 24;
        std::uint32_t& w = buffer[size_t(g % 8)];
        w = rotl32(w, x % 32) ^ x;
    }
    // Only the buffer's first 16 bytes make the key, as 16-bit words low byte first.
    std::array<std::uint16_t, 8> words{};
    for (int i = 0; i < 4; ++i) {
        words[size_t(2 * i)] = std::uint16_t(buffer[size_t(i)] & 0xFFFF);
        words[size_t(2 * i + 1)] = std::uint16_t(buffer[size_t(i)] >> 16);
    }
    return words;
}

} // namespace idea

namespace {

// Shared between calls as the cipher always kept them; prepared afresh from
// the key on every call.
idea::Subkeys g_encryption{};
idea::Subkeys g_decryption{};

bool process(QIODevice& stream, const QByteArray& key, qint64 length, bool decipher) {
    if (key.isEmpty())
        return stream.seek(stream.pos() + length);
    g_encryption = idea::expandKey(idea::foldKey(key));
    g_decryption = idea::invertKey(g_encryption);
    const idea::Subkeys& keys = decipher ? g_decryption : g_encryption;
    qint64 pos = stream.pos();
    for (qint64 done = 0; done + 8 <= length; done += 8, pos += 8) {
        unsigned char b[8];
        if (!stream.seek(pos) || stream.read(reinterpret_cast<char*>(b), 8) != 8)
            return false;
        std::array<std::uint16_t, 4> block{};
        for (int i = 0; i < 4; ++i)
            block[size_t(i)] = std::uint16_t(b[2 * i] | b[2 * i + 1] << 8);
        idea::transform(block, keys);
        for (int i = 0; i < 4; ++i) {
            b[2 * i] = std::uint8_t(block[size_t(i)] & 0xFF);
            b[2 * i + 1] = std::uint8_t(block[size_t(i)] >> 8);
        }
        if (!stream.seek(pos) || stream.write(reinterpret_cast<const char*>(b), 8) != 8)
            return false;
    }
    // A tail shorter than a block stays as it is.
    return stream.seek(pos + length % 8);
}

QByteArray processBytes(const QByteArray& data, const QByteArray& key, bool decipher) {
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadWrite);
    process(buffer, key, copy.size(), decipher);
    return copy;
}

} // namespace

bool EncipherStream(QIODevice& stream, const QByteArray& key, qint64 length) {
    return process(stream, key, length, false);
}

bool DecipherStream(QIODevice& stream, const QByteArray& key, qint64 length) {
    return process(stream, key, length, true);
}

QByteArray encipherNote(const QByteArray& data, const QByteArray& key) {
    return processBytes(data, key, false);
}

QByteArray decipherNote(const QByteArray& data, const QByteArray& key) {
    return processBytes(data, key, true);
}

} // namespace velta::data
