// The fixed look of every frame and the projection that follows the window's size.
#ifndef ROBOT_OXEL_RENDER_PROJECTION_H
#define ROBOT_OXEL_RENDER_PROJECTION_H

// Grey outlines on white, depth-tested. Called once, right after the context is made current.
void InitRenderState();

// Viewport and orthographic projection for a client area of width x height
// pixels, keeping a 200 x 200 square visible and widening the longer side.
void ResizeView(int width, int height);

#endif
