// The question-mark picture of the Help buttons.
#pragma once

#include <QIcon>

namespace zandor {

// The desktop theme's help icon when the theme has one, otherwise ours: a white question mark
// on a blue disc, drawn afresh at whatever size and pixel density a button asks for.
QIcon HelpIcon();

}  // namespace zandor
