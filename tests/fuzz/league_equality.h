// Equality of two leagues, part by part: the arrays and records of plain
// structs byte for byte (a refused load leaves even the bytes after the end
// of a word as they were), the strings by value.
#pragma once

#include <cstring>
#include <string>
#include <type_traits>

#include "data/league.h"

// Every part of a League, in order: a part added to League is added here,
// or a refused load could change it unseen.
#define VELMO_LEAGUE_PARTS(X)                                                                \
    X(players) X(squadra) X(giornata) X(ngiornate) X(Velmo) X(matchday) X(today)             \
    X(prepared_matchday) X(avversario) X(ontheroad) X(where) X(othername) X(classifica)      \
    X(textranking) X(textrank2) X(now) X(day) X(textbuffer) X(partita) X(textmatch)

template <class Part>
bool SamePart(const Part& a, const Part& b) {
    if constexpr (std::is_same_v<Part, std::string>) {
        return a == b;
    } else {
        // No padding: equal values are equal bytes.
        static_assert(std::has_unique_object_representations_v<Part>);
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
}

// "" when the two leagues are equal, else the name of the first part that differs.
inline std::string LeagueDifference(const League& a, const League& b) {
#define VELMO_COMPARE_PART(part) \
    if (!SamePart(a.part, b.part)) return #part;
    VELMO_LEAGUE_PARTS(VELMO_COMPARE_PART)
#undef VELMO_COMPARE_PART
    return "";
}
