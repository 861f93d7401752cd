#include "shell/CodecFailure.h"

#include "platform/MsgBox.h"

namespace basVelmar {

void ShowCodecOverflow() { platform::MsgBox(QStringLiteral("Overflow"), platform::vbOKOnly | platform::vbExclamation); }

} // namespace basVelmar
