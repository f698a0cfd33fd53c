#pragma once

class QWidget;

namespace vornith {

// A window that takes the mouse wheel through WheelHook.
class ReceptorRueda {
  public:
    virtual ~ReceptorRueda() = default;
    // MouseKeys: 1 left, 2 right, 4 Shift, 8 Ctrl, 16 middle button; Rotation: a multiple of
    // 120, positive when the wheel turns away from the user; Xpos, Ypos: the pointer on the
    // screen.
    virtual void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) = 0;
};

// Sends the vertical wheel events of `ventana` and of its child widgets to its MouseWheel and
// consumes them. At most one window is hooked: while one is, another hook does nothing. A
// window that is no ReceptorRueda is not hooked. A hooked window that is destroyed is
// forgotten.
void WheelHook(QWidget& ventana);
// Forgets the hooked window, if any.
void WheelUnHook();

} // namespace vornith
