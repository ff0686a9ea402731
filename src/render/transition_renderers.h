#pragma once

#include "render/render_context.h"

namespace pictavo {

// A renderer draws every frame of one photo and hands each to emit_frame: the T
// frames in which the photo replaces the picture in `output`, then the photo alone
// until N. It returns 0 when all frames went out, else the first non-zero result
// of emit_frame (2 stopped by the user, anything else the encoder's error code);
// its temporary pictures are released on every path.
using TransitionRenderer = int (*)(RenderContext& context);

// The slideshow's opening. Video and slideshow preview: photo `photo_index` is on
// screen for N frames, fading in from white over the first T of them, its motion
// running. Transition preview: the photo
// is drawn once, fitted and centred, and shown without a frame being emitted.
int render_first_photo(RenderContext& context);

// The still picture of a transition preview: photo `photo_index` whole, fitted into
// `output` and centred over the background colour (bars beside it), with its caption.
void draw_fitted_photo(RenderContext& context);

int render_alpha(RenderContext& context);  // cross-fade, or through white or black
int render_spin(RenderContext& context);   // the old picture spins away, the new one in
int render_wipe(RenderContext& context);   // the new photo slides in, optionally pushing
int render_zoom(RenderContext& context);   // the old picture zooms in and fades, or the
                                           // new one zooms out of the frame

// Soft edges: a shape grows over the old picture, which fades out behind its edge.
int render_sweep(RenderContext& context);           // a band from one side
int render_diagonal_sweep(RenderContext& context);  // a diagonal band across
int render_circle(RenderContext& context);          // a circle from the centre, or a ring
int render_shutter(RenderContext& context);         // two panels from opposite sides
int render_clock(RenderContext& context);           // pies behind clock fingers

// Strips, doors and pieces: the pictures are cut into parts that move separately.
int render_blinds(RenderContext& context);     // slats turn over one after another
int render_accordion(RenderContext& context);  // the old picture folds away, the new unfolds
int render_door(RenderContext& context);       // two leaves swing open or shut
int render_polygon(RenderContext& context);    // half-discs fly apart or together

// Pictures turning in space, drawn in slices (slice_drawer.h).
int render_cube_fly(RenderContext& context);   // two faces of a turning cube
int render_flip(RenderContext& context);       // a card turning about the centre line
int render_fly(RenderContext& context);        // the new photo flies in, or the old out
int render_rotate_in(RenderContext& context);  // the new photo swings open over the old
int render_twist(RenderContext& context);      // a front pinching the pictures travels across

// The renderer of transition type `type` (TransitionType ids 0 to 17); null for
// any other id and for types without one yet.
TransitionRenderer transition_renderer(int type);

// Renders photo `photo_index` with the renderer of its transition. A type without
// a renderer renders nothing and gives 0, so the caller goes on with the next photo.
int render_transition(RenderContext& context);

}  // namespace pictavo
