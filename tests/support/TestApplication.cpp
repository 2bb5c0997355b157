#include "support/TestApplication.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "quorril-test";
        static char* argv[] = { name, nullptr };
        // Dates in property rows and numbers in the dialogs follow the default locale: pin it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QApplication> m_application;
};

const testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
