#pragma once
// Text is UTF-8 in memory; files written for the Windows tools that share our
// formats hold cp932 (Windows-31J). These helpers convert at those boundaries
// and count the byte limits the formats impose in cp932 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace fg {

// UTF-8 -> cp932. A character cp932 cannot hold becomes '?', and invalid
// UTF-8 bytes become '?' one by one, so the conversion never fails.
std::string utf8ToCp932(std::string_view utf8);

// cp932 -> UTF-8. A byte sequence that is not cp932 becomes U+FFFD; a lead
// byte whose next byte is no trail byte becomes U+FFFD alone.
std::string cp932ToUtf8(std::string_view cp932);

// Whether `bytes` are cp932 for the UTF-8 text, but not the bytes
// utf8ToCp932 writes for it: cp932 has two codes for some characters (NEC's
// and IBM's rows) and the encoder writes the one Windows prefers. False for
// bytes that do not decode cleanly to the text. Such bytes are worth keeping
// where a name must be written back as it was stored.
bool isOtherCp932Spelling(std::string_view bytes, std::string_view utf8);

// Number of bytes the text takes in cp932 (as utf8ToCp932 would write it).
std::size_t cp932Length(std::string_view utf8);

// The longest prefix of the UTF-8 text that fits in maxBytes cp932 bytes,
// never cutting a character in half.
std::string cutToCp932Bytes(std::string_view utf8, std::size_t maxBytes);

}  // namespace fg
