// Spool-directory learning: the first successful real open of a process
// submits one empty job and keeps its directory; later opens submit none.
#include <gtest/gtest.h>

#include <cstring>

#include "dispatch_state.h"
#include "layer_test_support.h"
#include "spool_directory.h"
#include "spool_names.h"

using namespace tspool_test;

namespace {

class SpoolDirectory : public ::testing::Test {
 protected:
  HANDLE Open() {
    HANDLE handle = nullptr;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    EXPECT_TRUE(OpenPrinterA(printer_.mutableName(), &handle, &defaults));
    return handle;
  }

  ScopedLayer layer_;
  ScopedRealPrinter printer_{"TOLVAN Spool Directory Test"};
};

TEST_F(SpoolDirectory, FirstOpenSubmitsOneJobAndLearnsItsDirectory) {
  ASSERT_TRUE(printer_.ok());
  HANDLE first = Open();
  ASSERT_TRUE(first);
  const tspool::StateSnapshot state = tspool::InspectState();
  EXPECT_EQ(state.learningJobs, 1u);
  std::string probePath;
  ASSERT_NE(ProbeJob(first, &probePath), 0u);
  EXPECT_EQ(state.spoolDirectory, tspool::DriveAndDirectory(probePath));
  EXPECT_EQ(state.spoolDirectory.back(), '\\');
  ClosePrinter(first);
}

TEST_F(SpoolDirectory, LaterOpensSubmitNoJob) {
  ASSERT_TRUE(printer_.ok());
  HANDLE first = Open();
  ASSERT_TRUE(first);
  // The spooler numbers jobs one after another: between two probes of our
  // own, a second open must not have taken a number.
  const DWORD before = ProbeJob(first);
  ASSERT_NE(before, 0u);
  HANDLE second = Open();
  ASSERT_TRUE(second);
  const DWORD after = ProbeJob(first);
  EXPECT_EQ(after, before + 1);
  EXPECT_EQ(tspool::InspectState().learningJobs, 1u);
  ClosePrinter(second);
  ClosePrinter(first);
}

TEST_F(SpoolDirectory, OpenLeavesTheLastErrorOfTheRealOpen) {
  ASSERT_TRUE(printer_.ok());
  HANDLE handle = nullptr;
  SetLastError(kCanary);
  ASSERT_TRUE(Real().OpenPrinterA(printer_.mutableName(), &handle, nullptr));
  const DWORD realError = GetLastError();
  Real().ClosePrinter(handle);
  // The layer's open also learns the directory, with calls of its own; none
  // of their errors shows through.
  SetLastError(kCanary);
  ASSERT_TRUE(OpenPrinterA(printer_.mutableName(), &handle, nullptr));
  EXPECT_EQ(GetLastError(), realError);
  EXPECT_EQ(tspool::InspectState().learningJobs, 1u);
  ClosePrinter(handle);
}

TEST_F(SpoolDirectory, FailedOpenLearnsNothing) {
  HANDLE handle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(kCanary));
  EXPECT_FALSE(OpenPrinterA(const_cast<LPSTR>("TOLVAN no such printer"), &handle, nullptr));
  const tspool::StateSnapshot state = tspool::InspectState();
  EXPECT_EQ(state.learningJobs, 0u);
  EXPECT_TRUE(state.spoolDirectory.empty());
}

TEST_F(SpoolDirectory, SpoolFileNamesAreBuiltInTheLearnedDirectory) {
  char name[MAX_PATH];
  std::memset(name, 0x55, sizeof name);
  EXPECT_FALSE(tspool::SpoolFileNameForJob(42, name, sizeof name)) << "nothing learned yet";
  EXPECT_EQ(static_cast<unsigned char>(name[0]), 0x55);
  ASSERT_TRUE(printer_.ok());
  HANDLE handle = Open();
  ASSERT_TRUE(handle);
  const std::string directory = tspool::InspectState().spoolDirectory;
  ASSERT_TRUE(tspool::SpoolFileNameForJob(42, name, sizeof name));
  EXPECT_EQ(std::string(name), directory + "00042.SPL");
  // One byte short of the name and its terminator: refused, untouched.
  char shortName[MAX_PATH];
  std::memset(shortName, 0x55, sizeof shortName);
  EXPECT_FALSE(tspool::SpoolFileNameForJob(42, shortName, directory.size() + 9));
  EXPECT_EQ(static_cast<unsigned char>(shortName[0]), 0x55);
  EXPECT_TRUE(tspool::SpoolFileNameForJob(42, shortName, directory.size() + 10));
  ClosePrinter(handle);
}

TEST(SpoolNames, DriveAndDirectory) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\WINDOWS\\SPOOL\\PRINTERS\\00001.SPL", "C:\\WINDOWS\\SPOOL\\PRINTERS\\"},
      {"C:\\00001.SPL", "C:\\"},
      {"C:00001.SPL", "C:"},
      {"\\\\server\\spool\\x.spl", "\\\\server\\spool\\"},
      {"00001.SPL", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(tspool::DriveAndDirectory(c.path), c.expected) << c.path;
}

TEST(SpoolNames, JobNumberFiveDigitsAndSplExtension) {
  const struct {
    unsigned job;
    const char* expected;
  } cases[] = {{0, "D:\\S\\00000.SPL"}, {7, "D:\\S\\00007.SPL"},
               {99999, "D:\\S\\99999.SPL"}, {123456, "D:\\S\\123456.SPL"}};
  for (const auto& c : cases) EXPECT_EQ(tspool::SpoolFileName("D:\\S\\", c.job), c.expected);
}

}  // namespace
