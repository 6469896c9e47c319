// Real PJL replies fed through the monitor's parser into the command hook.
#include "reply_interpretation.h"

#include <gtest/gtest.h>

#include "status_fixture.h"

namespace statmon {
namespace {

using testing::StatusFixture;

std::string Ustatus(const std::string& kind, const std::string& body) {
  return "@PJL USTATUS " + kind + "\r\n" + body + "\f";
}

TEST(ApplyReplyJobRule, ReadyDuringAJobFollowsJobFlag) {
  struct Case {
    int jobFlag;
    bool inJob;
    int expected;
  } cases[] = {{1, true, 610100}, {0, true, 600100}, {1, false, 600100}};
  for (const Case& c : cases) {
    StatusFixture f;
    f.context->jobFlag = c.jobFlag;
    if (c.inJob) f.Feed(Ustatus("JOB", "START\r\nNAME=\"a\"\r\n"));
    f.Feed(Ustatus("DEVICE", "CODE=600100\r\nDISPLAY=\"READY\"\r\nONLINE=TRUE\r\n"));
    EXPECT_EQ(f.context->statusCode, c.expected) << c.jobFlag << c.inJob;
  }
}

TEST(ApplyReplyJobRule, DeferredCodesWithAWarningTextAreNotStatus) {
  StatusFixture f;
  f.profile.Set("WarningMessages", "10001", "toner low");
  f.context->statusCode = 600100;
  f.Feed(Ustatus("DTIMED", "CODE=10001\r\n"));
  EXPECT_EQ(f.context->statusCode, 600100);
  f.Feed(Ustatus("DDEVICE", "CODE=200100\r\n"));
  EXPECT_EQ(f.context->statusCode, 200100);
  f.Feed(Ustatus("TIMED", "CODE=10001\r\n"));  // non-deferred: always the status
  EXPECT_EQ(f.context->statusCode, 10001);
}

TEST(ApplyReplyJob, StartNamePagesAndEndResults) {
  StatusFixture f;
  f.context->statusCode = 600100;
  f.Feed(Ustatus("JOB", "START\r\nNAME=\"0123456789012345678901234567890123456789\"\r\n"));
  EXPECT_EQ(f.context->statusCode, 610100);
  EXPECT_EQ(f.context->jobActive, 1);
  EXPECT_EQ(f.view.jobName, "01234567890123456789012345678...");
  EXPECT_EQ(f.view.page, "1");
  EXPECT_EQ(f.view.jobState, "");
  f.Feed(Ustatus("PAGE", "7\r\n"));
  EXPECT_EQ(f.view.page, "7");
  f.Feed(Ustatus("JOB", "END\r\nNAME=\"x\"\r\nPAGES=9\r\nRESULT=USER_CANCELED\r\n"));
  EXPECT_EQ(f.context->jobActive, 0);
  EXPECT_EQ(f.context->statusCode, 600100);
  EXPECT_EQ(f.view.jobState, "cancelled");
  EXPECT_EQ(f.view.page, "9");
  f.Feed(Ustatus("JOB", "END\r\nRESULT=OK\r\n"));
  EXPECT_EQ(f.view.jobState, "complete");
}

TEST(ApplyReplyJob, NamesUpToThirtyOneCharactersStayWhole) {
  EXPECT_EQ(ShownJobName(std::string(31, 'a')), std::string(31, 'a'));
  EXPECT_EQ(ShownJobName(std::string(32, 'a')), std::string(29, 'a') + "...");
}

TEST(ApplyReplyJob, ResetClearsFieldsOnlyForListedCodesAndWithTheFields) {
  StatusFixture f;
  f.context->resetJobCodes[0] = 600100;
  f.Feed(Ustatus("DEVICE", "CODE=200100\r\n"));
  EXPECT_EQ(f.view.jobName, "-");
  f.Feed(Ustatus("DEVICE", "CODE=600100\r\n"));
  EXPECT_EQ(f.view.jobName, "");
  EXPECT_EQ(f.view.jobState, "");
  StatusFixture g;
  g.view.hasJobFields = false;
  g.Feed(Ustatus("DEVICE", "CODE=600100\r\n"));
  EXPECT_EQ(g.view.jobName, "-");
}

TEST(ApplyReplyConfig, HardwareFlagsFromTrayBlocksAndOptions) {
  StatusFixture f;
  f.Feed("@PJL INFO CONFIG\r\nIN TRAYS [3 ENUMERATED]\r\n\tINTRAY1 MP\r\n\tINTRAY4 LCC\r\n\tMANUAL\r\n"
         "OUT TRAYS [1 ENUMERATED]\r\n\tNORMAL FACEDOWN\r\n"
         "TRAY2=NOTINSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
         "INTRAY2=INSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
         "INTRAY3=INSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
         "DUPLEX=INSTALLED [2 ENUMERATED]\r\n\tINSTALLED\r\n\tNOTINSTALLED\r\n"
         "NETCARD=ETHERNETCARD [2 ENUMERATED]\r\n\tNOTINSTALLED\r\n\tETHERNETCARD\r\n"
         "OUTOPTION=10BIN-MAILBIN [2 ENUMERATED]\r\n\tNOTINSTALLED\r\n\t10BIN-MAILBIN\r\n"
         "FIRMWARE=\"V2\"\r\nUSBVID=1234\r\nUSBPID=26\r\n\f");
  // TRAY2 is present and not installed: INTRAY2 is not asked.
  EXPECT_EQ(f.context->hardwareFlags, 0x1u | 0x4u | 0x2000u | 0x40u | 0x800u | 0x100u | 0x4000u);
  EXPECT_STREQ(f.context->deviceInfo.usbVendorId, "1234");
  EXPECT_STREQ(f.context->deviceInfo.usbProductId, "0026");
}

TEST(ApplyReplyInfo, WarningListShowsKnownCodesWithExtent) {
  StatusFixture f;
  f.profile.Set("WarningMessages", "5", "short");
  f.profile.Set("WarningMessages", "7", "a longer text");
  f.Feed("@PJL INFO WARNINGLIST\r\nWARNINGLIST [3 ENUMERATED]\r\nW1TONERKNEAREMPTY=5\r\n"
         "W1TRAY2EMPTY=6\r\nW1TRAY1EMPTY=7\r\n\f");
  EXPECT_EQ(f.view.warnings, (std::vector<std::string>{"short", "a longer text"}));
  EXPECT_EQ(f.view.extent, 130);
  f.Feed("@PJL INFO WARNINGLIST\r\nWARNINGLIST [0 ENUMERATED]\r\n\f");
  EXPECT_TRUE(f.view.warnings.empty());
  EXPECT_EQ(f.view.extent, 0);
}

TEST(ApplyReplyInfo, StatusKeepsSuppliesOnlyWithTheCapability) {
  const std::string reply =
      "@PJL INFO DSTATUS\r\nCODE=600100\r\nCONSUMETONERK=80\r\nCONSUMEFUSER=95\r\n"
      "CONSUMETONERTYPEY=1500\r\n\f";
  StatusFixture without;
  without.Feed(reply);
  EXPECT_EQ(without.context->statusCode, 600100);
  EXPECT_EQ(without.context->supplies[0], 0);
  EXPECT_EQ(without.view.suppliesChecks, 0);
  StatusFixture with;
  with.context->capabilities = 16;
  with.Feed(reply);
  EXPECT_EQ(with.context->supplies[0], 80);
  EXPECT_EQ(with.context->supplies[6], 95);
  EXPECT_EQ(with.context->supplies[10], 1500);
  EXPECT_EQ(with.view.suppliesChecks, 1);
  with.Feed("@PJL INFO STATUS\r\nCODE=111111\r\n\f");
  EXPECT_EQ(with.view.suppliesChecks, 1);  // no check without a connection
}

TEST(ApplyReplyInquire, AnswersKeptForTheDialogs) {
  struct Case {
    const char* reply;
    int MonitorContext::*field;
    int expected;
  } cases[] = {
      {"TONERPOSITION=C", &MonitorContext::tonerPosition, 1},
      {"TONERPOSITION=K", &MonitorContext::tonerPosition, 4},
      {"TONERPOSITION=MOVING", &MonitorContext::tonerPosition, 0},
      {"AUTOCONTINUE=ON", &MonitorContext::autoContinue, 1},
      {"AUTOCONTINUE=OFF", &MonitorContext::autoContinue, 0},
      {"POWERSAVETIME=30", &MonitorContext::powerSaveTime, 30},
      {"TRANSFERBIAS=3", &MonitorContext::transferBias, 3},
  };
  for (const Case& c : cases) {
    StatusFixture f;
    f.context->autoContinue = 7;
    f.Feed(std::string("@PJL INQUIRE ") + c.reply + "\r\n\f");
    EXPECT_EQ((*f.context).*c.field, c.expected) << c.reply;
  }
}

TEST(ApplyReplyResult, ConsumedCommandsAnswerZero) {
  StatusFixture f;
  PjlItem items[2] = {};
  items[0].type = PJL_ITEM_COMMAND;
  items[0].key = PJLKW_USTATUS;
  items[0].value.id = PJLKW_USTATUS;
  EXPECT_EQ(ApplyReplyRecord(*f.context, f.services, PJL_TOKEN_REPLY_COMPLETE, 1, items), 0);
  EXPECT_EQ(ApplyReplyRecord(*f.context, f.services, PJL_TOKEN_RESET, 1, items), 1);
  items[0].value.id = PJLKW_SET;
  items[0].key = PJLKW_SET;
  EXPECT_EQ(ApplyReplyRecord(*f.context, f.services, PJL_TOKEN_REPLY_COMPLETE, 1, items), 1);
}

}  // namespace
}  // namespace statmon
