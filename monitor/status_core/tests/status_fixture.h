// A context, an in-memory configuration and a view that records what the
// reply interpretation and the display decision did to the window fields.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "expected_names.h"
#include "grammar_arguments.h"
#include "memory_profile.h"
#include "monitor_context.h"
#include "monitor_strings.h"
#include "pjl_grammar.h"
#include "pjl_keywords.h"
#include "pjl_parser.h"
#include "reply_feed.h"
#include "reply_interpretation.h"
#include "status_view.h"

namespace statmon::testing {

class TableNames : public NameTable {
 public:
  std::string Name(int id) const override {
    for (const ExpectedName& name : kExpectedNames) {
      if (name.id == id) return name.name;
    }
    return {};
  }
};

class FixedTexts : public TextSource {
 public:
  std::string Text(int id) const override {
    switch (id) {
      case IDS_JOB_COMPLETE: return "complete";
      case IDS_JOB_CANCELLED: return "cancelled";
      case IDS_ENTRY_MISSING: return "file %s section [%s] entry %s ext=%d";
      case IDS_INI_DATA_MISSING: return "missing";
      case IDS_UNDEFINED_INTERNAL_CODE: return "internal %s";
      case IDS_UNDEFINED_INTERNAL_RECOVERY: return "internal recovery";
      case IDS_UNDEFINED_PJL_CODE: return "pjl %s";
      case IDS_UNDEFINED_PJL_RECOVERY: return "pjl recovery";
      default: return {};
    }
  }
};

class RecordingView : public StatusView {
 public:
  bool HasJobFields() const override { return hasJobFields; }
  void SetJobName(const std::string& text) override { jobName = text; }
  void SetPageNumber(const std::string& text) override { page = text; }
  void SetJobState(const std::string& text) override { jobState = text; }
  void ClearWarnings() override { warnings.clear(); ++clears; }
  void AddWarning(const std::string& text) override { warnings.push_back(text); }
  void SetWarningExtent(int pixels) override { extent = pixels; }
  void ShowDataError(const std::string& caption, const std::string& text) override {
    errors.push_back(caption + "|" + text);
  }
  void CheckSupplies(MonitorContext&) override { ++suppliesChecks; }

  bool hasJobFields = true;
  std::string jobName = "-", page = "-", jobState = "-";
  std::vector<std::string> warnings, errors;
  int clears = 0, extent = -1, suppliesChecks = 0;
};

class StatusFixture {
 public:
  StatusFixture() : context(new MonitorContext{}) {
    services.profile = &profile;
    services.names = &names;
    services.texts = &texts;
    services.view = &view;
    std::snprintf(context->iniPath, sizeof context->iniPath, "%s", "C:\\qx\\qxstatus.ini");
    context->resetJobCodes[0] = 600100;
    BindStatusServices(context.get(), &services);
    PjlInstallKeywords(kPjlBuiltinKeywordCount, kPjlBuiltinKeywords, 0);
    PjlResetGrammarArguments();
    PjlParserSettings settings{&Allocate, &Release, context.get(), ReplyRoot, 500,
                               &ApplyReply, &PjlGrammarArgumentHook};
    PjlCreateParser(&settings, &parser);
    context->replyParser = parser;
  }
  ~StatusFixture() {
    UnbindStatusServices(context.get());
    if (parser) PjlDestroyParser(&parser);
  }
  void Feed(const std::string& text) {
    std::size_t stopped = 0;
    PjlFeedReply(parser, text.data(), text.size(), &stopped);
  }
  static void* Allocate(std::size_t size, unsigned, void*) { return std::calloc(1, size); }
  static int Release(void* block, void*) {
    std::free(block);
    return 0;
  }

  std::unique_ptr<MonitorContext> context;
  MemoryProfile profile;
  TableNames names;
  FixedTexts texts;
  RecordingView view;
  StatusServices services;
  PjlParser* parser = nullptr;
};

}  // namespace statmon::testing
