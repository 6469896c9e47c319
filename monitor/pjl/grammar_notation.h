// Notation for the reply grammar tables, so that each node list is written as
// groups of keywords sharing action, argument, next state and next list:
//   PJL_NODES(action, argument, nextState, nextList, KEYWORD, KEYWORD, ...)
// expands to one node per keyword, in order (keywords by their PJLKW_ name).
// A list is PJL_LIST(Name, groups...); it gets the terminating node.
#pragma once

#include "pjl_keywords.h"
#include "pjl_parser.h"

#define NO_LIST nullptr
#define PJL_NODE_(a, g, s, l, kw) {PJLKW_##kw, (a), (g), (s), (l)}
#define PJL_NODES_1(a, g, s, l, kw) PJL_NODE_(a, g, s, l, kw)
#define PJL_NODES_2(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_1(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_3(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_2(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_4(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_3(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_5(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_4(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_6(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_5(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_7(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_6(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_8(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_7(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_9(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_8(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_10(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_9(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_11(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_10(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_12(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_11(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_13(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_12(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_14(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_13(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_15(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_14(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_16(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_15(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_17(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_16(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_18(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_17(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_19(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_18(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_20(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_19(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_21(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_20(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_22(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_21(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_23(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_22(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_24(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_23(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_25(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_24(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_26(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_25(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_27(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_26(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_28(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_27(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_29(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_28(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_30(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_29(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_31(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_30(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_32(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_31(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_33(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_32(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_34(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_33(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_35(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_34(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_36(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_35(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_37(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_36(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_38(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_37(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_39(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_38(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_40(a, g, s, l, kw, ...) PJL_NODE_(a, g, s, l, kw), PJL_NODES_39(a, g, s, l, __VA_ARGS__)
#define PJL_NODES_PICK_(_1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14, _15, _16, _17, _18, _19, _20, _21, _22, _23, _24, _25, _26, _27, _28, _29, _30, _31, _32, _33, _34, _35, _36, _37, _38, _39, _40, name, ...) name
#define PJL_NODES(a, g, s, l, ...) \
    PJL_NODES_PICK_(__VA_ARGS__, PJL_NODES_40, PJL_NODES_39, PJL_NODES_38, PJL_NODES_37, PJL_NODES_36, PJL_NODES_35, PJL_NODES_34, PJL_NODES_33, PJL_NODES_32, PJL_NODES_31, PJL_NODES_30, PJL_NODES_29, PJL_NODES_28, PJL_NODES_27, PJL_NODES_26, PJL_NODES_25, PJL_NODES_24, PJL_NODES_23, PJL_NODES_22, PJL_NODES_21, PJL_NODES_20, PJL_NODES_19, PJL_NODES_18, PJL_NODES_17, PJL_NODES_16, PJL_NODES_15, PJL_NODES_14, PJL_NODES_13, PJL_NODES_12, PJL_NODES_11, PJL_NODES_10, PJL_NODES_9, PJL_NODES_8, PJL_NODES_7, PJL_NODES_6, PJL_NODES_5, PJL_NODES_4, PJL_NODES_3, PJL_NODES_2, PJL_NODES_1)(a, g, s, l, __VA_ARGS__)
#define PJL_LIST(name, ...) const PjlGrammarNode name[] = {__VA_ARGS__, {PJL_NO_KEYWORD, 0, 0, 0, nullptr}}
#define ALL_NODES_OF(name) name##_NODES
