#pragma once
// Caret and selection positions between a form and its widgets: the form
// counts characters, a QString UTF-16 units, of which a character beyond
// the Basic Multilingual Plane takes two. Positions cross over only here.
#include <QString>

namespace mirl::gui {

namespace detail {

// UTF-16 units of the character that starts at `at`.
inline int unitsAt(const QString& s, qsizetype at) {
  return s[at].isHighSurrogate() && at + 1 < s.size() && s[at + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace detail

// Where the character position `chars` of `s` lies in UTF-16 units (at most
// the end of the text).
inline int utf16Position(const QString& s, int chars) {
  qsizetype at = 0;
  for (int n = 0; n < chars && at < s.size(); ++n) at += detail::unitsAt(s, at);
  return static_cast<int>(at);
}

// The character position of the UTF-16 position `units` of `s`; within a
// pair of halves it is the position behind the character.
inline int charPosition(const QString& s, int units) {
  int n = 0;
  for (qsizetype at = 0; at < units && at < s.size(); ++n) at += detail::unitsAt(s, at);
  return n;
}

}  // namespace mirl::gui
