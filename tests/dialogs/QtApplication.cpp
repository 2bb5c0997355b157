#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {
// One QApplication for every widget test of the executable.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "dialogs_tests";
        static char* argv[] = { name, nullptr };
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
} // namespace
