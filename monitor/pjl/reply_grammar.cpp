// The reply grammar: the node lists that say which PJL replies the monitor
// understands and which items each yields. One list per definition; a group
// is PJL_NODES(action, argument, next state, next list, keywords...) with
//   action: 1 Command, 2 Key, 3 Value, 0 none (6 on the root node reaches the token hook only)
//   argument: 1 Mark, 2 Return, 3 ListKey, 4 UseListKey, 5 ShareKey, 0 and 6 none
//   next state: 2 BeforeWord, 6 BeforeNumber, 8 BeforeString, 10 RestOfLine
// ALL_NODES_OF(X) continues a list with every node of list X, in X's order.
#include "pjl_grammar.h"

#include "grammar_notation.h"

namespace {
extern const PjlGrammarNode
    ReplyCommand[],
    InfoCategory[],
    UstatusCategory[],
    InquireVariable[],
    ConsumableField[],
    MemoryField[],
    CounterField[],
    WarningListHead[],
    ConfigItem[],
    StatusField[],
    VariableItem[],
    UstatusItem[],
    JobField[],
    TraySizeValue[],
    PowerSaveValue[],
    TonerPositionValue[],
    AutoContinueValue[],
    WarningListEnum[],
    InTraysCount[],
    OutTraysCount[],
    TraysEnum[],
    PapersEnum[],
    LanguagesEnum[],
    UstatusEnum[],
    OptionState[],
    OutOptionState[],
    InterfacesEnum[],
    MailbinTypeEnum[],
    MailboxNameEnum[],
    OnlineValue[],
    VariableRange[],
    TraySizeCurrent[],
    PowerSaveCurrent[],
    UstatusCurrent[],
    UstatusRange[],
    JobResult[],
    WarningField[],
    InTrayEntry[],
    OutTrayEntry[],
    TraysEntry[],
    PaperEntry[],
    LanguageEntry[],
    UstatusEntry[],
    OptionStateEnum[],
    OutOptionStateEnum[],
    InterfaceEntry[],
    MailbinTypeEntry[],
    MailboxNameEntry[],
    TraySizeEnum[],
    PowerSaveEnum[],
    UstatusCurrentEnum[],
    InTrayKind[],
    OutTrayKind[],
    OptionStateEntry[],
    OutOptionStateEntry[],
    MailbinKind[],
    TraySizeEntry[],
    PowerSaveEntry[],
    UstatusCurrentEntry[];
}  // namespace

PJL_LIST(ReplyRoot,
    PJL_NODES(6, 0, 2, ReplyCommand, PJL));

