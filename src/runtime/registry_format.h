#pragma once
// The text form of the registry store's file, one line per key and one per
// value:
//
//   # comment
//   key "Software\Quillfen\MirlFumarix\Size" class "Anwendungsdaten"
//   value "Left" dword -120
//   value "Maximiert" sz "true"
//   value "Pfad" expand_sz "%25HOME%25"
//   value "Roh" bytes 3 "00ff10"
//
// Texts stand in double quotes; "%", the quotation mark, control characters
// and bytes that are no valid UTF-8 are written as %XX, everything else as
// it is. A value belongs to the key line above it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirl::rt::regfile {

// A text in quotation marks, escaped.
std::string quote(std::string_view text);

// One word of a line: a bare word, or a quoted text (unescaped).
struct Word {
  std::string text;
  bool quoted = false;
};

// The words of a line; false when a quoted text is not closed, an escape is
// damaged or a closing quotation mark is glued to the next word.
bool splitWords(std::string_view line, std::vector<Word>& words);

std::string toHex(const std::vector<std::uint8_t>& bytes);
// False when the text is not pairs of hexadecimal digits.
bool fromHex(std::string_view hex, std::vector<std::uint8_t>& bytes);

}  // namespace mirl::rt::regfile
