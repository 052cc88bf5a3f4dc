// What the window shows and from where: the one record that user input changes.
#ifndef ROBOT_OXEL_RENDER_VIEW_STATE_H
#define ROBOT_OXEL_RENDER_VIEW_STATE_H

#include <stdint.h>

enum ModelKind : int32_t {
    MODEL_CYLINDER = 0,
    MODEL_ARM1 = 1,
    MODEL_ARM2 = 2,
    MODEL_ROBOT = 3,
};

struct ViewState {
    float rotX;      // degrees about scene X; whole numbers in (-360, 360) after every key
    float rotY;      // degrees about scene Y; same range; both reset by a model choice
    ModelKind model; // model on show, set by the Robot menu
    double waist;    // robot joint angles in degrees, changed by keys 1-6, never wrapped
    double shoulder;
    double elbow;
};

// Zero-initialised: the cylinder, unrotated, the robot at rest.
extern ViewState g_viewState;

#endif
