#include "platform/ProjectOpener.h"

namespace {
ProjectOpener* g_opener = nullptr;
}

ProjectOpener* ProjectOpener::instance() { return g_opener; }

void ProjectOpener::setInstance(ProjectOpener* opener) { g_opener = opener; }
