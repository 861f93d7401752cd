#pragma once

namespace basVelmar {

// A value the codecs cannot carry: shown once, as the platform's arithmetic overflow is
// ("Overflow", OK button, the program's title). The codec then returns -1.
void ShowCodecOverflow();

} // namespace basVelmar
