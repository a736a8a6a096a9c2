// Text drawing and fonts need one application object for the whole run of a test program.

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtAppEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = new QApplication(argc_, argv_);
        }
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

  private:
    int argc_ = 1;
    char name_[16] = "paint_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace
