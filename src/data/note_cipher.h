#pragma once
// The cipher of catalogue note texts (ServiceList.Note, ServiceNote.Name):
// IDEA on 8-byte blocks with no chaining, words taken low byte first, keyed by
// folding the note key into 32 bytes. The enciphered bytes are exactly as
// long as the plain ones; a tail shorter than a block stays plain, and an
// empty key leaves everything as it is.
//
// The note key is cleared when the main window is created, so notes are in
// fact stored and read as plain text; the transformation still has to be the
// exact one for catalogues written under a non-empty key.

#include <QByteArray>
#include <QIODevice>

#include <array>
#include <cstdint>

namespace velta::data {

// The program-wide note key: a built-in text until the main window clears it.
QByteArray& noteKey();

// Transform length bytes of stream in place from its current position.
// False when the stream cannot be read, positioned or written; blocks done
// before that stay transformed.
bool EncipherStream(QIODevice& stream, const QByteArray& key, qint64 length);
bool DecipherStream(QIODevice& stream, const QByteArray& key, qint64 length);

// The same on a byte array.
QByteArray encipherNote(const QByteArray& data, const QByteArray& key);
QByteArray decipherNote(const QByteArray& data, const QByteArray& key);

namespace idea {
using Subkeys = std::array<std::uint16_t, 52>;
// The eight key words (the first most significant in the rotation) expanded
// to the 52 encryption subkeys.
Subkeys expandKey(const std::array<std::uint16_t, 8>& key);
Subkeys invertKey(const Subkeys& encryption);
// One block: four words x1..x4.
void transform(std::array<std::uint16_t, 4>& block, const Subkeys& keys);
// The note key folded into the eight key words.
std::array<std::uint16_t, 8> foldKey(const QByteArray& key);
} // namespace idea

} // namespace velta::data
