#pragma once
#include <QString>

namespace basVelmar {

// A module's text as the windows show it: every control character (the zero bytes of a page
// never written, and any other byte below a blank) becomes a blank, so the text keeps its
// length and its columns.
QString strShownText(const QString& text);

} // namespace basVelmar
