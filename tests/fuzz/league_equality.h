// Field-by-field equality of two leagues, naming the first field that
// differs ("squadra[4].goals_for", "giornata[7].home_goals[2]"). A League
// holds strings, so it cannot be compared as bytes.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

#include "data/league.h"

class Differences;
void Compare(Differences& d, const Player& a, const Player& b);
void Compare(Differences& d, const Team& a, const Team& b);
void Compare(Differences& d, const RankRow& a, const RankRow& b);
void Compare(Differences& d, const Matchday& a, const Matchday& b);
void Compare(Differences& d, const SideBlock& a, const SideBlock& b);
void Compare(Differences& d, const Match& a, const Match& b);

// The first difference found; names are only built when one is.
class Differences {
public:
    bool Found() const { return !first_.empty(); }
    const std::string& First() const { return first_; }

    void Check(const char* name, int a, int b) {
        if (!Found() && a != b) first_ = name;
    }
    void Check(const char* name, const std::string& a, const std::string& b) {
        if (!Found() && a != b) first_ = name;
    }
    // A name field, every byte of it: an untouched league keeps even the
    // bytes after the end of a word.
    template <size_t N>
    void Check(const char* name, const char (&a)[N], const char (&b)[N]) {
        if (!Found() && std::memcmp(a, b, N) != 0) first_ = name;
    }
    template <size_t N>
    void Check(const char* name, const int (&a)[N], const int (&b)[N]) {
        for (size_t i = 0; i < N && !Found(); ++i)
            if (a[i] != b[i]) first_ = Indexed(name, i);
    }
    template <class Record, size_t N>
    void Check(const char* name, const Record (&a)[N], const Record (&b)[N]) {
        for (size_t i = 0; i < N && !Found(); ++i) {
            Compare(*this, a[i], b[i]);
            if (Found()) first_ = Indexed(name, i) + "." + first_;
        }
    }
    template <class Record>
    void Check(const char* name, const Record& a, const Record& b) {
        if (Found()) return;
        Compare(*this, a, b);
        if (Found()) first_ = std::string(name) + "." + first_;
    }

private:
    static std::string Indexed(const char* name, size_t i) {
        return std::string(name) + "[" + std::to_string(i) + "]";
    }
    std::string first_;
};

// Each record's fields, each named once.
#define VELMO_SAME(field) d.Check(#field, a.field, b.field)

inline void Compare(Differences& d, const Player& a, const Player& b) {
    VELMO_SAME(number); VELMO_SAME(name); VELMO_SAME(surname); VELMO_SAME(role);
    VELMO_SAME(attr_a); VELMO_SAME(technique); VELMO_SAME(fantasy); VELMO_SAME(condition);
}

inline void Compare(Differences& d, const Team& a, const Team& b) {
    VELMO_SAME(name); VELMO_SAME(id); VELMO_SAME(badge);
    VELMO_SAME(points); VELMO_SAME(won); VELMO_SAME(drawn); VELMO_SAME(lost);
    VELMO_SAME(goals_for); VELMO_SAME(goals_against);
    VELMO_SAME(starters); VELMO_SAME(substitutes); VELMO_SAME(keeper);
    VELMO_SAME(starters_count); VELMO_SAME(subs_count);
    VELMO_SAME(module); VELMO_SAME(technique); VELMO_SAME(fantasy); VELMO_SAME(condition);
    VELMO_SAME(fatigue);
    VELMO_SAME(base_technique); VELMO_SAME(base_fantasy); VELMO_SAME(base_condition);
    VELMO_SAME(extra_technique); VELMO_SAME(extra_fantasy); VELMO_SAME(extra_condition);
}

inline void Compare(Differences& d, const RankRow& a, const RankRow& b) {
    VELMO_SAME(name); VELMO_SAME(id); VELMO_SAME(points); VELMO_SAME(won); VELMO_SAME(drawn);
    VELMO_SAME(lost); VELMO_SAME(goals_for); VELMO_SAME(goals_against);
    VELMO_SAME(goal_difference);
}

inline void Compare(Differences& d, const Matchday& a, const Matchday& b) {
    VELMO_SAME(number); VELMO_SAME(home); VELMO_SAME(away);
    VELMO_SAME(home_goals); VELMO_SAME(away_goals);
}

inline void Compare(Differences& d, const SideBlock& a, const SideBlock& b) {
    VELMO_SAME(technique); VELMO_SAME(fantasy); VELMO_SAME(condition); VELMO_SAME(module);
    VELMO_SAME(fatigue);
}

inline void Compare(Differences& d, const Match& a, const Match& b) {
    VELMO_SAME(first_id); VELMO_SAME(second_id); VELMO_SAME(goals); VELMO_SAME(minute);
    VELMO_SAME(subs_left); VELMO_SAME(out_slot); VELMO_SAME(sub_pending); VELMO_SAME(side);
}

// "" when the two leagues are equal, else the first field that differs.
//
// Every League field must appear here, and every field of its records in
// the Compare above: a field left out is one a refused load could change
// unseen. Adding a field to a record means adding one VELMO_SAME line.
inline std::string LeagueDifference(const League& a, const League& b) {
    Differences d;
    VELMO_SAME(players); VELMO_SAME(squadra); VELMO_SAME(giornata); VELMO_SAME(ngiornate);
    VELMO_SAME(Velmo);
    VELMO_SAME(matchday); VELMO_SAME(today); VELMO_SAME(prepared_matchday); VELMO_SAME(avversario);
    VELMO_SAME(ontheroad);
    VELMO_SAME(where); VELMO_SAME(othername);
    VELMO_SAME(classifica); VELMO_SAME(textranking); VELMO_SAME(textrank2); VELMO_SAME(now);
    VELMO_SAME(day); VELMO_SAME(textbuffer);
    VELMO_SAME(partita); VELMO_SAME(textmatch);
    return d.First();
}

#undef VELMO_SAME
