#include "installed_tree.h"

namespace gorvo::install::test {

std::unique_ptr<TempFolder> InstalledTreeTest::folder_;
std::unique_ptr<InstalledTree> InstalledTreeTest::tree_;

void InstalledTreeTest::SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    tree_ = std::make_unique<InstalledTree>(install_build(folder_->path() / "root"));
}

void InstalledTreeTest::TearDownTestSuite() {
    tree_.reset();
    folder_.reset();
}

void InstalledTreeTest::SetUp() {
    ASSERT_TRUE(tree_->error.empty()) << tree_->error;
}

}  // namespace gorvo::install::test
