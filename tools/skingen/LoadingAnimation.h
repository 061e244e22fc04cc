#pragma once
// The loading window's animation: a spinner on black, which the loading
// window keys out as transparent.

#include <QString>

namespace skingen {

// Draws the frames and writes them as a looping GIF with giflib; false with
// a message on stderr when the file cannot be written.
bool WriteLoadingAnimation(const QString& path);

}  // namespace skingen
