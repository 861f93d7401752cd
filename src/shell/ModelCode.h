#pragma once
#include <QString>

// The model name made from the 8-character model code of page 4 (page byte 7 first).
namespace basVelmar {

// Two-letter form: "Vr" c1 c2 "-" c3 c4, then "-" (or a blank when c5 is a blank), c5..c8:
// 05120000 gives Vr05-12-0000. Older form: the series letter, c1..c3 "-" c4 c5 "-" c6..c8:
// 05120000 gives V051-20-000. Blanks are kept; a shorter code is taken as padded with blanks.
QString strModelCodeName(const QString& code, bool twoLetterForm);

} // namespace basVelmar
