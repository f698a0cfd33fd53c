#include "mainwindow/orden_impresion.h"

#include <gtest/gtest.h>

namespace vornith::mainwindow {
namespace {

TEST(OrdenImpresion, CopiesCollatedOrNotAndPagesPastTheFlags) {
    std::vector<bool> elegidas(200, false);
    elegidas[1] = elegidas[2] = true;
    EXPECT_EQ(OrdenImpresion(elegidas, 2, 3, false), (std::vector<int>{1, 1, 1, 2, 2, 2}));
    EXPECT_EQ(OrdenImpresion(elegidas, 2, 3, true), (std::vector<int>{1, 2, 1, 2, 1, 2}));
    // Only chosen pages within the collection; flags past the collection or missing count as
    // not chosen.
    elegidas[3] = true;
    EXPECT_EQ(OrdenImpresion(elegidas, 2, 1, true), (std::vector<int>{1, 2}));
    std::vector<bool> largas(202, false);
    largas[200] = true;
    EXPECT_EQ(OrdenImpresion(largas, 201, 2, false), (std::vector<int>{200, 200}));
    EXPECT_TRUE(OrdenImpresion(largas, 250, 0, true).empty());
    EXPECT_EQ(OrdenImpresion(largas, 250, 1, true), (std::vector<int>{200}));
}

} // namespace
} // namespace vornith::mainwindow
