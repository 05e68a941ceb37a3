#pragma once

namespace platform {

// Loads the translation of the product's texts, and of Qt's own, for the
// user's locale, when there is one; the texts stay as written otherwise.
// Call once the application object exists.
void LoadTranslations();

}  // namespace platform
