#include "console/RestoreJournal.h"

namespace console {
namespace {
RestoreJournal* g_journal = nullptr;
}  // namespace

RestoreJournal* RestoreJournal::current() { return g_journal; }

void RestoreJournal::install(RestoreJournal* journal) { g_journal = journal; }

}  // namespace console
