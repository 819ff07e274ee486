// Which of the drawings of a picture a window shows: every picture is drawn at a few scalings, and a window at any DPI
// shows the nearest one as drawn, so that no picture is ever stretched and blurred. Platform-free.
#pragma once

namespace qm {

// The scalings every picture is drawn at, in percent of its size at 96 DPI (tools/make_pictures.py draws them, and
// resource.h numbers them: the k-th of these is IDB_AT_SCALE(id, k)).
inline constexpr int kPictureScales[] = {100, 125, 150, 200, 250};

// The index into kPictureScales of the scaling nearest to dpi / 96; halfway between two, the larger one, because a
// picture a little too large for its place still reads better than one a little too small.
int PictureScaleIndex(int dpi);

// The resource id of picture `id` (its id at 100 %) drawn for `dpi`.
int PictureIdForDpi(int id, int dpi);

}  // namespace qm
