#pragma once

// What the window says once a query's rows are shown. Only the number of rows counts: the
// parcel's history grew when there are more than the query before left.
struct ChangeNotice {
    bool grew = false;   // "有更新" in red and the sound; else "无更新"
    bool notify = false; // a desktop notification as well

    // Not for the first query after start or a pick, which always grows from nothing; and only
    // when nobody is looking: a panel started the query, or the window is not the active one.
    static ChangeNotice decide(int previousRows, int currentRows, bool startedByPanel, bool windowActive)
    {
        const bool grew = previousRows < currentRows;
        return {grew, grew && previousRows > 0 && (startedByPanel || !windowActive)};
    }
};
