#include "core/token_table.h"

#include "core/code_text.h"
#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

struct TokenRow {
    std::uint16_t code;
    const char* word;
    bool startsLine;  // statement words begin a new line when a script is loaded
};

// The game's vocabulary in its own order. KILL_TEAM_IN_AREA stands twice (1111 and 1216); word
// lookups take the first row, code lookups find both.
constexpr TokenRow kRows[] = {
    {1000, "IF", true},
    {1001, "ELSE", true},
    {1002, "ENDIF", true},
    {1003, "{", true},
    {1004, "}", true},
    {1005, "EVERY", true},
    {1006, "DO", true},
    {1007, "SET", true},
    {1008, "INCREMENT", true},
    {1009, "DECREMENT", true},
    {1012, ">", false},
    {1013, "<", false},
    {1014, "=", false},
    {1015, "<>", false},
    {1016, ">=", false},
    {1017, "<=", false},
    {1019, "ENDSCRIPT", true},
    {1020, "BOTH", false},
    {1021, "||", false},
    {1022, "ON", false},
    {1023, "OFF", false},
    {1025, "MULTIPLY", true},
    {1026, "DIVIDE", true},
    {1027, "STATE_BRING_NEW_PEOPLE", false},
    {1028, "STATE_CONSTRUCT_BUILDING", false},
    {1029, "STATE_FETCH_WOOD", false},
    {1030, "STATE_SHAMAN_WILDS", false},
    {1031, "STATE_HOUSE_A_PERSON", false},
    {1032, "STATE_SEND_GHOSTS", false},
    {1033, "STATE_BRING_NEW_PEOPLE_BACK", false},
    {1034, "STATE_TRAIN_PEOPLE", false},
    {1035, "STATE_POPULATE_DRUM_TOWER", false},
    {1036, "STATE_DEFEND", false},
    {1037, "STATE_DEFEND_BASE", false},
    {1038, "STATE_SPELL_DEFENCE", false},
    {1039, "STATE_PREACH", false},
    {1040, "STATE_BUILD_WALLS", false},
    {1041, "STATE_SABOTAGE", false},
    {1042, "STATE_SPELL_OFFENSIVE", false},
    {1043, "STATE_FIREWARRIOR_DEFEND", false},
    {1044, "STATE_BUILD_VEHICLE", false},
    {1045, "STATE_FETCH_LOST_PEOPLE", false},
    {1046, "STATE_FETCH_LOST_VEHICLE", false},
    {1047, "STATE_FETCH_FAR_VEHICLE", false},
    {1048, "STATE_AUTO_ATTACK", false},
    {1058, "COUNT_WILD", false},
    {1059, "ATTACK", false},
    {1064, "SPELL_ATTACK", false},
    {1065, "RESET_BASE_MARKER", false},
    {1066, "SET_BASE_MARKER", false},
    {1067, "SET_BASE_RADIUS", false},
    {1068, "COUNT_PEOPLE_IN_MARKER", false},
    {1069, "SET_DRUM_TOWER_POS", false},
    {1070, "ATTACK_MARKER", false},
    {1071, "ATTACK_BUILDING", false},
    {1072, "ATTACK_PERSON", false},
    {1073, "CONVERT_AT_MARKER", false},
    {1074, "PREACH_AT_MARKER", false},
    {1076, "GET_SPELLS_CAST", false},
    {1077, "GET_NUM_ONE_OFF_SPELL", false},
    {1078, "ATTACK_NORMAL", false},
    {1079, "ATTACK_BY_BOAT", false},
    {1080, "ATTACK_BY_BALLOON", false},
    {1081, "SET_ATTACK_VARIABLE", false},
    {1082, "BUILD_DRUM_TOWER", false},
    {1084, "GUARD_BETWEEN_MARKERS", false},
    {1085, "GET_HEIGHT_AT_POS", false},
    {1086, "SEND_ALL_PEOPLE_TO_MARKER", false},
    {1087, "GUARD_NORMAL", false},
    {1091, "SET_MARKER_ENTRY", false},
    {1092, "MARKER_ENTRIES", false},
    {1093, "CLEAR_GUARDING_FROM", false},
    {1094, "SET_BUILDING_DIRECTION", false},
    {1095, "TRAIN_PEOPLE_NOW", false},
    {1096, "PRAY_AT_HEAD", false},
    {1097, "PUT_PERSON_IN_DT", false},
    {1098, "I_HAVE_ONE_SHOT", false},
    {1099, "SPELL_TYPE", false},
    {1101, "BOAT_PATROL", false},
    {1102, "DEFEND_SHAMEN", false},
    {1103, "SEND_SHAMEN_DEFENDERS_HOME", false},
    {1104, "BOAT_TYPE", false},
    {1106, "IS_BUILDING_NEAR", false},
    {1107, "BUILD_AT", false},
    {1108, "SET_SPELL_ENTRY", false},
    {1109, "DELAY_MAIN_DRUM_TOWER", false},
    {1110, "BUILD_MAIN_DRUM_TOWER", false},
    {1111, "KILL_TEAM_IN_AREA", false},
    {1112, "DISABLE_USER_INPUTS", false},
    {1113, "ENABLE_USER_INPUTS", false},
    {1114, "OPEN_DIALOG", false},
    {1115, "GIVE_ONE_SHOT", false},
    {1116, "CLEAR_STANDING_PEOPLE", false},
    {1117, "ONLY_STAND_AT_MARKERS", false},
    {1118, "BLUE", false},
    {1119, "RED", false},
    {1120, "YELLOW", false},
    {1121, "GREEN", false},
    {1122, "NAV_CHECK", false},
    {1123, "TARGET_S_WARRIORS", false},
    {1124, "DONT_TARGET_S_WARRIORS", false},
    {1125, "TARGET_BLUE_SHAMAN", false},
    {1126, "DONT_TARGET_BLUE_SHAMAN", false},
    {1127, "TARGET_BLUE_DRUM_TOWERS", false},
    {1128, "DONT_TARGET_BLUE_DRUM_TOWERS", false},
    {1129, "HAS_BLUE_KILLED_A_GHOST", false},
    {1130, "COUNT_GUARD_FIRES", false},
    {1131, "GET_HEAD_TRIGGER_COUNT", false},
    {1132, "MOVE_SHAMAN_TO_MARKER", false},
    {1133, "TRACK_SHAMAN_TO_ANGLE", false},
    {1135, "IS_SHAMAN_AVAILABLE_FOR_ATTACK", false},
    {1136, "PARTIAL_BUILDING_COUNT", false},
    {1138, "GIVE_MANA_TO_PLAYER", false},
    {1139, "IS_PLAYER_IN_WORLD_VIEW", false},
    {1140, "SET_AUTO_BUILD", false},
    {1141, "DESELECT_ALL_BLUE_PEOPLE", false},
    {1142, "FLASH_BUTTON", false},
    {1143, "TURN_PANEL_ON", false},
    {1144, "GIVE_PLAYER_SPELL", false},
    {1151, "TRIGGER_THING", false},
    {1155, "COUNT_BLUE_SHAPES", false},
    {1156, "COUNT_BLUE_IN_HOUSES", false},
    {1159, "SET_AUTO_HOUSE", false},
    {1160, "COUNT_BLUE_WITH_BUILD_COMMAND", false},
    {1163, "REMOVE_PLAYER_THING", false},
    {1164, "SET_REINCARNATION", false},
    {1165, "STATE_EXTRA_WOOD_COLLECTION", false},
    {1166, "SET_WOOD_COLLECTION_RADII", false},
    {1168, "GET_NUM_PEOPLE_BEING_PREACHED", false},
    {1169, "TRIGGER_LEVEL_LOST", false},
    {1170, "TRIGGER_LEVEL_WON", false},
    {1171, "REMOVE_HEAD_AT_POS", false},
    {1172, "SET_BUCKET_USAGE", false},
    {1173, "SET_BUCKET_COUNT_FOR_SPELL", false},
    {1174, "CREATE_MSG_NARRATIVE", false},
    {1176, "CREATE_MSG_INFORMATION", false},
    {1177, "CREATE_MSG_INFORMATION_ZOOM", false},
    {1179, "SET_MSG_TIMEOUT", false},
    {1180, "SET_MSG_DELETE_ON_OK", false},
    {1187, "SET_MSG_AUTO_OPEN_DLG", false},
    {1190, "FIX_WILD_IN_AREA", false},
    {1192, "COUNT_ANGELS", false},
    {1193, "SET_NO_BLUE_REINC", false},
    {1194, "IS_SHAMAN_IN_AREA", false},
    {1196, "SET_DEFENCE_RADIUS", false},
    {1197, "MARVELLOUS_HOUSE_DEATH", false},
    {1198, "CALL_TO_ARMS", false},
    {1199, "DELETE_SMOKE_STUFF", false},
    {1200, "SET_TIMER_GOING", false},
    {1201, "REMOVE_TIMER", false},
    {1202, "HAS_TIMER_REACHED_ZERO", false},
    {1204, "TURN_PUSH", false},
    {1205, "FLYBY_CREATE_NEW", false},
    {1206, "FLYBY_START", false},
    {1208, "FLYBY_ALLOW_INTERRUPT", false},
    {1209, "FLYBY_SET_EVENT_POS", false},
    {1210, "FLYBY_SET_EVENT_ANGLE", false},
    {1211, "FLYBY_SET_EVENT_ZOOM", false},
    {1213, "FLYBY_SET_EVENT_TOOLTIP", false},
    {1214, "FLYBY_SET_END_TARGET", false},
    {1216, "KILL_TEAM_IN_AREA", false},
    {1217, "CLEAR_ALL_MSG", false},
    {1221, "GIVE_UP_AND_SULK", false},
    {1222, "AUTO_MESSAGES", false},
    {1223, "IS_PRISON_ON_LEVEL", false},
};

}  // namespace

