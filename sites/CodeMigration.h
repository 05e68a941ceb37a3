#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace sites {

// Whether tarnel's settings still hold codes that an older version
// remembered there in clear ("Passwords" / "User", "Installer").
bool SettingsHoldRememberedCodes(const QSettings& settings);

// Moves those codes into the keyring, as the codes of links made without a
// site, and out of the file once the keyring has kept them all; where no
// keyring answers they stay where they were. done gets the one line that
// tells the user what happened; it is not called when there was nothing to
// move, nor once context is gone.
void MoveRememberedCodesToKeyring(std::shared_ptr<QSettings> settings, QObject* context,
                                  std::function<void(const QString&)> done);

}  // namespace sites
