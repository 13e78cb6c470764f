// A text the player reads, as the plain C++ rules write it. The rules never include Qt, so they
// write English and leave the translation to the window that shows the text:
//  - a fixed text is marked with ZANDOR_TR_NOOP(context, text), which leaves the text as it is
//    and puts it into the translation catalogue under its context; the window translates it
//    with QCoreApplication::translate(context, text);
//  - a text with a count in it ("%n spin(s)") is marked with ZANDOR_TR_N_NOOP(context, text),
//    so that each language gets its plural forms;
//  - a composed sentence is a PlayerText: an English template with %1, %2 ... and %n, the
//    values to put in, and the count that picks the plural form. The window translates the
//    template and fills it in (zandor::Translated in platform/Language.h). Sums of money are
//    put in as Amounts, so that the window writes them as the player's locale writes money.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#define ZANDOR_TR_NOOP(context, text) text
#define ZANDOR_TR_N_NOOP(context, text) text

namespace zandor {

struct PlayerText {
  const char* Context = "";
  const char* Source = "";  // marked with ZANDOR_TR_NOOP where it is written
  std::vector<std::string> Args;
  int Count = -1;  // the %n of a plural form; -1 when the template has none
  // Sums of money in cents, the values after Args: with two Args, the first amount is %3.
  std::vector<int64_t> Amounts;

  bool Empty() const { return Source == nullptr || *Source == '\0'; }
  // The sentence as an English player reads it: %n is the count, and "(s)" after it reads "s"
  // unless the count is 1; %1, %2 ... are the values, an amount written "$1,234.50".
  std::string English() const;
};

}  // namespace zandor
