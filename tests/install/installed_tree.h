// A test fixture holding the build installed once per test program into a temporary root.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "install_support.h"

namespace gorvo::install::test {

class InstalledTreeTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static const InstalledTree& tree() { return *tree_; }

  private:
    static std::unique_ptr<TempFolder> folder_;
    static std::unique_ptr<InstalledTree> tree_;
};

}  // namespace gorvo::install::test
