#pragma once

#include "ctl/CtlOptions.h"

namespace ctl {

class Progress;

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

}  // namespace ctl
