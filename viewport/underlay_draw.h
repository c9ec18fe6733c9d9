#pragma once
// The underlay of a pane: the document's sketch image that matches the
// pane's camera, drawn as a flat textured square behind everything else.
// Needs only a current GL context.
#include "platform/base/win_types.h"

class CCamera;
class CUnderlayImage;

// Which of the four underlays a camera shows: 0 in a top view, 1 in a front
// view, 2 in a side view, 3 in any other view.
int UnderlayForCamera(const CCamera& camera);

// Draws image, which stands for underlay `which`, over the cleared colour
// buffer without touching depth, placed by the camera's eye in the axis
// views and centred in front of the camera in the others. The longer side
// of the picture spans 20 world units before the image's own scale. Nothing
// when the image has no texture.
void DrawUnderlay(const CUnderlayImage& image, int which, const CCamera& camera, CSize viewport,
                  double nearPlane, double farPlane);
