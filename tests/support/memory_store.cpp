#include "memory_store.h"

#include "scores/score_format.h"

namespace vexel::testsupport {

scores::LoadResult MemoryStore::load() const
{
    scores::LoadResult result;
    if (!bytes)
        return result;
    const std::string_view readable = std::string_view(*bytes).substr(0, scores::MaxLineBytes);
    if (std::optional<std::string> table = scores::tableFromContent(readable)) {
        result.status = scores::LoadResult::Status::Loaded;
        result.table = std::move(*table);
    } else {
        result.status = scores::LoadResult::Status::Unusable;
    }
    return result;
}

std::optional<scores::WriteFailure> MemoryStore::save(std::string_view table)
{
    ++saves;
    if (failSaves)
        return failSaves;
    bytes = scores::fileContent(table);
    return std::nullopt;
}

} // namespace vexel::testsupport
