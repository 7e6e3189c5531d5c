// The Qt application object for every test of the Qt host. Without a display the tests run on Qt's
// offscreen platform; QT_QPA_PLATFORM set by the caller (xcb under a virtual X server) wins.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = new QApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete application_;
        application_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[8] = "test_qt";
    char* argv_[2] = {name_, nullptr};
    QApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
