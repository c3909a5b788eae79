#pragma once

namespace vexel::scores {

// The level that belongs to a score, or current when no row of the table
// holds the score.
constexpr int levelForScore(int score, int current)
{
    struct Row {
        int first, last, level;
    };
    constexpr Row table[] = {
        {0, 10, 1},      {11, 25, 2},      {26, 50, 3},      {51, 100, 4},
        {101, 250, 5},   {251, 500, 6},    {501, 1000, 7},   {1001, 2000, 8},
        {2001, 3000, 9}, {3001, 5000, 10}, {5001, 7500, 11}, {7501, 9999, 12},
    };
    for (const Row& row : table) {
        if (score >= row.first && score <= row.last)
            return row.level;
    }
    return current;
}

} // namespace vexel::scores
