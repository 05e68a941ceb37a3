#pragma once

#include <memory>

#include "ctl/CtlOptions.h"
#include "sites/SessionJournal.h"

namespace sites {
class SitesDatabase;
}

namespace ctl {

class PanelSession;
class Progress;

// The sites list, or null after saying why it cannot be used.
sites::SitesDatabase* OpenSitesList(Progress& progress);

// sites, sites --csv, sites export, sites import: the sites list without a
// panel. Returns the exit status.
int RunSites(const CtlOptions& options, Progress& progress);

// --site: the route of the site named, its secrets from the keyring where
// the command line and the environment gave none. kSuccess, or the exit
// status after saying why (no such site, the list unusable, a secret the
// route needs that nobody gave).
int ApplySite(CtlOptions& options, Progress& progress);

// After a link to the site stood: when, and the software the panel reported.
void RecordSiteConnection(const CtlOptions& options, const QString& software);

// --site: a restore that writes is a session of the site's history, which
// watches the link from here on; null without --site or for a dry run.
std::unique_ptr<sites::SessionJournal> StartRestoreJournal(PanelSession& session, const CtlOptions& options,
                                                           Progress& progress);
// Reads back what the restore wrote and its own read-back missed, then ends
// the session: ended, or link lost.
void EndRestoreJournal(PanelSession& session, std::unique_ptr<sites::SessionJournal> journal);

}  // namespace ctl
