#include "hand/log_code.h"

#include <array>
#include <cstring>

namespace fanwright {

namespace {

std::string_view setCodeOf(SetKind kind)
{
    switch (kind) {
    case Chow: return "ch";
    case Pung: return "pu";
    case MeldedKong: return "mk";
    default: return "ck";
    }
}

SetKind setKindOf(std::string_view code)
{
    if (code == "ch")
        return Chow;
    if (code == "pu")
        return Pung;
    if (code == "mk")
        return MeldedKong;
    if (code == "ck")
        return ConcealedKong;
    return NoSet;
}

// A name for any stored value, so that a damaged record still gives a code of fixed shape.
std::string_view safeTileName(TileId t) { return t >= 0 && t < TileCodes ? tileName(t) : "em"; }

// Tile codes by the two letters of their names, -1 for any other pair: reading a code looks
// up every name, and comparing against all 35 names was a large part of scoring a file of codes.
constexpr std::array<std::int8_t, 128 * 128> tilesByName = [] {
    std::array<std::int8_t, 128 * 128> table{};
    table.fill(-1);
    for (TileId t = 0; t < TileCodes; ++t) {
        const std::string_view name = tileNames[static_cast<std::size_t>(t)];
        table[static_cast<std::size_t>(name[0] * 128 + name[1])] = static_cast<std::int8_t>(t);
    }
    return table;
}();

TileId tileOfName(std::string_view name)
{
    if (name.size() != 2 || name[0] < 0 || name[1] < 0)
        return -1;
    return tilesByName[static_cast<std::size_t>(name[0] * 128 + name[1])];
}

// Text from the line in quotes, its start only when long: the line itself may be very long.
std::string quote(std::string_view text)
{
    constexpr std::size_t Longest = 24;
    return '"' + std::string(text.substr(0, Longest)) + (text.size() > Longest ? "...\"" : "\"");
}

// The code's fields run on without separators, but neither a tile name nor a set code begins
// with a flag letter: the first "t" or "f" at a token boundary starts the flags.
std::size_t flagsStart(std::string_view code)
{
    std::size_t at = 0;
    while (at < code.size() && code[at] != 't' && code[at] != 'f')
        at += 2;
    return at;
}

std::string ordinalCopy(int copies)
{
    constexpr const char* ordinals[] = {"a fifth", "a sixth", "a seventh", "an eighth"};
    return copies >= 5 && copies <= 8 ? ordinals[copies - 5]
                                      : "copy number " + std::to_string(copies);
}

class CodeReader {
public:
    CodeReader(std::string_view code, Hand& hand, std::string& error)
        : code_(code), hand_(hand), error_(error)
    {
    }

    bool read();

private:
    std::string_view token() const { return code_.substr(at_, 2); }
    bool fail(const std::string& what)
    {
        error_ = "at character " + std::to_string(at_ + 1) + ": " + what;
        return false;
    }
    bool quoted(const std::string& what, std::string_view text)
    {
        return fail(what + ' ' + quote(text));
    }
    bool readSet(SetKind kind);
    bool readConcealedTile();
    bool readWinningTile();
    bool readFlag(std::uint8_t& flag);
    bool readWind(TileId& wind, const char* which);
    bool readWinSource();
    // Adding `adding` copies of the tile would make more than four.
    bool tooManyCopies(TileId t, int adding);
    bool endsEarly(const std::string& before);
    TileId fullTileOfChow(TileId middle) const;

