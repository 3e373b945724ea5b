#include "explain/fan_descriptions.h"

namespace fanwright {

// One row per fan, in FanId order: its rule in a sentence, and a hand code that scores it.
// The examples are hands in which the fan is all, or nearly all, that counts.
const std::array<FanDescription, FanCount> fanDescriptions = {{
    // ---- 88 points ----
    {"Pungs or kongs of all four winds.", "puwe5dwswswswwwwwwwnwnwn5dffffwewsd"},  // Big Four Winds
    {"Pungs or kongs of all three dragons.",
     "pudg7b7b1c2c3cdrdrdwdwdwdrffffememd"},  // Big Three Dragons
    {"Every tile is green: bamboo 2, 3, 4, 6 and 8, and the green dragon.",
     "2b2b3b3b4b4b6b6b6b8b8bdgdgdgffffememd"},  // All Green
    {"No declared set: 1-1-1-2-3-4-5-6-7-8-9-9-9 of one suit, won on any tile of that suit.",
     "1c1c1c2c3c4c5c6c7c8c9c9c9c7cffffememd"},  // Nine Gates
    {"All four sets are kongs, melded or concealed.",
     "mk4dmk8bmk5dmk2cweweffffememw"},  // Four Kongs
    {"Seven pairs of one suit in seven ranks in a row.",
     "3c3c4c4c5c5c6c6c7c7c8c8c9c9cffffememw"},  // Seven Shifted Pairs
    {"A 1 and a 9 of each suit, each wind and each dragon, and a second of one of them.",
     "1b9b1c1c1d9dwewswwwndrdgdw9cffffememd"},  // Thirteen Orphans

    // ---- 64 points ----
    {"Every tile is a 1 or a 9.", "pu1dpu9dck1c1b1b9b9b9bffffememd"},  // All Terminals
    {"Pungs or kongs of three winds and a pair of the fourth.",
     "3d3d3dwewewewswswwwwwnwnwnwsffffwwwww"},  // Little Four Winds
    {"Pungs or kongs of two dragons and a pair of the third.",
     "pu6b2d3d4ddrdrdrdgdgdwdwdwffffememd"},  // Little Three Dragons
    {"Every set and the pair are winds or dragons.",
     "wewewswswwwwwnwndrdrdgdgdwdwffffememw"},  // All Honors
    {"Four pungs or kongs, all concealed: a pung the winning discard completes is not.",
     "8b8b8b3c3c3c4c4c4c6d6d6ddgdgffffememd"},  // Four Concealed Pungs
    {"Two 1-2-3 and two 7-8-9 chows of one suit, and a pair of that suit's 5.",
     "1d1d2d2d3d3d5d7d7d8d8d9d9d5dffffememd"},  // Pure Terminal Chows

    // ---- 48 points ----
    {"Four identical chows.", "ch7bch7bch7b7b8bwewe6bftffememd"},  // Quadruple Chow
    {"Four pungs or kongs of one suit in four ranks in a row.",
     "pu3bpu4bpu5b6b6bdrdr6bffffememd"},  // Four Pure Shifted Pungs

    // ---- 32 points ----
    {"Four chows of one suit, each one rank above the last, or each two ranks above the last.",
     "ch5bch6b3b4b5b6b7bwwww8bffffememd"},  // Four Pure Shifted Chows
    {"Three kongs, melded or concealed.", "mk5dmk4bmk8d7b8b6c6c9bffffememd"},  // Three Kongs
    {"Every set and the pair are of 1s, 9s or honors.",
     "pu9cpu1cwewewewwwwdwdwwwffffwswsd"},  // All Terminals and Honors

    // ---- 24 points ----
    {"Seven pairs and no declared set; four tiles of a kind may make two of them.",
     "3b3b1c1c6c6c8c8c1d1d8dwsws8dffffememd"},  // Seven Pairs
    {"One of each of the seven honors, and seven tiles of one knitted straight, each one once.",
     "3b9b5c8c4d7dwewswwwndrdgdw1dffffememd"},  // Greater Honors and Knitted Tiles
    {"Four pungs or kongs and a pair, all of 2s, 4s, 6s and 8s.",
     "pu4bpu6c8b8b2d2d2d6d6d8bffffememd"},                                // All Even Pungs
    {"Every tile is of one suit.", "ch3dpu5d1d2d3d7d7d9d9d7dffffememd"},  // Full Flush
    {"Three identical chows.", "ch6dch4c3c3c4c4c5cdrdr5cffffememd"},      // Pure Triple Chow
    {"Three pungs or kongs of one suit in three ranks in a row.",
     "pu4bpu3bpu2b1c1c3d4d5dffffememd"},                                  // Pure Shifted Pungs
    {"Every tile is a 7, 8 or 9.", "pu8cch8dpu7c8b8b9b9b9bffffememd"},    // Upper Tiles
    {"Every tile is a 4, 5 or 6.", "pu6cch5dpu5b5c5c5d6d4dffffememw"},    // Middle Tiles
    {"Every tile is a 1, 2 or 3.", "pu3bpu2c1b1b1b1d1d2d3d1dffffememd"},  // Lower Tiles

    // ---- 16 points ----
    {"The chows 1-2-3, 4-5-6 and 7-8-9 of one suit.",
     "ch8c8b8b2c3c4c5c6c8d8d8d1cffffememd"},  // Pure Straight
    {"1-2-3 and 7-8-9 chows in two suits, and a pair of 5 of the third.",
     "ch2b7b8b9b1c2c3c7c8c9c5d5dffffememw"},  // Three-Suited Terminal Chows
    {"Three chows of one suit, each one rank above the last, or each two ranks above the last.",
     "pu6dch5b3b4b5b6b7bwwww5bffffememd"},  // Pure Shifted Chows
    {"Every set and the pair hold a 5.", "ch4bpu5c5b6b7b5d5d5d6d4dffffememd"},  // All Fives
    {"Pungs or kongs of one rank in all three suits.",
     "ch3bpu8dpu8c8b8bwewe8bffffememd"},  // Triple Pung
    {"Exactly three concealed pungs or kongs.",
     "ch6b8b8b8b2c2c2c7d7ddwdw7dffffememw"},  // Three Concealed Pungs

    // ---- 12 points ----
    {"Fourteen single tiles: five or six different honors, the rest from one knitted straight.",
     "3b6b9b2c5c8c1d4dwswwwndrdwdgffffememd"},  // Lesser Honors and Knitted Tiles
    {"1-4-7, 2-5-8 and 3-6-9 in three different suits, with a set and a pair or five honors.",
     "3b6b9b1c5c6c7c7c2d5d8dwnwn4cffffememd"},                                // Knitted Straight
    {"Every tile is a 6, 7, 8 or 9.", "pu7dpu8c7b8b9b6c6c7c7c6cffffememd"},   // Upper Four
    {"Every tile is a 1, 2, 3 or 4.", "ch3cpu4b3b3b1c2c3c4d4d3bffffememd"},   // Lower Four
    {"Pungs or kongs of three winds.", "puwnpuwe5b7c8c9cwswsws5bffffwwwwd"},  // Big Three Winds

    // ---- 8 points ----
    {"The chows 1-2-3, 4-5-6 and 7-8-9, each in a different suit.",
     "ch8cch5dch2b4b4bwsws4bffffememd"},  // Mixed Straight
    {"Only tiles that look alike upside down: bamboo 2 4 5 6 8 9, dots 1-5 8 9, white dragon.",
     "pu4d2b2b6b6b6b1d2d3d8d8d8dffffememd"},  // Reversible Tiles
    {"The same chow in all three suits.",
     "ch8bch3b2c3c4c3d4ddgdg2dffffememd"},  // Mixed Triple Chow
    {"Pungs or kongs in three suits, of three ranks in a row.",
     "pu7bpu5dch3d6c6cwnwn6cffffememd"},  // Mixed Shifted Pungs
    {"Worth 8 points when no other fan counts.",
     "ch3bpu5c2c3c6d7d8dwewe1cffffememd"},  // Chicken Hand
    {"Self-drawn with the last tile of the wall.",
     "ch6dch3b4c5c6c8c8cwwww8ctfffememw"},                                        // Last Tile Draw
    {"Won on the last discard of the game.", "ch3dpu2bch5b4c4cwewe4ctfffememd"},  // Last Tile Claim
    {"Won on the tile drawn to replace a kong.",
     "ch6dmk5bch2b7c8cdwdw9cfftfememw"},  // Out with Replacement Tile
    {"Won on the tile another player adds to a melded pung to make a kong.",
     "ch2d2b3b4b5b5b5b6c7cwsws8cffftememd"},                      // Robbing The Kong
    {"Two concealed kongs.", "ck5dck3bch6c2b2bwwww2bffffememd"},  // Two Concealed Kongs

    // ---- 6 points ----
    {"Four pungs or kongs and a pair.", "pu6bpu7b5c5c5c3d3dwsws3dffffememd"},  // All Pungs
    {"Tiles of one suit, with or without honors.",
     "ch3d5d5d5d6d7d7d8d8dwsws9dffffememd"},  // Half Flush
    {"Three chows in three suits whose ranks step up by one, such as 1-2-3, 2-3-4 and 3-4-5.",
     "ch6bch2d3b4b5b2c3cwewe4cffffememd"},  // Mixed Shifted Chows
    {"The sets and the pair together hold bamboo, characters, dots, a wind and a dragon.",
     "pu6dch5c2b2bwswswsdrdr2bffffwewnd"},  // All Types
    {"Every set melded, and won on a discard that completes the pair.",
     "ch7bpu5bch3dch5cdgdgffffememd"},                                        // Melded Hand
    {"Pungs or kongs of two dragons.", "pudrpu6d2b2b3c4c5cdwdwdwffffememd"},  // Two Dragon Pungs

    // ---- 4 points ----
    {"Every set and the pair hold a 1, a 9 or an honor.",
     "ch8cpuww1b1b9b9b1d2d3d1bffffwnwed"},  // Outside Hand
    {"Nothing melded, and the winning tile drawn from the wall.",
     "2b2b2b5b6b7b2c3c3d4d5dwnwn1cffffememw"},  // Fully Concealed Hand
    {"Exactly two kongs, melded or concealed.",
     "mk7dmk4b6b7b2c2c2cwsws5bffffememd"},  // Two Melded Kongs
    {"Won on the last tile of its kind: the other three are already in sight.",
     "pu4cpu3d4b5b6c7c8cwwww3bftffememd"},  // Last Tile

    // ---- 2 points ----
    {"A pung or kong of dragons, counted for each.",
     "ch7dpu4c3b4b4b4b5bdrdrdrffffememd"},  // Dragon Pung
    {"A pung or kong of the prevalent wind.",
     "ch5dpu6c8b8b2d3d4dwswswsffffwswwd"},                                        // Prevalent Wind
    {"A pung or kong of the seat wind.", "pu8b4b5b6b2c2c6d6d6dwwwwwwffffwnwwd"},  // Seat Wind
    {"Nothing melded, and won on a discard.",
     "1b2b3b6b6b6c7c8c8d8d8ddrdr6bffffememd"},  // Concealed Hand
    {"Four chows, and a pair that is not an honor.",
     "ch3dch2b5c6c7c7c8c2d2d6cffffememd"},  // All Chows
    {"All four tiles of a kind used without a kong, counted for each kind.",
     "ch4dch7b5c5c5c4d4ddgdg4dffffememd"},  // Tile Hog
    {"Pungs or kongs of one rank in two suits, counted for each two.",
     "ch8dpu4bpu5c5b5bwnwn5bffffememd"},  // Double Pung
    {"Exactly two concealed pungs or kongs.",
     "ch4d3b3b3b6c6c2d2d2dwsws6cffffememd"},                            // Two Concealed Pungs
    {"One concealed kong.", "ch7bck4d3c4c5d6d7dwsws5cffffememd"},       // Concealed Kong
    {"No 1, no 9 and no honor.", "ch4dch5c2b2b5b5b5b5d5d2bffffememd"},  // All Simples

    // ---- 1 point ----
    {"Two identical chows.", "ch5dch4cch4c3b3bdrdr3bffffememd"},           // Pure Double Chow
    {"The same chow in two suits.", "ch2dch2b4c4c6d7d8dwewe4cffffememd"},  // Mixed Double Chow
    {"Two chows of one suit that follow each other, such as 1-2-3 and 4-5-6.",
     "pu6c1b2b3b4b5b2d3d4dwwww6bffffememd"},  // Short Straight
    {"A 1-2-3 and a 7-8-9 chow of one suit.",
     "ch2d2b2b3c3c3c7d8d9ddwdw2bffffememd"},  // Two Terminal Chows
    {"A pung or kong of 1s or 9s, or of a wind no wind fan scores, counted for each.",
     "ch3bpu4cpu9d6c7cwewe8cffffememd"},                        // Pung of Terminals or Honors
    {"One melded kong.", "mk6bch6d3c3c7d8d9ddrdr3cffffememd"},  // Melded Kong
    {"One of the three suits is missing.",
     "pu3c1b2b2b3b3b7c8c9cwwww4bffffememd"},                        // One Voided Suit
    {"No wind and no dragon.", "ch8bpu5cch7c4d5d5d6d5dffffememd"},  // No Honors
    {"The hand waits on one tile only: the 3 of a 1-2-3, or the 7 of a 7-8-9.",
     "pu2bch3c7c7c7c8d9ddrdr7dffffememd"},  // Edge Wait
    {"The hand waits on one tile only: the middle tile of a chow.",
     "ch4bpu3d4b6b7c8c9cdwdw5bffffememd"},  // Closed Wait
    {"The hand waits on one tile only: the tile of the pair.",
     "pu7bch5bch4d2c2c2cdwdwffffememd"},  // Single Waiting
    {"The winning tile was drawn from the wall.", "pu2bch3dpu7c3b3bwnwn3bffffememw"},  // Self-Drawn
    {"A point for each flower; hands here hold no flowers, so it never counts.",
     ""},  // Flower Tiles
}};

}  // namespace fanwright
