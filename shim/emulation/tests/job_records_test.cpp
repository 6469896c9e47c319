// Job records as they cross between the emulated spooler and the companion:
// a block that means the same in every process, and that a receiver never
// trusts beyond its size.
#include "job_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using emulation::FieldRecord;

JOB_INFO_2A SampleJob(DEVMODEA* mode) {
  JOB_INFO_2A job = {};
  job.JobId = 42;
  job.pPrinterName = const_cast<LPSTR>("TOLVAN CLP-2600");
  job.pUserName = const_cast<LPSTR>("user");
  job.pDocument = const_cast<LPSTR>("Status page");
  job.pDatatype = const_cast<LPSTR>("RAW");
  job.pDevMode = mode;
  job.Status = JOB_STATUS_PAUSED;
  job.Priority = 7;
  job.Submitted.wYear = 2026;
  job.Submitted.wMinute = 59;
  return job;
}

DEVMODEA SampleMode() {
  DEVMODEA mode = {};
  std::strcpy(reinterpret_cast<char*>(mode.dmDeviceName), "TOLVAN CLP-2600");
  mode.dmSize = sizeof mode;
  mode.dmCopies = 3;
  return mode;
}

TEST(JobRecords, BlockCarriesOffsetsAndComesBackWhole) {
  DEVMODEA mode = SampleMode();
  const std::vector<BYTE> block = emulation::EncodeJobRecord(emulation::JobRecordFrom(SampleJob(&mode)));
  // No pointer of this process survives in the block.
  ULONG_PTR offset;
  std::memcpy(&offset, block.data() + offsetof(JOB_INFO_2A, pDocument), sizeof offset);
  ASSERT_GE(offset, sizeof(JOB_INFO_2A));
  ASSERT_LT(offset, block.size());
  EXPECT_STREQ(reinterpret_cast<const char*>(block.data() + offset), "Status page");
  std::memcpy(&offset, block.data() + offsetof(JOB_INFO_2A, pMachineName), sizeof offset);
  EXPECT_EQ(offset, 0u) << "a missing string stays missing";

  FieldRecord decoded;
  ASSERT_TRUE(emulation::DecodeJobRecord(block.data(), block.size(), &decoded));
  DWORD needed = 0;
  std::vector<BYTE> out(1);
  emulation::PackRecords(*emulation::JobFields(2), {decoded}, nullptr, 0, &needed);
  out.resize(needed);
  ASSERT_TRUE(emulation::PackRecords(*emulation::JobFields(2), {decoded}, out.data(), needed, &needed));
  const JOB_INFO_2A* job = reinterpret_cast<JOB_INFO_2A*>(out.data());
  EXPECT_EQ(job->JobId, 42u);
  EXPECT_STREQ(job->pDocument, "Status page");
  EXPECT_EQ(job->pMachineName, nullptr);
  EXPECT_EQ(job->Status, static_cast<DWORD>(JOB_STATUS_PAUSED));
  EXPECT_EQ(job->Submitted.wMinute, 59);
  ASSERT_NE(job->pDevMode, nullptr);
  EXPECT_EQ(job->pDevMode->dmCopies, 3);

  FieldRecord level1 = emulation::JobLevel1(decoded);
  emulation::PackRecords(*emulation::JobFields(1), {level1}, nullptr, 0, &needed);
  out.assign(needed, 0);
  ASSERT_TRUE(emulation::PackRecords(*emulation::JobFields(1), {level1}, out.data(), needed, &needed));
  const JOB_INFO_1A* one = reinterpret_cast<JOB_INFO_1A*>(out.data());
  EXPECT_EQ(one->JobId, 42u);
  EXPECT_STREQ(one->pDocument, "Status page");
  EXPECT_STREQ(one->pDatatype, "RAW");
  EXPECT_EQ(one->Priority, 7u);
  EXPECT_EQ(one->Submitted.wYear, 2026);
}

TEST(JobRecords, RejectsBlocksThatPointOutsideThemselves) {
  DEVMODEA mode = SampleMode();
  const std::vector<BYTE> good = emulation::EncodeJobRecord(emulation::JobRecordFrom(SampleJob(&mode)));
  ULONG_PTR documentAt;
  std::memcpy(&documentAt, good.data() + offsetof(JOB_INFO_2A, pDocument), sizeof documentAt);
  ULONG_PTR modeAt;
  std::memcpy(&modeAt, good.data() + offsetof(JOB_INFO_2A, pDevMode), sizeof modeAt);

  struct Case {
    const char* what;
    size_t field;       // pointer field to overwrite, or SIZE_MAX
    ULONG_PTR offset;
    size_t size;        // block size handed over
  } cases[] = {
      {"shorter than the fixed part", SIZE_MAX, 0, sizeof(JOB_INFO_2A) - 1},
      {"offset past the end", offsetof(JOB_INFO_2A, pDocument), good.size() + 100, good.size()},
      {"offset into the fixed part", offsetof(JOB_INFO_2A, pDocument), 8, good.size()},
      {"string cut off by the size", SIZE_MAX, 0, documentAt + 3},
      {"device mode longer than the block", SIZE_MAX, 0, modeAt + sizeof(DEVMODEA) - 1},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> block = good;
    if (c.field != SIZE_MAX) std::memcpy(block.data() + c.field, &c.offset, sizeof c.offset);
    FieldRecord record;
    EXPECT_FALSE(emulation::DecodeJobRecord(block.data(), c.size, &record)) << c.what;
  }
  FieldRecord record;
  EXPECT_FALSE(emulation::DecodeJobRecord(nullptr, 0, &record));
}

}  // namespace
