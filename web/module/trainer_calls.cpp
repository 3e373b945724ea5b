#include "web/module/trainer_calls.h"

#include "explain/explanation.h"
#include "explain/explanation_text.h"
#include "generator/random.h"
#include "hand/log_code.h"
#include "tools/cli/explain_report.h"
#include "tools/cli/generate_command.h"
#include "tools/cli/hand_lines.h"
#include "tools/cli/score_command.h"
#include "tools/cli/text.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"
#include "ui/result_layout.h"
#include "ui/settings_rules.h"
#include "ui/trainer_session.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <string>

namespace fanwright::web {

namespace {

using cli::Writer;
using namespace fanwright::ui;

struct ControlName {
    std::string_view name;
    int id;
};

// The page's names of the main window's controls, in the order the state lists them.
constexpr std::array<ControlName, 24> controlNames = {{
    {"next", IDC_NEXT},
    {"check", IDC_CHECK},
    {"mode", IDC_MODE},
    {"clear", IDC_CLEAR},
    {"save", IDC_SAVE},
    {"settings", IDC_SETTINGS},
    {"about", IDC_BANNER},
    {"points", IDC_POINTS},
    {"wall", IDC_WALL},
    {"discard", IDC_DISCARD},
    {"lastTileInGame", IDC_LAST_TILE_IN_GAME},
    {"lastTileOfKind", IDC_LAST_TILE_OF_KIND},
    {"replacementTile", IDC_REPLACEMENT_TILE},
    {"robbingTheKong", IDC_ROBBING_THE_KONG},
    {"chow", IDC_ADD_CHOW},
    {"pung", IDC_ADD_PUNG},
    {"meldedKong", IDC_ADD_MELDED_KONG},
    {"concealedKong", IDC_ADD_CONCEALED_KONG},
    {"concealedTile", IDC_ADD_CONCEALED_TILE},
    {"winningTile", IDC_ADD_WINNING_TILE},
    {"prevalentPrevious", IDC_PREVALENT_PREVIOUS},
    {"prevalentNext", IDC_PREVALENT_NEXT},
    {"seatPrevious", IDC_SEAT_PREVIOUS},
    {"seatNext", IDC_SEAT_NEXT},
}};

int controlId(std::string_view name)
{
    for (const ControlName& c : controlNames) {
        if (c.name == name)
            return c.id;
    }
    return 0;
}

std::string_view controlName(int id)
{
    for (const ControlName& c : controlNames) {
        if (c.id == id)
            return c.name;
    }
    return {};
}

// The session and the dealer's random state, which the module's generate runs also move.
struct Page {
    TrainerSession session;
    std::uint32_t randomState = cli::freshSeed();
};

Page& page()
{
    static const std::unique_ptr<Page> made = std::make_unique<Page>();
    return *made;
}

std::string utf8(const std::wstring& text)
{
    std::string out;
    for (wchar_t w : text) {
        const auto c = static_cast<std::uint32_t>(w);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

int number(std::string_view text, int otherwise)
{
    int value = otherwise;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : otherwise;
}

// A small JSON writer: commas and keys kept in step.
class Json {
public:
    explicit Json(Writer& out) : out_(out) {}
    Json& open(char bracket)
    {
        comma();
        out_.put(bracket);
        first_ = true;
        return *this;
    }
    Json& close(char bracket)
    {
        out_.put(bracket);
        first_ = false;
        return *this;
    }
    Json& key(std::string_view name)
    {
        comma();
        cli::putJsonString(out_, name);
        out_.put(": ");
        first_ = true;
        return *this;
    }
    Json& value(long long n)
    {
        comma();
        out_.putNumber(n);
        return *this;
    }
    Json& value(bool b)
    {
        comma();
        out_.put(b ? "true" : "false");
        return *this;
    }
    Json& text(std::string_view s)
    {
        comma();
        cli::putJsonString(out_, s);
        return *this;
    }
    Json& null()
    {
        comma();
        out_.put("null");
        return *this;
    }

private:
    void comma()
    {
        if (!first_)
            out_.put(", ");
        first_ = false;
    }
    Writer& out_;
    bool first_ = true;
};

std::string_view setKindName(SetKind kind)
{
    switch (kind) {
    case Chow: return "chow";
    case Pung: return "pung";
    case MeldedKong: return "meldedKong";
    default: return "concealedKong";
    }
}

// The hand as painted: each declared set's three pictures and a kong's raised fourth, the
// concealed tiles, the winning tile. The paint draws them in that order.
void writeDrawnHand(Json& json, const Hand& hand, const std::vector<DrawnTile>& drawn)
{
    std::size_t at = 0;
    const auto next = [&] { return at < drawn.size() ? drawn[at++].picture : 0; };
    json.key("sets").open('[');
    for (int i = 0; i < hand.getSetCount(); ++i) {
        const SetKind kind = hand.getSetKind(i);
        json.open('{')
            .key("kind")
            .text(setKindName(kind))
            .key("tile")
            .value(static_cast<long long>(hand.getSetTile(i)));
        json.key("tiles").open('[');
        for (int k = 0; k < 3; ++k)
            json.value(static_cast<long long>(next()));
        json.close(']');
        const bool kong = kind == MeldedKong || kind == ConcealedKong;
        json.key("raised").value(static_cast<long long>(kong ? next() : 0)).close('}');
    }
    json.close(']').key("concealed").open('[');
    for (int j = 0; j < hand.getConcealedCount(); ++j)
        json.value(static_cast<long long>(next()));
    json.close(']').key("winning").value(
        static_cast<long long>(hand.getWinningTile() != NoTile ? next() : 0));
}

// A code for a complete hand; a wind shown as needed but unset is no wind in a code.
std::string codeOf(Hand hand)
{
    const auto real = [](TileId t) { return t == UnsetWindMark ? NoTile : t; };
    hand.setWinds(real(hand.getPrevalentWind()), real(hand.getSeatWind()));
    return hand.toLogText();
}

long long wideNumber(const std::wstring& text) { return std::wcstol(text.c_str(), nullptr, 10); }

// A reading as the result window draws it: each label with the tiles under it.
void writeReadingGroups(Json& json, const ReadingSets& reading)
{
    std::vector<ResultItem> items;
    addReadingItems(items, 0, reading);
    json.key("reading").open('[');
    bool open = false;
    for (const ResultItem& item : items) {
        if (item.kind == ResultItemKind::CentredText) {
            if (open)
                json.close(']').close('}');
            json.open('{').key("label").text(utf8(item.text)).key("tiles").open('[');
            open = true;
        } else if (item.kind == ResultItemKind::Tile) {
            json.value(static_cast<long long>(item.picture));
        }
    }
    if (open)
        json.close(']').close('}');
    json.close(']');
}

// The result window's fan table: a row per counted fan, then the total row.
void writeFanRows(Json& json, int total, const std::int32_t* fanCounts)
{
    std::vector<ResultItem> items;
    addFanTable(items, 0, total, fanCounts, ResultItemKind::Text);
    std::vector<std::vector<std::wstring>> rows;
    int rowY = -1;
    for (const ResultItem& item : items) {
        if (item.font == FontRole::Link)
            continue;  // the headings
        if (item.y != rowY)
            rows.emplace_back();
        rowY = item.y;
        rows.back().push_back(item.text);
    }
    json.key("fans").open('[');
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        const auto& row = rows[r];
        json.open('{').key("fan").value(wideNumber(row[0])).key("name").text(utf8(row[1]));
        json.key("count").value(wideNumber(row[2])).key("points").value(wideNumber(row[3]));
        json.close('}');
    }
    json.close(']');
    const auto& last = rows.back();
    json.key("totalRow").open('{').key("label").text(utf8(last[0]));
    json.key("count").value(wideNumber(last[1])).key("points").value(wideNumber(last[2]));
    json.close('}');
}

// What the result window shows: its title and verdict, the waits, the reading, the fans.
void writeResult(Json& json, const ShownResult& shown)
{
    const ScoreResult& r = shown.result;
    const ResultLayout layout = layoutResult(shown.answer, shown.total, r);
    json.open('{').key("answer").value(static_cast<long long>(shown.answer));
    json.key("total").value(static_cast<long long>(shown.total));
    json.key("title").text(utf8(layout.title));
    json.key("code").text(codeOf(shown.hand));
    for (const ResultItem& item : layout.items) {
        if (item.font == FontRole::Points)
            json.key("verdict").text(utf8(item.text));
    }
    json.key("waits").open('[');
    for (int i = 0; i < r.waitCount; ++i)
        json.value(static_cast<long long>(r.waits[i]));
    json.close(']');
    writeReadingGroups(json, {r.setCount, r.setKinds, r.setTiles, r.pairTile});
    writeFanRows(json, shown.total, r.fanCounts);
    json.close('}');
}

void writeSettings(Json& json, const GeneratorSettings& s)
{
    json.open('{').key("melding").value(static_cast<long long>(s.freqMelding));
    json.key("chow").value(static_cast<long long>(s.freqChow));
    json.key("pung").value(static_cast<long long>(s.freqPung));
    json.key("kong").value(static_cast<long long>(100 - s.freqChow - s.freqPung));
    json.key("special").value(static_cast<long long>(s.freqSpecial));
    json.key("flags").value(static_cast<long long>(s.freqFlags));
    json.key("min").value(static_cast<long long>(s.minPoints));
    json.key("label").text(utf8(meldedShareLabel(s.freqMelding))).close('}');
}

void writeControls(Json& json, const ControlTable& view)
{
    json.key("controls").open('{');
    for (const ControlName& c : controlNames) {
        const ControlState& state = view.control(c.id);
        json.key(c.name).open('{').key("enabled").value(state.enabled);
        json.key("checked").value(state.checked);
        json.key("caption").text(utf8(state.caption)).close('}');
    }
    json.close('}');
}

std::string_view addModeName(AddMode mode)
{
    switch (mode) {
    case AddMode::Chow: return "chow";
    case AddMode::Pung: return "pung";
    case AddMode::MeldedKong: return "meldedKong";
    case AddMode::ConcealedKong: return "concealedKong";
    case AddMode::ConcealedTile: return "concealedTile";
    case AddMode::WinningTile: return "winningTile";
    default: return {};
    }
}

std::string_view stateName(TrainerState state)
{
    switch (state) {
    case TrainerState::TestIdle: return "idle";
    case TrainerState::TestAnswering: return "answering";
    default: return "editing";
    }
}

// The controls, the texts, the counters, the wind boxes and the add mode.
void writeWindow(Json& json, const TrainerSession& session)
{
    const Trainer& trainer = session.trainer();
    const ControlTable& view = session.view();
    writeControls(json, view);
    json.key("points").text(utf8(view.control(IDC_POINTS).caption));
    const std::string_view focus = controlName(view.focus());
    json.key("focus");
    if (focus.empty())
        json.null();
    else
        json.text(focus);
    json.key("status").text(utf8(view.status(1))).key("score").text(utf8(view.status(2)));
    json.key("right").value(static_cast<long long>(trainer.rightAnswers()));
    json.key("wrong").value(static_cast<long long>(trainer.wrongAnswers()));
    json.key("saveIcon").value(view.control(IDC_SAVE).picture == IDI_SAVE);
    json.key("winds").open('{');
    json.key("prevalent").value(static_cast<long long>(trainer.shownPrevalentWind()));
    json.key("seat").value(static_cast<long long>(trainer.shownSeatWind())).close('}');
    const std::string_view mode = addModeName(trainer.selectedAddMode());
    json.key("addMode");
    if (mode.empty())
        json.null();
    else
        json.text(mode);
}

// The hand as painted, the palette's verdicts, and what the hand is.
void writeHandState(Json& json, const TrainerSession& session)
{
    const Trainer& trainer = session.trainer();
    const Hand& hand = trainer.hand();
    const std::vector<DrawnTile>& drawn = session.drawn();
    json.key("hand").open('{');
    writeDrawnHand(json, hand, drawn);
    json.close('}');
    // In edit mode the paint ends with the palette's 34 tiles, greyed where they add nothing.
    json.key("palette").open('[');
    if (trainer.editMode() && drawn.size() >= TileKinds) {
        for (std::size_t i = drawn.size() - TileKinds; i < drawn.size(); ++i)
            json.value(!drawn[i].greyed);
    }
    json.close(']');
    json.key("complete").value(hand.isComplete()).key("needsWinds").value(hand.needsWinds());
    json.key("code");
    if (hand.isComplete())
        json.text(codeOf(trainer.handAsShown()));
    else
        json.null();
}

void writeState(Writer& out, std::string_view error = {})
{
    const TrainerSession& session = page().session;
    const ControlTable& view = session.view();
    Json json(out);
    json.open('{');
    if (!error.empty())
        json.key("error").text(error);
    json.key("state").text(stateName(session.trainer().state()));
    json.key("edit").value(session.trainer().editMode());
    writeWindow(json, session);
    writeHandState(json, session);
    json.key("results").value(static_cast<long long>(view.results())).key("result");
    if (view.results() > 0)
        writeResult(json, view.lastResult());
    else
        json.null();
    json.key("requests").open('{').key("save").value(static_cast<long long>(view.saveRequests()));
    json.key("settings").value(static_cast<long long>(view.settingsRequests()));
    json.key("about").value(static_cast<long long>(view.aboutRequests())).close('}');
    json.key("settings");
    writeSettings(json, session.settings());
    json.close('}');
    out.put('\n');
}

// What `fanwright-cli score -- CODE` says of a code it refuses, line feed dropped.
std::string refusal(std::string_view code)
{
    cli::StringOutput printed, said;
    {
        Writer out(printed), err(said);
        cli::ScoreReport report;
        cli::HandLines lines("score", report, false, out, err);
        lines.take(code, code.size(), {"argument", 1});
        out.flush();
        err.flush();
    }
    while (!said.text.empty() && said.text.back() == '\n')
        said.text.pop_back();
    return said.text;
}

// The hand of a code, or {"error"} with the command line's message.
bool parseOrRefuse(Writer& out, std::string_view code, ParsedLogLine& parsed)
{
    std::string error;
    if (parseLogLine(code, parsed, error))
        return true;
    Json json(out);
    json.open('{').key("error").text(refusal(code)).close('}');
    out.put('\n');
    return false;
}

// A reading as the result window draws it, with its "Not counted:" lines and its note.
void writeReadingNotes(Json& json, const ReadingExplanation& r, const Explanation& e)
{
    json.open('{');
    writeReadingGroups(json, {r.setCount, r.setKinds, r.setTiles, r.pairTile});
    writeFanRows(json, r.total, r.fanCounts);
    json.key("not_counted").open('[');
    for (int k = 0; k < r.notCountedCount; ++k)
        json.text(notCountedLine(r.notCounted[k], r, e));
    json.close(']').key("note");
    if (r.fanCounts[ChickenHand - 1] > 0)
        json.text(ChickenHandNote);
    else
        json.null();
    json.close('}');
}

}  // namespace

void writeTrainerState(Writer& out) { writeState(out); }

void clickControl(Writer& out, std::string_view name)
{
    const int id = controlId(name);
    if (id == 0) {
        writeState(out, "no control named " + std::string(name));
        return;
    }
    Page& p = page();
    // The dealer draws from the page's own sequence.
    randomState = p.randomState;
    p.session.click(id);
    p.randomState = randomState;
    writeState(out);
}

void typePoints(Writer& out, std::string_view text)
{
    std::wstring typed;
    for (char c : text)
        typed += static_cast<wchar_t>(static_cast<unsigned char>(c));
    page().session.type(typed);
    writeState(out);
}

void pressEnter(Writer& out, std::string_view focusName)
{
    page().session.enter(controlId(focusName));
    writeState(out);
}

void clickPalette(Writer& out, int tile)
{
    page().session.clickPaletteTile(tile);
    writeState(out);
}

void clickHandItem(Writer& out, int index)
{
    page().session.clickHandItem(index);
    writeState(out);
}

void loadCode(Writer& out, std::string_view code)
{
    ParsedLogLine parsed;
    std::string error;
    if (!parseLogLine(code, parsed, error)) {
        writeState(out, refusal(code));
        return;
    }
    page().session.load(parsed.hand);
    writeState(out);
}

void setSettings(Writer& out, const std::vector<std::string_view>& values)
{
    GeneratorSettings& s = page().session.settings();
    std::int32_t* fields[] = {&s.freqMelding, &s.freqChow,  &s.freqPung,
                              &s.freqSpecial, &s.freqFlags, &s.minPoints};
    // A value not given stays, as a value missing from the registry does; one that is not a
    // number is out of range.
    for (std::size_t i = 0; i < std::size(fields) && i < values.size(); ++i) {
        if (!values[i].empty())
            *fields[i] = number(values[i], -1);
    }
    s.validate();
    Json json(out);
    writeSettings(json, s);
    out.put('\n');
}

void settingsSheet(Writer& out, const std::vector<std::string_view>& values)
{
    const auto at = [&](std::size_t i) { return i < values.size() ? values[i] : ""; };
    const int melding = number(at(0), 0);
    SetShares shares{number(at(1), 0), number(at(2), 0), number(at(3), 0)};
    const std::string_view changed = at(4);
    if (changed == "chow" || changed == "pung" || changed == "kong")
        shares = balanceShares(shares, changed == "chow"   ? SetShare::Chow
                                       : changed == "pung" ? SetShare::Pung
                                                           : SetShare::Kong);
    Json json(out);
    json.open('{').key("melding").value(static_cast<long long>(melding));
    json.key("label").text(utf8(meldedShareLabel(melding)));
    json.key("chow").value(static_cast<long long>(shares.chow));
    json.key("pung").value(static_cast<long long>(shares.pung));
    json.key("kong").value(static_cast<long long>(shares.kong)).close('}');
    out.put('\n');
}

void writeHandDrawing(Writer& out, std::string_view code)
{
    ParsedLogLine parsed;
    if (!parseOrRefuse(out, code, parsed))
        return;
    struct Recorder final : TileCanvas {
        std::vector<DrawnTile> drawn;
        void drawTile(int picture, int x, int y, bool greyed) override
        {
            drawn.push_back({picture, x, y, greyed});
        }
    } recorder;
    HitTable hits;
    const Hand& hand = parsed.hand;
    paintTiles(recorder, {0, 0, ClientWidth, TestLayoutHeight}, hand, hits);
    Json json(out);
    json.open('{').key("code").text(parsed.code);
    writeDrawnHand(json, hand, recorder.drawn);
    json.key("flags").open('[').value(hand.isLastTileInGame()).value(hand.isLastTileOfKind());
    json.value(hand.isReplacementTile()).value(hand.isRobbingTheKong()).close(']');
    json.key("prevalent").value(static_cast<long long>(hand.getPrevalentWind()));
    json.key("seat").value(static_cast<long long>(hand.getSeatWind()));
    json.key("source").value(static_cast<long long>(hand.getWinSource())).close('}');
    out.put('\n');
}

void writeExplanationNotes(Writer& out, std::string_view code)
{
    ParsedLogLine parsed;
    if (!parseOrRefuse(out, code, parsed))
        return;
    const auto e = std::make_unique<Explanation>(explainHand(parsed.hand));
    Json json(out);
    json.open('{').key("total").value(static_cast<long long>(e->total)).key("kept");
    if (e->kept < 0)
        json.null();
    else
        json.value(static_cast<long long>(e->kept));
    json.key("readings").open('[');
    for (int i = 0; i < e->readingCount; ++i)
        writeReadingNotes(json, e->readings[i], *e);
    json.close(']').key("tie").text(tieLine(*e));
    json.key("text").text(cli::explanationText(parsed.code, *e)).close('}');
    out.put('\n');
}

}  // namespace fanwright::web
