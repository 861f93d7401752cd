#include "docwindow/DocumentHost.h"

namespace {
IDocumentHost* g_host = nullptr;
}

IDocumentHost* IDocumentHost::current() { return g_host; }

void IDocumentHost::setCurrent(IDocumentHost* host) { g_host = host; }
