// Random hands for property tests: complete hands of every form, and near misses made by
// swapping one tile, built from a seeded engine so that failures reproduce.
#pragma once

#include "hand/decomposition.h"
#include "hand/hand.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace fanwright::test {

class RandomHands {
public:
    explicit RandomHands(unsigned seed) : rng_(seed) {}

    // A complete hand: mostly four sets and a pair, some declared, now and then a special form.
    Hand complete()
    {
        const int kind = below(20);
        if (kind == 0)
            return fromTiles(sevenPairs());
        if (kind == 1)
            return fromTiles(thirteenOrphans());
        if (kind == 2)
            return fromTiles(honorsAndKnitted());
        if (kind == 3)
            return knittedStraight();
        return regular();
    }

    // A complete hand with one concealed tile swapped for another: often no reading at all.
    Hand nearMiss()
    {
        Hand h = complete();
        if (h.concealedCount == 0)
            return h;
        const TileId out = h.concealedTiles[below(h.concealedCount)];
        for (int tries = 0; tries < 50; ++tries) {
            const TileId in = 1 + below(34);
            if (in != out && h.countTileUses(in) < 4) {
                h.removeConcealedTile(out);
                h.addConcealedTile(in);
                break;
            }
        }
        return h;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

private:
    Hand regular()
    {
        std::array<int, TileCodes> stock;
        stock.fill(4);
        std::vector<TileId> concealed;
        Hand h;
        for (int set = 0; set < 4; ++set) {
            const bool declared = below(3) == 0;
            const int kind = below(10);  // 0-4 chow, 5-8 pung, 9 kong
            if (kind < 5 && addChow(h, stock, concealed, declared))
                continue;
            TileId t = drawWithStock(stock, kind == 9 ? 4 : 3);
            if (kind == 9) {
                h.addSet(below(2) ? ConcealedKong : MeldedKong, t);
                stock[static_cast<std::size_t>(t)] = 0;
            } else if (declared) {
                h.addSet(Pung, t);
                stock[static_cast<std::size_t>(t)] -= 3;
            } else {
                concealed.insert(concealed.end(), {t, t, t});
                stock[static_cast<std::size_t>(t)] -= 3;
            }
        }
        const TileId pair = drawWithStock(stock, 2);
        concealed.insert(concealed.end(), {pair, pair});
        return finish(h, concealed);
    }

    bool addChow(Hand& h, std::array<int, TileCodes>& stock, std::vector<TileId>& concealed,
                 bool declared)
    {
        for (int tries = 0; tries < 20; ++tries) {
            const TileId mid = static_cast<TileId>(9 * below(3) + 2 + below(7));
            if (stock[static_cast<std::size_t>(mid - 1)] == 0 ||
                stock[static_cast<std::size_t>(mid)] == 0 ||
                stock[static_cast<std::size_t>(mid + 1)] == 0)
                continue;
            for (TileId t = mid - 1; t <= mid + 1; ++t)
                --stock[static_cast<std::size_t>(t)];
            if (declared)
                h.addSet(Chow, mid);
            else
                concealed.insert(concealed.end(), {mid - 1, mid, mid + 1});
            return true;
        }
        return false;
    }

    TileId drawWithStock(const std::array<int, TileCodes>& stock, int needed)
    {
        for (;;) {
            const TileId t = 1 + below(34);
            if (stock[static_cast<std::size_t>(t)] >= needed)
                return t;
        }
    }

    Hand knittedStraight()
    {
        const auto& row = knittedRows[static_cast<std::size_t>(below(KnittedRowCount))];
        std::vector<TileId> tiles(row.begin(), row.end());
        const TileId pung = 28 + below(7);
        TileId pair = 28 + below(7);
        while (pair == pung)
            pair = 28 + below(7);
        tiles.insert(tiles.end(), {pung, pung, pung, pair, pair});
        return fromTiles(tiles);
    }

    std::vector<TileId> sevenPairs()
    {
        std::vector<TileId> tiles;
        std::array<int, TileCodes> stock;
        stock.fill(4);
        for (int i = 0; i < 7; ++i) {
            const TileId t = drawWithStock(stock, 2);
            stock[static_cast<std::size_t>(t)] -= 2;
            tiles.insert(tiles.end(), {t, t});
        }
        return tiles;
    }

    std::vector<TileId> thirteenOrphans()
    {
        std::vector<TileId> tiles(orphanList.begin(), orphanList.begin() + 13);
        tiles.push_back(orphanList[static_cast<std::size_t>(below(13))]);
        return tiles;
    }

    std::vector<TileId> honorsAndKnitted()
    {
        const auto& row = knittedRows[static_cast<std::size_t>(below(KnittedRowCount))];
        const int honors = 5 + below(3);
        std::vector<TileId> pool(row.begin(), row.end());
        std::shuffle(pool.begin(), pool.end(), rng_);
        std::vector<TileId> tiles(pool.begin(), pool.begin() + (14 - honors));
        std::vector<TileId> honorPool(honorList.begin(), honorList.end());
        std::shuffle(honorPool.begin(), honorPool.end(), rng_);
        tiles.insert(tiles.end(), honorPool.begin(), honorPool.begin() + honors);
        return tiles;
    }

    Hand fromTiles(std::vector<TileId> tiles)
    {
        Hand h;
        return finish(h, tiles);
    }

    // Concealed tiles with one of them, at random, as the winning tile; random situation.
    Hand finish(Hand& h, std::vector<TileId>& concealed)
    {
        const std::size_t winning =
            static_cast<std::size_t>(below(static_cast<int>(concealed.size())));
        for (std::size_t i = 0; i < concealed.size(); ++i) {
            if (i != winning)
                h.addConcealedTile(concealed[i]);
        }
        h.setWinningTile(concealed[winning]);
        h.setWinSource(below(2) ? SelfDrawn : Discard);
        h.setFlags(below(8) == 0, below(8) == 0, below(8) == 0, below(8) == 0);
        if (h.needsWinds())
            h.setWinds(28 + below(4), 28 + below(4));
        return h;
    }

    std::mt19937 rng_;
};

}  // namespace fanwright::test
