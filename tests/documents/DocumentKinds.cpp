#include "DocumentKind.h"

std::vector<DocumentKind> documentKinds() { return {radioDocumentKind(), toneRemoteDocumentKind()}; }
