// A text as it can be shown in a message and on a terminal: characters that
// print as nothing or as a blank but are not one (a no-break space, a
// zero-width space, a byte-order mark, control characters) are spelled out,
// so that a line that looks right but is not can be told from one that is.
#ifndef TARVEX_CORE_VISIBLE_TEXT_HPP_
#define TARVEX_CORE_VISIBLE_TEXT_HPP_

#include <string>
#include <string_view>

namespace tarvex {

// `text` with every control character and every invisible or blank-like
// character other than the space written as <U+XXXX> (the tab too), and
// every byte that is not part of a UTF-8 character as <0xXX>. Printable
// characters, UTF-8 letters included, stay as they are.
std::string VisibleText(std::string_view text);

// True when VisibleText changes nothing.
bool IsVisibleText(std::string_view text);

}  // namespace tarvex

#endif  // TARVEX_CORE_VISIBLE_TEXT_HPP_
