#include "checker/grammar.h"

#include <utility>

#include "core/code_text.h"
#include "core/language_tables.h"

namespace corvane {
namespace {

struct EntryRow {
    const char* word;
    const char* expectation;
};

struct GroupRows {
    int group;
    std::vector<EntryRow> rows;
};

// Groups 1 to 3, before the commands of group 4.
const GroupRows kLeadingGroups[] = {
    {1, {{"START_SCRIPT", "2"}}},
    {2, {{"{", "3"}}},
    {3,
     {{"DO", "4"},
      {"IF", "5"},
      {"SET", "6 6 3"},
      {"}IF", "10"},
      {"}ELSE", "14"},
      {"}EVERY", "3"},
      {"}SCRIPT", "17"},
      {"EVERY", "11"},
      {"INCREMENT", "6 6 3"},
      {"DIVIDE", "6 6 6 3"},
      {"DECREMENT", "6 6 3"},
      {"MULTIPLY", "6 6 6 3"}}},
};

// Commands 24 to 116 of group 4 (1 to 23 are the STATE_ words of the token table).
constexpr EntryRow kCommands[] = {
    {"SET_ATTACK_VARIABLE", "6 3"},
    {"SET_DRUM_TOWER_POS", "6 6 3"},
    {"DELAY_MAIN_DRUM_TOWER", "3"},
    {"GIVE_MANA_TO_PLAYER", "9 6 3"},
    {"SET_DEFENCE_RADIUS", "6 3"},
    {"SET_SPELL_ENTRY", "6 6 6 6 6 6 3"},
    {"SET_BUCKET_USAGE", "8 3"},
    {"SET_BUCKET_COUNT_FOR_SPELL", "6 6 3"},
    {"PRAY_AT_HEAD", "6 6 3"},
    {"IS_BUILDING_NEAR", "6 6 6 9 6 6 3"},
    {"ATTACK", "9 6 15 6 6 6 6 6 16 6 6 6 6 3"},
    {"GET_HEIGHT_AT_POS", "6 6 3"},
    {"COUNT_PEOPLE_IN_MARKER", "20 6 6 6 3"},
    {"BUILD_DRUM_TOWER", "6 6 3"},
    {"BUILD_MAIN_DRUM_TOWER", "3"},
    {"GIVE_UP_AND_SULK", "8 3"},
    {"CONVERT_AT_MARKER", "6 3"},
    {"PUT_PERSON_IN_DT", "6 6 6 3"},
    {"TARGET_BLUE_SHAMAN", "3"},
    {"TARGET_BLUE_DRUM_TOWERS", "3"},
    {"SET_MARKER_ENTRY", "6 6 6 6 6 6 6 3"},
    {"MARKER_ENTRIES", "6 6 6 6 3"},
    {"GIVE_ONE_SHOT", "6 9 3"},
    {"SPELL_ATTACK", "6 6 6 3"},
    {"NAV_CHECK", "9 18 6 6 6 3"},
    {"GET_SPELLS_CAST", "9 6 6 3"},
    {"GET_NUM_ONE_OFF_SPELL", "6 6 6 3"},
    {"GET_HEAD_TRIGGER_COUNT", "6 6 6 3"},
    {"I_HAVE_ONE_SHOT", "19 6 6 3"},
    {"SET_BASE_MARKER", "6 3"},
    {"CREATE_MSG_NARRATIVE", "6 3"},
    {"SET_MSG_AUTO_OPEN_DLG", "3"},
    {"FLYBY_CREATE_NEW", "3"},
    {"FLYBY_ALLOW_INTERRUPT", "8 3"},
    {"FLYBY_SET_EVENT_POS", "6 6 6 6 3"},
    {"FLYBY_SET_EVENT_ANGLE", "6 6 6 3"},
    {"FLYBY_SET_EVENT_ZOOM", "6 6 6 3"},
    {"FLYBY_SET_END_TARGET", "6 6 6 6 3"},
    {"FLYBY_START", "3"},
    {"TRIGGER_THING", "6 3"},
    {"TRIGGER_LEVEL_LOST", "3"},
    {"TRIGGER_LEVEL_WON", "3"},
    {"IS_SHAMAN_IN_AREA", "9 6 6 6 3"},
    {"PARTIAL_BUILDING_COUNT", "3"},
    {"TRAIN_PEOPLE_NOW", "6 6 3"},
    {"REMOVE_HEAD_AT_POS", "6 6 3"},
    {"CREATE_MSG_INFORMATION", "6 3"},
    {"SET_MSG_DELETE_ON_OK", "3"},
    {"DEFEND_SHAMEN", "6 3"},
    {"SEND_SHAMEN_DEFENDERS_HOME", "3"},
    {"BOAT_PATROL", "6 6 6 6 6 21 3"},
    {"SET_BASE_RADIUS", "6 3"},
    {"PREACH_AT_MARKER", "6 3"},
    {"SEND_ALL_PEOPLE_TO_MARKER", "6 3"},
    {"IS_SHAMAN_AVAILABLE_FOR_ATTACK", "6 3"},
    {"SET_REINCARNATION", "8 3"},
    {"SET_NO_BLUE_REINC", "3"},
    {"SET_TIMER_GOING", "6 3"},
    {"HAS_TIMER_REACHED_ZERO", "6 3"},
    {"SET_MSG_TIMEOUT", "6 3"},
    {"TARGET_S_WARRIORS", "3"},
    {"CLEAR_GUARDING_FROM", "6 6 6 6 3"},
    {"DISABLE_USER_INPUTS", "3"},
    {"KILL_TEAM_IN_AREA", "6 6 6 3"},
    {"ENABLE_USER_INPUTS", "3"},
    {"ONLY_STAND_AT_MARKERS", "3"},
    {"SET_BUILDING_DIRECTION", "6 3"},
    {"GUARD_BETWEEN_MARKERS", "6 6 6 6 6 6 22 3"},
    {"FLYBY_SET_EVENT_TOOLTIP", "6 6 6 6 6 3"},
    {"CREATE_MSG_INFORMATION_ZOOM", "6 6 6 6 3"},
    {"MARVELLOUS_HOUSE_DEATH", "3"},
    {"GET_NUM_PEOPLE_BEING_PREACHED", "9 6 3"},
    {"DELETE_SMOKE_STUFF", "6 6 6 3"},
    {"SET_AUTO_BUILD", "8 3"},
    {"SET_AUTO_HOUSE", "8 3"},
    {"CLEAR_ALL_MSG", "3"},
    {"DESELECT_ALL_BLUE_PEOPLE", "3"},
    {"REMOVE_PLAYER_THING", "6 6 3"},
    {"TURN_PANEL_ON", "6 3"},
    {"GIVE_PLAYER_SPELL", "6 6 3"},
    {"FLASH_BUTTON", "6 8 3"},
    {"COUNT_BLUE_IN_HOUSES", "6 3"},
    {"COUNT_BLUE_WITH_BUILD_COMMAND", "6 3"},
    {"COUNT_BLUE_SHAPES", "6 3"},
    {"MOVE_SHAMAN_TO_MARKER", "6 3"},
    {"IS_PLAYER_IN_WORLD_VIEW", "6 3"},
    {"FIX_WILD_IN_AREA", "6 6 6 3"},
    {"COUNT_ANGELS", "6 6 3"},
    {"REMOVE_TIMER", "3"},
    {"AUTO_MESSAGES", "8 3"},
    {"CALL_TO_ARMS", "3"},
    {"IS_PRISON_ON_LEVEL", "6 3"},
    {"SET_WOOD_COLLECTION_RADII", "6 6 6 6 3"},
};

const GroupRows kTrailingGroups[] = {
    {5,
     {{"<", "6 6 2"},
      {">", "6 6 2"},
      {"=", "6 6 2"},
      {"<>", "6 6 2"},
      {">=", "6 6 2"},
      {"<=", "6 6 2"},
      {"||", "23 7 6 6 7 6 6 7 6 6 2"},
      {"BOTH", "7 6 6 7 6 6 2"}}},
    {6, {{"VARIABLE", ""}}},
    {7, {{"<", ""}, {">", ""}, {"=", ""}, {"<>", ""}, {">=", ""}, {"<=", ""}}},
    {8, {{"ON", ""}, {"OFF", ""}}},
    {9, {{"RED", ""}, {"YELLOW", ""}, {"GREEN", ""}, {"BLUE", ""}, {"VARIABLE", ""}}},
    {10, {{"ELSE", "2"}, {"ENDIF", "3"}}},
    {11, {{"VARIABLE", "12"}}},
    {12, {{"VARIABLE", "13"}, {"{", "3"}}},
    {13, {{"{", "3"}}},
    {14, {{"ENDIF", "3"}}},
    {15, {{"ATTACK_MARKER", ""}, {"ATTACK_BUILDING", ""}, {"ATTACK_PERSON", ""}}},
    {16, {{"ATTACK_NORMAL", ""}, {"ATTACK_BY_BOAT", ""}, {"ATTACK_BY_BALLOON", ""}}},
    {17, {{"ENDSCRIPT", "100"}}},
    {18, {{"ATTACK_BUILDING", ""}, {"ATTACK_MARKER", ""}}},
    {19, {{"SPELL_TYPE", ""}}},
    {20, {{"RED", ""}, {"YELLOW", ""}, {"GREEN", ""}, {"BLUE", ""}, {"COUNT_WILD", ""}}},
    {21, {{"BOAT_TYPE", ""}}},
    {22, {{"GUARD_NORMAL", ""}}},
    {23, {{"BOTH", ""}}},
    {100, {{"NOTHING BEHIND END_SCRIPT!!!", "100"}}},
};

struct GroupName {
    int group;
    const char* name;
};

constexpr GroupName kGroupNames[] = {
    {1, "START_SCRIPT"},
    {2, "{"},
    {3, "<mcom>"},
    {4, "<docommand>"},
    {5, "<operator/both>"},
    {6, "<var>"},
    {7, "<operator>"},
    {8, "<on/off>"},
    {9, "<color>"},
    {10, "<else/endif>"},
    {11, "<var>"},
    {12, "{"},
    {13, "{"},
    {14, "<endif>"},
    {15, "<attack_what>"},
    {16, "<attack_how>"},
    {17, "<endscript>"},
    {18, "<attack_what>"},
    {19, "SPELL_TYPE"},
    {20, "<color/wild>"},
    {21, "BOAT_TYPE"},
    {22, "GUARD_NORMAL"},
    {23, "BOTH"},
    {100, "nothing!"},
};

constexpr std::string_view kStatePrefix = "STATE_";
constexpr std::string_view kSpellDefence = "STATE_SPELL_DEFENCE";

const GrammarGroup kNoGroup;

}  // namespace

bool IsValueWord(std::string_view upperWord) {
    return upperWord.starts_with("VAR_") || upperWord.starts_with("%") || upperWord.starts_with("INT_");
}

void GrammarGroup::Add(std::string word, std::string expectation) {
    const int index = static_cast<int>(entries.size());
    if (word == kVariablePlaceholder && firstPlaceholder_ < 0) firstPlaceholder_ = index;
    if (IsValueWord(word)) hasValueWords_ = true;
    firstByWord_.emplace(word, index);
    std::vector<int> groups = QueueExpectations(expectation);
    entries.push_back(GrammarEntry{std::move(word), std::move(expectation), std::move(groups)});
}

int GrammarGroup::FindMatch(std::string_view upperWord) const {
    // Values are the most frequent words; only a group that lists a value word itself needs the
    // exact lookup to find out which entry comes first.
    if (firstPlaceholder_ >= 0 && !hasValueWords_ && IsValueWord(upperWord)) return firstPlaceholder_;
    const auto exact = firstByWord_.find(upperWord);
    int match = exact == firstByWord_.end() ? -1 : exact->second;
    // The placeholder may stand before the exact word (group 9: RED ... VARIABLE).
    if (firstPlaceholder_ >= 0 && (match < 0 || firstPlaceholder_ < match) && IsValueWord(upperWord)) {
        match = firstPlaceholder_;
    }
    return match;
}

std::string GrammarGroup::ExpectedWords() const {
    std::string words;
    for (const GrammarEntry& entry : entries) {
        words += entry.word;
        words += ' ';
    }
    return words;
}

Grammar Grammar::Build(const TokenTable& tokens) {
    Grammar grammar;
    for (const GroupRows& group : kLeadingGroups) {
        for (const EntryRow& row : group.rows) grammar.AddGrammarEntry(group.group, row.word, row.expectation);
    }
    grammar.AddStateGrammar(tokens);
    for (const EntryRow& row : kCommands) grammar.AddGrammarEntry(kCommandGroup, row.word, row.expectation);
    for (const GroupRows& group : kTrailingGroups) {
        for (const EntryRow& row : group.rows) grammar.AddGrammarEntry(group.group, row.word, row.expectation);
    }
    for (const GroupName& name : kGroupNames) grammar.SetName(name.group, name.name);
    return grammar;
}

const Grammar& Grammar::Standard() {
    static const Grammar grammar = Build(LanguageTables::Standard().tokens());
    return grammar;
}

void Grammar::AddStateGrammar(const TokenTable& tokens) {
    for (const CodePair& row : tokens.rows()) {
        if (!row.text.starts_with(kStatePrefix)) continue;
        AddGrammarEntry(kCommandGroup, row.text, row.text == kSpellDefence ? "6 6 8 3" : "8 3");
    }
}

void Grammar::AddGrammarEntry(int group, std::string word, std::string expectation) {
    if (group < 0) return;
    if (group > top()) groups_.resize(static_cast<std::size_t>(group) + 1);
    groups_[static_cast<std::size_t>(group)].Add(std::move(word), std::move(expectation));
}

void Grammar::SetName(int group, std::string name) {
    if (group >= 0 && group <= top()) groups_[static_cast<std::size_t>(group)].name = std::move(name);
}

const GrammarGroup& Grammar::group(int number) const {
    if (number < 0 || number > top()) return kNoGroup;
    return groups_[static_cast<std::size_t>(number)];
}

std::vector<int> QueueExpectations(std::string_view expectation) {
    std::vector<int> groups;
    int number = 0;
    bool haveDigits = false;
    for (char c : expectation) {
        if (c >= '0' && c <= '9') {
            if (number < 100000) number = number * 10 + (c - '0');
            haveDigits = true;
        } else if (c == ' ' && haveDigits) {
            groups.push_back(number);
            number = 0;
            haveDigits = false;
        }
    }
    if (haveDigits) groups.push_back(number);
    return groups;
}

std::string BuildCommandList(const Grammar& grammar) {
    std::string list;
    for (const GrammarEntry& entry : grammar.group(kCommandGroup).entries) {
        list += entry.word;
        list += ' ';
        list += kLineBreak;
    }
    return list;
}

}  // namespace corvane
