#include "shell/menu_tree.h"

#include <gtest/gtest.h>

TEST(MenuTree, Loads)
{
    EXPECT_EQ(corvalen::loadMenuTree().size(), 11);
}
