// The painted hand's hit table, the palette's cells and greying, the cursor, and the window's
// geometry in both layouts.
#include "fake_main_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace fanwright::ui::test {
namespace {

constexpr Rect wholeClient{0, 0, 670, 503};

// A chow of 2b-3b-4b, a concealed kong of 5c, concealed 1b 2b 9d, winning tile east.
Hand sampleHand()
{
    Hand hand;
    hand.addSet(Chow, 3);
    hand.addSet(ConcealedKong, 14);
    for (TileId t : {27, 1, 2})
        hand.addConcealedTile(t);
    hand.setWinningTile(East);
    return hand;
}

TEST(Layout, PaintingRecordsTheHitTable)
{
    const Hand hand = sampleHand();
    HitTable hits;
    RecordingCanvas canvas;
    paintTiles(canvas, wholeClient, hand, hits);
    const std::vector<HitRect> expected = {
        {20, 20, 143, 73, AddMode::Chow, 3},
        {180, 20, 303, 73, AddMode::ConcealedKong, 14},
        {20, 99, 63, 152, AddMode::ConcealedTile, 1},
        {60, 99, 103, 152, AddMode::ConcealedTile, 2},
        {100, 99, 143, 152, AddMode::ConcealedTile, 27},
        {560, 99, 603, 152, AddMode::WinningTile, NoTile},
    };
    EXPECT_EQ(std::vector<HitRect>(hits.rects.begin(), hits.rects.begin() + hits.count), expected);
    EXPECT_FALSE(hits.dirty);
    // The concealed kong: empty faces outside, its tile raised over the middle one.
    const std::vector<Drawn> kong(canvas.drawn.begin() + 3, canvas.drawn.begin() + 7);
    EXPECT_EQ(
        kong,
        (std::vector<Drawn>{
            {0, 180, 20, false}, {14, 220, 20, false}, {0, 260, 20, false}, {14, 215, 15, false}}));
}

TEST(Layout, PaletteCells)
{
    const struct {
        int x, y;
        TileId tile;  // 0: off the palette
    } rows[] = {
        {20, 280, 1},  {59, 329, 1},  {60, 280, 2},   {379, 280, 9}, {380, 280, 0}, {19, 300, 0},
        {20, 330, 10}, {20, 430, 28}, {299, 479, 34}, {300, 450, 0}, {100, 480, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(isOnPalette(row.x, row.y) ? paletteTileAt(row.x, row.y) : 0, row.tile);
    }
}

TEST(Layout, PaletteGreyingPerAddMode)
{
    Hand hand;
    hand.addSet(Pung, 5);
    hand.addConcealedTile(7);
    hand.addConcealedTile(7);  // two held copies leave no pung
    Hand full;
    for (TileId t : {1, 2, 3, 4})
        full.addSet(Pung, t);
    const std::vector<TileId> terminalsAndHonors = {1,  9,  10, 18, 19, 27, 28,
                                                    29, 30, 31, 32, 33, 34};
    std::vector<TileId> allTiles;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        allTiles.push_back(t);
    const struct {
        const Hand& hand;
        AddMode mode;
        std::vector<TileId> greyed;
    } rows[] = {
        {hand, AddMode::Chow, terminalsAndHonors},
        {hand, AddMode::Pung, {5, 7}},
        {hand, AddMode::MeldedKong, {5, 7}},
        {hand, AddMode::ConcealedKong, {5, 7}},
        {hand, AddMode::ConcealedTile, {}},
        {hand, AddMode::NoMode, {}},
        {full, AddMode::ConcealedTile, {}},
        {full, AddMode::Pung, allTiles},  // no set fits any more
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.mode));
        RecordingCanvas canvas;
        paintPalette(canvas, paletteRect, row.hand, row.mode);
        std::vector<TileId> greyed;
        for (const Drawn& d : canvas.drawn) {
            EXPECT_EQ(d.x, paletteTileX(d.picture));
            if (d.greyed)
                greyed.push_back(d.picture);
        }
        EXPECT_EQ(canvas.drawn.size(), 34u);
        EXPECT_EQ(greyed, row.greyed);
    }
}

TEST(Layout, Cursor)
{
    const Hand building = sampleHand();
    Hand complete = building;
    for (TileId t : {2, 2, 2, 9})
        complete.addConcealedTile(t);
    HitTable hits;
    RecordingCanvas canvas;
    paintTiles(canvas, wholeClient, building, hits);
    EXPECT_EQ(cursorAt(hits, building, 100, 300), CursorKind::Add);
    EXPECT_EQ(cursorAt(hits, complete, 100, 300), CursorKind::Arrow);
    EXPECT_EQ(cursorAt(hits, building, 580, 120), CursorKind::Remove);
    EXPECT_EQ(cursorAt(hits, building, 400, 300), CursorKind::Arrow);
}

TEST(Layout, WindowGeometry)
{
    EXPECT_EQ(initialWindowRect(3, 3, 19, {0, 0, 1024, 768}), (Rect{174, 232, 850, 535}));
    // A work area smaller than the window: negative offsets, truncated toward zero.
    EXPECT_EQ(initialWindowRect(3, 3, 19, {0, 0, 600, 300}), (Rect{-38, -1, 638, 302}));
    EXPECT_EQ(windowWithStatusBar({174, 232, 850, 535}, 21), (Rect{174, 222, 850, 546}));

    const Rect window{100, 100, 776, 428};
    const struct {
        Rect work, grown;
    } rows[] = {
        {{0, 0, 1024, 768}, {100, 100, 776, 653}},  // room below: only taller
        {{0, 0, 1024, 653}, {100, 100, 776, 653}},  // just room
        {{0, 40, 1024, 640}, {100, 63, 776, 616}},  // recentred in the work area
        {{0, 40, 1024, 500}, {100, 0, 776, 553}},   // too small: top at 0
    };
    for (const auto& row : rows)
        EXPECT_EQ(editLayoutWindowRect(window, row.work), row.grown);
    EXPECT_EQ(testLayoutWindowRect({100, 63, 776, 616}), (Rect{100, 63, 776, 391}));

    EXPECT_EQ(statusBarPartEdges(670), (std::array<int, 3>{167, 503, 670}));
    EXPECT_EQ(statusBarClientY(600, 300, 3, 19, 225), 503);
}

}  // namespace
}  // namespace fanwright::ui::test
