#include "reply_parser.h"

#include <windows.h>

#include "grammar_arguments.h"
#include "pjl_grammar.h"
#include "pjl_keywords.h"
#include "pjl_parser.h"
#include "reply_interpretation.h"
#include "status_display.h"

namespace statmon {
namespace {

constexpr int kItemCapacity = 500;

void* AllocateGlobal(size_t size, unsigned, void*) {
  return GlobalAlloc(GPTR, size);  // fixed and zero-filled
}

int FreeGlobal(void* block, void*) {
  if (block != nullptr) GlobalFree(block);
  return 0;
}

}  // namespace

bool CreateReplyParser(MonitorContext& context) {
  context.replyParser = nullptr;
  if (PjlInstallKeywords(kPjlBuiltinKeywordCount, kPjlBuiltinKeywords, 0) != 0) return false;
  PjlResetGrammarArguments();
  PjlParserSettings settings{&AllocateGlobal, &FreeGlobal, &context, ReplyRoot,
                             kItemCapacity,   &ApplyReply, &PjlGrammarArgumentHook};
  PjlParser* parser = nullptr;
  if (PjlCreateParser(&settings, &parser) != PJL_OK) return false;
  BindWindowStatusServices(context);
  context.replyParser = parser;
  return true;
}

void DestroyReplyParser(MonitorContext& context) {
  auto* parser = static_cast<PjlParser*>(context.replyParser);
  if (parser != nullptr) PjlDestroyParser(&parser);
  context.replyParser = nullptr;
  UnbindWindowStatusServices(context);
}

}  // namespace statmon