namespace {
PJL_LIST(ReplyCommand,
    PJL_NODES(1, 0, 10, NO_LIST, ECHO),
    PJL_NODES(1, 0, 2, InfoCategory, INFO),
    PJL_NODES(1, 0, 2, UstatusCategory, USTATUS),
    PJL_NODES(1, 0, 2, InquireVariable, DINQUIRE, INQUIRE));

PJL_LIST(InfoCategory,
    PJL_NODES(3, 0, 10, NO_LIST, ID),
    PJL_NODES(3, 0, 2, ConsumableField, DSTATUS),
    PJL_NODES(3, 0, 2, MemoryField, MEMORY),
    PJL_NODES(3, 0, 2, CounterField, COUNTER),
    PJL_NODES(3, 0, 2, WarningListHead, WARNINGLIST),
    PJL_NODES(3, 0, 2, ConfigItem, CONFIG),
    PJL_NODES(3, 0, 2, CounterField, PAGECOUNT),
    PJL_NODES(3, 0, 2, StatusField, STATUS),
    PJL_NODES(3, 0, 2, VariableItem, VARIABLES),
    PJL_NODES(3, 0, 2, UstatusItem, USTATUS));

PJL_LIST(UstatusCategory,
    PJL_NODES(3, 0, 6, NO_LIST, PAGE),
    PJL_NODES(3, 0, 2, JobField, JOB),
    PJL_NODES(3, 0, 2, StatusField, DEVICE),
    PJL_NODES(3, 0, 2, ConsumableField, DDEVICE),
    PJL_NODES(3, 0, 2, StatusField, TIMED),
    PJL_NODES(3, 0, 2, ConsumableField, DTIMED));

PJL_LIST(InquireVariable,
    PJL_NODES(2, 0, 6, NO_LIST, DENSITY),
    PJL_NODES(2, 0, 2, TraySizeValue, INTRAY1SIZE, INTRAY2SIZE, INTRAY3SIZE),
    PJL_NODES(2, 0, 2, PowerSaveValue, POWERSAVE),
    PJL_NODES(2, 0, 6, NO_LIST, POWERSAVETIME, TIMEOUT),
    PJL_NODES(2, 0, 10, NO_LIST, FIRMWARE),
    PJL_NODES(2, 0, 6, NO_LIST, NETCARD, PAGECOUNT, TONERCCOUNT, TONERKCOUNT, TONERMCOUNT, TONERYCOUNT,
              TRAY3, TRAY2, INTRAY2, INPTRAY2, INPTRAY3, SHIFTRAY, DUPLEX, OUTOPTION),
    PJL_NODES(2, 0, 10, NO_LIST, VERSION),
    PJL_NODES(2, 0, 2, TonerPositionValue, TONERPOSITION),
    PJL_NODES(2, 0, 6, NO_LIST, TRANSFERBIAS),
    PJL_NODES(2, 0, 2, AutoContinueValue, AUTOCONTINUE));

PJL_LIST(ConsumableField,
    PJL_NODES(2, 0, 6, ConsumableField, CODE, CONSUMETONERK, CONSUMETONERC, CONSUMETONERM, CONSUMETONERY,
              CONSUMETRSBELT, CONSUMEIMGDRUM, CONSUMEFUSER, CONSUMETONERTYPEK, CONSUMETONERTYPEC,
              CONSUMETONERTYPEM, CONSUMETONERTYPEY));

PJL_LIST(MemoryField,
    PJL_NODES(2, 0, 6, NO_LIST, TOTAL, LARGEST));

PJL_LIST(CounterField,
    PJL_NODES(2, 0, 6, CounterField, COUNTTOTAL, COUNTTONERC, COUNTTONERM, COUNTTONERY, COUNTTONERK,
              PAGECOUNT));

PJL_LIST(WarningListHead,
    PJL_NODES(2, 0, 6, WarningListEnum, WARNINGLIST));

// ConfigItem, VariableItem and UstatusItem name their nodes, because other
// lists continue with them.
#define ConfigItem_NODES \
    PJL_NODES(2, 3, 2, InTraysCount, IN), \
    PJL_NODES(2, 0, 2, OutTraysCount, OUT), \
    PJL_NODES(0, 0, 6, TraysEnum, TRAYS), \
    PJL_NODES(2, 3, 6, PapersEnum, PAPERS), \
    PJL_NODES(2, 3, 6, LanguagesEnum, LANGUAGES), \
    PJL_NODES(2, 3, 6, UstatusEnum, USTATUS), \
    PJL_NODES(2, 3, 2, OptionState, NETCARD, TRAY2, TRAY3, INTRAY2, INTRAY3, INTRAY4, INTRAY5), \
    PJL_NODES(2, 3, 2, OutOptionState, OUTOPTION), \
    PJL_NODES(2, 3, 2, OptionState, INPTRAY2, INPTRAY3, SHIFTRAY, DUPLEX), \
    PJL_NODES(2, 3, 6, InterfacesEnum, XINTERFACES), \
    PJL_NODES(2, 3, 2, OptionState, HARDDISK), \
    PJL_NODES(2, 3, 6, MailbinTypeEnum, MAILBINTYPE), \
    PJL_NODES(2, 3, 6, MailboxNameEnum, MAILBOXNAME), \
    PJL_NODES(2, 3, 6, ConfigItem, MEMORY), \
    PJL_NODES(2, 3, 8, ConfigItem, FIRMWARE, DEVICEID), \
    PJL_NODES(2, 3, 6, ConfigItem, USBVID, USBPID), \
    PJL_NODES(2, 3, 8, ConfigItem, ENGFW)
PJL_LIST(ConfigItem, ALL_NODES_OF(ConfigItem));

PJL_LIST(StatusField,
    PJL_NODES(2, 1, 6, StatusField, CODE),
    PJL_NODES(2, 1, 8, StatusField, DISPLAY),
    PJL_NODES(2, 1, 2, OnlineValue, ONLINE));

#define VariableItem_NODES \
    PJL_NODES(2, 0, 6, VariableRange, DENSITY, POWERSAVETIME, TIMEOUT), \
    PJL_NODES(2, 3, 2, TraySizeCurrent, INTRAY1SIZE, INTRAY2SIZE, INTRAY3SIZE), \
    PJL_NODES(2, 3, 2, PowerSaveCurrent, POWERSAVE), \
    PJL_NODES(2, 3, 2, TonerPositionValue, TONERPOSITION)
PJL_LIST(VariableItem, ALL_NODES_OF(VariableItem));

#define UstatusItem_NODES \
    PJL_NODES(2, 3, 2, UstatusCurrent, JOB, PAGE, DEVICE, DDEVICE), \
    PJL_NODES(2, 3, 6, UstatusRange, TIMED, DTIMED)
PJL_LIST(UstatusItem, ALL_NODES_OF(UstatusItem));

PJL_LIST(JobField,
    PJL_NODES(3, 0, 2, JobField, START, END),
    PJL_NODES(2, 0, 8, JobField, NAME),
    PJL_NODES(2, 0, 6, JobField, PAGES),
    PJL_NODES(2, 1, 2, JobResult, RESULT));

PJL_LIST(TraySizeValue,
    PJL_NODES(3, 0, 2, NO_LIST, TRUE, LETTER, LEGAL, LEDGER, A3, A4, A5, EXECUTIVE, MONARCH, COM10, DL, C5,
              B5, JISB5, HAGAKI, INVOICE, B4JIS, B5JIS, CUSTOM, JPOST, ENVELOPEC6, F4FOLIO, KAI16, KAI32,
              JISCHOKEI3GOU, JISCHOKEI4GOU, LETTERPLUS, UKQUARTO, FOOLSCAP, UNKNOWN, INVOICE,
              GOVERNMENTLEGAL));

PJL_LIST(PowerSaveValue,
    PJL_NODES(3, 0, 2, NO_LIST, ON, OFF));

PJL_LIST(TonerPositionValue,
    PJL_NODES(3, 0, 2, NO_LIST, C, M, Y, K, MOVING, UNKNOWN));

PJL_LIST(AutoContinueValue,
    PJL_NODES(3, 0, 2, NO_LIST, ON, OFF));

PJL_LIST(WarningListEnum,
    PJL_NODES(3, 0, 2, WarningField, ENUMERATED));

PJL_LIST(InTraysCount,
    PJL_NODES(0, 0, 6, InTraysCount, TRAYS),
    PJL_NODES(0, 0, 2, InTrayEntry, ENUMERATED));

PJL_LIST(OutTraysCount,
    PJL_NODES(0, 0, 6, OutTraysCount, TRAYS),
    PJL_NODES(0, 0, 2, OutTrayEntry, ENUMERATED));

PJL_LIST(TraysEnum,
    PJL_NODES(0, 0, 2, TraysEntry, ENUMERATED));

PJL_LIST(PapersEnum,
    PJL_NODES(0, 0, 2, PaperEntry, ENUMERATED));

PJL_LIST(LanguagesEnum,
    PJL_NODES(0, 0, 2, LanguageEntry, ENUMERATED));

PJL_LIST(UstatusEnum,
    PJL_NODES(0, 0, 2, UstatusEntry, ENUMERATED));

PJL_LIST(OptionState,
    PJL_NODES(3, 5, 6, OptionStateEnum, NOTINSTALLED, INSTALLED, ETHERNETCARD));

PJL_LIST(OutOptionState,
    PJL_NODES(3, 5, 6, OutOptionStateEnum, NOTINSTALLED, 5BIN_MAILBIN, 10BIN_MAILBIN, FINISHER,
              MAILBIN_FINISHER));

PJL_LIST(InterfacesEnum,
    PJL_NODES(0, 0, 2, InterfaceEntry, ENUMERATED));

PJL_LIST(MailbinTypeEnum,
    PJL_NODES(0, 0, 2, MailbinTypeEntry, ENUMERATED));

PJL_LIST(MailboxNameEnum,
    PJL_NODES(0, 0, 2, MailboxNameEntry, ENUMERATED));

PJL_LIST(OnlineValue,
    PJL_NODES(3, 2, 2, NO_LIST, TRUE, FALSE));

PJL_LIST(VariableRange,
    PJL_NODES(2, 6, 6, VariableItem, RANGE));

PJL_LIST(TraySizeCurrent,
    PJL_NODES(3, 5, 6, TraySizeEnum, LETTER, LEGAL, LEDGER, A3, A4, A5, EXECUTIVE, MONARCH, COM10, DL, C5,
              B5, JISB5, HAGAKI, INVOICE, B4JIS, B5JIS, JPOST, CUSTOM, ENVELOPEC6, F4FOLIO, KAI16, KAI32,
              JISCHOKEI3GOU, JISCHOKEI4GOU, LETTERPLUS, UKQUARTO, FOOLSCAP, UNKNOWN, NOTINSTALLED,
              GOVERNMENTLEGAL));

PJL_LIST(PowerSaveCurrent,
    PJL_NODES(3, 5, 6, PowerSaveEnum, ON, OFF));

PJL_LIST(UstatusCurrent,
    PJL_NODES(3, 5, 6, UstatusCurrentEnum, ON, OFF, VERBOSE));

PJL_LIST(UstatusRange,
    PJL_NODES(2, 6, 6, UstatusItem, RANGE));

PJL_LIST(JobResult,
    PJL_NODES(3, 2, 2, NO_LIST, OK, USER_CANCELED, HOST_CANCELED, RESOURCE_CANCELED));

PJL_LIST(WarningField,
    PJL_NODES(2, 0, 6, WarningField, W1TRAY1NEAREMPTY, W1TRAY2NEAREMPTY, W1TRAY3NEAREMPTY,
              W1TRAY4NEAREMPTY, W1TRAY5NEAREMPTY, W1LCCNEAREMPTY, W1TONERCNEAREMPTY, W1TONERMNEAREMPTY,
              W1TONERYNEAREMPTY, W1TONERKNEAREMPTY, W1TRAY1EMPTY, W1TRAY2EMPTY, W1TRAY3EMPTY, W1TRAY4EMPTY,
              W1TRAY5EMPTY, W1LCCEMPTY, W1TONERNEAREMPTY, W1ICNEAREMPTY, W1REPLACEDRUMUNIT, W1SIZEMISMATCH,
              W1FUSERUNITLIFEALMOSTOVER, W1WASTETONERBOXNEARFULL));

PJL_LIST(InTrayEntry,
    PJL_NODES(2, 0, 2, InTrayKind, TRAY2, INTRAY1, INTRAY2, INTRAY3, INTRAY4, INTRAY5),
    PJL_NODES(3, 4, 2, InTrayEntry, MANUAL),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(OutTrayEntry,
    PJL_NODES(2, 0, 2, OutTrayKind, NORMAL),
    PJL_NODES(3, 0, 2, OutTrayEntry, JOGGING),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(TraysEntry,
    PJL_NODES(2, 0, 2, TraysEntry, TRAY2),
    PJL_NODES(3, 0, 2, TraysEntry, INTRAY1, INTRAY2, INTRAY3, INTRAY4, INTRAY5, MANUAL),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(PaperEntry,
    PJL_NODES(3, 4, 2, PaperEntry, LETTER, LEGAL, LEDGER, A3, A4, A5, EXECUTIVE, MONARCH, COM10, DL, C5,
              B5, JISB5, HAGAKI, INVOICE, B4JIS, B5JIS, JPOST, CUSTOM, UNKNOWN, ENVELOPEC6, F4FOLIO, KAI16,
              KAI32, JISCHOKEI3GOU, JISCHOKEI4GOU, LETTERPLUS, UKQUARTO, FOOLSCAP, GOVERNMENTLEGAL),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(LanguageEntry,
    PJL_NODES(3, 4, 2, LanguageEntry, QXS, PCL, PCLXL, POSTSCRIPT),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(UstatusEntry,
    PJL_NODES(3, 4, 2, UstatusEntry, DEVICE, DDEVICE, TIMED, DTIMED, JOB, PAGE),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(OptionStateEnum,
    PJL_NODES(0, 0, 2, OptionStateEntry, ENUMERATED));

PJL_LIST(OutOptionStateEnum,
    PJL_NODES(0, 0, 2, OutOptionStateEntry, ENUMERATED));

PJL_LIST(InterfaceEntry,
    PJL_NODES(3, 4, 2, InterfaceEntry, PARALLEL),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(MailbinTypeEntry,
    PJL_NODES(2, 0, 2, MailbinKind, MAILBIN2, MAILBIN3, MAILBIN4, MAILBIN5, MAILBIN6, MAILBIN7, MAILBIN8,
              MAILBIN9, MAILBIN10),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(MailboxNameEntry,
    PJL_NODES(3, 4, 2, MailboxNameEntry, MAILBIN2, MAILBIN3, MAILBIN4, MAILBIN5, MAILBIN6, MAILBIN7,
              MAILBIN8, MAILBIN9, MAILBIN10),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(TraySizeEnum,
    PJL_NODES(0, 0, 2, TraySizeEntry, ENUMERATED));

PJL_LIST(PowerSaveEnum,
    PJL_NODES(0, 0, 2, PowerSaveEntry, ENUMERATED));

PJL_LIST(UstatusCurrentEnum,
    PJL_NODES(0, 0, 2, UstatusCurrentEntry, ENUMERATED));

PJL_LIST(InTrayKind,
    PJL_NODES(3, 0, 2, InTrayEntry, MP, PC, LC, LCC, MPT, FIX, UNV));

PJL_LIST(OutTrayKind,
    PJL_NODES(3, 0, 2, OutTrayEntry, FACEDOWN));

PJL_LIST(OptionStateEntry,
    PJL_NODES(3, 4, 2, OptionStateEntry, INSTALLED, NOTINSTALLED, ETHERNETCARD),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(OutOptionStateEntry,
    PJL_NODES(3, 4, 2, OutOptionStateEntry, NOTINSTALLED, 5BIN_MAILBIN, 10BIN_MAILBIN, FINISHER,
              MAILBIN_FINISHER),
    ALL_NODES_OF(ConfigItem));

PJL_LIST(MailbinKind,
    PJL_NODES(3, 0, 2, MailbinTypeEntry, STK, MBX));

PJL_LIST(TraySizeEntry,
    PJL_NODES(3, 4, 2, TraySizeEntry, LETTER, LEGAL, LEDGER, A3, A4, A5, EXECUTIVE, MONARCH, COM10, DL, C5,
              B5, JISB5, HAGAKI, JPOST, INVOICE, UNKNOWN, NOTINSTALLED, ENVELOPEC6, F4FOLIO, KAI16, KAI32,
              JISCHOKEI3GOU, JISCHOKEI4GOU, LETTERPLUS, UKQUARTO, FOOLSCAP, GOVERNMENTLEGAL),
    ALL_NODES_OF(VariableItem));

PJL_LIST(PowerSaveEntry,
    PJL_NODES(3, 4, 2, PowerSaveEntry, ON, OFF),
    ALL_NODES_OF(VariableItem));

PJL_LIST(UstatusCurrentEntry,
    PJL_NODES(3, 4, 2, UstatusCurrentEntry, ON, OFF, VERBOSE),
    ALL_NODES_OF(UstatusItem));

}  // namespace