TokenTable TokenTable::Build() {
    TokenTable table;
    table.rows_.reserve(std::size(kRows));
    for (const TokenRow& row : kRows) {
        std::string text = row.startsLine ? std::string(kLineBreak) + row.word : std::string(row.word);
        table.AddPair(CodeText(row.code), std::move(text));
    }
    return table;
}

void TokenTable::AddPair(std::string code, std::string text) {
    const std::size_t index = rows_.size();
    // emplace keeps an existing key, so the first row wins as in a linear search.
    byWord_.emplace(ToUpperAscii(BareWord(text)), index);
    byCode_.emplace(code, index);
    byValue_.emplace(CodeFromText(code), index);
    rows_.push_back(CodePair{std::move(code), std::move(text)});
}

const std::string* TokenTable::FindCodeByWord(std::string_view word) const {
    const auto found = HasLowerAscii(word) ? byWord_.find(ToUpperAscii(word)) : byWord_.find(word);
    return found == byWord_.end() ? nullptr : &rows_[found->second].code;
}

const std::string* TokenTable::FindTextByCode(std::string_view codeText) const {
    const auto found = byCode_.find(codeText);
    return found == byCode_.end() ? nullptr : &rows_[found->second].text;
}

const std::string* TokenTable::FindTextByCode(std::uint16_t code) const {
    const auto found = byValue_.find(code);
    return found == byValue_.end() ? nullptr : &rows_[found->second].text;
}

std::string_view TokenTable::BareWord(std::string_view rowText) {
    if (rowText.starts_with(kLineBreak)) rowText.remove_prefix(kLineBreak.size());
    return rowText;
}

}  // namespace corvane
