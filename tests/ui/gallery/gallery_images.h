#pragma once

#include <string>

namespace SkinUI {
namespace test {

class ScratchDir;

// Writes the gallery's images (buttons, options, check boxes, slider thumb,
// progress bar, animation) into the skin folder's "Image" subfolder.
void WriteGalleryImages(const ScratchDir& skin);

// The gallery layout: every standard control, as a skin file text.
extern const char kGalleryLayout[];

}  // namespace test
}  // namespace SkinUI
