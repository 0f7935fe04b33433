#pragma once
// The heroine drawn as an illustration rather than a sprite: her head for the status portrait
// and her whole figure for the score screen.

#include <cairo.h>

namespace art {

// Her head in three-quarter view, facing right, in head units: the centre of the skull at the
// origin, the crown at about y -70 and the chin at about y 58. `ink` is the outline width in
// those units, so the line stays about 2 px at any scale. With `shoulders` the neck, collar and
// the top of the cape are drawn below it.
void MomoHead(cairo_t* cr, double ink, bool shoulders);

// Her whole figure, sword on the shoulder, cape and ponytail in the wind, drawn into a
// 560 x 768 picture with her feet near the bottom.
void MomoIllustration(cairo_t* cr);

}  // namespace art
