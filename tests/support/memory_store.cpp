#include "memory_store.h"

#include "scores/score_format.h"
#include "scores/score_table.h"

namespace vexel::testsupport {

scores::LoadResult MemoryStore::load() const
{
    scores::LoadResult result;
    if (unreadable) {
        result.status = scores::LoadResult::Status::Unreadable;
        result.error = *unreadable;
        return result;
    }
    if (!bytes)
        return result;
    const std::string_view readable = std::string_view(*bytes).substr(0, scores::MaxLineBytes);
    if (std::optional<std::string> table = scores::tableFromContent(readable)) {
        result.status = scores::LoadResult::Status::Loaded;
        result.table = std::move(*table);
    } else {
        result.status = scores::LoadResult::Status::NoTable;
    }
    return result;
}

scores::SaveResult MemoryStore::store(std::string_view table, std::string_view provisional)
{
    ++saves;
    scores::SaveResult result;
    const scores::LoadResult stored = load();
    result.table = stored.status == scores::LoadResult::Status::Loaded
                       ? scores::mergeTables(stored.table, table, provisional)
                       : std::string(table);
    if (stored.status == scores::LoadResult::Status::Unreadable) {
        result.status = scores::SaveResult::Status::Unreadable;
        result.error = stored.error;
    } else if (failSaves) {
        result.status = scores::SaveResult::Status::Failed;
        result.failure = failSaves;
    } else {
        bytes = scores::fileContent(result.table);
    }
    return result;
}

} // namespace vexel::testsupport