    std::string_view code_;
    Hand& hand_;
    std::string& error_;
    std::size_t at_ = 0;
};

bool CodeReader::read()
{
    // 1. Sets and concealed tiles run up to the winning tile, the last name before the flags.
    const std::size_t flagsAt = flagsStart(code_);
    const std::size_t tail = flagsAt >= 2 ? flagsAt - 2 : 0;
    bool concealedStarted = false;
    while (at_ < tail) {
        const SetKind kind = setKindOf(token());
        if (kind != NoSet && concealedStarted)
            return quoted("declared sets come before the concealed tiles:", token());
        if (kind != NoSet && at_ + 4 > tail)
            return quoted("a set without its tile:", token());
        concealedStarted = kind == NoSet;
        if (!(kind != NoSet ? readSet(kind) : readConcealedTile()))
            return false;
    }
    if (flagsAt >= code_.size())
        return endsEarly("its winning tile and four flag letters");
    if (flagsAt == 0)
        return fail("no winning tile before the flag letters");
    // 2. The winning tile, the flags, the winds, the win source, and nothing after.
    std::uint8_t flags[4] = {};
    if (!readWinningTile())
        return false;
    for (std::uint8_t& flag : flags) {
        if (!readFlag(flag))
            return false;
    }
    hand_.setFlags(flags[0] != 0, flags[1] != 0, flags[2] != 0, flags[3] != 0);
    TileId prevalent = NoTile, seat = NoTile;
    if (!readWind(prevalent, "prevalent") || !readWind(seat, "seat"))
        return false;
    hand_.setWinds(prevalent, seat);
    if (!readWinSource())
        return false;
    return at_ == code_.size() || quoted("more after the win-source letter:", code_.substr(at_));
}

bool CodeReader::tooManyCopies(TileId t, int adding)
{
    return quoted(ordinalCopy(hand_.countTileUses(t) + adding) + " copy of", tileName(t));
}

TileId CodeReader::fullTileOfChow(TileId middle) const
{
    for (TileId t : {middle - 1, middle, middle + 1}) {
        if (hand_.countTileUses(t) == 4)
            return t;
    }
    return middle;
}

bool CodeReader::endsEarly(const std::string& before)
{
    at_ = code_.size();
    return fail("the code ends before " + before +
                "; a code is two-letter tile names followed by the winning tile, four flag "
                "letters, two winds and a win-source letter");
}

bool CodeReader::readSet(SetKind kind)
{
    at_ += 2;
    const TileId t = tileOfName(token());
    if (t < FirstTile)
        return quoted("a set needs a tile, not", token());
    if (kind == Chow && !isChowMiddle(t))
        return quoted("a chow is named by its middle tile, 2 to 8 of a suit, not", token());
    if (!hand_.canAddSet())
        return fail("too many declared sets");
    if (!hand_.canAddSetOf(kind, t))
        return kind == Chow ? tooManyCopies(fullTileOfChow(t), 1)
                            : tooManyCopies(t, kind == Pung ? 3 : 4);
    hand_.addSet(kind, t);
    at_ += 2;
    return true;
}

bool CodeReader::readConcealedTile()
{
    const TileId t = tileOfName(token());
    if (t < FirstTile)
        return quoted("unknown tile", token());
    if (!hand_.canAddConcealedTile())
        return fail("too many tiles: a hand holds 14, a kong counting three");
    if (!hand_.canAddTile(t))
        return tooManyCopies(t, 1);
    hand_.addConcealedTile(t);
    at_ += 2;
    return true;
}

bool CodeReader::readWinningTile()
{
    const TileId t = tileOfName(token());
    if (t < FirstTile)
        return quoted("unknown winning tile", token());
    if (3 * hand_.setCount + hand_.concealedCount != 13)
        return fail("wrong number of tiles: " +
                    std::to_string(3 * hand_.setCount + hand_.concealedCount + 1) +
                    " with the winning tile, a hand holds 14 (a kong counting three)");
    if (!hand_.canAddTile(t))
        return tooManyCopies(t, 1);
    hand_.setWinningTile(t);
    at_ += 2;
    return true;
}

bool CodeReader::readFlag(std::uint8_t& flag)
{
    if (at_ >= code_.size())
        return endsEarly("its four flag letters");
    const char c = code_[at_];
    if (c != 't' && c != 'f')
        return quoted("a flag is \"t\" or \"f\", not", code_.substr(at_, 1));
    flag = c == 't' ? 1 : 0;
    ++at_;
    return true;
}

bool CodeReader::readWind(TileId& wind, const char* which)
{
    if (at_ + 2 > code_.size())
        return endsEarly(std::string("its ") + which + " wind");
    const TileId t = tileOfName(token());
    if (t != NoTile && !isWind(t))
        return quoted(std::string("the ") + which + " wind is we, ws, ww, wn or em, not", token());
    wind = t;
    at_ += 2;
    return true;
}

bool CodeReader::readWinSource()
{
    if (at_ >= code_.size())
        return endsEarly("its win-source letter");
    switch (code_[at_]) {
    case 'n': hand_.setWinSource(NotChosen); break;
    case 'w': hand_.setWinSource(SelfDrawn); break;
    case 'd': hand_.setWinSource(Discard); break;
    default: return quoted("the win source is \"w\", \"d\" or \"n\", not", code_.substr(at_, 1));
    }
    ++at_;
    return true;
}

// Splits "code", "code - comment" (the comment may be empty), leading blanks and trailing
// line ends.
bool splitLine(std::string_view line, ParsedLogLine& out, std::string& error)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    const std::size_t space = line.find(' ');
    out.code = line.substr(0, space);
    out.comment = {};
    if (out.code.empty()) {
        error = "no hand code";
        return false;
    }
    if (space == std::string_view::npos)
        return true;
    std::string_view rest = line.substr(space);
    if (rest.substr(0, 3) == " - " || rest == " -") {
        out.comment = rest.substr(rest.size() > 3 ? 3 : rest.size());
        return true;
    }
    if (rest.find_first_not_of(" \t") == std::string_view::npos)
        return true;
    error = "after the code, expected \" - \" and a comment, found " + quote(rest);
    return false;
}

}  // namespace

const char* Hand::toLogText()
{
    std::string code;
    for (int i = 0; i < setCount; ++i) {
        code += setCodeOf(setKinds[i]);
        code += safeTileName(setTiles[i]);
    }
    for (int i = 0; i < concealedCount; ++i)
        code += safeTileName(concealedTiles[i]);
    code += safeTileName(winningTile);
    for (std::uint8_t flag : {lastTileInGame, lastTileOfKind, replacementTile, robbingTheKong})
        code += flag ? 't' : 'f';
    code += safeTileName(prevalentWind);
    code += safeTileName(seatWind);
    code += winSource == SelfDrawn ? 'w' : winSource == Discard ? 'd' : 'n';
    const std::size_t n = code.size() < LogTextSize ? code.size() : LogTextSize - 1;
    std::memcpy(logText, code.data(), n);
    logText[n] = '\0';
    return logText;
}

bool parseLogLine(std::string_view line, ParsedLogLine& out, std::string& error)
{
    if (!splitLine(line, out, error))
        return false;
    out.hand.clear();
    return CodeReader(out.code, out.hand, error).read();
}

}  // namespace fanwright
