// The start over a draw database in a read-only folder whose last saved draws cannot be read: the window
// opens with the draws it can read and says the rest are missing.
#include "data/DataModule.h"
#include "platform/db/EmbeddedDatabase.h"
#include "tests/app/AppFixture.h"
#include "tests/support/FileRights.h"

#include <filesystem>

namespace zorvy::test {
namespace {

class StartUpFault : public AppTest {
  protected:
    StartUpFault() : AppTest(DrawDatabase::RealDraws) {}
};

TEST_F(StartUpFault, DrawsThatAReadOnlyFolderHidesAreSaidToBeMissing) {
    const std::string file = EmbeddedDatabaseFile();
    ASSERT_EQ(LeaveDrawsInTheLog(file, 2), "");
    std::filesystem::remove(file + "-shm");
    std::filesystem::permissions(EmbeddedDataFolder(), std::filesystem::perms(0555));
    {
        OrdinaryFileRights rights;
        Start();
        ASSERT_NE(Data, nullptr);
        EXPECT_EQ(Frmain->LastIssue, 2026096);
        ASSERT_EQ(Frmain->StartupProblems().size(), 1u);
        EXPECT_EQ(Frmain->StartupProblems()[0],
                  "开奖数据库里最后保存的开奖记录无法读取：The changes saved last are still in " + file +
                      "-wal, which cannot be read while the folder is read-only: the "
                      "draws shown lack them");
    }
    std::filesystem::permissions(EmbeddedDataFolder(), std::filesystem::perms(0755));
}

} // namespace
} // namespace zorvy::test
