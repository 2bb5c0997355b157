// Every test program keeps what it writes under the data home (the backups of saved wallets) in a
// folder of its own, removed when it ends: never in the user's.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PrivateDataHome : public testing::Environment {
public:
    void SetUp() override
    {
        m_dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(m_dir->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path()));
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

const testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new PrivateDataHome);

} // namespace
