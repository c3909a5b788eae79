#pragma once

#include <memory>
#include <sqlite3.h>

namespace vexel::history {

// The two SQLite objects the history holds, closed when they go.
struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

} // namespace vexel::history
