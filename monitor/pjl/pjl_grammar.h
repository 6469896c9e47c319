// The reply grammar of the status monitor: the root node list of every PJL
// reply it understands ("@PJL" followed by ECHO, INFO, USTATUS, INQUIRE or
// DINQUIRE and their fields).
#pragma once

#include "pjl_parser.h"

extern const PjlGrammarNode ReplyRoot[];
