// The default legend table and the slide-field target letters.
#include "levelc/legend.h"

namespace murk {

namespace {

struct DefaultChar {
    char ch;
    const char* code;  // nullptr for the slide field
};

// Creatures are lower case and their producers the same letter in upper case, so a room reads
// at a glance; walls and items use shapes.
constexpr DefaultChar kDefaults[] = {
    {'.', "A00"},    // floor
    {'#', "A32"},    // solid wall
    {'X', "A39"},    // edge wall
    {'=', "A33"},    // chain wall
    {'~', "B29"},    // chain wall 2
    {'%', "A36"},    // shootable wall
    {':', "A35"},    // enemy-passable wall
    {'|', "A40"},    // force field
    {'$', "A37"},    // gold sack
    {'+', "A38"},    // health kit
    {'k', "A29"},    // key
    {'D', "A28"},    // door
    {'b', "A41"},    // bomb
    {'s', "A43"},    // shield
    {'&', "A42"},    // heart
    {'!', "A30"},    // death field
    {'*', "A31"},    // star
    {'>', "B28"},    // transport field
    {'z', nullptr},  // slide field
    {'F', "A45"},    // level finish
    {'1', "A46"},    // player 1
    {'2', "A47"},    // player 2
    {'A', "A01"},    // ant producer
    {'a', "A02"},    // ant
    {'V', "A03"},    // devil producer
    {'v', "A04"},    // devil
    {'C', "A05"},    // cow producer
    {'c', "A06"},    // cow
    {'g', "A07"},    // chigger
    {'R', "A08"},    // frog producer
    {'r', "A09"},    // frog
    {'H', "A10"},    // horse producer
    {'h', "A11"},    // horse
    {'u', "A12"},    // baby pig producer
    {'P', "A16"},    // adult pig producer
    {'p', "A17"},    // pig
    {'?', "A18"},    // random producer
    {'^', "A19"},    // fire-dart producer
};

// Index n holds the letter for coordinate n; 30 may be any other character, 'd' reads best.
constexpr char kSlideLetters[] = "?ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";

}  // namespace

const Legend& DefaultLegend() {
    static const Legend legend = [] {
        Legend l;
        for (const DefaultChar& d : kDefaults) l[d.ch] = LegendEntry{d.code ? d.code : ""};
        return l;
    }();
    return legend;
}

bool IsLegendChar(char c) {
    return c > ' ' && c < 127 && c != ';';
}

char SlideLetter(int n) {
    return n >= 1 && n <= 30 ? kSlideLetters[n] : '\0';
}

std::string SlideFieldCode(int targetCol, int targetRow) {
    return std::string{'Z', SlideLetter(targetCol), SlideLetter(targetRow)};
}

}  // namespace murk
