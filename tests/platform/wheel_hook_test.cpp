#include "platform/qt/wheel_hook.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vornith {
namespace {

class Receptor final : public QWidget, public ReceptorRueda {
  public:
    Receptor() { hijo = new QWidget(this); }
    void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) override {
        llamadas.push_back({MouseKeys, Rotation, Xpos, Ypos});
    }
    QWidget* hijo;
    std::vector<std::array<int, 4>> llamadas;
};

// Sends a wheel event to `w`; returns whether it was consumed.
bool rueda(QWidget* w, QPoint delta, Qt::MouseButtons botones = Qt::NoButton,
           Qt::KeyboardModifiers teclas = Qt::NoModifier, QPointF global = {-300, 40}) {
    QWheelEvent e({5, 5}, global, QPoint(), delta, botones, teclas, Qt::NoScrollPhase, false);
    e.ignore();
    return QApplication::sendEvent(w, &e) && e.isAccepted();
}

struct Gancho : ::testing::Test {
    ~Gancho() override { WheelUnHook(); }
};

TEST_F(Gancho, CtrlOneNotchTowardTheUserOnAChildWidget) {
    Receptor r;
    WheelHook(r);
    EXPECT_TRUE(rueda(r.hijo, {0, -120}, Qt::NoButton, Qt::ControlModifier));
    ASSERT_EQ(r.llamadas.size(), 1u);
    EXPECT_EQ(r.llamadas[0], (std::array<int, 4>{8, -120, -300, 40}));
    rueda(r.hijo, {0, 240}, Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, Qt::ShiftModifier);
    EXPECT_EQ(r.llamadas.back(), (std::array<int, 4>{1 | 2 | 4 | 16, 240, -300, 40}));
}

TEST_F(Gancho, TouchpadFractionsGatherIntoNotchesAndHorizontalIsLeftAlone) {
    Receptor r;
    WheelHook(r);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(rueda(&r, {0, 40}));
    ASSERT_EQ(r.llamadas.size(), 1u);
    EXPECT_EQ(r.llamadas[0][1], 120);
    EXPECT_FALSE(rueda(&r, {120, 0}));
    EXPECT_EQ(r.llamadas.size(), 1u);
}

TEST_F(Gancho, ASecondHookIsIgnoredUntilUnhooked) {
    Receptor primera;
    Receptor segunda;
    WheelHook(primera);
    WheelHook(segunda);
    rueda(&segunda, {0, 120});
    EXPECT_TRUE(segunda.llamadas.empty());
    rueda(&primera, {0, 120});
    EXPECT_EQ(primera.llamadas.size(), 1u);

    WheelUnHook();
    EXPECT_FALSE(rueda(&primera, {0, 120}));
    WheelUnHook(); // nothing hooked: harmless
    WheelHook(segunda);
    rueda(&segunda, {0, 120});
    EXPECT_EQ(segunda.llamadas.size(), 1u);
    EXPECT_EQ(primera.llamadas.size(), 1u);
}

TEST_F(Gancho, ADestroyedWindowIsForgotten) {
    auto* borrada = new Receptor;
    WheelHook(*borrada);
    delete borrada;
    Receptor otra;
    WheelHook(otra);
    rueda(&otra, {0, -120});
    EXPECT_EQ(otra.llamadas.size(), 1u);
}

TEST_F(Gancho, AWindowWithoutMouseWheelIsNotHooked) {
    QWidget sin;
    WheelHook(sin);
    Receptor r;
    WheelHook(r);
    rueda(&r, {0, 120});
    EXPECT_EQ(r.llamadas.size(), 1u);
}

} // namespace
} // namespace vornith
