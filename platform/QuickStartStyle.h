#pragma once

namespace platform {

// Wraps the application's style so that a menu bar's overflow button gets a
// drawn icon. Qt loads that icon from an image file when a menu bar is made,
// and the first image read loads every image format plugin (a few
// milliseconds of start-up) for a button a short menu bar never shows. Call
// once the application object exists, before the first window.
void UseQuickStartStyle();

}  // namespace platform
