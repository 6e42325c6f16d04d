#pragma once
// Conversion between the UTF-8 text held in memory and the Windows-1252
// code page of every file the programs read and write.
#include <string>
#include <string_view>

// Decodes 1252 bytes into UTF-8.  The five unassigned codes map to the C1
// control characters of the same value, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 into 1252.  A character without a 1252 code, and a byte that
// is not valid UTF-8, is written as '?'.
std::string Utf8ToCp1252(std::string_view text);
// The same into out, which has room for text.size() bytes (a 1252 text is
// never longer); returns the end of what was written.
char *EncodeCp1252(std::string_view text, char *out);
// The number of bytes EncodeCp1252 writes for text.
std::size_t Cp1252Length(std::string_view text);
// The first position from i on (text.size() at most) where a character
// starts: a text cut there encodes, piece by piece, to the bytes the whole
// text encodes to, invalid sequences included.
std::size_t Utf8CharacterStart(std::string_view text, std::size_t i);

// Whether text is well-formed UTF-8: no stray continuation byte, no cut or
// overlong sequence, no surrogate, nothing beyond U+10FFFF.  Plain ASCII is.
bool IsUtf8(std::string_view text);

// Number of characters (code points) in a UTF-8 text: the width a column
// takes on paper.
std::size_t Utf8Length(std::string_view text);
